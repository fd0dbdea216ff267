// roccalc-cli: the calculator's sections from the command line, with the
// window's captions, for scripts, tables and replays.
#include <fcntl.h>
#include <unistd.h>
#include <QCoreApplication>
#include <cerrno>
#include <cstdio>
#include <memory>

#include "cli/exit_status.h"
#include "cli/modes.h"
#include "cli/options.h"
#include "cli/output.h"
#include "cli/plot_module.h"
#include "roccalc_version.h"

namespace {

using namespace roccalc::cli;

int run(const Options& options, Output& out) {
    switch (options.mode) {
        case Options::Mode::Flags:
            return runFlags(options, out);
        case Options::Mode::Replay:
            return runReplay(options, out);
        case Options::Mode::Batch:
            return runBatch(options, out);
    }
    return kExitUsage;
}

// A standard stream closed at start would let the next file opened (by Qt,
// say) take its number, and results would be written into that file. Each
// closed one gets /dev/null; whether standard output was closed is returned.
bool standardOutputWasClosed() {
    bool outputClosed = false;
    for (const int fd : {STDIN_FILENO, STDOUT_FILENO, STDERR_FILENO}) {
        if (::fcntl(fd, F_GETFD) == -1 && errno == EBADF) {
            const int null = ::open("/dev/null", fd == STDIN_FILENO ? O_RDONLY : O_WRONLY);
            if (null != fd && null >= 0) {
                ::dup2(null, fd);
                ::close(null);
            }
            outputClosed = outputClosed || fd == STDOUT_FILENO;
        }
    }
    return outputClosed;
}

// Qt's own warnings (about a runtime folder, fonts, ...) are no business of
// a scripting tool's stderr, which carries only the program's messages.
void keepQtQuiet(QtMsgType type, const QMessageLogContext&, const QString& message) {
    if (type == QtFatalMsg) {
        std::fputs(qPrintable(QStringLiteral("roccalc-cli: ") + message + u'\n'), stderr);
    }
}

}  // namespace

int main(int argc, char* argv[]) {
    Output out;
    if (standardOutputWasClosed()) {
        out.fail(EBADF);
    }
    qInstallMessageHandler(keepQtQuiet);
    // Only a chart needs Qt Gui: its module is loaded for --plot alone.
    std::unique_ptr<QCoreApplication> app;
    PlotModule plot;
    if (wantsPlot(argc, argv)) {
        std::string error;
        plot = loadPlotModule(error);
        if (plot.makeApplication == nullptr) {
            std::fprintf(stderr, "roccalc-cli: --plot: the chart module cannot be loaded: %s\n",
                         error.c_str());
            return kExitUsage;
        }
        app.reset(plot.makeApplication(argc, argv));
    } else {
        app = std::make_unique<QCoreApplication>(argc, argv);
    }
    QCoreApplication::setApplicationName(QStringLiteral("roccalc-cli"));
    QCoreApplication::setApplicationVersion(QStringLiteral(ROCCALC_VERSION));

    int status = kExitOk;
    std::optional<Options> options = parseOptions(argc, argv, status);
    if (options && !out.failed()) {
        options->renderPlot = plot.render;
        status = run(*options, out);
    }
    // Nothing written may be lost unnoticed: the last buffer too.
    if (!out.flush()) {
        out.report();
        return kExitWriteError;
    }
    return status;
}
