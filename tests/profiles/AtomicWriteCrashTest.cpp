#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <random>
#include <string>
#include <thread>

#include "profiles/JsonFile.h"

namespace ilmo::profiles {
namespace {

// A document of some hundred kilobytes, so that a write takes long enough to be cut.
Json::Value large_document(const std::string& word, int count) {
    Json::Value document(Json::objectValue);
    document["profilename"] = word;
    Json::Value& keys = document["Device"][0]["KeyList"];
    for (int i = 0; i < count; ++i) keys.append(word + "-" + std::to_string(i));
    return document;
}

// A process killed at any moment while it rewrites a document leaves either the old or the
// new document behind, never a cut one.
TEST(AtomicWrite, KilledWriterLeavesAWholeDocument) {
    const std::filesystem::path folder =
        std::filesystem::temp_directory_path() / ("ilmo-atomic-" + std::to_string(::getpid()));
    std::filesystem::remove_all(folder);
    std::filesystem::create_directories(folder);
    const std::filesystem::path path = folder / "profile.Json";
    // Different lengths: a mix of the two could not pass for either.
    const Json::Value first = large_document("first", 20000);
    const Json::Value second = large_document("second-document", 15000);
    ASSERT_TRUE(write_json_file(path, first));

    std::random_device seed_source;
    const unsigned seed = seed_source();
    std::mt19937 random(seed);
    std::uniform_int_distribution<int> delay_us(0, 40000);
    for (int round = 0; round < 10; ++round) {
        const pid_t child = ::fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            for (;;) {
                write_json_file(path, second);
                write_json_file(path, first);
            }
        }
        std::this_thread::sleep_for(std::chrono::microseconds(delay_us(random)));
        ASSERT_EQ(::kill(child, SIGKILL), 0);
        int status = 0;
        ASSERT_EQ(::waitpid(child, &status, 0), child);
        EXPECT_TRUE(WIFSIGNALED(status));

        const Json::Value left = read_json_file(path);
        EXPECT_TRUE(left == first || left == second)
            << "round " << round << ", seed " << seed << ": the document is "
            << (left.isNull() ? "missing or cut" : "another one");
    }
    std::filesystem::remove_all(folder);
}

}  // namespace
}  // namespace ilmo::profiles
