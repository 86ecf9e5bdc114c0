#pragma once
// A macro list over a throw-away profile folder, with identifiers from a clock that stands
// still, so every identifier is asked for in the same millisecond.

#include <chrono>
#include <string>
#include <vector>

#include "FolderFixture.h"
#include "macros/MacroIndex.h"
#include "macros/MacroList.h"
#include "profiles/JsonFile.h"

namespace ilmo::macros::testing {

class MacroListFixture : public FolderFixture {
protected:
    static std::chrono::system_clock::time_point frozen_time() {
        return std::chrono::system_clock::time_point(std::chrono::milliseconds(1700000000123));
    }

    profiles::TimestampIdSource ids{frozen_time};
    MacroList list{profile_folder(), ids};

    std::filesystem::path index_file() const { return macro_index_path(profile_folder()); }
    std::filesystem::path macro_file(const std::string& guid) const {
        return macro_file_path(profile_folder(), guid);
    }
    Json::Value index_on_disk() const { return profiles::read_json_file(index_file()); }

    // Writes "macro.config" with these names (identifiers "id0", "id1", ...) and loads it.
    void given_macros(const std::vector<std::string>& names) {
        std::vector<MacroInfo> macros;
        for (size_t i = 0; i < names.size(); ++i)
            macros.push_back({names[i], "id" + std::to_string(i)});
        ASSERT_TRUE(profiles::write_json_file(index_file(), encode_macro_index(macros)));
        list.load();
    }

    static EventRow key_row(const char* action, int usage, const std::string& delay) {
        Json::Value event(Json::objectValue);
        event["Action"] = action;
        event["Type"] = 10;
        event["Button"] = usage;
        event["Delay"] = "1";
        return {profiles::styled_json(event), delay};
    }
    static std::vector<EventRow> key_rows(size_t count) {
        std::vector<EventRow> rows;
        for (size_t i = 0; i < count; ++i) rows.push_back(key_row(i % 2 ? "up" : "down", 4, "5"));
        return rows;
    }
};

}  // namespace ilmo::macros::testing
