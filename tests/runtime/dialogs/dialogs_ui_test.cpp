#include "runtime/menu/copy_dialog.h"
#include "runtime/menu/image_button.h"
#include "runtime/menu/info_files.h"
#include "runtime/menu/info_viewer.h"
#include "runtime/menu/new_folder_dialog.h"
#include "runtime/menu/scratch_folder.h"
#include "runtime/menu/search_form.h"

#include "archive_fixtures.h"
#include "support/temp_dir.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QProgressBar>
#include <QTimer>
#include <QTreeWidget>

#include <gtest/gtest.h>

#include <fcntl.h>
#include <unistd.h>

namespace vistel {
namespace {

using tarnic::test::slurp;
using tarnic::test::TempDir;
namespace fs = std::filesystem;

QApplication& app() {
    static int argc = 1;
    static char name[] = "dialogs_ui_test";
    static char* argv[] = {name, nullptr};
    static QApplication* a = new QApplication(argc, argv);
    return *a;
}

void shoot(QWidget* w, const char* name) {
    // Let the folder list's model fill in before the picture is taken.
    for (int i = 0; i < 20; ++i) {
        QApplication::processEvents();
        ::usleep(10000);
    }
    w->grab().save(QString::fromLatin1(SHOT_DIR) + QLatin1Char('/') + QString::fromLatin1(name));
}

// A context with the program folder's default design and English texts
// when the build made them, else without pictures (the dialogs still work).
struct Context {
    explicit Context(const fs::path& root) {
        app();
        ctx.folders = computeFolders(root);
        const fs::path skins = fs::path(TARNIC_PROGRAM_FOLDER) / "Skins/_default";
        if (fs::exists(skins)) {
            ctx.folders.skin = skins;
            if (auto design = loadDesign(skins.parent_path() / "default.mos"))
                ctx.design = *design;
        }
        ctx.language = MenuLanguage::load(fs::path(TARNIC_PROGRAM_FOLDER) / "Files/language0.dat", 1);
        ctx.playSound = [this](int n) { sounds.push_back(n); };
        ctx.message = [this](const QString& t) { messages.push_back(t); };
    }
    DialogContext ctx;
    std::vector<int> sounds;
    std::vector<QString> messages;
};

ImageButton* button(QWidget* w, const char* name) {
    return w->findChild<ImageButton*>(QString::fromLatin1(name));
}

TEST(CopyDialog, LargeCopyKeepsTheWindowResponsive) {
    TempDir tmp;
    Context c(tmp.path());
    const fs::path src = tmp / "cd/big image.iso";
    fs::create_directories(src.parent_path());
    {
        const int fd = ::open(src.c_str(), O_WRONLY | O_CREAT, 0644);
        ASSERT_GE(fd, 0);
        ASSERT_EQ(::ftruncate(fd, 200LL << 20), 0); // 200 MB, sparse
        ASSERT_EQ(::pwrite(fd, "tail", 4, (200LL << 20) - 4), 4);
        ::close(fd);
    }
    fs::create_directories(tmp / "dest");
    Tfcform dlg(c.ctx);
    dlg.prepare({CopyMode::Copy, src});
    dlg.setCurrentFolder(tmp / "dest");
    EXPECT_EQ(dlg.currentFolder(), tmp / "dest");
    dlg.show();
    auto* bar = dlg.findChild<QProgressBar*>(QStringLiteral("copyanz"));
    std::set<int> seen;
    int ticks = 0;
    QTimer timer;
    QObject::connect(&timer, &QTimer::timeout, &dlg, [&] {
        ++ticks;
        seen.insert(bar->value());
        EXPECT_FALSE(button(&dlg, "start")->isEnabled());
    });
    timer.start(1);
    dlg.startClick();
    timer.stop();
    EXPECT_GT(ticks, 0) << "the window's events stood still during the copy";
    EXPECT_EQ(fs::file_size(tmp / "dest/big image.iso"), 200ULL << 20);
    EXPECT_EQ(bar->value(), 100);
    EXPECT_TRUE(button(&dlg, "start")->isEnabled());
    EXPECT_EQ(c.sounds, (std::vector<int>{3, 4}));
    EXPECT_TRUE(c.messages.empty());
    shoot(&dlg, "copy_dialog.png");
}

TEST(CopyDialog, UnzipReportsSkippedEntriesAndEmptyArchives) {
    TempDir tmp;
    Context c(tmp.path());
    const fs::path zip = tmp / "setup.zip";
    test::writeArchive(zip, {{"docs/readme.txt", "hi"}, {"../evil.txt", "x"}, {"setup.sh", "run"}});
    fs::create_directories(tmp / "dest");
    Tfcform dlg(c.ctx);
    dlg.prepare({CopyMode::Unzip, zip});
    dlg.setCurrentFolder(tmp / "dest");
    dlg.startClick();
    EXPECT_EQ(slurp(tmp / "dest/docs/readme.txt"), "hi");
    EXPECT_FALSE(fs::exists(tmp / "evil.txt"));
    ASSERT_EQ(c.messages.size(), 1u);
    EXPECT_TRUE(c.messages[0].contains(QStringLiteral("../evil.txt")));
    EXPECT_EQ(c.sounds.back(), 5);
    EXPECT_EQ(dlg.findChild<QProgressBar*>(QStringLiteral("copyanz"))->value(), 100);

    const fs::path empty = tmp / "empty.zip";
    test::writeArchive(empty, {});
    dlg.prepare({CopyMode::Unzip, empty});
    dlg.startClick();
    ASSERT_EQ(c.messages.size(), 2u);
    EXPECT_EQ(c.messages[1], QStringLiteral("Error - no files in the Zip file"));
    for (const char* b : {"start", "browsebtn", "newd", "cancel"})
        EXPECT_TRUE(button(&dlg, b)->isEnabled()) << b;
}

TEST(NewFolderDialog, CreatesOrStaysOpen) {
    TempDir tmp;
    Context c(tmp.path());
    fs::create_directories(tmp / "Existing");
    Tddform dd(c.ctx);
    dd.setFolder(tmp.path());
    dd.show();
    auto* edit = dd.findChild<QLineEdit*>(QStringLiteral("Edit1"));
    EXPECT_TRUE(edit->text().isEmpty());
    edit->setText(QStringLiteral("Existing"));
    Q_EMIT edit->returnPressed();
    EXPECT_TRUE(dd.isVisible());
    EXPECT_EQ(dd.result(), 0);
    edit->setText(QStringLiteral("New One"));
    dd.okbtnClick();
    EXPECT_EQ(dd.result(), QDialog::Accepted);
    EXPECT_TRUE(fs::is_directory(tmp / "New One"));
    EXPECT_EQ(dd.createdFolder(), tmp / "New One");
    shoot(&dd, "new_folder_dialog.png");
}

TEST(SearchWindow, FindsOpensAndHides) {
    TempDir tmp;
    tmp.write("cfg/genre.cfg", "[general]\r\nanz_items=2\r\n[0]\r\ncaption=Zebra\r\n[1]\r\ncaption=alpha\r\n");
    tmp.write("cfg/members.cfg", "[0]\r\nanz_items=2\r\n[0-0]\r\ncaption=Setup.exe\r\ngenre=0\r\n"
                                 "[0-1]\r\ncaption=Readme\r\ngenre=0\r\n"
                                 "[1]\r\nanz_items=1\r\n[1-0]\r\ncaption=setup tools\r\ngenre=1\r\n");
    Context c(tmp.path());
    QWidget mainWindow;
    mainWindow.setGeometry(400, 200, 635, 445);
    Tsearchform form(c.ctx, &mainWindow);
    std::vector<std::pair<int, int>> opened;
    form.openResult = [&](int s, int n) { opened.emplace_back(s, n); };
    bool closed = false;
    QObject::connect(&form, &Tsearchform::closed, &form, [&] { closed = true; });
    form.toggle();
    EXPECT_TRUE(form.isVisible());
    auto* edit = form.findChild<QLineEdit*>(QStringLiteral("Edit1"));
    EXPECT_EQ(edit->text(), QStringLiteral("*"));
    edit->setText(QStringLiteral("set*up"));
    form.searchClick();
    auto* list = form.findChild<QTreeWidget*>(QStringLiteral("members"));
    ASSERT_EQ(list->topLevelItemCount(), 2);
    QTreeWidgetItem* tools = list->findItems(QStringLiteral("setup tools"), Qt::MatchExactly).value(0);
    ASSERT_TRUE(tools);
    EXPECT_EQ(tools->text(1), QStringLiteral("alpha"));
    EXPECT_EQ(list->findItems(QStringLiteral("Setup.exe"), Qt::MatchExactly).value(0)->text(1),
              QStringLiteral("Zebra"));
    shoot(&form, "search_form.png");
    list->setCurrentItem(tools);
    form.membersClick();
    EXPECT_EQ(opened, (std::vector<std::pair<int, int>>{{1, 0}}));
    EXPECT_EQ(c.sounds.back(), 2);

    QKeyEvent esc(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
    QApplication::sendEvent(edit, &esc);
    EXPECT_FALSE(form.isVisible());
    EXPECT_TRUE(closed);
    const QPoint placed = form.pos();
    form.toggle();
    EXPECT_EQ(form.pos(), placed); // later showings keep the last place
}

TEST(ArchiveInfoFiles, ShownFromTheScratchFolderAndDeletedOnClose) {
    TempDir tmp;
    Context c(tmp.path());
    const fs::path zip = tmp / "tool.zip";
    test::writeArchive(zip, {{"a/first.nfo", "first"}, {"b/second.nfo", "second\r\nline"}});
    ScratchFolder scratch;
    TInfoform viewer;
    showArchiveInfoFile(nullptr, c.ctx, &viewer, scratch, zip, false, QStringLiteral("/cd/tool.zip"), false);
    ASSERT_TRUE(c.messages.empty());
    EXPECT_TRUE(viewer.isVisible());
    EXPECT_TRUE(viewer.windowTitle().startsWith(QStringLiteral("Nfo ")));
    EXPECT_TRUE(viewer.windowTitle().endsWith(QStringLiteral("/cd/tool.zip")));
    const fs::path shown = *scratch.path() / "second.nfo";
    EXPECT_TRUE(fs::exists(shown));
    EXPECT_TRUE(fs::exists(tmp / "tool.zip"));
    viewer.done(0);
    EXPECT_FALSE(fs::exists(shown));

    showArchiveInfoFile(nullptr, c.ctx, &viewer, scratch, zip, true, QStringLiteral("x"), false);
    ASSERT_EQ(c.messages.size(), 1u);
    EXPECT_EQ(c.messages[0], c.ctx.lang("Language", "no_zip_lang"));
}

} // namespace
} // namespace vistel
