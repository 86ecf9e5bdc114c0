// Any bytes as a profile index file: reading it and making names from what it lists must
// neither crash nor hand on an entry that the next write of the index would change.

#include <cstddef>
#include <cstdint>
#include <string>

#include "profiles/JsonFile.h"
#include "profiles/ProfileIndex.h"
#include "profiles/ProfileListDocuments.h"
#include "profiles/ProfileNames.h"
#include "profiles/ProfileNamesFold.h"

using namespace ilmo::profiles;

namespace {

void check(bool holds) {
    if (!holds) __builtin_trap();
}

void exercise_name_rules(const std::vector<std::string>& names, const std::string& text) {
    const std::string fresh = next_new_profile_name(names);
    check(check_rename(names, -1, fresh) == RenameCheck::Accepted);
    const std::string base = text.substr(0, 32);
    const std::string imported = import_profile_name(names, base);
    check(is_blank_name(imported) || check_rename(names, -1, imported) == RenameCheck::Accepted);
    if (names.empty()) return;
    const std::string copied = copy_profile_name(names, names.front());
    check(check_rename(names, -1, copied) == RenameCheck::Accepted);
    if (names.size() == 1) check(check_rename(names, 0, names[0]) != RenameCheck::Taken);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    const Json::Value index = parse_json(text);
    const ProfileIndexView view = read_profile_index(index);
    check(view.selected == 0 || view.selected < static_cast<int>(view.entries.size()));

    // Written back and read again, the list is the same list.
    const Json::Value rewritten =
        parse_json(styled_json(make_profile_index(view.entries, view.selected)));
    const ProfileIndexView again = read_profile_index(rewritten);
    check(again.entries.size() == view.entries.size() && again.selected == view.selected);
    for (size_t i = 0; i < view.entries.size(); ++i)
        check(again.entries[i].identifier == view.entries[i].identifier);

    exercise_name_rules(profile_names(view.entries), text);
    same_name(text, text.substr(size / 2));

    const Json::Value document = with_identity(index, "profile1", "id");
    check(is_profile_document(document));
    with_custom_equaliser(document, index);
    with_custom_equaliser(index, document);
    return 0;
}
