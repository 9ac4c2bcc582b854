#pragma once
// The recent-files list: the last six project files, newest first, kept in
// "mru.dat" of the program folder, section "MRU", keys "1".."6".

#include "shared/result.h"

#include <filesystem>
#include <string>
#include <vector>

namespace vardeo {

class MruList {
public:
    static constexpr std::size_t kCapacity = 6;

    explicit MruList(std::filesystem::path file = {});
    // Reads the list; a missing file is an empty list.
    void load();
    // Moves path to the front (it appears once) and writes the file.
    tarnic::Status add(const std::filesystem::path& path);
    tarnic::Status remove(const std::filesystem::path& path);
    [[nodiscard]] const std::vector<std::filesystem::path>& entries() const { return m_entries; }
    // Menu captions: "&1 name.mof" ... (file name only, accelerator numbers).
    [[nodiscard]] std::vector<std::string> captions() const;

private:
    tarnic::Status save() const;
    std::filesystem::path m_file;
    std::vector<std::filesystem::path> m_entries;
};

} // namespace vardeo
