#pragma once
// Effect speeds count ticks of a 16 ms clock: the granularity of the millisecond counter the
// effects were timed with, so a speed level means the same pace here. A threshold of n ticks
// means a step every n × 16 ms.

#include <cstdint>

namespace ilmo::lighting {

inline constexpr int kTickMs = 16;

// Which tick of the clock a time falls in.
constexpr int64_t tick_of(int64_t now_ms) {
    return now_ms >= 0 ? now_ms / kTickMs : (now_ms - kTickMs + 1) / kTickMs;
}
constexpr int64_t tick_start_ms(int64_t tick) {
    return tick * kTickMs;
}

// Ticks between two steps of keyboard mode `mode` at `speed_level` (clamped into 0-4); 0 for
// a mode without a preview step of its own.
int ticks_per_step(int mode, int speed_level);
// The pace of most effects: 8, 5, 3, 2 or 1 ticks per step at speed levels 0-4.
int common_ticks_per_step(int speed_level);
// The pad steps every preview mode at the same pace.
int pad_ticks_per_step(int speed_level);
// The mouse paces its preview as the pad does; its group flash takes twice these.
int mouse_ticks_per_step(int speed_level);

// Counts ticks towards the next step of one effect. A fresh or restarted cadence is due at
// once, so a new effect shows without waiting a whole step.
class StepCadence {
public:
    void restart() { started_ = false; }
    // True (and the count starts over) when `threshold_ticks` ticks have passed since the
    // last step. A thread that woke late runs one step, not the ones it missed.
    bool due(int64_t now_ms, int threshold_ticks);
    // A step run before its time (something new to show) stands for the next step of the
    // pace, so the pace's count of steps holds; while that step is still ahead, further early
    // steps claim no more.
    void step_early(int64_t now_ms, int threshold_ticks);
    // When the next step falls due; `now_ms` for a fresh cadence.
    int64_t next_due_ms(int64_t now_ms, int threshold_ticks) const;

private:
    bool started_ = false;
    int64_t last_step_tick_ = 0;
};

}  // namespace ilmo::lighting
