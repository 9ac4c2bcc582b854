#include "runtime/cover/cover_layout.h"

#include "shared/ini_file.h"

#include <utility>

namespace vistel::cover {

namespace {

// Band-relative places of the report elements.
struct Place {
    const char* name;
    RectMm box;
};

RectMm onPage(RectMm band) {
    band.left += kBandLeft;
    band.top += kBandTop;
    return band;
}

Primitive rectangle(const char* name, RectMm box, std::optional<tarnic::Colour> brush,
                    tarnic::Colour pen) {
    Primitive p;
    p.kind = Primitive::Kind::Rectangle;
    p.name = name;
    p.box = onPage(box);
    p.brush = brush;
    p.pen = pen;
    return p;
}

Primitive text(const char* name, RectMm box, std::string content, Font font, Align align,
               bool wrap, int rotation, std::optional<tarnic::Colour> background) {
    Primitive p;
    p.kind = Primitive::Kind::Text;
    p.name = name;
    p.box = onPage(box);
    p.text = std::move(content);
    p.font = std::move(font);
    p.align = align;
    p.wordWrap = wrap;
    p.rotation = rotation;
    p.background = background;
    return p;
}

Primitive picture(const char* name, RectMm box, std::filesystem::path file, bool stretch) {
    Primitive p;
    p.kind = Primitive::Kind::Picture;
    p.name = name;
    p.box = onPage(box);
    p.picture = std::move(file);
    p.stretch = stretch;
    return p;
}

} // namespace

CoverStyles::CoverStyles() {
    m_fonts["ct"] = {"Arial Black", 28, kWhite};
    m_fonts["cnr"] = {"Arial Black", 18, kWhite};
    m_fonts["cd"] = {"Arial Black", 14, kWhite};
    m_fonts["INNRR"] = {"Arial", 10, kWhite};
    m_fonts["INNRL"] = {"Arial", 10, kWhite};
    m_fonts["br"] = {"Arial", 10, kBlack};
    m_fonts["bl"] = {"Arial", 10, kBlack};
    m_fonts["bheader"] = {"Arial Black", 14, kNavy};
    m_fonts["QRMemo1"] = {"Arial", 8, kBlack};
    for (const char* s : {"QRShape1", "QRShape2", "QRShape3", "QRShape4"}) {
        m_brush[s] = kWhite;
        m_pen[s] = kBlack;
    }
    m_brush["cds"] = kBlack;
    m_pen["cds"] = kBlack;
    m_brush["cts"] = kBlack;
    m_pen["cts"] = kNavy;
    for (const char* s : {"cnrs", "inrr", "inrl"}) {
        m_brush[s] = kNavy;
        m_pen[s] = kNavy;
    }
}

namespace {
struct StyledParts {
    const char* label; // whose font the choosers show
    const char* shape; // whose brush and pen they show (nullptr: none)
};
constexpr std::array<StyledParts, kStyledElementCount> kStyled{{
    {"ct", "cts"}, {"cnr", "cnrs"}, {"cd", "cds"}, {"br", "QRShape3"}, {"bheader", nullptr},
    {"QRMemo1", nullptr}}};
} // namespace

ElementStyle CoverStyles::get(int element) const {
    ElementStyle s;
    if (element < 0 || element >= kStyledElementCount)
        return s;
    const StyledParts& parts = kStyled[static_cast<std::size_t>(element)];
    s.font = m_fonts.at(parts.label);
    if (parts.shape) {
        s.box = m_brush.at(parts.shape);
        s.frame = m_pen.at(parts.shape);
    } else {
        s.boxEnabled = false;
    }
    return s;
}

void CoverStyles::apply(int element, const ElementStyle& s) {
    const auto box = [&](const char* shape) {
        m_brush[shape] = s.box;
        m_pen[shape] = s.frame;
    };
    switch (element) {
    case 0:
        m_fonts["ct"] = s.font;
        box("cts");
        break;
    case 1:
        m_fonts["cnr"] = s.font;
        // The spine numbers follow the front number's colour and size; their
        // face belongs to the spines' style.
        for (const char* spine : {"INNRR", "INNRL"}) {
            m_fonts[spine].colour = s.font.colour;
            m_fonts[spine].size = s.font.size;
        }
        box("cnrs");
        box("inrr");
        box("inrl");
        break;
    case 2:
        m_fonts["cd"] = s.font;
        box("cds");
        break;
    case 3:
        m_fonts["br"] = s.font;
        m_fonts["bl"] = s.font;
        for (const char* spine : {"INNRR", "INNRL"}) {
            m_fonts[spine].face = s.font.face;
            m_fonts[spine].size = s.font.size;
        }
        box("QRShape3");
        box("QRShape4");
        break;
    case 4: m_fonts["bheader"] = s.font; break;
    case 5: m_fonts["QRMemo1"] = s.font; break;
    default: break;
    }
}

std::vector<Primitive> buildCoverPage(const CoverContent& c, const CoverStyles& st,
                                      const FileExists& exists) {
    const auto chosen = [&](const std::filesystem::path& f) {
        if (f.empty())
            return false;
        if (exists)
            return exists(f);
        std::error_code ec;
        return std::filesystem::is_regular_file(f, ec);
    };
    std::string memo;
    for (std::size_t i = 0; i < c.contentLines.size(); ++i) {
        if (i)
            memo += '\n';
        memo += c.contentLines[i];
    }
    const auto shape = [&](const char* name, RectMm box) {
        return rectangle(name, box, st.brush(name), st.pen(name));
    };

    std::vector<Primitive> page;
    // Front cover.
    page.push_back(shape("QRShape1", {2.1, 4.2, 121.2, 120.7}));
    if (chosen(c.background))
        page.push_back(picture("cb", {2.4, 4.8, 120.7, 119.9}, c.background, true));
    page.push_back(shape("cds", {2.1, 4.2, 25.7, 10.1}));
    page.push_back(text("cd", {2.9, 5.3, 24.9, 8.7}, c.cdDate, st.font("cd"), Align::Left, true, 0, {}));
    if (c.advertising == 0) {
        Primitive logo = picture("QRImage1", {74.1, 6.3, 47.4, 15.1}, {}, false);
        logo.productLogo = true;
        page.push_back(logo);
    }
    page.push_back(shape("cts", {2.4, 50.8, 99.7, 17.2}));
    page.push_back(text("ct", {2.9, 52.7, 118.0, 14.0}, c.cdName, st.font("ct"), Align::Left, true, 0, {}));
    if (chosen(c.logo))
        page.push_back(picture("cl", {4.2, 95.0, 27.8, 28.3}, c.logo, false));
    page.push_back(shape("cnrs", {97.4, 112.7, 25.9, 12.2}));
    page.push_back(text("cnr", {97.4, 114.0, 25.7, 11.1}, c.cdNumber, st.font("cnr"), Align::Centre, true, 0, {}));

    // Back inlay with its two spines.
    page.push_back(shape("QRShape2", {2.1, 127.0, 151.1, 116.9}));
    page.push_back(shape("QRShape3", {2.1, 127.0, 7.1, 116.9}));
    page.push_back(shape("QRShape4", {146.6, 127.0, 7.1, 116.9}));
    page.push_back(shape("inrr", {2.1, 127.0, 7.1, 17.2}));
    page.push_back(text("INNRR", {3.2, 128.3, 5.0, 14.3}, c.cdNumber, st.font("INNRR"), Align::Right, false, 90, {}));
    page.push_back(shape("inrl", {146.6, 226.5, 7.1, 17.2}));
    page.push_back(text("INNRL", {147.6, 228.1, 5.0, 14.3}, c.cdNumber, st.font("INNRL"), Align::Right, false, -90, {}));
    page.push_back(text("br", {3.2, 148.2, 5.0, 94.2}, c.cdName, st.font("br"), Align::Left, false, 90, kWhite));
    page.push_back(text("bl", {147.4, 129.1, 5.0, 94.2}, c.cdName, st.font("bl"), Align::Left, false, -90, kWhite));
    page.push_back(text("bheader", {10.6, 127.5, 133.6, 7.4}, c.header.empty() ? "content" : c.header,
                        st.font("bheader"), Align::Centre, false, 0, kWhite));
    page.push_back(text("QRMemo1", {10.6, 134.4, 133.6, 108.2}, memo, st.font("QRMemo1"), Align::Centre, true, 0, kWhite));
    page.push_back(text("br1", {24.9, 230.5, 5.0, 4.8}, "D", Font{"tarnic_sym", 12, kBlack}, Align::Left, false, 0, kWhite));
    return page;
}

std::vector<std::string> buildContentList(const std::filesystem::path& genreFile,
                                          const std::filesystem::path& membersFile,
                                          tarnic::Codepage cp) {
    const auto load = [](const std::filesystem::path& f) {
        auto r = tarnic::IniFile::load(f);
        return r ? std::move(r).value() : tarnic::IniFile();
    };
    const tarnic::IniFile genre = load(genreFile);
    const tarnic::IniFile members = load(membersFile);
    std::vector<std::string> lines;
    const int count = genre.readInt("general", "anz_items", 0);
    for (int c = 0; c < count; ++c) {
        const std::string s = std::to_string(c);
        lines.push_back("*** " + tarnic::decodeToUtf8(cp, genre.readString(s, "caption", "***")) + " ***");
        const int items = members.readInt(s, "anz_items", 0);
        if (items > 0) {
            std::string line;
            for (int i = 0; i < items; ++i)
                line += tarnic::decodeToUtf8(
                            cp, members.readString(s + "-" + std::to_string(i), "caption", "Fehler")) +
                        ";";
            lines.push_back(line);
        }
        lines.emplace_back();
    }
    return lines;
}

std::string coverDate(int year, int month) { return std::to_string(month) + "/" + std::to_string(year); }

std::string contentTitle(const std::string& cdName) { return "- content of " + cdName + " -"; }

} // namespace vistel::cover
