#pragma once
// The designer's UI language files, Files/lang_<n>.dat: every visible text of
// the designer by section and key. A missing file or key reads as its
// default (mostly empty text); nothing here is ever an error.

#include "designer/project/local_words.h"
#include "shared/codepage.h"
#include "shared/ini_file.h"

#include <array>
#include <filesystem>
#include <string>
#include <string_view>

namespace vardeo {

struct DesignerLanguageInfo {
    int number;                   // as the settings store it
    std::string_view name;        // entry of the Language menu and the welcome list
    std::string_view defaultHelp; // help file when "General"/"Help" is missing
    int charset;                  // 0 ANSI, 204 Cyrillic
    std::string_view waitPicture; // below the program folder; empty keeps the previous one
};

inline constexpr std::array<DesignerLanguageInfo, 5> kDesignerLanguages = {{
    {1, "English", "ZentHlp1.hlp", 0, "Files/wait_1.bmp"},
    {2, "German", "ZentHlp2.hlp", 0, "Files/wait_2.bmp"},
    {3, "Russian", "ZentHlp1.hlp", 204, "Files/wait_1.bmp"},
    {4, "Spain", "ZentHlp1.hlp", 0, "Files/wait_1.bmp"},
    {5, "Italian", "ZentHlp1.hlp", 0, ""},
}};

// nullptr for a number outside 1..5.
[[nodiscard]] const DesignerLanguageInfo* designerLanguage(int number);
// The code page of the designer's texts and item cells: 1251 for Russian.
[[nodiscard]] tarnic::Codepage designerCodepage(int number);
// "Files/lang_<n>.dat" relative to the program folder.
[[nodiscard]] std::filesystem::path languageFileOf(int number);

class LanguageTable {
public:
    LanguageTable() = default;
    LanguageTable(int number, tarnic::IniFile ini) : m_number(number), m_ini(std::move(ini)) {}
    // Loads the table of language n; a number outside 1..5 or a file that
    // cannot be read gives an empty table (every text at its default).
    [[nodiscard]] static LanguageTable load(const std::filesystem::path& programFolder, int number);

    [[nodiscard]] int number() const { return m_number; }
    // Any key of any section, with the defaults of the known keys: "Grid"
    // keys "not used", "TJP" "Jump Point", "TYES"/"SYES" "yes", "TNO"/"SNO" "no".
    [[nodiscard]] std::string text(std::string_view section, std::string_view key) const;
    [[nodiscard]] std::string message(std::string_view key) const { return text("Messages", key); }
    [[nodiscard]] std::string texts(std::string_view key) const { return text("Texts", key); }
    // "E<index>" of a caption section.
    [[nodiscard]] std::string caption(std::string_view section, int index) const;
    // "L<index>" of the section "L_<section>"; 0 = the platform's size.
    [[nodiscard]] int fontSize(std::string_view section, int index) const;
    // The help file named by "General"/"Help", else the language's default.
    [[nodiscard]] std::string helpFile() const;
    // Header texts G1..G16 and the TYES/TNO words.
    [[nodiscard]] LocalWords localWords() const;
    [[nodiscard]] const tarnic::IniFile& ini() const { return m_ini; }

private:
    int m_number = 0;
    tarnic::IniFile m_ini;
};

} // namespace vardeo
