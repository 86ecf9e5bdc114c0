#pragma once
// One open top-level collection on a hidraw node.

#include "device/HidBackend.h"
#include "platform/ReportStream.h"

namespace ilmo::platform {

class HidrawHandle : public device::HidHandle {
public:
    HidrawHandle(UniqueFd node, const device::HidAttributes& attributes,
                 device::TopLevelCollection collection, std::shared_ptr<const NodeCalls> calls);

    bool valid() const { return stream_.valid(); }

    const device::HidAttributes& attributes() const override { return attributes_; }
    const device::TopLevelCollection& collection() const override { return collection_; }
    int read(std::span<uint8_t> report, size_t& transferred, int timeout_ms) override;
    int write(std::span<const uint8_t> report, size_t& transferred, int timeout_ms) override;
    int set_output_report(std::span<const uint8_t> report) override;
    void abort() override;

private:
    device::HidAttributes attributes_;
    device::TopLevelCollection collection_;
    ReportStream stream_;
};

}  // namespace ilmo::platform
