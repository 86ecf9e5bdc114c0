#include "keyboard/CodeTables.h"

#include <algorithm>
#include <array>
#include <iterator>

namespace ilmo::keyboard {

namespace {

// Windows virtual-key codes. Letters and digits are their ASCII capitals.
namespace vk {
constexpr uint8_t kNone = 0x00, kBack = 0x08, kTab = 0x09, kReturn = 0x0D, kPause = 0x13,
                  kCapital = 0x14, kKana = 0x15, kHanja = 0x19, kEscape = 0x1B, kConvert = 0x1C,
                  kNonConvert = 0x1D, kSpace = 0x20, kPrior = 0x21, kNext = 0x22, kEnd = 0x23,
                  kHome = 0x24, kLeft = 0x25, kUp = 0x26, kRight = 0x27, kDown = 0x28,
                  kSnapshot = 0x2C, kInsert = 0x2D, kDelete = 0x2E, kLeftWin = 0x5B,
                  kRightWin = 0x5C, kApps = 0x5D, kSleep = 0x5F, kNumpad0 = 0x60, kMultiply = 0x6A,
                  kAdd = 0x6B, kSeparator = 0x6C, kSubtract = 0x6D, kDecimal = 0x6E, kDivide = 0x6F,
                  kF1 = 0x70, kNumLock = 0x90, kScroll = 0x91, kLeftShift = 0xA0,
                  kRightShift = 0xA1, kLeftControl = 0xA2, kRightControl = 0xA3, kLeftMenu = 0xA4,
                  kRightMenu = 0xA5, kBrowserBack = 0xA6, kBrowserForward = 0xA7,
                  kBrowserRefresh = 0xA8, kBrowserStop = 0xA9, kBrowserSearch = 0xAA,
                  kBrowserFavorites = 0xAB, kBrowserHome = 0xAC, kVolumeMute = 0xAD,
                  kVolumeDown = 0xAE, kVolumeUp = 0xAF, kMediaNextTrack = 0xB0,
                  kMediaPrevTrack = 0xB1, kMediaStop = 0xB2, kMediaPlayPause = 0xB3,
                  kLaunchMail = 0xB4, kLaunchMediaSelect = 0xB5, kLaunchApp1 = 0xB6,
                  kLaunchApp2 = 0xB7, kOem1 = 0xBA, kOemPlus = 0xBB, kOemComma = 0xBC,
                  kOemMinus = 0xBD, kOemPeriod = 0xBE, kOem2 = 0xBF, kOem3 = 0xC0, kAbntC1 = 0xC1,
                  kOem4 = 0xDB, kOem5 = 0xDC, kOem6 = 0xDD, kOem7 = 0xDE, kOem102 = 0xE2;
constexpr uint8_t function_key(int n) {
    return static_cast<uint8_t>(kF1 + n - 1);
}
constexpr uint8_t numpad(int n) {
    return static_cast<uint8_t>(kNumpad0 + n);
}
}  // namespace vk

struct Row {
    AssignmentCode code;
    std::string_view display_key;
};

struct KeyRow {
    AssignmentCode code;
    std::string_view display_key;
    uint8_t virtual_key;
};

constexpr AssignmentCode system_code(uint8_t bits) {
    return {code_type::kSystem, bits, 0};
}
constexpr AssignmentCode office_code(uint8_t shortcut) {
    return {code_type::kOfficeShortcut, 0, shortcut};
}
constexpr AssignmentCode mouse_code(uint8_t type, uint8_t first, uint8_t second = 0) {
    return {type, first, second};
}
constexpr AssignmentCode with_right_ctrl(uint8_t usage) {
    return keyboard_key(usage, 0x10);
}

template <size_t N>
constexpr std::array<CodeEntry, N> numbered(const Row (&rows)[N]) {
    std::array<CodeEntry, N> entries{};
    for (size_t i = 0; i < N; ++i)
        entries[i] = {static_cast<uint16_t>(i), rows[i].code, rows[i].display_key};
    return entries;
}

template <size_t N>
constexpr std::array<KeyboardKeyEntry, N> numbered(const KeyRow (&rows)[N]) {
    std::array<KeyboardKeyEntry, N> entries{};
    for (size_t i = 0; i < N; ++i)
        entries[i] = {{static_cast<uint16_t>(i), rows[i].code, rows[i].display_key},
                      rows[i].virtual_key};
    return entries;
}

// The keys of the Japanese and Korean layouts take their own layouts' codes; the Brazilian
// code for the Ro key and the separator for the keypad comma, which no other key uses.
constexpr KeyRow kKeyboardKeyRows[] = {
    {modifier_key(0x01), "keyboard_key_LCtrl", vk::kLeftControl},
    {modifier_key(0x02), "keyboard_key_LShift", vk::kLeftShift},
    {modifier_key(0x04), "keyboard_key_LAlt", vk::kLeftMenu},
    {modifier_key(0x08), "keyboard_key_LWin", vk::kLeftWin},
    {modifier_key(0x10), "keyboard_key_RCtrl", vk::kRightControl},
    {modifier_key(0x20), "keyboard_key_RShift", vk::kRightShift},
    {modifier_key(0x40), "keyboard_key_RAlt", vk::kRightMenu},
    {modifier_key(0x80), "keyboard_key_RWin", vk::kRightWin},
    {keyboard_key(0x04), "keyboard_key_A", 'A'},
    {keyboard_key(0x05), "keyboard_key_B", 'B'},
    {keyboard_key(0x06), "keyboard_key_C", 'C'},
    {keyboard_key(0x07), "keyboard_key_D", 'D'},
    {keyboard_key(0x08), "keyboard_key_E", 'E'},
    {keyboard_key(0x09), "keyboard_key_F", 'F'},
    {keyboard_key(0x0A), "keyboard_key_G", 'G'},
    {keyboard_key(0x0B), "keyboard_key_H", 'H'},
    {keyboard_key(0x0C), "keyboard_key_I", 'I'},
    {keyboard_key(0x0D), "keyboard_key_J", 'J'},
    {keyboard_key(0x0E), "keyboard_key_K", 'K'},
    {keyboard_key(0x0F), "keyboard_key_L", 'L'},
    {keyboard_key(0x10), "keyboard_key_M", 'M'},
    {keyboard_key(0x11), "keyboard_key_N", 'N'},
    {keyboard_key(0x12), "keyboard_key_O", 'O'},
    {keyboard_key(0x13), "keyboard_key_P", 'P'},
    {keyboard_key(0x14), "keyboard_key_Q", 'Q'},
    {keyboard_key(0x15), "keyboard_key_R", 'R'},
    {keyboard_key(0x16), "keyboard_key_S", 'S'},
    {keyboard_key(0x17), "keyboard_key_T", 'T'},
    {keyboard_key(0x18), "keyboard_key_U", 'U'},
    {keyboard_key(0x19), "keyboard_key_V", 'V'},
    {keyboard_key(0x1A), "keyboard_key_W", 'W'},
    {keyboard_key(0x1B), "keyboard_key_X", 'X'},
    {keyboard_key(0x1C), "keyboard_key_Y", 'Y'},
    {keyboard_key(0x1D), "keyboard_key_Z", 'Z'},
    {keyboard_key(0x1E), "keyboard_key_1", '1'},
    {keyboard_key(0x1F), "keyboard_key_2", '2'},
    {keyboard_key(0x20), "keyboard_key_3", '3'},
    {keyboard_key(0x21), "keyboard_key_4", '4'},
    {keyboard_key(0x22), "keyboard_key_5", '5'},
    {keyboard_key(0x23), "keyboard_key_6", '6'},
    {keyboard_key(0x24), "keyboard_key_7", '7'},
    {keyboard_key(0x25), "keyboard_key_8", '8'},
    {keyboard_key(0x26), "keyboard_key_9", '9'},
    {keyboard_key(0x27), "keyboard_key_0", '0'},
    {keyboard_key(0x28), "keyboard_key_Enter", vk::kReturn},
    {keyboard_key(0x29), "keyboard_key_Esc", vk::kEscape},
    {keyboard_key(0x2A), "keyboard_key_BackSpace", vk::kBack},
    {keyboard_key(0x2B), "keyboard_key_Tab", vk::kTab},
    {keyboard_key(0x2C), "keyboard_key_Space", vk::kSpace},
    {keyboard_key(0x2D), "keyboard_key_-", vk::kOemMinus},
    {keyboard_key(0x2E), "keyboard_key_=", vk::kOemPlus},
    {keyboard_key(0x2F), "keyboard_key_[", vk::kOem4},
    {keyboard_key(0x30), "keyboard_key_]", vk::kOem6},
    {keyboard_key(0x31), "keyboard_key_xiegang", vk::kOem5},
    {keyboard_key(0x33), "keyboard_key_;", vk::kOem1},
    {keyboard_key(0x34), "keyboard_key_'", vk::kOem7},
    {keyboard_key(0x35), "keyboard_key_`", vk::kOem3},
    {keyboard_key(0x36), "keyboard_key_<", vk::kOemComma},
    {keyboard_key(0x37), "keyboard_key_.", vk::kOemPeriod},
    {keyboard_key(0x38), "keyboard_key_/", vk::kOem2},
    {keyboard_key(0x39), "keyboard_key_Caplk", vk::kCapital},
    {keyboard_key(0x3A), "keyboard_key_F1", vk::function_key(1)},
    {keyboard_key(0x3B), "keyboard_key_F2", vk::function_key(2)},
    {keyboard_key(0x3C), "keyboard_key_F3", vk::function_key(3)},
    {keyboard_key(0x3D), "keyboard_key_F4", vk::function_key(4)},
    {keyboard_key(0x3E), "keyboard_key_F5", vk::function_key(5)},
    {keyboard_key(0x3F), "keyboard_key_F6", vk::function_key(6)},
    {keyboard_key(0x40), "keyboard_key_F7", vk::function_key(7)},
    {keyboard_key(0x41), "keyboard_key_F8", vk::function_key(8)},
    {keyboard_key(0x42), "keyboard_key_F9", vk::function_key(9)},
    {keyboard_key(0x43), "keyboard_key_F10", vk::function_key(10)},
    {keyboard_key(0x44), "keyboard_key_F11", vk::function_key(11)},
    {keyboard_key(0x45), "keyboard_key_F12", vk::function_key(12)},
    {keyboard_key(0x46), "keyboard_key_Print Scr", vk::kSnapshot},
    {keyboard_key(0x47), "keyboard_key_Scroll Lock", vk::kScroll},
    {keyboard_key(0x48), "keyboard_key_Pause", vk::kPause},
    {keyboard_key(0x49), "keyboard_key_Insert", vk::kInsert},
    {keyboard_key(0x4A), "keyboard_key_Home", vk::kHome},
    {keyboard_key(0x4B), "keyboard_key_Page Up", vk::kPrior},
    {keyboard_key(0x4C), "keyboard_key_Delete", vk::kDelete},
    {keyboard_key(0x4D), "keyboard_key_End", vk::kEnd},
    {keyboard_key(0x4E), "keyboard_key_Page Down", vk::kNext},
    {keyboard_key(0x4F), "keyboard_key_Right", vk::kRight},
    {keyboard_key(0x50), "keyboard_key_Left", vk::kLeft},
    {keyboard_key(0x51), "keyboard_key_Down", vk::kDown},
    {keyboard_key(0x52), "keyboard_key_Up", vk::kUp},
    {keyboard_key(0x53), "keyboard_key_Num Lock", vk::kNumLock},
    {keyboard_key(0x54), "keyboard_key_Num /", vk::kDivide},
    {keyboard_key(0x55), "keyboard_key_Num *", vk::kMultiply},
    {keyboard_key(0x56), "keyboard_key_Num -", vk::kSubtract},
    {keyboard_key(0x57), "keyboard_key_Num +", vk::kAdd},
    {keyboard_key(0x58), "keyboard_key_Num Enter", vk::kReturn},
    {keyboard_key(0x59), "keyboard_key_Num 1", vk::numpad(1)},
    {keyboard_key(0x5A), "keyboard_key_Num 2", vk::numpad(2)},
    {keyboard_key(0x5B), "keyboard_key_Num 3", vk::numpad(3)},
    {keyboard_key(0x5C), "keyboard_key_Num 4", vk::numpad(4)},
    {keyboard_key(0x5D), "keyboard_key_Num 5", vk::numpad(5)},
    {keyboard_key(0x5E), "keyboard_key_Num 6", vk::numpad(6)},
    {keyboard_key(0x5F), "keyboard_key_Num 7", vk::numpad(7)},
    {keyboard_key(0x60), "keyboard_key_Num 8", vk::numpad(8)},
    {keyboard_key(0x61), "keyboard_key_Num 9", vk::numpad(9)},
    {keyboard_key(0x62), "keyboard_key_Num 0", vk::numpad(0)},
    {keyboard_key(0x63), "keyboard_key_Decimal", vk::kDecimal},
    {keyboard_key(0x65), "keyboard_key_App", vk::kApps},
    {keyboard_key(0x64), "keyboard_key_K45", vk::kOem102},       // ISO key beside left Shift
    {keyboard_key(0x87), "keyboard_key_K56", vk::kAbntC1},       // Ro
    {keyboard_key(0x89), "keyboard_key_K14", vk::kOem5},         // Yen
    {keyboard_key(0x85), "keyboard_key_K107", vk::kSeparator},   // keypad comma
    {keyboard_key(0x8B), "keyboard_key_K131", vk::kNonConvert},  // Muhenkan
    {keyboard_key(0x8A), "keyboard_key_K132", vk::kConvert},     // Henkan
    {keyboard_key(0x88), "keyboard_key_K133", vk::kKana},        // Katakana/Hiragana
    {keyboard_key(0x91), "keyboard_key_K150", vk::kHanja},
    {keyboard_key(0x90), "keyboard_key_K151", vk::kKana},  // Hangul, the same code as Kana
    {keyboard_key(0x32), "keyboard_key_K42", vk::kOem5},   // ISO key beside Enter
    {consumer_code(0x0192), "keyboard_key_Launch App2", vk::kLaunchApp2},
    {consumer_code(0x0223), "keyboard_key_Browaer Home", vk::kBrowserHome},
    {consumer_code(0x00CD), "keyboard_key_Media Play Pause", vk::kMediaPlayPause},
    {consumer_code(0x0221), "keyboard_key_Browser Search", vk::kBrowserSearch},
    {consumer_code(0x018A), "keyboard_key_Launch Mail", vk::kLaunchMail},
    {consumer_code(0x00E9), "keyboard_key_Volume Up", vk::kVolumeUp},
    {consumer_code(0x00E2), "keyboard_key_Volume Mute", vk::kVolumeMute},
    {consumer_code(0x00B7), "keyboard_key_Media Stop", vk::kMediaStop},
    {consumer_code(0x00EA), "keyboard_key_Volume Down", vk::kVolumeDown},
    {consumer_code(0x022A), "keyboard_key_Browser Favorites", vk::kBrowserFavorites},
    {consumer_code(0x0225), "keyboard_key_Browser ForWard", vk::kBrowserForward},
    {consumer_code(0x0224), "keyboard_key_Browser Back", vk::kBrowserBack},
    {consumer_code(0x00B6), "keyboard_key_Media Prev Track", vk::kMediaPrevTrack},
    {consumer_code(0x00B5), "keyboard_key_Media Next Track", vk::kMediaNextTrack},
    {consumer_code(0x0194), "keyboard_key_Computer", vk::kLaunchApp1},
    {consumer_code(0x0227), "keyboard_key_Browser Refresh", vk::kBrowserRefresh},
    {consumer_code(0x0226), "wed_stop", vk::kBrowserStop},
    {consumer_code(0x0183), "keyboard_key_Launch Media Select", vk::kLaunchMediaSelect},
    {system_code(0x01), "keyboard_key_Power", vk::kNone},
    {system_code(0x02), "keyboard_key_Sleep", vk::kSleep},
    {system_code(0x04), "keyboard_key_Wakeup", vk::kNone},
    {m_key(1), "keyboard_key_M1", vk::kNone},
    {m_key(2), "keyboard_key_M2", vk::kNone},
    {m_key(3), "keyboard_key_M3", vk::kNone},
    {m_key(4), "keyboard_key_M4", vk::kNone},
    {m_key(5), "keyboard_key_M5", vk::kNone},
    {keyboard_function(0x01), "keyboard_key_FN", vk::kNone},
    {keyboard_function(0x1B), "keyboard_key_GM", vk::kNone},
};

constexpr Row kMediaWebRows[] = {
    {consumer_code(0x0183), "media_text"},    {consumer_code(0x00CD), "media_play"},
    {consumer_code(0x00B7), "media_stop"},    {consumer_code(0x00B6), "media_prev"},
    {consumer_code(0x00B5), "media_next"},    {consumer_code(0x00EA), "media_vol_sub"},
    {consumer_code(0x00E9), "media_vol_add"}, {consumer_code(0x00E2), "media_mute"},
    {consumer_code(0x0223), "web_text"},      {consumer_code(0x0227), "web_refresh"},
    {consumer_code(0x0226), "wed_stop"},      {consumer_code(0x0224), "wed_back"},
    {consumer_code(0x0225), "wed_forward"},   {consumer_code(0x022A), "wed_favorite"},
    {consumer_code(0x0221), "web_search"},    {consumer_code(0x0194), "media_mypc"},
    {consumer_code(0x0192), "media_calc"},    {consumer_code(0x018A), "media_mail"},
};

constexpr Row kSystemRows[] = {
    {system_code(0x01), "system_power"},
    {system_code(0x02), "system_sleep"},
    {system_code(0x04), "system_wake_up"},
};

constexpr Row kOfficeRows[] = {
    {office_code(0), "custem_open"},       {office_code(1), "custem_new"},
    {office_code(2), "custem_undo"},       {office_code(3), "custem_save"},
    {office_code(4), "custem_copy"},       {office_code(5), "custem_cut"},
    {office_code(6), "custem_paste"},      {office_code(7), "custem_find"},
    {office_code(8), "custem_select_all"},
};

// Right Ctrl with O, N, Z, S, C, X, V, F, A, - and =.
constexpr Row kShortcutCombinationRows[] = {
    {with_right_ctrl(0x12), "custem_open"},       {with_right_ctrl(0x11), "custem_new"},
    {with_right_ctrl(0x1D), "custem_undo"},       {with_right_ctrl(0x16), "custem_save"},
    {with_right_ctrl(0x06), "custem_copy"},       {with_right_ctrl(0x1B), "custem_cut"},
    {with_right_ctrl(0x19), "custem_paste"},      {with_right_ctrl(0x09), "custem_find"},
    {with_right_ctrl(0x04), "custem_select_all"}, {with_right_ctrl(0x2D), "custem_narrow"},
    {with_right_ctrl(0x2E), "custem_magnify"},
};

constexpr KeyboardFunction kKeyboardFunctions[] = {
    {0x00, "com_key_nothing"},         {0x01, "keyboard_key_FN"},
    {0x02, "mouse_key_smart_key"},     {0x04, "keyboard_key_WIN_L_Fn"},
    {0x05, "keyboard_key_W_Fn"},       {0x08, "keyboard_key_ESC_Fn"},
    {0x09, "keyboard_key_UP_Fn"},      {0x0A, "keyboard_key_DOWN_Fn"},
    {0x0B, "keyboard_key_RIGHT_Fn"},   {0x0C, "keyboard_key_LEFT_Fn"},
    {0x0D, "keyboard_key_ADD_Fn"},     {0x0E, "keyboard_key_DEC_Fn"},
    {0x0F, "keyboard_key_OVERDOT_Fn"}, {0x11, "keyboard_key_INSERT_Fn"},
    {0x12, "keyboard_key_DELETE_Fn"},  {0x13, "keyboard_key_HOME_Fn"},
    {0x14, "keyboard_key_END_Fn"},     {0x15, "keyboard_key_PGUP_Fn"},
    {0x16, "keyboard_key_PGDN_Fn"},    {0x18, "keyboard_key_PRINT_Fn"},
    {0x19, "keyboard_key_PAUSE_Fn"},   {0x1A, "keyboard_key_F12_Fn"},
    {0x1B, "keyboard_key_GM"},         {0x24, {}},
};

// A keyboard function as the mouse function list shows it, named as on the keyboard.
constexpr Row fn_function(uint8_t number) {
    for (const KeyboardFunction& function : kKeyboardFunctions)
        if (function.number == number) return {keyboard_function(number), function.display_key};
    return {keyboard_function(number), {}};
}

// Button bits are 0x01 left, 0x02 right, 0x04 middle, as the mouse reports and plays them.
constexpr Row kMouseFunctionRows[] = {
    {mouse_code(code_type::kMouseButton, 0x01), "mouse_key_left"},
    {mouse_code(code_type::kMouseButton, 0x04), "mouse_key_middle"},
    {mouse_code(code_type::kMouseButton, 0x02), "mouse_key_right"},
    {mouse_code(code_type::kMouseButton, 0x10), "mouse_key_forward"},
    {mouse_code(code_type::kMouseButton, 0x08), "mouse_key_back"},
    {mouse_code(code_type::kFireKey, 0x50, 0x02), "mouse_key_fire_key"},
    {keyboard_key(0), "mouse_key_shortcut_key"},
    {modifier_key(0x80), "win_key_text"},
    {keyboard_function(0x02), "mouse_key_smart_key"},
    {keyboard_function(0x00), "com_key_nothing"},
    {mouse_code(code_type::kDpiStep, 0x03), "mouse_key_DPI_loop"},
    {mouse_code(code_type::kDpiStep, 0x01), "mouse_key_DPI_add"},
    {mouse_code(code_type::kDpiStep, 0x02), "mouse_key_DPI_sub"},
    {mouse_code(code_type::kDpiShift, 0x00), "mouse_key_DPI_shift"},
    {mouse_code(code_type::kShowWindow, 0x00), "show_window"},
    fn_function(0x1A),
    fn_function(0x04),
    fn_function(0x08),
    fn_function(0x09),
    fn_function(0x0A),
    fn_function(0x0B),
    fn_function(0x0C),
    fn_function(0x0D),
    fn_function(0x0E),
    fn_function(0x0F),
    fn_function(0x18),
    fn_function(0x19),
    // The mouse names the keyboard's GM function after the key it stands in for.
    {keyboard_function(0x1B), "keyboard_key_BACKSPACE_Fn"},
    fn_function(0x05),
    fn_function(0x11),
    fn_function(0x12),
    fn_function(0x13),
    fn_function(0x14),
    fn_function(0x15),
    fn_function(0x16),
};

constexpr Row kMouseButtonRows[] = {
    {mouse_code(code_type::kMouseButton, 0x01), "mouse_key_left"},
    {mouse_code(code_type::kMouseButton, 0x04), "mouse_key_middle"},
    {mouse_code(code_type::kMouseButton, 0x02), "mouse_key_right"},
    {mouse_code(code_type::kMouseButton, 0x10), "mouse_key_forward"},
    {mouse_code(code_type::kMouseButton, 0x08), "mouse_key_back"},
};

constexpr Row kDpiRows[] = {
    {mouse_code(code_type::kDpiStep, 0x01), "mouse_key_DPI_add"},
    {mouse_code(code_type::kDpiStep, 0x02), "mouse_key_DPI_sub"},
    {mouse_code(code_type::kDpiStep, 0x03), "mouse_key_DPI_loop"},
};

constexpr auto kKeyboardKeys = numbered(kKeyboardKeyRows);
constexpr auto kMediaWeb = numbered(kMediaWebRows);
constexpr auto kSystem = numbered(kSystemRows);
constexpr auto kOffice = numbered(kOfficeRows);
constexpr auto kShortcutCombinations = numbered(kShortcutCombinationRows);
constexpr auto kMouseFunctions = numbered(kMouseFunctionRows);
constexpr auto kMouseButtons = numbered(kMouseButtonRows);
constexpr auto kDpi = numbered(kDpiRows);

static_assert(kKeyboardKeys.size() == 142);
static_assert(kMediaWeb.size() == 18);
static_assert(kSystem.size() == 3);
static_assert(kOffice.size() == 9);
static_assert(kShortcutCombinations.size() == 11);
static_assert(kMouseFunctions.size() == 35);
static_assert(kMouseButtons.size() == 5);
static_assert(kDpi.size() == 3);

std::optional<std::string_view> find_key(std::span<const CodeEntry> table, AssignmentCode code) {
    const auto entry = std::ranges::find(table, code, &CodeEntry::code);
    if (entry == table.end()) return std::nullopt;
    return entry->display_key;
}

std::optional<std::string_view> keyboard_key_caption(AssignmentCode code) {
    const auto key = std::ranges::find_if(
        kKeyboardKeys, [&](const KeyboardKeyEntry& key) { return key.entry.code == code; });
    if (key == kKeyboardKeys.end()) return std::nullopt;
    return key->entry.display_key;
}

std::optional<std::string_view> keyboard_function_caption(uint8_t number) {
    const auto function = std::ranges::find(kKeyboardFunctions, number, &KeyboardFunction::number);
    if (function == std::end(kKeyboardFunctions) || function->display_key.empty())
        return std::nullopt;
    return function->display_key;
}

bool is_keyboard_key(AssignmentCode code) {
    return code.type == code_type::kKeyboardKey;
}

}  // namespace

std::span<const KeyboardKeyEntry> keyboard_key_table() {
    return kKeyboardKeys;
}

std::span<const CodeEntry> code_table(CodeTable table) {
    switch (table) {
        case CodeTable::MediaWeb:
            return kMediaWeb;
        case CodeTable::System:
            return kSystem;
        case CodeTable::OfficeShortcuts:
            return kOffice;
        case CodeTable::ShortcutCombinations:
            return kShortcutCombinations;
        case CodeTable::MouseFunctions:
            return kMouseFunctions;
        case CodeTable::MouseButtons:
            return kMouseButtons;
        case CodeTable::Dpi:
            return kDpi;
    }
    return {};
}

std::span<const KeyboardFunction> keyboard_functions() {
    return kKeyboardFunctions;
}

std::optional<std::string_view> caption_key(AssignmentCode code) {
    if (is_macro_code(code)) return std::nullopt;
    if (code.type == code_type::kKeyboardKeyPlain) code.type = code_type::kKeyboardKey;
    for (const auto& found :
         {find_key(kShortcutCombinations, code), keyboard_key_caption(code),
          find_key(kMediaWeb, code), find_key(kSystem, code), find_key(kOffice, code)})
        if (found) return found;
    if (code.type == code_type::kKeyboardFunction) return keyboard_function_caption(code.first);
    if (is_keyboard_key(code)) return std::nullopt;
    // The fire key carries its interval and count, the DPI shift its DPI: whatever values
    // they hold, they are that function.
    if (code.type == code_type::kFireKey) return "mouse_key_fire_key";
    if (code.type == code_type::kDpiShift) return "mouse_key_DPI_shift";
    return find_key(kMouseFunctions, code);
}

}  // namespace ilmo::keyboard
