#pragma once
// Controls of a power indicator (one per device page, in "device_power_switch"), and the
// images it shows, relative to the skin folder.

#include "shell/names/NamedControl.h"

namespace ilmo::shell::names::power_indicator {

inline constexpr const char* kUiFile = "XML\\CustomControlXML\\MpDevicePower.xml";

// Battery level as "%d%%".
inline constexpr const char* kPowerValue = "device_power_value";
// Drawn as the drained part of the battery: its value is 100 minus the level.
inline constexpr const char* kPowerProgress = "device_Power_progress";
// Charge state image (kPowered, kPowering or kPower).
inline constexpr const char* kChargeImage = "device_power_state";
// Shown while the device is reached through its receiver.
inline constexpr const char* kWirelessLogo = "device_wuxian_logo";
// Mouse-pad only: the phone lying on the pad's charger.
inline constexpr const char* kPhoneTypeImage = "device_phone_type";

inline constexpr const char* kPowered = "power/powered.png";
inline constexpr const char* kPowering = "power/powering.png";
inline constexpr const char* kPower = "power/power.png";
inline constexpr const char* kPhoneIphone = "power/Phone_type_iphone.png";
inline constexpr const char* kPhoneSamsung = "power/Phone_type_samsung.png";
inline constexpr const char* kPhoneOther = "power/Phone_type_other.png";
inline constexpr const char* kPhoneNoDevice = "power/Phone_type_no_device.png";

// Tool tips of the phone image (language keys).
inline constexpr const char* kPhoneIphoneText = "Phone_type_iphone";
inline constexpr const char* kPhoneSamsungText = "Phone_type_samsung";
inline constexpr const char* kPhoneOtherText = "Phone_type_other";
inline constexpr const char* kPhoneNoDeviceText = "Phone_type_no_device";

inline constexpr NamedControl kControls[] = {
    {kPowerValue, "QLabel"},
    {kPowerProgress, "QProgressBar"},
    {kChargeImage, "QLabel"},
    {kWirelessLogo, "QLabel"},
    {kPhoneTypeImage, "QLabel"},
};

}  // namespace ilmo::shell::names::power_indicator
