#!/usr/bin/env bash
# Installs every Debian 12 package the build, the tests and the demo need.
# Safe to run again: apt-get skips what is already there.
set -euo pipefail

packages=(
  # toolchain
  build-essential cmake ninja-build pkg-config clang libclang-rt-14-dev python3
  # device link
  libudev-dev
  # documents
  libjsoncpp-dev
  # update service, audio capture, headset mixer, global input hooks
  libcurl4-openssl-dev libpulse-dev libasound2-dev libx11-dev libxi-dev libxtst-dev
  # the spectrum of captured sound
  libfftw3-dev
  # the monitors and their sizes, for the window's density
  libxrandr-dev
  # windows
  qt6-base-dev qt6-tools-dev qt6-tools-dev-tools libqt6uitools6 libqt6opengl6-dev libgl-dev
  # the headset's equaliser filter (caps), and the sound server the audio tests start
  caps ladspa-sdk pulseaudio
  # tests and benchmarks
  libgtest-dev libgmock-dev libbenchmark-dev xvfb xauth
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done

if [ ${#missing[@]} -eq 0 ]; then
  exit 0
fi

sudo_cmd=()
[ "$(id -u)" -eq 0 ] || sudo_cmd=(sudo)
export DEBIAN_FRONTEND=noninteractive
"${sudo_cmd[@]}" apt-get update -q
"${sudo_cmd[@]}" apt-get install -y --no-install-recommends "${missing[@]}"
