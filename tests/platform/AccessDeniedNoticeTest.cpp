#include "platform/AccessDeniedNotice.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <atomic>
#include <thread>
#include <vector>

namespace ilmo::platform {
namespace {

using ::testing::HasSubstr;
using ::testing::Not;
using ::testing::StartsWith;

TEST(AccessDeniedNoticeTest, NamesTheNodeTheDeviceAndTheRulesAsInstalled) {
    const std::string message = AccessDeniedNotice::message("/dev/hidraw7", 0x320F, 0x5012);
    EXPECT_THAT(message, HasSubstr("/dev/hidraw7 "));
    EXPECT_THAT(message, HasSubstr("320f:5012"));
    EXPECT_THAT(message, HasSubstr("/etc/udev/rules.d/70-ilmo-rq07.rules"));
    EXPECT_THAT(message, HasSubstr("udevadm control --reload && sudo udevadm trigger"));
    // Neither a folder of the source tree nor another program's name.
    EXPECT_THAT(message, Not(HasSubstr("\"udev/")));
    EXPECT_THAT(message, Not(StartsWith("ilmo")));
}

TEST(AccessDeniedNoticeTest, EachNodeIsToldOnceWhateverTheRacingOpeners) {
    std::atomic<int> told = 0;
    std::vector<std::string> messages;
    AccessDeniedNotice notice([&](const std::string& message) {
        if (++told == 1) messages.push_back(message);
    });
    std::vector<std::thread> openers;
    for (int i = 0; i < 8; ++i) {
        openers.emplace_back([&] {
            for (int k = 0; k < 100; ++k) notice.report("/dev/hidraw7", 0x320F, 0x5012);
        });
    }
    for (auto& opener : openers) opener.join();
    EXPECT_EQ(told.load(), 1);
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0], AccessDeniedNotice::message("/dev/hidraw7", 0x320F, 0x5012));
    notice.report("/dev/hidraw8", 0x320F, 0x5012);
    EXPECT_EQ(told.load(), 2);
}

}  // namespace
}  // namespace ilmo::platform
