#include "keyboard/SystemOptionsWords.h"

namespace ilmo::keyboard {

using profiles::high_half;
using profiles::join_halves;
using profiles::low_half;

SystemOptions from_words(const profiles::SystemWords& words) {
    return {.repeat = low_half(words[0]),
            .repeat_delay = high_half(words[0]),
            .six_key = low_half(words[1]),
            .polling_rate = high_half(words[1]),
            .w_key = low_half(words[2]),
            .win_lock = high_half(words[2])};
}

profiles::SystemWords to_words(const SystemOptions& options) {
    return {join_halves(options.repeat, options.repeat_delay),
            join_halves(options.six_key, options.polling_rate),
            join_halves(options.w_key, options.win_lock)};
}

int shown_step(int step) {
    return step >= 0 && step <= 3 ? step : 0;
}

int repeat_delay_ms(int step) {
    return 250 + 250 * shown_step(step);
}

}  // namespace ilmo::keyboard
