#pragma once

namespace ilmo::shell::ui {

struct Notification;

// Receives the notifications of a window's controls; a window implements it and routes.
class NotificationSink {
public:
    virtual void notify(const Notification& notification) = 0;

protected:
    ~NotificationSink() = default;
};

}  // namespace ilmo::shell::ui
