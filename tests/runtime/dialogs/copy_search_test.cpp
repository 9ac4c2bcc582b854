#include "runtime/menu/copy_job.h"
#include "runtime/menu/menu_search.h"

#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

namespace vistel {
namespace {

using tarnic::test::slurp;
using tarnic::test::TempDir;
namespace fs = std::filesystem;

TEST(CopyIntoFolder, ReplacesAnExistingFileAndReportsProgress) {
    TempDir tmp;
    const fs::path src = tmp.write("cd/setup.beta.exe", std::string(3 << 20, 'q'));
    ::chmod(src.c_str(), 0555); // read-only and runnable, as on a CD
    tmp.write("temp/setup.beta.exe", "old");
    std::vector<int> steps;
    auto r = copyIntoFolder(src, tmp / "temp", [&](int p) { steps.push_back(p); });
    ASSERT_TRUE(r.ok()) << r.error().message();
    EXPECT_EQ(*r, tmp / "temp/setup.beta.exe");
    EXPECT_EQ(slurp(*r), slurp(src));
    EXPECT_TRUE(std::is_sorted(steps.begin(), steps.end()));
    ASSERT_GE(steps.size(), 3u);
    EXPECT_EQ(steps.front(), 0);
    EXPECT_EQ(steps.back(), 100);
    const auto perms = fs::status(*r).permissions();
    EXPECT_NE(perms & fs::perms::owner_write, fs::perms::none); // the copy is the user's
    EXPECT_NE(perms & fs::perms::owner_exec, fs::perms::none);
}

TEST(CopyIntoFolder, RefusalsLeaveEverythingAsItWas) {
    TempDir tmp;
    const fs::path src = tmp.write("cd/tool.exe", "payload");
    // Onto itself: deleting the target first would destroy the source.
    auto self = copyIntoFolder(src, tmp / "cd");
    ASSERT_FALSE(self.ok());
    EXPECT_NE(self.error().what.find("itself"), std::string::npos);
    EXPECT_EQ(slurp(src), "payload");
    EXPECT_FALSE(copyIntoFolder(src, tmp / "missing").ok());
    EXPECT_FALSE(copyIntoFolder(tmp / "cd/none.exe", tmp / "cd").ok());
}

TEST(NewFolder, CreatesOnlyWhatDoesNotExist) {
    TempDir tmp;
    const auto created = makeNewFolder(tmp.path(), "Games");
    EXPECT_EQ(created.outcome, NewFolderOutcome::Created);
    EXPECT_TRUE(fs::is_directory(tmp / "Games"));
    EXPECT_EQ(makeNewFolder(tmp.path(), "Games").outcome, NewFolderOutcome::Exists);
    EXPECT_EQ(makeNewFolder(tmp.path(), "").outcome, NewFolderOutcome::EmptyName);
    const auto failed = makeNewFolder(tmp / "no/such", "x");
    EXPECT_EQ(failed.outcome, NewFolderOutcome::Failed);
    EXPECT_FALSE(failed.message.empty());
}

class Search : public ::testing::Test {
protected:
    void SetUp() override {
        tmp.write("cfg/genre.cfg", "[general]\r\nanz_items=3\r\n[0]\r\ncaption=Zebra\r\n"
                                   "[1]\r\ncaption=alpha\r\n[2]\r\ncaption=Tools\r\n");
        tmp.write("cfg/members.cfg",
                  "[0]\r\nanz_items=2\r\n[0-0]\r\ncaption=Setup.exe\r\ngenre=0\r\nicon_number=3\r\n"
                  "[0-1]\r\ncaption=Readme\r\ngenre=0\r\n"
                  "[1]\r\nanz_items=2\r\n[1-0]\r\ncaption=Alpha Tool\r\ngenre=1\r\n"
                  "[1-1]\r\ncaption=setup helper\r\ngenre=1\r\n"
                  "[2]\r\nanz_items=1\r\n[2-0]\r\ncaption=beta\r\n");
        tmp.write("cfg/membersd/m0-0.dat", "[0-0]\r\ndesc=Installer for the game\r\n");
        tmp.write("cfg/membersd/m0-1.dat", "[0-1]\r\ndesc=Setup notes\r\n");
        tmp.write("cfg/membersd/m1-1.dat", "[1-1]\r\ndesc=helper for setup\r\n");
        tmp.write("cfg/membersd/m2-0.dat", "[2-0]\r\ndesc=second letter\r\n");
        folders = computeFolders(tmp.path());
    }
    static std::vector<std::string> captions(const std::vector<SearchResult>& r) {
        std::vector<std::string> out;
        for (const auto& x : r)
            out.push_back(x.caption);
        return out;
    }
    TempDir tmp;
    RuntimeFolders folders;
};

TEST_F(Search, PatternRulesOverNamesAndDescriptions) {
    struct Case {
        const char* text;
        bool name, desc;
        std::vector<std::string> expected;
    };
    const std::vector<std::string> all{"Setup.exe", "Readme", "Alpha Tool", "setup helper", "beta"};
    const std::vector<Case> cases = {
        {"*", true, true, all},
        {"", true, false, all},
        {"*", false, true, all},
        {"**", true, true, {}},
        {"set*up", true, false, {"Setup.exe", "setup helper"}},
        {"SETUP", true, false, {"Setup.exe", "setup helper"}},
        {"setup", true, true, {"Setup.exe", "Readme", "setup helper"}}, // each listed once
        {"setup", false, true, {"Readme", "setup helper"}},
        {"fehler", false, true, {"Alpha Tool"}},  // no details file reads as "Fehler"
        {"fehler", true, false, {}},
        {"letter", true, true, {"beta"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.text) + (c.name ? " name" : "") + (c.desc ? " desc" : ""));
        SearchOptions o;
        if (!c.name)
            o.clickInName();
        if (!c.desc)
            o.clickInDescription();
        ASSERT_EQ(o.inName(), c.name);
        ASSERT_EQ(o.inDescription(), c.desc);
        EXPECT_EQ(captions(runSearch(folders, c.text, o)), c.expected);
    }
}

TEST_F(Search, ResultRowsAndBothOrders) {
    auto r = runSearch(folders, "*", SearchOptions{});
    ASSERT_EQ(r.size(), 5u);
    EXPECT_EQ(r[0].icon, 3);
    EXPECT_EQ(r[1].icon, -1);
    EXPECT_EQ(r[3].categoryCaption, "alpha");
    EXPECT_EQ(r[3].categoryIndex(), 1);
    EXPECT_EQ(r[3].item, 1);
    EXPECT_EQ(r[4].category, "0"); // no genre key: category 0
    EXPECT_EQ(r[4].categoryCaption, "Zebra");

    sortResults(r, SortBy::Categories);
    EXPECT_EQ(r[0].categoryCaption, "Zebra"); // character codes: upper case first
    EXPECT_EQ(r.back().categoryCaption, "alpha");
    sortResults(r, SortBy::FileName);
    EXPECT_EQ(captions(r), (std::vector<std::string>{"Alpha Tool", "beta", "Readme", "setup helper",
                                                     "Setup.exe"}));
    sortResults(r, SortBy::FileName, [](const std::string& a, const std::string& b) { return a > b; });
    EXPECT_EQ(r.front().caption, "setup helper");
}

TEST(SearchOptionsMenu, MarksFollowTheClickRules) {
    SearchOptions o;
    o.clickInName(); // name off, description stays
    EXPECT_FALSE(o.inName());
    o.clickInDescription(); // the only mark stays
    EXPECT_TRUE(o.inDescription());
    o.clickInName();
    EXPECT_TRUE(o.inName());
    o.clickInName();
    o.clickInName();
    EXPECT_TRUE(o.inName() && o.inDescription());

    EXPECT_EQ(o.sortBy(), SortBy::FileName);
    o.clickSort(SortBy::FileName); // the marked entry passes its mark on
    EXPECT_EQ(o.sortBy(), SortBy::Categories);
    o.clickSort(SortBy::Categories);
    EXPECT_EQ(o.sortBy(), SortBy::FileName);
    o.clickSort(SortBy::Categories);
    EXPECT_EQ(o.sortBy(), SortBy::Categories);
}

TEST(SearchPattern, StarsGoAndOnlyAsciiLettersLower) {
    EXPECT_EQ(searchPattern("Set*UP"), "setup");
    EXPECT_EQ(searchPattern("**"), "");
    EXPECT_TRUE(searchMatches("gr\xC3\x96", "GR\xC3\x96\xC3\x9F"));
    EXPECT_FALSE(searchMatches("\xC3\xB6", "\xC3\x96")); // accented letters keep their case
}

} // namespace
} // namespace vistel
