#include "language_table.h"

#include "shared/paths.h"
#include "shared/text.h"

namespace vardeo {

const DesignerLanguageInfo* designerLanguage(int number) {
    for (const auto& info : kDesignerLanguages)
        if (info.number == number)
            return &info;
    return nullptr;
}

tarnic::Codepage designerCodepage(int number) {
    const DesignerLanguageInfo* info = designerLanguage(number);
    return info && info->charset == 204 ? tarnic::Codepage::Windows1251 : tarnic::Codepage::Windows1252;
}

std::filesystem::path languageFileOf(int number) {
    return std::filesystem::path("Files") / ("lang_" + std::to_string(number) + ".dat");
}

LanguageTable LanguageTable::load(const std::filesystem::path& programFolder, int number) {
    if (!designerLanguage(number))
        return LanguageTable(number, {});
    const auto file = tarnic::findCaseInsensitive(programFolder, languageFileOf(number).string());
    if (!file)
        return LanguageTable(number, {});
    auto ini = tarnic::IniFile::load(*file);
    return LanguageTable(number, ini ? std::move(*ini) : tarnic::IniFile());
}

std::string LanguageTable::text(std::string_view section, std::string_view key) const {
    std::string_view def;
    if (tarnic::iequals(section, "Grid"))
        def = "not used";
    else if (tarnic::iequals(section, "Texts")) {
        if (tarnic::iequals(key, "TJP"))
            def = kDefaultJumpPointMarker;
        else if (tarnic::iequals(key, "TYES") || tarnic::iequals(key, "SYES"))
            def = "yes";
        else if (tarnic::iequals(key, "TNO") || tarnic::iequals(key, "SNO"))
            def = "no";
    }
    return m_ini.readString(section, key, def);
}

std::string LanguageTable::caption(std::string_view section, int index) const {
    return text(section, "E" + std::to_string(index));
}

int LanguageTable::fontSize(std::string_view section, int index) const {
    return m_ini.readInt("L_" + std::string(section), "L" + std::to_string(index), 0);
}

std::string LanguageTable::helpFile() const {
    const DesignerLanguageInfo* info = designerLanguage(m_number);
    return m_ini.readString("General", "Help", info ? info->defaultHelp : "ZentHlp1.hlp");
}

LocalWords LanguageTable::localWords() const {
    LocalWords w;
    w.yes = texts("TYES");
    w.no = texts("TNO");
    for (std::size_t i = 0; i < kFieldCount; ++i)
        w.headers[i] = text("Grid", kHeaderKeys[i]);
    return w;
}

} // namespace vardeo
