#include "data/menu/gif_writer.h"
#include "data/menu/skin_theme.h"

#include <QFont>
#include <QLinearGradient>
#include <QPainter>
#include <QRadialGradient>

namespace datagen {

namespace {

constexpr int kWidth = 635;
constexpr int kHeight = 445;
constexpr int kTitleBar = 27;
constexpr int kButtonBar = 392;

void fillGradient(QPainter& p, const QRectF& r, const QColor& top, const QColor& bottom) {
    QLinearGradient g(r.topLeft(), r.bottomLeft());
    g.setColorAt(0, top);
    g.setColorAt(1, bottom);
    p.fillRect(r, g);
}

void card(QPainter& p, const Theme& t, const QRectF& r, double radius = 6) {
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 22));
    p.drawRoundedRect(r.translated(0, 1.5), radius, radius);
    p.setBrush(t.card);
    p.setPen(QPen(t.cardBorder, 1));
    p.drawRoundedRect(r.adjusted(0.5, 0.5, -0.5, -0.5), radius, radius);
}

void field(QPainter& p, const Theme& t, const QRectF& r) {
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setBrush(t.fieldBg);
    p.setPen(QPen(t.fieldBorder, 1));
    p.drawRoundedRect(r.adjusted(0.5, 0.5, -0.5, -0.5), 3, 3);
}

void headingMark(QPainter& p, const Theme& t, double x, double y) {
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setPen(Qt::NoPen);
    p.setBrush(t.headingLine);
    p.drawRoundedRect(QRectF(x, y, 28, 2.5), 1.2, 1.2);
}

QImage blank(int w, int h) {
    QImage image(w, h, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::black);
    return image;
}

// A dialog without a title bar: gradient, a thin accent stripe on top and a frame.
QImage dialogBase(const Theme& t, int w, int h) {
    QImage image = blank(w, h);
    QPainter p(&image);
    fillGradient(p, image.rect(), t.windowTop, t.windowBottom);
    p.fillRect(QRect(0, 0, w, 3), t.accent);
    p.setPen(QPen(t.cardBorder, 1));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(0.5, 0.5, w - 1, h - 1));
    return image;
}

QImage mainBackground(const Theme& t, bool detailsOpen) {
    QImage image = blank(kWidth, kHeight);
    QPainter p(&image);
    fillGradient(p, image.rect(), t.windowTop, t.windowBottom);
    fillGradient(p, QRectF(0, 0, kWidth, kTitleBar), t.barTop, t.barBottom);
    p.fillRect(QRectF(0, kTitleBar, kWidth, 1), t.barLine);

    card(p, t, QRectF(6, 30, 623, 64)); // category list 10,33 615 x 57
    headingMark(p, t, 8, 123);
    if (detailsOpen) {
        card(p, t, QRectF(6, 126, 243, 262));   // item list 10,129 235 x 255
        card(p, t, QRectF(266, 126, 363, 262)); // details panel
        headingMark(p, t, 275, 123);
    } else {
        card(p, t, QRectF(6, 126, 623, 262));
    }

    fillGradient(p, QRectF(0, kButtonBar, kWidth, kHeight - kButtonBar), t.windowBottom.darker(104),
                 t.windowBottom.darker(112));
    p.fillRect(QRectF(0, kButtonBar, kWidth, 1), t.cardBorder);
    // Groups of the button bar: item actions | menu.
    p.fillRect(QRectF(467, kButtonBar + 10, 1, 30), t.cardBorder);
    return image;
}

QImage wallpaper(const Theme& t, int w, int h, bool watermark) {
    QImage image = blank(w, h);
    QPainter p(&image);
    fillGradient(p, image.rect(), t.listTop, t.listBottom);
    if (watermark) {
        QColor ink = t.accent;
        ink.setAlpha(14);
        drawGlyph(p, Glyph::Disc, QRectF(w - 150, h - 150, 170, 170), ink, t.listBottom);
    }
    return image;
}

QImage splash(const Theme& t) {
    QImage image = blank(400, 250);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing, true);
    fillGradient(p, image.rect(), t.splashTop, t.splashBottom);
    QColor ring = t.splashInk;
    for (int i = 0; i < 5; ++i) {
        ring.setAlpha(18 + i * 6);
        p.setPen(QPen(ring, 1.2));
        p.setBrush(Qt::NoBrush);
        p.drawEllipse(QPointF(110, 125), 70 + i * 16, 70 + i * 16);
    }
    drawGlyph(p, Glyph::Disc, QRectF(50, 65, 120, 120), t.splashInk, t.splashBottom);
    QFont big(QStringLiteral("DejaVu Sans"));
    big.setPixelSize(30);
    big.setBold(true);
    p.setFont(big);
    p.setPen(t.splashInk);
    p.drawText(QRectF(190, 88, 200, 40), Qt::AlignLeft | Qt::AlignVCenter,
               QStringLiteral("Tarnic"));
    QFont small(QStringLiteral("DejaVu Sans"));
    small.setPixelSize(15);
    p.setFont(small);
    QColor soft = t.splashInk;
    soft.setAlpha(200);
    p.setPen(soft);
    p.drawText(QRectF(191, 126, 200, 24), Qt::AlignLeft | Qt::AlignVCenter,
               QStringLiteral("Vardeo CD Menu"));
    return image;
}

