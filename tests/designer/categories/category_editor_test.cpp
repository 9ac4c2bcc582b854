#include "designer/categories/category_editor.h"
#include "designer/categories/category_texts.h"
#include "designer/categories/icon_choosers.h"
#include "designer/language/dialog_runner.h"
#include "designer/language/message_service.h"
#include "designer/language/ui_language.h"
#include "designer/project/category_list.h"
#include "designer/project/project_file.h"
#include "designer/project/project_session.h"
#include "shared/file_io.h"
#include "shared/picture.h"
#include "support/temp_dir.h"

#include "../project/project_fixtures.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <QTreeWidget>

#include <gtest/gtest.h>

#include <functional>
#include <memory>

namespace vardeo {
namespace {

namespace fs = std::filesystem;
using tarnic::test::slurp;
using tarnic::test::TempDir;

QApplication& app() {
    static int argc = 1;
    static char name[] = "vardeo-tests";
    static char* argv[] = {name, nullptr};
    static auto* instance = new QApplication(argc, argv);
    return *instance;
}

// A 32 x 32 icon: a coloured disc on a transparent ground, with a light rim.
std::string iconBytes(std::uint32_t argb) {
    tarnic::Image img(32, 32, 0x00000000u);
    for (int y = 0; y < 32; ++y)
        for (int x = 0; x < 32; ++x) {
            const int dx = x - 16;
            const int dy = y - 16;
            const int d2 = dx * dx + dy * dy;
            if (d2 > 14 * 14)
                continue;
            std::uint8_t* p = img.pixel(x, y);
            const bool rim = d2 > 12 * 12;
            p[0] = rim ? 255 : static_cast<std::uint8_t>((argb >> 16) & 0xFF);
            p[1] = rim ? 255 : static_cast<std::uint8_t>((argb >> 8) & 0xFF);
            p[2] = rim ? 255 : static_cast<std::uint8_t>(argb & 0xFF);
            p[3] = 255;
        }
    return tarnic::encodeIco({img});
}

void screenshot(QWidget& w, const char* name) {
    w.show();
    QApplication::processEvents();
    QDir().mkpath(QStringLiteral(TARNIC_SCREENSHOT_DIR));
    EXPECT_TRUE(w.grab().save(QStringLiteral(TARNIC_SCREENSHOT_DIR "/") + QString::fromLatin1(name)));
}

class TestHost final : public CategoryEditorHost {
public:
    fs::path file;
    std::string cd = "My CD";
    ProjectMode projectMode = ProjectMode::Work;
    std::string newName;
    bool modified = false;
    int adopted = 0;
    fs::path categoryFile() const override { return tarnic::fileExists(file) ? file : fs::path(); }
    void setCategoryFile(fs::path f) override { file = std::move(f); }
    std::string cdName() const override { return cd; }
    ProjectMode mode() const override { return projectMode; }
    std::string newProjectCdName() const override { return newName; }
    void setModified() override { modified = true; }
    void categoriesAdopted() override { ++adopted; }
};

class EditorTest : public ::testing::Test {
protected:
    TempDir dir;
    fs::path program = dir / "program";
    std::unique_ptr<ScriptedAnswers> answers;
    // What the modal hook does with each dialog type.
    std::function<int(Tiwform&)> onIconChooser = [](Tiwform& f) {
        f.icons()->setCurrentRow(0);
        return int(QDialog::Accepted);
    };
    QString renameTo;
    std::function<int(Tgfform&)> onEditor = [](Tgfform&) { return int(QDialog::Rejected); };
    std::optional<fs::path> fileAnswer;
    std::vector<QString> shownDialogs;

