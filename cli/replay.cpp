#include "cli/replay.h"

#include <QList>

#include "cli/console.h"
#include "cli/session_view.h"
#include "detection/calculator.h"
#include "detection/memory_form1.h"
#include "detection/session.h"

namespace roccalc::cli {
namespace {

bool isBlank(const QByteArray& line) {
    return line.trimmed().isEmpty();
}

// "TextN=": the box it names.
std::optional<TextBox> textBoxOf(const QByteArray& line) {
    const qsizetype equals = line.indexOf('=');
    if (equals <= 0) {
        return std::nullopt;
    }
    return textBoxNamed(std::string_view(line.constData(), static_cast<std::size_t>(equals)));
}

}  // namespace

int runReplay(const QByteArray& script, const QString& name, const QString& separator) {
    MemoryForm1 form;
    Calculator calculator(form, separator.toStdString());
    QList<QByteArray> lines = script.split('\n');
    if (!lines.isEmpty() && lines.last().isEmpty()) {
        lines.removeLast();  // the final line break ends a line, it starts none
    }
    int lineNumber = 0;
    for (QByteArray line : lines) {
        ++lineNumber;
        if (line.endsWith('\r')) {
            line.chop(1);  // a CRLF file's line ending is no part of a text
        }
        if (isBlank(line) || line.startsWith('#')) {
            continue;
        }
        if (const auto box = textBoxOf(line)) {
            const QByteArray text = line.mid(line.indexOf('=') + 1);
            form.setText(*box,
                         std::string(text.constData(), static_cast<std::size_t>(text.size())));
            continue;
        }
        const QByteArray word = line.trimmed();
        if (const auto command = commandNamed(
                std::string_view(word.constData(), static_cast<std::size_t>(word.size())))) {
            press(calculator, *command);
        } else {
            printDiagnostic(QStringLiteral("%1:%2: not a box text, a command or a comment: \"%3\"")
                                .arg(name)
                                .arg(lineNumber)
                                .arg(QString::fromUtf8(line.left(80))));
            return kUsageError;
        }
        printLine(stdout, QString::fromUtf8(sessionJson(form, calculator.state())));
    }
    return 0;
}

}  // namespace roccalc::cli
