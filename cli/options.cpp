#include "cli/options.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QLocale>
#include <QStringDecoder>
#include <cstdio>
#include <cstring>

#include "cli/diagnostics.h"
#include "cli/exit_status.h"
#include "roccalc_version.h"

namespace roccalc::cli {
namespace {

const char kExitStatuses[] =
    "\nExit status:\n"
    "  0  all ran and all was written\n"
    "  1  all was written, but an input was refused or had no result (said on stderr)\n"
    "  2  a usage error, or a malformed replay line or CSV row\n"
    "  3  the output could not be written\n";

void printHelp(const QCommandLineParser& parser, std::FILE* stream) {
    const std::string text = parser.helpText().toStdString() + kExitStatuses;
    std::fwrite(text.data(), 1, text.size(), stream);
}

int usageError(const QCommandLineParser& parser, const std::string& message) {
    printDiagnostic(message);
    printHelp(parser, stderr);
    return kExitUsage;
}

void addOptions(QCommandLineParser& parser) {
    parser.setApplicationDescription(QStringLiteral(
        "The ROC curve calculator from the command line: the window's captions for the\n"
        "sections given by flags, a window session replayed as JSON Lines, or a CSV batch."));
    parser.addHelpOption();
    parser.addVersionOption();
    for (const TextBox box : kTextBoxesInWindowOrder) {
        parser.addOption({QString::fromUtf8(field(box).key), QString::fromUtf8(field(box).help),
                          QStringLiteral("TEXT")});
    }
    parser.addOption({QStringLiteral("replay"),
                      QStringLiteral("Replay a window session from FILE (- for stdin)."),
                      QStringLiteral("FILE")});
    parser.addOption({QStringLiteral("batch"),
                      QStringLiteral("Run each row of the CSV FILE (- for stdin)."),
                      QStringLiteral("FILE")});
    parser.addOption({QStringLiteral("json"),
                      QStringLiteral("With flags: print the window as one JSON object.")});
    parser.addOption({QStringLiteral("exact"),
                      QStringLiteral("With flags or --batch: the exact normal-theory value "
                                     "beside each result.")});
    parser.addOption({QStringLiteral("plot"),
                      QStringLiteral("With flags: write the ROC chart of the session to FILE "
                                     "(.svg or .png)."),
                      QStringLiteral("FILE")});
    parser.addOption({QStringLiteral("plot-size"),
                      QStringLiteral("The chart's size in pixels (default 800x800)."),
                      QStringLiteral("WxH")});
    parser.addOption({QStringLiteral("separator"),
                      QStringLiteral("Write results with C as the decimal separator "
                                     "(default: the locale's)."),
                      QStringLiteral("C")});
}

// The separator's bytes as given: Qt turns bytes that are no UTF-8 into
// U+FFFD before the parser sees them.
std::string rawSeparator(int argc, char* argv[], const QString& parsed) {
    std::string raw = parsed.toStdString();
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--") == 0) {
            break;
        }
        if (std::strcmp(argv[i], "--separator") == 0 && i + 1 < argc) {
            raw = argv[++i];
        } else if (std::strncmp(argv[i], "--separator=", 12) == 0) {
            raw = argv[i] + 12;
        }
    }
    return raw;
}

// "WxH" with each side from 100 to 10000 pixels.
bool readPlotSize(const QString& text, int& width, int& height) {
    const QStringList sides = text.split(u'x');
    if (sides.size() != 2) {
        return false;
    }
    bool wide = false;
    bool high = false;
    width = sides[0].toInt(&wide);
    height = sides[1].toInt(&high);
    auto fits = [](int side) { return side >= 100 && side <= 10000; };
    return wide && high && fits(width) && fits(height) && !sides[0].startsWith(u'+') &&
           !sides[1].startsWith(u'+');
}

}  // namespace

bool wantsPlot(int argc, char* argv[]) {
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--") == 0) {
            return false;
        }
        if (std::strcmp(argv[i], "--plot") == 0 || std::strncmp(argv[i], "--plot=", 7) == 0) {
            return true;
        }
    }
    return false;
}

std::optional<std::string> separatorProblem(const std::string& text) {
    if (text.empty()) {
        return std::string("takes one character, and got none");
    }
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString decoded =
        decoder(QByteArrayView(text.data(), static_cast<qsizetype>(text.size())));
    if (decoder.hasError()) {
        return std::string("is not valid UTF-8");
    }
    const QList<uint> characters = decoded.toUcs4();
    if (characters.size() != 1) {
        return "takes one character, not " + std::to_string(characters.size());
    }
    const char32_t c = characters.front();
    if (QChar::category(c) == QChar::Number_DecimalDigit) {
        return std::string("is a digit: results would read as other numbers");
    }
    if (c == U'+' || c == U'-') {
        return std::string("is a sign: results would read as signed numbers");
    }
    if (QChar::isSpace(c)) {
        return std::string("is white space: results would read as two numbers");
    }
    if (QChar::category(c) == QChar::Other_Control || QChar::category(c) == QChar::Other_Format) {
        return std::string("is a control or format character, not shown as a separator");
    }
    return std::nullopt;
}

