#include "runtime/menu/image_button.h"
#include "runtime/menu/info_viewer.h"
#include "runtime/menu/label3d.h"
#include "runtime/menu/thumb_window.h"
#include "runtime/menu/vistel_form.h"
#include "skin_fixture.h"

#include <QApplication>
#include <QListWidget>
#include <QTest>
#include <QTextEdit>

#include <gtest/gtest.h>

namespace vistel {
namespace {

using tarnic::test::TempDir;

QApplication& app() {
    static int argc = 1;
    static char name[] = "vistel_form_tests";
    static char* argv[] = {name, nullptr};
    static QApplication* a = new QApplication(argc, argv);
    return *a;
}

// Screenshots land beside the test binary, to be looked at.
void shoot(QWidget* w, const char* name) {
    w->grab().save(QString::fromLatin1(SHOT_DIR) + QLatin1Char('/') + QString::fromLatin1(name));
}

struct FormFixture : ::testing::Test {
    TempDir cd;
    std::vector<QString> messages;
    std::vector<LaunchRequest> launches;
    std::unique_ptr<Tvistel_form> form;

    void SetUp() override { app(); }

    bool start() {
        form = std::make_unique<Tvistel_form>(cd.path());
        form->setMessageHook([this](const QString&, const QString& t) { messages.push_back(t); });
        form->setLaunchHook([this](const LaunchRequest& r) { launches.push_back(r); });
        form->show();
        const bool ok = form->startUp(false);
        QApplication::processEvents();
        return ok;
    }
    template <typename T> T* child(const char* name) {
        return form->findChild<T*>(QString::fromLatin1(name));
    }
    void clickRow(QListWidget* list, int row) {
        const QRect r = list->visualItemRect(list->item(row));
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, r.center());
        QApplication::processEvents();
    }
    QString label(const char* name) { return child<Label3D>(name)->text(); }
};

TEST_F(FormFixture, BrowsesCategoriesAndItems) {
    test::writeCd(cd);
    ASSERT_TRUE(start()) << (messages.empty() ? "" : messages.front().toStdString());
    EXPECT_TRUE(messages.empty());
    EXPECT_EQ(form->windowTitle(), QStringLiteral("Test CD"));
    EXPECT_EQ(form->size(), QSize(635, 445));
    auto* genre = child<QListWidget>("genre");
    auto* members = child<QListWidget>("members");
    ASSERT_EQ(genre->count(), 3); // start category Games: itself and its children
    EXPECT_EQ(genre->item(0)->text(), QStringLiteral("Games"));
    ASSERT_EQ(members->count(), 2);
    EXPECT_EQ(label("filename"), QString::fromStdString((cd.path() / "games/blaster/blaster.exe").string()));
    EXPECT_EQ(label("serial"), QStringLiteral("1234-5678"));
    EXPECT_EQ(label("rank"), QStringLiteral("85 %"));
    EXPECT_EQ(label("LMDLabelFill9"), QStringLiteral("Details of Blaster"));
    EXPECT_TRUE(child<Label3D>("desc")->isVisible());
    EXPECT_TRUE(child<ImageButton>("ausf")->isEnabled());
    EXPECT_TRUE(child<ImageButton>("info")->isEnabled()); // blaster.nfo
    EXPECT_FALSE(child<ImageButton>("zip")->isEnabled());
    shoot(form.get(), "vistel_details.png");

    child<ImageButton>("ausf")->click();
    ASSERT_EQ(launches.size(), 1u);
    EXPECT_EQ(launches[0].arguments, std::vector<std::string>{"--fast"});
    EXPECT_EQ(launches[0].workingFolder, cd / "games/blaster");

    // The jump point opens its folder.
    clickRow(members, 1);
    EXPECT_EQ(label("filename"), QString::fromStdString((cd.path() / "games").string() + "/"));
    child<ImageButton>("ausf")->click();
    ASSERT_EQ(launches.size(), 2u);
    EXPECT_EQ(launches[1].kind, LaunchRequest::Kind::ExploreFolder);

    // Up to the top level, then Tools.
    child<ImageButton>("home_btn")->click();
    ASSERT_EQ(genre->count(), 2);
    clickRow(genre, 1);
    EXPECT_EQ(label("LMDLabelFill3"), QStringLiteral("Files in Tools"));
    ASSERT_EQ(members->count(), 2);
    EXPECT_TRUE(child<ImageButton>("zip")->isEnabled());
    EXPECT_TRUE(child<ImageButton>("nfo")->isEnabled());
    EXPECT_FALSE(child<ImageButton>("ausf")->isEnabled());
    child<ImageButton>("ausf")->click(); // disabled: nothing happens
    EXPECT_EQ(launches.size(), 2u);
    shoot(form.get(), "vistel_tools.png");

    // The RTF info text shows formatted in the text style.
    child<ImageButton>("info")->click();
    auto* viewer = form->infoViewer();
    ASSERT_TRUE(viewer->isVisible());
    EXPECT_TRUE(viewer->textView()->isVisible());
    EXPECT_TRUE(viewer->textView()->toPlainText().startsWith(QStringLiteral("Editor info")));
    EXPECT_TRUE(viewer->textView()->toHtml().contains(QStringLiteral("font-weight")));
    shoot(viewer, "vistel_info_rtf.png");
    viewer->hide();

    // The link item: explorer opens the address.
    clickRow(members, 1);
    child<ImageButton>("browsebtn")->click();
    ASSERT_EQ(launches.size(), 3u);
    EXPECT_EQ(launches[2].target, "http://example.org/");
}

TEST_F(FormFixture, NfoViewerAndPanelSwitches) {
    test::writeCd(cd);
    ASSERT_TRUE(start());
    child<ImageButton>("info")->click();
    auto* viewer = form->infoViewer();
    ASSERT_TRUE(viewer->isVisible());
    EXPECT_TRUE(viewer->nfoView()->isVisible());
    EXPECT_EQ(viewer->nfoView()->toPlainText().left(4), QStringLiteral("\u2554\u2550\u2550\u2557"));
    EXPECT_EQ(viewer->height(), 4 * 15 + 50);
    shoot(viewer, "vistel_info_nfo.png");
    viewer->hide();

    auto* members = child<QListWidget>("members");
    child<ImageButton>("hidedetbtn")->click();
    EXPECT_EQ(members->width(), 615);
    EXPECT_FALSE(child<Label3D>("desc")->isVisible());
    shoot(form.get(), "vistel_list_only.png");
    child<ImageButton>("hidedetbtn")->click();
    EXPECT_EQ(members->width(), 235);
    EXPECT_TRUE(child<Label3D>("desc")->isVisible());

    child<ImageButton>("docthumbtn")->click();
    EXPECT_TRUE(form->thumbnailWindow()->isVisible());
    EXPECT_TRUE(form->thumbnailWindow()->docked());
    EXPECT_EQ(form->thumbnailWindow()->size(), QSize(330, 255));
    EXPECT_TRUE(child<Label3D>("LMDLabelFill9_2")->isVisible());
    EXPECT_FALSE(child<Label3D>("desc")->isVisible());
    child<ImageButton>("docthumbtn")->click();
    EXPECT_FALSE(form->thumbnailWindow()->docked());
    EXPECT_TRUE(child<Label3D>("desc")->isVisible());
}

TEST_F(FormFixture, MissingPictureIsReportedByNameWithoutCrash) {
    test::writeCd(cd);
    std::filesystem::remove(cd / "cfg/skin/left.bmp");
    EXPECT_FALSE(start());
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_TRUE(messages[0].contains(QStringLiteral("left.bmp"))) << messages[0].toStdString();
    EXPECT_EQ(child<QListWidget>("members")->count(), 0);
    shoot(form.get(), "vistel_missing_picture.png");
}

TEST_F(FormFixture, EmptyFolderAndDamagedFilesDoNotCrash) {
    // No data at all: the first required picture is missing.
    EXPECT_FALSE(start());
    EXPECT_FALSE(messages.empty());
    // Damaged data files with a complete skin.
    test::writeSkin(cd);
    cd.write("cfg/genre.cfg", std::string("\0\xff[general]\nanz_items=99999\n[0\n", 30));
    cd.write("cfg/members.cfg", "[0]\nanz_items=-5\n");
    cd.write("cfg/skin.cfg", "");
    for (int n = 1; n <= 14; ++n)
        cd.write("cfg/m" + std::to_string(n) + ".ico", test::icoFile(0xFF808080u, 16));
    messages.clear();
    start();
    EXPECT_EQ(child<QListWidget>("members")->count(), 0);
    EXPECT_FALSE(child<ImageButton>("ausf")->isEnabled());
}

} // namespace
} // namespace vistel
