#include "runtime/menu/design.h"

#include "runtime/menu/data_set.h"
#include "shared/text.h"

#include <optional>

namespace vistel {

using tarnic::Colour;
using tarnic::IniFile;

namespace {

class Reader {
public:
    Reader(const IniFile& f, const std::filesystem::path& name) : m_f(f), m_name(name) {}

    Colour colour(std::string_view section, const std::string& key, const char* def) {
        const std::string text = m_f.readString(section, key, def);
        if (auto c = tarnic::parseColour(text))
            return *c;
        if (!m_error)
            m_error = tarnic::Error{m_name, "the colour \"" + text + "\" of [" +
                                                std::string(section) + "] " + key +
                                                " is neither a colour name nor a number"};
        return *tarnic::parseColour(def);
    }

    FontSpec font(std::string_view section, const std::string& p, int defSize) {
        FontSpec f;
        f.face = m_f.readString(section, p + "_ffname", "Arial");
        f.file = m_f.readString(section, p + "_fname", "Arial.ttf");
        f.size = m_f.readInt(section, p + "_fs", defSize);
        f.colour = colour(section, p + "_fc", "clWhite");
        f.bold = m_f.readBool(section, p + "_fbold", false);
        f.italic = m_f.readBool(section, p + "_fitalic", false);
        f.underline = m_f.readBool(section, p + "_funderline", false);
        m_slots.push_back({p, f.face, f.file});
        return f;
    }

    ListStyle list(const std::string& p) {
        ListStyle s;
        s.font = font("Boxes", p, 9);
        s.iconBackground = colour("Boxes", p + "_c", "clWhite");
        return s;
    }

    EditStyle edit(const std::string& p) {
        EditStyle s;
        s.font = font("Edits", p, 9);
        s.background = colour("Edits", p + "_c", "clWhite");
        return s;
    }

    Text3DStyle text3d(const std::string& p) {
        Text3DStyle s;
        s.font = font("Fonts", p, 9);
        s.gradientEnd = colour("Fonts", p + "_fbc", "clWhite");
        s.gradient = m_f.readBool("Fonts", p + "_fgradient", false);
        s.gradientVertical = m_f.readInt("Fonts", p + "_fgradientd", 0) != 0;
        s.shadow = m_f.readBool("Fonts", p + "_fshadow", false);
        s.shadowHeight = m_f.readInt("Fonts", p + "_fshadowh", 0);
        s.shadowIntensity = m_f.readInt("Fonts", p + "_fshadoww", 0) & 0xFF;
        s.shadowDirection = m_f.readInt("Fonts", p + "_fshadowd", 0);
        return s;
    }

    HintStyle hint() {
        HintStyle s;
        s.font = font("Hint", "hint", 5);
        s.background = colour("Hint", "hint_bc", "clWhite");
        s.border = colour("Hint", "hint_boc", "clWhite");
        s.arrowBackground = colour("Hint", "hint_abc", "clWhite");
        s.arrow = colour("Hint", "hint_ac", "clWhite");
        return s;
    }

    const IniFile& m_f;
    const std::filesystem::path& m_name;
    std::vector<FontSlot> m_slots;
    std::optional<tarnic::Error> m_error;
};

} // namespace

tarnic::Result<Design> readDesign(const IniFile& f, const std::filesystem::path& name) {
    Reader r(f, name);
    Design d;
    d.language = f.readInt("Language", "Language", 0);
    d.style = f.readInt("Language", "Style", 0);
    d.splash.enabled = f.readBool("Splash", "enabled", false);
    d.splash.width = f.readInt("Splash", "width", 0);
    d.splash.height = f.readInt("Splash", "height", 0);
    d.splash.frameColour = r.colour("Splash", "fc", "clWhite");
    d.splash.frameWidth = f.readInt("Splash", "fw", 1);
    d.splash.delayMs = f.readInt("Splash", "d", 1000);
    for (std::size_t i = 0; i < 5; ++i)
        d.soundEnabled[i] =
            !f.readString("Sound", "Sound" + std::to_string(i + 1) + "alone", "").empty();
    // The slot order is the order fonts are installed in.
    d.boxc = r.list("boxc");
    d.boxf = r.list("boxf");
    d.boxs = r.list("boxs");
    d.editsd = r.edit("editsd");
    d.editcu = r.edit("editcu");
    d.editmkdir = r.edit("editmkdir");
    d.editpc = r.edit("editpc");
    d.fontcdname = r.text3d("fontcdname");
    d.fontcategory = r.text3d("fontcategory");
    d.fontfiles = r.text3d("fontfiles");
    d.fontdetails = r.text3d("fontdetails");
    d.fontdetailsHl = r.text3d("fontdetails_hl");
    d.fontdetailsText = r.text3d("fontdetails_text");
    d.fontprintDlg = r.text3d("fontprint_dlg");
    d.hint = r.hint();
    // Read for compatibility; the hint window takes its colours from hint_*.
    for (const char* key : {"ColorArrow", "ColorArrowBack", "ColorBackground", "ColorBorder",
                            "FontColor"})
        (void)f.readString("Hint", key, "");
    d.fontSlots = std::move(r.m_slots);
    if (r.m_error)
        return *r.m_error;
    return d;
}

tarnic::Result<Design> loadDesign(const std::filesystem::path& file) {
    auto f = IniFile::load(file);
    if (!f)
        return f.error();
    return readDesign(*f, file);
}

const std::vector<ButtonSpec>& mainButtons() {
    static const std::vector<ButtonSpec> k = {
        {"ausf", "exec", 5, 400, 75, 40, true},
        {"copybtn", "copy", 80, 400, 75, 40, true},
        {"zip", "unpack", 155, 400, 75, 40, true},
        {"browsebtn", "explorer", 230, 400, 75, 40, true},
        {"nfo", "scan", 305, 400, 75, 40, true},
        {"info", "info", 380, 400, 75, 40, true},
        {"about", "options", 480, 400, 75, 40, false},
        {"ende", "exit", 555, 400, 75, 40, false},
        {"minbtn", "minim", 605, 0, 30, 25, false},
        {"home_btn", "home", 4, 0, 25, 25, true},
        {"lup_btn", "lup", 29, 0, 25, 25, true},
        {"search_btn", "search", 225, 95, 30, 25, false},
    };
    return k;
}

} // namespace vistel
