// Archive entry names: a name (and a link target after the first newline)
// the checker lets through never leads outside the extraction folder.
#include "runtime/menu/archive_extractor.h"

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <string_view>

namespace {

bool below(const std::filesystem::path& root, const std::filesystem::path& p) {
    const std::string r = root.string() + "/";
    const std::string s = p.lexically_normal().string();
    return s.rfind(r, 0) == 0 && s.size() > r.size();
}

std::string slashes(std::string_view s) {
    std::string out(s);
    for (char& c : out)
        if (c == '\\')
            c = '/';
    return out;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    const std::size_t cut = input.find('\n');
    const std::string_view name = input.substr(0, cut);
    const std::string_view target = cut == std::string_view::npos ? std::string_view() : input.substr(cut + 1);
    const std::filesystem::path root("/extract/root");

    const vistel::EntryName checked = vistel::checkEntryName(name);
    if (checked.ok) {
        if (checked.relative.empty() || checked.relative.front() == '/' ||
            checked.relative.find('\\') != std::string::npos ||
            checked.relative.find("//") != std::string::npos || !below(root, root / checked.relative))
            std::abort();
        for (std::string_view e : {std::string_view("/../"), std::string_view("/./")})
            if (("/" + checked.relative + "/").find(e) != std::string::npos)
                std::abort();
        if (vistel::symlinkStaysInside(checked.relative, target)) {
            const auto from = (root / checked.relative).parent_path();
            const auto lands = (from / slashes(target)).lexically_normal();
            if (lands != root && lands != root / "" && !below(root, lands))
                std::abort();
        }
    } else if (checked.reason.empty()) {
        std::abort();
    }
    if (vistel::hardLinkStaysInside(target) && !vistel::checkEntryName(target).ok)
        std::abort();
    return 0;
}
