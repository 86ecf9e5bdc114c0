#include "sim/ReportDescriptorBuilder.h"

namespace ilmo::sim {

namespace {

// Item prefixes (tag and type, size field 0) of the short items this builder writes.
constexpr uint8_t kInput = 0x80;
constexpr uint8_t kOutput = 0x90;
constexpr uint8_t kCollection = 0xA0;
constexpr uint8_t kFeature = 0xB0;
constexpr uint8_t kEndCollection = 0xC0;
constexpr uint8_t kUsagePage = 0x04;
constexpr uint8_t kLogicalMinimum = 0x14;
constexpr uint8_t kLogicalMaximum = 0x24;
constexpr uint8_t kReportSize = 0x74;
constexpr uint8_t kReportId = 0x84;
constexpr uint8_t kReportCount = 0x94;
constexpr uint8_t kUsage = 0x08;
constexpr uint8_t kUsageMinimum = 0x18;
constexpr uint8_t kUsageMaximum = 0x28;

// The size field encodes 0, 1, 2 or 4 data bytes as 0, 1, 2, 3.
uint8_t size_code(int size_bytes) {
    return size_bytes == 4 ? 3 : static_cast<uint8_t>(size_bytes);
}

}  // namespace

void ReportDescriptorBuilder::item(uint8_t prefix, uint32_t value, int size_bytes) {
    bytes_.push_back(static_cast<uint8_t>(prefix | size_code(size_bytes)));
    for (int i = 0; i < size_bytes; ++i) bytes_.push_back(static_cast<uint8_t>(value >> (8 * i)));
}

void ReportDescriptorBuilder::item_unsigned(uint8_t prefix, uint32_t value) {
    item(prefix, value, value <= 0xFF ? 1 : value <= 0xFFFF ? 2 : 4);
}

void ReportDescriptorBuilder::item_signed(uint8_t prefix, int32_t value) {
    // Logical limits are signed: 255 needs two bytes, or it would read back as -1.
    int size_bytes = 4;
    if (value >= -128 && value <= 127) {
        size_bytes = 1;
    } else if (value >= -32768 && value <= 32767) {
        size_bytes = 2;
    }
    item(prefix, static_cast<uint32_t>(value), size_bytes);
}

ReportDescriptorBuilder& ReportDescriptorBuilder::usage_page(uint32_t page) {
    item_unsigned(kUsagePage, page);
    return *this;
}

ReportDescriptorBuilder& ReportDescriptorBuilder::usage(uint32_t usage) {
    item_unsigned(kUsage, usage);
    return *this;
}

ReportDescriptorBuilder& ReportDescriptorBuilder::usage_minimum(uint32_t usage) {
    item_unsigned(kUsageMinimum, usage);
    return *this;
}

ReportDescriptorBuilder& ReportDescriptorBuilder::usage_maximum(uint32_t usage) {
    item_unsigned(kUsageMaximum, usage);
    return *this;
}

ReportDescriptorBuilder& ReportDescriptorBuilder::logical_minimum(int32_t value) {
    item_signed(kLogicalMinimum, value);
    return *this;
}

ReportDescriptorBuilder& ReportDescriptorBuilder::logical_maximum(int32_t value) {
    item_signed(kLogicalMaximum, value);
    return *this;
}

ReportDescriptorBuilder& ReportDescriptorBuilder::report_size(uint32_t bits) {
    item_unsigned(kReportSize, bits);
    return *this;
}

ReportDescriptorBuilder& ReportDescriptorBuilder::report_count(uint32_t count) {
    item_unsigned(kReportCount, count);
    return *this;
}

ReportDescriptorBuilder& ReportDescriptorBuilder::report_id(uint8_t id) {
    item(kReportId, id, 1);
    return *this;
}

ReportDescriptorBuilder& ReportDescriptorBuilder::collection(uint8_t type) {
    item(kCollection, type, 1);
    return *this;
}

ReportDescriptorBuilder& ReportDescriptorBuilder::end_collection() {
    item(kEndCollection, 0, 0);
    return *this;
}

ReportDescriptorBuilder& ReportDescriptorBuilder::input(uint32_t flags) {
    item(kInput, flags, 1);
    return *this;
}

ReportDescriptorBuilder& ReportDescriptorBuilder::output(uint32_t flags) {
    item(kOutput, flags, 1);
    return *this;
}

ReportDescriptorBuilder& ReportDescriptorBuilder::feature(uint32_t flags) {
    item(kFeature, flags, 1);
    return *this;
}

}  // namespace ilmo::sim
