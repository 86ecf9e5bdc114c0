#pragma once
// Start-up and the run of the tray program: fonts, the single-instance guard, the skin and
// its controls, the device backend (real or emulated), the main window, the session
// services, then the event loop until "exit".

namespace ilmo::shell {

struct StartOptions {
    bool demo = false;           // the emulator with every product stands in for hardware
    bool show_emulator = false;  // open the emulator's panel at start (demo only)
    bool start_in_tray = false;  // stay hidden in the tray until called (start with the session)
    const char* screenshot = nullptr;  // render the window with its devices here, then end
};

class SkinResources;

// The program's own layout classes (the device pages, the profile panel) in the factory.
void register_program_controls(SkinResources& skin);

// Reads the options from the command line; false on words it does not know.
bool parse_start_options(int argc, char** argv, StartOptions& options);

// The process's exit code.
int run_application(int argc, char** argv);

}  // namespace ilmo::shell