    void SetUp() override {
        app();
        dir.write("program/Files/vistel.ico", iconBytes(0xFF2060C0u));
        const std::uint32_t colours[] = {0xFFD03030u, 0xFF30A040u, 0xFFE0B020u, 0xFF8040C0u};
        dir.write("program/ip/ip01.cfg", "[general]\r\nanz_icons=4\r\n");
        for (int i = 0; i < 4; ++i)
            dir.write("program/ip/ip01/ip01i0" + std::to_string(i + 1) + ".ico", iconBytes(colours[i]));
        dir.write("program/ip/ip02.cfg", "[general]\r\nanz_icons=1\r\n");
        dir.write("program/ip/ip02/ip02i01.ico", iconBytes(0xFF00A0A0u));
        dir.write("program/ip/ip15.cfg", "[general]\r\nanz_icons=3\r\n"); // names more than it holds
        dir.write("program/ip/ip15/ip15i01.ico", iconBytes(0xFF606060u));
        for (const auto& [k, nr, name] : {std::tuple{1, 3, "Classic"}, std::tuple{2, 5, "Modern"}}) {
            dir.write("program/Files/m_icons/" + std::to_string(k) + ".cfg",
                      std::string("[general]\r\nname=") + name + "\r\nnr=" + std::to_string(nr) + "\r\n");
            for (int n = 1; n <= 14; ++n)
                dir.write("program/Files/m_icons/" + std::to_string(nr) + "/m" + std::to_string(n) + ".ico",
                          iconBytes(0xFF000000u | static_cast<std::uint32_t>(n * 18) << 16 |
                                    static_cast<std::uint32_t>(nr * 40)));
        }
        fs::create_directories(program / "Categories");
        uiLanguage().setProgramFolder(program);
        uiLanguage().load(1);
        answers = std::make_unique<ScriptedAnswers>();
        messages().clearLog();
        setModalHook([this](QDialog& d) {
            shownDialogs.push_back(d.objectName());
            if (auto* chooser = dynamic_cast<Tiwform*>(&d)) {
                chooser->prepare();
                return onIconChooser(*chooser);
            }
            if (auto* rename = dynamic_cast<Tcatrenameform*>(&d)) {
                rename->editField()->setText(renameTo);
                QTest::mouseClick(rename->findChild<QPushButton*>(QStringLiteral("OK")), Qt::LeftButton);
                return rename->result();
            }
            if (auto* editor = dynamic_cast<Tgfform*>(&d))
                return onEditor(*editor);
            return int(QDialog::Rejected);
        });
        setFileDialogHook([this](const FileDialogRequest&) { return fileAnswer; });
    }
    void TearDown() override {
        setModalHook({});
        setFileDialogHook({});
        answers.reset();
    }

