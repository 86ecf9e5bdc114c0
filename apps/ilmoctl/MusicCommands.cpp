#include "MusicCommands.h"

#include "profiles/AudioStyleDocument.h"

namespace ilmo::ctl {

namespace {

struct Run {
    const device::DeviceFolders& folders;
    const Output& output;

    std::string user_file() const {
        return (folders.user_data_folder / profiles::AudioStyleDocument::kFileName).string();
    }

    // As the program does at start: both files read and merged, the user file written.
    bool load(profiles::AudioStyleDocument& styles) const {
        if (styles.load()) return true;
        output.fail(kExitDeviceError, "the music styles could not be saved to " + user_file());
        return false;
    }

    int operator()(const MusicListen& listen) const { return run_music_listen(listen, output); }

    int operator()(const MusicStylesGet&) const {
        profiles::AudioStyleDocument styles(folders.default_data_folder(), folders.user_data_folder);
        if (!load(styles)) return kExitDeviceError;
        output.print(styles_reading(styles.record(), user_file()));
        return kExitOk;
    }

    int operator()(const MusicStylesSet& set) const {
        profiles::AudioStyleDocument styles(folders.default_data_folder(), folders.user_data_folder);
        if (!load(styles)) return kExitDeviceError;
        if (!styles.store(changed_styles(styles.record(), set.change)))
            return output.fail(kExitDeviceError, "the music styles could not be saved to " + user_file());
        output.note("music: styles stored in " + user_file());
        return kExitOk;
    }
};

}  // namespace

int run_music_request(const device::DeviceFolders& folders, const MusicRequest& request,
                      const Output& output) {
    return std::visit(Run{folders, output}, request);
}

}  // namespace ilmo::ctl
