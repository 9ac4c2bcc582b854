#pragma once
// The designer's localised words that item cells and grid headers use: the
// yes/no words ("TYES"/"TNO") and the header texts ("G1".."G16"). The
// language tables fill them; the defaults are the English words.

#include "designer/project/project_item.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vardeo {

struct LocalWords {
    std::string yes = "yes";
    std::string no = "no";
    std::array<std::string, kFieldCount> headers = defaultHeaders();

    [[nodiscard]] static std::array<std::string, kFieldCount> defaultHeaders();
};

// Canonical field name or "yes"/"no" (ignoring case) to the localised text;
// nullopt for any other text (the caller keeps its previous value).
[[nodiscard]] std::optional<std::string> canonicalToLocal(const LocalWords& words,
                                                          std::string_view text);
// Localised header or yes/no word (exact, as shown) to the canonical text.
[[nodiscard]] std::optional<std::string> localToCanonical(const LocalWords& words,
                                                          std::string_view text);
// A text of the previous language to the same text of the new one.
[[nodiscard]] std::optional<std::string> relocalise(const LocalWords& previous,
                                                    const LocalWords& current,
                                                    std::string_view text);

// Rewrites the Copy cells of every row, then the Execute cells: yes words of
// any designer language become words.yes, no words become words.no, and any
// other text that is neither current word becomes words.no.
void normaliseYesNo(std::vector<ProjectItem>& items, const LocalWords& words);

// The Copy/Execute cell as the project file stores it: "yes" or "no" when
// the cell is the current yes or no word (ignoring case), else the cell unchanged.
[[nodiscard]] std::string canonicalYesNo(const LocalWords& words, std::string_view cell);

// Display column (1..16) for each logical field: the right-most column whose
// header equals the field's localised header; 0 when no column has it.
using ColumnMap = std::array<int, kFieldCount>;
[[nodiscard]] ColumnMap buildColumnMap(const std::array<std::string, kFieldCount>& headerCells,
                                       const LocalWords& words);
// True when every field has a column: a layout that loses a field is refused
// by the caller, which restores the default order.
[[nodiscard]] bool isComplete(const ColumnMap& map);

} // namespace vardeo
