#pragma once

#include <QLocale>
#include <QString>
#include <optional>

namespace roccalc::window {

// The tooltip of a result label, in the window's Italian: the exact value
// to 6 significant digits and its difference from the shown caption
// ("valore esatto: 2.32635 (differenza +0.00365)"), with the locale's
// separator. Empty for an empty caption or where there is no exact value.
QString exactTooltip(std::optional<double> exact, const QString& caption, const QLocale& locale);

}  // namespace roccalc::window
