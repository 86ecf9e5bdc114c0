#pragma once
// The 64-byte command report: framing, checksum and the trace dump. Pure functions.

#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace ilmo::device {

constexpr size_t kPacketBytes = 64;
constexpr size_t kPacketPayloadMax = 56;  // bytes 8..63
constexpr uint8_t kCommandReportId = 0x04;

using Packet = std::array<uint8_t, kPacketBytes>;

// Command codes (byte 3).
enum class Command : uint8_t {
    BeginTransfer = 0x01,
    EndTransfer = 0x02,
    ReadInformation = 0x03,
    ReadMemory = 0x05,
    WriteMemory = 0x06,
    ReadTable = 0x07,
    WriteTable = 0x09,
    ReadRecord = 0x0A,
    WriteRecord = 0x0B,
    WriteLightFrame = 0x12,
    WriteStream = 0x15,
    WriteStream56 = 0x17,
    ReadShort = 0x1A,
    ReadKeyBytes = 0x1B,
    LightStatusOn = 0x1C,
    WriteSecondTable = 0x27,
    LinkQuery = 0xAA,
};

// Byte offsets inside a packet.
namespace packet_offset {
constexpr size_t kReportId = 0;
constexpr size_t kChecksumLow = 1;
constexpr size_t kChecksumHigh = 2;
constexpr size_t kCommand = 3;
constexpr size_t kLength = 4;
constexpr size_t kAddressLow = 5;
constexpr size_t kAddressHigh = 6;
constexpr size_t kStatus = 7;
constexpr size_t kPayload = 8;
}  // namespace packet_offset

// The device answers a failed command with one of these statuses; anything else is success.
constexpr uint8_t kStatusError = 0xFF;
constexpr uint8_t kStatusRefused = 0xFE;
// A receiver answers for its absent device with this code in byte 3; the link query
// answers 0xFF in byte 8 when the device is reachable.
constexpr uint8_t kReceiverAloneEcho = 0xAA;
constexpr uint8_t kLinkedMarker = 0xFF;

// 16-bit sum of bytes 3..63.
uint16_t packet_checksum(std::span<const uint8_t, kPacketBytes> packet);
void seal_checksum(Packet& packet);

// Copies a request into a packet, zero-padded or cut at 64 bytes; the checksum is not touched.
Packet pad_request(std::span<const uint8_t> request);

// A sealed request: report id, command, length, address, payload (at most 56 bytes used).
Packet make_request(Command command, uint8_t length, uint16_t address,
                    std::span<const uint8_t> payload = {});

// Whether `response` echoes the command, length and address of `request`. One that does
// not answers some other request (a late answer to one that timed out) and must not be
// taken for this one's.
bool echoes_request(std::span<const uint8_t, kPacketBytes> request,
                    std::span<const uint8_t, kPacketBytes> response);

// The dump written for every command and response: a title line, then two lines of 32 bytes,
// "%02x" each, in groups of four separated by blanks.
std::string format_packet_trace(std::string_view title, std::span<const uint8_t, kPacketBytes> packet);

}  // namespace ilmo::device
