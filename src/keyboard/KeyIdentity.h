#pragma once
// The keyboard page numbers its keys 0-125 ("key_0" ...). Each page key is known by the code
// a keyboard produces at that key's position in its factory (default) key table, so the key
// is found on any board by searching that table. Lights are numbered like the keys, up to
// 169; the indexes past the page's keys exist on no board.

#include "keyboard/AssignmentCode.h"

namespace ilmo::keyboard {

inline constexpr int kPageKeys = 126;
inline constexpr int kMappedKeys = 170;

// The factory code of page key `key_index`; kNoKey (20 00 00) for the gaps of the layout,
// for 126-169 and for any index outside 0-169.
AssignmentCode key_identity(int key_index);

}  // namespace ilmo::keyboard
