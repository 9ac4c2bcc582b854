#include "data_set_fixture.h"
#include "runtime/menu/menu_state.h"

#include <gtest/gtest.h>

namespace vistel {
namespace {

using test::Category;
using test::Item;
using tarnic::test::TempDir;

const char* kLanguage =
    "[Language]\r\nLanguage=0\r\n[Heading]\r\n1=Categories\r\n2=Files\r\n3=Details\r\n"
    "3_2=Preview\r\n[Other]\r\n17=...\r\n18=in\r\n19=of\r\n[Details]\r\n26=Homepage:\r\n"
    "27=E-Mail:\r\n";

MenuState makeState(const TempDir& cd) {
    cd.write("cfg/language.zent", kLanguage);
    const RuntimeFolders f = computeFolders(cd.path());
    MenuState s(f, MenuLanguage::load(f.languageFile(), 1));
    s.loadCategories();
    return s;
}

std::vector<std::string> captions(const MenuState& s) {
    std::vector<std::string> out;
    for (const auto& c : s.categories())
        out.push_back(c.caption);
    return out;
}

// Games (1) > Action (2) > Retro (3); Games > Puzzle (4); Tools (5)
const std::vector<Category> kTree = {
    {"Games", 1, true, 0}, {"Action", 2, true, 1}, {"Retro", 3, false, 2},
    {"Puzzle", 2, false, 1}, {"Tools", 1, false, 0}};

TEST(MenuStart, StartKeyChoosesTheStartSection) {
    const std::pair<std::string, int> cases[] = {
        {"1", 0}, {"0", 0}, {"-5", 0}, {"", 0}, {"3", 2}, {"junk", 0}};
    for (const auto& [start, section] : cases) {
        TempDir cd;
        cd.write("cfg/genre.cfg", test::genreFile(kTree, start));
        EXPECT_EQ(makeState(cd).startId(), section + 1) << "start=" << start;
    }
}

TEST(MenuStart, EmptyDataSetStartsWithEmptyListsAndDisabledButtons) {
    TempDir cd;
    MenuState s = makeState(cd);
    s.start();
    EXPECT_TRUE(s.categories().empty());
    EXPECT_TRUE(s.items().empty());
    EXPECT_EQ(s.general().cdTitle, "Tarnic - Vardeo");
    for (auto b : {ItemButton::Execute, ItemButton::Copy, ItemButton::Unpack, ItemButton::Explorer,
                   ItemButton::InfoFiles, ItemButton::Info, ItemButton::Home, ItemButton::LevelUp})
        EXPECT_FALSE(s.enabled(b));
    EXPECT_EQ(s.details().filename, "...");
}

TEST(MenuNavigation, LevelsListTheCategoryFirstThenItsChildren) {
    TempDir cd;
    cd.write("cfg/genre.cfg", test::genreFile(kTree));
    test::writeItems(cd, {{2, "Pong", {{"pfad", "\\retro\\pong.exe"}}},
                          {4, "Editor", {{"pfad", "\\tools\\edit.exe"}}}});
    MenuState s = makeState(cd);
    EXPECT_EQ(captions(s), (std::vector<std::string>{"Games", "Tools"}));
    EXPECT_TRUE(s.largeCategoryIcons());

    // Clicking Games: the level of Games with Games first.
    s.selectCategory(0);
    s.openCategory(0, -1);
    EXPECT_EQ(captions(s), (std::vector<std::string>{"Games", "Action", "Puzzle"}));
    EXPECT_EQ(s.genreIndex(), 0);
    EXPECT_EQ(s.itemHeading(), "Files in Games");
    EXPECT_TRUE(s.enabled(ItemButton::Home));
    EXPECT_TRUE(s.enabled(ItemButton::LevelUp));

    // Clicking Action (has children) goes one level deeper.
    s.selectCategory(1);
    s.openCategory(0, -1);
    EXPECT_EQ(captions(s), (std::vector<std::string>{"Action", "Retro"}));
    EXPECT_EQ(s.parentId(), 1);

    // Retro has no children: the list stays, its items show.
    s.selectCategory(1);
    s.openCategory(0, -1);
    EXPECT_EQ(captions(s), (std::vector<std::string>{"Action", "Retro"}));
    ASSERT_EQ(s.items().size(), 1u);
    EXPECT_EQ(s.items()[0].caption, "Pong");
    EXPECT_EQ(s.details().filename, (cd.path() / "retro/pong.exe").string());

    // Level up from Action's level shows the parent's level.
    s.fillGenre(s.parentId());
    EXPECT_EQ(captions(s), (std::vector<std::string>{"Games", "Action", "Puzzle"}));
    s.fillGenre(s.parentId()); // parent of Games is the top level
    EXPECT_EQ(captions(s), (std::vector<std::string>{"Games", "Tools"}));
    s.fillGenre(s.parentId());
    EXPECT_EQ(captions(s), (std::vector<std::string>{"Games", "Tools"}));
    EXPECT_FALSE(s.enabled(ItemButton::Home));

    // Opening a leaf by index (search results) lists its parent's level.
    s.openCategory(3, 0);
    EXPECT_EQ(captions(s), (std::vector<std::string>{"Games", "Action", "Puzzle"}));
    EXPECT_EQ(s.genreIndex(), 2);
    EXPECT_EQ(s.selectedCategory(), 2);
}

TEST(MenuNavigation, FiveEntriesShowLargeIconsSixSmall) {
    for (std::size_t n : {5u, 6u}) {
        TempDir cd;
        std::vector<Category> cats;
        for (std::size_t i = 0; i < n; ++i)
            cats.push_back({"C" + std::to_string(i)});
        cd.write("cfg/genre.cfg", test::genreFile(cats));
        EXPECT_EQ(makeState(cd).largeCategoryIcons(), n < 6) << n;
    }
}

TEST(MenuNavigation, MissingCaptionsReadAsFehlerAndDamagedCountsAreBounded) {
    TempDir cd;
    cd.write("cfg/genre.cfg", "[general]\r\nanz_items=2\r\n[0]\r\nid=1\r\n[1]\r\nid=2\r\ncaption=B\r\n");
    cd.write("cfg/members.cfg", "[0]\r\nanz_items=999999999\r\n[0-0]\r\ncaption=X\r\nicon_number=77\r\n");
    MenuState s = makeState(cd);
    EXPECT_EQ(captions(s), (std::vector<std::string>{"Fehler", "B"}));
    s.start();
    ASSERT_FALSE(s.items().empty());
    EXPECT_EQ(s.items()[0].icon, -1);
    EXPECT_EQ(s.items()[1].caption, "Fehler");
}

struct DetailsFixture : ::testing::Test {
    TempDir cd;
    MenuState open(const Item& item) {
        cd.write("cfg/genre.cfg", test::genreFile({{"Main"}}));
        test::writeItems(cd, {item});
        MenuState s = makeState(cd);
        s.start();
        return s;
    }
    static const RowView& row(const MenuState& s, Row r) {
        return s.details().rows[static_cast<std::size_t>(r)];
    }
};

TEST_F(DetailsFixture, RowsStackAndHdSizeSharesTheCdSizeLine) {
    cd.write("d/app.zip", "x");
    MenuState s = open({0, "App", {{"pfad", "\\d\\app.zip"}, {"copy", "1"}, {"execute", "0"},
                                   {"serial", "n/a"}, {"sizep", "10 MB"}, {"sizeup", "20 MB"},
                                   {"desc", "Text"}, {"rank", "085 %"}, {"system", "n/v"},
                                   {"url", "mailto:a@b.c"}, {"language", "3"}}});
    EXPECT_FALSE(row(s, Row::Serial).heading.visible);
    EXPECT_EQ(row(s, Row::CdSize).heading.top, 170);
    EXPECT_EQ(row(s, Row::HdSize).heading.top, 170);
    EXPECT_EQ(row(s, Row::HdSize).heading.left, kHdSharedLeft);
    EXPECT_EQ(row(s, Row::HdSize).value.left, kHdSharedLeft + 60 + 20);
    EXPECT_EQ(row(s, Row::Desc).heading.top, 195);
    EXPECT_EQ(row(s, Row::Desc).value.top, 215);
    EXPECT_EQ(row(s, Row::Rating).heading.top, 265);
    EXPECT_EQ(s.details().rank, "85 %");
    EXPECT_FALSE(row(s, Row::System).heading.visible);
    EXPECT_EQ(row(s, Row::Homepage).heading.top, 290);
    EXPECT_EQ(s.details().homepageHeading, "E-Mail:");
    EXPECT_EQ(s.details().flagPicture, cd.path() / "cfg/flag3.bmp");
    EXPECT_EQ(s.details().flag.left, kRowLeft + 310);
    EXPECT_TRUE(s.enabled(ItemButton::Copy));
    EXPECT_FALSE(s.enabled(ItemButton::Execute));
    EXPECT_TRUE(s.enabled(ItemButton::Unpack));
    EXPECT_TRUE(s.enabled(ItemButton::InfoFiles));
    EXPECT_FALSE(s.enabled(ItemButton::Info));
    EXPECT_EQ(s.doubleClickAction(), MenuState::DoubleClick::Unpack);
}

TEST_F(DetailsFixture, HdSizeAloneTakesTheCdSizePlace) {
    MenuState s = open({0, "App", {{"pfad", "\\x.exe"}, {"sizeup", "20 MB"}}});
    EXPECT_EQ(row(s, Row::HdSize).heading.left, kRowLeft);
    EXPECT_EQ(row(s, Row::HdSize).heading.top, 170);
    EXPECT_EQ(s.details().hpurl, "n/a");
    EXPECT_FALSE(row(s, Row::Homepage).heading.visible);
    EXPECT_TRUE(s.details().flagPicture.empty());
}

TEST_F(DetailsFixture, RatingTextAndPicture) {
    const std::tuple<const char*, bool, const char*> cases[] = {
        {"000 %", false, "n/a"}, {"100 %", true, "100 %"}, {"005 %", true, "5 %"}};
    for (const auto& [rank, shown, text] : cases) {
        MenuState s = open({0, "App", {{"rank", rank}}});
        EXPECT_EQ(row(s, Row::Rating).heading.visible, shown) << rank;
        EXPECT_EQ(s.details().rank, text);
    }
    cd.write("cfg/rating2.gif", "GIF89a");
    MenuState s = open({0, "App", {{"rank", "085 %"}, {"rank_pic", "2.gif"}}});
    EXPECT_TRUE(s.details().rankPicGif.visible);
    EXPECT_FALSE(s.details().rankPic.visible);
    EXPECT_FALSE(row(s, Row::Rating).value.visible);
}

TEST_F(DetailsFixture, HeadingsAreCutAfter38Characters) {
    // "Details of " is 11 characters: captions of 27 and 28 give 38 and 39.
    MenuState s = open({0, std::string(27, 'a'), {}});
    EXPECT_EQ(s.details().detailsHeading.size(), 38u);
    EXPECT_TRUE(s.details().detailsHint.empty());
    MenuState t = open({0, std::string(28, 'a'), {}});
    EXPECT_EQ(t.details().detailsHeading, "Details of " + std::string(27, 'a') + " ...");
    EXPECT_EQ(t.details().detailsHint, "Details of " + std::string(28, 'a'));
}

TEST_F(DetailsFixture, ExecuteAndExplorerRequests) {
    cd.write("tools/setup.exe", "x");
    std::filesystem::create_directories(cd / "demo");
    using K = LaunchRequest::Kind;
    {
        MenuState s = open({0, "Setup", {{"pfad", "\\tools\\setup.exe"}, {"params", "#"}}});
        const LaunchRequest r = s.executeRequest();
        EXPECT_EQ(r.kind, K::Open);
        EXPECT_TRUE(r.arguments.empty());
        EXPECT_EQ(r.workingFolder, cd / "tools");
        EXPECT_EQ(s.explorerRequest().target, (cd / "tools").string());
    }
    {
        MenuState s = open({0, "Setup", {{"pfad", "\\tools\\setup.exe"},
                                         {"params", "-x \"two words\" \"say \"\"hi\"\"\""}}});
        EXPECT_EQ(s.executeRequest().arguments,
                  (std::vector<std::string>{"-x", "two words", "say \"hi\""}));
    }
    {
        MenuState s = open({0, "Demo", {{"pfad", "\\demo\\Jump Point"}}});
        EXPECT_EQ(s.executeRequest().kind, K::ExploreFolder);
        EXPECT_EQ(s.executeRequest().target, (cd / "demo").string() + "/");
        EXPECT_EQ(s.explorerRequest().kind, K::ExploreFolder);
        EXPECT_FALSE(s.enabled(ItemButton::Unpack));
    }
    {
        MenuState s = open({0, "Site", {{"pfad", "HTTP://example.org/"}, {"copy", "0"}}});
        EXPECT_EQ(s.explorerRequest().kind, K::Open);
        EXPECT_EQ(s.explorerRequest().target, "HTTP://example.org/");
        EXPECT_TRUE(s.executeRequest().workingFolder.empty());
        EXPECT_FALSE(s.enabled(ItemButton::Unpack));
        EXPECT_FALSE(s.enabled(ItemButton::InfoFiles));
        EXPECT_TRUE(s.enabled(ItemButton::Explorer));
    }
}

TEST_F(DetailsFixture, PanelStatesAndThumbnailOption) {
    cd.write("pics/photo.jpg", "x");
    MenuState s = open({0, "Photo", {{"pfad", "\\pics\\photo.jpg"}, {"desc", "A photo"}}});
    EXPECT_EQ(s.panel(), Panel::Details);
    EXPECT_TRUE(s.thumb().visible); // when available, and the item is a picture
    EXPECT_EQ(s.thumb().picture.value(), cd / "pics/photo.jpg");
    EXPECT_FALSE(s.thumb().docked);

    s.toggleDetails(); // list only
    EXPECT_EQ(s.panel(), Panel::ListOnly);
    EXPECT_FALSE(row(s, Row::Desc).heading.visible);
    s.toggleThumbnail(); // opens the panel first, then docks the thumbnail
    EXPECT_EQ(s.panel(), Panel::Thumbnail);
    EXPECT_EQ(s.thumbOption(), ThumbOption::Always);
    EXPECT_TRUE(s.thumb().docked);
    EXPECT_FALSE(row(s, Row::Desc).heading.visible);
    s.toggleDetails(); // leaves the thumbnail first
    EXPECT_EQ(s.panel(), Panel::ListOnly);
    EXPECT_FALSE(s.thumb().docked);
    s.toggleDetails();
    EXPECT_EQ(s.panel(), Panel::Details);
    EXPECT_TRUE(row(s, Row::Desc).heading.visible);

    s.toggleThumbnail();
    s.setThumbOption(ThumbOption::Never); // back to details, window closed
    EXPECT_EQ(s.panel(), Panel::Details);
    EXPECT_FALSE(s.thumb().visible);
    s.showItem();
    EXPECT_FALSE(s.thumb().visible);
}

TEST_F(DetailsFixture, ThumbnailWhenAvailableClosesWithoutScreenshot) {
    cd.write("cfg/genre.cfg", test::genreFile({{"Main"}}));
    cd.write("a.exe", "x");
    cd.write("b.exe", "x");
    cd.write("tarnicdat/A.jpg", "x");
    test::writeItems(cd, {{0, "A", {{"pfad", "\\a.exe"}}}, {0, "B", {{"pfad", "\\b.exe"}}}});
    MenuState s = makeState(cd);
    s.start();
    EXPECT_TRUE(s.thumb().visible);
    s.selectItem(1);
    s.showItem();
    EXPECT_FALSE(s.thumb().visible);
    s.setThumbOption(ThumbOption::Always);
    s.showItem();
    EXPECT_TRUE(s.thumb().visible);
    EXPECT_FALSE(s.thumb().picture);
}

} // namespace
} // namespace vistel
