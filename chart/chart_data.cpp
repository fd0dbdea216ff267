#include "chart/chart_data.h"

#include <cmath>

#include "detection/erf_grid.h"
#include "detection/erf_sum.h"
#include "detection/exact_theory.h"
#include "detection/threshold_search.h"
#include "text/number_text.h"

namespace roccalc::chart {
namespace {

constexpr double kXTicks[] = {0.1, 0.2, 0.5, 1, 2, 5, 10, 20, 30, 50};
constexpr double kYTicks[] = {1, 2, 5, 10, 20, 30, 50, 70, 80, 90, 95, 98, 99, 99.9};

std::string withoutBlanks(std::string text) {
    std::erase(text, ' ');
    return text;
}

// The thresholds of the curves: section 1's grid (0, 0.01, ... by the same
// repeated addition, so its q is a vertex of every curve), on until the
// p(FA) is below the axis, one point past it.
struct Thresholds {
    std::vector<double> q;
    std::vector<double> x;  // probit of the p(FA) at each q
};

const Thresholds& thresholds() {
    static const Thresholds grid = [] {
        Thresholds t;
        double q = 0.0;
        for (;;) {
            const double pfa = falseAlarmPercent(q, erfSumFast);
            t.q.push_back(q);
            t.x.push_back(probitOf(pfa));
            if (pfa < kFalseAlarmLowest) {
                break;
            }
            q = kThresholdStep + q;
        }
        return t;
    }();
    return grid;
}

// Where the sum carries a p(D) past 100 (large d, small q) the point lies
// above the frame: kept there, finite, so the cut finds the top edge.
constexpr double kAboveTheFrame = 99.99999;

std::vector<Point> curveOf(double d, double step) {
    const Thresholds& grid = thresholds();
    std::vector<Point> points;
    points.reserve(grid.q.size());
    for (std::size_t i = 0; i < grid.q.size(); ++i) {
        const double pd = detectionPercent(grid.q[i], d, step, erfSumFast).percent;
        points.push_back({grid.x[i], probitOf(std::min(pd, kAboveTheFrame))});
    }
    return points;
}

bool inside(Point p, Point lowest, Point highest) {
    return p.x >= lowest.x && p.x <= highest.x && p.y >= lowest.y && p.y <= highest.y;
}

bool finitePoint(Point p) {
    return std::isfinite(p.x) && std::isfinite(p.y);
}

// Liang-Barsky: the part of the segment a-b inside the frame, if any.
bool clipSegment(Point& a, Point& b, Point lowest, Point highest) {
    double t0 = 0.0;
    double t1 = 1.0;
    const double dx = b.x - a.x;
    const double dy = b.y - a.y;
    const double p[] = {-dx, dx, -dy, dy};
    const double q[] = {a.x - lowest.x, highest.x - a.x, a.y - lowest.y, highest.y - a.y};
    for (int i = 0; i < 4; ++i) {
        if (p[i] == 0.0) {
            if (q[i] < 0.0) {
                return false;
            }
            continue;
        }
        const double t = q[i] / p[i];
        if (p[i] < 0.0) {
            t0 = std::max(t0, t);
        } else {
            t1 = std::min(t1, t);
        }
        if (t0 > t1) {
            return false;
        }
    }
    const Point start{a.x + t0 * dx, a.y + t0 * dy};
    const Point end{a.x + t1 * dx, a.y + t1 * dy};
    a = start;
    b = end;
    return true;
}

}  // namespace

double probitOf(double percent) {
    // Each half from its own tail, so that both keep full precision.
    if (percent > 50.0) {
        return normalUpperQuantile((100.0 - percent) / 100.0);
    }
    return -normalUpperQuantile(percent / 100.0);
}

double percentOf(double probit) {
    return 100.0 * normalUpperTail(-probit);
}

double indexThrough(Point point) {
    const double root = point.y - point.x;
    return root * root;
}

std::vector<std::vector<Point>> cutAtFrame(const std::vector<Point>& points, Point lowest,
                                           Point highest) {
    std::vector<std::vector<Point>> pieces;
    std::vector<Point> piece;
    auto endPiece = [&] {
        if (piece.size() >= 2) {
            pieces.push_back(std::move(piece));
        }
        piece.clear();
    };
    for (std::size_t i = 1; i < points.size(); ++i) {
        Point a = points[i - 1];
        Point b = points[i];
        if (!finitePoint(a) || !finitePoint(b) || !clipSegment(a, b, lowest, highest)) {
            endPiece();
            continue;
        }
        const bool continues = !piece.empty() && piece.back().x == a.x && piece.back().y == a.y;
        if (!continues) {
            endPiece();
            piece.push_back(a);
        }
        piece.push_back(b);
        if (!inside(points[i], lowest, highest)) {
            endPiece();  // it left the frame here
        }
    }
    endPiece();
    return pieces;
}

ChartData buildChart(const CurveState& state, const Form1& form, const std::string& separator) {
    ChartData chart;
    chart.lowest = {probitOf(kFalseAlarmLowest), probitOf(kDetectionLowest)};
    chart.highest = {probitOf(kFalseAlarmHighest), probitOf(kDetectionHighest)};
    for (const double percent : kXTicks) {
        chart.xTicks.push_back({probitOf(percent), shortestNumber(percent, separator)});
    }
    for (const double percent : kYTicks) {
        chart.yTicks.push_back({probitOf(percent), shortestNumber(percent, separator)});
    }
    auto addCurve = [&](CurveKind kind, double d, double step, std::string legend) {
        chart.curves.push_back({kind, d, std::move(legend),
                                cutAtFrame(curveOf(d, step), chart.lowest, chart.highest)});
    };
    // The family as the second box gives it: the fine step.
    for (const double d : kFamily) {
        addCurve(CurveKind::Family, d, kFineStep, "d = " + shortestNumber(d, separator));
    }
    std::string description =
        "Curve ROC su scale di probabilità normale, famiglia d = 1, 4, 9, 16, 25, 36";

    const std::string pfaCaption = withoutBlanks(form.caption(ResultLabel::Label19));
    const bool section1Shown = !pfaCaption.empty();
    if (section1Shown && state.pfaCalc >= kFalseAlarmLowest &&
        state.pfaCalc <= kFalseAlarmHighest) {
        chart.thresholdLine = probitOf(state.pfaCalc);
    }
    auto addMarker = [&](MarkerKind kind, double pd, std::string legend) {
        const Point at{probitOf(state.pfaCalc), probitOf(pd)};
        if (finitePoint(at) && inside(at, chart.lowest, chart.highest)) {
            chart.markers.push_back({kind, at, state.pfaCalc, pd, std::move(legend)});
        }
    };

    const std::string found = withoutBlanks(form.caption(ResultLabel::Label16));
    if (!found.empty()) {
        addCurve(CurveKind::Found, state.d, kCoarseStep, "d = " + found);
        const double pd = detectionPercent(state.q, state.d, kCoarseStep, erfSumFast).percent;
        addMarker(MarkerKind::OperatingPoint, pd, "punto di lavoro");
        description += "; punto di lavoro: p(FA) " + pfaCaption + " %, p(D) " +
                       withoutBlanks(form.caption(ResultLabel::Label14)) + " %, d " + found;
    }
    const std::string forSetD = withoutBlanks(form.caption(ResultLabel::Label27));
    if (!forSetD.empty()) {
        const std::string dText = shortestNumber(state.dSet, separator);
        addCurve(CurveKind::Set, state.dSet, kFineStep, "d impostato = " + dText);
        const double pd = detectionPercent(state.q, state.dSet, kFineStep, erfSumFast).percent;
        addMarker(MarkerKind::SetPoint, pd, "p(D) per d impostato");
        description += "; d impostato " + dText + ": p(D) " + forSetD + " %";
    } else if (found.empty() && section1Shown) {
        description += "; p(FA) raggiunto " + pfaCaption + " %";
    }
    chart.description = description;
    return chart;
}

}  // namespace roccalc::chart
