#include "designer/mainwindow/cell_editors.h"
#include "designer/mainwindow/item_grid_view.h"
#include "designer/mainwindow/item_model.h"
#include "designer/mainwindow/main_actions.h"
#include "designer/language/ui_language.h"
#include "window_fixture.h"

#include <QAction>
#include <QHeaderView>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScrollBar>

using namespace vardeo;
using namespace vardeo::test;

namespace {

int rowOf(Tform1& w, const std::string& name) {
    for (int r = 0; r < w.model().rowCount(); ++r)
        if (w.model().item(r)[Field::Name] == name)
            return r;
    return -1;
}

} // namespace

TEST_F(WindowTest, OpenEditSaveAndReopen) {
    Tform1& w = open();
    ASSERT_TRUE(w.session().isOpen());
    EXPECT_EQ(w.windowTitle(), QStringLiteral("Tarnic - Vardeo - My CD"));
    EXPECT_EQ(w.model().rowCount(), 4);
    EXPECT_TRUE(w.actions()["save"]->isEnabled());

    // Text editor: the hook types a new name and presses OK.
    setModalHook([](QDialog& d) {
        if (auto* edit = d.findChild<QLineEdit*>(QStringLiteral("Edit1"))) {
            edit->setText(QStringLiteral("Zeta Deluxe"));
            d.findChild<QPushButton*>(QStringLiteral("OK"))->click();
            return d.result();
        }
        return int(QDialog::Rejected);
    });
    w.editCell(rowOf(w, "Zeta"), ItemTableModel::columnOf(Field::Name));
    EXPECT_EQ(rowOf(w, "Zeta Deluxe"), 0);
    EXPECT_TRUE(w.session().modified());
    EXPECT_TRUE(w.windowTitle().endsWith(QStringLiteral("*")));

    // Slider: 42 per cent.
    setModalHook([](QDialog& d) {
        d.findChild<QScrollBar*>(QStringLiteral("ScrollBar1"))->setValue(42);
        return int(QDialog::Accepted);
    });
    w.editField(1, Field::Rating);
    EXPECT_EQ(w.model().item(1)[Field::Rating], "042 %");

    // Category list: dotted entries offered, stored without dots.
    setModalHook([](QDialog& d) {
        auto* list = d.findChild<QListWidget*>(QStringLiteral("ComboBox1"));
        EXPECT_EQ(list->item(2)->text(), QStringLiteral(".Ver. 2"));
        list->setCurrentRow(2);
        return int(QDialog::Accepted);
    });
    w.editField(1, Field::Category);
    EXPECT_EQ(w.model().item(1)[Field::Category], "Ver 2");

    w.saveClick();
    EXPECT_FALSE(w.session().modified());
    w.close();
    window.reset();

    Tform1& again = open();
    EXPECT_EQ(again.model().item(0)[Field::Name], "Zeta Deluxe");
    EXPECT_EQ(again.model().item(1)[Field::Rating], "042 %");
    EXPECT_EQ(again.model().item(1)[Field::Category], "Ver 2");
}

TEST_F(WindowTest, CellEditorRefusals) {
    Tform1& w = open();
    ProjectItem link = makeItem("Site", "Games");
    link[Field::FileName] = "http://example.org";
    link[Field::CdPath] = "";
    ProjectItem jump = makeItem("Folder", "Games");
    jump[Field::FileName] = "Jump Point";
    const int linkRow = w.model().appendItem(link);
    const int jumpRow = w.model().appendItem(jump);
    struct Case {
        int row;
        Field field;
        const char* key;
    } cases[] = {{jumpRow, Field::FileName, "M31"}, {linkRow, Field::CdPath, "M32"},
                 {jumpRow, Field::Copy, "M33"},     {linkRow, Field::Copy, "M33"},
                 {jumpRow, Field::FileSourceLocation, "M34"}, {linkRow, Field::Parameter, "M74"}};
    int opened = 0;
    setModalHook([&](QDialog&) {
        ++opened;
        return int(QDialog::Rejected);
    });
    for (const Case& c : cases) {
        messages().clearLog();
        const ProjectItem before = w.model().item(c.row);
        w.editField(c.row, c.field);
        ASSERT_EQ(messages().log().size(), 1u) << c.key;
        EXPECT_EQ(messages().log()[0].key, QString::fromLatin1(c.key));
        EXPECT_EQ(w.model().item(c.row), before);
    }
    EXPECT_EQ(opened, 0);
}

