#pragma once
// The designer's current UI language for the windows: the loaded table, its
// code page and the header and yes/no words of the previous language (a
// switch translates grid cells and headers from them). One instance serves
// every window of the run.

#include "designer/language/language_table.h"

#include <QString>

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace vardeo {

class UiLanguage final {
public:
    void setProgramFolder(std::filesystem::path folder) { m_programFolder = std::move(folder); }
    [[nodiscard]] const std::filesystem::path& programFolder() const { return m_programFolder; }

    // Reads the table of language n afresh; the words in use so far become
    // the previous words.
    void load(int number);
    [[nodiscard]] int number() const { return m_table.number(); }
    [[nodiscard]] const LanguageTable& table() const { return m_table; }
    [[nodiscard]] tarnic::Codepage codepage() const { return designerCodepage(m_table.number()); }
    [[nodiscard]] const LocalWords& words() const { return m_words; }
    [[nodiscard]] const LocalWords& previousWords() const { return m_previous; }

    [[nodiscard]] QString text(std::string_view section, std::string_view key) const;
    [[nodiscard]] QString message(std::string_view key) const { return text("Messages", key); }
    [[nodiscard]] QString texts(std::string_view key) const { return text("Texts", key); }
    [[nodiscard]] QString caption(std::string_view section, int index) const;

    // 8-bit bytes of the files and cells to text and back, in the language's
    // code page. encode gives nullopt when a character cannot be held.
    [[nodiscard]] QString decode(std::string_view bytes) const;
    [[nodiscard]] std::optional<std::string> encode(const QString& text) const;
    // The first character of text the code page cannot hold, or a null QChar.
    [[nodiscard]] QChar firstUnencodable(const QString& text) const;

private:
    std::filesystem::path m_programFolder;
    LanguageTable m_table;
    LocalWords m_words;
    LocalWords m_previous;
};

// The instance every window uses.
[[nodiscard]] UiLanguage& uiLanguage();

// A path as text, and back (native paths are UTF-8 on this platform).
[[nodiscard]] QString pathToQString(const std::filesystem::path& p);
[[nodiscard]] std::filesystem::path qstringToPath(const QString& s);

} // namespace vardeo
