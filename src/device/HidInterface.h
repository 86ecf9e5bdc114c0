#pragma once
// One HID interface as the rest of the program sees it: a path list from the last
// enumeration, at most one open handle, and report I/O that another thread can end at once
// by closing the record.

#include <cstdint>
#include <memory>
#include <mutex>
#include <span>
#include <string>
#include <vector>

#include "device/HidBackend.h"

namespace ilmo::device {

// Paths of the last enumeration; room starts at 4 and doubles whenever it is used up.
class PathList {
public:
    void clear();
    void add(std::string path);
    size_t size() const { return paths_.size(); }
    size_t capacity() const { return capacity_; }
    const std::string& operator[](size_t index) const { return paths_[index]; }

private:
    static constexpr size_t kInitialCapacity = 4;
    std::vector<std::string> paths_;
    size_t capacity_ = 0;
};

class HidInterface {
public:
    explicit HidInterface(HidBackend& backend);
    ~HidInterface();
    HidInterface(const HidInterface&) = delete;
    HidInterface& operator=(const HidInterface&) = delete;

    // Enumeration with a cursor, for scanning code.
    bool enumerate();
    const std::string* next_path();
    void free_list();
    const PathList& paths() const { return paths_; }

    // Closes whatever was open, then opens `path`; 1 on success, 0 on failure.
    int open(const std::string& path, const OpenOptions& options);
    // Ends a waiting read or write at once, then closes.
    void close();
    bool is_open() const;

    int read(std::span<uint8_t> report, size_t& transferred, int timeout_ms);
    int write(std::span<const uint8_t> report, size_t& transferred, int timeout_ms);
    int set_output_report(std::span<const uint8_t> report);
    // Input fields of `report` as the opened collection describes them.
    // Ends a read waiting on the open handle at once, and every later read of that handle;
    // for a reader that is being stopped. Safe from any thread.
    void abort_reads();
    std::vector<HidDataEntry> unpack_input_report(std::span<const uint8_t> report) const;

    // What the last successful open found; cleared by close.
    const std::string& path() const { return path_; }
    uint32_t interface_number() const { return interface_number_; }
    uint32_t collection_number() const { return collection_number_; }
    // A copy: device work reads it while an unplug may close the record on another thread.
    HidAttributes attributes() const;
    const TopLevelCollection& collection() const { return collection_; }

private:
    std::shared_ptr<HidHandle> current_handle() const;

    HidBackend& backend_;
    PathList paths_;
    size_t cursor_ = 0;

    // Readers take their own reference, so close() from another thread never frees a handle
    // that a read is still inside.
    mutable std::mutex handle_mutex_;
    std::shared_ptr<HidHandle> handle_;

    std::string path_;
    uint32_t interface_number_ = 0;
    uint32_t collection_number_ = 0;
    HidAttributes attributes_;
    TopLevelCollection collection_;
};

}  // namespace ilmo::device
