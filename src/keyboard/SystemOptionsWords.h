#pragma once
// The keyboard's system options in the profile's three-word form ("SystemStages"), and how
// their steps are shown on the page.

#include "keyboard/SystemOptions.h"
#include "profiles/SystemStagesSection.h"

namespace ilmo::keyboard {

SystemOptions from_words(const profiles::SystemWords& words);
profiles::SystemWords to_words(const SystemOptions& options);

// The repeat delay and polling rate options offer steps 0-3; any other stored value shows,
// and is sent, as step 0.
int shown_step(int step);
// The repeat delay the page states for a stored step: 250 ms per step, from 250.
int repeat_delay_ms(int step);

}  // namespace ilmo::keyboard
