#pragma once
// Path rules. Data files keep CD-relative paths with backslashes ("\tools\",
// "\tools\setup.exe"); these helpers turn them into native paths and back,
// keep the Windows trailing-separator rules for paths held as text, and find
// files named in data case-insensitively (the system was made for a file
// system that ignores case).

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace tarnic {

namespace fs = std::filesystem;

// Windows-style text paths ("C:\cd\", "\tools\"): add or remove one trailing
// backslash. A drive root keeps its backslash ("C:\" stays "C:\").
[[nodiscard]] std::string includeTrailingBackslash(std::string_view path);
[[nodiscard]] std::string excludeTrailingBackslash(std::string_view path);
// The same for native text paths with '/'; "/" stays "/".
[[nodiscard]] std::string includeTrailingSlash(std::string_view path);

// A CD-relative path ("\tools\setup.exe", "tools/x", "\") resolved below root.
// '\' and '/' both separate; empty, "." and ".." elements are dropped, so the
// result never leaves root.
[[nodiscard]] fs::path cdPathToNative(const fs::path& root, std::string_view cdPath);

// The CD-relative form of a native path below root: "\" + elements joined by
// '\'; folders (asFolder) end in '\' ("\" for root itself). nullopt when path
// is not below root.
[[nodiscard]] std::optional<std::string> nativeToCdPath(const fs::path& root, const fs::path& path,
                                                        bool asFolder);

// The existing file or folder named relative (either separator) below base:
// the exact spelling when it exists, else the first match of every element
// compared without ASCII case. nullopt when nothing matches.
[[nodiscard]] std::optional<fs::path> findCaseInsensitive(const fs::path& base,
                                                          std::string_view relative);
// The same for a full path: the exact path, or its elements matched without case.
[[nodiscard]] std::optional<fs::path> findCaseInsensitive(const fs::path& path);

// The file name up to its first dot ("Games.v2.cmg" -> "Games"): names the
// image folder "_<name>" beside design and category files.
[[nodiscard]] std::string nameToFirstDot(const fs::path& file);
// "<folder>/_<name>/" for a design or category file.
[[nodiscard]] fs::path imageFolderOf(const fs::path& file);

} // namespace tarnic
