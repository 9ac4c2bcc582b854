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
// The same for a path held as text: the data set names ten thousand files and
// building a path object for each costs more than writing it.
[[nodiscard]] tarnic::Status writeBuildFile(const std::string& path, std::string_view bytes);

enum class CopyResult { Copied, NoSource, Failed };
// Copies the regular file source over target by plain calls (the target is
// created with mode, or replaced keeping its inode). NoSource when source is
// missing or not a regular file; Failed sets error.
[[nodiscard]] CopyResult copyBuildFile(const std::string& source, const std::string& target,
                                       tarnic::Error& error, unsigned mode = 0644);

// A data file named with the designer's spelling ("Files/rank/3.cfg") below
// base, found without regard to case; nullopt when there is no such file.
[[nodiscard]] std::optional<fs::path> findDataFile(const fs::path& base, std::string_view relative);

} // namespace vardeo
