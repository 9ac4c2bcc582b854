#include "paths.h"

#include "text.h"

#include <system_error>

namespace tarnic {
namespace {

bool isDriveRoot(std::string_view p) {
    return p.size() == 3 && p[1] == ':' && (p[2] == '\\' || p[2] == '/');
}

} // namespace

std::string includeTrailingBackslash(std::string_view path) {
    std::string out(path);
    if (out.empty() || out.back() != '\\')
        out.push_back('\\');
    return out;
}

std::string excludeTrailingBackslash(std::string_view path) {
    std::string out(path);
    if (!isDriveRoot(out) && !out.empty() && out.back() == '\\' && out != "\\")
        out.pop_back();
    return out;
}

std::string includeTrailingSlash(std::string_view path) {
    std::string out(path);
    if (out.empty() || out.back() != '/')
        out.push_back('/');
    return out;
}

fs::path cdPathToNative(const fs::path& root, std::string_view cdPath) {
    fs::path out = root;
    std::size_t start = 0;
    while (start <= cdPath.size()) {
        std::size_t end = cdPath.find_first_of("\\/", start);
        if (end == std::string_view::npos)
            end = cdPath.size();
        const std::string_view part = cdPath.substr(start, end - start);
        if (!part.empty() && part != "." && part != "..")
            out /= std::string(part);
        start = end + 1;
    }
    return out;
}

std::optional<std::string> nativeToCdPath(const fs::path& root, const fs::path& path,
                                          bool asFolder) {
    const fs::path r = root.lexically_normal();
    const fs::path p = path.lexically_normal();
    auto rit = r.begin();
    auto pit = p.begin();
    for (; rit != r.end(); ++rit) {
        if (rit->empty())
            continue; // trailing separator of root
        if (pit == p.end() || *pit != *rit)
            return std::nullopt;
        ++pit;
    }
    std::string out = "\\";
    bool first = true;
    for (; pit != p.end(); ++pit) {
        if (pit->empty())
            continue;
        if (!first)
            out.push_back('\\');
        out += pit->string();
        first = false;
    }
    if (asFolder && out.back() != '\\')
        out.push_back('\\');
    return out;
}

std::optional<fs::path> findCaseInsensitive(const fs::path& base, std::string_view relative) {
    std::error_code ec;
    fs::path exact = cdPathToNative(base, relative);
    if (fs::exists(exact, ec))
        return exact;
    fs::path current = base;
    std::size_t start = 0;
    while (start <= relative.size()) {
        std::size_t end = relative.find_first_of("\\/", start);
        if (end == std::string_view::npos)
            end = relative.size();
        const std::string_view part = relative.substr(start, end - start);
        start = end + 1;
        if (part.empty() || part == "." || part == "..")
            continue;
        fs::path next = current / std::string(part);
        if (!fs::exists(next, ec)) {
            bool found = false;
            for (fs::directory_iterator it(current, ec), stop; !ec && it != stop; it.increment(ec)) {
                if (iequals(it->path().filename().string(), part)) {
                    next = it->path();
                    found = true;
                    break;
                }
            }
            if (!found)
                return std::nullopt;
        }
        current = std::move(next);
    }
    return current;
}

std::optional<fs::path> findCaseInsensitive(const fs::path& path) {
    std::error_code ec;
    if (path.empty())
        return std::nullopt;
    if (fs::exists(path, ec))
        return path;
    const fs::path root = path.has_root_path() ? path.root_path() : fs::path(".");
    return findCaseInsensitive(root, path.relative_path().generic_string());
}

std::string nameToFirstDot(const fs::path& file) {
    const std::string name = file.filename().string();
    return name.substr(0, name.find('.'));
}

fs::path imageFolderOf(const fs::path& file) {
    return file.parent_path() / ("_" + nameToFirstDot(file));
}

} // namespace tarnic
