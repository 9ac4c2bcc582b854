#include "designer/categories/category_tree.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace vardeo {
namespace {

// CD
//   Games (Start)
//     Action
//     Puzzle
//   Tools
struct Fixture {
    CategoryTree tree{"CD"};
    CategoryNode* games = nullptr;
    CategoryNode* action = nullptr;
    CategoryNode* puzzle = nullptr;
    CategoryNode* tools = nullptr;
    Fixture() {
        tools = &tree.add(tree.root(), "Tools", 4, "t.ico");
        games = &tree.add(tree.root(), "Games (Start)", 1, "g.ico");
        puzzle = &tree.add(*games, "Puzzle", 3, "p.ico");
        action = &tree.add(*games, "Action", 2, "a.ico");
    }
};

std::vector<std::string> captions(const CategoryTree& t) {
    std::vector<std::string> out;
    for (const FlatCategory& f : t.flatten())
        out.push_back(std::string(static_cast<std::size_t>(f.level), '.') + f.caption);
    return out;
}

TEST(CategoryTree, RefusalsNameTheirMessage) {
    struct Case {
        const char* what;
        std::function<CategoryRefusal(Fixture&)> op;
        std::string_view key;
    };
    const std::vector<Case> cases = {
        {"add without selection", [](Fixture& f) { return f.tree.checkAdd(nullptr, "X"); }, "M16"},
        {"add empty name", [](Fixture& f) { return f.tree.checkAdd(f.games, ""); }, "M22"},
        {"add sibling name in other case", [](Fixture& f) { return f.tree.checkAdd(f.games, "ACTION"); }, "M65"},
        {"add name taken under another parent is fine", [](Fixture& f) { return f.tree.checkAdd(f.tools, "Action"); }, ""},
        {"add compares with the displayed caption", [](Fixture& f) { return f.tree.checkAdd(&f.tree.root(), "Games"); }, ""},
        {"remove without selection", [](Fixture& f) { return f.tree.remove(nullptr); }, "M16"},
        {"remove root", [](Fixture& f) { return f.tree.remove(&f.tree.root()); }, "M64"},
        {"rename root", [](Fixture& f) { return f.tree.rename(&f.tree.root(), "X"); }, "M70"},
        {"rename to empty", [](Fixture& f) { return f.tree.rename(f.action, ""); }, "M6"},
        {"rename to own name", [](Fixture& f) { return f.tree.rename(f.action, "action"); }, "M65"},
        {"rename start category to own name", [](Fixture& f) { return f.tree.rename(f.games, "GAMES"); }, "M65"},
        {"rename to sibling", [](Fixture& f) { return f.tree.rename(f.action, "Puzzle"); }, "M65"},
        {"move onto itself", [](Fixture& f) { return f.tree.move(f.action, f.action); }, "M66"},
        {"move onto its parent", [](Fixture& f) { return f.tree.move(f.action, f.games); }, "M66"},
        {"move the root", [](Fixture& f) { return f.tree.move(&f.tree.root(), f.tools); }, "M67"},
        {"move into its own subtree", [](Fixture& f) { return f.tree.move(f.games, f.action); }, "M68"},
        {"move next to a namesake", [](Fixture& f) {
             f.tree.add(*f.tools, "puzzle", 5, "x.ico");
             return f.tree.move(f.puzzle, f.tools);
         }, "M65"},
        {"start on root", [](Fixture& f) { return f.tree.setStart(&f.tree.root()); }, "M72"},
        {"start without selection", [](Fixture& f) { return f.tree.setStart(nullptr); }, "M16"},
        {"icon of root", [](Fixture& f) { return f.tree.checkChangeIcon(&f.tree.root()); }, "M69"},
    };
    for (const Case& c : cases) {
        Fixture f;
        const auto before = captions(f.tree);
        const CategoryRefusal r = c.op(f);
        EXPECT_EQ(messageKey(r), c.key) << c.what;
        if (r != CategoryRefusal::None && std::string_view(c.what).find("namesake") == std::string_view::npos) {
            EXPECT_EQ(captions(f.tree), before) << c.what << " changed the tree";
        }
    }
}

TEST(CategoryTree, EmptyTreeRefusesRenameStartAndIconWithM21) {
    CategoryTree t("CD");
    EXPECT_EQ(messageKey(t.checkRename(&t.root())), "M21");
    EXPECT_EQ(messageKey(t.setStart(&t.root())), "M21");
    EXPECT_EQ(messageKey(t.checkChangeIcon(&t.root())), "M21");
}

TEST(CategoryTree, AddGoesFirstRemoveTakesTheSubtreeMoveKeepsOrder) {
    Fixture f;
    EXPECT_EQ(captions(f.tree),
              (std::vector<std::string>{"CD", ".Games (Start)", "..Action", "..Puzzle", ".Tools"}));
    f.tree.add(f.tree.root(), "Audio", 6, "au.ico");
    EXPECT_EQ(f.tree.flatten()[1].caption, "Audio");

    ASSERT_EQ(f.tree.move(f.games, f.tools), CategoryRefusal::None);
    const auto flat = f.tree.flatten();
    EXPECT_EQ(captions(f.tree), (std::vector<std::string>{"CD", ".Audio", ".Tools", "..Games (Start)",
                                                           "...Action", "...Puzzle"}));
    EXPECT_EQ(flat[3].parentPosition, 2u);
    EXPECT_EQ(flat[4].parentPosition, 3u);
    EXPECT_EQ(flat[4].iconSource, "a.ico"); // node data travels with the node
    EXPECT_EQ(flat[4].node->image, 2);
    EXPECT_TRUE(flat[2].hasChild);

    ASSERT_EQ(f.tree.remove(f.tools), CategoryRefusal::None);
    EXPECT_EQ(captions(f.tree), (std::vector<std::string>{"CD", ".Audio"}));
}

TEST(CategoryTree, RenameKeepsTheStartMarkerAndStartMovesIt) {
    Fixture f;
    EXPECT_EQ(f.games->plainCaption(), "Games");
    ASSERT_EQ(f.tree.rename(f.games, "Spiele"), CategoryRefusal::None);
    EXPECT_EQ(f.games->caption, "Spiele (Start)");
    ASSERT_EQ(f.tree.setStart(f.tools), CategoryRefusal::None);
    EXPECT_EQ(f.games->caption, "Spiele");
    EXPECT_EQ(f.tools->caption, "Tools (Start)");
    ASSERT_EQ(f.tree.setStart(f.tools), CategoryRefusal::None); // twice keeps one marker
    EXPECT_EQ(f.tools->caption, "Tools (Start)");
}

TEST(CategoryTree, AddIsRefusedAtTheReadersLimit) {
    CategoryTree t("CD");
    for (int i = 0; i < 255; ++i)
        t.add(t.root(), "c" + std::to_string(i), 0, "");
    EXPECT_EQ(messageKey(t.checkAdd(&t.root(), "one more")), "M22_2");
}

TEST(CategoryTree, SortOrdersEveryLevelAndMovesNothingToAnotherParent) {
    CategoryTree t("CD");
    auto& b = t.add(t.root(), "beta", 0, "");
    t.add(t.root(), "Gamma", 0, "");
    t.add(t.root(), "Alpha", 0, "");
    t.add(b, "zeta", 0, "");
    t.add(b, "Eta", 0, "");
    t.sort(localeCaptionLess(tarnic::Codepage::Windows1252));
    EXPECT_EQ(captions(t), (std::vector<std::string>{"CD", ".Alpha", ".beta", "..Eta", "..zeta", ".Gamma"}));
}

} // namespace
} // namespace vardeo
