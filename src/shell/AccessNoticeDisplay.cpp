#include "shell/AccessNoticeDisplay.h"

namespace ilmo::shell {

AccessNoticeDisplay::AccessNoticeDisplay(QObject* parent) : QObject(parent) {}

platform::AccessNoticeSink AccessNoticeDisplay::sink(platform::AccessNoticeSink also) {
    return [this, also = std::move(also)](const std::string& message) {
        if (also) also(message);
        const QString text = QString::fromStdString(message);
        QMetaObject::invokeMethod(
            this, [this, text] { post(text); }, Qt::QueuedConnection);
    };
}

void AccessNoticeDisplay::show_with(Show show) {
    show_ = std::move(show);
    show_pending();
}

void AccessNoticeDisplay::post(const QString& message) {
    if (seen_.contains(message)) return;
    seen_.insert(message);
    pending_.append(message);
    show_pending();
}

void AccessNoticeDisplay::show_pending() {
    // A box is open: its nested event loop delivers the next notice here, and the loop below
    // shows it once the open box is closed.
    if (showing_ || !show_) return;
    showing_ = true;
    while (!pending_.isEmpty()) show_(pending_.takeFirst());
    showing_ = false;
}

}  // namespace ilmo::shell
