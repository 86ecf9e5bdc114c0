// The frequency levels from captured samples: the transform against a plain DFT, where a tone
// lands, clipping, silence, and how packets of any length become blocks.

#include <gtest/gtest.h>

#include <cmath>
#include <complex>
#include <numbers>
#include <random>
#include <vector>

#include "capture/BlockCollector.h"
#include "capture/CAudioManager.h"
#include "capture/Fft.h"
#include "capture/FrequencyAnalyser.h"
#include "capture/FrequencyLevels.h"
#include "capture/NoticeQueue.h"
#include "capture/PacketBytes.h"

namespace ilmo::capture::testing {
namespace {

// A tone with exactly `cycles` periods in one block, so its energy lands in bin `cycles`.
std::vector<int16_t> tone(double cycles, double amplitude, size_t count = kBlockValues) {
    std::vector<int16_t> values(count);
    for (size_t i = 0; i < count; ++i) {
        values[i] = static_cast<int16_t>(
            std::lround(amplitude * std::sin(2 * std::numbers::pi * cycles * i / kBlockValues)));
    }
    return values;
}

SampleBlock block_of(const std::vector<int16_t>& values) {
    SampleBlock block{};
    std::copy_n(values.begin(), kBlockValues, block.begin());
    return block;
}

std::vector<uint8_t> le_bytes(const std::vector<int16_t>& values) {
    std::vector<uint8_t> bytes;
    for (const int16_t value : values) {
        bytes.push_back(static_cast<uint8_t>(value));
        bytes.push_back(static_cast<uint8_t>(static_cast<uint16_t>(value) >> 8));
    }
    return bytes;
}

// Equal but for the rounding of the last unit, where the transforms' rounding differs.
template <class Levels>
void expect_same_levels(const Levels& levels, const FrequencyLevels& defined) {
    ASSERT_EQ(levels.size(), defined.size());
    for (size_t bin = 0; bin < defined.size(); ++bin) {
        EXPECT_LE(std::abs(levels[bin] - defined[bin]), 1) << "bin " << bin;
    }
}

TEST(Analysis, TransformEqualsTheDftItDefines) {
    std::mt19937 random(7);
    std::uniform_real_distribution<double> value(-30000, 30000);
    std::vector<std::complex<double>> input(kBlockValues);
    for (auto& x : input) x = {value(random), value(random)};
    auto output = input;
    fft_in_place(output);
    // Rotation in the positive sense, with the same 2π the transform's recurrence starts from.
    for (const size_t bin : {0u, 1u, 2u, 3u, 100u, 511u, 512u, 777u, 1023u}) {
        std::complex<double> expected;
        for (size_t n = 0; n < kBlockValues; ++n) {
            expected +=
                input[n] * std::polar(1.0, 6.2831852 * static_cast<double>(n * bin % kBlockValues) /
                                               kBlockValues);
        }
        EXPECT_LT(std::abs(output[bin] - expected), 1e-6 * std::abs(expected) + 1e-3) << bin;
    }
}

TEST(Analysis, ToneLevelsPeakInItsBinAndFullScaleClips) {
    const FrequencyLevels quiet = frequency_levels(block_of(tone(37, 300)));
    EXPECT_EQ(peak_bin(quiet), 37);
    // |X| of a sine is amplitude × 1024 / 2, and the level is |X| / 32.
    EXPECT_NEAR(quiet[37], 300 * 16, 16);
    EXPECT_EQ(quiet[0], 0);
    EXPECT_LT(quiet[36] + quiet[38], 50);

    const FrequencyLevels loud = frequency_levels(block_of(tone(100, 32767)));
    EXPECT_EQ(loud[100], kLevelLimit);
    EXPECT_EQ(*std::max_element(loud.begin(), loud.end()), kLevelLimit);
    EXPECT_GE(*std::min_element(loud.begin(), loud.end()), 0);
}

TEST(Analysis, TheFasterAnalyserGivesTheDefinedLevels) {
    FrequencyAnalyser analyser;
    std::mt19937 random(11);
    std::uniform_int_distribution<int> sample(-32768, 32767);
    SampleBlock noise{};
    for (auto& value : noise) value = static_cast<int16_t>(sample(random));
    for (const SampleBlock& block : {block_of(tone(37, 300)), block_of(tone(3.3, 32767)), noise}) {
        expect_same_levels(analyser.levels(block), frequency_levels(block));
    }
}

TEST(Analysis, PacketsOfAnyLengthFillBlocksInOrder) {
    const std::vector<int16_t> values = tone(5.5, 20000, 3000);
    const std::vector<uint8_t> bytes = le_bytes(values);
    BlockCollector collector;
    std::vector<SampleBlock> blocks;
    const auto keep = [&](const SampleBlock& block) { blocks.push_back(block); };
    // 960 values (480 stereo frames), then a packet that splits a sample, then the rest; each
    // in a buffer of its own exact size, so a read past its end is a sanitizer report.
    const std::vector<std::pair<size_t, size_t>> packets = {{0, 1920}, {1920, 1921}, {1921, 6000}};
    for (const auto& [from, to] : packets) {
        const std::vector<uint8_t> packet(bytes.begin() + from, bytes.begin() + to);
        collector.add(packet, keep);
        if (to == 1920) {
            EXPECT_TRUE(blocks.empty());
        }
    }
    ASSERT_EQ(blocks.size(), 2u);
    EXPECT_EQ(blocks[0], block_of(values));
    EXPECT_EQ(blocks[1], block_of({values.begin() + 1024, values.end()}));
    EXPECT_EQ(collector.values_waiting(), 3000u - 2048u);
}

TEST(Analysis, ManagerSendsOneLevelsNoticePerSoundingPacketAndNothingForSilence) {
    NoticeQueue window;
    CAudioManager manager;
    manager.set_window(&window);
    manager.data(std::vector<uint8_t>(4 * kBlockValues, 0));
    manager.data(packet_bytes(nullptr, 2 * kBlockValues));
    EXPECT_TRUE(window.taken().empty());

    const std::vector<int16_t> values = tone(37, 300);
    manager.data(le_bytes(values));
    const auto notices = window.taken();
    ASSERT_EQ(notices.size(), 1u);
    EXPECT_EQ(notices[0].number, kLevelsNotice);
    EXPECT_EQ(notices[0].byte_count, kLevelsBytes);
    ASSERT_EQ(notices[0].bytes.size(), kLevelsBytes);
    expect_same_levels(notice_levels(notices[0]), frequency_levels(block_of(values)));

    // 10 ms of a 192 kHz 7.1 output holds 15 blocks: still one analysis for the packet.
    manager.data(le_bytes(tone(37, 300, 15 * kBlockValues)));
    EXPECT_EQ(window.taken().size(), 2u);
}

TEST(Analysis, ANewStreamStartsItsOwnBlock) {
    NoticeQueue window;
    CAudioManager manager;
    manager.set_window(&window);
    const CaptureFormat stereo = *sixteen_bit_format(48000, 2);
    manager.format(stereo);
    manager.started(10);
    // Part of a block and half a sample are left when the stream ends.
    std::vector<uint8_t> left_over = le_bytes(tone(100, 32767, 600));
    left_over.push_back(0x7f);
    manager.data(left_over);
    manager.stopped();

    manager.format(stereo);
    manager.started(10);
    const std::vector<int16_t> values = tone(37, 300);
    manager.data(le_bytes(values));
    const auto notices = window.taken();
    ASSERT_EQ(notices.size(), 1u);
    expect_same_levels(notice_levels(notices[0]), frequency_levels(block_of(values)));
}

TEST(Analysis, AHoleIsSilenceThatKeepsItsPlace) {
    EXPECT_EQ(packet_bytes(nullptr, 6), std::vector<uint8_t>(6, 0));
    const uint8_t data[] = {1, 2, 3};
    EXPECT_EQ(packet_bytes(data, 3), std::vector<uint8_t>({1, 2, 3}));
    EXPECT_TRUE(is_empty_packet(packet_bytes(nullptr, 6)));
    EXPECT_FALSE(is_empty_packet(data));

    // Sound, then a hole: the hole's silence completes the block instead of being skipped.
    NoticeQueue window;
    CAudioManager manager;
    manager.set_window(&window);
    manager.data(le_bytes(tone(37, 300, 600)));
    manager.data(packet_bytes(nullptr, 2 * (kBlockValues - 600)));
    EXPECT_EQ(window.taken().size(), 1u);
}

}  // namespace
}  // namespace ilmo::capture::testing
