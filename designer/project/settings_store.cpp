#include "settings_store.h"

#include "shared/text.h"

#include <algorithm>

namespace vardeo {
namespace {

using Target = SettingKey::Target;

std::string num(std::size_t n) { return std::to_string(n); }

SettingKey boolKey(std::string key, bool def, std::function<Target(DesignerSettings&)> t,
                   std::function<bool(const DesignerSettings&)> writeIf = {}) {
    return {std::move(key), SettingKind::Bool, def ? "1" : "0", {}, std::move(t), std::move(writeIf)};
}
SettingKey intKey(std::string key, int def, std::function<Target(DesignerSettings&)> t,
                  std::function<bool(const DesignerSettings&)> writeIf = {}) {
    return {std::move(key), SettingKind::Int, std::to_string(def), {}, std::move(t), std::move(writeIf)};
}
SettingKey wordKey(std::string key, std::string_view falseWord, std::string_view trueWord,
                   bool def, std::function<Target(DesignerSettings&)> t) {
    return {std::move(key), SettingKind::Word, std::string(def ? trueWord : falseWord),
            {falseWord, trueWord}, std::move(t), {}};
}
SettingKey colourKey(std::string key, std::string_view def, std::function<Target(DesignerSettings&)> t) {
    return {std::move(key), SettingKind::Colour, std::string(def), {}, std::move(t), {}};
}

std::vector<SettingKey> buildTable() {
    std::vector<SettingKey> t;
    t.push_back(wordKey("ontop", "false", "true", false, [](auto& s) { return Target(&s.onTop); }));
    t.push_back({"last_proj", SettingKind::Text, "", {}, [](auto& s) { return Target(&s.lastProject); },
                 [](const DesignerSettings& s) { return !s.lastProject.empty(); }});
    t.push_back(intKey("language", 1, [](auto& s) { return Target(&s.language); }));
    t.push_back(wordKey("show_welcome", "FALSE", "TRUE", true, [](auto& s) { return Target(&s.showWelcome); }));
    t.push_back(wordKey("show_ft", "FALSE", "TRUE", true, [](auto& s) { return Target(&s.showAddTip); }));
    t.push_back(wordKey("show_back", "FALSE", "TRUE", true, [](auto& s) { return Target(&s.showBackground); }));
    for (std::size_t n = 1; n < kGridColumns; ++n) {
        t.push_back(wordKey("state_grid_" + num(n), "visible", "hidden", false,
                            [n](auto& s) { return Target(&s.columnHidden[n]); }));
        // A hidden column keeps the width stored when it was last shown.
        t.push_back(intKey("grid_" + num(n), 50, [n](auto& s) { return Target(&s.columnWidth[n]); },
                           [n](const DesignerSettings& s) { return !s.columnHidden[n]; }));
    }
    for (std::size_t n = 1; n < kGridColumns; ++n)
        t.push_back({"celld_" + num(n), SettingKind::Field, std::string(kCanonicalFieldNames[n - 1]), {},
                     [n](auto& s) { return Target(&s.columnFields[n - 1]); }, {}});
    t.push_back(intKey("grid_mode", 0, [](auto& s) { return Target(&s.gridMode); }));
    t.push_back(wordKey("wstate", "wsNormal", "wsMaximized", false, [](auto& s) { return Target(&s.maximised); }));
    // A maximised window keeps the normal size of an earlier exit.
    const auto normal = [](const DesignerSettings& s) { return !s.maximised; };
    t.push_back(intKey("wwidth", 635, [](auto& s) { return Target(&s.width); }, normal));
    t.push_back(intKey("wheigth", 460, [](auto& s) { return Target(&s.height); }, normal));
    t.push_back(colourKey("Color1", "clSilver", [](auto& s) { return Target(&s.color1); }));
    t.push_back(colourKey("Color2", "clWhite", [](auto& s) { return Target(&s.color2); }));
    for (std::size_t k = 0; k < kBandCount; ++k)
        t.push_back(intKey("band" + num(k) + "c", static_cast<int>(k) + 1,
                           [k](auto& s) { return Target(&s.bandToolbar[k]); }));
    for (std::size_t k = 0; k < kBandCount; ++k)
        t.push_back(boolKey("band" + num(k), false, [k](auto& s) { return Target(&s.bandBreak[k]); }));
    for (std::size_t k = 0; k < kBandCount; ++k)
        t.push_back(intKey("band" + num(k) + "w", 10, [k](auto& s) { return Target(&s.bandWidth[k]); }));
    for (std::size_t k = 0; k < kBandCount; ++k)
        t.push_back(boolKey("tb" + num(k + 1) + "_v", true, [k](auto& s) { return Target(&s.toolbarVisible[k]); }));
    t.push_back(boolKey("symboltitle_0", true, [](auto& s) { return Target(&s.captionsChecked); }));
    t.push_back(intKey("symboltitle", 1, [](auto& s) { return Target(&s.captions); }));
    t.push_back(boolKey("symbolpics_e", false, [](auto& s) { return Target(&s.pictureSizeEnabled); }));
    t.push_back(boolKey("symbolpics_0", false, [](auto& s) { return Target(&s.smallChecked); }));
    t.push_back(boolKey("symbolpics_1", true, [](auto& s) { return Target(&s.largeChecked); }));
    t.push_back(intKey("symbolpics", 1, [](auto& s) { return Target(&s.pictureSize); }));
    t.push_back(intKey("symbolheight", 1, [](auto& s) { return Target(&s.buttonLayout); }));
    t.push_back(intKey("pfstatus", 0, [](auto& s) { return Target(&s.cdSizeBar); }));
    t.push_back(boolKey("m_icon_li", false, [](auto& s) { return Target(&s.memberIconList); }));
    t.push_back(boolKey("m_icon_si", true, [](auto& s) { return Target(&s.memberIconSmall); }));
    t.push_back(wordKey("buildstyle", "classic", "html", false, [](auto& s) { return Target(&s.htmlBuild); }));
    // grid_0 is read (the fixed column's width) but never written.
    t.push_back(intKey("grid_0", 50, [](auto& s) { return Target(&s.columnWidth[0]); },
                       [](const DesignerSettings&) { return false; }));
    return t;
}

std::string writtenForm(const SettingKey& key, DesignerSettings& s) {
    const Target target = key.target(s);
    switch (key.kind) {
    case SettingKind::Bool: return *std::get<bool*>(target) ? "1" : "0";
    case SettingKind::Int: return std::to_string(*std::get<int*>(target));
    case SettingKind::Text:
    case SettingKind::Field: return *std::get<std::string*>(target);
    case SettingKind::Colour: return tarnic::colourToText(*std::get<int*>(target));
    case SettingKind::Word: return std::string(key.words[*std::get<bool*>(target) ? 1 : 0]);
    }
    return {};
}

// False when the text is not a value of the key's kind.
bool assign(const SettingKey& key, DesignerSettings& s, std::string_view text) {
    const Target target = key.target(s);
    switch (key.kind) {
    case SettingKind::Bool:
    case SettingKind::Int: {
        const auto v = tarnic::parseInteger(text);
        if (!v)
            return false;
        if (key.kind == SettingKind::Bool)
            *std::get<bool*>(target) = *v != 0;
        else
            *std::get<int*>(target) = *v;
        return true;
    }
    case SettingKind::Text: *std::get<std::string*>(target) = std::string(text); return true;
    case SettingKind::Field:
        for (std::string_view name : kCanonicalFieldNames)
            if (tarnic::iequals(name, text)) {
                *std::get<std::string*>(target) = std::string(name);
                return true;
            }
        *std::get<std::string*>(target) = std::string(); // no valid header: repaired below
        return true;
    case SettingKind::Colour: {
        const auto c = tarnic::parseColour(text);
        if (!c)
            return false;
        *std::get<int*>(target) = *c;
        return true;
    }
    case SettingKind::Word: *std::get<bool*>(target) = tarnic::iequals(text, key.words[1]); return true;
    }
    return false;
}

template <typename T, std::size_t N>
bool isPermutation(std::array<T, N> values, std::array<T, N> reference) {
    std::sort(values.begin(), values.end());
    std::sort(reference.begin(), reference.end());
    return values == reference;
}

} // namespace

std::array<std::string, kFieldCount> DesignerSettings::defaultColumnFields() {
    std::array<std::string, kFieldCount> a;
    for (std::size_t i = 0; i < kFieldCount; ++i)
        a[i] = std::string(kCanonicalFieldNames[i]);
    return a;
}

const std::vector<SettingKey>& settingKeys() {
    static const std::vector<SettingKey> table = buildTable();
    return table;
}

DesignerSettings readSettings(const tarnic::IniFile& ini) {
    DesignerSettings s;
    for (const SettingKey& key : settingKeys()) {
        const auto value = ini.value(kSettingsSection, key.key);
        if (!value || !assign(key, s, *value))
            (void)assign(key, s, key.defaultText);
    }
    if (s.gridMode < 0 || s.gridMode > 2)
        s.gridMode = 0;
    // Two bands naming one tool bar would lose the other tool bar.
    if (!isPermutation(s.bandToolbar, DesignerSettings{}.bandToolbar))
        s.bandToolbar = DesignerSettings{}.bandToolbar;
    // A layout that loses a field would leave that field without a column.
    if (!isPermutation(s.columnFields, DesignerSettings::defaultColumnFields()))
        s.columnFields = DesignerSettings::defaultColumnFields();
    s.columnHidden[0] = false;
    return s;
}

void writeSettings(tarnic::IniFile& ini, const DesignerSettings& settings) {
    DesignerSettings s = settings; // the table's targets are mutable pointers
    for (const SettingKey& key : settingKeys())
        if (!key.writeIf || key.writeIf(s))
            ini.writeString(kSettingsSection, key.key, writtenForm(key, s));
}

tarnic::Result<DesignerSettings> loadSettings(const std::filesystem::path& file) {
    auto ini = tarnic::IniFile::load(file);
    if (!ini)
        return ini.error();
    return readSettings(*ini);
}

tarnic::Status saveSettings(const std::filesystem::path& file, const DesignerSettings& settings) {
    auto ini = tarnic::IniFile::load(file);
    if (!ini)
        return ini.error();
    writeSettings(*ini, settings);
    return ini->save(file);
}

} // namespace vardeo