    static QTreeWidgetItem* find(Tgfform& f, const QString& caption) {
        const auto hits = f.tree()->findItems(caption, Qt::MatchExactly | Qt::MatchRecursive);
        return hits.isEmpty() ? nullptr : hits.front();
    }
    static void click(Tgfform& f, const char* name) {
        auto* b = f.findChild<QPushButton*>(QString::fromLatin1(name));
        ASSERT_NE(b, nullptr) << name;
        QTest::mouseClick(b, Qt::LeftButton);
    }
    static void select(Tgfform& f, const QString& caption) {
        QTreeWidgetItem* item = find(f, caption);
        ASSERT_NE(item, nullptr) << caption.toStdString();
        f.tree()->setCurrentItem(item);
    }
    void add(Tgfform& f, const QString& under, const QString& name, int icon) {
        select(f, under);
        f.nameField()->setText(name);
        onIconChooser = [icon](Tiwform& c) {
            c.icons()->setCurrentRow(icon);
            QTest::mouseClick(c.findChild<QPushButton*>(QStringLiteral("OK")), Qt::LeftButton);
            return c.result();
        };
        click(f, "add");
    }
    QString lastKey() const { return messages().log().empty() ? QString() : messages().log().back().key; }
    // "parent/caption" per category in pre-order.
    static std::vector<std::string> shape(Tgfform& f) {
        std::vector<std::string> out;
        for (const FlatCategory& c : f.set().tree().flatten())
            if (c.position > 0)
                out.push_back(std::to_string(c.parentPosition) + "/" + c.caption);
        return out;
    }
};

TEST_F(EditorTest, BuildRearrangeRenameSaveAndReopen) {
    Tgfform form(program);
    TestHost host;
    form.prepare(host);
    // No category file and no standard set: the root alone, named after the CD.
    EXPECT_EQ(form.tree()->topLevelItemCount(), 1);
    EXPECT_EQ(form.tree()->topLevelItem(0)->text(0), QStringLiteral("My CD"));
    EXPECT_EQ(host.file, program / "Files/Standard.cmg");

    add(form, QStringLiteral("My CD"), QStringLiteral("Tools"), 1);
    add(form, QStringLiteral("My CD"), QStringLiteral("Games"), 0);
    add(form, QStringLiteral("Games"), QStringLiteral("Puzzle"), 3);
    add(form, QStringLiteral("Games"), QStringLiteral("Action"), 2);
    EXPECT_EQ(shape(form), (std::vector<std::string>{"0/Games", "1/Action", "1/Puzzle", "0/Tools"}));
    EXPECT_TRUE(form.nameField()->text().isEmpty());
    EXPECT_FALSE(find(form, QStringLiteral("Action"))->icon(0).isNull());
    EXPECT_TRUE(form.set().changed());

    messages().clearLog();
    add(form, QStringLiteral("Games"), QStringLiteral("ACTION"), 0);
    EXPECT_EQ(lastKey(), QStringLiteral("M65"));
    add(form, QStringLiteral("Games"), QString(), 0);
    EXPECT_EQ(lastKey(), QStringLiteral("M22"));
    select(form, QStringLiteral("My CD"));
    click(form, "rem");
    EXPECT_EQ(lastKey(), QStringLiteral("M64"));
    click(form, "renamebtn");
    EXPECT_EQ(lastKey(), QStringLiteral("M70"));
    click(form, "standard");
    EXPECT_EQ(lastKey(), QStringLiteral("M72"));
    form.findChild<QAction*>(QStringLiteral("chanegicon1"))->trigger();
    EXPECT_EQ(lastKey(), QStringLiteral("M69"));

    // Drops: refused ones beep and leave the tree as it was.
    select(form, QStringLiteral("Games"));
    EXPECT_FALSE(form.dropOn(find(form, QStringLiteral("Action"))));
    EXPECT_EQ(lastKey(), QStringLiteral("M68"));
    select(form, QStringLiteral("Action"));
    EXPECT_FALSE(form.dropOn(find(form, QStringLiteral("Games"))));
    EXPECT_EQ(lastKey(), QStringLiteral("M66"));
    select(form, QStringLiteral("My CD"));
    EXPECT_FALSE(form.dropOn(find(form, QStringLiteral("Tools"))));
    EXPECT_EQ(lastKey(), QStringLiteral("M67"));
    select(form, QStringLiteral("Games"));
    EXPECT_TRUE(form.dropOn(find(form, QStringLiteral("Tools"))));
    EXPECT_EQ(shape(form), (std::vector<std::string>{"0/Tools", "1/Games", "2/Action", "2/Puzzle"}));
    EXPECT_TRUE(find(form, QStringLiteral("Tools"))->isExpanded());

    // The start category keeps its marker through a rename by key F2.
    select(form, QStringLiteral("Games"));
    click(form, "standard");
    EXPECT_NE(find(form, QStringLiteral("Games (Start)")), nullptr);
    renameTo = QStringLiteral("Spiele");
    QTest::keyClick(form.tree(), Qt::Key_F2);
    EXPECT_NE(find(form, QStringLiteral("Spiele (Start)")), nullptr);
    renameTo = QString();
    messages().clearLog();
    QTest::keyClick(form.tree(), Qt::Key_Space);
    EXPECT_EQ(lastKey(), QStringLiteral("M6"));

    click(form, "Sort");
    screenshot(form, "category_editor.png");

    // Save without a file turns into Save As; the extension is added.
    fileAnswer = dir / "cats" / "mine";
    fs::create_directories(dir / "cats");
    click(form, "sgf");
    const fs::path cmg = dir / "cats/mine.cmg";
    ASSERT_TRUE(fs::exists(cmg));
    EXPECT_FALSE(form.set().changed());
    EXPECT_TRUE(form.windowTitle().endsWith(QString::fromStdString(cmg.string())));
    EXPECT_EQ(CategoryList::load(cmg)->entries(), (std::vector<std::string>{"Tools", ".Spiele", "..Action", "..Puzzle"}));
    EXPECT_NE(slurp(cmg).find("start=2"), std::string::npos);
    EXPECT_EQ(slurp(dir / "cats/_mine/3.ico"), slurp(program / "ip/ip01/ip01i03.ico")); // Action
    EXPECT_EQ(slurp(dir / "cats/_mine/1.ico"), slurp(program / "ip/ip01/ip01i02.ico")); // Tools

    Tgfform again(program);
    TestHost other;
    other.file = cmg;
    other.cd = "Other";
    again.prepare(other);
    EXPECT_FALSE(other.modified);
    EXPECT_EQ(shape(again), (std::vector<std::string>{"0/Tools", "1/Spiele (Start)", "2/Action", "2/Puzzle"}));
    EXPECT_FALSE(find(again, QStringLiteral("Puzzle"))->icon(0).isNull());
}

// A drop on the view moves the selected category once the drag has ended.
TEST_F(EditorTest, ADropOnTheViewMovesTheSelectedCategory) {
    const fs::path cmg = dir.write("program/Categories/set.cmg", test::cmgText({{1, "A"}, {1, "B"}, {1, "C"}}, 9));
    Tgfform form(program);
    TestHost host;
    host.file = cmg;
    form.prepare(host);
    form.show();
    QApplication::processEvents();
    select(form, QStringLiteral("C"));
    const QPoint at = form.tree()->visualItemRect(find(form, QStringLiteral("A"))).center();
    form.tree()->dropAt(at);
    EXPECT_EQ(shape(form), (std::vector<std::string>{"0/A", "0/B", "0/C"})); // not yet: the drag still runs
    QApplication::processEvents();
    EXPECT_EQ(shape(form), (std::vector<std::string>{"0/A", "1/C", "0/B"}));
    EXPECT_TRUE(form.set().changed());
}

TEST_F(EditorTest, OkAsksToSaveAndAdoptsTheFile) {
    const fs::path cmg = dir.write("program/Categories/set.cmg", test::cmgText({{1, "A"}, {1, "B"}}));
    Tgfform form(program);
    TestHost host;
    host.file = cmg;
    host.projectMode = ProjectMode::New;
    host.newName = "Typed CD";
    form.prepare(host);
    EXPECT_EQ(form.tree()->topLevelItem(0)->text(0), QStringLiteral("Typed CD"));

    select(form, QStringLiteral("B"));
    click(form, "standard");
    answers->push(Answer::Cancel);
    click(form, "OK");
    EXPECT_EQ(lastKey(), QStringLiteral("M23"));
    EXPECT_EQ(host.adopted, 0);
    EXPECT_TRUE(form.set().changed());

    answers->push(Answer::Ok);
    click(form, "OK");
    EXPECT_EQ(host.adopted, 1);
    EXPECT_TRUE(host.modified);
    EXPECT_EQ(host.file, cmg);
    EXPECT_NE(slurp(cmg).find("start=2"), std::string::npos);
    EXPECT_EQ(form.result(), QDialog::Accepted);
}

TEST_F(EditorTest, TheStandardSetIsSavedUnderANewName) {
    dir.write("program/Files/Standard.cmg", test::cmgText({{1, "Std"}}));
    const std::string before = slurp(program / "Files/Standard.cmg");
    Tgfform form(program);
    TestHost host;
    form.prepare(host);
    add(form, QStringLiteral("My CD"), QStringLiteral("  Mine "), 0);
    EXPECT_NE(find(form, QStringLiteral("Mine")), nullptr); // blanks the file could not keep
    fileAnswer = std::nullopt; // the user cancels the Save As dialog
    click(form, "sgf");
    EXPECT_EQ(slurp(program / "Files/Standard.cmg"), before);
    EXPECT_TRUE(form.set().changed());
    answers->push(Answer::Ok);
    click(form, "OK"); // still no file chosen: the editor stays open
    EXPECT_EQ(host.adopted, 0);
    EXPECT_EQ(slurp(program / "Files/Standard.cmg"), before);
}

TEST_F(EditorTest, ProjectItemsKeepTheirCategoriesThroughTheEditor) {
    struct NoPrompts final : ProjectPrompts {
        std::optional<fs::path> locateMissingFile(MissingFile, const fs::path&) override { return {}; }
        bool askYesNo(std::string_view) override { return false; }
        std::optional<fs::path> chooseSaveAsFile(const fs::path&) override { return {}; }
        void reportError(std::string_view, const tarnic::Error&) override {}
        void reportWarning(std::string_view) override {}
    } prompts;
    const fs::path cmg = dir.write("work/Set.cmg", test::cmgText({{1, "Games"}, {1, "Tools"}}));
    dir.write("work/_Set/1.ico", iconBytes(0xFFFF0000u));
    dir.write("work/_Set/2.ico", iconBytes(0xFF00FF00u));
    ProjectHeader h;
    h.cdName = "CD";
    h.categoryFile = cmg.string();
    h.designFile = dir.write("work/d.mos", "[general]\r\n").string();
    const fs::path mof = dir / "work/p.mof";
    ASSERT_TRUE(writeProject(mof, h, {test::makeItem("g", "Games"), test::makeItem("t", "Tools")},
                             *CategoryList::load(cmg), LocalWords{})
                    .ok());
    ProjectSession session(program, prompts, {.recentFiles = false, .workingCopy = true});
    ASSERT_EQ(session.open(mof), ProjectSession::OpenResult::Opened);

    onEditor = [this](Tgfform& f) {
        select(f, QStringLiteral("Tools"));
        renameTo = QStringLiteral("Utilities");
        f.findChild<QAction*>(QStringLiteral("RenameItem1"))->trigger();
        select(f, QStringLiteral("Utilities"));
        click(f, "standard");
        click(f, "OK");
        return f.result();
    };
    QWidget parent;
    EXPECT_TRUE(runCategoryEditor(&parent, session));
    EXPECT_EQ(session.categories().entries(), (std::vector<std::string>{"Games", "Utilities"}));
    EXPECT_EQ(session.items()[0][Field::Category], "Games");
    EXPECT_EQ(session.items()[1][Field::Category], "Utilities");
    EXPECT_TRUE(session.modified());
    EXPECT_EQ(session.categoryFile(), cmg);
    EXPECT_NE(slurp(cmg).find("start=2"), std::string::npos);
}

TEST_F(EditorTest, IconPackChooserListsPacksAndRefusesOkWithoutIcon) {
    Tiwform chooser(program);
    chooser.prepare();
    ASSERT_EQ(chooser.packs()->count(), 3);
    EXPECT_EQ(chooser.packs()->itemText(0), QStringLiteral("Icon Pack 01"));
    EXPECT_EQ(chooser.packs()->itemText(2), QStringLiteral("Icon Pack 15"));
    EXPECT_EQ(chooser.icons()->count(), 4);
    EXPECT_EQ(chooser.icons()->item(1)->text(), QStringLiteral("02"));
    screenshot(chooser, "icon_pack_chooser.png");

    messages().clearLog();
    chooser.icons()->clearSelection();
    chooser.OKClick();
    EXPECT_EQ(lastKey(), QStringLiteral("M25"));

    // Pack 15 names three icons but holds one: the listing ends with the error.
    messages().clearLog();
    chooser.showPack(15);
    EXPECT_EQ(chooser.icons()->count(), 1);
    ASSERT_EQ(messages().log().size(), 1u);
    EXPECT_TRUE(messages().log()[0].text.contains(QStringLiteral("ip15i02.ico")));

    onIconChooser = [](Tiwform& c) {
        c.showPack(2);
        c.icons()->setCurrentRow(0);
        return int(QDialog::Accepted);
    };
    EXPECT_EQ(chooser.choose(), program / "ip/ip02/ip02i01.ico");
    onIconChooser = [](Tiwform&) { return int(QDialog::Rejected); };
    EXPECT_EQ(chooser.choose(), std::nullopt);
}

TEST_F(EditorTest, MemberIconSetChooser) {
    Tm_icon_form form(program);
    setModalHook([](QDialog& d) { return dynamic_cast<Tm_icon_form*>(&d) != nullptr ? int(QDialog::Accepted) : 0; });
    // Set 0 is taken for set 3.
    EXPECT_EQ(form.choose(0), 3);
    EXPECT_EQ(form.sets()->currentText(), QStringLiteral("Classic"));
    EXPECT_EQ(form.windowTitle(), QStringLiteral("Tarnic - Vardeo - Classic"));
    ASSERT_EQ(form.members()->count(), 14);
    EXPECT_FALSE(form.members()->item(13)->icon().isNull());
    form.largeAction()->trigger();
    EXPECT_TRUE(form.largeAction()->isChecked());
    EXPECT_FALSE(form.smallAction()->isChecked());
    screenshot(form, "member_icon_chooser.png");

    // A set that is not installed keeps the selection; Cancel changes nothing.
    form.sets()->setCurrentIndex(1);
    form.showSet(1);
    EXPECT_EQ(form.choose(42), 5);
    setModalHook([](QDialog&) { return int(QDialog::Rejected); });
    EXPECT_EQ(form.choose(3), std::nullopt);

    struct NoPrompts final : ProjectPrompts {
        std::optional<fs::path> locateMissingFile(MissingFile, const fs::path&) override { return {}; }
        bool askYesNo(std::string_view) override { return false; }
        std::optional<fs::path> chooseSaveAsFile(const fs::path&) override { return {}; }
        void reportError(std::string_view, const tarnic::Error&) override {}
        void reportWarning(std::string_view) override {}
    } prompts;
    ProjectSession session(program, prompts, {.recentFiles = false, .workingCopy = false});
    session.header().memberIconSet = 5;
    QWidget parent;
    EXPECT_FALSE(runMemberIconChooser(&parent, session));
    EXPECT_EQ(session.header().memberIconSet, 5);
    EXPECT_FALSE(session.modified());
}

} // namespace
} // namespace vardeo
