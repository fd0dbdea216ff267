#include <cstring>

#include "cli/diagnostics.h"
#include "cli/exit_status.h"
#include "cli/input.h"
#include "cli/line_reader.h"
#include "cli/modes.h"
#include "cli/refusals.h"
#include "cli/replay_line.h"
#include "cli/session_view.h"
#include "detection/memory_form1.h"

namespace roccalc::cli {

int runReplay(const Options& options, Output& out) {
    const int fd = openInput(options.path);
    if (fd < 0) {
        return kExitUsage;
    }
    const std::string name = inputName(options.path);
    LineReader lines(fd);
    // Each answer reaches stdout before the next line is waited for.
    lines.setBeforeRead([&out] { out.flush(); });
    MemoryForm1 form;
    Calculator calculator(form, options.separator);
    std::string line;
    int status = kExitOk;
    while (status == kExitOk && !out.failed()) {
        const LineReader::Status read = lines.next(line);
        if (read == LineReader::Status::End) {
            break;
        }
        const std::string at = name + ':' + std::to_string(lines.lineNumber()) + ": ";
        if (read == LineReader::Status::TooLong) {
            printDiagnostic(at + "the line is longer than 1 MiB");
            status = kExitUsage;
        } else if (read == LineReader::Status::ReadError) {
            printDiagnostic(name + ": cannot be read: " + std::strerror(lines.error()));
            status = kExitUsage;
        } else if (const ReplayLine parsed = parseReplayLine(line);
                   parsed.kind == ReplayLine::Kind::Skip) {
            continue;
        } else if (parsed.kind == ReplayLine::Kind::Text) {
            if (!parsed.text.empty()) {
                warnIfPartlyRead(at + std::string(field(parsed.box).name), parsed.text);
            }
            form.setText(parsed.box, parsed.text);
        } else if (parsed.kind == ReplayLine::Kind::Command) {
            // The texts as the calculation reads them: a refusal may empty them.
            const Calculation calculation = field(parsed.command).calculation;
            SessionTexts texts;
            for (const TextBoxField& row : kTextBoxFields) {
                texts[row.box] = form.text(row.box);
            }
            press(calculator, parsed.command);
            if (const auto reason = refusalReason(calculation, calculator)) {
                printDiagnostic(
                    at + std::string(field(parsed.command).name) + ": " +
                    describeInputs(calculation, texts,
                                   [](TextBox b) { return std::string(field(b).name); }) +
                    ' ' + *reason);
            }
            out.writeLine(sessionJson(form, calculator));
        } else {
            printDiagnostic(at + "not a box text, a command or a comment: " + quoted(line));
            status = kExitUsage;
        }
    }
    closeInput(fd);
    return status;
}

}  // namespace roccalc::cli
