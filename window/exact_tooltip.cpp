#include "window/exact_tooltip.h"

#include "text/number_reader.h"

namespace roccalc::window {

QString exactTooltip(std::optional<double> exact, const QString& caption, const QLocale& locale) {
    if (!exact || caption.trimmed().isEmpty()) {
        return {};
    }
    // The caption as the user reads it: its separator back to a point.
    QString shownText = caption.trimmed();
    shownText.replace(locale.decimalPoint(), QStringLiteral("."));
    const double shown = readNumber(shownText.toStdString());
    QLocale plain = locale;
    plain.setNumberOptions(QLocale::OmitGroupSeparator);
    const double difference = shown - *exact;
    return QStringLiteral("valore esatto: %1 (differenza %2%3)")
        .arg(plain.toString(*exact, 'g', 6), difference >= 0.0 ? QStringLiteral("+") : QString(),
             plain.toString(difference, 'g', 3));
}

}  // namespace roccalc::window
