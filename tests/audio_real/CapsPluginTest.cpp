// The equaliser filter is loaded by the sound server from the caps package; the gains this
// library sends only mean what it intends if the plugin's first ten ports are the bands in
// order, in dB, with the range the library limits to.

#include <dlfcn.h>
#include <ladspa.h>

#include <gtest/gtest.h>

#include <array>
#include <string>

#include "audio/real/EqualiserModule.h"

namespace ilmo::audio {
namespace {

TEST(CapsPluginTest, Eq10X2PortsAreTheTenBandsInOrderWithTheLimitedRange) {
    void* plugin = dlopen("/usr/lib/ladspa/caps.so", RTLD_NOW | RTLD_LOCAL);
    if (!plugin) GTEST_SKIP() << "the caps LADSPA plugins are not installed: " << dlerror();
    const auto descriptor_of =
        reinterpret_cast<LADSPA_Descriptor_Function>(dlsym(plugin, "ladspa_descriptor"));
    ASSERT_TRUE(descriptor_of);
    const LADSPA_Descriptor* eq = nullptr;
    for (unsigned long i = 0; const auto* d = descriptor_of(i); ++i) {
        if (std::string(d->Label) == "Eq10X2") eq = d;
    }
    ASSERT_TRUE(eq) << "caps has no Eq10X2";
    const std::array<std::string, kEqBandCount> bands{"31 Hz", "63 Hz", "125 Hz", "250 Hz",
                                                      "500 Hz", "1 kHz", "2 kHz", "4 kHz",
                                                      "8 kHz", "16 kHz"};
    ASSERT_GE(eq->PortCount, static_cast<unsigned long>(kEqBandCount));
    for (int port = 0; port < kEqBandCount; ++port) {
        EXPECT_EQ(eq->PortNames[port], bands[port]);
        EXPECT_TRUE(LADSPA_IS_PORT_INPUT(eq->PortDescriptors[port]) &&
                    LADSPA_IS_PORT_CONTROL(eq->PortDescriptors[port]));
        const auto& hint = eq->PortRangeHints[port];
        EXPECT_EQ(hint.LowerBound, kEqGainMin_db) << port;
        EXPECT_EQ(hint.UpperBound, kEqGainMax_db) << port;
    }
    // Stereo: two audio inputs and two outputs follow the bands.
    int audio_ports = 0;
    for (unsigned long port = kEqBandCount; port < eq->PortCount; ++port) {
        audio_ports += LADSPA_IS_PORT_AUDIO(eq->PortDescriptors[port]) ? 1 : 0;
    }
    EXPECT_EQ(audio_ports, 4);
}

}  // namespace
}  // namespace ilmo::audio
