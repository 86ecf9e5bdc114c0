#include "platform/AccessDeniedNotice.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <atomic>
#include <thread>
#include <vector>

namespace ilmo::platform {
namespace {

using ::testing::HasSubstr;

constexpr const char* kPath = "/dev/hidraw7#vid_320f&pid_5012&mi_01&col04";

TEST(AccessDeniedNoticeTest, NamesTheDeviceAndTheRulesToInstall) {
    AccessDeniedNotice notice;
    const auto message = notice.first_notice(kPath, 0x320F, 0x5012);
    ASSERT_TRUE(message);
    EXPECT_THAT(*message, HasSubstr("320f:5012"));
    EXPECT_THAT(*message, HasSubstr("/dev/hidraw7"));
    EXPECT_THAT(*message, ::testing::Not(HasSubstr("#vid_")));
    EXPECT_THAT(*message, HasSubstr("\"udev/70-ilmo-rq07.rules\""));
    EXPECT_THAT(*message, HasSubstr("/etc/udev/rules.d/"));
    EXPECT_THAT(*message, HasSubstr("udevadm control --reload && udevadm trigger"));
}

TEST(AccessDeniedNoticeTest, EachPathIsReportedOnce) {
    AccessDeniedNotice notice;
    EXPECT_TRUE(notice.first_notice(kPath, 0x320F, 0x5012));
    EXPECT_FALSE(notice.first_notice(kPath, 0x320F, 0x5012));
    EXPECT_TRUE(notice.first_notice("/dev/hidraw7#vid_320f&pid_5012&mi_01&col03", 0x320F, 0x5012));
    EXPECT_FALSE(notice.first_notice(kPath, 0x320F, 0x5012));
}

TEST(AccessDeniedNoticeTest, RacingOpenersGetOneNoticeBetweenThem) {
    AccessDeniedNotice notice;
    std::atomic<int> notices = 0;
    std::vector<std::thread> openers;
    for (int i = 0; i < 8; ++i) {
        openers.emplace_back([&] {
            for (int k = 0; k < 100; ++k) {
                if (notice.first_notice(kPath, 0x320F, 0x5012)) ++notices;
            }
        });
    }
    for (auto& opener : openers) opener.join();
    EXPECT_EQ(notices.load(), 1);
}

}  // namespace
}  // namespace ilmo::platform
