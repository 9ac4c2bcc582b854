#include "designer/project/project_session.h"
#include "project_fixtures.h"
#include "shared/file_io.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <deque>

using namespace vardeo;
using tarnic::test::slurp;
using tarnic::test::TempDir;

namespace {

// Scripted answers; records every question and message.
class ScriptedPrompts final : public ProjectPrompts {
public:
    std::deque<std::optional<fs::path>> locateAnswers;
    std::deque<bool> yesNoAnswers;
    std::optional<fs::path> saveAsAnswer;
    std::vector<std::string> log;

    std::optional<fs::path> locateMissingFile(MissingFile which, const fs::path& start) override {
        log.push_back(std::string(which == MissingFile::Category ? "M29 " : "M30 ") + start.filename().string());
        if (locateAnswers.empty())
            return std::nullopt;
        auto a = locateAnswers.front();
        locateAnswers.pop_front();
        return a;
    }
    bool askYesNo(std::string_view key) override {
        log.emplace_back(key);
        bool a = !yesNoAnswers.empty() && yesNoAnswers.front();
        if (!yesNoAnswers.empty())
            yesNoAnswers.pop_front();
        return a;
    }
    std::optional<fs::path> chooseSaveAsFile(const fs::path&) override {
        log.emplace_back("SaveAs");
        return saveAsAnswer;
    }
    void reportError(std::string_view key, const tarnic::Error& e) override {
        log.push_back("error " + std::string(key) + " " + e.message());
    }
    void reportWarning(std::string_view text) override { log.push_back("warning " + std::string(text)); }
};

class SessionTest : public ::testing::Test {
protected:
    TempDir dir;
    ScriptedPrompts prompts;
    fs::path program = dir / "program";
    fs::path work = dir / "work";

    void SetUp() override {
        fs::create_directories(program / "genre");
        fs::create_directories(program / "menudesign");
        fs::create_directories(work);
    }

