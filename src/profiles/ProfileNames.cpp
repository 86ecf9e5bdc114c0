#include "profiles/ProfileNames.h"

#include <unordered_set>

#include "profiles/ProfileNamesFold.h"

namespace ilmo::profiles {

namespace {

// Folding every name once keeps each rule linear in the list's length, however many
// candidates it tries.
class TakenNames {
public:
    explicit TakenNames(const std::vector<std::string>& names) {
        folded_.reserve(names.size());
        for (const std::string& name : names) folded_.insert(fold_name(name));
    }
    bool contains(std::string_view name) const { return folded_.count(fold_name(name)) != 0; }

private:
    std::unordered_set<std::u32string> folded_;
};

}  // namespace

std::string next_new_profile_name(const std::vector<std::string>& names) {
    const TakenNames taken(names);
    for (size_t n = 1;; ++n) {
        std::string name = "profile" + std::to_string(n);
        if (!taken.contains(name)) return name;
    }
}

std::string copy_profile_name(const std::vector<std::string>& names, const std::string& source) {
    const TakenNames taken(names);
    std::string name = source + " copy";
    while (taken.contains(name)) name += " copy";
    return name;
}

std::string import_profile_name(const std::vector<std::string>& names, const std::string& base) {
    const TakenNames taken(names);
    std::string name = base;
    for (size_t n = 1; taken.contains(name); ++n) name += "(" + std::to_string(n) + ")";
    return name;
}

bool is_blank_name(std::string_view name) {
    return name.find_first_not_of(" \t\r\n\v\f") == std::string_view::npos;
}

RenameCheck check_rename(const std::vector<std::string>& names, int current,
                         std::string_view name) {
    if (is_blank_name(name)) return RenameCheck::Blank;
    const std::u32string wanted = fold_name(name);
    for (size_t i = 0; i < names.size(); ++i) {
        if (static_cast<int>(i) != current && fold_name(names[i]) == wanted)
            return RenameCheck::Taken;
    }
    return RenameCheck::Accepted;
}

}  // namespace ilmo::profiles
