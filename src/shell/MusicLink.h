#pragma once
// The main window's ear. Audio capture hands it copy-data notices on the capture thread; they
// are queued to the window's thread, where the levels become band values for the first
// connected keyboard and mouse, and six keyboard values go to the first keyboard.

#include <QObject>

#include <functional>
#include <thread>

#include "capture/CaptureWindow.h"
#include "lighting/AudioBands.h"

namespace ilmo::presence {
class DevicePresence;
}

namespace ilmo::shell {

class MusicLink final : public capture::CaptureWindow {
public:
    // `devices` is asked on the window's thread for each notice; it may answer null.
    explicit MusicLink(std::function<presence::DevicePresence*()> devices);
    // Ends capture and takes the window off the capture entry first, so no notice arrives
    // half destroyed.
    ~MusicLink() override;
    MusicLink(const MusicLink&) = delete;
    MusicLink& operator=(const MusicLink&) = delete;

    // Registers with the capture entry and starts capture from a short-lived thread: a sound
    // server that is slow to answer never holds the window.
    void start();
    // Any thread; only queues.
    void copy_data(capture::CopyData notice) override;

private:
    void handle(const capture::CopyData& notice);

    std::function<presence::DevicePresence*()> devices_;
    lighting::BandStep bands_;
    std::thread starter_;
    // Queued notices run in its context: they are dropped with it.
    QObject receiver_;
};

}  // namespace ilmo::shell
