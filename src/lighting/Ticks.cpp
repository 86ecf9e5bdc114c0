#include "lighting/Ticks.h"

#include <array>
#include <cstddef>

#include "lighting/EffectConstants.h"

namespace ilmo::lighting {

namespace {

constexpr std::array<int, kLevelCount> kCommonPace{8, 5, 3, 2, 1};
constexpr std::array<int, kLevelCount> kSlowPace{16, 11, 6, 3, 2};
constexpr std::array<int, kLevelCount> kPadPace{8, 6, 4, 2, 1};
constexpr int kFixedPaceTicks = 3;  // the modes without a speed setting
constexpr int kAudioPaceTicks = 2;  // the music mode follows the sound closely

int at(const std::array<int, kLevelCount>& pace, int speed_level) {
    return pace[static_cast<size_t>(clamp_level(speed_level))];
}

}  // namespace

int ticks_per_step(int mode, int speed_level) {
    if (mode == 10) return at(kSlowPace, speed_level);
    if (mode >= 16 && mode <= 19) return kFixedPaceTicks;
    if (mode == 21) return kAudioPaceTicks;
    if ((mode >= 1 && mode <= 28) || mode == 30) return common_ticks_per_step(speed_level);
    return 0;
}

int common_ticks_per_step(int speed_level) {
    return at(kCommonPace, speed_level);
}

int pad_ticks_per_step(int speed_level) {
    return at(kPadPace, speed_level);
}

int mouse_ticks_per_step(int speed_level) {
    return pad_ticks_per_step(speed_level);
}

bool StepCadence::due(int64_t now_ms, int threshold_ticks) {
    const int64_t tick = tick_of(now_ms);
    if (started_ && tick - last_step_tick_ < threshold_ticks) return false;
    started_ = true;
    last_step_tick_ = tick;
    return true;
}

void StepCadence::step_early(int64_t now_ms, int threshold_ticks) {
    const int64_t tick = tick_of(now_ms);
    if (due(now_ms, threshold_ticks)) return;  // the pace's own step was due anyway
    if (last_step_tick_ <= tick) last_step_tick_ += threshold_ticks;
}

int64_t StepCadence::next_due_ms(int64_t now_ms, int threshold_ticks) const {
    if (!started_) return now_ms;
    return tick_start_ms(last_step_tick_ + threshold_ticks);
}

}  // namespace ilmo::lighting
