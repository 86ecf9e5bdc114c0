#pragma once
// Tells a scanning loop when the set of device nodes may have changed, so it can sleep
// instead of polling. The real one listens to udev; tests use their own.

namespace ilmo::platform {

class ChangeMonitor {
public:
    virtual ~ChangeMonitor() = default;
    // Sleeps until a node appears or vanishes, wake() is called or timeout_ms passes.
    // Called by one scanning thread at a time.
    virtual void wait(int timeout_ms) = 0;
    // Safe from any thread; a wake-up with nobody waiting ends the next wait.
    virtual void wake() = 0;
};

}  // namespace ilmo::platform
