#include "cli/session_view.h"

#include <QJsonDocument>
#include <QJsonObject>

#include "text/number_text.h"

namespace roccalc::cli {

std::vector<std::string> captionLines(const SessionTexts& texts, const Form1& form,
                                      const ExactValues* exact, const std::string& separator) {
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
            if (exact != nullptr) {
                if (const auto value = exactValueOf(*exact, row.label)) {
                    line += "   exact " +
                            withSeparator(QString::number(*value, 'g', 6).toStdString(), separator);
                }
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
        object.insert(QString::fromUtf8(row.name), QString::fromUtf8(form.text(row.box)));
    }
    for (const ResultLabelField& row : kResultLabelFields) {
        object.insert(QString::fromUtf8(row.name), QString::fromUtf8(form.caption(row.label)));
    }
    for (const FlagButtonField& row : kFlagButtonFields) {
        object.insert(QString::fromUtf8(field(row.command).name),
                      static_cast<qint64>(form.backColor(row.button)));
    }
    // QJsonDocument writes doubles in their shortest round-trip form.
    object.insert(QStringLiteral("state"), QJsonObject{{"q", state.q},
                                                       {"pfaCalc", state.pfaCalc},
                                                       {"d", state.d},
                                                       {"pdCalc", state.pdCalc},
                                                       {"dSet", state.dSet},
                                                       {"lastY", state.lastY}});
    const ExactValues exact = exactValues(form, calculator);
    QJsonObject exactObject;
    for (std::size_t i = 0; i < kExactFields.size(); ++i) {
        exactObject.insert(QString::fromUtf8(kExactFields[i].key),
                           exact[i] ? QJsonValue(*exact[i]) : QJsonValue(QJsonValue::Null));
    }
    object.insert(QStringLiteral("exact"), exactObject);
    return QJsonDocument(object).toJson(QJsonDocument::Compact).toStdString();
}

}  // namespace roccalc::cli
