#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "cli/diagnostics.h"
#include "cli/exit_status.h"
#include "cli/modes.h"
#include "cli/refusals.h"
#include "cli/session_view.h"
#include "detection/memory_form1.h"

namespace roccalc::cli {
namespace {

// Writes a whole file; a failure is reported with the path and the
// system's reason.
bool writeFile(const std::string& path, const QByteArray& bytes) {
    int error = 0;
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
    if (fd < 0) {
        error = errno;
    }
    const char* data = bytes.constData();
    auto left = static_cast<std::size_t>(bytes.size());
    while (error == 0 && left > 0) {
        const ssize_t written = ::write(fd, data, left);
        if (written < 0) {
            if (errno != EINTR) {
                error = errno;
            }
            continue;
        }
        data += written;
        left -= static_cast<std::size_t>(written);
    }
    if (fd >= 0 && ::close(fd) != 0 && error == 0) {
        error = errno;
    }
    if (error != 0) {
        printDiagnostic("write error: " + path + ": " + std::strerror(error));
    }
    return error == 0;
}

}  // namespace

int runFlags(const Options& options, Output& out) {
    auto where = [](TextBox box) { return "--" + std::string(field(box).key); };
    for (const TextBox box : kTextBoxesInWindowOrder) {
        if (const auto& text = options.texts[box]) {
            warnIfPartlyRead(where(box), *text);
        }
    }
    MemoryForm1 form;
    Calculator calculator(form, options.separator);
    bool refused = false;
    runSession(options.texts, form, calculator, [&](Calculation calculation) {
        for (const std::string& line :
             explainCalculation(calculation, options.texts, calculator, where)) {
            printDiagnostic(line);
            refused = true;
        }
    });
    if (options.json) {
        out.writeLine(sessionJson(form, calculator));
    } else {
        const ExactValues exact = exactValues(form, calculator);
        for (const std::string& line : captionLines(
                 options.texts, form, options.exact ? &exact : nullptr, options.separator)) {
            out.writeLine(line);
        }
    }
    if (!options.plotPath.empty()) {
        const PlotRequest request{&calculator.state(), &form,
                                  options.separator,   options.plotPath,
                                  options.plotWidth,   options.plotHeight};
        QByteArray bytes;
        if (options.renderPlot == nullptr || !options.renderPlot(request, bytes) ||
            !writeFile(options.plotPath, bytes)) {
            return kExitWriteError;
        }
    }
    return refused ? kExitRefused : kExitOk;
}

}  // namespace roccalc::cli
