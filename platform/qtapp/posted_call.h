#pragma once
// One call that any number of requests coalesce into: a window asks for its
// repaint from every routine that changes what it shows, and the repaint
// runs once, after the handler that asked has returned.

#include <QObject>

#include <functional>

namespace qtapp {

class PostedCall : public QObject {
public:
    // `call` runs guarded: an error is shown as any handler's is.
    PostedCall(QObject* parent, std::function<void()> call);

    // Asks for the call.  It is posted to the event loop and runs once
    // control is back there with no guarded handler on the stack (a modal
    // dialog's loop inside a handler does not count): never inside a
    // handler, and once for all the requests made before it runs.
    void Request();
    // Drops a request that has not run yet (what it asked for was done).
    void Cancel() { requested_ = false; }

private:
    void Post();
    void Run();

    std::function<void()> call_;
    bool requested_ = false;
    bool posted_ = false;
};

}  // namespace qtapp
