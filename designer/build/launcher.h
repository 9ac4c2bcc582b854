#pragma once
// Starting a program detached from the designer: no shell, its own session,
// standard streams on /dev/null, never waited for.

#include "shared/result.h"

#include <filesystem>
#include <string>
#include <vector>

namespace vardeo {

// program is a path, or a bare name looked up in PATH. An exec failure
// (missing file, no execute permission) is reported, not swallowed.
[[nodiscard]] tarnic::Status startDetached(const std::filesystem::path& program,
                                           const std::vector<std::string>& arguments,
                                           const std::filesystem::path& workingFolder);

} // namespace vardeo
