#pragma once
// The copy action of the copy/unpack dialog and the new-folder rule, without
// a window. Copies report their progress so a window can keep painting.

#include "shared/result.h"

#include <filesystem>
#include <functional>
#include <string_view>

namespace vistel {

// percent: 0..100, called whenever it changes.
using CopyProgress = std::function<void(int percent)>;

// Copies source into targetFolder under its own file name. An existing file
// of that name is replaced only by a complete copy (written beside it and
// renamed over it), so a failed copy leaves it as it was. Copying a file onto
// itself is refused: replacing it would destroy the source.
[[nodiscard]] tarnic::Result<std::filesystem::path>
copyIntoFolder(const std::filesystem::path& source, const std::filesystem::path& targetFolder,
               const CopyProgress& progress = {});

// The new-folder dialog's rule: folder + name, created when nothing of that
// path exists.
enum class NewFolderOutcome { Created, EmptyName, Exists, Failed };
struct NewFolderResult {
    NewFolderOutcome outcome = NewFolderOutcome::Failed;
    std::filesystem::path path;
    std::string message; // the system's reason when creating failed
};
[[nodiscard]] NewFolderResult makeNewFolder(const std::filesystem::path& folder,
                                            std::string_view name);

} // namespace vistel
