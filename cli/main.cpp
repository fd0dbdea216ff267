// roccalc-cli: the calculator's sections from the command line, with the
// window's captions, for scripts, tables and replays.
#include <QCommandLineParser>
#include <QCoreApplication>
#include <QLocale>

#include "cli/batch.h"
#include "cli/console.h"
#include "cli/replay.h"
#include "cli/session_view.h"
#include "detection/calculator.h"
#include "detection/memory_form1.h"
#include "detection/session.h"
#include "roccalc_version.h"

namespace {

using namespace roccalc::cli;

using roccalc::field;
using roccalc::kTextBoxesInWindowOrder;
using roccalc::SessionTexts;
using roccalc::TextBox;

QString fromStd(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

int usageError(const QCommandLineParser& parser, const QString& message) {
    printDiagnostic(message);
    std::fputs(parser.helpText().toUtf8().constData(), stderr);
    return kUsageError;
}

int runFlags(const SessionTexts& texts, const QString& separator, bool json) {
    roccalc::MemoryForm1 form;
    roccalc::Calculator calculator(form, separator.toStdString());
    runSession(texts, form, calculator);
    if (json) {
        printLine(stdout, QString::fromUtf8(sessionJson(form, calculator.state())));
    } else {
        for (const QString& line : captionLines(texts, form)) {
            printLine(stdout, line);
        }
    }
    return 0;
}

}  // namespace

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("roccalc-cli"));
    QCoreApplication::setApplicationVersion(QStringLiteral(ROCCALC_VERSION));

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "The ROC curve calculator from the command line: the window's captions for the\n"
        "sections given by flags, a window session replayed as JSON Lines, or a CSV batch."));
    parser.addHelpOption();
    parser.addVersionOption();
    for (const TextBox box : kTextBoxesInWindowOrder) {
        parser.addOption(
            {fromStd(field(box).key), fromStd(field(box).help), QStringLiteral("TEXT")});
    }
    parser.addOption({QStringLiteral("replay"),
                      QStringLiteral("Replay a window session from FILE (- for stdin)."),
                      QStringLiteral("FILE")});
    parser.addOption({QStringLiteral("batch"),
                      QStringLiteral("Run each row of the CSV FILE (- for stdin)."),
                      QStringLiteral("FILE")});
    parser.addOption({QStringLiteral("json"),
                      QStringLiteral("With flags: print the window as one JSON object.")});
    parser.addOption({QStringLiteral("separator"),
                      QStringLiteral("Write results with C as the decimal separator "
                                     "(default: the locale's)."),
                      QStringLiteral("C")});

    if (!parser.parse(QCoreApplication::arguments())) {
        return usageError(parser, parser.errorText());
    }
    if (parser.isSet(QStringLiteral("help"))) {
        std::fputs(parser.helpText().toUtf8().constData(), stdout);
        return 0;
    }
    if (parser.isSet(QStringLiteral("version"))) {
        printLine(stdout, QStringLiteral("roccalc-cli " ROCCALC_VERSION));
        return 0;
    }
    if (!parser.positionalArguments().isEmpty()) {
        return usageError(
            parser,
            QStringLiteral("unexpected argument \"%1\"").arg(parser.positionalArguments().first()));
    }

    QString separator = QLocale::system().decimalPoint();
    if (parser.isSet(QStringLiteral("separator"))) {
        separator = parser.value(QStringLiteral("separator"));
        if (separator.size() != 1) {
            return usageError(parser, QStringLiteral("--separator takes one character"));
        }
    }

    SessionTexts texts;
    bool anyFlag = false;
    for (const TextBox box : kTextBoxesInWindowOrder) {
        const QString name = fromStd(field(box).key);
        if (parser.isSet(name)) {
            texts[box] = parser.value(name).toStdString();
            anyFlag = true;
        }
    }
    const bool replay = parser.isSet(QStringLiteral("replay"));
    const bool batch = parser.isSet(QStringLiteral("batch"));
    if (int(anyFlag) + int(replay) + int(batch) != 1) {
        return usageError(parser, QStringLiteral("give the flags of a session, --replay FILE or "
                                                 "--batch FILE: one of the three"));
    }
    if (parser.isSet(QStringLiteral("json")) && batch) {
        return usageError(parser, QStringLiteral("--json goes with the flags or --replay"));
    }

    if (replay || batch) {
        const QString path =
            parser.value(replay ? QStringLiteral("replay") : QStringLiteral("batch"));
        const std::optional<QByteArray> input = readInput(path);
        if (!input) {
            return kUsageError;
        }
        return replay ? runReplay(*input, inputName(path), separator)
                      : runBatch(*input, inputName(path), separator);
    }

    if (texts[TextBox::Text3].has_value() != texts[TextBox::Text4].has_value()) {
        return usageError(parser, QStringLiteral("--band and --rc go together"));
    }
    for (const TextBox box : kTextBoxesInWindowOrder) {
        if (const auto& text = texts[box]) {
            warnIfPartlyRead(QStringLiteral("--%1").arg(fromStd(field(box).key)), *text);
        }
    }
    return runFlags(texts, separator, parser.isSet(QStringLiteral("json")));
}
