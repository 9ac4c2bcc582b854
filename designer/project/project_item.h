#pragma once
// One item of a project: sixteen text fields in a fixed logical order (the
// order of the project file's item records), plus the fixed value lists that
// some fields take their values from.

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

namespace vardeo {

enum class Field : std::size_t {
    Name = 0,
    FileName,
    CdPath,
    Serial,
    CdSize,
    HdSize,
    Description,
    Category,
    Copy,
    FileSourceLocation,
    Homepage,
    Execute,
    Rating,
    Language,
    System,
    Parameter,
};

inline constexpr std::size_t kFieldCount = 16;

// English field names: the settings file stores the grid layout with them.
inline constexpr std::array<std::string_view, kFieldCount> kCanonicalFieldNames = {
    "Name",     "File Name",            "CD Path",  "Serial",  "CD Size",  "HD Size",
    "Description", "Category",          "Copy",     "File Source Location", "Homepage",
    "Execute",  "Rating",               "Language", "System",  "Parameter",
};

// Keys of the localised header texts in the designer language file, section "Grid".
inline constexpr std::array<std::string_view, kFieldCount> kHeaderKeys = {
    "G1", "G2", "G3", "G4", "G5", "G6", "G7", "G8",
    "G9", "G10", "G11", "G12", "G13", "G14", "G15", "G16",
};

struct ProjectItem {
    std::array<std::string, kFieldCount> fields;

    [[nodiscard]] std::string& operator[](Field f) { return fields[static_cast<std::size_t>(f)]; }
    [[nodiscard]] const std::string& operator[](Field f) const {
        return fields[static_cast<std::size_t>(f)];
    }
    // A row whose Name is empty is not an item (the empty row of an empty project).
    [[nodiscard]] bool isItem() const { return !(*this)[Field::Name].empty(); }
    friend bool operator==(const ProjectItem&, const ProjectItem&) = default;
};

// Position = language number written to the menu data set and flag number.
inline constexpr std::array<std::string_view, 28> kItemLanguageList = {
    "n/a", "MULTI", "USA/GB", "USA", "GB", "D",  "F",  "E",   "RUS", "GR",
    "FIN", "IL",    "I",      "J",   "IND", "NL", "N", "P",   "RO",  "S",
    "TR",  "PL",    "RC",     "DK",  "ARA", "TSC", "BG", "H",
};

inline constexpr std::array<std::string_view, 23> kItemSystemList = {
    "n/a",
    "Windows 3.x",
    "Windows 95",
    "Windows 98",
    "Windows Me",
    "Windows 2000",
    "Windows NT 3.x",
    "Windows NT 4.0",
    "Windows 95/98",
    "Windows 95/98/Me",
    "Windows 95/98/NT",
    "Windows 98/2000",
    "Windows 95/98/2000",
    "Windows 95/98/NT/2000",
    "Windows 95/98/Me/NT/2000",
    "Windows CE",
    "BeOS",
    "EPOC",
    "JAVA",
    "MacOS",
    "OS/2",
    "Palm OS",
    "Unix/Linux",
};

// The default jump-point marker ("TJP" of the designer language file).
inline constexpr std::string_view kDefaultJumpPointMarker = "Jump Point";

// Readers recognise a jump point by the last ten characters of its path,
// compared without case ("jump point").
[[nodiscard]] bool isJumpPointPath(std::string_view itemPath);

// The language number of a Language cell: its position in kItemLanguageList
// (exact text), 0 when the text is not in the list.
[[nodiscard]] std::size_t languageNumber(std::string_view language);

// A rating of 0..100 per cent as the Rating cell holds it: "007 %".
[[nodiscard]] std::string formatRating(int percent);
// The number of a Rating cell: its first three characters; nullopt-like -1
// when they are not a number.
[[nodiscard]] int ratingPercent(std::string_view rating);

} // namespace vardeo
