#pragma once
// The folders of a CD build, computed from ProjectFolder as stored in the
// project. The text rules are those of the Windows designer and work on
// either separator: a Windows-style folder ("C:\CD\", "D:\") keeps '\', a
// native one ("/home/u/cd/") keeps '/'.

#include <string>
#include <string_view>

namespace vardeo {

struct CdFolders {
    std::string folder; // ProjectFolder without one trailing separator (a drive root keeps it)
    std::string root;   // the CD root, ending in the separator
    std::string cfg;    // root + "cfg" + separator
    std::string skin;   // cfg + "skin" + separator
    std::string html;   // cfg + "html" + separator
};

// The separator a stored folder uses: '\' when it holds one or starts with a
// drive letter, else '/'.
[[nodiscard]] char folderSeparator(std::string_view folder);

// One trailing separator is removed when the text is longer than a drive root
// ("D:\" and "/" stay as they are); the root always ends in the separator.
// An empty ProjectFolder gives empty folders.
[[nodiscard]] CdFolders cdFoldersOf(std::string_view projectFolder);

} // namespace vardeo
