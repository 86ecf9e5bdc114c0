#include "keyboard/AssignmentTables.h"

#include <algorithm>
#include <optional>

namespace ilmo::keyboard {

namespace {

struct WrittenKey {
    size_t position;
    AssignmentCode normal;
    AssignmentCode fn;
};

struct KeyAssignment {
    std::vector<WrittenKey> keys;
    std::vector<int> used_macros;
};

// The macro code with its number replaced by the macro's place in the image, which is
// taken when the macro is met for the first time; nullopt for a macro that no longer exists.
std::optional<AssignmentCode> with_macro_place(AssignmentCode code, size_t macro_count,
                                               std::vector<int>& used_macros) {
    if (code.first >= macro_count) return std::nullopt;
    auto place = std::ranges::find(used_macros, code.first);
    if (place == used_macros.end()) place = used_macros.insert(place, code.first);
    // At most 256 different numbers fit the byte, so the place fits it too.
    code.first = static_cast<uint8_t>(place - used_macros.begin());
    return code;
}

// Every key written to a table below `position_limit`, in page key order.
KeyAssignment assign_keys(const std::vector<profiles::KeyEntry>& keys, const KeyMaps& maps,
                          size_t macro_count, size_t position_limit) {
    KeyAssignment assignment;
    const size_t page_keys = std::min(keys.size(), static_cast<size_t>(kPageKeys));
    for (size_t index = 0; index < page_keys; ++index) {
        const size_t position = maps.key_position[index];
        if (position == kNoPosition || position >= position_limit) continue;
        const AssignmentCode factory = code_of(keys[index].factory);
        AssignmentCode normal = code_of(keys[index].normal);
        AssignmentCode fn = code_of(keys[index].fn);
        if (is_macro_code(normal))
            normal =
                with_macro_place(normal, macro_count, assignment.used_macros).value_or(factory);
        if (is_macro_code(fn))
            fn = with_macro_place(fn, macro_count, assignment.used_macros).value_or(kNoFunction);
        if (fn == factory) fn = kNoFunction;
        assignment.keys.push_back({position, normal, fn});
    }
    return assignment;
}

}  // namespace

std::vector<int> used_macro_list(const std::vector<profiles::KeyEntry>& keys, const KeyMaps& maps,
                                 size_t macro_count) {
    return assign_keys(keys, maps, macro_count, kMappedKeys).used_macros;
}

LayerTables build_layer_tables(std::span<const uint8_t> default_table, int key_positions,
                               const std::vector<profiles::KeyEntry>& keys, const KeyMaps& maps,
                               size_t macro_count) {
    const auto positions = static_cast<size_t>(mapped_positions(key_positions));
    std::vector<uint8_t> factory(positions * kCodeBytes, 0);
    std::copy_n(default_table.begin(), std::min(default_table.size(), factory.size()),
                factory.begin());

    KeyAssignment assignment = assign_keys(keys, maps, macro_count, positions);
    LayerTables tables{factory, factory, std::move(assignment.used_macros)};
    for (const WrittenKey& key : assignment.keys) {
        set_table_code(tables.normal, key.position, key.normal);
        set_table_code(tables.fn, key.position, key.fn);
    }
    return tables;
}

}  // namespace ilmo::keyboard
