// Pictures of the main window with a project open, in English and Russian,
// drawn with the shipped language files and toolbar pictures and saved under
// the build folder for a person to look at.
#include "designer/mainwindow/item_grid_view.h"
#include "designer/mainwindow/item_model.h"
#include "designer/mainwindow/main_actions.h"
#include "window_fixture.h"

#include <QAction>
#include <QDir>
#include <QPixmap>

using namespace vardeo;
using namespace vardeo::test;

TEST_F(WindowTest, Screenshots) {
    const std::filesystem::path shipped = TARNIC_PROGRAM_FOLDER_PATH;
    ASSERT_TRUE(std::filesystem::exists(shipped / "Files" / "lang_3.dat"));
    std::filesystem::copy(shipped / "Files", dir / "Files",
                          std::filesystem::copy_options::recursive | std::filesystem::copy_options::overwrite_existing);
    std::filesystem::copy_file(shipped / "Files" / "vardeo.dat.default", dir / "vardeo.dat");
    Tform1& w = open();
    w.resize(1100, 460);
    w.show();
    w.grid().setCurrentIndex(w.model().index(1, 1));
    QApplication::processEvents();
    QDir().mkpath(QStringLiteral(TARNIC_SCREENSHOT_DIR));
    EXPECT_TRUE(w.grab().save(QStringLiteral(TARNIC_SCREENSHOT_DIR "/main_window_english.png")));
    w.applyLanguage(3, true);
    EXPECT_EQ(w.model().item(0)[Field::Copy], "\xE4\xE0"); // "da" in code page 1251
    QApplication::processEvents();
    EXPECT_TRUE(w.grab().save(QStringLiteral(TARNIC_SCREENSHOT_DIR "/main_window_russian.png")));
    w.actions()["symboltitel"]->trigger();
    QApplication::processEvents();
    EXPECT_TRUE(w.grab().save(QStringLiteral(TARNIC_SCREENSHOT_DIR "/main_window_icons_only.png")));
}
