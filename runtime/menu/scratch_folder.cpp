#include "runtime/menu/scratch_folder.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <string>
#include <system_error>

namespace vistel {

ScratchFolder::~ScratchFolder() { remove(); }

tarnic::Result<std::filesystem::path> ScratchFolder::path() {
    if (!m_path.empty())
        return m_path;
    std::error_code ec;
    const std::filesystem::path base = std::filesystem::temp_directory_path(ec);
    if (ec)
        return tarnic::Error{{}, "no temporary folder: " + ec.message()};
    std::string tmpl = (base / "vistel-XXXXXX").string();
    // mkdtemp creates a fresh folder with mode 0700, so no other user's file
    // can be in the way.
    if (::mkdtemp(tmpl.data()) == nullptr)
        return tarnic::Error{base, std::string("cannot create a temporary folder: ") +
                                       std::strerror(errno)};
    m_path = tmpl;
    return m_path;
}

void ScratchFolder::remove() noexcept {
    if (m_path.empty())
        return;
    std::error_code ec;
    std::filesystem::remove_all(m_path, ec);
    m_path.clear();
}

} // namespace vistel
