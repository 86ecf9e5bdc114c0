#include <gtest/gtest.h>

#include <vector>

#include "device/FrameFilter.h"

namespace ilmo::device {
namespace {

using std::chrono::milliseconds;

TEST(FrameFilter, SendsNewPicturesAndRepeatsOnlyWhatTheDeviceMayHaveLost) {
    FrameFilter filter;
    const FrameFilter::Clock::time_point start{};
    const std::vector<uint8_t> red{200, 0, 0};
    const std::vector<uint8_t> blue{0, 0, 200};
    EXPECT_TRUE(filter.wanted(red, 0, start));
    EXPECT_FALSE(filter.wanted(red, 0, start + milliseconds(10)));
    EXPECT_TRUE(filter.wanted(blue, 0, start + milliseconds(20)));
    // Packets of the last frame were dropped: it goes out again, once.
    EXPECT_TRUE(filter.wanted(blue, 3, start + milliseconds(30)));
    EXPECT_FALSE(filter.wanted(blue, 3, start + milliseconds(40)));
    // Unchanged for a while: it goes out again in case the device lost it.
    EXPECT_FALSE(filter.wanted(blue, 3, start + milliseconds(30) + FrameFilter::kRepeatAfter -
                                            milliseconds(1)));
    EXPECT_TRUE(filter.wanted(blue, 3, start + milliseconds(30) + FrameFilter::kRepeatAfter));
    // The device was attached again: it shows nothing of ours.
    filter.forget();
    EXPECT_TRUE(filter.wanted(blue, 3, start + milliseconds(600)));
}

}  // namespace
}  // namespace ilmo::device
