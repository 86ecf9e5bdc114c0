#pragma once
// Controls of the four device pages. Each page's root is of its page class; it holds the
// profile panel (with the feature tabs, see ProfilePanelNames.h), the device picture and
// two stacks whose pages the feature panels are built into.

#include <span>

#include "shell/names/NamedControl.h"

namespace ilmo::shell::names::device_page {

// Stack of the whole feature area; page 0 shows the device picture above the key stack.
inline constexpr const char* kFunctionSwitch = "device_function_switch";
// Stack under the device picture.
inline constexpr const char* kKeyFunctionSwitch = "device_key_function_switch";
// Fixed-size area holding the picture image, the select panel and, on the mouse page, the
// key callouts.
inline constexpr const char* kPictureArea = "device_picture_area";
inline constexpr const char* kPictureImage = "device_picture";

// Families on the picture: "key_" + index (key buttons) and "light_" + index (lights).
inline constexpr const char* kKeyPrefix = "key_";
inline constexpr const char* kLightPrefix = "light_";

inline constexpr const char* kPicturePage = "function_page_picture";
inline constexpr const char* kMacroPage = "function_page_macro";
inline constexpr const char* kDpiPage = "function_page_dpi";
inline constexpr const char* kSystemPage = "function_page_system";
inline constexpr const char* kVirtualPage = "function_page_virtual";
inline constexpr const char* kLightPage = "key_function_page_light";
inline constexpr const char* kKeySetPage = "key_function_page_keyset";
inline constexpr const char* kVoicePage = "key_function_page_voice";
inline constexpr const char* kMagicPage = "key_function_page_magic";

// An empty page of one of the stacks, at the index the page's tab selects.
struct StackPage {
    const char* name;
    const char* stack;
    int index;
};

// Keyboard and mouse share the indices, so the tab number maps to the same pages on both.
inline constexpr StackPage kKeyboardMousePages[] = {
    {kPicturePage, kFunctionSwitch, 0}, {kMacroPage, kFunctionSwitch, 1},
    {kDpiPage, kFunctionSwitch, 2},     {kSystemPage, kFunctionSwitch, 3},
    {kLightPage, kKeyFunctionSwitch, 0}, {kKeySetPage, kKeyFunctionSwitch, 1},
};
inline constexpr StackPage kMousePadPages[] = {
    {kPicturePage, kFunctionSwitch, 0},
    {kLightPage, kKeyFunctionSwitch, 0},
};
inline constexpr StackPage kHeadsetPages[] = {
    {kPicturePage, kFunctionSwitch, 0},  {kVirtualPage, kFunctionSwitch, 1},
    {kLightPage, kKeyFunctionSwitch, 0}, {kVoicePage, kKeyFunctionSwitch, 1},
    {kMagicPage, kKeyFunctionSwitch, 2},
};

struct DevicePage {
    const char* ui_file;
    const char* root_class;
    const char* picture;  // the select panel holding the lights
    int key_count;        // "key_0" ... "key_<key_count - 1>"
    int first_light;      // lights "light_<first_light>" ...
    int light_end;        // ... up to, not including, "light_<light_end>"
    std::span<const StackPage> pages;
};

// The keyboard's keys are also the lights 0-125 of their keys, inside the select panel;
// the lights from 126 on are the edge light strip.
inline constexpr DevicePage kKeyboard{"XML\\DeviceXml\\keyboarddevice.xml",
                                      "TavrinKeyboardDevice",
                                      "device_key_light",
                                      126,
                                      126,
                                      150,
                                      kKeyboardMousePages};
// The mouse's keys are callouts beside the picture, outside the select panel, so that they
// click like ordinary buttons.
inline constexpr DevicePage kMouse{"XML\\DeviceXml\\mousedevice.xml",
                                   "TavrinMouseDevice",
                                   "mouse_device_key_light",
                                   11,
                                   0,
                                   15,
                                   kKeyboardMousePages};
inline constexpr DevicePage kMousePad{"XML\\DeviceXml\\mousepaddevice.xml",
                                      "TavrinMousePadDevice",
                                      "mousepad_device_key_light",
                                      0,
                                      0,
                                      15,
                                      kMousePadPages};
inline constexpr DevicePage kHeadset{"XML\\DeviceXml\\hs6533device.xml",
                                     "TavrinHS6533Device",
                                     "hs6533_device_key_light",
                                     0,
                                     0,
                                     13,
                                     kHeadsetPages};

inline constexpr DevicePage kPages[] = {kKeyboard, kMouse, kMousePad, kHeadset};

// Present on every page besides its pages and families.
inline constexpr NamedControl kControls[] = {
    {kFunctionSwitch, "QStackedWidget"},
    {kKeyFunctionSwitch, "QStackedWidget"},
    {kPictureArea, "QWidget"},
    {kPictureImage, "QLabel"},
};

}  // namespace ilmo::shell::names::device_page
