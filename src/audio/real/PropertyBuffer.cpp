#include "audio/real/PropertyBuffer.h"

#include <charconv>
#include <cmath>
#include <cstring>

#include "audio/ConfLibApi.h"

namespace ilmo::audio {

std::optional<int32_t> read_int(const void* buffer) {
    if (buffer == nullptr) return {};
    int32_t value = 0;
    std::memcpy(&value, buffer, sizeof value);
    return value;
}

bool write_int(void* buffer, int32_t value) {
    if (buffer == nullptr) return false;
    std::memcpy(buffer, &value, sizeof value);
    return true;
}

std::optional<float> read_float(const void* buffer) {
    if (buffer == nullptr) return {};
    float value = 0;
    std::memcpy(&value, buffer, sizeof value);
    if (!std::isfinite(value)) return {};
    return value;
}

bool write_float(void* buffer, float value) {
    if (buffer == nullptr) return false;
    std::memcpy(buffer, &value, sizeof value);
    return true;
}

bool write_text(void* buffer, std::string_view text) {
    if (buffer == nullptr || text.size() >= CONF_LIB_BUFFER_BYTES) return false;
    auto* bytes = static_cast<char*>(buffer);
    std::memcpy(bytes, text.data(), text.size());
    bytes[text.size()] = '\0';
    return true;
}

int read_channel(const void* second) {
    return read_int(second).value_or(-1);
}

std::string format_level(double value) {
    char text[32];
    const auto [end, error] =
        std::to_chars(text, text + sizeof text, value, std::chars_format::fixed, 2);
    if (error != std::errc()) return "0.00";
    std::string result(text, end);
    return result == "-0.00" ? "0.00" : result;
}

}  // namespace ilmo::audio
