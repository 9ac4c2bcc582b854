#pragma once
// Where the runtime finds its files. On this platform the runtime folder is
// the CD root: every CD-relative item path resolves below it. The drive-letter
// rules of the Windows menu (CD root = first three characters of the
// executable path, test runs from a build folder) are kept as pure functions
// on Windows-style text paths.

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace vistel {

namespace fs = std::filesystem;

struct RuntimeFolders {
    fs::path runtime; // the CD root
    fs::path data;    // runtime/cfg
    fs::path skin;    // runtime/cfg/skin
    fs::path info;    // runtime/tarnicdat

    [[nodiscard]] fs::path categoryFile() const;
    [[nodiscard]] fs::path itemListFile() const;
    [[nodiscard]] fs::path designFile() const;
    [[nodiscard]] fs::path languageFile() const;
    [[nodiscard]] fs::path detailsFile(int section, int item) const;
};

// Folders below root; "cfg", "skin" and "tarnicdat" are found without regard
// to case (a data set copied from a Windows CD may spell them CFG, Skin ...).
[[nodiscard]] RuntimeFolders computeFolders(const fs::path& root);

// name below folder: the existing spelling when one matches without case,
// else folder/name (which then does not exist).
[[nodiscard]] fs::path locate(const fs::path& folder, std::string_view name);

// The item path marker of jump points, compared on the last ten characters.
[[nodiscard]] bool endsWithJumpPoint(std::string_view raw);
// "http", "https" or "ftp" at the start, any letter case.
[[nodiscard]] bool isLinkPath(std::string_view raw);

// The item path as the runtime uses it: a link unchanged; a jump point as its
// folder with a trailing '/'; anything else resolved below the CD root (the
// existing spelling when the path matches a file without regard to case).
[[nodiscard]] std::string resolveItemPath(const fs::path& cdRoot, std::string_view raw);

// The current item file: the path when it names an existing regular file, else empty.
[[nodiscard]] fs::path currentItemFile(std::string_view filename);

// The info text of an item, first existing of: <folder>/<stem>.txt,
// <info>/<key>.txt, <folder>/<name up to first dot>.nfo, <folder>/<stem>.nfo,
// <info>/<key>.nfo. itemFile may be empty (links, folders, missing files).
[[nodiscard]] std::optional<fs::path> findInfoText(const fs::path& itemFile,
                                                   const fs::path& infoFolder,
                                                   std::string_view caption);
// Whether the info button is enabled: <folder>/<stem>.txt or .nfo, or
// <info>/<key>.txt or .nfo exists.
[[nodiscard]] bool hasInfoText(const fs::path& itemFile, const fs::path& infoFolder,
                               std::string_view caption);

// Files whose extension makes them their own thumbnail.
[[nodiscard]] bool isPictureFile(const fs::path& itemFile);
// The thumbnail of an item: a picture item itself; else <folder>/<stem>.jpg or
// <info>/<key>.jpg.
[[nodiscard]] std::optional<fs::path> findScreenshot(const fs::path& itemFile,
                                                     const fs::path& infoFolder,
                                                     std::string_view caption);

// Windows-style rules of the original menu, on text paths with '\'.
namespace win {
// "E:\menu\vistel.exe" -> "E:\menu\"
[[nodiscard]] std::string runtimeFolderOf(std::string_view exePath);
// "E:\menu\vistel.exe" -> "E:\"
[[nodiscard]] std::string cdRootOf(std::string_view exePath);
// [general] rootname -> test_root: without its first three characters and one trailing '\'.
[[nodiscard]] std::string testRootOf(std::string_view rootname);
// test_root is only used when the executable is writable (a test run from the build folder).
[[nodiscard]] std::string effectiveTestRoot(std::string_view testRoot, bool exeReadOnly);
// The item path `pfad` resolved as the original menu did.
[[nodiscard]] std::string resolveItemPath(std::string_view raw, std::string_view testRoot,
                                          std::string_view cdRoot);
} // namespace win

} // namespace vistel
