#pragma once
// A small sysfs and /dev in a temporary folder, laid out as Linux lays out USB hidraw nodes:
//   sys/class/hidraw/hidrawN -> sys/devices/usb1/1-N/1-N:1.I/0003:VVVV:PPPP.000N/hidraw/hidrawN
// with the USB device's attributes, the interface number, the hid device's HID_ID and report
// descriptor, and an empty file as each device node.

#include <gtest/gtest.h>
#include <stdlib.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "platform/HidrawSysfs.h"

namespace ilmo::platform::testing {

struct FakeUsbNode {
    int number = 0;  // N of hidrawN
    uint16_t vendor_id = 0;
    uint16_t product_id = 0;
    uint8_t interface_number = 0;
    uint16_t release = 0x0100;
    std::vector<uint8_t> descriptor;
    bool descriptor_readable = true;
};

class FakeHidrawTree {
public:
    FakeHidrawTree() {
        std::string pattern = ::testing::TempDir() + "hidraw-tree-XXXXXX";
        root_ = ::mkdtemp(pattern.data());
        std::filesystem::create_directories(root_ / "sys" / "class" / "hidraw");
        std::filesystem::create_directories(root_ / "dev");
    }
    ~FakeHidrawTree() {
        std::error_code ignored;
        std::filesystem::remove_all(root_, ignored);
    }
    FakeHidrawTree(const FakeHidrawTree&) = delete;
    FakeHidrawTree& operator=(const FakeHidrawTree&) = delete;

    HidrawRoots roots() const { return {(root_ / "sys").string(), (root_ / "dev").string()}; }
    std::string devnode(int number) const {
        return roots().dev + "/hidraw" + std::to_string(number);
    }
    const std::filesystem::path& root() const { return root_; }

    void add(const FakeUsbNode& node) {
        namespace fs = std::filesystem;
        const std::string n = std::to_string(node.number);
        const fs::path usb_device = root_ / "sys" / "devices" / "usb1" / ("1-" + n);
        const fs::path usb_interface =
            usb_device / ("1-" + n + ":1." + std::to_string(node.interface_number));
        const fs::path hid =
            usb_interface / (format("0003:%04X:%04X.", node.vendor_id, node.product_id) +
                             format("%04X", node.number));
        const fs::path hidraw = hid / "hidraw" / ("hidraw" + n);
        fs::create_directories(hidraw);
        write(usb_device / "idVendor", format("%04x\n", node.vendor_id));
        write(usb_device / "idProduct", format("%04x\n", node.product_id));
        write(usb_device / "bcdDevice", format("%04x\n", node.release));
        write(usb_interface / "bInterfaceNumber", format("%02x\n", node.interface_number));
        write(hid / "uevent", format("DRIVER=hid-generic\nHID_ID=0003:%08X:", node.vendor_id) +
                                  format("%08X\nHID_NAME=Fake\n", node.product_id));
        if (node.descriptor_readable) {
            write(hid / "report_descriptor",
                  std::string(node.descriptor.begin(), node.descriptor.end()));
        }
        write(hidraw / "uevent", "MAJOR=243\nMINOR=" + n + "\nDEVNAME=hidraw" + n + "\n");
        fs::create_directory_symlink(hid, hidraw / "device");
        fs::create_directory_symlink(hidraw, root_ / "sys" / "class" / "hidraw" / ("hidraw" + n));
        write(devnode(node.number), "");
    }

    void remove(int number) {
        std::filesystem::remove(root_ / "sys" / "class" / "hidraw" /
                                ("hidraw" + std::to_string(number)));
        std::filesystem::remove(devnode(number));
    }

private:
    template <class... Args>
    static std::string format(const char* pattern, Args... values) {
        char text[128];
        std::snprintf(text, sizeof text, pattern, values...);
        return text;
    }
    static void write(const std::filesystem::path& file, const std::string& text) {
        std::ofstream(file, std::ios::binary) << text;
    }

    std::filesystem::path root_;
};

}  // namespace ilmo::platform::testing
