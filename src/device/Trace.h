#pragma once
// Diagnostics are plain trace lines (command and response dumps, thread exits, ...). Code
// that traces takes a sink so tests and tools can capture what it says.

#include <functional>
#include <string_view>

namespace ilmo::device {

using TraceSink = std::function<void(std::string_view)>;

// Writes each line to stderr when the environment sets ILMO_TRACE=1; otherwise a null sink,
// which tells tracing code to skip formatting altogether.
TraceSink environment_trace_sink();

}  // namespace ilmo::device
