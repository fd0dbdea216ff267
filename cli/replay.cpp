#include <cstring>

#include "cli/diagnostics.h"
#include "cli/exit_status.h"
#include "cli/input.h"
#include "cli/line_reader.h"
#include "cli/modes.h"
#include "cli/refusals.h"
#include "cli/session_view.h"
#include "detection/memory_form1.h"

namespace roccalc::cli {
namespace {

bool isBlank(std::string_view line) {
    return line.find_first_not_of(" \t\v\f") == std::string_view::npos;
}

// "TextN=": the box it names.
std::optional<TextBox> textBoxOf(std::string_view line) {
    const std::size_t equals = line.find('=');
    if (equals == 0 || equals == std::string_view::npos) {
        return std::nullopt;
    }
    return textBoxNamed(line.substr(0, equals));
}

std::string_view trimmed(std::string_view line) {
    const std::size_t first = line.find_first_not_of(" \t\v\f");
    if (first == std::string_view::npos) {
        return {};
    }
    return line.substr(first, line.find_last_not_of(" \t\v\f") - first + 1);
}

}  // namespace

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
        } else if (isBlank(line) || line.starts_with('#')) {
            continue;
        } else if (const auto box = textBoxOf(line)) {
            const std::string text = line.substr(line.find('=') + 1);
            if (!text.empty()) {
                warnIfPartlyRead(at + std::string(field(*box).name), text);
            }
            form.setText(*box, text);
        } else if (const auto command = commandNamed(trimmed(line))) {
            // The texts as the calculation reads them: a refusal may empty them.
            const Calculation calculation = field(*command).calculation;
            SessionTexts texts;
            for (const TextBoxField& row : kTextBoxFields) {
                texts[row.box] = form.text(row.box);
            }
            press(calculator, *command);
            if (const auto reason = refusalReason(calculation, calculator)) {
                printDiagnostic(
                    at + std::string(field(*command).name) + ": " +
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
