// The hidraw backend against a fake sysfs tree: what it lists, what it opens, and how it
// tells of nodes it may not open.

#include "platform/HidrawBackend.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cerrno>
#include <mutex>
#include <set>

#include "FakeHidrawTree.h"

namespace ilmo::platform::testing {
namespace {

using ::testing::ElementsAre;
using ::testing::HasSubstr;
using Bytes = std::vector<uint8_t>;

// A consumer collection (report 3) and the vendor command collection (report 4).
const Bytes kTwoCollections = {0x05, 0x0C, 0x09, 0x01, 0xA1, 0x01, 0x85, 0x03, 0x19, 0x00, 0x2A,
                               0xFF, 0x02, 0x15, 0x00, 0x26, 0xFF, 0x02, 0x75, 0x10, 0x95, 0x01,
                               0x81, 0x00, 0xC0, 0x06, 0x1C, 0xFF, 0x09, 0x92, 0xA1, 0x01, 0x85,
                               0x04, 0x09, 0x01, 0x15, 0x00, 0x26, 0xFF, 0x00, 0x75, 0x08, 0x95,
                               0x3F, 0x81, 0x02, 0x09, 0x01, 0x91, 0x02, 0xC0};
// One consumer collection with a mute button.
const Bytes kOneCollection = {0x05, 0x0C, 0x09, 0x01, 0xA1, 0x01, 0x85, 0x01, 0x09,
                              0xE9, 0x15, 0x00, 0x25, 0x01, 0x75, 0x01, 0x95, 0x01,
                              0x81, 0x02, 0x95, 0x07, 0x81, 0x01, 0xC0};

// The system's calls, except that opening the listed nodes is refused with `error`.
class RefusingCalls : public NodeCalls {
public:
    RefusingCalls(std::set<std::string> refused, int error)
        : refused_(std::move(refused)), error_(error) {}
    int open(const char* path, int flags) const override {
        if (refused_.count(path) == 0) return NodeCalls::open(path, flags);
        errno = error_;
        return -1;
    }

private:
    std::set<std::string> refused_;
    int error_;
};

class CountingMonitor : public ChangeMonitor {
public:
    explicit CountingMonitor(std::vector<int>& waits) : waits_(waits) {}
    void wait(int timeout_ms) override { waits_.push_back(timeout_ms); }
    void wake() override { waits_.push_back(-2); }

private:
    std::vector<int>& waits_;
};

class HidrawBackendTest : public ::testing::Test {
protected:
    HidrawBackendTest() {
        tree.add({.number = 2,
                  .vendor_id = 0x320F,
                  .product_id = 0x5012,
                  .interface_number = 1,
                  .release = 0x0123,
                  .descriptor = kTwoCollections});
        tree.add({.number = 10,
                  .vendor_id = 0x0C76,
                  .product_id = 0x1630,
                  .interface_number = 3,
                  .descriptor = kOneCollection});
    }

    std::unique_ptr<HidrawBackend> backend(std::shared_ptr<const NodeCalls> calls = nullptr) {
        HidrawSystem system{tree.roots(), std::move(calls),
                            std::make_unique<CountingMonitor>(monitor_calls)};
        return std::make_unique<HidrawBackend>(std::move(system), [this](const std::string& m) {
            std::lock_guard lock(mutex);
            notices.push_back(m);
        });
    }
    std::string keyboard(int collection) const {
        return tree.devnode(2) + "#vid_320f&pid_5012&mi_01&col0" + std::to_string(collection);
    }
    std::string headset() const { return tree.devnode(10) + "#vid_0c76&pid_1630&mi_03"; }

