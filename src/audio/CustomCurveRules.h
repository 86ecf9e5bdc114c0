#pragma once
// The rules of the user's custom equaliser curves: how many there may be, which names are
// taken, and which curve is selected after one was deleted.

#include <string>
#include <vector>

namespace ilmo::audio {

inline constexpr int kMaxCustomCurves = 20;

enum class CurveNameCheck { Accepted, ListFull, NameTaken };

// A new curve named `name` (not empty) may join `names` unless the list is full or a name
// equal to it ignoring case is there.
CurveNameCheck check_new_curve(const std::vector<std::string>& names, const std::string& name);

// The curve to select after the one at `deleted` was removed from a list that now holds
// `remaining` curves: the one that took its place, else the last; -1 when none is left.
int selection_after_delete(int deleted, int remaining);

// The curve "custom" applies with `selected` among `count` curves: the selected one when it
// exists, else the last; -1 when there is none.
int curve_to_apply(int selected, int count);

}  // namespace ilmo::audio
