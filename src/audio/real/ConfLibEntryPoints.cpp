// The library's C entry points, the only symbols it exports. Each one hands over to the one
// ConfLibrary of the process: the host loads the library once and calls it as a plain C API.

#include "audio/ConfLibApi.h"
#include "audio/real/ConfLibrary.h"

namespace {

// Long enough for a busy server on a loaded machine, short enough that a server that does
// not answer never freezes the page that called.
constexpr int kServerTimeout_ms = 2000;

ilmo::audio::ConfLibrary& library() {
    static ilmo::audio::ConfLibrary instance("/proc/asound", kServerTimeout_ms);
    return instance;
}

// The test-sound and panel calls have nothing to show on Linux.
constexpr int32_t kNotOffered = 1;

}  // namespace

#define CONF_LIB_EXPORT extern "C" __attribute__((visibility("default")))

CONF_LIB_EXPORT int32_t ConfLibInit(void) {
    return library().init();
}

CONF_LIB_EXPORT int32_t ConfLibUnInit(void) {
    return library().uninit();
}

CONF_LIB_EXPORT int32_t CreateDeviceList(void) {
    return library().create_device_list();
}

CONF_LIB_EXPORT int32_t GetDeviceCount(int32_t flow, int32_t* count) {
    return library().device_count(flow, count);
}

CONF_LIB_EXPORT int32_t GetDeviceById(int32_t flow, int32_t index, ConfLibDevice* device) {
    return library().device_by_id(flow, index, device);
}

CONF_LIB_EXPORT int32_t PropertyControl(ConfLibDevice device, const wchar_t* name, void* value,
                                        void* second, int32_t set) {
    return library().property_control(device, name, value, second, set);
}

CONF_LIB_EXPORT int32_t RegisterCallbackFunction(void* /*callback*/) {
    // Nothing is reported back to the host: device changes are found by listing again.
    return 0;
}

CONF_LIB_EXPORT int32_t ShowAsioPanel(void) {
    return kNotOffered;
}

CONF_LIB_EXPORT int32_t PlayTestSound(void) {
    return kNotOffered;
}

CONF_LIB_EXPORT int32_t StopTestSound(void) {
    return kNotOffered;
}

CONF_LIB_EXPORT int32_t CloseTestSound(void) {
    return kNotOffered;
}
