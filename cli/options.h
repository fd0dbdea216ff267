#pragma once

#include <optional>
#include <string>

#include "cli/plot_module.h"
#include "detection/session.h"

namespace roccalc::cli {

// What the command line asks for, checked: one of the three modes with its
// input, the separator of the results and the output choices.
struct Options {
    enum class Mode { Flags, Replay, Batch };

    Mode mode = Mode::Flags;
    SessionTexts texts;  // flags mode
    std::string path;    // replay or batch input, "-" for stdin
    std::string separator;
    bool separatorGiven = false;  // by --separator, not the locale
    bool json = false;
    bool exact = false;    // the exact values beside the captions
    std::string plotPath;  // flags mode: the chart of the session to this .svg or .png
    int plotWidth = 800;
    int plotHeight = 800;
    RenderPlot renderPlot = nullptr;  // the loaded chart module's writer
};

// Parses argc/argv. No value when the program is done already: --help,
// --version, or a usage error (reported); `status` is then its exit status.
std::optional<Options> parseOptions(int argc, char* argv[], int& status);

// Whether the arguments ask for a chart file (--plot): the program then
// needs Qt Gui, on the offscreen platform.
bool wantsPlot(int argc, char* argv[]);

// Why a text cannot be the decimal separator; no value when it can. One
// Unicode character that is no digit of any script, no sign, no white space
// and no control or format character.
std::optional<std::string> separatorProblem(const std::string& text);

}  // namespace roccalc::cli
