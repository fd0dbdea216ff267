#include "batch.h"

#include <algorithm>
#include <array>

#include "calculator.h"
#include "console.h"
#include "csv.h"
#include "memory_form1.h"
#include "session_view.h"

namespace roccalc::cli {
namespace {

constexpr std::array kInputColumns{"pfa", "pd", "d", "band", "rc"};
const QStringList kResultColumns{"pfa_reached", "q", "pd_reached", "d_found", "pd_for_d", "snr_db"};

std::optional<std::string>* slotOf(SessionTexts& texts, const QString& column) {
    if (column == QLatin1String("pfa"))
        return &texts.pfa;
    if (column == QLatin1String("pd"))
        return &texts.pd;
    if (column == QLatin1String("d"))
        return &texts.d;
    if (column == QLatin1String("band"))
        return &texts.band;
    if (column == QLatin1String("rc"))
        return &texts.rc;
    return nullptr;
}

bool isInputColumn(const QString& column) {
    return std::find(kInputColumns.begin(), kInputColumns.end(), column) != kInputColumns.end();
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
    for (QString& column : header) {
        column = column.trimmed();
        if (!isInputColumn(column) || header.count(column) > 1) {
            printDiagnostic(
                QStringLiteral("%1:%2: column \"%3\" is unknown or repeated (known: %4)")
                    .arg(name)
                    .arg(line)
                    .arg(column,
                         QStringList{kInputColumns.begin(), kInputColumns.end()}.join(u',')));
            return kUsageError;
        }
    }
    printLine(stdout, csvRecord(header + kResultColumns));

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
                *slotOf(texts, header[i]) = fields[i].toStdString();
                warnIfPartlyRead(QStringLiteral("%1:%2: %3").arg(name).arg(line).arg(header[i]),
                                 fields[i].toStdString());
            }
        }
        MemoryForm1 form;
        Calculator calculator(form, separator.toStdString());
        runSession(texts, form, calculator);

        const bool ranSection3 = texts.band && texts.rc;
        QStringList results{
            texts.pfa ? cell(form.caption(ResultLabel::Label19)) : QString(),
            texts.pfa ? cell(form.caption(ResultLabel::Label11)) : QString(),
            texts.pd ? cell(form.caption(ResultLabel::Label14)) : QString(),
            texts.pd ? cell(form.caption(ResultLabel::Label16)) : QString(),
            texts.d ? cell(form.caption(ResultLabel::Label27)) : QString(),
            ranSection3 ? cell(form.caption(ResultLabel::Label20)) : QString(),
        };
        printLine(stdout, csvRecord(fields + results));
    }
    if (!reader.error().isEmpty()) {
        printDiagnostic(QStringLiteral("%1:%2: %3").arg(name).arg(line).arg(reader.error()));
        return kUsageError;
    }
    return 0;
}

}  // namespace roccalc::cli
