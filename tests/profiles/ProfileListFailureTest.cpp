#include <fcntl.h>
#include <gtest/gtest.h>
#include <linux/fs.h>
#include <sys/ioctl.h>
#include <unistd.h>

#include <string>

#include "ProfileListFixture.h"

namespace ilmo::profiles::testing {
namespace {

using Outcome = ProfileOutcome;

// Writes that fail for the files a test picks and go to disk otherwise.
ProfileList::WriteFile failing_for(std::function<bool(const std::filesystem::path&)> fails) {
    return [fails](const std::filesystem::path& path, const std::string& bytes) {
        return !fails(path) && write_file_atomically(path, bytes);
    };
}

bool is_index(const std::filesystem::path& path) {
    return path.filename() == "ProfileList.ini";
}
bool is_document(const std::filesystem::path& path) {
    return path.extension() == ".Json";
}

// Makes a folder one that nobody may add files to, for as long as it lives. Permissions do
// not bind root, so for root the folder is marked immutable where the file system allows.
class UnwritableFolder {
public:
    explicit UnwritableFolder(std::filesystem::path folder) : folder_(std::move(folder)) {
        active_ = root_ ? set_immutable(true) : ::chmod(folder_.c_str(), 0555) == 0;
    }
    ~UnwritableFolder() {
        if (active_) root_ ? set_immutable(false) : ::chmod(folder_.c_str(), 0755) == 0;
    }
    bool active() const { return active_; }

private:
    bool set_immutable(bool on) const {
        const int fd = ::open(folder_.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
        int flags = 0;
        bool ok = fd >= 0 && ::ioctl(fd, FS_IOC_GETFLAGS, &flags) == 0;
        flags = on ? flags | FS_IMMUTABLE_FL : flags & ~FS_IMMUTABLE_FL;
        ok = ok && ::ioctl(fd, FS_IOC_SETFLAGS, &flags) == 0;
        if (fd >= 0) ::close(fd);
        return ok;
    }

    std::filesystem::path folder_;
    bool root_ = ::geteuid() == 0;
    bool active_ = false;
};

class ProfileListFailureTest : public ProfileListFixture {
protected:
    void SetUp() override {
        ProfileListFixture::SetUp();
        ProfileList list = started_list();
        add_profiles(list, 2);
        ASSERT_TRUE(list.select(1).done());
        import_file_ = root_ / "x.json";
        ASSERT_TRUE(write_json_file(import_file_, parse_json(R"({"profilename":"x",
            "profileUUID":"x_id"})")));
    }

    // Every list-changing operation, each expected to fail without a trace on disk.
    void expect_every_change_fails(ProfileList& list) {
        const auto before = snapshot(folder_);
        const std::vector<ProfileEntry> entries = list.entries();
        EXPECT_EQ(list.add_new().outcome, Outcome::WriteFailed);
        EXPECT_EQ(list.copy(0).outcome, Outcome::WriteFailed);
        EXPECT_EQ(list.import_file(import_file_).outcome, Outcome::WriteFailed);
        EXPECT_EQ(list.rename(0, "renamed").outcome, Outcome::WriteFailed);
        EXPECT_EQ(snapshot(folder_), before);
        EXPECT_EQ(list.entries(), entries);
    }

    std::filesystem::path import_file_;
};

TEST_F(ProfileListFailureTest, FailedIndexWritesLeaveEveryFileAsItWas) {
    ProfileList list = make_list(1, failing_for(is_index));
    // The list is still readable; only remembering the selection fails.
    EXPECT_EQ(list.initialise().outcome, Outcome::WriteFailed);
    EXPECT_EQ(list.entries().size(), 3u);
    EXPECT_EQ(list.selected(), 1);
    expect_every_change_fails(list);

    const auto before = snapshot(folder_);
    EXPECT_EQ(list.remove(1).outcome, Outcome::WriteFailed);
    EXPECT_EQ(list.select(2).outcome, Outcome::WriteFailed);
    EXPECT_EQ(list.selected(), 2);  // in use, but not remembered
    EXPECT_EQ(snapshot(folder_), before);
    EXPECT_EQ(stored_selection(), 1);
}

TEST_F(ProfileListFailureTest, FailedDocumentWritesPutThePreviousIndexBack) {
    ProfileList list = make_list(7, failing_for(is_document));
    ASSERT_TRUE(list.initialise().done());
    expect_every_change_fails(list);
    const auto before = snapshot(folder_);
    EXPECT_EQ(list.reset(0).outcome, Outcome::WriteFailed);
    EXPECT_EQ(snapshot(folder_), before);
    // Deleting writes no document, so it goes through.
    EXPECT_TRUE(list.remove(2).done());
    EXPECT_EQ(list.profile_count(), 2);
}

TEST_F(ProfileListFailureTest, FirstStartWithoutAWritableDocumentLeavesNoIndex) {
    std::filesystem::remove_all(folder_);
    ProfileList list = make_list(1, failing_for(is_document));
    EXPECT_EQ(list.initialise().outcome, Outcome::WriteFailed);
    EXPECT_EQ(list.selected(), -1);
    EXPECT_TRUE(list.current_identifier().empty());
    EXPECT_TRUE(std::filesystem::is_directory(folder_));
    EXPECT_TRUE(snapshot(folder_).empty());
}

TEST_F(ProfileListFailureTest, UnwritableFolderReportsEveryChangeAndDamagesNothing) {
    ProfileList list = started_list();
    const UnwritableFolder unwritable(folder_);
    if (!unwritable.active()) GTEST_SKIP() << "no way to make a folder unwritable here";
    EXPECT_EQ(list.select(0).outcome, Outcome::WriteFailed);
    expect_every_change_fails(list);
    const auto before = snapshot(folder_);
    EXPECT_EQ(list.remove(1).outcome, Outcome::WriteFailed);
    EXPECT_EQ(list.reset(1).outcome, Outcome::WriteFailed);
    EXPECT_EQ(snapshot(folder_), before);
    EXPECT_EQ(list.profile_count(), 3);
}

TEST_F(ProfileListFailureTest, WithoutItsFolderTheListRefusesEverythingAndWritesNowhere) {
    const std::filesystem::path blocker = root_ / "blocker";
    ASSERT_TRUE(write_file_atomically(blocker, "not a folder"));
    // A relative path would resolve against the working folder: run in an empty one.
    const std::filesystem::path working = root_ / "working";
    std::filesystem::create_directories(working);
    const std::filesystem::path started_in = std::filesystem::current_path();
    std::filesystem::current_path(working);
    // A file in the way of the folder, and no folder at all (what the page is given when
    // the folder cannot be made).
    for (const std::filesystem::path& folder : {blocker / "RM52X30C", std::filesystem::path()}) {
        ProfileList list(folder, default_document_, 1, identifiers_);
        EXPECT_EQ(list.initialise().outcome, Outcome::NoFolder) << folder;
        EXPECT_FALSE(list.folder_ready());
        EXPECT_TRUE(list.entries().empty());
        EXPECT_EQ(list.add_new().outcome, Outcome::NoFolder);
        EXPECT_EQ(list.import_file(import_file_).outcome, Outcome::NoFolder);
        EXPECT_EQ(list.select(0).outcome, Outcome::NoFolder);
        EXPECT_EQ(list.rename(0, "x").outcome, Outcome::NoFolder);
        EXPECT_EQ(list.profile_count(), 0);
    }
    std::filesystem::current_path(started_in);
    EXPECT_EQ(read_text(blocker), "not a folder");
    EXPECT_TRUE(snapshot(working).empty());
}

}  // namespace
}  // namespace ilmo::profiles::testing
