// The emulated audio configuration library: one playback and one capture device whose
// properties keep whatever they were given. A few start with the values a headset reports out
// of the box; reading any other property before it was written fails, as the real library's
// reads of a property the device lacks do.

#include "audio/emulated/EmulatedConfLib.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <cstring>
#include <map>
#include <mutex>
#include <set>
#include <string>
#include <utility>

#include "audio/ConfLibApi.h"

namespace {

using Buffer = std::array<uint8_t, CONF_LIB_BUFFER_BYTES>;
using Key = std::pair<int32_t, std::string>;  // device type, property name

constexpr int32_t kFailed = 1;
constexpr int32_t kUnknownDevice = 2;
constexpr size_t kLogLimitBytes = 256 * 1024;

constexpr ConfLibDevice kPlayback{1, CONF_LIB_TYPE_PLAYBACK, 0x100, CONF_LIB_STATE_ACTIVE};
constexpr ConfLibDevice kCapture{2, CONF_LIB_TYPE_CAPTURE, 0x200, CONF_LIB_STATE_ACTIVE};

struct Library {
    std::mutex mutex;
    std::map<Key, Buffer> properties;
    std::set<std::pair<std::string, int32_t>> failing;  // name, set flag
    std::string log;
    int32_t init_result = 0;
};

Library& library() {
    static Library instance;
    return instance;
}

Buffer text_buffer(const char* text) {
    Buffer buffer{};
    std::memcpy(buffer.data(), text, std::strlen(text));
    return buffer;
}

template <class T>
Buffer value_buffer(T value) {
    Buffer buffer{};
    std::memcpy(buffer.data(), &value, sizeof(value));
    return buffer;
}

// Library lock held.
void set_factory_state(Library& lib) {
    lib.properties.clear();
    lib.failing.clear();
    lib.log.clear();
    lib.init_result = 0;
    const int32_t capture = CONF_LIB_TYPE_CAPTURE;
    const int32_t playback = CONF_LIB_TYPE_PLAYBACK;
    auto& p = lib.properties;
    p[{capture, "GetMinVol"}] = text_buffer("0.00");
    p[{capture, "GetMaxVol"}] = text_buffer("100.00");
    p[{capture, "GetVolStep"}] = text_buffer("1.00");
    p[{capture, "GetAAMinVol"}] = text_buffer("0.00");
    p[{capture, "GetAAMaxVol"}] = text_buffer("100.00");
    p[{capture, "GetAAVolStep"}] = text_buffer("1.00");
    p[{capture, "VolumeControl"}] = value_buffer(80.0F);
    p[{capture, "VolumeScalarControl"}] = value_buffer(0.8F);
    p[{capture, "MuteControl"}] = value_buffer(int32_t{0});
    p[{capture, "AAVolumeControl"}] = value_buffer(50.0F);
    p[{capture, "AAVolumeScalarControl"}] = value_buffer(0.5F);
    p[{capture, "AAMuteControl"}] = value_buffer(int32_t{1});
    p[{capture, "GetSupportFeature"}] = text_buffer("1,1,1,1,1,1,1");
    p[{playback, "GetSupportFeature"}] = text_buffer("1,1,1,1,1,1,1");
}

Library& ready_library() {
    Library& lib = library();
    static std::once_flag factory;
    std::call_once(factory, [&] {
        std::lock_guard lock(lib.mutex);
        set_factory_state(lib);
    });
    return lib;
}

// Property names are plain ASCII.
std::string narrow(const wchar_t* name) {
    std::string text;
    for (; *name != 0; ++name) text.push_back(static_cast<char>(*name));
    return text;
}

const char* device_name(int32_t type) {
    return type == CONF_LIB_TYPE_PLAYBACK ? "playback" : "capture";
}

void log_write(Library& lib, int32_t type, const std::string& name, const Buffer& value,
               const uint8_t* second) {
    int32_t as_int = 0;
    float as_float = 0;
    int32_t words[3] = {};
    std::memcpy(&as_int, value.data(), sizeof(as_int));
    std::memcpy(&as_float, value.data(), sizeof(as_float));
    std::memcpy(words, second, sizeof(words));
    char line[256];
    std::snprintf(line, sizeof(line), "%s %s %d %g %d %d %d\n", device_name(type), name.c_str(),
                  as_int, static_cast<double>(as_float), words[0], words[1], words[2]);
    if (lib.log.size() + std::strlen(line) <= kLogLimitBytes) lib.log += line;
}

bool take_failure(Library& lib, const std::string& name, int32_t set) {
    return lib.failing.erase({name, set}) > 0;
}

}  // namespace

