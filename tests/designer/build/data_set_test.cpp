#include "build_fixtures.h"
#include "designer/build/data_set.h"

#include <gtest/gtest.h>

namespace vardeo {
namespace {

namespace fs = std::filesystem;
using tarnic::test::slurp;
using tarnic::test::TempDir;
using test::makeItem;

struct Project {
    ProjectHeader header;
    std::vector<ProjectItem> items;
    CategoryList categories{{"A", "B", "Tools", ".Ver. 2", "Tools"}};
};

Project demoProject(const TempDir& dir) {
    Project p;
    p.header.cdName = "Demo CD";
    p.header.projectFolder = "C:\\CD\\";
    p.header.linkAddress = "http://link.example";
    p.header.aboutLink = "#";
    p.header.aboutTextFile = dir.write("about.txt", "Line one\r\nLine two\r\n").string();
    p.header.ratingSet = 1;
    p.items = {
        makeItem({"Beta one", "setup.exe", "\\b\\", "B", "yes", "Yes", "085 %", "D"}),
        makeItem({"Alpha", "Readme.TXT", "\\", "A", "no", "yes", "000 %", "n/a"}),
        makeItem({"Beta two", "Jump Point", "\\b\\", "B", "no", "yes", "040 %", "XX"}),
        makeItem({"Hammer", "http://tools.example/hammer", "", "Tools", "no", "yes", "100 %", "MULTI"}),
        makeItem({"Lost", "lost.txt", "\\", "Gone"}),
        makeItem({"Versioned", "song.xm", "\\v\\", "Ver 2", "no", "yes", "050 %"}),
    };
    return p;
}

struct Built {
    TempDir dir;
    Project project{demoProject(dir)};
    tarnic::Result<DataSetReport> report{tarnic::Error{}};
    fs::path cfg() const { return dir / "cd/cfg"; }

