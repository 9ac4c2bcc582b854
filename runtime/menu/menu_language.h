#pragma once
// The menu language file (cfg/language.zent): every text the menu shows
// besides the data set's own captions. Texts are 8-bit; the design's Style
// sets their letter case and [Language] Language selects the character set.

#include "shared/codepage.h"
#include "shared/ini_file.h"

#include <filesystem>
#include <string>
#include <string_view>

namespace vistel {

// Style 0: A-Z to a-z; 1: as written; 2: a-z to A-Z; anything else: empty.
// Only the 26 ASCII letters change.
[[nodiscard]] std::string styleText(std::string_view text, int style);

class MenuLanguage {
public:
    MenuLanguage() = default;
    MenuLanguage(tarnic::IniFile file, int style);
    [[nodiscard]] static MenuLanguage load(const std::filesystem::path& file, int style);

    // The text with the design's Style applied ("" when missing).
    [[nodiscard]] std::string text(std::string_view section, std::string_view key) const;
    // The text as written (a few places use it unstyled).
    [[nodiscard]] std::string raw(std::string_view section, std::string_view key) const;
    [[nodiscard]] std::string style(std::string_view text) const { return styleText(text, m_style); }

    [[nodiscard]] int languageValue() const { return m_language; }
    [[nodiscard]] bool cyrillic() const { return m_language == 2; }
    // The code page of every text shown (the file's and the data set's).
    [[nodiscard]] tarnic::Codepage codepage() const {
        return cyrillic() ? tarnic::Codepage::Windows1251 : tarnic::Codepage::Windows1252;
    }
    [[nodiscard]] int styleValue() const { return m_style; }

private:
    tarnic::IniFile m_file;
    int m_style = 0;
    int m_language = 0;
};

} // namespace vistel
