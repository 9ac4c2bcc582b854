#pragma once
// A private temporary folder for files the menu extracts for the user to
// read (archive info files): created on first use with owner-only access,
// removed with everything in it when the object goes away. Nothing the user
// owns is ever written or overwritten.

#include "shared/result.h"

#include <filesystem>

namespace vistel {

class ScratchFolder {
public:
    ScratchFolder() = default;
    ~ScratchFolder();
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;

    // The folder, created on the first call.
    [[nodiscard]] tarnic::Result<std::filesystem::path> path();
    // Removes the folder now (also done by the destructor).
    void remove() noexcept;

private:
    std::filesystem::path m_path;
};

} // namespace vistel
