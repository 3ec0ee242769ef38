// A posted call runs once for all its requests, and never inside a guarded
// handler, even one whose modal loop lets events through.
#include <gtest/gtest.h>

#include <QApplication>
#include <QEventLoop>
#include <QTimer>

#include <vector>

#include "platform/qtapp/guarded.h"
#include "platform/qtapp/posted_call.h"

TEST(PostedCall, RunsOnceAfterTheHandlerThatAskedForIt) {
    struct Case {
        const char* name;
        int requests;
        bool cancelled;
        bool modalLoop;  // the handler runs a dialog's loop after asking
        int runsInsideHandler, runsAfter;
    } const cases[] = {
        {"one request", 1, false, false, 0, 1},
        {"three requests", 3, false, false, 0, 1},
        {"cancelled", 2, true, false, 0, 0},
        {"a modal loop in the handler", 2, false, true, 0, 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        QObject owner;
        std::vector<int> depthAtRun;
        qtapp::PostedCall call(&owner, [&] { depthAtRun.push_back(qtapp::RunningHandlers()); });
        int insideHandler = -1;
        ASSERT_TRUE(qtapp::RunGuarded([&] {
            for (int k = 0; k < c.requests; ++k) call.Request();
            if (c.cancelled) call.Cancel();
            if (c.modalLoop) {
                QEventLoop loop;
                QTimer::singleShot(20, &loop, &QEventLoop::quit);
                loop.exec();
            }
            insideHandler = static_cast<int>(depthAtRun.size());
        }));
        for (int i = 0; i < 5; ++i) QApplication::processEvents();
        EXPECT_EQ(insideHandler, c.runsInsideHandler);
        EXPECT_EQ(static_cast<int>(depthAtRun.size()), c.runsAfter);
        // It ran as a handler of its own, not inside the one that asked.
        for (int depth : depthAtRun) EXPECT_EQ(depth, 1);
    }
}
