#include "KeyNames.h"

#include <cstdio>

#include "SettingValues.h"
#include "keyboard/CodeTables.h"
#include "keyboard/KeyIdentity.h"

namespace ilmo::ctl {

namespace {

using keyboard::AssignmentCode;
using keyboard::CodeTable;

constexpr std::string_view kKeyPrefix = "keyboard_key_";
constexpr std::string_view kMacroPrefix = "macro:";
constexpr int kLastRepeatMode = 3;

// The lists a key's or button's function is chosen from, in the order names are looked up.
std::optional<AssignmentCode> code_of_display_key(std::string_view name, FunctionLists lists) {
    for (const keyboard::KeyboardKeyEntry& key : keyboard::keyboard_key_table())
        if (same_text(key.entry.display_key, name)) return key.entry.code;
    for (const CodeTable table : {CodeTable::MediaWeb, CodeTable::System,
                                  CodeTable::ShortcutCombinations, CodeTable::MouseButtons})
        for (const keyboard::CodeEntry& entry : keyboard::code_table(table))
            if (same_text(entry.display_key, name)) return entry.code;
    for (const keyboard::KeyboardFunction& function : keyboard::keyboard_functions())
        if (!function.display_key.empty() && same_text(function.display_key, name))
            return keyboard::keyboard_function(function.number);
    if (lists == FunctionLists::Mouse)
        for (const keyboard::CodeEntry& entry : keyboard::code_table(CodeTable::MouseFunctions))
            if (same_text(entry.display_key, name)) return entry.code;
    return std::nullopt;
}

std::optional<AssignmentCode> parse_raw_code(std::string_view text) {
    if (!text.starts_with("0x") && !text.starts_with("0X")) return std::nullopt;
    text.remove_prefix(2);
    if (text.size() != 6) return std::nullopt;
    // Three bytes written as one colour is: the same six hexadecimal digits.
    const std::optional<device::Rgb> bytes = parse_colour(text);
    if (!bytes) return std::nullopt;
    return AssignmentCode{bytes->red, bytes->green, bytes->blue};
}

std::optional<AssignmentCode> parse_macro(std::string_view text) {
    text.remove_prefix(kMacroPrefix.size());
    const size_t colon = text.find(':');
    const auto number = parse_number(text.substr(0, colon), 0, 255);
    if (!number) return std::nullopt;
    int mode = 0;
    if (colon != std::string_view::npos) {
        const auto given = parse_number(text.substr(colon + 1), 0, kLastRepeatMode);
        if (!given) return std::nullopt;
        mode = *given;
    }
    return AssignmentCode{keyboard::code_type::kMacroRepeatMode, static_cast<uint8_t>(*number),
                          static_cast<uint8_t>(mode)};
}

}  // namespace

std::string_view key_name(int index) {
    if (index < 0 || index >= keyboard::kPageKeys) return {};
    const AssignmentCode identity = keyboard::key_identity(index);
    if (identity == keyboard::kNoKey) return {};
    return keyboard::caption_key(identity).value_or(std::string_view());
}

std::optional<int> parse_key(std::string_view text) {
    if (const auto index = parse_number(text, 0, keyboard::kPageKeys - 1)) return index;
    const std::string prefixed = std::string(kKeyPrefix) + std::string(text);
    for (int index = 0; index < keyboard::kPageKeys; ++index) {
        const std::string_view name = key_name(index);
        if (!name.empty() && (same_text(name, text) || same_text(name, prefixed))) return index;
    }
    return std::nullopt;
}

std::optional<FunctionChoice> parse_function(std::string_view text, FunctionLists lists) {
    if (same_text(text, "default")) return FunctionChoice{.factory = true, .code = {}};
    std::optional<AssignmentCode> code;
    if (text.starts_with(kMacroPrefix))
        code = parse_macro(text);
    else if (text.starts_with("0x") || text.starts_with("0X"))
        code = parse_raw_code(text);
    else if (!(code = code_of_display_key(text, lists)))
        code = code_of_display_key(std::string(kKeyPrefix) + std::string(text), lists);
    if (!code) return std::nullopt;
    return FunctionChoice{.factory = false, .code = *code};
}

std::string format_function(AssignmentCode code, FunctionLists lists) {
    char text[24];
    if (code.type == keyboard::code_type::kMacroRepeatMode) {
        std::snprintf(text, sizeof text, "macro:%d:%d", code.first, code.second);
        return text;
    }
    if (const auto name = keyboard::caption_key(code)) {
        const auto back = code_of_display_key(*name, lists);
        if (back && *back == code) return std::string(*name);
    }
    std::snprintf(text, sizeof text, "0x%02x%02x%02x", code.type, code.first, code.second);
    return text;
}

ResolvedFunction resolve_function(const FunctionChoice& choice, AssignmentCode factory,
                                  size_t macro_count) {
    const AssignmentCode code = choice.factory ? factory : choice.code;
    if (keyboard::is_macro_code(code) && code.first >= macro_count)
        return {code, "there is no macro " + std::to_string(code.first) + ": the macro list holds " +
                          std::to_string(macro_count)};
    return {code, {}};
}

}  // namespace ilmo::ctl
