#include <gtest/gtest.h>

#include <QBuffer>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>
#include <QXmlStreamReader>
#include <bit>
#include <cmath>

#include "chart/chart_data.h"
#include "chart/chart_export.h"
#include "chart/chart_painter.h"
#include "detection/memory_form1.h"
#include "detection/session.h"

namespace roccalc::chart {
namespace {

TEST(ScaleTest, ProbitsAreNormalQuantiles) {
    for (const auto& [percent, probit] : {std::pair{0.1, -3.090232306167813},
                                          {1.0, -2.3263478740408408},
                                          {50.0, 0.0},
                                          {97.5, 1.9599639845400536},
                                          {99.9, 3.090232306167813}}) {
        // 99.9 is a little above 99.9 as a double: its quantile a little more.
        EXPECT_NEAR(probitOf(percent), probit, 5e-14) << percent;
        EXPECT_NEAR(percentOf(probit), percent, 1e-12 * percent) << percent;
    }
    // The d of the line through a point: (Phi^-1(1 - pFA) - Phi^-1(1 - pD))^2.
    EXPECT_NEAR(indexThrough({probitOf(1.0), probitOf(50.0)}),
                2.3263478740408408 * 2.3263478740408408, 1e-12);
}

// A session's chart, with the calculator's state and captions it reads.
class ChartTest : public testing::Test {
  protected:
    ChartData chartOf(const char* pfa, const char* pd, const char* d,
                      const std::string& separator = ".") {
        SessionTexts texts;
        if (pfa != nullptr) {
            texts[TextBox::Text1] = std::string(pfa);
        }
        if (pd != nullptr) {
            texts[TextBox::Text2] = std::string(pd);
        }
        if (d != nullptr) {
            texts[TextBox::Text5] = std::string(d);
        }
        runSession(texts, form, calculator);
        return buildChart(calculator.state(), form, separator);
    }
    static const Curve* curveOf(const ChartData& chart, CurveKind kind) {
        for (const Curve& curve : chart.curves) {
            if (curve.kind == kind) {
                return &curve;
            }
        }
        return nullptr;
    }

