#pragma once
// The audio configuration library's binary interface: a shared library with C entry points,
// looked up by name at run time, that reads and writes named properties of the headset's
// sound endpoints. The program ships two: the real one (the sound card's mixer and the sound
// server) and the emulated one (keeps every property it is given). Both are loaded from the
// program folder's "SDK/". Plain C, so either side can be built on its own.

#include <stdint.h>
#include <wchar.h>

#ifdef __cplusplus
extern "C" {
#endif

// Flows of GetDeviceCount and GetDeviceById.
#define CONF_LIB_FLOW_PLAYBACK 0
#define CONF_LIB_FLOW_CAPTURE 1

// Device types the host chooses by: playback 1, else 12, else 7, else 4; capture 2.
#define CONF_LIB_TYPE_PLAYBACK 1
#define CONF_LIB_TYPE_CAPTURE 2
#define CONF_LIB_STATE_ACTIVE 1

// Every PropertyControl buffer is this long and zero-filled by the caller. Numbers travel as
// a 32-bit integer at its start, levels as a 32-bit float, ranges and the feature list as
// text (which a caller reads no further than the buffer, terminated or not).
#define CONF_LIB_BUFFER_BYTES 1024

// Passed by value.
typedef struct ConfLibDevice {
    int32_t id;
    int32_t type;
    int32_t handle;
    int32_t state;
} ConfLibDevice;

// Results: 0 success, anything else failure (a read of a property the device lacks fails).
typedef int32_t (*ConfLibInitFn)(void);
typedef int32_t (*ConfLibUnInitFn)(void);
typedef int32_t (*CreateDeviceListFn)(void);
typedef int32_t (*GetDeviceCountFn)(int32_t flow, int32_t* count);
typedef int32_t (*GetDeviceByIdFn)(int32_t flow, int32_t index, ConfLibDevice* device);
// `set` 0 reads the property into `value`, 1 writes it from `value`; `second` carries a
// channel (-1 all, 0, 1) or a parameter block, as the property wants.
typedef int32_t (*PropertyControlFn)(ConfLibDevice device, const wchar_t* name, void* value,
                                     void* second, int32_t set);
// Looked up and kept; the host does not call them.
typedef int32_t (*RegisterCallbackFunctionFn)(void* callback);
typedef int32_t (*ConfLibPanelFn)(void);

// Entry point names.
#define CONF_LIB_INIT "ConfLibInit"
#define CONF_LIB_UNINIT "ConfLibUnInit"
#define CONF_LIB_CREATE_DEVICE_LIST "CreateDeviceList"
#define CONF_LIB_GET_DEVICE_COUNT "GetDeviceCount"
#define CONF_LIB_GET_DEVICE_BY_ID "GetDeviceById"
#define CONF_LIB_PROPERTY_CONTROL "PropertyControl"
#define CONF_LIB_REGISTER_CALLBACK "RegisterCallbackFunction"
#define CONF_LIB_SHOW_ASIO_PANEL "ShowAsioPanel"
#define CONF_LIB_PLAY_TEST_SOUND "PlayTestSound"
#define CONF_LIB_STOP_TEST_SOUND "StopTestSound"
#define CONF_LIB_CLOSE_TEST_SOUND "CloseTestSound"

// The library files under the program folder.
#define CONF_LIB_REAL_FILE "SDK/libosConfLib.so"
#define CONF_LIB_EMULATED_FILE "SDK/libosConfLib-emulated.so"

#ifdef __cplusplus
}
#endif

#ifdef __cplusplus
// Property names, exact.
namespace ilmo::audio::property {
// Capture endpoint.
inline constexpr const wchar_t* kGetMaxVol = L"GetMaxVol";
inline constexpr const wchar_t* kGetMinVol = L"GetMinVol";
inline constexpr const wchar_t* kGetVolStep = L"GetVolStep";
inline constexpr const wchar_t* kVolumeControl = L"VolumeControl";
inline constexpr const wchar_t* kVolumeScalarControl = L"VolumeScalarControl";
inline constexpr const wchar_t* kMuteControl = L"MuteControl";
inline constexpr const wchar_t* kGetAAMaxVol = L"GetAAMaxVol";
inline constexpr const wchar_t* kGetAAMinVol = L"GetAAMinVol";
inline constexpr const wchar_t* kGetAAVolStep = L"GetAAVolStep";
inline constexpr const wchar_t* kAAVolumeControl = L"AAVolumeControl";
inline constexpr const wchar_t* kAAVolumeScalarControl = L"AAVolumeScalarControl";
inline constexpr const wchar_t* kAAMuteControl = L"AAMuteControl";
inline constexpr const wchar_t* kEnableMagicVoice = L"Enable_MAGICVOICE";
inline constexpr const wchar_t* kMagicVoiceSelection = L"MagicVoice_Selection";
inline constexpr const wchar_t* kEnableMicEcho = L"Enable_MICECHO";
inline constexpr const wchar_t* kEnableNoiseReduction = L"Enable_ENC_LFX";
// Both endpoints. At least seven comma-separated integers, 1 supported and 0 not; the host
// keeps item 0 (equaliser), item 4 (voice changer) and item 6 (virtual surround). Items 1-3
// and 5 are the library's own (noise reduction, microphone echo, room effect, ...).
inline constexpr const wchar_t* kGetSupportFeature = L"GetSupportFeature";
inline constexpr int kFeatureItemsWanted = 7;
inline constexpr int kFeatureEqualiser = 0;
inline constexpr int kFeatureVoiceChanger = 4;
inline constexpr int kFeatureSurround = 6;
// Playback endpoint.
inline constexpr const wchar_t* kEnableEq = L"Enable_EQ_GFX";
// "EQ_Slider1" ... "EQ_Slider10".
inline constexpr const wchar_t* kEqSliderPrefix = L"EQ_Slider";
inline constexpr const wchar_t* kVirtualSurround = L"VirtualSurroundEffectControl";
inline constexpr const wchar_t* kEnableRoomEffect = L"Enable_RFX_GFX";
inline constexpr const wchar_t* kRoomEnvironment = L"RFX_ENVIRONMENT";
inline constexpr const wchar_t* kRoomSize = L"RFX_ROOMSIZE";
}  // namespace ilmo::audio::property
#endif
