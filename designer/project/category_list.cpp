#include "category_list.h"

#include "shared/text.h"

#include <algorithm>

namespace vardeo {

CategoryList::CategoryList(std::vector<std::string> entries) : m_entries(std::move(entries)) {
    m_stripped.reserve(m_entries.size());
    for (const std::string& e : m_entries)
        m_stripped.push_back(tarnic::stripDots(e));
}

CategoryList CategoryList::fromIni(const tarnic::IniFile& ini) {
    const std::int32_t count = ini.readInt("general", "anz_items", 0);
    const std::size_t n = std::min<std::size_t>(count < 0 ? 0u : static_cast<std::size_t>(count),
                                                kMaxCategories);
    std::vector<std::string> entries;
    entries.reserve(n);
    for (std::size_t k = 0; k < n; ++k) {
        const std::string section = std::to_string(k);
        const std::int32_t level = ini.readInt(section, "level", 0);
        std::string entry(level > 1 ? static_cast<std::size_t>(level - 1) : 0u, '.');
        entry += ini.readString(section, "caption", kMissingCaption);
        entries.push_back(std::move(entry));
    }
    return CategoryList(std::move(entries));
}

tarnic::Result<CategoryList> CategoryList::load(const std::filesystem::path& cmgFile) {
    auto ini = tarnic::IniFile::load(cmgFile);
    if (!ini)
        return ini.error();
    return fromIni(*ini);
}

std::optional<std::size_t> CategoryList::lastIndexOf(std::string_view cell) const {
    const std::string want = tarnic::stripDots(cell);
    for (std::size_t i = m_stripped.size(); i-- > 0;)
        if (m_stripped[i] == want)
            return i;
    return std::nullopt;
}

std::size_t CategoryList::storedIndexOf(std::string_view cell) const {
    return lastIndexOf(cell).value_or(0);
}

std::string CategoryList::resolve(std::string_view storedIndex,
                                  std::string_view storedCaption) const {
    // Without categories there is nothing to tie the item to: keep what it had.
    if (m_stripped.empty())
        return std::string(storedCaption);
    std::string cell = m_stripped[0];
    if (const auto i = tarnic::parseDecimal(storedIndex);
        i && static_cast<std::size_t>(*i) < m_stripped.size())
        cell = m_stripped[static_cast<std::size_t>(*i)];
    if (const auto j = lastIndexOf(storedCaption))
        cell = m_stripped[*j];
    return cell;
}

} // namespace vardeo
