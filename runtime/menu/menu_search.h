#pragma once
// The search window's rules without a window: the pattern, the scan over the
// data set (item names from members.cfg, descriptions from the details
// files), the result rows, both sort orders and the options menu's marks.

#include "runtime/menu/runtime_paths.h"

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace vistel {

// The search text without '*', A-Z lowered. Matching: the text "*" or ""
// matches everything; otherwise the lowered text must contain a non-empty
// pattern (so "**" matches nothing).
[[nodiscard]] std::string searchPattern(std::string_view searchText);
[[nodiscard]] bool searchMatches(std::string_view searchText, std::string_view text);

enum class SortBy { FileName, Categories };

// The options menu: "search in" keeps at least one of its two marks; "sort
// by" always has exactly one.
class SearchOptions {
public:
    [[nodiscard]] bool inName() const { return m_inName; }
    [[nodiscard]] bool inDescription() const { return m_inDescription; }
    [[nodiscard]] SortBy sortBy() const { return m_sortBy; }
    // A click on a search-in entry: a set mark goes unless it is the only one.
    void clickInName();
    void clickInDescription();
    // A click on a sort-by entry: an unmarked entry takes the mark; the marked
    // one passes it to the other.
    void clickSort(SortBy entry);

private:
    bool m_inName = true;
    bool m_inDescription = true;
    SortBy m_sortBy = SortBy::FileName;
};

struct SearchResult {
    std::string caption;          // item caption
    int icon = -1;                // icon_number: 0..13, -1 none
    std::string categoryCaption;  // sub-item 0
    std::string category;         // sub-item 1: the item's genre text
    int item = 0;                 // sub-item 2
    [[nodiscard]] int categoryIndex() const; // sub-item 1 as a number (0 when not one)
};

// Every item of every category whose caption (when searched in) or
// description (when searched in) matches, in data set order, each once.
[[nodiscard]] std::vector<SearchResult> runSearch(const RuntimeFolders& folders,
                                                  std::string_view searchText,
                                                  const SearchOptions& options);

// Caption order comes from the desktop's locale, which the window supplies;
// without one, captions compare ignoring ASCII case.
using CaptionLess = std::function<bool(const std::string&, const std::string&)>;
// Categories: by category caption, byte codes ascending (upper case first).
void sortResults(std::vector<SearchResult>& results, SortBy order,
                 const CaptionLess& captionLess = {});

} // namespace vistel
