#include "audio/CustomCurveRules.h"

#include <algorithm>

#include "profiles/ProfileNamesFold.h"

namespace ilmo::audio {

CurveNameCheck check_new_curve(const std::vector<std::string>& names, const std::string& name) {
    if (names.size() >= static_cast<size_t>(kMaxCustomCurves)) return CurveNameCheck::ListFull;
    const bool taken = std::any_of(names.begin(), names.end(), [&](const std::string& existing) {
        return profiles::same_name(existing, name);
    });
    return taken ? CurveNameCheck::NameTaken : CurveNameCheck::Accepted;
}

int selection_after_delete(int deleted, int remaining) {
    if (remaining <= 0) return -1;
    return std::clamp(deleted, 0, remaining - 1);
}

int curve_to_apply(int selected, int count) {
    if (count <= 0) return -1;
    return selected >= 0 && selected < count ? selected : count - 1;
}

}  // namespace ilmo::audio
