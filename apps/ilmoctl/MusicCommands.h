#pragma once
// Runs a "music ..." command: listening to capture, and the music styles of
// "AudioFile.json". Neither needs a device.

#include "MusicRequest.h"
#include "Output.h"
#include "device/DeviceFolders.h"

namespace ilmo::ctl {

int run_music_request(const device::DeviceFolders& folders, const MusicRequest& request,
                      const Output& output);

}  // namespace ilmo::ctl