    // A project whose category and design files are at the given paths.
    fs::path makeProject(const std::string& name, const fs::path& cmg, const fs::path& mos,
                         std::vector<ProjectItem> items) {
        dir.write(fs::relative(cmg, dir.path()).string(),
                  test::cmgText({{1, "Games"}, {2, "Action"}, {1, "Tools"}}));
        dir.write(fs::relative(mos, dir.path()).string(), "[Form]\r\n");
        ProjectHeader h;
        h.cdName = name;
        h.categoryFile = cmg.string();
        h.categoryName = cmg.stem().string();
        h.categoryExt = cmg.extension().string();
        h.designFile = mos.string();
        h.designName = mos.stem().string();
        h.designExt = mos.extension().string();
        const auto list = CategoryList::load(cmg);
        const fs::path p = work / (name + ".mof");
        EXPECT_TRUE(writeProject(p, h, items, *list, LocalWords{}).ok());
        return p;
    }
};

TEST_F(SessionTest, OpenNormalisesAndMakesTheWorkingCopy) {
    const fs::path p = makeProject("Demo", work / "cats.cmg", work / "look.mos",
                                   {test::makeItem("A", "Action", "Ja", "maybe")});
    ProjectSession s(program, prompts);
    ASSERT_EQ(s.open(p), ProjectSession::OpenResult::Opened);
    EXPECT_EQ(s.items()[0][Field::Copy], "yes");
    EXPECT_EQ(s.items()[0][Field::Execute], "no");
    EXPECT_EQ(s.editCopy(), work / "Demo.tmp");
    EXPECT_EQ(slurp(work / "Demo.tmp"), slurp(p));
    EXPECT_FALSE(s.modified());
    EXPECT_EQ(s.title("Project:", "(no name)"), "Project: Demo");
    EXPECT_EQ(s.recentFiles().entries().front(), p);
    EXPECT_TRUE(prompts.log.empty());
}

TEST_F(SessionTest, MovedCategoryAndDesignFilesAreFoundInTheProgramFolder) {
    const fs::path p = makeProject("Moved", work / "Games.cmg", work / "Blue.mos", {});
    fs::create_directories(program / "genre" / "Games");
    fs::rename(work / "Games.cmg", program / "genre" / "Games" / "Games.cmg");
    fs::rename(work / "Blue.mos", program / "menudesign" / "Blue.mos");
    ProjectSession s(program, prompts);
    ASSERT_EQ(s.open(p), ProjectSession::OpenResult::Opened);
    EXPECT_EQ(s.categoryFile(), program / "genre" / "Games" / "Games.cmg");
    EXPECT_EQ(s.designFile(), program / "menudesign" / "Blue.mos");
    EXPECT_EQ(s.categories().size(), 3u);
    EXPECT_TRUE(prompts.log.empty());
}

TEST_F(SessionTest, AbandonedOrFailedOpenKeepsTheOpenProject) {
    const fs::path first = makeProject("First", work / "a.cmg", work / "a.mos", {test::makeItem("Keep", "Games")});
    const fs::path second = makeProject("Second", work / "b.cmg", work / "b.mos", {});
    fs::remove(work / "b.cmg");
    const fs::path tiny = dir.write("work/tiny.mof", std::string(100, 'x'));
    ProjectSession s(program, prompts);
    ASSERT_EQ(s.open(first), ProjectSession::OpenResult::Opened);

    EXPECT_EQ(s.open(second), ProjectSession::OpenResult::Abandoned); // M29, then Cancel
    EXPECT_EQ(prompts.log.back(), "M29 genre");
    EXPECT_EQ(s.open(tiny), ProjectSession::OpenResult::Failed);
    EXPECT_NE(prompts.log.back().find("tiny.mof"), std::string::npos);
    EXPECT_EQ(s.header().cdName, "First");
    EXPECT_EQ(s.items()[0][Field::Name], "Keep");
    EXPECT_EQ(s.categoryFile(), work / "a.cmg");
    EXPECT_TRUE(fs::exists(work / "First.tmp"));

    // M29 answered with a file: the project opens with it.
    prompts.locateAnswers.push_back(work / "a.cmg");
    EXPECT_EQ(s.open(second), ProjectSession::OpenResult::Opened);
    EXPECT_EQ(s.categoryFile(), work / "a.cmg");
    EXPECT_FALSE(fs::exists(work / "First.tmp")); // previous working copy deleted
}

TEST_F(SessionTest, SaveWritesWorkingCopyThenProjectAndAFailedWriteLosesNothing) {
    const fs::path p = makeProject("Save", work / "c.cmg", work / "c.mos", {test::makeItem("A", "Games")});
    ProjectSession s(program, prompts);
    ASSERT_EQ(s.open(p), ProjectSession::OpenResult::Opened);
    const std::string before = slurp(p);

    s.items()[0][Field::Name] = "Changed";
    s.setModified();
    tarnic::setWriteFaultHook([](const fs::path&, std::size_t) { return std::size_t{0}; });
    EXPECT_EQ(s.save(), ProjectSession::SaveResult::Failed);
    tarnic::setWriteFaultHook(nullptr);
    EXPECT_EQ(slurp(p), before);
    EXPECT_TRUE(s.modified());
    EXPECT_EQ(prompts.log.back().rfind("error M57", 0), 0u);

    EXPECT_EQ(s.save(), ProjectSession::SaveResult::Saved);
    EXPECT_FALSE(s.modified());
    EXPECT_EQ(slurp(p), slurp(work / "Save.tmp"));
    auto back = readProject(p, s.categories());
    EXPECT_EQ(back->items[0][Field::Name], "Changed");
}

TEST_F(SessionTest, SaveAsMovesTheWorkingCopyAndExitCleansUp) {
    const fs::path p = makeProject("Orig", work / "d.cmg", work / "d.mos", {});
    ProjectSession s(program, prompts);
    ASSERT_EQ(s.open(p), ProjectSession::OpenResult::Opened);
    ASSERT_EQ(s.saveAs(work / "Copy"), ProjectSession::SaveResult::Saved);
    EXPECT_TRUE(fs::exists(work / "Copy.mof"));
    EXPECT_TRUE(fs::exists(work / "Copy.tmp"));
    EXPECT_FALSE(fs::exists(work / "Orig.tmp"));

    dir.write("program/Files/burn zent.cpj", "x");
    s.setModified();
    prompts.yesNoAnswers.push_back(false);
    s.exit();
    EXPECT_EQ(prompts.log.back(), "M23");
    EXPECT_FALSE(fs::exists(work / "Copy.tmp"));
    EXPECT_FALSE(fs::exists(program / "Files" / "burn zent.cpj"));
    EXPECT_TRUE(fs::exists(work / "Copy.mof"));
}

TEST_F(SessionTest, RecentFilesKeepSixNewestFirst) {
    MruList mru(program / "mru.dat");
    for (int i = 0; i < 8; ++i)
        ASSERT_TRUE(mru.add(work / ("p" + std::to_string(i) + ".mof")).ok());
    ASSERT_TRUE(mru.add(work / "p4.mof").ok());
    MruList again(program / "mru.dat");
    again.load();
    ASSERT_EQ(again.entries().size(), 6u);
    EXPECT_EQ(again.entries()[0], work / "p4.mof");
    EXPECT_EQ(again.entries()[1], work / "p7.mof");
    EXPECT_EQ(again.captions()[0], "&1 p4.mof");
}

TEST_F(SessionTest, CategoryRoundTripKeepsItemsThroughRenameAndRemoval) {
    const fs::path p = makeProject("Cats", work / "e.cmg", work / "e.mos",
                                   {test::makeItem("A", "Action"), test::makeItem("B", "Tools")});
    ProjectSession s(program, prompts);
    ASSERT_EQ(s.open(p), ProjectSession::OpenResult::Opened);
    ASSERT_TRUE(s.writeEditCopy().ok());
    // The category editor renames "Action" and removes "Tools".
    dir.write("work/e.cmg", test::cmgText({{1, "Games"}, {2, "Shooter"}}));
    ASSERT_TRUE(s.reloadCategories().ok());
    ASSERT_TRUE(s.reloadFromEditCopy().ok());
    EXPECT_EQ(s.items()[0][Field::Category], "Shooter"); // by index
    EXPECT_EQ(s.items()[1][Field::Category], "Games");   // index gone: first
}

} // namespace
