#pragma once
// The project file (.mof): fixed records of 1807 bytes, no file header.
// Record 0 is the project header, records 1.. the items. Every record is
// seventeen length-prefixed 8-bit strings of fixed capacity.

#include "designer/project/category_list.h"
#include "designer/project/local_words.h"
#include "designer/project/project_item.h"
#include "shared/result.h"

#include <array>
#include <cstddef>
#include <filesystem>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace vardeo {

inline constexpr std::size_t kRecordSize = 1807;
inline constexpr std::size_t kRecordFields = 17;
inline constexpr std::array<std::size_t, kRecordFields> kFieldCapacity = {
    100, 100, 100, 100, 100, 100, 150, 100, 20, 100, 100, 20, 150, 150, 150, 150, 100,
};

struct ProjectHeader {
    std::string cdName;
    std::string projectFolder;
    std::string categoryFile;  // full path; empty when none
    std::string categoryName;  // without folder and extension
    std::string categoryExt;   // ".cmg"
    std::string designFile;    // full path
    std::string designName;
    std::string designExt;     // ".mos"
    int menuLanguage = 0;      // 0 English .. 5 Italian
    int memberIconSet = 3;     // 0..255
    int ratingSet = 0;         // 0..255, 0 = no rating pictures
    std::string linkCaption;
    std::string linkAddress;
    std::string aboutLink;     // "#" or empty = none
    std::string aboutTextFile;

    friend bool operator==(const ProjectHeader&, const ProjectHeader&) = default;
};

// What read-project yields: the header, the item rows (an empty project has
// none) and warnings about the file that did not stop the read.
struct ProjectContents {
    ProjectHeader header;
    std::vector<ProjectItem> items;
    std::vector<std::string> warnings;
};

// Parses the header record (record 0) of a project file's bytes.
[[nodiscard]] tarnic::Result<ProjectHeader> parseProjectHeader(std::string_view bytes,
                                                               const std::filesystem::path& file);
[[nodiscard]] tarnic::Result<ProjectHeader> readProjectHeader(const std::filesystem::path& file);

// Parses a whole project. Each item's Category cell is resolved against the
// category list; Copy and Execute hold the stored words ("yes"/"no") until the
// caller normalises them. A file shorter than one record is not a project; a
// trailing partial record is ignored with a warning.
[[nodiscard]] tarnic::Result<ProjectContents>
parseProject(std::string_view bytes, const std::filesystem::path& file,
             const CategoryList& categories);
[[nodiscard]] tarnic::Result<ProjectContents> readProject(const std::filesystem::path& file,
                                                          const CategoryList& categories);

// The bytes of a project file: the header record and one record per item (an
// empty project stores one empty row). Copy and Execute are stored as the
// canonical words; values longer than their field are cut.
[[nodiscard]] std::string serialiseProject(const ProjectHeader& header,
                                           const std::vector<ProjectItem>& items,
                                           const CategoryList& categories,
                                           const LocalWords& words);
// The same bytes handed to sink in pieces of about 1 MB, so a large project
// is never held twice in memory. Stops when sink returns false.
using ByteSink = std::function<bool(std::string_view)>;
bool serialiseProject(const ProjectHeader& header, const std::vector<ProjectItem>& items,
                      const CategoryList& categories, const LocalWords& words, const ByteSink& sink);
// Writes the project atomically: the old file stays when anything fails.
[[nodiscard]] tarnic::Status writeProject(const std::filesystem::path& file,
                                          const ProjectHeader& header,
                                          const std::vector<ProjectItem>& items,
                                          const CategoryList& categories,
                                          const LocalWords& words);
// Replaces record 0 of an existing project file and keeps its item records.
[[nodiscard]] tarnic::Status writeProjectHeader(const std::filesystem::path& file,
                                                const ProjectHeader& header);

} // namespace vardeo
