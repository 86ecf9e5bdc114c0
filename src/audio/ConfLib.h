#pragma once
// The audio configuration library as the host reaches it: the file is loaded once and never
// unloaded, every entry point is looked up by name into one table, and typed helpers wrap
// the property calls with their 1024-byte buffers. Nothing is called when the file, the
// entry point a call needs, or the chosen device is missing: the call reports kNotCalled.

#include <array>
#include <cstdint>
#include <filesystem>
#include <memory>
#include <optional>
#include <span>
#include <string>

#include "audio/ConfLibApi.h"

namespace ilmo::audio {

// The result of a call that never reached the library. Any non-zero result is a failure.
inline constexpr int kNotCalled = -0x4E43;  // "NC"

// The library file the program loads from `program_folder`: the emulated one for the demo,
// the real one otherwise. The one place that decides.
std::filesystem::path conf_lib_file(const std::filesystem::path& program_folder, bool emulated);

// The text in `buffer`: up to its first zero byte, or all of it when the library left none.
std::string bounded_text(std::span<const uint8_t> buffer);

// Every entry point, null when the file lacks it.
struct ConfLibEntries {
    ConfLibInitFn init = nullptr;
    ConfLibUnInitFn uninit = nullptr;
    CreateDeviceListFn create_device_list = nullptr;
    GetDeviceCountFn get_device_count = nullptr;
    GetDeviceByIdFn get_device_by_id = nullptr;
    PropertyControlFn property_control = nullptr;
    RegisterCallbackFunctionFn register_callback = nullptr;
    ConfLibPanelFn show_asio_panel = nullptr;
    ConfLibPanelFn play_test_sound = nullptr;
    ConfLibPanelFn stop_test_sound = nullptr;
    ConfLibPanelFn close_test_sound = nullptr;
};

// What travels in the second buffer: a channel (-1 all, 0, 1) or a parameter block.
struct SecondBuffer {
    std::array<int32_t, 4> words{};
    static SecondBuffer none() { return {}; }
    static SecondBuffer channel(int channel) { return {{channel, 0, 0, 0}}; }
};

using Device = std::optional<ConfLibDevice>;

class ConfLib {
public:
    // Loads `file` (never unloaded); a file that does not load gives a library whose every
    // call reports kNotCalled. `error` receives the loader's words then.
    static std::unique_ptr<ConfLib> load(const std::filesystem::path& file,
                                         std::string* error = nullptr);
    explicit ConfLib(ConfLibEntries entries) : entries_(entries) {}

    const ConfLibEntries& entries() const { return entries_; }
    bool loaded() const { return entries_.property_control != nullptr; }

    int init();
    int create_device_list();
    int device_count(int flow, int& count);
    int device(int flow, int index, ConfLibDevice& device);

    // Reads: the value is changed only when the library answered 0.
    int read_int(const Device& device, const wchar_t* name, int& value,
                 SecondBuffer second = SecondBuffer::none());
    int read_float(const Device& device, const wchar_t* name, float& value,
                   SecondBuffer second = SecondBuffer::none());
    // Text ends at the first zero byte or at the buffer's end, whichever comes first.
    int read_text(const Device& device, const wchar_t* name, std::string& text,
                  SecondBuffer second = SecondBuffer::none());
    int write_int(const Device& device, const wchar_t* name, int value,
                  SecondBuffer second = SecondBuffer::none());
    int write_float(const Device& device, const wchar_t* name, float value,
                    SecondBuffer second = SecondBuffer::none());

private:
    using Buffer = std::array<uint8_t, CONF_LIB_BUFFER_BYTES>;
    int control(const Device& device, const wchar_t* name, Buffer& value,
                const SecondBuffer& second, bool set);

    ConfLibEntries entries_;
};

}  // namespace ilmo::audio
