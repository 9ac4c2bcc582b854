#include "mru_list.h"

#include "shared/ini_file.h"

#include <algorithm>

namespace vardeo {

MruList::MruList(std::filesystem::path file) : m_file(std::move(file)) {}

void MruList::load() {
    m_entries.clear();
    if (m_file.empty())
        return;
    auto ini = tarnic::IniFile::load(m_file);
    if (!ini)
        return; // an unreadable list is an empty list, never an error
    for (std::size_t i = 1; i <= kCapacity; ++i) {
        const std::string v = ini->readString("MRU", std::to_string(i), "");
        if (!v.empty())
            m_entries.emplace_back(v);
    }
}

tarnic::Status MruList::add(const std::filesystem::path& path) {
    m_entries.erase(std::remove(m_entries.begin(), m_entries.end(), path), m_entries.end());
    m_entries.insert(m_entries.begin(), path);
    if (m_entries.size() > kCapacity)
        m_entries.resize(kCapacity);
    return save();
}

tarnic::Status MruList::remove(const std::filesystem::path& path) {
    m_entries.erase(std::remove(m_entries.begin(), m_entries.end(), path), m_entries.end());
    return save();
}

std::vector<std::string> MruList::captions() const {
    std::vector<std::string> out;
    for (std::size_t i = 0; i < m_entries.size(); ++i)
        out.push_back("&" + std::to_string(i + 1) + " " + m_entries[i].filename().string());
    return out;
}

tarnic::Status MruList::save() const {
    if (m_file.empty())
        return {};
    auto ini = tarnic::IniFile::load(m_file);
    if (!ini)
        return ini.error();
    for (std::size_t i = 1; i <= kCapacity; ++i) {
        if (i <= m_entries.size())
            ini->writeString("MRU", std::to_string(i), m_entries[i - 1].string());
        else
            ini->eraseKey("MRU", std::to_string(i));
    }
    return ini->save(m_file);
}

} // namespace vardeo
