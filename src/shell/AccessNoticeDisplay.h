#pragma once
// Notices of device nodes the user may not open reach the user in the window too, not only on
// stderr: a tray program's output is seldom read. They come from the scanning thread and are
// shown on the UI thread, one box at a time, each wording once.

#include <QObject>
#include <QSet>
#include <QStringList>
#include <functional>

#include "platform/AccessDeniedNotice.h"

namespace ilmo::shell {

class AccessNoticeDisplay : public QObject {
    Q_OBJECT
public:
    // Shows one notice and returns when the user has read it (a modal box).
    using Show = std::function<void(const QString& message)>;

    explicit AccessNoticeDisplay(QObject* parent = nullptr);

    // For the device backend; callable from any thread. `also` hears each notice first, on
    // the calling thread. This object must outlive every thread that calls the sink.
    platform::AccessNoticeSink sink(platform::AccessNoticeSink also);
    // Notices that arrive before the window exists wait for this.
    void show_with(Show show);

private:
    void post(const QString& message);
    void show_pending();

    Show show_;
    QStringList pending_;
    QSet<QString> seen_;
    bool showing_ = false;
};

}  // namespace ilmo::shell