std::optional<Options> parseOptions(int argc, char* argv[], int& status) {
    QCommandLineParser parser;
    addOptions(parser);
    status = kExitOk;
    if (!parser.parse(QCoreApplication::arguments())) {
        status = usageError(parser, parser.errorText().toStdString());
        return std::nullopt;
    }
    // The program has no options of Qt's own: --help-all shows the same.
    if (parser.isSet(QStringLiteral("help")) || parser.isSet(QStringLiteral("help-all"))) {
        printHelp(parser, stdout);
        return std::nullopt;
    }
    if (parser.isSet(QStringLiteral("version"))) {
        std::fputs("roccalc-cli " ROCCALC_VERSION "\n", stdout);
        return std::nullopt;
    }
    if (!parser.positionalArguments().isEmpty()) {
        status = usageError(parser, "unexpected argument " +
                                        quoted(parser.positionalArguments().first().toStdString()));
        return std::nullopt;
    }

    Options options;
    options.separator = QLocale::system().decimalPoint().toStdString();
    if (parser.isSet(QStringLiteral("separator"))) {
        options.separator = rawSeparator(argc, argv, parser.value(QStringLiteral("separator")));
        options.separatorGiven = true;
        if (const auto problem = separatorProblem(options.separator)) {
            status =
                usageError(parser, "--separator " + quoted(options.separator) + ' ' + *problem);
            return std::nullopt;
        }
    }

    bool anyFlag = false;
    for (const TextBox box : kTextBoxesInWindowOrder) {
        const QString name = QString::fromUtf8(field(box).key);
        if (parser.isSet(name)) {
            options.texts[box] = parser.value(name).toStdString();
            anyFlag = true;
        }
    }
    const bool replay = parser.isSet(QStringLiteral("replay"));
    const bool batch = parser.isSet(QStringLiteral("batch"));
    if (int(anyFlag) + int(replay) + int(batch) != 1) {
        status = usageError(parser,
                            "give the flags of a session, --replay FILE or --batch FILE: one of "
                            "the three");
        return std::nullopt;
    }
    options.json = parser.isSet(QStringLiteral("json"));
    if (options.json && batch) {
        status = usageError(parser, "--json goes with the flags or --replay");
        return std::nullopt;
    }
    options.exact = parser.isSet(QStringLiteral("exact"));
    if (options.exact && replay) {
        status = usageError(parser,
                            "--exact goes with the flags or --batch (each replay line has "
                            "\"exact\" already)");
        return std::nullopt;
    }
    if (parser.isSet(QStringLiteral("plot"))) {
        options.plotPath = parser.value(QStringLiteral("plot")).toStdString();
        if (replay || batch) {
            status = usageError(parser, "--plot goes with the flags of one session");
            return std::nullopt;
        }
        if (!isPlotFileName(options.plotPath)) {
            status = usageError(parser, "--plot " + quoted(options.plotPath) +
                                            ": the file name must end in .svg or .png");
            return std::nullopt;
        }
    }
    if (parser.isSet(QStringLiteral("plot-size"))) {
        const QString size = parser.value(QStringLiteral("plot-size"));
        if (options.plotPath.empty()) {
            status = usageError(parser, "--plot-size goes with --plot");
            return std::nullopt;
        }
        if (!readPlotSize(size, options.plotWidth, options.plotHeight)) {
            status = usageError(parser, "--plot-size " + quoted(size.toStdString()) +
                                            ": give WxH, each from 100 to 10000 pixels");
            return std::nullopt;
        }
    }
    if (replay || batch) {
        const QString option = replay ? QStringLiteral("replay") : QStringLiteral("batch");
        options.mode = replay ? Options::Mode::Replay : Options::Mode::Batch;
        options.path = parser.value(option).toStdString();
        if (options.path.empty()) {
            status = usageError(
                parser, "--" + option.toStdString() + " needs a file name (- for standard input)");
            return std::nullopt;
        }
        return options;
    }
    if (options.texts[TextBox::Text3].has_value() != options.texts[TextBox::Text4].has_value()) {
        status = usageError(parser, "--band and --rc go together");
        return std::nullopt;
    }
    return options;
}

}  // namespace roccalc::cli
