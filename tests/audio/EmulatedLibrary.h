#pragma once
// The emulated audio configuration library, loaded from the file the program loads, with
// its extra entry points for reading back what the host wrote.

#include <dlfcn.h>
#include <gtest/gtest.h>

#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "audio/ConfLib.h"
#include "audio/emulated/EmulatedConfLib.h"

namespace ilmo::audio::testing {

// One write as the library logged it.
struct LoggedWrite {
    std::string device;  // "playback" or "capture"
    std::string name;
    int value = 0;
    float scalar = 0;
    int second = 0;  // the second buffer's first integer
};

class EmulatedLibrary {
public:
    EmulatedLibrary() {
        library = ConfLib::load(ILMO_EMULATED_CONF_LIB);
        handle_ = dlopen(ILMO_EMULATED_CONF_LIB, RTLD_NOW | RTLD_LOCAL);
        EXPECT_TRUE(library->loaded());
        EXPECT_NE(handle_, nullptr);
        reset();
    }

    template <class Fn>
    Fn entry(const char* name) const {
        auto fn = reinterpret_cast<Fn>(dlsym(handle_, name));
        EXPECT_NE(fn, nullptr) << name;
        return fn;
    }
    void reset() const { entry<EmulatedConfLibResetFn>(EMULATED_CONF_LIB_RESET)(); }
    void fail_next(const char* name, bool write) const {
        entry<EmulatedConfLibFailNextFn>(EMULATED_CONF_LIB_FAIL_NEXT)(name, write ? 1 : 0);
    }
    void set_raw(int type, const char* name, const std::string& bytes) const {
        entry<EmulatedConfLibSetRawFn>(EMULATED_CONF_LIB_SET_RAW)(
            type, name, bytes.data(), static_cast<int32_t>(bytes.size()));
    }
    void set_init_result(int result) const {
        entry<EmulatedConfLibSetInitResultFn>(EMULATED_CONF_LIB_SET_INIT_RESULT)(result);
    }

    std::vector<LoggedWrite> writes() const {
        auto copy = entry<EmulatedConfLibWritesFn>(EMULATED_CONF_LIB_WRITES);
        std::string text(static_cast<size_t>(copy(nullptr, 0)) + 1, '\0');
        copy(text.data(), static_cast<int32_t>(text.size()));
        std::vector<LoggedWrite> result;
        std::istringstream lines(text.c_str());
        for (std::string line; std::getline(lines, line);) {
            std::istringstream fields(line);
            LoggedWrite w;
            fields >> w.device >> w.name >> w.value >> w.scalar >> w.second;
            result.push_back(w);
        }
        return result;
    }
    std::vector<std::string> written_names() const {
        std::vector<std::string> names;
        for (const LoggedWrite& w : writes()) names.push_back(w.name);
        return names;
    }

    std::unique_ptr<ConfLib> library;

private:
    void* handle_ = nullptr;
};

}  // namespace ilmo::audio::testing
