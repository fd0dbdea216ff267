#include "cli/input.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "cli/diagnostics.h"

namespace roccalc::cli {

std::string inputName(const std::string& path) {
    return path == "-" ? std::string("<stdin>") : path;
}

int openInput(const std::string& path) {
    if (path == "-") {
        return STDIN_FILENO;
    }
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        printDiagnostic(quoted(path) + ": " + std::strerror(errno));
    }
    return fd;
}

void closeInput(int fd) {
    if (fd != STDIN_FILENO) {
        ::close(fd);
    }
}

}  // namespace roccalc::cli
