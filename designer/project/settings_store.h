#pragma once
// The designer's own preferences, "vardeo.dat" in the program folder, section
// "settings". Every key is declared once in settingKeys(): its name, its
// written form, its default and the DesignerSettings member it fills. The
// table is in write order; reading takes each key's default when the key is
// missing or its value does not parse.

#include "designer/project/project_item.h"
#include "shared/colour.h"
#include "shared/ini_file.h"
#include "shared/result.h"

#include <array>
#include <filesystem>
#include <functional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace vardeo {

inline constexpr std::string_view kSettingsFileName = "vardeo.dat";
inline constexpr std::string_view kSettingsSection = "settings";
inline constexpr std::size_t kBandCount = 5;
inline constexpr std::size_t kGridColumns = 17; // fixed column 0 and the sixteen fields

struct DesignerSettings {
    bool onTop = false;
    std::string lastProject;   // written only when not empty (the caller clears a lost file)
    int language = 1;          // 1 English .. 5 Italian
    bool showWelcome = true;
    bool showAddTip = true;
    bool showBackground = true;
    int gridMode = 0;          // 0 None, 1 Column Move, 2 Quick Sort
    tarnic::Colour color1 = 0xC0C0C0; // clSilver
    tarnic::Colour color2 = 0xFFFFFF; // clWhite
    std::array<int, kBandCount> bandToolbar{1, 2, 3, 4, 5}; // tool bar number in band k
    std::array<bool, kBandCount> bandBreak{};
    std::array<int, kBandCount> bandWidth{10, 10, 10, 10, 10};
    std::array<bool, kBandCount> toolbarVisible{true, true, true, true, true}; // ToolBar1..5
    bool captionsChecked = true; // symboltitle_0
    int captions = 1;            // symboltitle
    bool pictureSizeEnabled = false; // symbolpics_e
    bool smallChecked = false;       // symbolpics_0
    bool largeChecked = true;        // symbolpics_1
    int pictureSize = 1;             // symbolpics: 0 small, 1 large
    int buttonLayout = 1;            // symbolheight: 0 captions, 1 large, 2 small
    int cdSizeBar = 0;               // pfstatus
    bool memberIconList = false;     // m_icon_li
    bool memberIconSmall = true;     // m_icon_si
    bool htmlBuild = false;          // buildstyle "html"
    std::array<bool, kGridColumns> columnHidden{};  // display column N (0 is never hidden)
    std::array<int, kGridColumns> columnWidth = filled(50);
    // Canonical field name shown in display column N (index N - 1).
    std::array<std::string, kFieldCount> columnFields = defaultColumnFields();
    int width = 635;
    int height = 460;
    bool maximised = false;

    [[nodiscard]] static std::array<std::string, kFieldCount> defaultColumnFields();
    friend bool operator==(const DesignerSettings&, const DesignerSettings&) = default;

private:
    static constexpr std::array<int, kGridColumns> filled(int v) {
        std::array<int, kGridColumns> a{};
        a.fill(v);
        return a;
    }
};

// How a key's value is written and read back.
enum class SettingKind {
    Bool,    // "1" / "0"; read as an integer, 0 false, anything else true
    Int,     // decimal
    Text,    // verbatim
    Colour,  // colour name or "$00BBGGRR"
    Word,    // one of two words; the second one (compared without case) means true
    Field,   // a canonical field name
};

struct SettingKey {
    using Target = std::variant<bool*, int*, std::string*>; // Colour is an int
    std::string key;
    SettingKind kind;
    std::string defaultText; // the value read when the key is missing or unreadable
    std::array<std::string_view, 2> words{}; // Word: false word, true word
    std::function<Target(DesignerSettings&)> target;
    // Null: always written.
    std::function<bool(const DesignerSettings&)> writeIf;
};

// Every key in write order.
[[nodiscard]] const std::vector<SettingKey>& settingKeys();

// Reads every key; then repairs what would lose a column or a tool bar: a
// band layout that is not one tool bar per band, or a column layout that
// does not name each field once, falls back to the default order.
[[nodiscard]] DesignerSettings readSettings(const tarnic::IniFile& ini);
void writeSettings(tarnic::IniFile& ini, const DesignerSettings& settings);

// A missing file gives the defaults.
[[nodiscard]] tarnic::Result<DesignerSettings> loadSettings(const std::filesystem::path& file);
// Updates the file's keys and keeps every other line of it.
[[nodiscard]] tarnic::Status saveSettings(const std::filesystem::path& file,
                                          const DesignerSettings& settings);

} // namespace vardeo
