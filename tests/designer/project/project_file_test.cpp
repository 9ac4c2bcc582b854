#include "designer/project/project_file.h"
#include "project_fixtures.h"
#include "shared/file_io.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

using namespace vardeo;
using vardeo::test::makeItem;
using vardeo::test::rawRecord;

namespace {

const CategoryList kCats({"Games", ".Action", ".Ver. 2", "Tools"});

std::string fieldAt(const std::string& bytes, std::size_t record, std::size_t offset) {
    const char* p = bytes.data() + record * kRecordSize + offset;
    return std::string(p + 1, static_cast<unsigned char>(p[0]));
}

TEST(ProjectFile, RecordLayoutMatchesTheFormat) {
    ProjectHeader h;
    h.cdName = "My CD";
    h.projectFolder = "/home/u/cd/";
    h.menuLanguage = 4;
    h.memberIconSet = 7;
    h.ratingSet = 2;
    h.aboutLink = "#";
    ProjectItem it = makeItem(std::string(120, 'n'), "Ver 2", "Ja", "yes");
    it[Field::Description] = std::string(200, 'd');
    const std::string bytes = serialiseProject(h, {it, makeItem("Second", "Tools")}, kCats, LocalWords{});
    ASSERT_EQ(bytes.size(), 3 * kRecordSize);
    EXPECT_EQ(fieldAt(bytes, 0, 0), "My CD");
    EXPECT_EQ(fieldAt(bytes, 0, 858), "2");    // S9 item count
    EXPECT_EQ(fieldAt(bytes, 0, 879), "4");    // S10 menu language
    EXPECT_EQ(fieldAt(bytes, 0, 980), "7");    // S11 member icons
    EXPECT_EQ(fieldAt(bytes, 0, 1081), "2");   // S12 rating set
    EXPECT_EQ(fieldAt(bytes, 0, 1706), "#");   // S17
    EXPECT_EQ(fieldAt(bytes, 1, 0), std::string(100, 'n'));   // cut to capacity
    EXPECT_EQ(fieldAt(bytes, 1, 606), std::string(150, 'd')); // Description: 150
    EXPECT_EQ(fieldAt(bytes, 1, 757), "2");    // category index of "Ver 2"
    EXPECT_EQ(fieldAt(bytes, 1, 858), "Ja");   // not the current yes/no word: kept
    EXPECT_EQ(fieldAt(bytes, 1, 1081), "yes");
    EXPECT_EQ(fieldAt(bytes, 1, 1102), "Ver 2");
    EXPECT_EQ(fieldAt(bytes, 2, 757), "3");
    EXPECT_EQ(bytes[kRecordSize + 101 + 1 + 20], '\0'); // S2 past "setup.exe": zeros
}

TEST(ProjectFile, WriteReadRoundTrip) {
    tarnic::test::TempDir dir;
    ProjectHeader h;
    h.cdName = "Round \xE4";
    h.linkCaption = "Home";
    h.linkAddress = "https://example.org";
    std::vector<ProjectItem> items = {makeItem("A", "Action"), makeItem("B", "Tools", "no", "yes")};
    items[1][Field::Parameter] = "#";
    ASSERT_TRUE(writeProject(dir / "p.mof", h, items, kCats, LocalWords{}).ok());
    auto back = readProject(dir / "p.mof", kCats);
    ASSERT_TRUE(back.ok());
    EXPECT_TRUE(back->warnings.empty());
    EXPECT_EQ(back->header, h);
    items[1][Field::Parameter] = "n/a"; // a stored "#" reads back as "n/a"
    EXPECT_EQ(back->items, items);
}

TEST(ProjectFile, EmptyProjectStoresOneEmptyRowAndReadsBackEmpty) {
    const std::string bytes = serialiseProject({}, {}, kCats, LocalWords{});
    ASSERT_EQ(bytes.size(), 2 * kRecordSize);
    EXPECT_EQ(fieldAt(bytes, 0, 858), "1");
    auto back = parseProject(bytes, "e.mof", kCats);
    ASSERT_TRUE(back.ok());
    EXPECT_TRUE(back->items.empty());
    auto headerOnly = parseProject(bytes.substr(0, kRecordSize), "h.mof", kCats);
    ASSERT_TRUE(headerOnly.ok());
    EXPECT_TRUE(headerOnly->items.empty());
}

TEST(ProjectFile, DamagedFiles) {
    const std::string header = rawRecord({"CD", "/cd", "", "", "", "", "", "", "1", "9", "x", "abc"});
    struct Case {
        const char* name;
        std::string bytes;
        bool ok;
        std::size_t items;
        std::size_t warnings;
    };
    const Case cases[] = {
        {"empty file", "", false, 0, 0},
        {"shorter than a record", header.substr(0, 1806), false, 0, 0},
        {"trailing partial record", header + rawRecord({"A"}) + "xyz", true, 1, 1},
        {"length byte above capacity", header + rawRecord({"A"}, {-1, -1, -1, -1, -1, -1, -1, -1, 250}), true, 1, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        auto r = parseProject(c.bytes, "bad.mof", kCats);
        ASSERT_EQ(r.ok(), c.ok);
        if (!r.ok()) {
            EXPECT_EQ(r.error().file, "bad.mof");
            continue;
        }
        EXPECT_EQ(r->items.size(), c.items);
        EXPECT_EQ(r->warnings.size(), c.warnings);
        EXPECT_EQ(r->header.menuLanguage, 0);  // "9" is not 0..5
        EXPECT_EQ(r->header.memberIconSet, 3); // not a number
        EXPECT_EQ(r->header.ratingSet, 0);
    }
    auto over = parseProject(header + rawRecord({"A"}, {-1, -1, -1, -1, -1, -1, -1, -1, 250}), "o.mof", kCats);
    EXPECT_EQ(over->items[0][Field::Copy], std::string(20, 'Z')); // capacity 20
}

TEST(ProjectFile, CategoryOfEachItemOnRead) {
    struct Case {
        const char* storedIndex;
        const char* storedCaption;
        const char* expected;
    };
    const Case cases[] = {
        {"1", "Action", "Action"},   // caption still exists
        {"3", "Action", "Action"},   // caption wins over the index
        {"2", "Renamed", "Ver 2"},   // renamed: found by index
        {"9", "Gone", "Games"},      // gone and index past the end: first
        {"x", "Gone", "Games"},      // index not a number
        {"0", "..Ver. 2", "Ver 2"},  // dots stripped before comparing
    };
    for (const auto& c : cases) {
        const std::string bytes = rawRecord({"CD"}) +
            rawRecord({"A", "f", "\\", "", "", "", "", c.storedIndex, "yes", "", "", "no", c.storedCaption});
        auto r = parseProject(bytes, "c.mof", kCats);
        ASSERT_TRUE(r.ok());
        EXPECT_EQ(r->items[0][Field::Category], c.expected) << c.storedIndex << " " << c.storedCaption;
    }
}

TEST(ProjectFile, WriteHeaderKeepsItems) {
    tarnic::test::TempDir dir;
    ProjectHeader h;
    h.cdName = "Old";
    ASSERT_TRUE(writeProject(dir / "p.mof", h, {makeItem("A", "Games")}, kCats, LocalWords{}).ok());
    const std::string before = tarnic::test::slurp(dir / "p.mof");
    h.cdName = "New";
    h.ratingSet = 5;
    ASSERT_TRUE(writeProjectHeader(dir / "p.mof", h).ok());
    const std::string after = tarnic::test::slurp(dir / "p.mof");
    EXPECT_EQ(after.substr(kRecordSize), before.substr(kRecordSize));
    EXPECT_EQ(readProjectHeader(dir / "p.mof")->cdName, "New");
    EXPECT_FALSE(writeProjectHeader(dir / "missing.mof", h).ok());
}

} // namespace
