// Pictures of the main window with a project open, in English and Russian,
// saved under the build folder for a person to look at.
#include "designer/mainwindow/item_model.h"
#include "window_fixture.h"

#include <QDir>
#include <QPixmap>

using namespace vardeo;
using namespace vardeo::test;

TEST_F(WindowTest, Screenshots) {
    Tform1& w = open();
    w.resize(1000, 420);
    w.show();
    QApplication::processEvents();
    QDir().mkpath(QStringLiteral(TARNIC_SCREENSHOT_DIR));
    EXPECT_TRUE(w.grab().save(QStringLiteral(TARNIC_SCREENSHOT_DIR "/main_window_english.png")));
    w.applyLanguage(2, true);
    QApplication::processEvents();
    EXPECT_TRUE(w.grab().save(QStringLiteral(TARNIC_SCREENSHOT_DIR "/main_window_german.png")));
}
