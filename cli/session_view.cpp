#include "cli/session_view.h"

#include <QJsonDocument>
#include <QJsonObject>

namespace roccalc::cli {
namespace {

QString fromStd(const std::string& text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QString fromStd(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace

std::vector<std::string> captionLines(const SessionTexts& texts, const Form1& form) {
    std::vector<std::string> lines;
    for (const Calculation calculation : kCalculationsInWindowOrder) {
        if (!texts.runs(calculation)) {
            continue;
        }
        for (const ResultLabelField& row : kResultLabelFields) {
            if (row.calculation != calculation) {
                continue;
            }
            std::string line(row.title);
            const std::string caption = form.caption(row.label);
            if (!caption.empty()) {
                line += ' ' + caption;
            }
            lines.push_back(line);
        }
    }
    return lines;
}

std::string sessionJson(const Form1& form, const Calculator& calculator) {
    const CurveState& state = calculator.state();
    QJsonObject object;
    for (const TextBoxField& row : kTextBoxFields) {
        object.insert(fromStd(row.name), fromStd(form.text(row.box)));
    }
    for (const ResultLabelField& row : kResultLabelFields) {
        object.insert(fromStd(row.name), fromStd(form.caption(row.label)));
    }
    for (const FlagButtonField& row : kFlagButtonFields) {
        object.insert(fromStd(field(row.command).name),
                      static_cast<qint64>(form.backColor(row.button)));
    }
    // QJsonDocument writes doubles in their shortest round-trip form.
    object.insert(QStringLiteral("state"), QJsonObject{{"q", state.q},
                                                       {"pfaCalc", state.pfaCalc},
                                                       {"d", state.d},
                                                       {"pdCalc", state.pdCalc},
                                                       {"dSet", state.dSet},
                                                       {"lastY", state.lastY}});
    return QJsonDocument(object).toJson(QJsonDocument::Compact).toStdString();
}

}  // namespace roccalc::cli
