#include "sim/ProductInterfaces.h"

#include "sim/ReportDescriptorBuilder.h"

namespace ilmo::sim {

namespace {

using Builder = ReportDescriptorBuilder;

constexpr uint32_t kGenericDesktop = 0x01;
constexpr uint32_t kKeyboardPage = 0x07;
constexpr uint32_t kLedPage = 0x08;
constexpr uint32_t kButtonPage = 0x09;
constexpr uint32_t kConsumerPage = 0x0C;
constexpr uint32_t kVendorPage = 0xFF1C;

// Modifier bits, then either six key slots (boot protocol) or one bit per key.
void add_keyboard(Builder& b, uint8_t report_id, bool bitmap) {
    b.usage_page(kGenericDesktop).usage(0x06).collection(Builder::kApplication);
    if (report_id != 0) b.report_id(report_id);
    b.usage_page(kKeyboardPage).usage_minimum(0xE0).usage_maximum(0xE7);
    b.logical_minimum(0).logical_maximum(1).report_size(1).report_count(8);
    b.input(Builder::kData | Builder::kVariable);
    if (bitmap) {
        b.usage_minimum(0x00).usage_maximum(0x77).report_count(120);
        b.input(Builder::kData | Builder::kVariable);
    } else {
        b.report_count(1).report_size(8).input(Builder::kConstant);
        b.usage_minimum(0x00).usage_maximum(0xFF).logical_maximum(0xFF);
        b.report_size(8).report_count(6).input(Builder::kData | Builder::kArray);
    }
    b.usage_page(kLedPage).usage_minimum(1).usage_maximum(5);
    b.logical_minimum(0).logical_maximum(1).report_size(1).report_count(5);
    b.output(Builder::kData | Builder::kVariable);
    b.report_count(3).output(Builder::kConstant);
    b.end_collection();
}

// Five buttons and relative X, Y and wheel; 8-bit axes for the boot protocol, 16-bit with
// an id for the report-protocol interface.
void add_mouse(Builder& b, uint8_t report_id) {
    b.usage_page(kGenericDesktop).usage(0x02).collection(Builder::kApplication);
    if (report_id != 0) b.report_id(report_id);
    b.usage(0x01).collection(Builder::kPhysical);
    b.usage_page(kButtonPage).usage_minimum(1).usage_maximum(5);
    b.logical_minimum(0).logical_maximum(1).report_size(1).report_count(5);
    b.input(Builder::kData | Builder::kVariable);
    b.report_count(3).input(Builder::kConstant);
    b.usage_page(kGenericDesktop).usage(0x30).usage(0x31).usage(0x38);
    if (report_id != 0) {
        b.logical_minimum(-32767).logical_maximum(32767).report_size(16);
    } else {
        b.logical_minimum(-127).logical_maximum(127).report_size(8);
    }
    b.report_count(3).input(Builder::kData | Builder::kVariable | Builder::kRelative);
    b.end_collection().end_collection();
}

// Power down, sleep and wake up.
void add_system_control(Builder& b, uint8_t report_id) {
    b.usage_page(kGenericDesktop).usage(0x80).collection(Builder::kApplication);
    b.report_id(report_id).usage_minimum(0x81).usage_maximum(0x83);
    b.logical_minimum(0).logical_maximum(1).report_size(1).report_count(3);
    b.input(Builder::kData | Builder::kVariable);
    b.report_count(5).input(Builder::kConstant);
    b.end_collection();
}

// One 16-bit consumer usage per report: the firmware sends its event codes through it.
void add_consumer_events(Builder& b, uint8_t report_id) {
    b.usage_page(kConsumerPage).usage(0x01).collection(Builder::kApplication);
    b.report_id(report_id).usage_minimum(0).usage_maximum(0x7FFF);
    b.logical_minimum(0).logical_maximum(0x7FFF).report_size(16).report_count(1);
    b.input(Builder::kData | Builder::kArray);
    b.end_collection();
}

// A vendor collection with one input and one output report of `data_bytes` bytes.
void add_vendor_channel(Builder& b, uint32_t page, uint32_t usage, uint8_t report_id,
                        uint32_t data_bytes) {
    b.usage_page(page).usage(usage).collection(Builder::kApplication);
    b.report_id(report_id).logical_minimum(0).logical_maximum(0xFF).report_size(8);
    b.usage(0x01).report_count(data_bytes).input(Builder::kData | Builder::kVariable);
    b.usage(0x02).report_count(data_bytes).output(Builder::kData | Builder::kVariable);
    b.end_collection();
}

void add_vendor_feature(Builder& b, uint32_t page, uint32_t usage, uint8_t report_id,
                        uint32_t data_bytes) {
    b.usage_page(page).usage(usage).collection(Builder::kApplication);
    b.report_id(report_id).logical_minimum(0).logical_maximum(0xFF).report_size(8);
    b.usage(0x01).report_count(data_bytes).feature(Builder::kData | Builder::kVariable);
    b.end_collection();
}

// The headset's only HID interface: its buttons as consumer usages in, and 16-byte
// lighting reports out.
void add_headset(Builder& b) {
    b.usage_page(kConsumerPage).usage(0x01).collection(Builder::kApplication);
    b.report_id(0x01).logical_minimum(0).logical_maximum(1).report_size(1);
    b.usage(0xE9).usage(0xEA).usage(0xE2).usage(0xCD).report_count(4);
    b.input(Builder::kData | Builder::kVariable);
    b.report_count(4).input(Builder::kConstant);
    b.report_id(0xFF).usage_page(0xFF00).usage(0x01);
    b.logical_minimum(0).logical_maximum(0xFF).report_size(8).report_count(16);
    b.output(Builder::kData | Builder::kVariable);
    b.end_collection();
}

ProductInterface boot_keyboard_interface() {
    Builder b;
    add_keyboard(b, 0, false);
    return {0, b.bytes(), 0, 0};
}

ProductInterface boot_mouse_interface(int interface_number) {
    Builder b;
    add_mouse(b, 0);
    return {interface_number, b.bytes(), 0, 0};
}

// Interface 1 of the 0x320F products: full keyboard, system control, the event collection
// and the command collection, numbered 1 to 4 in this order.
ProductInterface vendor_composite_interface() {
    Builder b;
    add_keyboard(b, 1, true);
    add_system_control(b, 2);
    add_consumer_events(b, kEventReportId);
    add_vendor_channel(b, kVendorPage, 0x92, kCommandReportId, kCommandReportBytes - 1);
    return {1, b.bytes(), 4, 3, 1};
}

// The cabled mouse keeps its events on interface 1 and its commands on interface 2, behind a
// second vendor collection on the page the other products use for commands.
ProductInterface mouse_event_interface() {
    Builder b;
    add_keyboard(b, 1, true);
    add_system_control(b, 2);
    add_consumer_events(b, kEventReportId);
    return {1, b.bytes(), 0, 3, 1};
}

ProductInterface mouse_command_interface() {
    Builder b;
    add_mouse(b, 1);
    add_vendor_feature(b, 0xFF00, 0x01, 2, 7);
    add_vendor_channel(b, kVendorPage, 0x92, 5, kCommandReportBytes - 1);
    add_vendor_channel(b, 0xFF01, 0x00, kCommandReportId, kCommandReportBytes - 1);
    return {2, b.bytes(), 4, 0};
}

ProductInterface headset_interface() {
    Builder b;
    add_headset(b);
    return {3, b.bytes(), 0, 0};
}

}  // namespace

std::vector<ProductInterface> product_interfaces(SimProduct product) {
    switch (product) {
        case SimProduct::Keyboard:
        case SimProduct::MousePad:
            return {boot_keyboard_interface(), vendor_composite_interface()};
        case SimProduct::KeyboardReceiver:
            return {boot_keyboard_interface(), vendor_composite_interface(),
                    boot_mouse_interface(2)};
        case SimProduct::MouseReceiver:
            return {boot_mouse_interface(0), vendor_composite_interface()};
        case SimProduct::Mouse:
            return {boot_mouse_interface(0), mouse_event_interface(), mouse_command_interface()};
        case SimProduct::Headset:
            return {headset_interface()};
    }
    return {};
}

}  // namespace ilmo::sim
