#pragma once
// A fresh temporary folder per test for the profile data, configuration list and user file
// tests, and small helpers to put hand-written documents into it.

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <map>
#include <string>

#include "profiles/JsonFile.h"

namespace ilmo::profiles::datatest {

// Parses a hand-written document; a typo in a test shows as a failure, not as null.
inline Json::Value json(const std::string& text) {
    Json::Value value = parse_json(text);
    EXPECT_FALSE(value.isNull()) << text;
    return value;
}

inline std::string file_text(const std::filesystem::path& path) {
    std::string bytes;
    read_file_bytes(path, bytes);
    return bytes;
}

inline void put_file(const std::filesystem::path& path, const std::string& bytes) {
    std::filesystem::create_directories(path.parent_path());
    ASSERT_TRUE(write_file_atomically(path, bytes)) << path;
}

// Every file below a folder with its bytes: "nothing else changed" means equal snapshots.
inline std::map<std::string, std::string> folder_snapshot(const std::filesystem::path& folder) {
    std::map<std::string, std::string> files;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(folder))
        if (entry.is_regular_file()) files[entry.path().string()] = file_text(entry.path());
    return files;
}

class TempFolderTest : public ::testing::Test {
protected:
    void SetUp() override {
        const auto* test = ::testing::UnitTest::GetInstance()->current_test_info();
        root_ = std::filesystem::temp_directory_path() /
                ("ilmo-pdata-" + std::to_string(::getpid()) + "-" + test->test_suite_name() + "-" +
                 test->name());
        std::filesystem::remove_all(root_);
        std::filesystem::create_directories(root_);
    }
    void TearDown() override {
        std::error_code ignored;
        std::filesystem::permissions(root_, std::filesystem::perms::owner_all,
                                     std::filesystem::perm_options::add, ignored);
        std::filesystem::remove_all(root_, ignored);
    }

    std::filesystem::path root_;
};

}  // namespace ilmo::profiles::datatest
