#include "session_view.h"

#include <QJsonDocument>
#include <QJsonObject>

namespace roccalc::cli {
namespace {

QString fromStd(const std::string& text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QString line(const char* labelText, const std::string& caption) {
    QString result = QString::fromUtf8(labelText);
    if (!caption.empty()) {
        result += u' ' + fromStd(caption);
    }
    return result;
}

}  // namespace

void runSession(const SessionTexts& texts, Form1& form, Calculator& calculator) {
    if (texts.pfa) {
        form.setText(TextBox::Text1, *texts.pfa);
        calculator.Command1_Click();
    }
    if (texts.pd) {
        form.setText(TextBox::Text2, *texts.pd);
        calculator.Command2_Click();
        calculator.Timer1_Timer();
    }
    if (texts.d) {
        form.setText(TextBox::Text5, *texts.d);
        calculator.Command4_Click();
        calculator.Timer2_Timer();
    }
    if (texts.band && texts.rc) {
        form.setText(TextBox::Text3, *texts.band);
        form.setText(TextBox::Text4, *texts.rc);
        calculator.Command3_Click();
    }
}

std::vector<QString> captionLines(const SessionTexts& texts, const Form1& form) {
    std::vector<QString> lines;
    if (texts.pfa) {
        lines.push_back(line("p(FA) =", form.caption(ResultLabel::Label19)));
        lines.push_back(line("q =", form.caption(ResultLabel::Label11)));
    }
    if (texts.pd) {
        lines.push_back(line("p(D) =", form.caption(ResultLabel::Label14)));
        lines.push_back(line("d =", form.caption(ResultLabel::Label16)));
    }
    if (texts.d) {
        lines.push_back(line("p(D) for the set d =", form.caption(ResultLabel::Label27)));
    }
    if (texts.band && texts.rc) {
        lines.push_back(line("S/N dB =", form.caption(ResultLabel::Label20)));
    }
    return lines;
}

QByteArray sessionJson(const Form1& form, const CurveState& state) {
    QJsonObject object;
    const std::pair<const char*, TextBox> boxes[] = {{"Text1", TextBox::Text1},
                                                     {"Text2", TextBox::Text2},
                                                     {"Text3", TextBox::Text3},
                                                     {"Text4", TextBox::Text4},
                                                     {"Text5", TextBox::Text5}};
    for (const auto& [name, box] : boxes) {
        object.insert(QLatin1String(name), fromStd(form.text(box)));
    }
    const std::pair<const char*, ResultLabel> labels[] = {
        {"Label19", ResultLabel::Label19}, {"Label11", ResultLabel::Label11},
        {"Label14", ResultLabel::Label14}, {"Label16", ResultLabel::Label16},
        {"Label27", ResultLabel::Label27}, {"Label20", ResultLabel::Label20}};
    for (const auto& [name, label] : labels) {
        object.insert(QLatin1String(name), fromStd(form.caption(label)));
    }
    const std::pair<const char*, FlagButton> buttons[] = {{"Command1", FlagButton::Command1},
                                                          {"Command2", FlagButton::Command2},
                                                          {"Command4", FlagButton::Command4}};
    for (const auto& [name, button] : buttons) {
        object.insert(QLatin1String(name), static_cast<qint64>(form.backColor(button)));
    }
    // QJsonDocument writes doubles in their shortest round-trip form.
    object.insert(QStringLiteral("state"), QJsonObject{{"q", state.q},
                                                       {"pfaCalc", state.pfaCalc},
                                                       {"d", state.d},
                                                       {"pdCalc", state.pdCalc},
                                                       {"dSet", state.dSet},
                                                       {"lastY", state.lastY}});
    return QJsonDocument(object).toJson(QJsonDocument::Compact);
}

}  // namespace roccalc::cli
