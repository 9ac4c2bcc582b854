#pragma once
// The two designs the program folder ships: their colours and the places of
// the buttons on the fixed 635 x 445 window and the dialogs. The generator
// draws every button over the background it sits on, so rounded corners
// blend into the window.

#include "data/menu/output.h"
#include "data/menu/pictograms.h"

#include <QColor>
#include <QImage>
#include <QRect>
#include <string>
#include <vector>

namespace datagen {

struct ButtonLook {
    QColor faceTop, faceBottom, border, ink;
};

struct Theme {
    std::string folder;             // "Skins/_default"
    QColor windowTop, windowBottom; // window background gradient
    QColor barTop, barBottom;       // title bar and button bar
    QColor barLine;                 // line under the title bar, over the button bar
    QColor card, cardBorder;        // panels behind lists and details
    QColor listTop, listBottom;     // list wallpapers
    QColor rowLine;                 // faint row guides in the item list
    QColor accent;
    QColor headingLine;          // short accent line under the headings
    QColor fieldBg, fieldBorder; // edit fields drawn into dialog backgrounds
    QColor splashTop, splashBottom, splashInk;
    QColor barText, headText, bodyText, linkText, pageBg; // style sheet of the HTML menu
    ButtonLook normal, hover, pressed, disabled;
    ButtonLook ghostNormal, ghostHover, ghostPressed, ghostDisabled; // on the title bar
};

[[nodiscard]] const Theme& lightTheme();
[[nodiscard]] const Theme& darkTheme();

enum class ButtonKind { Raised, Ghost };

struct ButtonPlace {
    std::string prefix; // file stem; pictures prefix_0 .. prefix_3
    Glyph glyph;
    QRect rect; // on its window's background
    ButtonKind kind;
};

// The buttons of each window at their places.
[[nodiscard]] std::vector<ButtonPlace> mainWindowButtons();

// Draws the four states of a button over the background crop at its place.
[[nodiscard]] QImage drawButton(const Theme& theme, const QImage& background,
                                const ButtonPlace& place, int state);
// Writes prefix_0.jpg .. prefix_3.jpg.
void writeButton(const Output& out, const Theme& theme, const QImage& background,
                 const ButtonPlace& place);

// Backgrounds, wallpapers, splash, every button picture and the style sheet.
void writeSkin(const Output& out, const Theme& theme);

} // namespace datagen
