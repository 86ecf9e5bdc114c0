#pragma once
// A throw-away profile folder and program folder for the file models, with helpers to write
// files and to take a byte-exact picture of everything in the folder.

#include <gtest/gtest.h>
#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <sstream>
#include <string>

namespace ilmo::macros::testing {

class FolderFixture : public ::testing::Test {
protected:
    FolderFixture() {
        std::string pattern = (std::filesystem::temp_directory_path() / "ilmo-macros-XXXXXX");
        root_ = ::mkdtemp(pattern.data());
        std::filesystem::create_directories(profile_folder());
        std::filesystem::create_directories(default_folder());
    }
    ~FolderFixture() override {
        std::error_code ignored;
        std::filesystem::remove_all(root_, ignored);
    }

    std::filesystem::path profile_folder() const { return root_ / "profiles"; }
    std::filesystem::path default_folder() const { return root_ / "program" / "DefaultData"; }
    std::filesystem::path outside(const std::string& name) const { return root_ / name; }

    static void write(const std::filesystem::path& path, const std::string& bytes) {
        std::ofstream(path, std::ios::binary) << bytes;
    }
    static std::string read(const std::filesystem::path& path) {
        std::ifstream file(path, std::ios::binary);
        return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
    }
    // Every file below the root with its bytes.
    std::map<std::filesystem::path, std::string> snapshot() const {
        std::map<std::filesystem::path, std::string> files;
        for (const auto& entry : std::filesystem::recursive_directory_iterator(root_))
            if (entry.is_regular_file()) files[entry.path()] = read(entry.path());
        return files;
    }

private:
    std::filesystem::path root_;
};

}  // namespace ilmo::macros::testing
