#pragma once
// File operations of a build. A build regenerates its output, so files are
// written in place (no temporary file and sync per file, which would make a
// 10,000-item build crawl); a write that fails is still reported.

#include "shared/result.h"

#include <filesystem>
#include <optional>
#include <string_view>

namespace vardeo {

namespace fs = std::filesystem;

// Creates or truncates path and writes bytes. A read-only target (copied
// from a CD) is made writable first.
[[nodiscard]] tarnic::Status writeBuildFile(const fs::path& path, std::string_view bytes);

// A data file named with the designer's spelling ("Files/rank/3.cfg") below
// base, found without regard to case; nullopt when there is no such file.
[[nodiscard]] std::optional<fs::path> findDataFile(const fs::path& base, std::string_view relative);

} // namespace vardeo