QImage searchBackground(const Theme& t) {
    QImage image = dialogBase(t, 225, 315);
    QPainter p(&image);
    field(p, t, QRectF(14, 13, 115, 22));    // Edit1 (16, 15) 111 x 18
    card(p, t, QRectF(13, 43, 199, 230), 4); // members (16, 46) 193 x 224
    return image;
}

QImage copyBackground(const Theme& t) {
    QImage image = dialogBase(t, 295, 220);
    QPainter p(&image);
    card(p, t, QRectF(20, 19, 169, 145), 4); // drive box and folder list
    field(p, t, QRectF(22, 182, 247, 14));   // progress bar (24, 184) 243 x 10
    return image;
}

QImage newFolderBackground(const Theme& t) {
    QImage image = dialogBase(t, 185, 90);
    QPainter p(&image);
    field(p, t, QRectF(13, 13, 156, 23)); // Edit1 (16, 16) 150 x 17
    return image;
}

QImage printBackground(const Theme& t) {
    QImage image = dialogBase(t, 535, 245);
    QPainter p(&image);
    card(p, t, QRectF(4, 6, 254, 234), 5);
    card(p, t, QRectF(262, 6, 268, 234), 5);
    return image;
}

QImage thumbBackground(const Theme& t) {
    QImage image = blank(330, 255);
    QPainter p(&image);
    fillGradient(p, image.rect(), t.listTop, t.listBottom);
    p.setPen(QPen(t.cardBorder, 1));
    p.drawRect(QRectF(0.5, 0.5, 329, 254));
    return image;
}

QString css(const Theme& t) {
    const auto c = [](const QColor& colour) { return colour.name(); };
    QString s;
    s += QStringLiteral(
             "body { background-color: %1; color: %2; font-family: \"DejaVu Sans\", Verdana, "
             "Arial, sans-serif; font-size: 11px; }\n")
             .arg(c(t.pageBg), c(t.bodyText));
    s += QStringLiteral("a img { border: 0; }\n");
    s += QStringLiteral(".homeLarge { font-size: 20px; font-weight: bold; color: %1; }\n")
             .arg(c(t.headText));
    s += QStringLiteral(".home { font-size: 12px; color: %1; }\n").arg(c(t.bodyText));
    s += QStringLiteral(".homeLink { font-size: 12px; color: %1; text-decoration: none; }\n")
             .arg(c(t.linkText));
    s += QStringLiteral(".homeLink:hover { text-decoration: underline; }\n");
    s += QStringLiteral(".homeSmall { font-size: 10px; color: %1; }\n")
             .arg(c(t.cardBorder.darker(150)));
    s += QStringLiteral(".genrehead { font-size: 13px; font-weight: bold; color: %1; }\n")
             .arg(c(t.barText));
    s += QStringLiteral(".cdname { font-size: 12px; font-weight: bold; color: %1; }\n")
             .arg(c(t.barText));
    s += QStringLiteral(".GenreLink { font-size: 11px; color: %1; text-decoration: none; }\n")
             .arg(c(t.bodyText));
    s += QStringLiteral(".GenreLink:hover { color: %1; }\n").arg(c(t.linkText));
    s += QStringLiteral(".membershead { font-size: 13px; font-weight: bold; color: %1; }\n")
             .arg(c(t.headText));
    s += QStringLiteral(".detailshead { font-size: 13px; font-weight: bold; color: %1; }\n")
             .arg(c(t.headText));
    s += QStringLiteral(".MembersLink { font-size: 11px; color: %1; text-decoration: none; }\n")
             .arg(c(t.bodyText));
    s += QStringLiteral(".MembersLink:hover { color: %1; text-decoration: underline; }\n")
             .arg(c(t.linkText));
    s += QStringLiteral(".detailsbold { font-size: 11px; font-weight: bold; color: %1; }\n")
             .arg(c(t.headText));
    s += QStringLiteral(".details { font-size: 11px; color: %1; }\n").arg(c(t.bodyText));
    s += QStringLiteral(".detailsLink { font-size: 11px; color: %1; }\n").arg(c(t.linkText));
    return s;
}

void writeDialogButtons(const Output& out, const Theme& t, const QImage& background,
                        const std::vector<ButtonPlace>& places) {
    for (const ButtonPlace& place : places)
        writeButton(out, t, background, place);
}

