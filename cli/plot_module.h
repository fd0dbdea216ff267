#pragma once

#include <QByteArray>
#include <string>

#include "detection/curve_state.h"
#include "detection/form1.h"

class QCoreApplication;

namespace roccalc::cli {

// The chart writer lives in a module of its own (roccalc_plot.so, on Qt Gui
// and Qt Svg), loaded only for --plot, so that every other run of
// roccalc-cli loads Qt Core alone.

// What to draw and where.
struct PlotRequest {
    const CurveState* state;
    const Form1* form;
    std::string separator;
    std::string path;  // its ending (.svg, .png) picks the format
    int width;
    int height;
};

// The module's two entry points: a Gui application on the offscreen
// platform, and the bytes of the chart file (false for an unknown format).
using MakeApplication = QCoreApplication* (*)(int& argc, char** argv);
using RenderPlot = bool (*)(const PlotRequest& request, QByteArray& bytes);

inline constexpr const char* kMakeApplication = "roccalc_plot_application";
inline constexpr const char* kRenderPlot = "roccalc_plot_render";

struct PlotModule {
    MakeApplication makeApplication = nullptr;
    RenderPlot render = nullptr;
};

// Loads the module from beside the program (the build tree) or from the
// installed library folder; no entry points (and `error` says why) when it
// cannot be loaded.
PlotModule loadPlotModule(std::string& error);

// Whether a file name ends in a format the module writes.
bool isPlotFileName(const std::string& path);

}  // namespace roccalc::cli
