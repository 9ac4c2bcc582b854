#pragma once
// Readers of the menu data set: the category file (genre.cfg), the item list
// (members.cfg) and the per-item details files (membersd/m<s>-<n>.dat). Every
// missing file, section or key takes its default; nothing here fails.

#include "shared/ini_file.h"

#include <filesystem>
#include <string>
#include <vector>

namespace vistel {

namespace fs = std::filesystem;

inline constexpr const char* kDefaultCaption = "Fehler";
inline constexpr const char* kDefaultTitle = "Tarnic - Vardeo";

// A file that exists but cannot be read is treated as empty; its error is
// appended to errors (when given) so the window can report it once.
[[nodiscard]] tarnic::IniFile loadIniOrEmpty(const fs::path& file,
                                             std::vector<std::string>* errors = nullptr);

// [general] of members.cfg.
struct GeneralSettings {
    std::string cdTitle = kDefaultTitle; // cdname, or the product name when empty
    std::string rootname;
    std::string testRoot;                // Windows rule, see win::testRootOf
    std::string aboutLink;
    std::vector<std::string> aboutLines; // empty: the about box's own text
    std::string linkUrl;
    std::string linkName;                // caption of the options menu's link entry
};
[[nodiscard]] GeneralSettings readGeneral(const tarnic::IniFile& members);

// One section of genre.cfg with the defaults of the readers.
struct CategorySection {
    int id = 0;           // 0 when missing
    int level = 0;
    std::string caption = kDefaultCaption;
    bool hasChild = false;
    int parent = 0;
    bool hasId = false;   // a missing id gives image index -1
};
[[nodiscard]] CategorySection readCategory(const tarnic::IniFile& genre, int section);
[[nodiscard]] int categoryCount(const tarnic::IniFile& genre);
// The start category's id: the section named by [general] start (S - 1 for
// S >= 2, else 0) and its id (default 1).
[[nodiscard]] int readStartId(const tarnic::IniFile& genre);

struct ItemEntry {
    std::string caption;
    int icon = -1;   // 0..13 for m1.ico..m14.ico, -1 none
    int number = 0;  // n of the item section s-n
};
[[nodiscard]] std::vector<ItemEntry> readItems(const tarnic::IniFile& members, int section);

// The details file's values, each text defaulting to "n/a".
struct ItemDetails {
    std::string pfad = "n/a";
    std::string params = "n/a";
    bool copy = false;
    bool execute = true;
    std::string desc = "n/a", serial = "n/a", sizep = "n/a", sizeup = "n/a", system = "n/a";
    std::string rank = "n/a";
    bool rankMissing = true; // rank read with "000 %" gave "000 %"
    std::string rankPic = "n/a";
    int language = 0;
    std::string url = "n/a";
};
[[nodiscard]] ItemDetails readDetails(const tarnic::IniFile& details, int section, int item);

} // namespace vistel
