#include "replay.h"

#include <QList>

#include "calculator.h"
#include "console.h"
#include "memory_form1.h"
#include "session_view.h"

namespace roccalc::cli {
namespace {

bool isBlank(const QByteArray& line) {
    return line.trimmed().isEmpty();
}

// "TextN=" for N in 1..5: the box it names.
std::optional<TextBox> textBoxOf(const QByteArray& line) {
    if (line.size() < 6 || !line.startsWith("Text") || line[5] != '=') {
        return std::nullopt;
    }
    switch (line[4]) {
        case '1':
            return TextBox::Text1;
        case '2':
            return TextBox::Text2;
        case '3':
            return TextBox::Text3;
        case '4':
            return TextBox::Text4;
        case '5':
            return TextBox::Text5;
        default:
            return std::nullopt;
    }
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
            const QByteArray text = line.mid(6);
            form.setText(*box,
                         std::string(text.constData(), static_cast<std::size_t>(text.size())));
            continue;
        }
        const QByteArray command = line.trimmed();
        if (command == "Command1") {
            calculator.Command1_Click();
        } else if (command == "Command2") {
            calculator.Command2_Click();
            calculator.Timer1_Timer();
        } else if (command == "Command3") {
            calculator.Command3_Click();
        } else if (command == "Command4") {
            calculator.Command4_Click();
            calculator.Timer2_Timer();
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
