#include "designer/mainwindow/find_dialog.h"

#include <gtest/gtest.h>

using namespace vardeo;

TEST(GridFind, OptionsAndOrder) {
    const std::vector<std::vector<QString>> grid = {
        {QStringLiteral("Alpha setup"), QStringLiteral("tools")},
        {QStringLiteral("beta"), QStringLiteral("Setup.exe")},
        {QStringLiteral("setups"), QStringLiteral("alpha")},
    };
    const auto cell = [&](int r, int c) { return grid[static_cast<std::size_t>(r)][static_cast<std::size_t>(c)]; };
    struct Case {
        const char* name;
        FindOptions options;
        GridPos current;
        std::optional<GridPos> after;
        std::optional<GridPos> expected;
    };
    const auto opts = [](QString text, bool cs, bool whole, bool re, bool topDown,
                         FindOptions::Scope scope = FindOptions::Scope::Grid) {
        return FindOptions{std::move(text), cs, whole, re, topDown, scope};
    };
    const Case cases[] = {
        {"plain, top-down", opts(QStringLiteral("setup"), false, false, false, true), {}, {}, GridPos{0, 0}},
        {"case sensitive", opts(QStringLiteral("setup"), true, false, false, true), {}, {}, GridPos{0, 0}},
        {"case sensitive skips Setup", opts(QStringLiteral("Setup"), true, false, false, true), {}, {}, GridPos{1, 1}},
        {"whole words skips setups", opts(QStringLiteral("setup"), false, true, false, true), {}, GridPos{0, 0}, GridPos{1, 1}},
        {"left-right order", opts(QStringLiteral("alpha"), false, false, false, false), {}, GridPos{0, 0}, GridPos{2, 1}},
        {"regex", opts(QStringLiteral("^be.a$"), false, false, true, true), {}, {}, GridPos{1, 0}},
        {"invalid regex finds nothing", opts(QStringLiteral("(unclosed"), false, false, true, true), {}, {}, std::nullopt},
        {"current column", opts(QStringLiteral("alpha"), false, false, false, true, FindOptions::Scope::Column), GridPos{0, 1}, {}, GridPos{2, 1}},
        {"current row", opts(QStringLiteral("s"), false, false, false, false, FindOptions::Scope::Row), GridPos{1, 0}, GridPos{1, 1}, std::nullopt},
        {"find next after last", opts(QStringLiteral("setup"), false, false, false, true), {}, GridPos{1, 1}, std::nullopt},
    };
    for (const Case& c : cases)
        EXPECT_EQ(findInGrid(cell, 3, 2, c.options, c.current, c.after), c.expected) << c.name;
}
