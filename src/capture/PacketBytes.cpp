#include "capture/PacketBytes.h"

#include <algorithm>

namespace ilmo::capture {

std::vector<uint8_t> packet_bytes(const void* data, size_t length_bytes) {
    if (!data) return std::vector<uint8_t>(length_bytes, 0);
    const auto* bytes = static_cast<const uint8_t*>(data);
    return std::vector<uint8_t>(bytes, bytes + length_bytes);
}

bool is_empty_packet(std::span<const uint8_t> bytes) {
    return std::all_of(bytes.begin(), bytes.end(), [](uint8_t byte) { return byte == 0; });
}

}  // namespace ilmo::capture
