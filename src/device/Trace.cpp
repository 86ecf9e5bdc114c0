#include "device/Trace.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace ilmo::device {

TraceSink environment_trace_sink() {
    const char* flag = std::getenv("ILMO_TRACE");
    if (flag == nullptr || std::strcmp(flag, "1") != 0) return {};
    return [](std::string_view line) {
        std::fprintf(stderr, "%.*s\n", static_cast<int>(line.size()), line.data());
    };
}

}  // namespace ilmo::device
