#pragma once
// One pass over every HID interface the backend sees: its identity, its usage, and the slot
// it claims or why it claims none. What a listing shows and a first scan does.

#include <string>
#include <vector>

#include "device/HidBackend.h"
#include "device/SlotTable.h"

namespace ilmo::device {

struct SurveyRow {
    std::string path;
    PathIdentity from_path;
    OpenedIdentity opened;
    bool opened_ok = false;
    uint16_t release_number = 0;
    SlotMatch match;     // slot -1 when none was claimed
    std::string reason;  // why no slot was claimed
};

struct Survey {
    bool listed = false;  // false when the list of interfaces could not be read at all
    std::vector<SurveyRow> rows;
};

// Probes every path (identity only, no access needed) and claims slots in `slots` as the
// device scan would. Paths no supported row could take are still listed, with the reason,
// and so are interfaces the backend could not offer at all.
Survey survey_interfaces(HidBackend& backend, SlotTable& slots);

}  // namespace ilmo::device
