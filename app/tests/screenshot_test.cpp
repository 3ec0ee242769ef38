// A picture of the main window as the user sees it, written into the build
// folder for a person to look at.  Under a real display (xvfb-run with
// QT_QPA_PLATFORM=xcb) it is taken from the screen; offscreen the window
// renders itself.
#include <gtest/gtest.h>

#include <QGuiApplication>
#include <QLabel>
#include <QPixmap>
#include <QScreen>
#include <QTabWidget>

#include "app/background1.h"
#include "riglink/mechdll5.h"
#include "app/mechwarnform.h"
#include "platform/qtapp/picturebox.h"
#include "app/tests/test_support.h"

namespace {

// Lets the window settle, then grabs it into orandel3-NAME-PLATFORM.png.
void Snap(QWidget& w, const QString& name, QPixmap& shot) {
    for (int i = 0; i < 20; ++i) QCoreApplication::processEvents();
    shot = w.grab();
    if (QGuiApplication::platformName() == "xcb" && w.screen() != nullptr)
        shot = w.screen()->grabWindow(w.winId());
    const QString path = QStringLiteral(APP_TEST_OUTPUT_DIR "/orandel3-") + name + "-" +
                         QGuiApplication::platformName() + ".png";
    ASSERT_TRUE(shot.save(path)) << path.toStdString();
}

}  // namespace

TEST(Screenshot, MainWindow) {
    ErrorRecorder rec;
    ScratchDir user, program;
    TForm1 w(TestEnv(user, program));
    w.resize(1200, 800);
    w.show();
    w.Timer1Timer();
    QPixmap shot;
    ASSERT_NO_FATAL_FAILURE(Snap(w, "window", shot));
    EXPECT_GE(shot.width(), 640);
    // The picture shows the venue section: white paper with the planes.
    const QImage img = w.image1->Picture();
    ASSERT_FALSE(img.isNull());
    EXPECT_EQ(img.pixelColor(img.width() / 2, 5), QColor(Qt::white));
    EXPECT_TRUE(rec.errors.isEmpty()) << rec.errors.join("\n").toStdString();
}

TEST(Screenshot, WarningsWindowWithTips) {
    Tmechwarn w;
    w.ShowWarnings(1, 1, 812.5, -40.25, 630.0, 410.75, 6.2, 3.1, 9.4, 7.0, 3, 1);
    w.HelpbutClick();
    w.show();
    QPixmap shot;
    ASSERT_NO_FATAL_FAILURE(Snap(w, "warnings", shot));
    EXPECT_EQ(shot.width(), 249);
    EXPECT_EQ(w.Tip(1), "The load on the front grid pick point is too high");
}

// The venue page once the design values are shown: planes, array, rays.
TEST(Screenshot, MainWindowWithTheSectionShown) {
    ErrorRecorder rec;
    ScratchDir user, program;
    TForm1 w(TestEnv(user, program));
    Tmechwarn warn;
    w.SetWarningsWindow(&warn);
    w.resize(1200, 800);
    w.show();
    w.Timer1Timer();
    for (int k = 1; k <= 4; ++k) w.FViewFlags[k] = 1;
    w.FViewFlags[8] = 0;
    w.FNoDesign = 0;
    w.FStatusText = "AUTO DESIGNED ARRAY. Edit data by clicking on up/down symbols";
    w.Recalculate();
    w.FormPaint(&w);
    QPixmap shot;
    ASSERT_NO_FATAL_FAILURE(Snap(w, "window-section", shot));
    EXPECT_TRUE(rec.errors.isEmpty()) << rec.errors.join("\n").toStdString();
    EXPECT_FALSE(w.MTOTlab->text().isEmpty());
}
