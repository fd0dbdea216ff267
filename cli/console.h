#pragma once

#include <QByteArray>
#include <QString>
#include <cstdio>
#include <optional>

namespace roccalc::cli {

inline constexpr int kUsageError = 2;  // bad option, bad replay line, bad CSV row

// Results go to stdout only, diagnostics to stderr only, in UTF-8.
inline void printLine(std::FILE* stream, const QString& line) {
    const QByteArray bytes = line.toUtf8() + '\n';
    std::fwrite(bytes.constData(), 1, static_cast<std::size_t>(bytes.size()), stream);
}

inline void printDiagnostic(const QString& message) {
    printLine(stderr, QStringLiteral("roccalc-cli: ") + message);
}

// The whole content of FILE, or of standard input for "-"; no value when it
// cannot be read (the diagnostic is printed).
std::optional<QByteArray> readInput(const QString& path);

// The name of FILE in diagnostics.
inline QString inputName(const QString& path) {
    return path == QLatin1String("-") ? QStringLiteral("<stdin>") : path;
}

// A warning when a text does not read as a number as a whole: the window
// would silently use its leading number.
void warnIfPartlyRead(const QString& where, const std::string& text);

}  // namespace roccalc::cli
