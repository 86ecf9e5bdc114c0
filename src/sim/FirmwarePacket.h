#pragma once
// The firmware's view of a command packet: a 64-byte report with the report id in byte 0,
// a 16-bit checksum of bytes 3-63 in bytes 1-2 (little-endian), the command in byte 3, the
// payload length in byte 4, a 16-bit address in bytes 5-6, a status in byte 7 and up to
// 56 payload bytes from byte 8. Pure functions only.

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>

namespace ilmo::sim {

inline constexpr size_t kPacketBytes = 64;
using Packet = std::array<uint8_t, kPacketBytes>;

namespace packet_byte {
inline constexpr size_t kReportId = 0;
inline constexpr size_t kChecksumLow = 1;
inline constexpr size_t kChecksumHigh = 2;
inline constexpr size_t kCommand = 3;
inline constexpr size_t kLength = 4;
inline constexpr size_t kAddressLow = 5;
inline constexpr size_t kAddressHigh = 6;
inline constexpr size_t kStatus = 7;
inline constexpr size_t kPayload = 8;
}  // namespace packet_byte

inline constexpr size_t kMaxPayloadBytes = kPacketBytes - packet_byte::kPayload;

namespace command {
inline constexpr uint8_t kBegin = 0x01;
inline constexpr uint8_t kEnd = 0x02;
inline constexpr uint8_t kReadInformation = 0x03;
inline constexpr uint8_t kReadMemory = 0x05;
inline constexpr uint8_t kWriteMemory = 0x06;
inline constexpr uint8_t kReadTable = 0x07;
inline constexpr uint8_t kWriteTable = 0x09;
inline constexpr uint8_t kReadRecord = 0x0A;
inline constexpr uint8_t kWriteRecord = 0x0B;
inline constexpr uint8_t kLightFrame = 0x12;
inline constexpr uint8_t kWriteMacros = 0x15;
inline constexpr uint8_t kWriteShoot = 0x17;
inline constexpr uint8_t kReadShort = 0x1A;
inline constexpr uint8_t kReadLedTable = 0x1B;
inline constexpr uint8_t kLightStatusOn = 0x1C;
inline constexpr uint8_t kWriteSecondTable = 0x27;
inline constexpr uint8_t kLinkQuery = 0xAA;
}  // namespace command

inline constexpr uint8_t kStatusOk = 0x00;
// Unknown command, address or length; a configuration write outside a transfer; a packet
// the route cannot carry.
inline constexpr uint8_t kStatusRefused = 0xFF;
inline constexpr uint8_t kStatusBadChecksum = 0xFE;
// Byte 8 of a link query answer.
inline constexpr uint8_t kLinkUp = 0xFF;
inline constexpr uint8_t kLinkDown = 0x00;

uint16_t packet_checksum(std::span<const uint8_t, kPacketBytes> packet);
bool checksum_matches(std::span<const uint8_t, kPacketBytes> packet);
// Writes the checksum of bytes 3-63 into bytes 1-2.
void seal_packet(Packet& packet);
uint16_t packet_address(std::span<const uint8_t, kPacketBytes> packet);
// An answer frame for `request`: report id, echoed command, length and address, status 0,
// no data, checksum not yet set.
Packet answer_frame(const Packet& request);
// What a receiver sends for every request while its device is out of reach: command 0xAA
// in place of the echo, the request's length and address, link byte down, sealed.
Packet device_away_answer(const Packet& request);
// A sealed answer with only the echo and `status`, for requests refused before they reach
// any memory.
Packet refusal(const Packet& request, uint8_t status);

}  // namespace ilmo::sim