TEST_F(WindowTest, TypedCharacterOutsideTheCodePageIsRefused) {
    Tform1& w = open();
    setModalHook([](QDialog& d) {
        if (auto* edit = d.findChild<QLineEdit*>(QStringLiteral("Edit1"))) {
            edit->setText(QStringLiteral("Caf\u00e9 \u0416"));
            d.findChild<QPushButton*>(QStringLiteral("OK"))->click(); // refused: dialog stays
            EXPECT_FALSE(d.result() == QDialog::Accepted);
            edit->setText(QStringLiteral("Caf\u00e9"));
            d.findChild<QPushButton*>(QStringLiteral("OK"))->click();
            return d.result();
        }
        return int(QDialog::Rejected);
    });
    w.editField(0, Field::Description);
    EXPECT_EQ(w.model().item(0)[Field::Description], "Caf\xE9");
    ASSERT_FALSE(messages().log().empty());
    EXPECT_EQ(messages().log()[0].kind, BoxKind::Error);
}

TEST_F(WindowTest, FullSortGroupsByCategoryAndKeepsNameOrder) {
    Tform1& w = open();
    w.sortClick();
    std::vector<std::string> names;
    for (int r = 0; r < w.model().rowCount(); ++r)
        names.push_back(w.model().item(r)[Field::Name]);
    EXPECT_EQ(names, (std::vector<std::string>{"Alpha", "Gamma", "Beta", "Zeta"}));
    // Banding: two Games rows share colour 1, the Tools rows colour 2.
    EXPECT_EQ(w.model().rowColour(0), w.model().rowColour(1));
    EXPECT_NE(w.model().rowColour(1), w.model().rowColour(2));
    EXPECT_TRUE(w.session().modified());
}

TEST_F(WindowTest, RemoveTheOnlyItemLeavesOneEmptyRow) {
    Tform1& w = open();
    while (w.model().rowCount() > 1) {
        w.grid().setCurrentIndex(w.model().index(0, 1));
        w.removeClick();
    }
    w.removeClick();
    EXPECT_EQ(w.model().rowCount(), 1);
    EXPECT_FALSE(w.model().item(0).isItem());
}

TEST_F(WindowTest, ColumnMoveRefusedWhileAColumnIsHidden) {
    Tform1& w = open();
    ASSERT_TRUE(w.setGridMode(GridMode::QuickSort));
    w.setColumnShown(Field::Serial, false);
    w.setGridMode(GridMode::ColumnMove);
    EXPECT_EQ(shownKeys().back(), QStringLiteral("M37"));
    EXPECT_EQ(w.gridMode(), GridMode::QuickSort);
    w.showAllColumns();
    w.setGridMode(GridMode::ColumnMove);
    EXPECT_EQ(w.gridMode(), GridMode::ColumnMove);
}

TEST_F(WindowTest, FindWithRegularExpressionAndFindNext) {
    Tform1& w = open();
    setModalHook([](QDialog& d) {
        d.findChild<QLineEdit*>(QStringLiteral("findtext"))->setText(QStringLiteral("^(Alpha|Gamma)$"));
        d.findChild<QAbstractButton*>(QStringLiteral("regexp"))->setChecked(true);
        return int(QDialog::Accepted);
    });
    w.findClick();
    EXPECT_EQ(w.grid().currentIndex().row(), 1); // Alpha
    w.findNextClick();
    EXPECT_EQ(w.grid().currentIndex().row(), 3); // Gamma
    messages().clearLog();
    w.findNextClick();
    EXPECT_EQ(shownKeys(), std::vector<QString>{QStringLiteral("M36")});
}

TEST_F(WindowTest, LanguageSwitchTranslatesCellsAndHeadersAndSettingsPersist) {
    Tform1& w = open();
    w.grid().horizontalHeader()->moveSection(w.displayColumnOf(Field::Rating), 1);
    w.setColumnShown(Field::Homepage, false);
    w.applyLanguage(2, true);
    EXPECT_EQ(w.model().item(0)[Field::Copy], "ja");
    EXPECT_EQ(w.model().headerData(ItemTableModel::columnOf(Field::Execute), Qt::Horizontal, Qt::DisplayRole)
                  .toString(),
              QString::fromUtf8("Ausf\u00fchren"));
    EXPECT_EQ(w.displayColumnOf(Field::Rating), 1);
    w.close();
    window.reset();

    auto s = loadSettings(dir / "vardeo.dat");
    ASSERT_TRUE(s.ok());
    EXPECT_EQ(s->language, 2);
    EXPECT_EQ(s->columnFields[0], "Rating");
    EXPECT_EQ(s->lastProject, project().string());

    Tform1& again = open();
    EXPECT_EQ(again.displayColumnOf(Field::Rating), 1);
    EXPECT_TRUE(again.grid().horizontalHeader()->isSectionHidden(ItemTableModel::columnOf(Field::Homepage)));
    EXPECT_EQ(again.model().item(0)[Field::Copy], "ja");
    // Saving stores the canonical words whatever the designer language.
    again.session().setModified(true);
    again.saveClick();
    auto back = readProject(project(), CategoryList({"Games", "Tools", ".Ver. 2"}));
    ASSERT_TRUE(back.ok());
    EXPECT_EQ(back->items[0][Field::Copy], "yes");
}

