#pragma once
// Unpacking zip and rar archives for the menu's unpack action, through
// libarchive. Extraction is confined to the chosen folder: every entry name
// and link target is checked here before anything is written, because
// libarchive has no extraction root and does not check where a symlink
// points. Entries that would land outside are skipped and reported by name;
// a damaged archive stops the run and keeps what was already unpacked.

#include "shared/result.h"

#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vistel {

// Zip: the unpack action for .zip files. Rar: .rar files, RAR 1.5 to 4 and
// RAR 5. Detect: any format libarchive reads (tools and tests).
enum class ArchiveFormat { Zip, Rar, Detect };

[[nodiscard]] const char* formatName(ArchiveFormat format);

// The verdict on one entry name as stored in an archive.
struct EntryName {
    bool ok = false;
    std::string relative; // '/'-separated, no ".", no empty elements (when ok)
    std::string reason;   // why it was refused (when not ok)
};

// Refuses empty names, absolute paths ("/x", "\x", "C:x", "//server"),
// ".." elements and names that are only dots and separators. '\' counts as
// a separator: archives made on Windows store their folders that way.
[[nodiscard]] EntryName checkEntryName(std::string_view name);

// Whether a link stays below the extraction folder. A hard link target names
// another entry (relative to the archive root); a symlink target is resolved
// from the folder of the entry that holds it. Absolute targets never stay.
[[nodiscard]] bool hardLinkStaysInside(std::string_view target);
[[nodiscard]] bool symlinkStaysInside(std::string_view entryRelative, std::string_view target);

struct SkippedEntry {
    std::string name;   // as stored in the archive
    std::string reason;
};

struct ExtractReport {
    int written = 0;                    // entries created (files, folders, links)
    std::vector<SkippedEntry> skipped;  // refused or failed entries, by name
    std::optional<tarnic::Error> error; // the run stopped early (damaged, unreadable)
};

// One call per entry handed out by the archive (written, skipped or failed):
// the step of the progress bar.
using EntryStep = std::function<void(std::string_view name)>;

// The number of entries, or an error naming the archive when it cannot be
// opened or read to the end.
[[nodiscard]] tarnic::Result<int> countEntries(const std::filesystem::path& archive,
                                               ArchiveFormat format);

// Extracts every entry below target (which must exist), keeping the stored
// folders and overwriting existing files. Never changes the working folder.
[[nodiscard]] ExtractReport extractAll(const std::filesystem::path& archive,
                                       ArchiveFormat format,
                                       const std::filesystem::path& target,
                                       const EntryStep& step = {});

// The archive info files (entries ending in "nfo" or "diz"), extracted
// without their folders into a private scratch folder.
struct InfoFiles {
    int marked = 0;                         // entries with the wanted ending
    std::optional<std::filesystem::path> shown; // the last marked entry's file
    std::optional<tarnic::Error> error;     // the archive could not be read
};
// ending: the three lower-case letters the entry name must end with.
[[nodiscard]] InfoFiles extractInfoFiles(const std::filesystem::path& zip,
                                         std::string_view ending,
                                         const std::filesystem::path& scratch);

} // namespace vistel
