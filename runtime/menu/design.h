#pragma once
// The design file (cfg/skin.cfg): fonts, colours, 3D text effects, hint
// window, splash and sound switches, with the defaults of the menu. Pictures
// live in the skin folder under the fixed names below.

#include "shared/colour.h"
#include "shared/ini_file.h"
#include "shared/result.h"

#include <array>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace vistel {

struct FontSpec {
    std::string face = "Arial";
    std::string file = "Arial.ttf";
    int size = 9;
    tarnic::Colour colour = 0xFFFFFF; // clWhite
    bool bold = false, italic = false, underline = false;
};

struct ListStyle {   // [Boxes] boxc, boxf, boxs
    FontSpec font;
    tarnic::Colour iconBackground = 0xFFFFFF;
};

struct EditStyle {   // [Edits] editsd, editcu, editmkdir, editpc
    FontSpec font;
    tarnic::Colour background = 0xFFFFFF;
};

struct Text3DStyle { // [Fonts] fontcdname ...
    FontSpec font;
    tarnic::Colour gradientEnd = 0xFFFFFF;
    bool gradient = false;
    bool gradientVertical = false;
    bool shadow = false;
    int shadowHeight = 0;
    int shadowIntensity = 0; // 0..255, the low byte of the value
    int shadowDirection = 0; // degrees
};

struct HintStyle {   // [Hint] hint_*
    FontSpec font;   // size defaults to 5
    tarnic::Colour background = 0xFFFFFF, border = 0xFFFFFF, arrowBackground = 0xFFFFFF,
                   arrow = 0xFFFFFF;
};

struct SplashSettings {
    bool enabled = false;
    int width = 0, height = 0;
    tarnic::Colour frameColour = 0xFFFFFF;
    int frameWidth = 1;
    int delayMs = 1000;
};

// A font a slot may bring along: installed for the run when its face is not
// among the desktop's fonts.
struct FontSlot {
    std::string slot;
    std::string face;
    std::string file; // in the data folder
};

struct Design {
    int language = 0;
    int style = 0;
    SplashSettings splash;
    std::array<bool, 5> soundEnabled{};
    ListStyle boxc, boxf, boxs;
    EditStyle editsd, editcu, editmkdir, editpc;
    Text3DStyle fontcdname, fontcategory, fontfiles, fontdetails, fontdetailsHl, fontdetailsText,
        fontprintDlg;
    HintStyle hint;
    std::vector<FontSlot> fontSlots; // the fifteen slots in their fixed order
};

// A colour that is neither a name nor a number is an error naming the file,
// the key and the value; every missing key takes its default.
[[nodiscard]] tarnic::Result<Design> readDesign(const tarnic::IniFile& file,
                                                const std::filesystem::path& name);
[[nodiscard]] tarnic::Result<Design> loadDesign(const std::filesystem::path& file);

// Fixed picture names of the skin folder.
namespace skinfile {
inline constexpr const char* kBackground = "skin.jpg";
inline constexpr const char* kBackgroundFull = "skin_full.jpg";
inline constexpr const char* kCategoryWall = "top.bmp";
inline constexpr const char* kItemWall = "left.bmp";
inline constexpr const char* kSplash = "splash.bmp";
inline constexpr const char* kThumbBackground = "prev_box.jpg";
inline constexpr const char* kDetailsOpen = "btn_right.jpg";
inline constexpr const char* kDetailsClosed = "btn_left.jpg";
inline constexpr const char* kThumbOff = "btn_down.jpg";
inline constexpr const char* kThumbOn = "btn_up.jpg";
inline constexpr const char* kIcon = "vistel.ico";
inline constexpr const char* kMusic = "skin.mp3";
} // namespace skinfile

// The image buttons of the main window: widget name, picture prefix, place
// and whether the button can be disabled (has a _3 picture).
struct ButtonSpec {
    const char* name;
    const char* prefix;
    int left, top, width, height;
    bool hasDisabled;
};
[[nodiscard]] const std::vector<ButtonSpec>& mainButtons();

} // namespace vistel