    MemoryForm1 form;
    Calculator calculator{form};
};

// On probability paper each family curve is the line y = x + sqrt(d): off
// only by the kernel's own bias, which grows toward p(FA) 0.1 %.
TEST_F(ChartTest, FamilyCurvesAreStraightLinesOfTheirD) {
    const ChartData chart = chartOf(nullptr, nullptr, nullptr);
    ASSERT_EQ(chart.curves.size(), std::size(kFamily));
    for (const Curve& curve : chart.curves) {
        ASSERT_FALSE(curve.pieces.empty()) << curve.legend;
        for (const std::vector<Point>& piece : curve.pieces) {
            for (const Point& p : piece) {
                EXPECT_NEAR(p.y - p.x, std::sqrt(curve.d), 0.03) << curve.legend;
            }
        }
    }
}

TEST_F(ChartTest, CurvesAreCutAtTheFrame) {
    const ChartData chart = chartOf("1", "90", "40");
    for (const Curve& curve : chart.curves) {
        if (curve.d == 40) {
            EXPECT_TRUE(curve.pieces.empty());  // above the frame everywhere
            continue;
        }
        bool touchesAnEdge = false;
        for (const std::vector<Point>& piece : curve.pieces) {
            ASSERT_GE(piece.size(), 2u);
            for (const Point& p : piece) {
                EXPECT_GE(p.x, chart.lowest.x - 1e-12) << curve.legend;
                EXPECT_LE(p.x, chart.highest.x + 1e-12) << curve.legend;
                EXPECT_GE(p.y, chart.lowest.y - 1e-12) << curve.legend;
                EXPECT_LE(p.y, chart.highest.y + 1e-12) << curve.legend;
                touchesAnEdge = touchesAnEdge || p.x == chart.lowest.x || p.x == chart.highest.x ||
                                p.y == chart.lowest.y || p.y == chart.highest.y;
            }
        }
        EXPECT_TRUE(touchesAnEdge) << curve.legend << " ends inside the frame";
    }
    // d = 36, drawn from high p(FA) to low, comes in through the top edge
    // (where the sum's p(D) passes 100) and leaves through the left one.
    const Curve& steepest = chart.curves[5];
    EXPECT_EQ(steepest.pieces.front().front().y, chart.highest.y);
    EXPECT_EQ(steepest.pieces.back().back().x, chart.lowest.x);
}

TEST(CutTest, SplitsWhereALineLeavesAndComesBack) {
    const std::vector<Point> line{{0, 0}, {2, 0}, {4, 0},   {4, 2},
                                  {2, 1}, {0, 1}, {NAN, 1}, {1, 1.5}};
    const auto pieces = cutAtFrame(line, {1, -1}, {3, 1.2});
    ASSERT_EQ(pieces.size(), 2u);
    EXPECT_EQ(pieces[0].front().x, 1.0);         // enters at the left edge
    EXPECT_EQ(pieces[0].back().x, 3.0);          // leaves at the right edge
    EXPECT_DOUBLE_EQ(pieces[1].front().x, 2.4);  // comes back through the top edge
    EXPECT_DOUBLE_EQ(pieces[1].front().y, 1.2);
    EXPECT_EQ(pieces[1].back().x, 1.0);
}

TEST_F(ChartTest, OperatingPointIsTheReachedPairOnItsCurve) {
    const ChartData chart = chartOf("1", "90", nullptr);
    ASSERT_EQ(chart.markers.size(), 1u);
    const Marker& point = chart.markers.front();
    EXPECT_EQ(point.kind, MarkerKind::OperatingPoint);
    EXPECT_EQ(point.pfa, calculator.state().pfaCalc);
    EXPECT_EQ(point.pd, calculator.state().pdCalc);
    EXPECT_EQ(point.at.x, probitOf(calculator.state().pfaCalc));
    // A vertex of the found curve, to the bit.
    const Curve* found = curveOf(chart, CurveKind::Found);
    ASSERT_NE(found, nullptr);
    EXPECT_EQ(found->d, calculator.state().d);
    bool onCurve = false;
    for (const auto& piece : found->pieces) {
        for (const Point& p : piece) {
            onCurve = onCurve || (p.x == point.at.x && p.y == point.at.y);
        }
    }
    EXPECT_TRUE(onCurve);
    ASSERT_TRUE(chart.thresholdLine.has_value());
    EXPECT_EQ(*chart.thresholdLine, point.at.x);
}

TEST(ChartTextTest, TitlesLegendsAndTicksInTheWindowsWords) {
    MemoryForm1 form;
    Calculator calculator(form, ",");
    SessionTexts texts;
    texts[TextBox::Text1] = std::string("1");
    texts[TextBox::Text2] = std::string("90");
    texts[TextBox::Text5] = std::string("13.0312");
    runSession(texts, form, calculator);
    const ChartData chart = buildChart(calculator.state(), form, ",");
    EXPECT_EQ(chart.title, "Curve ROC");
    EXPECT_EQ(chart.xTitle, "p(FA) %");
    EXPECT_EQ(chart.yTitle, "p(D) %");
    std::vector<std::string> legends;
    for (const Curve& curve : chart.curves) {
        legends.push_back(curve.legend);
    }
    EXPECT_EQ(legends,
              (std::vector<std::string>{"d = 1", "d = 4", "d = 9", "d = 16", "d = 25", "d = 36",
                                        "d = 13,0312", "d impostato = 13,0312"}));
    EXPECT_EQ(chart.markers.at(0).legend, "punto di lavoro");
    EXPECT_EQ(chart.xTicks.front().label, "0,1");
    EXPECT_EQ(chart.yTicks.back().label, "99,9");
    EXPECT_EQ(chart.xTicks.size(), 10u);
    EXPECT_EQ(chart.yTicks.size(), 14u);
    EXPECT_NE(chart.description.find("punto di lavoro: p(FA) ,9875 %, p(D) 90,01 %, d 13,0312"),
              std::string::npos)
        << chart.description;
}

TEST_F(ChartTest, BeforeAnyCalculationOnlyTheFamily) {
    const ChartData chart = chartOf(nullptr, nullptr, nullptr);
    EXPECT_EQ(chart.curves.size(), 6u);
    EXPECT_TRUE(chart.markers.empty());
    EXPECT_FALSE(chart.thresholdLine.has_value());
    // A new section 1 run empties section 2's captions: its curves go too.
    chartOf("1", "90", "4");
    const ChartData after = chartOf("10", nullptr, nullptr);
    EXPECT_EQ(after.curves.size(), 6u);
    EXPECT_TRUE(after.markers.empty());
    EXPECT_TRUE(after.thresholdLine.has_value());
}

TEST_F(ChartTest, DrawingChangesNoStateBit) {
    const ChartData chart = chartOf("1", "90", "13.0312");
    const CurveState before = calculator.state();
    QImage image(400, 400, QImage::Format_RGB32);
    QPainter painter(&image);
    paintChart(painter, QRectF(image.rect()), buildChart(calculator.state(), form, "."));
    painter.end();
    const CurveState& after = calculator.state();
    for (auto [x, y] : {std::pair{before.q, after.q},
                        {before.pfaCalc, after.pfaCalc},
                        {before.d, after.d},
                        {before.pdCalc, after.pdCalc},
                        {before.dSet, after.dSet},
                        {before.lastY, after.lastY}}) {
        EXPECT_EQ(std::bit_cast<std::uint64_t>(x), std::bit_cast<std::uint64_t>(y));
    }
}

bool reddish(const QColor& c) {
    return c.red() > 180 && c.green() < 80 && c.blue() < 80;
}

// Pixels at computed spots: the red point where the operating point maps,
// and the d = 4 curve's colour on one of its vertices.
TEST_F(ChartTest, RenderPutsThePointAndCurvesWhereTheyMap) {
    const ChartData chart = chartOf("1", "90", nullptr);
    QImage image(800, 800, QImage::Format_RGB32);
    QPainter painter(&image);
    paintChart(painter, QRectF(image.rect()), chart);
    painter.end();
    const PlotGeometry geometry(QRectF(image.rect()), chart);
    const QPointF red = geometry.toPixel(chart.markers.front().at);
    EXPECT_TRUE(reddish(image.pixelColor(red.toPoint())));
    const std::vector<Point>& d4 = chart.curves[1].pieces.front();
    const QPoint vertex = geometry.toPixel(d4[d4.size() / 2]).toPoint();
    const QColor c = image.pixelColor(vertex);
    EXPECT_TRUE(c.green() > c.red() && c.green() > c.blue()) << c.name().toStdString();
    // Nothing of a curve outside the frame: the corner above the frame is white.
    EXPECT_EQ(image.pixelColor(geometry.frame().topRight().toPoint() + QPoint(2, -3)),
              QColor(Qt::white));
}

TEST_F(ChartTest, SvgHoldsTheTextsAndDrawsBack) {
    const ChartData chart = chartOf("1", "90", "13.0312");
    const std::optional<QByteArray> svg =
        renderChartFile(chart, QStringLiteral("roc.svg"), QSize(800, 800));
    ASSERT_TRUE(svg.has_value());
    QStringList texts;
    QXmlStreamReader xml(*svg);
    while (!xml.atEnd()) {
        if (xml.readNext() == QXmlStreamReader::StartElement && xml.name() == u"text") {
            texts << xml.readElementText(QXmlStreamReader::IncludeChildElements).trimmed();
        }
    }
    EXPECT_FALSE(xml.hasError()) << xml.errorString().toStdString();
    for (const char* expected : {"Curve ROC", "p(FA) %", "p(D) %", "punto di lavoro", "d = 13.0312",
                                 "d impostato = 13.0312", "99.9", "0.1"}) {
        EXPECT_TRUE(texts.contains(QString::fromUtf8(expected))) << expected;
    }
    QSvgRenderer renderer(*svg);
    ASSERT_TRUE(renderer.isValid());
    QImage image(800, 800, QImage::Format_RGB32);
    image.fill(Qt::black);
    QPainter painter(&image);
    renderer.render(&painter);
    painter.end();
    const PlotGeometry geometry(QRectF(image.rect()), chart);
    const Marker& operating = chart.markers.back().kind == MarkerKind::OperatingPoint
                                  ? chart.markers.back()
                                  : chart.markers.front();
    EXPECT_TRUE(reddish(image.pixelColor(geometry.toPixel(operating.at).toPoint())));

    EXPECT_FALSE(renderChartFile(chart, QStringLiteral("roc.jpg"), QSize(800, 800)).has_value());
    const auto png = renderChartFile(chart, QStringLiteral("roc.PNG"), QSize(300, 200));
    ASSERT_TRUE(png.has_value());
    EXPECT_EQ(QImage::fromData(*png).size(), QSize(300, 200));
}

}  // namespace
}  // namespace roccalc::chart

int main(int argc, char* argv[]) {
    // Text needs a Gui application; the offscreen platform needs no display.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
