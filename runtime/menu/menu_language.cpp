#include "runtime/menu/menu_language.h"

#include "runtime/menu/data_set.h"
#include "shared/text.h"

namespace vistel {

std::string styleText(std::string_view text, int style) {
    switch (style) {
    case 0: return tarnic::asciiLower(text);
    case 1: return std::string(text);
    case 2: return tarnic::asciiUpper(text);
    default: return {};
    }
}

MenuLanguage::MenuLanguage(tarnic::IniFile file, int style)
    : m_file(std::move(file)), m_style(style),
      m_language(m_file.readInt("Language", "Language", 0)) {}

MenuLanguage MenuLanguage::load(const std::filesystem::path& file, int style) {
    return MenuLanguage(loadIniOrEmpty(file), style);
}

std::string MenuLanguage::text(std::string_view section, std::string_view key) const {
    return styleText(raw(section, key), m_style);
}

std::string MenuLanguage::raw(std::string_view section, std::string_view key) const {
    return m_file.readString(section, key, "");
}

} // namespace vistel
