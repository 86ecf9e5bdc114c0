#pragma once
// Gathers captured 16-bit samples into blocks of 1024 values for the frequency analysis. Packets are
// often shorter than a block (480 stereo frames are 960 values): they are collected, and what
// is left over after a full block starts the next one. Only the bytes given are read.

#include <array>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <span>

namespace ilmo::capture {

inline constexpr size_t kBlockValues = 1024;
using SampleBlock = std::array<int16_t, kBlockValues>;

class BlockCollector {
public:
    using BlockSink = std::function<void(const SampleBlock&)>;

    // Little-endian 16-bit samples, channels interleaved. An odd last byte waits for its pair
    // in the next packet. `on_block` is called once for each block completed.
    void add(std::span<const uint8_t> bytes, const BlockSink& on_block);
    // Forgets a part-filled block (a new stream does not continue the old one).
    void clear();
    size_t values_waiting() const { return filled_; }

private:
    void add_value(int16_t value, const BlockSink& on_block);

    SampleBlock block_{};
    size_t filled_ = 0;
    std::optional<uint8_t> odd_byte_;
};

}  // namespace ilmo::capture
