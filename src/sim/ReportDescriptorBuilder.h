#pragma once
// Writes HID report descriptor bytes item by item, choosing the shortest encoding of each
// value, so the emulated interfaces can be described in readable code instead of hex dumps.

#include <cstdint>
#include <vector>

namespace ilmo::sim {

class ReportDescriptorBuilder {
public:
    // Main item data bits.
    static constexpr uint32_t kData = 0x00;
    static constexpr uint32_t kConstant = 0x01;
    static constexpr uint32_t kArray = 0x00;
    static constexpr uint32_t kVariable = 0x02;
    static constexpr uint32_t kRelative = 0x04;

    static constexpr uint8_t kPhysical = 0x00;
    static constexpr uint8_t kApplication = 0x01;

    ReportDescriptorBuilder& usage_page(uint32_t page);
    ReportDescriptorBuilder& usage(uint32_t usage);
    ReportDescriptorBuilder& usage_minimum(uint32_t usage);
    ReportDescriptorBuilder& usage_maximum(uint32_t usage);
    ReportDescriptorBuilder& logical_minimum(int32_t value);
    ReportDescriptorBuilder& logical_maximum(int32_t value);
    ReportDescriptorBuilder& report_size(uint32_t bits);
    ReportDescriptorBuilder& report_count(uint32_t count);
    ReportDescriptorBuilder& report_id(uint8_t id);
    ReportDescriptorBuilder& collection(uint8_t type);
    ReportDescriptorBuilder& end_collection();
    ReportDescriptorBuilder& input(uint32_t flags);
    ReportDescriptorBuilder& output(uint32_t flags);
    ReportDescriptorBuilder& feature(uint32_t flags);

    const std::vector<uint8_t>& bytes() const { return bytes_; }

private:
    // `prefix` is the item's tag and type with a size field of 0.
    void item_unsigned(uint8_t prefix, uint32_t value);
    void item_signed(uint8_t prefix, int32_t value);
    void item(uint8_t prefix, uint32_t value, int size_bytes);

    std::vector<uint8_t> bytes_;
};

}  // namespace ilmo::sim
