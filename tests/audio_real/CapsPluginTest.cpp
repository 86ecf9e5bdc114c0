// The equaliser filter is loaded by the sound server from the caps package; the gains this
// library sends only mean what it intends if the plugin's first ten ports are the bands in
// order, in dB, with the range the library limits to.

#include <dlfcn.h>
#include <ladspa.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <sstream>
#include <string>

#include "audio/real/EqualiserModule.h"

namespace ilmo::audio {
namespace {

constexpr const char* kCaps = "/usr/lib/ladspa/caps.so";

// One line per port of Eq10X2: "name|kind|lower|upper", kind "control-in", "audio-in" or
// "audio-out". Read in a child process that ends without running the plugin library's exit
// code, which frees with the wrong delete and so trips the address sanitizer of a test build.
std::string eq10x2_ports() {
    int pipe_fds[2];
    if (pipe(pipe_fds) != 0) return "no pipe";
    const pid_t child = fork();
    if (child == 0) {
        close(pipe_fds[0]);
        std::ostringstream text;
        void* plugin = dlopen(kCaps, RTLD_NOW | RTLD_LOCAL);
        const auto descriptor_of =
            plugin
                ? reinterpret_cast<LADSPA_Descriptor_Function>(dlsym(plugin, "ladspa_descriptor"))
                : nullptr;
        for (unsigned long i = 0; descriptor_of && descriptor_of(i); ++i) {
            const auto* d = descriptor_of(i);
            if (std::string(d->Label) != "Eq10X2") continue;
            for (unsigned long port = 0; port < d->PortCount; ++port) {
                const auto kind = d->PortDescriptors[port];
                text << d->PortNames[port] << '|'
                     << (LADSPA_IS_PORT_CONTROL(kind) ? "control" : "audio") << '-'
                     << (LADSPA_IS_PORT_INPUT(kind) ? "in" : "out") << '|'
                     << d->PortRangeHints[port].LowerBound << '|'
                     << d->PortRangeHints[port].UpperBound << '\n';
            }
        }
        const std::string out = text.str();
        const ssize_t written = write(pipe_fds[1], out.data(), out.size());
        _exit(written == static_cast<ssize_t>(out.size()) ? 0 : 1);
    }
    close(pipe_fds[1]);
    std::string result;
    char chunk[512];
    ssize_t got = 0;
    while ((got = read(pipe_fds[0], chunk, sizeof chunk)) > 0) result.append(chunk, got);
    close(pipe_fds[0]);
    int status = 0;
    waitpid(child, &status, 0);
    return result;
}

TEST(CapsPluginTest, Eq10X2PortsAreTheTenBandsInOrderWithTheLimitedRange) {
    if (access(kCaps, R_OK) != 0) GTEST_SKIP() << "the caps LADSPA plugins are not installed";
    std::ostringstream expected;
    for (const char* band : {"31 Hz", "63 Hz", "125 Hz", "250 Hz", "500 Hz", "1 kHz", "2 kHz",
                             "4 kHz", "8 kHz", "16 kHz"}) {
        expected << band << "|control-in|" << kEqGainMin_db << '|' << kEqGainMax_db << '\n';
    }
    // Stereo: two audio inputs and two outputs follow the bands.
    expected << "in.l|audio-in|0|0\nin.r|audio-in|0|0\nout.l|audio-out|0|0\nout.r|audio-out|0|0\n";
    EXPECT_EQ(eq10x2_ports(), expected.str());
}

}  // namespace
}  // namespace ilmo::audio
