#pragma once
// The category editor's document: the tree, the image list `catimage` (as the
// icon files its images were read from), the current category file and the
// changed flag, with New, Load and Save of a category file (.cmg).
//
// Category file: [general] anz_items and start, then one section per category
// in pre-order, numbered 0..N-1, keys id, level, caption, haschild, parent.
// Beside it the icon folder "_<name>" holds 1.ico..N.ico, one per id.

#include "designer/categories/category_tree.h"
#include "shared/result.h"

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace vardeo {

struct CategorySaveOutcome {
    CategoryRefusal refusal = CategoryRefusal::None; // M24 for a tree without categories
    std::optional<tarnic::Error> error;              // the category file could not be written
    [[nodiscard]] bool saved() const { return refusal == CategoryRefusal::None && !error; }
};

class CategorySet {
public:
    explicit CategorySet(std::filesystem::path programFolder);

    [[nodiscard]] CategoryTree& tree() { return m_tree; }
    [[nodiscard]] const CategoryTree& tree() const { return m_tree; }

    // Image i of `catimage` was read from images()[i]; image 0 is the
    // runtime's icon Files/vistel.ico.
    [[nodiscard]] const std::vector<std::filesystem::path>& images() const { return m_images; }
    // Appends an image and gives its index.
    int appendImage(std::filesystem::path file);

    // None after New and after loading a file that does not exist.
    [[nodiscard]] const std::filesystem::path& currentFile() const { return m_current; }
    [[nodiscard]] bool changed() const { return m_changed; }
    void setChanged(bool changed = true) { m_changed = changed; }

    // The standard set Files/Standard.cmg of the program folder.
    [[nodiscard]] std::filesystem::path standardSet() const;
    [[nodiscard]] bool isStandardSet(const std::filesystem::path& file) const;
    // "Save" turns into "Save As" without a current file and on the standard
    // set, so the standard set is never overwritten by "Save".
    [[nodiscard]] bool saveNeedsChoice() const;

    // A new, unsaved set: only the root; the changed flag is set.
    void newSet(std::string rootCaption);

    // Loads a category file. A file that does not exist, or holds no
    // category, gives the root alone. A parent that names no earlier category
    // attaches the category under the root. A category whose icon file is
    // missing shows no icon; an icon file that exists but cannot be read
    // stops the load and leaves everything as it was.
    [[nodiscard]] tarnic::Status load(const std::filesystem::path& file, std::string rootCaption);

    // Writes the tree to file: keys in place into an existing file (sections
    // of an earlier, longer tree stay and are ignored by every reader), then
    // renumbers the icons of the icon folder to the new ids through p.tmp
    // files, so an icon that is also another category's source is read
    // before it is replaced. Icon copy failures are ignored.
    CategorySaveOutcome save(const std::filesystem::path& file);

private:
    std::filesystem::path vistelIcon() const;

    std::filesystem::path m_programFolder;
    CategoryTree m_tree;
    std::vector<std::filesystem::path> m_images;
    std::filesystem::path m_current;
    bool m_changed = false;
};

// The icon folder of a category file: "_<name>" beside it.
[[nodiscard]] std::filesystem::path categoryIconFolder(const std::filesystem::path& cmgFile);

} // namespace vardeo
