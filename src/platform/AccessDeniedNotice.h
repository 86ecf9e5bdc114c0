#pragma once
// The one message a user sees when a device node refuses us: without the udev rules that
// come with the program a desktop user has no access to /dev/hidraw*, and the fix is a
// one-time install. Each node is reported once per process, so a scan loop that retries
// (and the several collections of one node) do not repeat it.

#include <cstdint>
#include <functional>
#include <mutex>
#include <set>
#include <string>
#include <string_view>

namespace ilmo::platform {

// Receives each notice, from whichever thread met the refusal.
using AccessNoticeSink = std::function<void(const std::string& message)>;

// Writes the message and a newline to stderr.
AccessNoticeSink stderr_notice_sink();

class AccessDeniedNotice {
public:
    explicit AccessDeniedNotice(AccessNoticeSink sink);

    // Hands the message to the sink the first time `devnode` is refused; says nothing on
    // later refusals of the same node.
    void report(std::string_view devnode, uint16_t vendor_id, uint16_t product_id);

    static std::string message(std::string_view devnode, uint16_t vendor_id, uint16_t product_id);

private:
    AccessNoticeSink sink_;
    std::mutex mutex_;
    std::set<std::string, std::less<>> reported_nodes_;
};

}  // namespace ilmo::platform
