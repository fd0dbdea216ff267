#include "cli/csv.h"

namespace roccalc::cli {

bool CsvReader::next(QStringList& fields, int& line) {
    fields.clear();
    // Blank lines are no records.
    while (pos_ < text_.size() && (text_[pos_] == u'\n' || text_[pos_] == u'\r')) {
        if (text_[pos_] == u'\n') {
            ++line_;
        }
        ++pos_;
    }
    if (pos_ >= text_.size()) {
        return false;
    }
    line = line_;
    QString field;
    bool quoted = false;
    for (;;) {
        if (pos_ >= text_.size()) {
            if (quoted) {
                error_ = QStringLiteral("a quoted field is not closed");
                return false;
            }
            fields << field;
            return true;
        }
        const QChar c = text_[pos_++];
        if (quoted) {
            if (c == u'"') {
                if (pos_ < text_.size() && text_[pos_] == u'"') {
                    field += u'"';
                    ++pos_;
                } else {
                    quoted = false;
                }
            } else {
                if (c == u'\n') {
                    ++line_;
                }
                field += c;
            }
        } else if (c == u'"' && field.isEmpty()) {
            quoted = true;
        } else if (c == u',') {
            fields << field;
            field.clear();
        } else if (c == u'\r' || c == u'\n') {
            if (c == u'\r' && pos_ < text_.size() && text_[pos_] == u'\n') {
                ++pos_;
            }
            ++line_;
            fields << field;
            return true;
        } else {
            field += c;
        }
    }
}

QString csvField(const QString& field) {
    if (!field.contains(u',') && !field.contains(u'"') && !field.contains(u'\n') &&
        !field.contains(u'\r')) {
        return field;
    }
    QString quoted = field;
    quoted.replace(QStringLiteral("\""), QStringLiteral("\"\""));
    return u'"' + quoted + u'"';
}

QString csvRecord(const QStringList& fields) {
    QStringList out;
    for (const QString& field : fields) {
        out << csvField(field);
    }
    return out.join(u',');
}

}  // namespace roccalc::cli