    explicit Built(std::string_view yes = "yes") {
        test::writeProgramFolder(dir);
        fs::create_directories(cfg());
        run(yes);
    }
    void run(std::string_view yes = "yes") {
        BuildInput in{.header = project.header,
                      .items = project.items,
                      .categories = project.categories,
                      .programFolder = dir / "prog",
                      .date = BuildDate{12, 2026}};
        in.words.yes = std::string(yes);
        report = writeDataSet(in, dir / "cd", cfg());
    }
};

TEST(DataSet, WritesTheFilesByteForByte) {
    Built b;
    ASSERT_TRUE(b.report.ok()) << b.report.error().message();
    EXPECT_EQ(b.report->items, 6u); // Lost has no category, Hammer is listed twice
    EXPECT_EQ(b.report->filesWritten, 8u);
    EXPECT_FALSE(b.report->newAboutTextFile);

    EXPECT_EQ(slurp(b.cfg() / "members.cfg"),
              "[general]\r\ncdname=Demo CD\r\nrootname=C:\\CD\\\r\ncdlink=http://link.example\r\n"
              "cdlinkname=http://link.example\r\ncdaboutlink=https://tarnic.example.org/vardeo\r\n"
              "cdaboutlines=2\r\ncdabout0=Line one\r\ncdabout1=Line two\r\n"
              "[0-0]\r\ncaption=Alpha\r\nicon_number=7\r\ngenre=0\r\n[0]\r\nanz_items=1\r\n"
              "[1-0]\r\ncaption=Beta one\r\nicon_number=0\r\ngenre=1\r\n[1]\r\nanz_items=2\r\n"
              "[1-1]\r\ncaption=Beta two\r\nicon_number=12\r\ngenre=1\r\n"
              "[2-0]\r\ncaption=Hammer\r\nicon_number=4\r\ngenre=4\r\n[2]\r\nanz_items=1\r\n"
              "[3-0]\r\ncaption=Versioned\r\nicon_number=6\r\ngenre=3\r\n[3]\r\nanz_items=1\r\n"
              "[4-0]\r\ncaption=Hammer\r\nicon_number=4\r\ngenre=4\r\n[4]\r\nanz_items=1\r\n");
    EXPECT_EQ(slurp(b.dir / "cd/index.txt"),
              "***********\r\n* Demo CD *\r\n***********\r\n12/2026\r\n\r\n"
              "Alpha ( A )\r\nBeta one ( B )\r\nBeta two ( B )\r\nHammer ( Tools )\r\n"
              "Versioned ( Ver 2 )\r\nHammer ( Tools )\r\n");
    // Execute "Yes" is not the designer's "yes": the comparison is exact.
    EXPECT_EQ(slurp(b.cfg() / "membersd/m1-0.dat"),
              "[1-0]\r\ncaption=Beta one\r\npfad=\\b\\setup.exe\r\ncopy=1\r\nexecute=0\r\ngenre=1\r\n"
              "desc=About Beta one\r\nserial=n/a\r\nsizep=< 1 MB\r\nsizeup=n/a\r\n"
              "url=http://example.org/Beta one\r\nsystem=Unix/Linux\r\nparams=n/a\r\nrank=085 %\r\n"
              "rank_pic=2.gif\r\nlanguage=5\r\n");
    // A language outside the list writes no language key.
    EXPECT_EQ(slurp(b.cfg() / "membersd/m1-1.dat"),
              "[1-1]\r\ncaption=Beta two\r\npfad=\\b\\Jump Point\r\ncopy=0\r\nexecute=1\r\ngenre=1\r\n"
              "desc=About Beta two\r\nserial=n/a\r\nsizep=< 1 MB\r\nsizeup=n/a\r\n"
              "url=http://example.org/Beta two\r\nsystem=Unix/Linux\r\nparams=n/a\r\nrank=040 %\r\n"
              "rank_pic=1.gif\r\n");
    // Both copies of an item under repeated captions carry the later index.
    for (const char* f : {"m2-0.dat", "m4-0.dat"}) {
        const std::string text = slurp(b.cfg() / "membersd" / f);
        EXPECT_NE(text.find("pfad=http://tools.example/hammer\r\n"), std::string::npos) << f;
        EXPECT_NE(text.find("genre=4\r\n"), std::string::npos) << f;
        EXPECT_NE(text.find("language=1\r\n"), std::string::npos) << f;
    }
}

TEST(DataSet, RebuildLeavesNoStaleItemFilesAndKeepsSubfolders) {
    Built b;
    b.dir.write("cd/cfg/membersd/keep/x.txt", "x");
    b.project.items.resize(2);
    b.run();
    ASSERT_TRUE(b.report.ok());
    std::vector<std::string> names;
    for (const auto& e : fs::directory_iterator(b.cfg() / "membersd"))
        names.push_back(e.path().filename().string());
    std::sort(names.begin(), names.end());
    EXPECT_EQ(names, (std::vector<std::string>{"keep", "m0-0.dat", "m1-0.dat"}));
}

TEST(DataSet, AboutTextFallsBackToTheProgramFolder) {
    Built b;
    b.project.header.aboutTextFile = (b.dir / "gone.txt").string();
    b.run();
    ASSERT_TRUE(b.report.ok());
    ASSERT_TRUE(b.report->newAboutTextFile);
    EXPECT_EQ(*b.report->newAboutTextFile, (b.dir / "prog/Files/tarnic.txt").string());
    const auto ini = tarnic::IniFile::load(b.cfg() / "members.cfg");
    EXPECT_EQ(ini->readString("general", "cdaboutlines", ""), "1");
    EXPECT_EQ(ini->readString("general", "cdabout0", "?"), "Made with Tarnic - Vardeo");

    // An about file without a line still writes one empty line.
    b.project.header.aboutTextFile = b.dir.write("empty.txt", "").string();
    b.run();
    EXPECT_NE(slurp(b.cfg() / "members.cfg").find("cdaboutlines=1\r\ncdabout0=\r\n["), std::string::npos);
}

TEST(DataSet, LinkFallbacks) {
    struct Case {
        std::string caption, address, aboutLink, cdlink, cdlinkname, cdaboutlink;
    };
    const std::string maker = HomePages{}.maker, product = HomePages{}.product;
    const Case cases[] = {
        {"Home", "http://h.example", "http://a.example", "http://h.example", "Home", "http://a.example"},
        {"", "http://h.example", "", "http://h.example", "http://h.example", product},
        {"Home", "", "#", maker, "Home", product},
        {"", "", "#", maker, "Brontal", product},
    };
    for (const Case& c : cases) {
        Built b;
        b.project.header.linkCaption = c.caption;
        b.project.header.linkAddress = c.address;
        b.project.header.aboutLink = c.aboutLink;
        b.run();
        const auto ini = tarnic::IniFile::load(b.cfg() / "members.cfg");
        EXPECT_EQ(ini->readString("general", "cdlink", "?"), c.cdlink) << c.caption << c.address;
        EXPECT_EQ(ini->readString("general", "cdlinkname", "?"), c.cdlinkname) << c.caption << c.address;
        EXPECT_EQ(ini->readString("general", "cdaboutlink", "?"), c.cdaboutlink) << c.aboutLink;
        EXPECT_EQ(ini->keyNames("general").size(), 8u); // cdlink is rewritten in place
    }
}

TEST(DataSet, RatingSetZeroWritesNoPictureAndEmptyNameGivesShortHead) {
    Built b;
    b.project.header.ratingSet = 0;
    b.project.header.cdName.clear();
    b.run();
    ASSERT_TRUE(b.report.ok());
    EXPECT_EQ(slurp(b.cfg() / "membersd/m1-0.dat").find("rank_pic"), std::string::npos);
    EXPECT_EQ(slurp(b.dir / "cd/index.txt").substr(0, 20), "****\r\n*  *\r\n****\r\n12");
}

TEST(DataSet, UnwritableFolderIsReportedWithTheFile) {
    Built b;
    fs::remove_all(b.cfg());
    b.dir.write("cd/cfg", "a file where the folder should be");
    b.run();
    ASSERT_FALSE(b.report.ok());
    EXPECT_NE(b.report.error().message().find("membersd"), std::string::npos);
}

TEST(IconClass, FollowsTheRulesInOrder) {
    const std::pair<const char*, int> cases[] = {
        {"setup.exe", 0}, {"a.ZIP", 1}, {"help.chm", 3}, {"x.hlp", 3}, {"other.dat", 2}, {"", 2},
        {"page.html", 4}, {"mailto:me@x", 4}, {"https://x.org/", 4}, {"ftp.exe", 4},
        {"http://x.org/a.txt", 7}, {"pic.JPEG", 5}, {"pic.gif", 5}, {"song.xm", 6}, {"edit", 6},
        {"x.669", 6}, {"Readme.TXT", 7}, {"letter.doc", 8}, {"film.mpeg", 9}, {"a.mp3", 9},
        {"font.ttf", 10}, {"icon.ico", 11}, {"Jump Point", 12}, {"JUMP POINT", 12},
        {"my jump point", 2}, {"Opera", 13}, {"a.rm", 13}, {"x.psd", 13}, {"http://x/y.pdf", 13},
    };
    for (const auto& [name, cls] : cases)
        EXPECT_EQ(iconClass(name), cls) << name;
}

TEST(RatingSet, LastMatchingRangeWinsAndMissingRangesReadAsDefaults) {
    const auto set = [](std::string_view text) {
        return RatingSet::fromIni(tarnic::IniFile::fromBytes(text));
    };
    const auto overlap = set("[range]\nnr=3\n[range1]\nstart=0\nend=100\npic=a.gif\n"
                             "[range2]\nstart=50\nend=60\npic=b.gif\n[range3]\nstart=90\nend=95\npic=c.gif\n");
    EXPECT_EQ(overlap.pictureFor("055 %"), "b.gif");
    EXPECT_EQ(overlap.pictureFor("070 %"), "a.gif");
    EXPECT_EQ(overlap.pictureFor("abc"), "a.gif"); // not a number: value 0
    EXPECT_FALSE(set("[range]\nnr=1\n[range1]\nstart=10\nend=20\npic=x\n").pictureFor("005 %"));
    // Range 2 is missing: it covers 0..0 with an empty picture and, being
    // later, wins over range 1 for the value 0.
    const auto gap = set("[range]\nnr=2\n[range1]\nstart=0\nend=10\npic=a.gif\n");
    EXPECT_EQ(gap.pictureFor("000 %"), "");
    EXPECT_EQ(gap.pictureFor("005 %"), "a.gif");
    EXPECT_EQ(gap.pictures(), std::vector<std::string>{"a.gif"});
    // A damaged count costs nothing.
    const auto huge = set("[range]\nnr=2000000000\n[range1]\nstart=0\nend=10\npic=a.gif\n");
    EXPECT_EQ(huge.pictureFor("000 %"), "");
    EXPECT_EQ(huge.pictureFor("007 %"), "a.gif");
    EXPECT_TRUE(set("[range]\nnr=-4\n").pictures().empty());
}

TEST(TextLines, SplitsLikeAStringList) {
    EXPECT_EQ(textLines("a\r\nb\nc\rd"), (std::vector<std::string>{"a", "b", "c", "d"}));
    EXPECT_EQ(textLines("a\r\n\r\n"), (std::vector<std::string>{"a", ""}));
    EXPECT_TRUE(textLines("").empty());
}

} // namespace
} // namespace vardeo
