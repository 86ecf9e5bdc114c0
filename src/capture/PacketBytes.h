#pragma once
// A captured packet as the listener receives it. The server may report a hole (data lost or
// never written) as a length without data: that stretch is silence and is handed on as
// zeros, so the samples after it keep their place in time.

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

namespace ilmo::capture {

std::vector<uint8_t> packet_bytes(const void* data, size_t length_bytes);

// A packet with no sound in it: no bytes, or only zeros (what an idle output's loopback
// carries). These are the packets that count towards the device check.
bool is_empty_packet(std::span<const uint8_t> bytes);

}  // namespace ilmo::capture
