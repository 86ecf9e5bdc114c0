#pragma once
// The one message a user sees when a device node refuses us: without the shipped udev
// rules a desktop user has no access to /dev/hidraw*, and the fix is a one-time install.
// Each path is reported once per process, so a scan loop that retries does not flood stderr.

#include <cstdint>
#include <functional>
#include <mutex>
#include <optional>
#include <set>
#include <string>
#include <string_view>

namespace ilmo::platform {

// Where the notice of a refused device goes. Called on the scanning thread.
using AccessNoticeSink = std::function<void(const std::string& message)>;

// Prints each notice on its own line on stderr.
AccessNoticeSink stderr_notice_sink();

class AccessDeniedNotice {
public:
    // The message for `path` the first time it is refused; nullopt on every later time.
    std::optional<std::string> first_notice(std::string_view path, uint16_t vendor_id,
                                            uint16_t product_id);

    static std::string message(std::string_view devnode, uint16_t vendor_id, uint16_t product_id);

private:
    std::mutex mutex_;
    std::set<std::string, std::less<>> reported_paths_;
};

}  // namespace ilmo::platform
