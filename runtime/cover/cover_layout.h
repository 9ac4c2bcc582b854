#pragma once
// The printed CD cover without a window: the report elements with their
// places in millimetres, their styles (which the print dialog changes through
// the six styled elements) and the page built from the dialog's texts as a
// list of drawing primitives. Text here is UTF-8; colours are 0x00BBGGRR.

#include "shared/codepage.h"
#include "shared/colour.h"

#include <array>
#include <filesystem>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace vistel::cover {

inline constexpr double kPageWidth = 210.0;   // A4 portrait, mm
inline constexpr double kPageHeight = 297.0;
inline constexpr double kMargin = 10.0;
inline constexpr double kTitleBand = 10.6;
inline constexpr double kBandLeft = kMargin;              // detail band origin on the page
inline constexpr double kBandTop = kMargin + kTitleBand;  // 20.6
inline constexpr double kBandWidth = 190.0;
inline constexpr double kBandHeight = 251.4;

inline constexpr tarnic::Colour kBlack = 0x000000;
inline constexpr tarnic::Colour kWhite = 0xFFFFFF;
inline constexpr tarnic::Colour kNavy = 0x800000;

struct RectMm {
    double left = 0, top = 0, width = 0, height = 0;
};

struct Font {
    std::string face = "Arial";
    int size = 10; // points
    tarnic::Colour colour = kBlack;
};

enum class Align { Left, Centre, Right };

struct Primitive {
    enum class Kind { Rectangle, Text, Picture } kind = Kind::Rectangle;
    std::string name;   // the report element's name
    RectMm box;         // on the page, mm from its top-left corner
    // Rectangle.
    std::optional<tarnic::Colour> brush; // none: not filled
    tarnic::Colour pen = kBlack;
    // Text.
    std::string text;
    Font font;
    Align align = Align::Left;
    bool wordWrap = false;
    int rotation = 0;   // degrees counter-clockwise: 0, 90 or -90
    std::optional<tarnic::Colour> background;
    // Picture: a file, or the product logo drawn by the renderer.
    std::filesystem::path picture;
    bool productLogo = false;
    bool stretch = false;
};

// The element names of the styled element list (typesel), in its order.
inline constexpr int kStyledElementCount = 6;

struct ElementStyle {
    tarnic::Colour box = kWhite;
    tarnic::Colour frame = kWhite;
    bool boxEnabled = true; // false for the two text-only elements
    Font font;
};

// The report template's styles: fonts of the labels and the brush and pen of
// the boxes, as the print dialog left them.
class CoverStyles {
public:
    CoverStyles();
    [[nodiscard]] ElementStyle get(int element) const;
    // Applies all five chooser values at once (text-only elements take the font).
    void apply(int element, const ElementStyle& style);

    [[nodiscard]] const Font& font(const std::string& label) const { return m_fonts.at(label); }
    [[nodiscard]] tarnic::Colour brush(const std::string& shape) const { return m_brush.at(shape); }
    [[nodiscard]] tarnic::Colour pen(const std::string& shape) const { return m_pen.at(shape); }

private:
    std::map<std::string, Font> m_fonts;
    std::map<std::string, tarnic::Colour> m_brush, m_pen;
};

// What the print dialog hands to the page.
struct CoverContent {
    std::string cdName, cdNumber, cdDate;
    std::vector<std::string> contentLines;
    std::filesystem::path background, logo; // empty: none chosen
    int advertising = 0;                    // 0 prints the product logo
    std::string header = "content";        // [Cover] Cover_Header
};

// A chosen picture counts only while its file exists.
using FileExists = std::function<bool(const std::filesystem::path&)>;

// Every element of the page in drawing order, each placed as tabled.
[[nodiscard]] std::vector<Primitive> buildCoverPage(const CoverContent& content,
                                                    const CoverStyles& styles,
                                                    const FileExists& exists = {});

// The content list of the CD: per category "*** caption ***", a line of its
// item captions each followed by ";" (when it has items) and an empty line.
// Captions are decoded from the data set's code page.
[[nodiscard]] std::vector<std::string> buildContentList(const std::filesystem::path& genreFile,
                                                        const std::filesystem::path& membersFile,
                                                        tarnic::Codepage codepage);

// "12/2026": month without a leading zero, "/", the year.
[[nodiscard]] std::string coverDate(int year, int month);

// The content window's document title.
[[nodiscard]] std::string contentTitle(const std::string& cdName);

} // namespace vistel::cover
