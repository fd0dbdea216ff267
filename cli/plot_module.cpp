#include "cli/plot_module.h"

#include <dlfcn.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <cctype>

namespace roccalc::cli {
namespace {

// The folder of the running program.
std::string programFolder() {
    std::array<char, 4096> path{};
    const ssize_t length = ::readlink("/proc/self/exe", path.data(), path.size() - 1);
    if (length <= 0) {
        return ".";
    }
    std::string folder(path.data(), static_cast<std::size_t>(length));
    return folder.substr(0, folder.rfind('/'));
}

bool endsWith(std::string text, const char* ending) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return text.ends_with(ending);
}

}  // namespace

bool isPlotFileName(const std::string& path) {
    return endsWith(path, ".svg") || endsWith(path, ".png");
}

PlotModule loadPlotModule(std::string& error) {
    const std::string folder = programFolder();
    // Beside the program in the build tree; in the library folder installed.
    for (const std::string& candidate :
         {folder + "/" ROCCALC_PLOT_MODULE, folder + "/../" ROCCALC_PLOT_MODULE_INSTALLED}) {
        void* handle = ::dlopen(candidate.c_str(), RTLD_NOW | RTLD_LOCAL);
        if (handle == nullptr) {
            error = ::dlerror();
            continue;
        }
        PlotModule module;
        module.makeApplication =
            reinterpret_cast<MakeApplication>(::dlsym(handle, kMakeApplication));
        module.render = reinterpret_cast<RenderPlot>(::dlsym(handle, kRenderPlot));
        if (module.makeApplication != nullptr && module.render != nullptr) {
            return module;
        }
        error = candidate + ": not the chart module";
    }
    return {};
}

}  // namespace roccalc::cli
