#include "runtime/menu/runtime_paths.h"

#include "shared/paths.h"
#include "shared/text.h"

#include <system_error>

namespace vistel {

using tarnic::findCaseInsensitive;

namespace {

constexpr std::string_view kJumpPoint = "JUMP POINT";

bool isFile(const fs::path& p) {
    std::error_code ec;
    return fs::is_regular_file(p, ec);
}

std::optional<fs::path> existing(const fs::path& folder, const std::string& name) {
    if (folder.empty() || name.empty())
        return std::nullopt;
    auto found = findCaseInsensitive(folder, name);
    if (found && isFile(*found))
        return found;
    return std::nullopt;
}

// Name without its last extension ("setup.beta.zip" -> "setup.beta").
std::string stemOf(const fs::path& file) { return file.stem().string(); }

// Name up to its first dot ("setup.beta.zip" -> "setup").
std::string firstDotStem(const fs::path& file) {
    const std::string name = file.filename().string();
    const auto dot = name.find('.');
    return dot == std::string::npos ? name : name.substr(0, dot);
}

} // namespace

fs::path locate(const fs::path& folder, std::string_view name) {
    if (auto found = findCaseInsensitive(folder, name))
        return *found;
    return folder / std::string(name);
}

fs::path RuntimeFolders::categoryFile() const { return locate(data, "genre.cfg"); }
fs::path RuntimeFolders::itemListFile() const { return locate(data, "members.cfg"); }
fs::path RuntimeFolders::designFile() const { return locate(data, "skin.cfg"); }
fs::path RuntimeFolders::languageFile() const { return locate(data, "language.zent"); }
fs::path RuntimeFolders::detailsFile(int section, int item) const {
    return locate(locate(data, "membersd"),
                  "m" + std::to_string(section) + "-" + std::to_string(item) + ".dat");
}

RuntimeFolders computeFolders(const fs::path& root) {
    RuntimeFolders f;
    std::error_code ec;
    fs::path abs = fs::absolute(root, ec);
    f.runtime = (ec ? root : abs).lexically_normal();
    if (f.runtime.has_filename() == false && f.runtime.has_parent_path() &&
        f.runtime != f.runtime.root_path())
        f.runtime = f.runtime.parent_path();
    f.data = locate(f.runtime, "cfg");
    f.skin = locate(f.data, "skin");
    f.info = locate(f.runtime, "tarnicdat");
    return f;
}

bool endsWithJumpPoint(std::string_view raw) {
    return raw.size() >= kJumpPoint.size() &&
           tarnic::asciiUpper(raw.substr(raw.size() - kJumpPoint.size())) == kJumpPoint;
}

bool isLinkPath(std::string_view raw) {
    return tarnic::istartsWith(raw, "http") || tarnic::istartsWith(raw, "ftp");
}

std::string resolveItemPath(const fs::path& cdRoot, std::string_view raw) {
    if (isLinkPath(raw))
        return std::string(raw);
    if (endsWithJumpPoint(raw)) {
        const std::string_view folder = raw.substr(0, raw.size() - kJumpPoint.size());
        fs::path native = tarnic::cdPathToNative(cdRoot, folder);
        if (auto found = findCaseInsensitive(native))
            native = *found;
        return tarnic::includeTrailingSlash(native.string());
    }
    fs::path native = tarnic::cdPathToNative(cdRoot, raw);
    if (auto found = findCaseInsensitive(native))
        native = *found;
    return native.string();
}

fs::path currentItemFile(std::string_view filename) {
    if (filename.empty() || isLinkPath(filename))
        return {};
    fs::path p{std::string(filename)};
    return isFile(p) ? p : fs::path{};
}

std::optional<fs::path> findInfoText(const fs::path& itemFile, const fs::path& infoFolder,
                                     std::string_view caption) {
    const std::string key = tarnic::itemKey(caption);
    const fs::path folder = itemFile.empty() ? fs::path{} : itemFile.parent_path();
    if (auto p = existing(folder, itemFile.empty() ? "" : stemOf(itemFile) + ".txt"))
        return p;
    if (auto p = existing(infoFolder, key.empty() ? "" : key + ".txt"))
        return p;
    if (auto p = existing(folder, itemFile.empty() ? "" : firstDotStem(itemFile) + ".nfo"))
        return p;
    if (auto p = existing(folder, itemFile.empty() ? "" : stemOf(itemFile) + ".nfo"))
        return p;
    // The availability test accepts <info>/<key>.nfo, so it is offered last
    // rather than leaving an enabled info button with nothing to show.
    return existing(infoFolder, key.empty() ? "" : key + ".nfo");
}

bool hasInfoText(const fs::path& itemFile, const fs::path& infoFolder, std::string_view caption) {
    const std::string key = tarnic::itemKey(caption);
    if (!itemFile.empty()) {
        const fs::path folder = itemFile.parent_path();
        if (existing(folder, stemOf(itemFile) + ".txt") || existing(folder, stemOf(itemFile) + ".nfo"))
            return true;
    }
    return !key.empty() &&
           (existing(infoFolder, key + ".txt") || existing(infoFolder, key + ".nfo"));
}

bool isPictureFile(const fs::path& itemFile) {
    const std::string ext = tarnic::asciiUpper(itemFile.extension().string());
    return ext == ".BMP" || ext == ".ICO" || ext == ".JPG" || ext == ".JPEG" || ext == ".GIF";
}

std::optional<fs::path> findScreenshot(const fs::path& itemFile, const fs::path& infoFolder,
                                       std::string_view caption) {
    if (!itemFile.empty() && isPictureFile(itemFile))
        return itemFile;
    if (!itemFile.empty())
        if (auto p = existing(itemFile.parent_path(), stemOf(itemFile) + ".jpg"))
            return p;
    const std::string key = tarnic::itemKey(caption);
    return existing(infoFolder, key.empty() ? "" : key + ".jpg");
}

namespace win {

std::string runtimeFolderOf(std::string_view exePath) {
    const auto slash = exePath.rfind('\\');
    return slash == std::string_view::npos ? std::string() : std::string(exePath.substr(0, slash + 1));
}

std::string cdRootOf(std::string_view exePath) { return std::string(exePath.substr(0, 3)); }

std::string testRootOf(std::string_view rootname) {
    if (rootname.size() <= 3)
        return {};
    std::string out(rootname.substr(3));
    if (!out.empty() && out.back() == '\\')
        out.pop_back();
    return out;
}

std::string effectiveTestRoot(std::string_view testRoot, bool exeReadOnly) {
    return exeReadOnly ? std::string() : std::string(testRoot);
}

std::string resolveItemPath(std::string_view raw, std::string_view testRoot,
                            std::string_view cdRoot) {
    std::string filename(raw);
    if (endsWithJumpPoint(filename))
        filename.resize(filename.size() - kJumpPoint.size());
    if (!testRoot.empty())
        filename = std::string(testRoot) + filename;
    if (!filename.empty() && filename.front() == '\\')
        filename.erase(0, 1);
    filename = std::string(cdRoot) + filename;
    if (isLinkPath(raw))
        filename = std::string(raw);
    return filename;
}

} // namespace win
} // namespace vistel
