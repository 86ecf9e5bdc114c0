#include "audio/ConfLib.h"

#include <dlfcn.h>

#include <cstring>

namespace ilmo::audio {

namespace {

template <class Fn>
void look_up(void* handle, const char* name, Fn& entry) {
    entry = reinterpret_cast<Fn>(dlsym(handle, name));
}

}  // namespace

std::string bounded_text(std::span<const uint8_t> buffer) {
    const auto* begin = reinterpret_cast<const char*>(buffer.data());
    const void* zero = std::memchr(begin, 0, buffer.size());
    const size_t length = zero != nullptr
                              ? static_cast<size_t>(static_cast<const char*>(zero) - begin)
                              : buffer.size();
    return std::string(begin, length);
}

std::filesystem::path conf_lib_file(const std::filesystem::path& program_folder, bool emulated) {
    return program_folder / (emulated ? CONF_LIB_EMULATED_FILE : CONF_LIB_REAL_FILE);
}

std::unique_ptr<ConfLib> ConfLib::load(const std::filesystem::path& file, std::string* error) {
    ConfLibEntries entries;
    // Never closed: the library may keep threads and callbacks of its own.
    void* handle = dlopen(file.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (handle == nullptr) {
        if (error != nullptr) {
            const char* words = dlerror();
            *error = words != nullptr ? words : "cannot load " + file.string();
        }
        return std::make_unique<ConfLib>(entries);
    }
    look_up(handle, CONF_LIB_INIT, entries.init);
    look_up(handle, CONF_LIB_UNINIT, entries.uninit);
    look_up(handle, CONF_LIB_CREATE_DEVICE_LIST, entries.create_device_list);
    look_up(handle, CONF_LIB_GET_DEVICE_COUNT, entries.get_device_count);
    look_up(handle, CONF_LIB_GET_DEVICE_BY_ID, entries.get_device_by_id);
    look_up(handle, CONF_LIB_PROPERTY_CONTROL, entries.property_control);
    look_up(handle, CONF_LIB_REGISTER_CALLBACK, entries.register_callback);
    look_up(handle, CONF_LIB_SHOW_ASIO_PANEL, entries.show_asio_panel);
    look_up(handle, CONF_LIB_PLAY_TEST_SOUND, entries.play_test_sound);
    look_up(handle, CONF_LIB_STOP_TEST_SOUND, entries.stop_test_sound);
    look_up(handle, CONF_LIB_CLOSE_TEST_SOUND, entries.close_test_sound);
    return std::make_unique<ConfLib>(entries);
}

int ConfLib::init() {
    return entries_.init != nullptr ? entries_.init() : kNotCalled;
}

int ConfLib::create_device_list() {
    return entries_.create_device_list != nullptr ? entries_.create_device_list() : kNotCalled;
}

int ConfLib::device_count(int flow, int& count) {
    if (entries_.get_device_count == nullptr) return kNotCalled;
    int32_t answered = 0;
    const int result = entries_.get_device_count(flow, &answered);
    if (result == 0) count = answered;
    return result;
}

int ConfLib::device(int flow, int index, ConfLibDevice& device) {
    if (entries_.get_device_by_id == nullptr) return kNotCalled;
    ConfLibDevice answered{};
    const int result = entries_.get_device_by_id(flow, index, &answered);
    if (result == 0) device = answered;
    return result;
}

int ConfLib::control(const Device& device, const wchar_t* name, Buffer& value,
                     const SecondBuffer& second, bool set) {
    if (!device || entries_.property_control == nullptr) return kNotCalled;
    Buffer second_buffer{};
    std::memcpy(second_buffer.data(), second.words.data(), sizeof(second.words));
    return entries_.property_control(*device, name, value.data(), second_buffer.data(),
                                     set ? 1 : 0);
}

int ConfLib::read_int(const Device& device, const wchar_t* name, int& value, SecondBuffer second) {
    Buffer buffer{};
    const int result = control(device, name, buffer, second, false);
    if (result == 0) {
        int32_t answered = 0;
        std::memcpy(&answered, buffer.data(), sizeof(answered));
        value = answered;
    }
    return result;
}

int ConfLib::read_float(const Device& device, const wchar_t* name, float& value,
                        SecondBuffer second) {
    Buffer buffer{};
    const int result = control(device, name, buffer, second, false);
    if (result == 0) std::memcpy(&value, buffer.data(), sizeof(value));
    return result;
}

int ConfLib::read_text(const Device& device, const wchar_t* name, std::string& text,
                       SecondBuffer second) {
    Buffer buffer{};
    const int result = control(device, name, buffer, second, false);
    // The library may fill the whole buffer without a terminator.
    if (result == 0) text = bounded_text(buffer);
    return result;
}

int ConfLib::write_int(const Device& device, const wchar_t* name, int value, SecondBuffer second) {
    Buffer buffer{};
    const int32_t written = value;
    std::memcpy(buffer.data(), &written, sizeof(written));
    return control(device, name, buffer, second, true);
}

int ConfLib::write_float(const Device& device, const wchar_t* name, float value,
                         SecondBuffer second) {
    Buffer buffer{};
    std::memcpy(buffer.data(), &value, sizeof(value));
    return control(device, name, buffer, second, true);
}

}  // namespace ilmo::audio
