#include "designer/project/local_words.h"

#include <gtest/gtest.h>

using namespace vardeo;

namespace {

LocalWords german() {
    LocalWords w;
    w.yes = "ja";
    w.no = "nein";
    w.headers[0] = "Name";
    w.headers[8] = "Kopieren";
    return w;
}

} // namespace

TEST(LocalWords, NormaliseYesNo) {
    struct Case {
        const char* cell;
        const char* english;
        const char* german;
    };
    const Case cases[] = {
        {"Ja", "yes", "ja"},        {"yes", "yes", "ja"},     {"SI", "yes", "ja"},
        {"\xC4\xE0", "yes", "ja"},  {"Nein", "no", "nein"},   {"\xCD\xE5\xF2", "no", "nein"},
        {"maybe", "no", "nein"},    {"", "no", "nein"},       {"NO", "no", "nein"},
    };
    for (const auto& c : cases) {
        std::vector<ProjectItem> items(1);
        items[0][Field::Copy] = c.cell;
        items[0][Field::Execute] = c.cell;
        normaliseYesNo(items, LocalWords{});
        EXPECT_EQ(items[0][Field::Copy], c.english) << c.cell;
        EXPECT_EQ(items[0][Field::Execute], c.english) << c.cell;
        items[0][Field::Copy] = c.cell;
        normaliseYesNo(items, german());
        EXPECT_EQ(items[0][Field::Copy], c.german) << c.cell;
    }
}

TEST(LocalWords, CanonicalLocalAndRelocalise) {
    const LocalWords en;
    const LocalWords de = german();
    EXPECT_EQ(canonicalToLocal(de, "YES"), "ja");
    EXPECT_EQ(canonicalToLocal(de, "copy"), "Kopieren");
    EXPECT_FALSE(canonicalToLocal(de, "whatever"));
    EXPECT_EQ(localToCanonical(de, "Kopieren"), "Copy");
    EXPECT_EQ(relocalise(en, de, "yes"), "ja");
    EXPECT_EQ(relocalise(de, en, "Kopieren"), "Copy");
    EXPECT_EQ(canonicalYesNo(de, "JA"), "yes");
    EXPECT_EQ(canonicalYesNo(de, "other"), "other");
}

TEST(LocalWords, ColumnMapRightMostMatchWins) {
    LocalWords w;
    std::array<std::string, kFieldCount> cells;
    for (std::size_t i = 0; i < kFieldCount; ++i)
        cells[i] = w.headers[kFieldCount - 1 - i]; // reversed layout
    ColumnMap map = buildColumnMap(cells, w);
    EXPECT_TRUE(isComplete(map));
    EXPECT_EQ(map[0], 16);
    EXPECT_EQ(map[15], 1);
    cells[0] = "Name"; // "Parameter" lost, "Name" twice
    map = buildColumnMap(cells, w);
    EXPECT_EQ(map[0], 16);
    EXPECT_EQ(map[15], 0);
    EXPECT_FALSE(isComplete(map));
}
