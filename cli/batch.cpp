#include "cli/batch.h"

#include "cli/console.h"
#include "cli/csv.h"
#include "cli/session_view.h"
#include "detection/calculator.h"
#include "detection/memory_form1.h"
#include "detection/session.h"

namespace roccalc::cli {
namespace {

std::optional<TextBox> columnBox(const QString& column) {
    const QByteArray key = column.toUtf8();
    return textBoxWithKey(std::string_view(key.constData(), static_cast<std::size_t>(key.size())));
}

QString fromStd(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QStringList inputColumns() {
    QStringList columns;
    for (const TextBox box : kTextBoxesInWindowOrder) {
        columns << fromStd(field(box).key);
    }
    return columns;
}

QStringList resultColumns() {
    QStringList columns;
    for (const ResultLabelField& row : kResultLabelFields) {
        columns << fromStd(row.column);
    }
    return columns;
}

// A caption as a cell: without the leading blanks of its pattern.
QString cell(const std::string& caption) {
    QString text = QString::fromUtf8(caption.data(), static_cast<qsizetype>(caption.size()));
    while (text.startsWith(u' ')) {
        text.remove(0, 1);
    }
    return text;
}

}  // namespace

int runBatch(const QByteArray& csv, const QString& name, const QString& separator) {
    CsvReader reader(QString::fromUtf8(csv));
    QStringList header;
    int line = 0;
    if (!reader.next(header, line)) {
        printDiagnostic(QStringLiteral("%1: %2").arg(
            name, reader.error().isEmpty() ? QStringLiteral("no header line") : reader.error()));
        return kUsageError;
    }
    const QString knownColumns = inputColumns().join(u',');
    for (QString& column : header) {
        column = column.trimmed();
        if (!columnBox(column) || header.count(column) > 1) {
            printDiagnostic(
                QStringLiteral("%1:%2: column \"%3\" is unknown or repeated (known: %4)")
                    .arg(name)
                    .arg(line)
                    .arg(column, knownColumns));
            return kUsageError;
        }
    }
    printLine(stdout, csvRecord(header + resultColumns()));

    QStringList fields;
    while (reader.next(fields, line)) {
        if (fields.size() != header.size()) {
            printDiagnostic(QStringLiteral("%1:%2: the row has %3 cells, the header %4")
                                .arg(name)
                                .arg(line)
                                .arg(fields.size())
                                .arg(header.size()));
            return kUsageError;
        }
        SessionTexts texts;
        for (qsizetype i = 0; i < header.size(); ++i) {
            if (!fields[i].isEmpty()) {
                texts[*columnBox(header[i])] = fields[i].toStdString();
                warnIfPartlyRead(QStringLiteral("%1:%2: %3").arg(name).arg(line).arg(header[i]),
                                 fields[i].toStdString());
            }
        }
        MemoryForm1 form;
        Calculator calculator(form, separator.toStdString());
        runSession(texts, form, calculator);

        QStringList results;
        for (const ResultLabelField& row : kResultLabelFields) {
            results << (texts.runs(row.calculation) ? cell(form.caption(row.label)) : QString());
        }
        printLine(stdout, csvRecord(fields + results));
    }
    if (!reader.error().isEmpty()) {
        printDiagnostic(QStringLiteral("%1:%2: %3").arg(name).arg(line).arg(reader.error()));
        return kUsageError;
    }
    return 0;
}

}  // namespace roccalc::cli