// Arrows and switches that are single pictures (every state looks the same).
void writeSinglePicture(const Output& out, const Theme& t, const QImage& background,
                        const std::string& name, Glyph glyph, const QRect& rect) {
    const ButtonPlace place{name, glyph, rect, ButtonKind::Raised};
    out.jpeg(t.folder + "/" + name + ".jpg", drawButton(t, background, place, 0), 95);
}

} // namespace

void writeSkin(const Output& out, const Theme& t) {
    const std::string& f = t.folder;
    const QImage main = mainBackground(t, true);
    out.jpeg(f + "/skin.jpg", main);
    out.jpeg(f + "/skin_full.jpg", mainBackground(t, false));
    out.jpeg(f + "/top.jpg", wallpaper(t, 615, 57, false));
    out.jpeg(f + "/left.jpg", wallpaper(t, 615, 255, true));
    out.jpeg(f + "/sf_back.jpg", wallpaper(t, 193, 224, false));
    out.jpeg(f + "/splash.jpg", splash(t));
    out.jpeg(f + "/prev_box.jpg", thumbBackground(t));

    for (const ButtonPlace& place : mainWindowButtons())
        writeButton(out, t, main, place);
    writeSinglePicture(out, t, main, "btn_right", Glyph::ChevronRight, {600, 105, 15, 15});
    writeSinglePicture(out, t, main, "btn_left", Glyph::ChevronLeft, {600, 105, 15, 15});
    writeSinglePicture(out, t, main, "btn_down", Glyph::ChevronDown, {615, 105, 15, 15});
    writeSinglePicture(out, t, main, "btn_up", Glyph::ChevronUp, {615, 105, 15, 15});
    // The HTML menu's scroll arrows sit on the category strip and the item list.
    const QImage none;
    writeSinglePicture(out, t, none, "btn_up_top", Glyph::ChevronUp, {0, 0, 25, 35});
    writeSinglePicture(out, t, none, "btn_down_top", Glyph::ChevronDown, {0, 0, 25, 35});
    writeSinglePicture(out, t, none, "btn_up_middle", Glyph::ChevronUp, {0, 0, 20, 25});
    writeSinglePicture(out, t, none, "btn_down_middle", Glyph::ChevronDown, {0, 0, 20, 25});
    out.gif(f + "/btn_down.gif",
            drawButton(t, none,
                       {"btn_down", Glyph::ChevronDown, {0, 0, 15, 15}, ButtonKind::Raised}, 0));

    const ButtonKind r = ButtonKind::Raised;
    const QImage search = searchBackground(t);
    out.jpeg(f + "/sf_skin.jpg", search);
    writeDialogButtons(out, t, search,
                       {{"sf_search", Glyph::Search, {140, 8, 75, 30}, r},
                        {"sf_options", Glyph::Gear, {13, 280, 75, 30}, r},
                        {"sf_exit", Glyph::Close, {140, 280, 75, 30}, r}});

    const QImage copy = copyBackground(t);
    out.jpeg(f + "/cz_skin.jpg", copy);
    writeDialogButtons(out, t, copy,
                       {{"cz_start", Glyph::Play, {200, 15, 75, 30}, r},
                        {"cz_explorer", Glyph::FolderOpen, {200, 47, 75, 30}, r},
                        {"cz_mkdir", Glyph::FolderPlus, {200, 79, 75, 30}, r},
                        {"cz_exit", Glyph::Close, {200, 135, 75, 30}, r}});

    const QImage mkdir = newFolderBackground(t);
    out.jpeg(f + "/mkdir_skin.jpg", mkdir);
    writeDialogButtons(out, t, mkdir,
                       {{"mkdir_ok", Glyph::Check, {15, 45, 75, 30}, r},
                        {"mkdir_cancel", Glyph::Close, {95, 45, 75, 30}, r}});

    const QImage print = printBackground(t);
    out.jpeg(f + "/pd_skin.jpg", print);
    writeDialogButtons(out, t, print,
                       {{"pd_bg_load", Glyph::PicturePlus, {367, 8, 75, 30}, r},
                        {"pd_bg_clear", Glyph::PictureMinus, {446, 8, 75, 30}, r},
                        {"pd_lo_load", Glyph::StarPlus, {367, 38, 75, 30}, r},
                        {"pd_lo_clear", Glyph::StarMinus, {446, 38, 75, 30}, r},
                        {"pd_edit", Glyph::List, {367, 71, 75, 30}, r},
                        {"pd_print", Glyph::Printer, {367, 212, 75, 30}, r},
                        {"pd_exit", Glyph::Close, {446, 212, 75, 30}, r}});

    out.write(f + "/vistel.css", css(t).toStdString());
}

} // namespace datagen
