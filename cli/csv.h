#pragma once

#include <QString>
#include <QStringList>

namespace roccalc::cli {

// Reads RFC 4180 records: fields separated by commas, quoted where they hold
// a comma, a quote (doubled) or a line break. Blank lines are skipped.
class CsvReader {
  public:
    explicit CsvReader(QString text) : text_(std::move(text)) {}

    // The next record, with the line it starts on; false at the end or on a
    // quote left open (error() then says so).
    bool next(QStringList& fields, int& line);
    const QString& error() const { return error_; }

  private:
    QString text_;
    qsizetype pos_ = 0;
    int line_ = 1;
    QString error_;
};

// One field, quoted only where it must be.
QString csvField(const QString& field);
QString csvRecord(const QStringList& fields);

}  // namespace roccalc::cli