TEST_F(WindowTest, MissingDefaultSkinStopsTheDesigner) {
    std::filesystem::remove_all(dir / "Skins");
    window = std::make_unique<Tform1>(dir.path());
    EXPECT_FALSE(window->startUp());
    ASSERT_EQ(messages().log().size(), 1u);
    EXPECT_EQ(messages().log()[0].kind, BoxKind::Error);
}

TEST_F(WindowTest, DroppedFileBecomesAFileItemAndFolderAsksWithRelabelledButtons) {
    Tform1& w = open();
    const int before = w.model().rowCount();
    w.handleDroppedPaths({QString::fromStdString((dir / "cd/tools/setup.exe").string())});
    ASSERT_EQ(w.model().rowCount(), before + 1);
    const ProjectItem& added = w.model().item(before);
    EXPECT_EQ(added[Field::FileName], "setup.exe");
    EXPECT_EQ(added[Field::CdPath], "\\tools\\");
    EXPECT_EQ(added[Field::CdSize], "< 1 MB");

    QString yesLabel;
    messages().setAnswerHook([&](const ShownMessage& m) -> std::optional<Answer> {
        if (m.key == QStringLiteral("M62"))
            yesLabel = messages().label(Answer::Yes);
        return Answer::No;
    });
    w.handleDroppedPaths({QString::fromStdString((dir / "cd/tools").string())});
    EXPECT_EQ(shownKeys().back(), QStringLiteral("M62"));
    EXPECT_EQ(yesLabel, QStringLiteral("Jump Point"));
    EXPECT_EQ(messages().label(Answer::Yes), QStringLiteral("Yes")); // normal label back
    EXPECT_EQ(w.model().rowCount(), before + 1);
}

TEST_F(WindowTest, OpenAsksToSaveAndCancelledDialogKeepsTheProject) {
    Tform1& w = open();
    w.model().setField(0, Field::Serial, "123");
    answers.reset(); // one hook at a time
    answers = std::make_unique<ScriptedAnswers>(std::vector<Answer>{Answer::No});
    messages().clearLog();
    setFileDialogHook([](const FileDialogRequest&) { return std::optional<std::filesystem::path>(); });
    w.openClick();
    EXPECT_EQ(shownKeys(), std::vector<QString>{QStringLiteral("M28")});
    EXPECT_TRUE(w.session().isOpen());
    EXPECT_EQ(w.model().item(0)[Field::Serial], "123");
}

TEST_F(WindowTest, CleanUpAndBuildGoThroughTheBuildService) {
    Tform1& w = open();
    w.actions()["cleanup"]->trigger();
    EXPECT_EQ(shownKeys().back(), QStringLiteral("M73"));
    messages().clearLog();
    w.actions()["classicstyle"]->trigger(); // M27 is answered No by the script
    EXPECT_TRUE(std::filesystem::exists(dir / "cd" / "cfg" / "members.cfg"));
    EXPECT_TRUE(w.actions()["classicstyle"]->isChecked());
}

TEST_F(WindowTest, CategoriesCommandKeepsItemsWhenTheEditorIsCancelled) {
    Tform1& w = open();
    const std::vector<ProjectItem> before = w.session().items();
    int shown = 0;
    setModalHook([&](QDialog& d) {
        shown += d.objectName() == QStringLiteral("gfform") || d.inherits("QDialog");
        return int(QDialog::Rejected);
    });
    w.actions()["geditbtnmain"]->trigger();
    EXPECT_EQ(shown, 1);
    EXPECT_EQ(w.session().items(), before);
    EXPECT_EQ(w.model().rowCount(), 4);
}
