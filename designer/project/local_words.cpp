#include "local_words.h"

#include "shared/text.h"

namespace vardeo {

using tarnic::iequals;

std::array<std::string, kFieldCount> LocalWords::defaultHeaders() {
    std::array<std::string, kFieldCount> h;
    for (std::size_t i = 0; i < kFieldCount; ++i)
        h[i] = std::string(kCanonicalFieldNames[i]);
    return h;
}

std::optional<std::string> canonicalToLocal(const LocalWords& words, std::string_view text) {
    if (iequals(text, "yes"))
        return words.yes;
    if (iequals(text, "no"))
        return words.no;
    for (std::size_t i = 0; i < kFieldCount; ++i)
        if (iequals(text, kCanonicalFieldNames[i]))
            return words.headers[i];
    return std::nullopt;
}

std::optional<std::string> localToCanonical(const LocalWords& words, std::string_view text) {
    if (iequals(text, words.yes))
        return std::string("yes");
    if (iequals(text, words.no))
        return std::string("no");
    for (std::size_t i = 0; i < kFieldCount; ++i)
        if (text == words.headers[i])
            return std::string(kCanonicalFieldNames[i]);
    return std::nullopt;
}

std::optional<std::string> relocalise(const LocalWords& previous, const LocalWords& current,
                                      std::string_view text) {
    const auto canonical = localToCanonical(previous, text);
    if (!canonical)
        return std::nullopt;
    return canonicalToLocal(current, *canonical);
}

namespace {

// The yes and no words of every designer language: English, German, Russian
// (code page 1251 bytes), Spanish/Italian.
bool isYesWord(std::string_view s) {
    return iequals(s, "yes") || iequals(s, "ja") || s == "\xC4\xE0" || iequals(s, "si");
}
bool isNoWord(std::string_view s) {
    return iequals(s, "no") || iequals(s, "nein") || s == "\xCD\xE5\xF2";
}

void normaliseCell(std::string& cell, const LocalWords& words) {
    if (isYesWord(cell))
        cell = words.yes;
    else if (isNoWord(cell))
        cell = words.no;
    else if (!iequals(cell, words.yes) && !iequals(cell, words.no))
        cell = words.no;
}

} // namespace

void normaliseYesNo(std::vector<ProjectItem>& items, const LocalWords& words) {
    for (ProjectItem& item : items)
        normaliseCell(item[Field::Copy], words);
    for (ProjectItem& item : items)
        normaliseCell(item[Field::Execute], words);
}

std::string canonicalYesNo(const LocalWords& words, std::string_view cell) {
    if (iequals(cell, words.yes))
        return "yes";
    if (iequals(cell, words.no))
        return "no";
    return std::string(cell);
}

ColumnMap buildColumnMap(const std::array<std::string, kFieldCount>& headerCells,
                         const LocalWords& words) {
    ColumnMap map{};
    for (std::size_t field = 0; field < kFieldCount; ++field)
        for (std::size_t col = 0; col < kFieldCount; ++col)
            if (headerCells[col] == words.headers[field])
                map[field] = static_cast<int>(col) + 1; // right-most wins
    return map;
}

bool isComplete(const ColumnMap& map) {
    for (int c : map)
        if (c == 0)
            return false;
    return true;
}

} // namespace vardeo
