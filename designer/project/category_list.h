#pragma once
// The category list of a category file (.cmg) as the item dialogs offer it:
// one entry per category in section order, (level - 1) full stops followed by
// the caption. The entry's position is the category index used by the
// project file and the menu data set.

#include "shared/ini_file.h"
#include "shared/result.h"

#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vardeo {

// Every reader counts categories with an 8-bit counter: a file never holds more.
inline constexpr std::size_t kMaxCategories = 255;
// Caption of a category section that has none.
inline constexpr std::string_view kMissingCaption = "Fehler";

class CategoryList {
public:
    CategoryList() = default;
    explicit CategoryList(std::vector<std::string> entries);

    // anz_items (capped at 255), then level and caption of sections 0..N-1.
    [[nodiscard]] static CategoryList fromIni(const tarnic::IniFile& ini);
    [[nodiscard]] static tarnic::Result<CategoryList> load(const std::filesystem::path& cmgFile);

    [[nodiscard]] const std::vector<std::string>& entries() const { return m_entries; }
    [[nodiscard]] std::size_t size() const { return m_entries.size(); }
    [[nodiscard]] bool empty() const { return m_entries.empty(); }
    // Entry i with every full stop removed: what an item's Category cell holds.
    [[nodiscard]] const std::string& stripped(std::size_t i) const { return m_stripped[i]; }

    // The last entry whose stripped text equals the stripped cell.
    [[nodiscard]] std::optional<std::size_t> lastIndexOf(std::string_view cell) const;
    // The category index the project file stores for a cell: the last match, 0 when none.
    [[nodiscard]] std::size_t storedIndexOf(std::string_view cell) const;

    // The Category cell of an item read from a project file, each later rule
    // overriding the earlier: entry 0; the entry at the stored index when it
    // is the decimal number of an existing entry; the last entry equal to the
    // stored caption. An empty list keeps the stored caption.
    [[nodiscard]] std::string resolve(std::string_view storedIndex,
                                      std::string_view storedCaption) const;

private:
    std::vector<std::string> m_entries;
    std::vector<std::string> m_stripped;
};

} // namespace vardeo
