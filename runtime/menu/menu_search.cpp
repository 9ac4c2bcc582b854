#include "runtime/menu/menu_search.h"

#include "runtime/menu/data_set.h"
#include "shared/text.h"

#include <algorithm>

namespace vistel {

std::string searchPattern(std::string_view searchText) {
    std::string out;
    for (char c : searchText)
        if (c != '*')
            out += tarnic::asciiLower(c);
    return out;
}

bool searchMatches(std::string_view searchText, std::string_view text) {
    if (searchText.empty() || searchText == "*")
        return true;
    const std::string pattern = searchPattern(searchText);
    return !pattern.empty() && tarnic::asciiLower(text).find(pattern) != std::string::npos;
}

void SearchOptions::clickInName() {
    if (!m_inName || m_inDescription)
        m_inName = !m_inName;
}

void SearchOptions::clickInDescription() {
    if (!m_inDescription || m_inName)
        m_inDescription = !m_inDescription;
}

void SearchOptions::clickSort(SortBy entry) {
    if (entry != m_sortBy)
        m_sortBy = entry;
    else
        m_sortBy = entry == SortBy::FileName ? SortBy::Categories : SortBy::FileName;
}

int SearchResult::categoryIndex() const { return tarnic::parseInteger(category).value_or(0); }

std::vector<SearchResult> runSearch(const RuntimeFolders& folders, std::string_view searchText,
                                    const SearchOptions& options) {
    const tarnic::IniFile genre = loadIniOrEmpty(folders.categoryFile());
    const tarnic::IniFile members = loadIniOrEmpty(folders.itemListFile());
    std::vector<SearchResult> results;
    const int categories = genre.readInt("general", "anz_items", 0);
    for (int s = 0; s < categories; ++s) {
        const int count = members.readInt(std::to_string(s), "anz_items", 0);
        for (int n = 0; n < count; ++n) {
            const std::string section = std::to_string(s) + "-" + std::to_string(n);
            const std::string name = members.readString(section, "caption", kDefaultCaption);
            bool hit = options.inName() && searchMatches(searchText, name);
            if (!hit && options.inDescription()) {
                // A missing details file reads as "Fehler", which then takes
                // part in the matching like any description.
                const tarnic::IniFile details = loadIniOrEmpty(folders.detailsFile(s, n));
                hit = searchMatches(searchText, details.readString(section, "desc", kDefaultCaption));
            }
            if (!hit)
                continue;
            SearchResult r;
            r.caption = name;
            r.icon = members.readInt(section, "icon_number", -1);
            r.category = members.readString(section, "genre", "0");
            r.categoryCaption = genre.readString(r.category, "caption", "Error");
            r.item = n;
            results.push_back(std::move(r));
        }
    }
    return results;
}

void sortResults(std::vector<SearchResult>& results, SortBy order, const CaptionLess& captionLess) {
    if (order == SortBy::Categories) {
        std::stable_sort(results.begin(), results.end(), [](const SearchResult& a, const SearchResult& b) {
            return a.categoryCaption < b.categoryCaption; // char_traits<char> compares as unsigned
        });
        return;
    }
    if (captionLess) {
        std::stable_sort(results.begin(), results.end(),
                         [&](const SearchResult& a, const SearchResult& b) {
                             return captionLess(a.caption, b.caption);
                         });
        return;
    }
    std::stable_sort(results.begin(), results.end(), [](const SearchResult& a, const SearchResult& b) {
        return tarnic::icompare(a.caption, b.caption) < 0;
    });
}

} // namespace vistel
