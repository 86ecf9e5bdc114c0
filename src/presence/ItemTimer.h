#pragma once
// The timers a device selector item runs for its page. The numbers are the item's timer ids,
// shared with the page's own timers (1002-1004), which the window routes to the page.

#include "device/FramePace.h"

namespace ilmo::presence {

enum class ItemTimer : int {
    Frame = 1000,      // build and send the page's light frame
    Presence = 1001,   // first contact after connecting; retried while a wireless device is away
    PageRefresh = 1002,  // the page's own: read the device again (it asked for it)
    PageSecond = 1003,   // the page's own, for later device kinds
    PageThird = 1004,
    Power = 1005,      // power refresh of pages with a power display
    LinkWatch = 1007,  // on the receiver link: does the wireless device still answer?
};

struct ItemTimerDelays {
    static constexpr int kPresenceAfterConnectMs = 500;
    static constexpr int kPresenceRetryMs = 3000;
    static constexpr int kFirstFrameMs = 5;
    static constexpr int kFrameReceiverMs = device::kReceiverFramePaceMs;
    static constexpr int kFrameCableMs = device::kCableFramePaceMs;
    static constexpr int kFirstPowerMs = 50;
    static constexpr int kPowerMs = 5000;
    static constexpr int kFirstLinkWatchMs = 2000;
    static constexpr int kLinkWatchMs = 3000;
};

}  // namespace ilmo::presence
