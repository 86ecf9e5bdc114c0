#pragma once
// A profile folder and a default document in a fresh temporary folder, with an identifier
// source whose clock stands still, so every profile is made "in the same millisecond".

#include <gtest/gtest.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <map>
#include <string>

#include "profiles/JsonFile.h"
#include "profiles/ProfileList.h"

namespace ilmo::profiles::testing {

inline std::chrono::system_clock::time_point fixed_instant() {
    return std::chrono::system_clock::time_point(std::chrono::milliseconds(1709802341007));
}

// Every regular file of a folder with its bytes: "nothing changed" means equal snapshots.
inline std::map<std::string, std::string> snapshot(const std::filesystem::path& folder) {
    std::map<std::string, std::string> files;
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator(folder, error)) {
        std::string bytes;
        if (entry.is_regular_file() && read_file_bytes(entry.path(), bytes))
            files[entry.path().filename().string()] = bytes;
    }
    return files;
}

inline std::string read_text(const std::filesystem::path& path) {
    std::string bytes;
    read_file_bytes(path, bytes);
    return bytes;
}

class ProfileListFixture : public ::testing::Test {
protected:
    void SetUp() override {
        root_ = std::filesystem::temp_directory_path() /
                ("ilmo-profile-list-" + std::to_string(::getpid()) + "-" +
                 ::testing::UnitTest::GetInstance()->current_test_info()->name());
        std::filesystem::remove_all(root_);
        std::filesystem::create_directories(root_);
        folder_ = root_ / "ILMO RQ07" / "RM52X30C";
        default_document_ = root_ / "DefaultData" / "RM52X30C.Json";
        std::filesystem::create_directories(default_document_.parent_path());
        default_ = parse_json(R"({"Device":[{"LightMode":3,"CustomEQNameInfo":["Flat"],
            "CustomEQHzValueInfo":[[0,0,0]]}],"profilename":"","profileUUID":""})");
        ASSERT_TRUE(write_json_file(default_document_, default_));
    }
    void TearDown() override {
        std::error_code error;
        std::filesystem::permissions(folder_, std::filesystem::perms::owner_all,
                                     std::filesystem::perm_options::add, error);
        std::filesystem::remove_all(root_, error);
    }

    ProfileList make_list(int kind = 1, ProfileList::WriteFile write = write_file_atomically) {
        return ProfileList(folder_, default_document_, kind, identifiers_, {}, std::move(write));
    }
    // A started list; fails the test when the start does.
    ProfileList started_list(int kind = 1) {
        ProfileList list = make_list(kind);
        EXPECT_TRUE(list.initialise().done());
        return list;
    }
    void add_profiles(ProfileList& list, int count) {
        for (int i = 0; i < count; ++i) ASSERT_TRUE(list.add_new().done());
    }
    Json::Value document_of(const ProfileList& list, int index) const {
        return read_json_file(list.document_path(index));
    }
    void write_index_text(const std::string& text) {
        std::filesystem::create_directories(folder_);
        ASSERT_TRUE(write_file_atomically(folder_ / "ProfileList.ini", text));
    }
    // A file to import, named `stem`.json, with settings of its own.
    std::filesystem::path import_source(const std::string& stem) {
        const std::filesystem::path file = root_ / (stem + ".json");
        EXPECT_TRUE(write_json_file(file, parse_json(R"({"profilename":"inner",
            "profileUUID":"inner_id","Device":[{"LightMode":7}]})")));
        return file;
    }
    Json::Value stored_index() const { return read_json_file(folder_ / "ProfileList.ini"); }
    int stored_selection() const { return stored_index()["profileselect"].asInt(); }

    std::filesystem::path root_, folder_, default_document_;
    Json::Value default_;
    TimestampIdSource identifiers_{fixed_instant};
};

}  // namespace ilmo::profiles::testing
