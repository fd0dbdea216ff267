#include "cli/console.h"

#include <QFile>
#include <QLocale>

#include "text/number_reader.h"

namespace roccalc::cli {

std::optional<QByteArray> readInput(const QString& path) {
    QFile file;
    const bool opened = path == QLatin1String("-")
                            ? file.open(stdin, QIODevice::ReadOnly)
                            : (file.setFileName(path), file.open(QIODevice::ReadOnly));
    if (!opened) {
        printDiagnostic(QStringLiteral("%1: %2").arg(inputName(path), file.errorString()));
        return std::nullopt;
    }
    return file.readAll();
}

void warnIfPartlyRead(const QString& where, const std::string& text) {
    if (readsEntirely(text)) {
        return;
    }
    const double value = readNumber(text);
    printDiagnostic(QStringLiteral("%1 \"%2\" reads as %3")
                        .arg(where, QString::fromStdString(text),
                             QString::number(value, 'g', QLocale::FloatingPointShortest)));
}

}  // namespace roccalc::cli
