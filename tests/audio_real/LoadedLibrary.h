#pragma once
// The built library loaded the way the host loads it: dlopen by file, entry points by name,
// property calls with zero-filled 1024-byte buffers.

#include <dlfcn.h>

#include <array>
#include <cstring>
#include <string>

#include "audio/ConfLibApi.h"

namespace ilmo::audio::testing {

class LoadedLibrary {
public:
    using Buffer = std::array<char, CONF_LIB_BUFFER_BYTES>;

    // Loaded once per process and never unloaded, as the host does.
    static const LoadedLibrary& instance() {
        static const LoadedLibrary library(AUDIO_REAL_LIBRARY);
        return library;
    }

    bool loaded() const { return control_ != nullptr; }
    int init() const { return init_(); }
    int create_device_list() const { return create_(); }
    int count(int flow, int32_t& count) const { return count_(flow, &count); }
    int device(int flow, int index, ConfLibDevice& device) const {
        return by_id_(flow, index, &device);
    }

    int write_int(const ConfLibDevice& device, const wchar_t* name, int32_t value) const {
        Buffer buffer{};
        std::memcpy(buffer.data(), &value, sizeof value);
        return call(device, name, buffer, -1, 1);
    }
    int read_int(const ConfLibDevice& device, const wchar_t* name, int32_t& value) const {
        Buffer buffer{};
        const int result = call(device, name, buffer, -1, 0);
        std::memcpy(&value, buffer.data(), sizeof value);
        return result;
    }
    int read_text(const ConfLibDevice& device, const wchar_t* name, std::string& text) const {
        Buffer buffer{};
        const int result = call(device, name, buffer, -1, 0);
        text.assign(buffer.data(), strnlen(buffer.data(), buffer.size()));
        return result;
    }
    int call(const ConfLibDevice& device, const wchar_t* name, Buffer& value, int channel,
             int set) const {
        Buffer second{};
        std::memcpy(second.data(), &channel, sizeof channel);
        return control_(device, name, value.data(), second.data(), set);
    }

private:
    explicit LoadedLibrary(const char* file) {
        void* handle = dlopen(file, RTLD_NOW | RTLD_LOCAL);
        if (!handle) return;
        init_ = reinterpret_cast<ConfLibInitFn>(dlsym(handle, CONF_LIB_INIT));
        create_ = reinterpret_cast<CreateDeviceListFn>(dlsym(handle, CONF_LIB_CREATE_DEVICE_LIST));
        count_ = reinterpret_cast<GetDeviceCountFn>(dlsym(handle, CONF_LIB_GET_DEVICE_COUNT));
        by_id_ = reinterpret_cast<GetDeviceByIdFn>(dlsym(handle, CONF_LIB_GET_DEVICE_BY_ID));
        if (init_ && create_ && count_ && by_id_) {
            control_ =
                reinterpret_cast<PropertyControlFn>(dlsym(handle, CONF_LIB_PROPERTY_CONTROL));
        }
    }

    ConfLibInitFn init_ = nullptr;
    CreateDeviceListFn create_ = nullptr;
    GetDeviceCountFn count_ = nullptr;
    GetDeviceByIdFn by_id_ = nullptr;
    PropertyControlFn control_ = nullptr;
};

}  // namespace ilmo::audio::testing
