#include "cd_folders.h"

namespace vardeo {

namespace {

bool hasDrive(std::string_view s) {
    return s.size() >= 2 && s[1] == ':' &&
           ((s[0] >= 'A' && s[0] <= 'Z') || (s[0] >= 'a' && s[0] <= 'z'));
}

} // namespace

char folderSeparator(std::string_view folder) {
    return (folder.find('\\') != std::string_view::npos || hasDrive(folder)) ? '\\' : '/';
}

CdFolders cdFoldersOf(std::string_view projectFolder) {
    const char sep = folderSeparator(projectFolder);
    // A drive root is "D:\" on Windows and "/" here.
    const std::size_t rootLength = sep == '\\' ? 3 : 1;
    CdFolders f;
    if (projectFolder.empty())
        return f; // no folder: callers refuse (an empty root would name the current folder)
    f.folder = std::string(projectFolder);
    if (f.folder.size() > rootLength && f.folder.back() == sep)
        f.folder.pop_back();
    f.root = f.folder;
    // "D:" alone would make "D:cfg\", a folder relative to the drive's current one.
    if (f.root.empty() || f.root.back() != sep)
        f.root += sep;
    f.cfg = f.root + "cfg" + sep;
    f.skin = f.cfg + "skin" + sep;
    f.html = f.cfg + "html" + sep;
    return f;
}

} // namespace vardeo