extern "C" {

int32_t ConfLibInit(void) {
    Library& lib = ready_library();
    std::lock_guard lock(lib.mutex);
    return lib.init_result;
}

int32_t ConfLibUnInit(void) {
    return 0;
}
int32_t CreateDeviceList(void) {
    return 0;
}

int32_t GetDeviceCount(int32_t flow, int32_t* count) {
    if (count == nullptr) return kFailed;
    *count = flow == CONF_LIB_FLOW_PLAYBACK || flow == CONF_LIB_FLOW_CAPTURE ? 1 : 0;
    return 0;
}

int32_t GetDeviceById(int32_t flow, int32_t index, ConfLibDevice* device) {
    if (device == nullptr || index != 0) return kUnknownDevice;
    if (flow == CONF_LIB_FLOW_PLAYBACK)
        *device = kPlayback;
    else if (flow == CONF_LIB_FLOW_CAPTURE)
        *device = kCapture;
    else
        return kUnknownDevice;
    return 0;
}

int32_t PropertyControl(ConfLibDevice device, const wchar_t* name, void* value, void* second,
                        int32_t set) {
    if (name == nullptr || value == nullptr || second == nullptr) return kFailed;
    if (device.id != kPlayback.id && device.id != kCapture.id) return kUnknownDevice;
    Library& lib = ready_library();
    std::lock_guard lock(lib.mutex);
    const std::string property = narrow(name);
    if (take_failure(lib, property, set != 0 ? 1 : 0)) return kFailed;
    const Key key{device.type, property};
    if (set != 0) {
        Buffer& stored = lib.properties[key];
        std::memcpy(stored.data(), value, stored.size());
        log_write(lib, device.type, property, stored, static_cast<const uint8_t*>(second));
        return 0;
    }
    const auto found = lib.properties.find(key);
    if (found == lib.properties.end()) return kFailed;
    std::memcpy(value, found->second.data(), found->second.size());
    return 0;
}

int32_t RegisterCallbackFunction(void* /*callback*/) {
    return 0;
}
int32_t ShowAsioPanel(void) {
    return 0;
}
int32_t PlayTestSound(void) {
    return 0;
}
int32_t StopTestSound(void) {
    return 0;
}
int32_t CloseTestSound(void) {
    return 0;
}

int32_t EmulatedConfLibWrites(char* out, int32_t capacity) {
    Library& lib = ready_library();
    std::lock_guard lock(lib.mutex);
    if (out != nullptr && capacity > 0) {
        const size_t copied = std::min(lib.log.size(), static_cast<size_t>(capacity) - 1);
        std::memcpy(out, lib.log.data(), copied);
        out[copied] = 0;
    }
    return static_cast<int32_t>(lib.log.size());
}

void EmulatedConfLibReset(void) {
    Library& lib = ready_library();
    std::lock_guard lock(lib.mutex);
    set_factory_state(lib);
}

void EmulatedConfLibFailNext(const char* name, int32_t set) {
    if (name == nullptr) return;
    Library& lib = ready_library();
    std::lock_guard lock(lib.mutex);
    lib.failing.insert({name, set != 0 ? 1 : 0});
}

void EmulatedConfLibSetInitResult(int32_t result) {
    Library& lib = ready_library();
    std::lock_guard lock(lib.mutex);
    lib.init_result = result;
}

void EmulatedConfLibSetRaw(int32_t type, const char* name, const void* bytes, int32_t length) {
    if (name == nullptr || (bytes == nullptr && length > 0)) return;
    Library& lib = ready_library();
    std::lock_guard lock(lib.mutex);
    Buffer buffer{};
    const size_t copied = std::min(buffer.size(), static_cast<size_t>(std::max(length, 0)));
    if (copied > 0) std::memcpy(buffer.data(), bytes, copied);
    lib.properties[{type, name}] = buffer;
}

}  // extern "C"