    FakeHidrawTree tree;
    std::mutex mutex;
    std::vector<std::string> notices;
    std::vector<int> monitor_calls;
};

const device::OpenOptions kReadWrite{true, true, true, false};
const device::OpenOptions kProbe{false, false, false, false};

TEST_F(HidrawBackendTest, ListsEveryCollectionAndNamesNodesWhoseDescriptorIsUnusable) {
    tree.add({.number = 3,
              .vendor_id = 0x320F,
              .product_id = 0x1004,
              .interface_number = 1,
              .descriptor = {0xA1, 0x01}});  // unbalanced
    tree.add({.number = 4,
              .vendor_id = 0x12D1,
              .product_id = 0x10D4,
              .interface_number = 2,
              .descriptor = {},
              .descriptor_readable = false});
    std::vector<std::string> paths;
    std::vector<device::UnusableInterface> unusable;
    ASSERT_TRUE(backend()->enumerate_all(paths, unusable));
    EXPECT_THAT(paths, ElementsAre(keyboard(1), keyboard(2), headset()));
    ASSERT_EQ(unusable.size(), 2u);
    EXPECT_EQ(unusable[0].path, tree.devnode(3) + "#vid_320f&pid_1004&mi_01");
    EXPECT_THAT(unusable[0].reason, HasSubstr("does not parse"));
    EXPECT_EQ(unusable[1].path, tree.devnode(4) + "#vid_12d1&pid_10d4&mi_02");
    EXPECT_THAT(unusable[1].reason, HasSubstr("cannot be read"));

    std::vector<std::string> plain;
    ASSERT_TRUE(backend()->enumerate(plain));
    EXPECT_EQ(plain, paths);
}

TEST_F(HidrawBackendTest, ListingWithoutHidrawNodesOrWithoutSysfs) {
    std::filesystem::remove_all(tree.root() / "sys" / "class" / "hidraw");
    std::vector<std::string> paths{"stale"};
    EXPECT_TRUE(backend()->enumerate(paths));  // no driver loaded: no nodes
    EXPECT_TRUE(paths.empty());
    std::filesystem::remove_all(tree.root() / "sys");
    EXPECT_FALSE(backend()->enumerate(paths));
}

TEST_F(HidrawBackendTest, OpenGivesIdentityUsageAndReleaseOfTheNamedCollection) {
    const auto hid = backend();
    const auto command = hid->open(keyboard(2), kReadWrite);
    ASSERT_TRUE(command);
    EXPECT_EQ(command->attributes().vendor_id, 0x320F);
    EXPECT_EQ(command->attributes().product_id, 0x5012);
    EXPECT_EQ(command->attributes().version_number, 0x0123);
    EXPECT_EQ(command->collection().usage_page, 0xFF1C);
    EXPECT_EQ(command->collection().usage, 0x92);
    const auto single = hid->open(headset(), kReadWrite);
    ASSERT_TRUE(single);
    EXPECT_EQ(single->collection().usage_page, 0x0C);

    EXPECT_FALSE(hid->open(keyboard(3), kReadWrite)) << "no third collection";
    EXPECT_FALSE(hid->open(headset() + "&col01", kReadWrite)) << "a lone collection has no number";
    EXPECT_FALSE(hid->open(tree.devnode(2) + "#vid_320f&pid_5088&mi_01&col02", kReadWrite));
    EXPECT_FALSE(
        hid->open(tree.roots().dev + "/../dev/hidraw2#vid_320f&pid_5012&mi_01&col02", kReadWrite));
    EXPECT_TRUE(hid->present(keyboard(2)));

    // The node number is taken over by another device: the old path no longer opens.
    tree.remove(2);
    EXPECT_FALSE(hid->present(keyboard(2)));
    tree.add({.number = 2,
              .vendor_id = 0x320F,
              .product_id = 0x5088,
              .interface_number = 1,
              .descriptor = kTwoCollections});
    EXPECT_FALSE(hid->open(keyboard(2), kReadWrite));
    EXPECT_FALSE(hid->present(keyboard(2)));
}

TEST_F(HidrawBackendTest, ARefusedNodeIsToldOnceThroughTheSinkAndProbesStillWork) {
    const auto hid = backend(std::make_shared<RefusingCalls>(
        std::set<std::string>{tree.devnode(2), tree.devnode(10)}, EACCES));
    // Both collections of the node, several times, as a scan loop retries.
    for (int round = 0; round < 3; ++round) {
        EXPECT_FALSE(hid->open(keyboard(1), kReadWrite));
        EXPECT_FALSE(hid->open(keyboard(2), kReadWrite));
    }
    ASSERT_EQ(notices.size(), 1u);
    EXPECT_EQ(notices[0], AccessDeniedNotice::message(tree.devnode(2), 0x320F, 0x5012));
    // Identity and usage need no access.
    const auto probe = hid->open(keyboard(2), kProbe);
    ASSERT_TRUE(probe);
    EXPECT_EQ(probe->collection().usage, 0x92);

    EXPECT_FALSE(hid->open(headset(), kReadWrite));
    ASSERT_EQ(notices.size(), 2u);
    EXPECT_THAT(notices[1], HasSubstr("0c76:1630"));
}

TEST_F(HidrawBackendTest, OnlyPermissionRefusalsAreTold) {
    const auto hid =
        backend(std::make_shared<RefusingCalls>(std::set<std::string>{tree.devnode(2)}, EBUSY));
    EXPECT_FALSE(hid->open(keyboard(2), kReadWrite));
    EXPECT_TRUE(notices.empty());
}

TEST_F(HidrawBackendTest, WaitingForChangesIsTheMonitorsBusiness) {
    const auto hid = backend();
    hid->wait_for_change(250);
    hid->wake();
    EXPECT_THAT(monitor_calls, ElementsAre(250, -2));
}

}  // namespace
}  // namespace ilmo::platform::testing
