#include "designer/categories/category_round_trip.h"
#include "designer/categories/category_set.h"
#include "designer/project/category_list.h"
#include "designer/project/project_file.h"
#include "shared/file_io.h"
#include "support/temp_dir.h"

#include "../project/project_fixtures.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

namespace vardeo {
namespace {

namespace fs = std::filesystem;
using tarnic::test::slurp;
using tarnic::test::TempDir;

class CategorySetTest : public ::testing::Test {
protected:
    TempDir dir;
    fs::path program = dir / "program";
    void SetUp() override {
        dir.write("program/Files/vistel.ico", "VISTEL");
        dir.write("program/ip/ip01/ip01i01.ico", "PACK1");
        dir.write("program/ip/ip01/ip01i02.ico", "PACK2");
        dir.write("program/ip/ip01/ip01i03.ico", "PACK3");
    }
    fs::path pack(int i) const { return program / "ip/ip01" / ("ip01i0" + std::to_string(i) + ".ico"); }
    std::vector<std::string> shape(const CategorySet& s) const {
        std::vector<std::string> out;
        for (const FlatCategory& f : s.tree().flatten())
            if (f.position > 0)
                out.push_back(std::to_string(f.parentPosition) + ":" + f.caption);
        return out;
    }
};

TEST_F(CategorySetTest, SaveWritesPreOrderSectionsAndLoadsBack) {
    CategorySet set(program);
    set.newSet("My CD");
    auto& tree = set.tree();
    auto& tools = tree.add(tree.root(), "Tools", set.appendImage(pack(3)), pack(3).string());
    auto& games = tree.add(tree.root(), "Games", set.appendImage(pack(1)), pack(1).string());
    tree.add(games, "Vers. 2.0", set.appendImage(pack(2)), pack(2).string());
    ASSERT_EQ(tree.setStart(&tools), CategoryRefusal::None);

    const fs::path cmg = dir / "cats/Games.cmg";
    fs::create_directories(cmg.parent_path());
    ASSERT_TRUE(set.save(cmg).saved());
    EXPECT_EQ(slurp(cmg), "[general]\r\nanz_items=3\r\nstart=3\r\n"
                          "[0]\r\nid=1\r\nlevel=1\r\ncaption=Games\r\nhaschild=1\r\nparent=0\r\n"
                          "[1]\r\nid=2\r\nlevel=2\r\ncaption=Vers. 2.0\r\nhaschild=0\r\nparent=1\r\n"
                          "[2]\r\nid=3\r\nlevel=1\r\ncaption=Tools\r\nhaschild=0\r\nparent=0\r\n");
    EXPECT_EQ(slurp(dir / "cats/_Games/1.ico"), "PACK1");
    EXPECT_EQ(slurp(dir / "cats/_Games/2.ico"), "PACK2");
    EXPECT_EQ(slurp(dir / "cats/_Games/3.ico"), "PACK3");
    EXPECT_FALSE(fs::exists(dir / "cats/_Games/1.tmp"));
    EXPECT_EQ(set.currentFile(), cmg);
    EXPECT_FALSE(set.changed());

    CategorySet again(program);
    ASSERT_TRUE(again.load(cmg, "Other CD").ok());
    EXPECT_EQ(shape(again), (std::vector<std::string>{"0:Games", "1:Vers. 2.0", "0:Tools (Start)"}));
    EXPECT_EQ(again.tree().root().caption, "Other CD");
    ASSERT_EQ(again.images().size(), 4u);
    EXPECT_EQ(again.images()[0], program / "Files/vistel.ico");
    EXPECT_EQ(again.images()[2], dir / "cats/_Games/2.ico");
    EXPECT_EQ(again.tree().flatten()[2].node->image, 2);
    EXPECT_EQ(again.tree().flatten()[2].iconSource, (dir / "cats/_Games/2.ico").string());
    EXPECT_EQ(CategoryList::load(cmg)->entries(), (std::vector<std::string>{"Games", ".Vers. 2.0", "Tools"}));
}

TEST_F(CategorySetTest, IconsFollowTheirCategoriesWhenRenumbered) {
    const fs::path cmg = dir / "Set.cmg";
    dir.write("Set.cmg", test::cmgText({{1, "A"}, {1, "B"}, {1, "C"}}));
    dir.write("_Set/1.ico", "ICON-A");
    dir.write("_Set/2.ico", "ICON-B");
    dir.write("_Set/3.ico", "ICON-C");
    CategorySet set(program);
    ASSERT_TRUE(set.load(cmg, "CD").ok());
    auto& tree = set.tree();
    // C under A: A=1, C=2, B=3. Then a new first category D that borrows B's
    // icon file, which is renumbered in the same save.
    ASSERT_EQ(tree.move(tree.nodeAt(3), tree.nodeAt(1)), CategoryRefusal::None);
    tree.add(tree.root(), "D", 2, (dir / "_Set/2.ico").string());
    ASSERT_TRUE(set.save(cmg).saved());
    EXPECT_EQ(shape(set), (std::vector<std::string>{"0:D", "0:A (Start)", "2:C", "0:B"}));
    EXPECT_EQ(slurp(dir / "_Set/1.ico"), "ICON-B");
    EXPECT_EQ(slurp(dir / "_Set/2.ico"), "ICON-A");
    EXPECT_EQ(slurp(dir / "_Set/3.ico"), "ICON-C");
    EXPECT_EQ(slurp(dir / "_Set/4.ico"), "ICON-B");

    // A second save without reloading reads each icon where the first put it.
    tree.remove(tree.nodeAt(1));
    ASSERT_TRUE(set.save(cmg).saved());
    EXPECT_EQ(slurp(dir / "_Set/1.ico"), "ICON-A");
    EXPECT_EQ(slurp(dir / "_Set/2.ico"), "ICON-C");
    EXPECT_EQ(slurp(dir / "_Set/3.ico"), "ICON-B");
}

TEST_F(CategorySetTest, SurplusSectionsOfALongerFileStayAndAreIgnored) {
    const fs::path cmg = dir / "Set.cmg";
    dir.write("Set.cmg", "; kept\r\n" + test::cmgText({{1, "A"}, {1, "B"}, {1, "C"}}, 2) + "[extra]\r\nx=1\r\n");
    fs::create_directories(dir / "_Set");
    CategorySet set(program);
    ASSERT_TRUE(set.load(cmg, "CD").ok());
    EXPECT_EQ(shape(set), (std::vector<std::string>{"0:A", "0:B (Start)", "0:C"}));
    set.tree().remove(set.tree().nodeAt(3));
    set.tree().remove(set.tree().nodeAt(2));
    ASSERT_TRUE(set.save(cmg).saved());
    const std::string bytes = slurp(cmg);
    EXPECT_EQ(bytes.rfind("; kept\r\n[general]\r\nanz_items=1\r\nstart=1\r\n", 0), 0u);
    EXPECT_NE(bytes.find("[2]\r\nid=3\r\nlevel=1\r\ncaption=C"), std::string::npos);
    EXPECT_NE(bytes.find("[extra]\r\nx=1\r\n"), std::string::npos);
    ASSERT_TRUE(set.load(cmg, "CD").ok());
    EXPECT_EQ(shape(set), (std::vector<std::string>{"0:A (Start)"}));
}

TEST_F(CategorySetTest, OddFilesLoadSoundly) {
    struct Case {
        const char* what;
        std::string cmg;
        std::vector<std::string> shape;
    };
    const std::vector<Case> cases = {
        {"parent names a later section",
         "[general]\r\nanz_items=2\r\n[0]\r\nid=1\r\ncaption=Child\r\nparent=2\r\n[1]\r\nid=2\r\ncaption=P\r\nparent=0\r\n",
         {"0:Child (Start)", "0:P"}},
        {"parent out of range and negative",
         "[general]\r\nanz_items=2\r\nstart=9\r\n[0]\r\nid=1\r\ncaption=A\r\nparent=77\r\n[1]\r\nid=2\r\ncaption=B\r\nparent=-1\r\n",
         {"0:A", "0:B"}},
        {"nesting from parent alone, not level",
         "[general]\r\nanz_items=3\r\n[0]\r\nid=1\r\nlevel=5\r\ncaption=A\r\nparent=0\r\n[1]\r\nid=2\r\nlevel=1\r\ncaption=B\r\nparent=1\r\n"
         "[2]\r\nid=3\r\ncaption=C\r\nparent=2\r\n",
         {"0:A (Start)", "1:B", "2:C"}},
        {"no categories", "[general]\r\nanz_items=0\r\n", {}},
        {"negative count", "[general]\r\nanz_items=-4\r\n[0]\r\ncaption=A\r\n", {}},
        {"missing sections", "[general]\r\nanz_items=1\r\n", {"0:"}},
    };
    for (const Case& c : cases) {
        const fs::path cmg = dir.write("odd.cmg", c.cmg);
        CategorySet set(program);
        ASSERT_TRUE(set.load(cmg, "CD").ok()) << c.what;
        EXPECT_EQ(shape(set), c.shape) << c.what;
        EXPECT_EQ(set.currentFile(), cmg) << c.what;
    }
}

TEST_F(CategorySetTest, MissingFileGivesTheRootAloneAndEmptyTreesAreNotSaved) {
    CategorySet set(program);
    ASSERT_TRUE(set.load(set.standardSet(), "CD").ok());
    EXPECT_EQ(set.tree().categoryCount(), 0u);
    EXPECT_TRUE(set.currentFile().empty());
    EXPECT_TRUE(set.saveNeedsChoice());
    EXPECT_EQ(messageKey(set.save(dir / "x.cmg").refusal), "M24");
    EXPECT_FALSE(fs::exists(dir / "x.cmg"));
}

TEST_F(CategorySetTest, TheStandardSetIsNeverTheSaveTarget) {
    dir.write("program/Files/Standard.cmg", test::cmgText({{1, "A"}}));
    CategorySet set(program);
    ASSERT_TRUE(set.load(program / "Files/Standard.cmg", "CD").ok());
    EXPECT_TRUE(set.saveNeedsChoice());
    const fs::path mine = dir / "mine.cmg";
    ASSERT_TRUE(set.save(mine).saved());
    EXPECT_FALSE(set.saveNeedsChoice());
    set.newSet("CD");
    EXPECT_TRUE(set.changed());
    EXPECT_TRUE(set.saveNeedsChoice());
}

TEST_F(CategorySetTest, UnreadableIconOrFileStopsTheLoadAndKeepsTheTree) {
    dir.write("good.cmg", test::cmgText({{1, "Keep"}}));
    dir.write("bad.cmg", test::cmgText({{1, "A"}, {1, "B"}}));
    fs::create_directories(dir / "_bad/2.ico"); // a folder where an icon belongs
    CategorySet set(program);
    ASSERT_TRUE(set.load(dir / "good.cmg", "CD").ok());
    const auto st = set.load(dir / "bad.cmg", "CD");
    ASSERT_FALSE(st.ok());
    EXPECT_EQ(st.error().file, dir / "_bad/2.ico");
    EXPECT_EQ(shape(set), (std::vector<std::string>{"0:Keep (Start)"}));
    EXPECT_EQ(set.currentFile(), dir / "good.cmg");
}

TEST_F(CategorySetTest, AFailedWriteKeepsTheOldFileAndIcons) {
    const fs::path cmg = dir / "Set.cmg";
    const std::string old = test::cmgText({{1, "A"}, {1, "B"}});
    dir.write("Set.cmg", old);
    dir.write("_Set/1.ico", "ICON-A");
    dir.write("_Set/2.ico", "ICON-B");
    CategorySet set(program);
    ASSERT_TRUE(set.load(cmg, "CD").ok());
    set.tree().move(set.tree().nodeAt(2), set.tree().nodeAt(1));
    set.tree().add(set.tree().root(), "New", 0, pack(1).string());
    tarnic::setWriteFaultHook([](const fs::path&, std::size_t) { return std::size_t{0}; });
    const auto out = set.save(cmg);
    tarnic::setWriteFaultHook({});
    ASSERT_TRUE(out.error.has_value());
    EXPECT_EQ(slurp(cmg), old);
    EXPECT_EQ(slurp(dir / "_Set/1.ico"), "ICON-A");
    EXPECT_EQ(slurp(dir / "_Set/2.ico"), "ICON-B");
    EXPECT_FALSE(fs::exists(dir / "_Set/1.tmp"));
    EXPECT_EQ(set.currentFile(), cmg);
}

TEST_F(CategorySetTest, SavingWithoutAnIconFolderWritesTheFileOnly) {
    dir.write("Set.cmg", test::cmgText({{1, "A"}}));
    CategorySet set(program);
    set.newSet("CD");
    set.tree().add(set.tree().root(), "A", 1, pack(1).string());
    ASSERT_TRUE(set.save(dir / "Set.cmg").saved());
    EXPECT_FALSE(fs::exists(dir / "_Set"));
    // A new file gets its icon folder.
    ASSERT_TRUE(set.save(dir / "New.cmg").saved());
    EXPECT_EQ(slurp(dir / "_New/1.ico"), "PACK1");
}

// The project keeps its items through the editor: a renamed category keeps
// them by index, a moved one by caption, a removed one hands them on.
TEST_F(CategorySetTest, RoundTripThroughTheWorkingCopyReTiesItems) {
    struct NoPrompts final : ProjectPrompts {
        std::optional<fs::path> locateMissingFile(MissingFile, const fs::path&) override { return {}; }
        bool askYesNo(std::string_view) override { return false; }
        std::optional<fs::path> chooseSaveAsFile(const fs::path&) override { return {}; }
        void reportError(std::string_view, const tarnic::Error&) override {}
        void reportWarning(std::string_view) override {}
    } prompts;
    const fs::path cmg = dir.write("work/Set.cmg", test::cmgText({{1, "Games"}, {1, "Tools"}, {1, "Music"}, {1, "Extra"}}));
    ProjectHeader h;
    h.cdName = "CD";
    h.categoryFile = cmg.string();
    h.designFile = dir.write("work/d.mos", "[general]\r\n").string();
    const fs::path mof = dir / "work/p.mof";
    ASSERT_TRUE(writeProject(mof, h,
                             {test::makeItem("g", "Games"), test::makeItem("t", "Tools"),
                              test::makeItem("m", "Music"), test::makeItem("x", "Extra")},
                             *CategoryList::load(cmg), LocalWords{})
                    .ok());
    ProjectSession session(program, prompts, {.recentFiles = false, .workingCopy = true});
    ASSERT_EQ(session.open(mof), ProjectSession::OpenResult::Opened);

    ASSERT_TRUE(beforeCategoryEditor(session).ok());
    CategorySet set(program);
    SessionCategoryHost host(session);
    ASSERT_TRUE(set.load(host.categoryFile(), rootCaptionFor(host)).ok());
    EXPECT_EQ(set.tree().root().caption, "CD");
    auto& tree = set.tree();
    ASSERT_EQ(tree.rename(tree.nodeAt(2), "Utilities"), CategoryRefusal::None);  // Tools, index 1
    ASSERT_EQ(tree.move(tree.nodeAt(3), tree.nodeAt(2)), CategoryRefusal::None); // Music under it
    ASSERT_EQ(tree.remove(tree.nodeAt(4)), CategoryRefusal::None);                // Extra, index 3
    ASSERT_TRUE(set.save(cmg).saved());
    host.setModified();
    ASSERT_TRUE(afterCategoryEditor(session).ok());

    EXPECT_EQ(session.categories().entries(), (std::vector<std::string>{"Games", "Utilities", ".Music"}));
    std::vector<std::string> cats;
    for (const ProjectItem& it : session.items())
        cats.push_back(it[Field::Category]);
    // Extra's old index 3 no longer exists: its item falls to the first category.
    EXPECT_EQ(cats, (std::vector<std::string>{"Games", "Utilities", "Music", "Games"}));
}

} // namespace
} // namespace vardeo
