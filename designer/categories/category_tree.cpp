#include "category_tree.h"

#include "designer/project/category_list.h"
#include "shared/text.h"

#include <algorithm>
#include <locale>
#include <stdexcept>

namespace vardeo {

bool CategoryNode::hasStartMarker() const { return caption.ends_with(kStartMarker); }

std::string CategoryNode::plainCaption() const {
    return hasStartMarker() ? caption.substr(0, caption.size() - kStartMarker.size()) : caption;
}

int CategoryNode::level() const {
    int depth = 0;
    for (const CategoryNode* p = parent; p != nullptr; p = p->parent)
        ++depth;
    return depth;
}

std::string_view messageKey(CategoryRefusal refusal) {
    switch (refusal) {
    case CategoryRefusal::None: return {};
    case CategoryRefusal::NoSelection: return "M16";
    case CategoryRefusal::NoCategory: return "M21";
    case CategoryRefusal::EmptyName: return "M22";
    case CategoryRefusal::NothingToSave: return "M24";
    case CategoryRefusal::RemoveRoot: return "M64";
    case CategoryRefusal::NameTaken: return "M65";
    case CategoryRefusal::MoveOntoSelfOrParent: return "M66";
    case CategoryRefusal::MoveRoot: return "M67";
    case CategoryRefusal::MoveIntoSubtree: return "M68";
    case CategoryRefusal::IconOfRoot: return "M69";
    case CategoryRefusal::RenameRoot: return "M70";
    case CategoryRefusal::StartOnRoot: return "M72";
    case CategoryRefusal::EmptyRename: return "M6";
    case CategoryRefusal::TooManyCategories: return "M22_2";
    }
    return {};
}

CaptionLess localeCaptionLess(tarnic::Codepage codepage) {
    std::locale user = std::locale::classic();
    try {
        user = std::locale("");
    } catch (const std::runtime_error&) {
        // An environment naming a locale the system lacks: no collation rules.
    }
    const std::string name = user.name();
    const bool plain = name == "C" || name == "POSIX" || name.starts_with("C.");
    return [user, plain, codepage](const std::string& a, const std::string& b) {
        if (plain) {
            if (const int c = tarnic::icompare(a, b); c != 0)
                return c < 0;
            return a < b;
        }
        const std::string ua = tarnic::decodeToUtf8(codepage, a);
        const std::string ub = tarnic::decodeToUtf8(codepage, b);
        const auto& coll = std::use_facet<std::collate<char>>(user);
        const int c = coll.compare(ua.data(), ua.data() + ua.size(), ub.data(), ub.data() + ub.size());
        if (c != 0)
            return c < 0;
        return a < b;
    };
}

CategoryTree::CategoryTree(std::string rootCaption) : m_root(std::make_unique<CategoryNode>()) {
    m_root->caption = std::move(rootCaption);
}

std::size_t CategoryTree::categoryCount() const { return flatten().size() - 1; }

void CategoryTree::clear(std::string rootCaption) {
    m_root = std::make_unique<CategoryNode>();
    m_root->caption = std::move(rootCaption);
}

bool CategoryTree::hasChildNamed(const CategoryNode& parent, std::string_view caption) {
    return std::any_of(parent.children.begin(), parent.children.end(),
                       [&](const auto& c) { return tarnic::iequals(c->caption, caption); });
}

CategoryRefusal CategoryTree::checkAdd(const CategoryNode* parent, std::string_view caption) const {
    if (parent == nullptr)
        return CategoryRefusal::NoSelection;
    if (caption.empty())
        return CategoryRefusal::EmptyName;
    if (hasChildNamed(*parent, caption))
        return CategoryRefusal::NameTaken;
    if (categoryCount() >= kMaxCategories)
        return CategoryRefusal::TooManyCategories;
    return CategoryRefusal::None;
}

CategoryNode& CategoryTree::add(CategoryNode& parent, std::string caption, int image,
                                std::string iconSource) {
    auto node = std::make_unique<CategoryNode>();
    node->caption = std::move(caption);
    node->image = image;
    node->data.iconSource = std::move(iconSource);
    node->parent = &parent;
    CategoryNode& ref = *node;
    parent.children.insert(parent.children.begin(), std::move(node));
    return ref;
}

CategoryRefusal CategoryTree::remove(CategoryNode* node) {
    if (node == nullptr)
        return CategoryRefusal::NoSelection;
    if (node->isRoot())
        return CategoryRefusal::RemoveRoot;
    auto& siblings = node->parent->children;
    siblings.erase(std::find_if(siblings.begin(), siblings.end(),
                                [&](const auto& c) { return c.get() == node; }));
    return CategoryRefusal::None;
}

CategoryRefusal CategoryTree::checkRename(const CategoryNode* node) const {
    if (node == nullptr)
        return CategoryRefusal::NoSelection;
    if (m_root->children.empty())
        return CategoryRefusal::NoCategory;
    if (node->isRoot())
        return CategoryRefusal::RenameRoot;
    return CategoryRefusal::None;
}

CategoryRefusal CategoryTree::rename(CategoryNode* node, std::string_view newName) {
    if (const auto r = checkRename(node); r != CategoryRefusal::None)
        return r;
    if (newName.empty())
        return CategoryRefusal::EmptyRename;
    std::string caption(newName);
    if (node->hasStartMarker())
        caption += kStartMarker;
    // The category itself is among the names compared, so its own name is refused too.
    if (hasChildNamed(*node->parent, caption))
        return CategoryRefusal::NameTaken;
    node->caption = std::move(caption);
    return CategoryRefusal::None;
}

CategoryRefusal CategoryTree::move(CategoryNode* dragged, CategoryNode* target) {
    if (dragged == nullptr || target == nullptr)
        return CategoryRefusal::NoSelection;
    if (target == dragged || target == dragged->parent)
        return CategoryRefusal::MoveOntoSelfOrParent;
    if (dragged->isRoot())
        return CategoryRefusal::MoveRoot;
    for (const CategoryNode* p = target; p != nullptr; p = p->parent)
        if (p == dragged)
            return CategoryRefusal::MoveIntoSubtree;
    if (hasChildNamed(*target, dragged->caption))
        return CategoryRefusal::NameTaken;
    auto& siblings = dragged->parent->children;
    auto it = std::find_if(siblings.begin(), siblings.end(),
                           [&](const auto& c) { return c.get() == dragged; });
    std::unique_ptr<CategoryNode> owned = std::move(*it);
    siblings.erase(it);
    owned->parent = target;
    target->children.push_back(std::move(owned));
    return CategoryRefusal::None;
}

CategoryRefusal CategoryTree::setStart(CategoryNode* node) {
    if (node == nullptr)
        return CategoryRefusal::NoSelection;
    if (m_root->children.empty())
        return CategoryRefusal::NoCategory;
    if (node->isRoot())
        return CategoryRefusal::StartOnRoot;
    for (const FlatCategory& f : flatten()) {
        auto* n = const_cast<CategoryNode*>(f.node); // NOLINT: the tree owns every node
        if (f.position != 0 && n->hasStartMarker())
            n->caption = n->plainCaption();
    }
    node->caption += kStartMarker;
    return CategoryRefusal::None;
}

CategoryRefusal CategoryTree::checkChangeIcon(const CategoryNode* node) const {
    if (node == nullptr)
        return CategoryRefusal::NoSelection;
    if (m_root->children.empty())
        return CategoryRefusal::NoCategory;
    if (node->isRoot())
        return CategoryRefusal::IconOfRoot;
    return CategoryRefusal::None;
}

void CategoryTree::changeIcon(CategoryNode& node, int image, std::string iconSource) {
    node.image = image;
    node.data.iconSource = std::move(iconSource);
}

namespace {

void sortChildren(CategoryNode& node, const CaptionLess& less) {
    std::stable_sort(node.children.begin(), node.children.end(),
                     [&](const auto& a, const auto& b) { return less(a->caption, b->caption); });
    for (auto& c : node.children)
        sortChildren(*c, less);
}

void flattenInto(const CategoryNode& node, int level, std::size_t parentPosition,
                 std::vector<FlatCategory>& out) {
    FlatCategory f;
    f.position = out.size();
    f.level = level;
    f.caption = node.caption;
    f.iconSource = node.data.iconSource;
    f.hasChild = !node.children.empty();
    f.parentPosition = parentPosition;
    f.node = &node;
    out.push_back(std::move(f));
    const std::size_t self = out.back().position;
    for (const auto& c : node.children)
        flattenInto(*c, level + 1, self, out);
}

} // namespace

void CategoryTree::sort(const CaptionLess& less) { sortChildren(*m_root, less); }

std::vector<FlatCategory> CategoryTree::flatten() const {
    std::vector<FlatCategory> out;
    flattenInto(*m_root, 0, 0, out);
    return out;
}

CategoryNode* CategoryTree::nodeAt(std::size_t position) {
    const auto flat = flatten();
    return position < flat.size() ? const_cast<CategoryNode*>(flat[position].node) : nullptr; // NOLINT
}

std::size_t CategoryTree::positionOf(const CategoryNode& node) const {
    for (const FlatCategory& f : flatten())
        if (f.node == &node)
            return f.position;
    return 0;
}

} // namespace vardeo
