#include "core/platform/Files.h"

namespace vitrex {

std::string Files::ExecutableDirectory() {
    std::string path = ExecutablePath();
    const std::size_t separator = path.find_last_of("\\/");
    path.resize(separator == std::string::npos ? 0 : separator + 1);
    return path;
}

}  // namespace vitrex
