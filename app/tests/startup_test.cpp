// The program's naming: the application's title, and captions that the
// platform shows as the windows give them.
#include <gtest/gtest.h>

#include <QGuiApplication>

#include "app/startup.h"
#include "app/tests/test_support.h"

TEST(Startup, TheApplicationIsNamedAndNoDisplayNameIsAppendedToCaptions) {
    const QString before = QCoreApplication::applicationName();
    NameApplication();
    EXPECT_EQ(QCoreApplication::applicationName().toStdString(), "Corvane Audio Orandel 4.1");
    // A display name, once set, stays whatever the name becomes, and the
    // platform appends it to every caption ("Orandel 4.1 — Corvane ...").
    // Never set, it follows the name.
    QCoreApplication::setApplicationName(QStringLiteral("probe"));
    EXPECT_EQ(QGuiApplication::applicationDisplayName().toStdString(), "probe");
    QCoreApplication::setApplicationName(before);

    ErrorRecorder rec;
    ScratchDir user, program;
    TForm1 w(TestEnv(user, program));
    EXPECT_EQ(w.windowTitle().toStdString(), "Orandel 4.1");
    EXPECT_TRUE(rec.errors.isEmpty()) << rec.errors.join("\n").toStdString();
}
