// A host as a command-line tool is one: loads the built library, writes an equaliser preset
// the host's way (enable, then the ten bands given as arguments) and ends the process at
// once, without ConfLibUnInit. Exit code 0 when every write was taken.

#include <cstdlib>
#include <string>

#include "audio/real/EqualiserModule.h"
#include "audio_real/LoadedLibrary.h"

int main(int argc, char** argv) {
    using namespace ilmo::audio;
    if (argc != 1 + kEqBandCount) return 2;
    const auto& lib = testing::LoadedLibrary::instance();
    ConfLibDevice playback{};
    if (!lib.loaded() || lib.init() != 0 || lib.create_device_list() != 0 ||
        lib.device(CONF_LIB_FLOW_PLAYBACK, 0, playback) != 0) {
        return 3;
    }
    if (lib.write_int(playback, property::kEnableEq, 1) != 0) return 1;
    for (int band = 0; band < kEqBandCount; ++band) {
        const std::wstring name = property::kEqSliderPrefix + std::to_wstring(band + 1);
        if (lib.write_int(playback, name.c_str(), std::atoi(argv[band + 1])) != 0) return 1;
    }
    return 0;
}
