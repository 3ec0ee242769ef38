// A posted call runs once for all its requests, after the handler that asked,
// even when that handler's modal loop lets events through.
#include <gtest/gtest.h>

#include <QApplication>
#include <QEventLoop>
#include <QTimer>

#include <vector>

#include "platform/qtapp/guarded.h"
#include "platform/qtapp/posted_call.h"

TEST(PostedCall, RunsOnceAfterTheHandlerThatAskedForIt) {
    for (const bool modalLoop : {false, true}) {
        SCOPED_TRACE(modalLoop);
        QObject owner;
        std::vector<int> depths;  // the handlers running at each run
        qtapp::PostedCall call(&owner, [&] { depths.push_back(qtapp::RunningHandlers()); });
        qtapp::RunGuarded([&] {
            call.Request(), call.Request();
            if (modalLoop) {
                QEventLoop loop;
                QTimer::singleShot(20, &loop, &QEventLoop::quit);
                loop.exec();
            }
            EXPECT_TRUE(depths.empty());
        });
        for (int i = 0; i < 5; ++i) QApplication::processEvents();
        EXPECT_EQ(depths, std::vector<int>{1});  // once, as a handler of its own
    }
}
