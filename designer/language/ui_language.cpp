#include "ui_language.h"

namespace vardeo {

void UiLanguage::load(int number) {
    m_previous = m_words;
    m_table = LanguageTable::load(m_programFolder, number);
    m_words = m_table.localWords();
}

QString UiLanguage::text(std::string_view section, std::string_view key) const {
    return decode(m_table.text(section, key));
}

QString UiLanguage::caption(std::string_view section, int index) const {
    return decode(m_table.caption(section, index));
}

QString UiLanguage::decode(std::string_view bytes) const {
    const std::u16string s = tarnic::decode(codepage(), bytes);
    return QString::fromUtf16(s.data(), static_cast<qsizetype>(s.size()));
}

std::optional<std::string> UiLanguage::encode(const QString& text) const {
    return tarnic::encode(codepage(), std::u16string_view(reinterpret_cast<const char16_t*>(text.utf16()),
                                                          static_cast<std::size_t>(text.size())));
}

QChar UiLanguage::firstUnencodable(const QString& text) const {
    const auto c = tarnic::firstUnencodable(
        codepage(), std::u16string_view(reinterpret_cast<const char16_t*>(text.utf16()),
                                        static_cast<std::size_t>(text.size())));
    return c ? QChar(*c) : QChar();
}

UiLanguage& uiLanguage() {
    static UiLanguage instance;
    return instance;
}

QString pathToQString(const std::filesystem::path& p) { return QString::fromStdString(p.string()); }
std::filesystem::path qstringToPath(const QString& s) { return std::filesystem::path(s.toStdString()); }

} // namespace vardeo
