#include "cli/diagnostics.h"
#include "cli/exit_status.h"
#include "cli/modes.h"
#include "cli/refusals.h"
#include "cli/session_view.h"
#include "detection/memory_form1.h"

namespace roccalc::cli {

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
    return refused ? kExitRefused : kExitOk;
}

}  // namespace roccalc::cli
