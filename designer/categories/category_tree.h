#pragma once
// The category tree of the category editor: one root that stands for the CD,
// categories below it to any depth. Every operation that the editor offers is
// checked here and answers with the refusal whose message the editor shows,
// so the window only displays the outcome.
//
// Captions are the 8-bit bytes the category file holds. The displayed caption
// of the start category ends in " (Start)"; the file stores it without.

#include "shared/codepage.h"

#include <cstddef>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace vardeo {

inline constexpr std::string_view kStartMarker = " (Start)";

// The icon file a category's icon is taken from on the next save: an icon of
// the category file's own icon folder after loading, an icon-pack file after
// Add or Change Icon.
struct TNodeData {
    std::string iconSource;
};

struct CategoryNode {
    std::string caption; // as displayed, start marker included
    int image = 0;       // index into the editor's image list; -1 shows none
    TNodeData data;
    CategoryNode* parent = nullptr;
    std::vector<std::unique_ptr<CategoryNode>> children;

    [[nodiscard]] bool isRoot() const { return parent == nullptr; }
    [[nodiscard]] bool hasStartMarker() const;
    // The caption without the start marker.
    [[nodiscard]] std::string plainCaption() const;
    [[nodiscard]] int level() const;
};

// Why an operation was refused; each names a designer message.
enum class CategoryRefusal {
    None,
    NoSelection,          // M16
    NoCategory,           // M21
    EmptyName,            // M22
    NothingToSave,        // M24
    RemoveRoot,           // M64
    NameTaken,            // M65
    MoveOntoSelfOrParent, // M66
    MoveRoot,             // M67
    MoveIntoSubtree,      // M68
    IconOfRoot,           // M69
    RenameRoot,           // M70
    StartOnRoot,          // M72
    EmptyRename,          // M6
    TooManyCategories,    // M22_2
};
[[nodiscard]] std::string_view messageKey(CategoryRefusal refusal);

// One node of the pre-order flattening; the root is position 0.
struct FlatCategory {
    std::size_t position = 0;
    int level = 0;
    std::string caption; // displayed caption
    std::string iconSource;
    bool hasChild = false;
    std::size_t parentPosition = 0; // 0 for level-1 categories and the root
    const CategoryNode* node = nullptr;
};

// Orders two captions for Sort.
using CaptionLess = std::function<bool(const std::string&, const std::string&)>;
// The user's collation (LC_COLLATE of the environment, as std::locale("")
// reads it) over the captions decoded from the code page. Without collation
// rules (the C, C.UTF-8 or POSIX locale) letters compare without case first, then by
// bytes, which keeps "alpha" before "Beta" as a desktop user expects.
[[nodiscard]] CaptionLess localeCaptionLess(tarnic::Codepage codepage);

class CategoryTree {
public:
    explicit CategoryTree(std::string rootCaption = {});

    [[nodiscard]] CategoryNode& root() { return *m_root; }
    [[nodiscard]] const CategoryNode& root() const { return *m_root; }
    // Categories, root excluded.
    [[nodiscard]] std::size_t categoryCount() const;
    // Only the root, with a new caption.
    void clear(std::string rootCaption);

    // Add: refused without a parent, with an empty name, a name a child of
    // parent already has, or when the tree already holds the 255 categories a
    // category file can carry.
    [[nodiscard]] CategoryRefusal checkAdd(const CategoryNode* parent, std::string_view caption) const;
    // Inserts the category as the FIRST child of parent, without checks.
    CategoryNode& add(CategoryNode& parent, std::string caption, int image, std::string iconSource);

    CategoryRefusal remove(CategoryNode* node);

    // Rename: checkRename before asking for the name (M16, M21, M70), then
    // rename with the typed text; a start marker stays on the category.
    [[nodiscard]] CategoryRefusal checkRename(const CategoryNode* node) const;
    CategoryRefusal rename(CategoryNode* node, std::string_view newName);

    // Moves dragged with its subtree to the end of target's children.
    CategoryRefusal move(CategoryNode* dragged, CategoryNode* target);

    // Makes node the start category; any other marker is removed.
    CategoryRefusal setStart(CategoryNode* node);

    [[nodiscard]] CategoryRefusal checkChangeIcon(const CategoryNode* node) const;
    void changeIcon(CategoryNode& node, int image, std::string iconSource);

    // Orders the children of every node by caption; nothing changes parent.
    void sort(const CaptionLess& less);

    [[nodiscard]] std::vector<FlatCategory> flatten() const;
    // The node at a pre-order position (0 = root), or nullptr.
    [[nodiscard]] CategoryNode* nodeAt(std::size_t position);
    [[nodiscard]] std::size_t positionOf(const CategoryNode& node) const;
    // True when a child of parent has the displayed caption (ASCII case-insensitive).
    [[nodiscard]] static bool hasChildNamed(const CategoryNode& parent, std::string_view caption);

private:
    std::unique_ptr<CategoryNode> m_root;
};

} // namespace vardeo
