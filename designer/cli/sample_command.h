#pragma once
// vardeo-cli sample: writes a complete demo project into a folder: real files
// of several kinds, a jump point, a link, info texts and a screenshot, a
// category file with icons and the project file, which uses the program
// folder's default design.

#include <filesystem>
#include <ostream>

namespace vardeo::cli {

int runSample(const std::filesystem::path& folder, const std::filesystem::path& programFolder,
              std::ostream& out, std::ostream& err);

} // namespace vardeo::cli
