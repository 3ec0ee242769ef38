#include "platform/qtapp/posted_call.h"

#include <QPointer>

#include <utility>

#include "platform/qtapp/guarded.h"

namespace qtapp {

PostedCall::PostedCall(QObject* parent, std::function<void()> call)
    : QObject(parent), call_(std::move(call)) {}

void PostedCall::Request() {
    requested_ = true;
    Post();
}

void PostedCall::Post() {
    if (posted_) return;
    posted_ = true;
    QMetaObject::invokeMethod(this, [this] { Run(); }, Qt::QueuedConnection);
}

void PostedCall::Run() {
    posted_ = false;
    if (!requested_) return;
    if (RunningHandlers() > 0) {
        // Posted from inside a modal dialog's loop: wait for the handler
        // that opened it.
        AfterHandlers([self = QPointer<PostedCall>(this)] {
            if (self) self->Post();
        });
        return;
    }
    requested_ = false;
    RunGuarded(call_);
}

}  // namespace qtapp
