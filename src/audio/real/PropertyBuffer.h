#pragma once
// Reading and writing the host's property buffers. Each is CONF_LIB_BUFFER_BYTES long;
// numbers are a 32-bit integer at the start, levels a 32-bit float, text is 8-bit and
// zero-terminated within the buffer. Nothing here reads or writes past that length.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace ilmo::audio {

std::optional<int32_t> read_int(const void* buffer);
bool write_int(void* buffer, int32_t value);
// Only finite values are accepted.
std::optional<float> read_float(const void* buffer);
bool write_float(void* buffer, float value);
// Fails (and writes nothing) when the text and its terminator do not fit.
bool write_text(void* buffer, std::string_view text);
// The channel in a second buffer: -1 all channels, 0 the first, 1 the second. No buffer: all.
int read_channel(const void* second);
// A number as the host shows ranges: two decimals, a point whatever the locale.
std::string format_level(double value);

}  // namespace ilmo::audio
