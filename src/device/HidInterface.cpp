#include "device/HidInterface.h"

#include "device/DeviceTables.h"

namespace ilmo::device {

void PathList::clear() {
    paths_.clear();
    paths_.shrink_to_fit();
    capacity_ = 0;
}

void PathList::add(std::string path) {
    if (paths_.size() == capacity_) {
        capacity_ = capacity_ == 0 ? kInitialCapacity : capacity_ * 2;
        paths_.reserve(capacity_);
    }
    paths_.push_back(std::move(path));
}

HidInterface::HidInterface(HidBackend& backend) : backend_(backend) {}

HidInterface::~HidInterface() { close(); }

bool HidInterface::enumerate() {
    free_list();
    std::vector<std::string> found;
    if (!backend_.enumerate(found)) return false;
    for (auto& path : found) paths_.add(std::move(path));
    return true;
}

const std::string* HidInterface::next_path() {
    if (cursor_ >= paths_.size()) return nullptr;
    return &paths_[cursor_++];
}

void HidInterface::free_list() {
    paths_.clear();
    cursor_ = 0;
}

int HidInterface::open(const std::string& path, const OpenOptions& options) {
    close();
    std::shared_ptr<HidHandle> handle = backend_.open(path, options);
    if (!handle) return 0;
    const PathIdentity ids = parse_path_identity(path);
    std::lock_guard lock(handle_mutex_);
    attributes_ = handle->attributes();
    collection_ = handle->collection();
    path_ = path;
    interface_number_ = ids.interface_number;
    collection_number_ = ids.collection_number;
    handle_ = std::move(handle);
    return 1;
}

void HidInterface::close() {
    std::shared_ptr<HidHandle> handle;
    {
        std::lock_guard lock(handle_mutex_);
        handle = std::move(handle_);
        handle_.reset();
        path_.clear();
        interface_number_ = collection_number_ = 0;
        attributes_ = {};
        collection_ = {};
    }
    if (handle) handle->abort();
}

bool HidInterface::is_open() const { return current_handle() != nullptr; }

HidAttributes HidInterface::attributes() const {
    std::lock_guard lock(handle_mutex_);
    return attributes_;
}

std::shared_ptr<HidHandle> HidInterface::current_handle() const {
    std::lock_guard lock(handle_mutex_);
    return handle_;
}

int HidInterface::read(std::span<uint8_t> report, size_t& transferred, int timeout_ms) {
    transferred = 0;
    const auto handle = current_handle();
    return handle ? handle->read(report, transferred, timeout_ms) : 0;
}

int HidInterface::write(std::span<const uint8_t> report, size_t& transferred, int timeout_ms) {
    transferred = 0;
    const auto handle = current_handle();
    return handle ? handle->write(report, transferred, timeout_ms) : 0;
}

int HidInterface::set_output_report(std::span<const uint8_t> report) {
    const auto handle = current_handle();
    return handle ? handle->set_output_report(report) : 0;
}

void HidInterface::abort_reads() {
    if (const auto handle = current_handle()) handle->abort();
}

std::vector<HidDataEntry> HidInterface::unpack_input_report(std::span<const uint8_t> report) const {
    std::lock_guard lock(handle_mutex_);
    return device::unpack_input_report(collection_, report);
}

}  // namespace ilmo::device
