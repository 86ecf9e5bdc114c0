#pragma once
// The one seam between the device layer and an operating system's HID stack (or the device
// emulator). Reports cross it with the report id in byte 0, 0 for collections without ids.

#include <cstddef>
#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <vector>

#include "device/HidReportDescriptor.h"

namespace ilmo::device {

struct HidAttributes {
    uint16_t vendor_id = 0;
    uint16_t product_id = 0;
    uint16_t version_number = 0;  // the device's release number
};

struct OpenOptions {
    bool want_read = true;
    bool want_write = true;
    bool overlapped = true;
    bool exclusive = false;  // others may only read while this handle is open
};

// One open top-level collection of one interface.
class HidHandle {
public:
    virtual ~HidHandle() = default;

    virtual const HidAttributes& attributes() const = 0;
    virtual const TopLevelCollection& collection() const = 0;

    // One input report of the opened collection; reports of other collections that share
    // the node are skipped. 1 with `transferred` set, or 0 on time-out, abort or loss of the
    // device. timeout_ms = -1 waits without limit.
    virtual int read(std::span<uint8_t> report, size_t& transferred, int timeout_ms) = 0;
    // One output report; 1 or 0 as read.
    virtual int write(std::span<const uint8_t> report, size_t& transferred, int timeout_ms) = 0;
    // Synchronous output report through the control pipe; 1 or 0.
    virtual int set_output_report(std::span<const uint8_t> report) = 0;
    // Safe from any thread: ends a waiting read or write at once, and every later one.
    virtual void abort() = 0;
};

// An interface that enumeration saw but cannot offer, and why, in words.
struct UnusableInterface {
    std::string path;
    std::string reason;
};

class HidBackend {
public:
    virtual ~HidBackend() = default;

    // Paths of every present HID top-level collection; false when enumeration cannot begin.
    virtual bool enumerate(std::vector<std::string>& paths) = 0;
    // As enumerate(), and also names the interfaces it had to leave out (one whose report
    // descriptor does not parse has no collections to list). By default none are left out.
    virtual bool enumerate_all(std::vector<std::string>& paths,
                               std::vector<UnusableInterface>& unusable) {
        unusable.clear();
        return enumerate(paths);
    }
    // nullptr when the path has vanished or refuses the access asked for. Asking for neither
    // reading nor writing opens a probe: identity and usage only, reads and writes give 0.
    virtual std::unique_ptr<HidHandle> open(const std::string& path,
                                            const OpenOptions& options) = 0;
    // The cheap presence test of a claimed path ("open with no access rights").
    virtual bool present(const std::string& path) = 0;
    // Sleeps until the set of interfaces may have changed or timeout_ms passes, whichever is
    // first; lets a scan loop idle without polling. wake() ends a waiting call at once.
    virtual void wait_for_change(int timeout_ms) = 0;
    virtual void wake() = 0;
};

}  // namespace ilmo::device
