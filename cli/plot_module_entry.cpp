// The chart module's entry points (see cli/plot_module.h).
#include <QGuiApplication>

#include "chart/chart_export.h"
#include "cli/plot_module.h"

using roccalc::cli::PlotRequest;

extern "C" QCoreApplication* roccalc_plot_application(int& argc, char** argv) {
    // A chart needs no display: it draws offscreen.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    return new QGuiApplication(argc, argv);
}

extern "C" bool roccalc_plot_render(const PlotRequest& request, QByteArray& bytes) {
    const roccalc::chart::ChartData data =
        roccalc::chart::buildChart(*request.state, *request.form, request.separator);
    const std::optional<QByteArray> file = roccalc::chart::renderChartFile(
        data, QString::fromStdString(request.path), QSize(request.width, request.height));
    if (!file) {
        return false;
    }
    bytes = *file;
    return true;
}
