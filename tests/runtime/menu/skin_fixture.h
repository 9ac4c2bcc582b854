#pragma once
// A complete small CD folder for window tests: data set, design file,
// language file and every picture the design needs, drawn with Qt.

#include "data_set_fixture.h"
#include "runtime/menu/design.h"
#include "shared/picture.h"

#include <QFont>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>

namespace vistel::test {

inline void savePicture(const tarnic::test::TempDir& cd, const std::string& rel, const QImage& img) {
    const auto p = cd / rel;
    std::filesystem::create_directories(p.parent_path());
    img.save(QString::fromStdString(p.string()));
}

inline QImage panel(int w, int h, QColor top, QColor bottom, const QString& label = {}) {
    QImage img(w, h, QImage::Format_RGB32);
    QPainter p(&img);
    QLinearGradient g(0, 0, 0, h);
    g.setColorAt(0, top);
    g.setColorAt(1, bottom);
    p.fillRect(img.rect(), g);
    if (!label.isEmpty()) {
        p.setPen(Qt::white);
        QFont f = p.font();
        f.setPixelSize(std::max(8, h / 3));
        p.setFont(f);
        p.drawText(img.rect(), Qt::AlignCenter, label);
    }
    return img;
}

inline std::string icoFile(std::uint32_t argb, int size) {
    tarnic::Image img(size, size, argb);
    return tarnic::encodeIco({img});
}

inline void writeSkin(const tarnic::test::TempDir& cd) {
    const QColor navy(20, 30, 80), dark(5, 10, 30);
    QImage bg = panel(635, 445, navy, dark);
    {
        QPainter p(&bg);
        p.setPen(QColor(120, 140, 220));
        p.drawRect(9, 32, 616, 58);
        p.drawRect(9, 128, 236, 256);
        p.drawRect(270, 100, 355, 285);
    }
    savePicture(cd, "cfg/skin/skin.jpg", bg);
    savePicture(cd, "cfg/skin/skin_full.jpg", panel(635, 445, navy, dark));
    savePicture(cd, "cfg/skin/top.bmp", panel(64, 57, QColor(30, 40, 100), QColor(10, 20, 60)));
    savePicture(cd, "cfg/skin/left.bmp", panel(64, 255, QColor(30, 40, 100), QColor(10, 20, 60)));
    savePicture(cd, "cfg/skin/prev_box.jpg", panel(112, 106, Qt::black, QColor(40, 40, 40)));
    for (const char* f : {"btn_right.jpg", "btn_left.jpg", "btn_down.jpg", "btn_up.jpg"})
        savePicture(cd, std::string("cfg/skin/") + f, panel(15, 15, Qt::gray, Qt::darkGray));
    for (const ButtonSpec& b : mainButtons()) {
        const QColor colours[4] = {QColor(40, 90, 160), QColor(70, 130, 210), QColor(20, 50, 110),
                                   QColor(70, 70, 70)};
        for (int s = 0; s < 4; ++s)
            savePicture(cd, std::string("cfg/skin/") + b.prefix + "_" + std::to_string(s) + ".jpg",
                        panel(b.width, b.height, colours[s], colours[s].darker(160),
                              QString::fromLatin1(b.prefix)));
    }
}

inline const char* kSkinCfg =
    "[Language]\r\nLanguage=0\r\nStyle=1\r\n[Boxes]\r\nboxc_fc=clWhite\r\nboxc_c=$00502010\r\n"
    "boxf_fc=clWhite\r\nboxf_c=$00502010\r\n[Fonts]\r\nfontcdname_fc=clYellow\r\nfontcdname_fs=11\r\n"
    "fontcdname_fbold=1\r\nfontcategory_fc=clAqua\r\nfontfiles_fc=clAqua\r\n"
    "fontdetails_fc=clWhite\r\nfontdetails_fbc=clAqua\r\nfontdetails_fgradient=1\r\n"
    "fontdetails_fshadow=1\r\nfontdetails_fshadowh=2\r\nfontdetails_fshadoww=200\r\n"
    "fontdetails_fshadowd=45\r\nfontdetails_hl_fc=clSilver\r\nfontdetails_hl_fbold=1\r\n"
    "fontdetails_text_fc=clWhite\r\n[Hint]\r\nhint_fc=clBlack\r\nhint_bc=clInfoBk\r\nhint_fs=8\r\n";

inline const char* kLanguageFile =
    "[Language]\r\nLanguage=0\r\nno_file_lang=No file selected\r\nno_info_lang=No info\r\n"
    "[Heading]\r\n1=Categories\r\n2=Files\r\n3=Details\r\n3_2=Preview\r\n"
    "[Details]\r\n1=Name:\r\n2=Serial:\r\n3=CD size:\r\n4=HD size:\r\n5=Description:\r\n"
    "6=Rating:\r\n28=System:\r\n26=Homepage:\r\n27=E-Mail:\r\n"
    "[Other]\r\n8=-\r\n9=Thumbnail always\r\n10=Thumbnail never\r\n11=Thumbnail when available\r\n"
    "12=-\r\n13=About\r\n17=...\r\n18=in\r\n19=of\r\n20=for\r\n23=-\r\n24=Print CD cover\r\n"
    "25=Menu sounds\r\n26=Music\r\n33=Sort\r\n"
    "[Buttons]\r\n8=Execute\r\n7=Copy\r\n9=Unpack\r\n14=Explorer\r\n13=Info files\r\n12=Info\r\n"
    "[Hints]\r\n8=Start the program\r\n";

// Games (Action, Puzzle), Tools; items with files, a link and a jump point.
inline void writeCd(const tarnic::test::TempDir& cd) {
    writeSkin(cd);
    cd.write("cfg/skin.cfg", kSkinCfg);
    cd.write("cfg/language.zent", kLanguageFile);
    cd.write("cfg/genre.cfg", genreFile({{"Games", 1, true, 0},
                                         {"Action", 2, false, 1},
                                         {"Puzzle", 2, false, 1},
                                         {"Tools", 1, false, 0}}));
    const std::uint32_t colours[4] = {0xFFD04040u, 0xFF40D040u, 0xFF4040D0u, 0xFFD0D040u};
    for (int id = 1; id <= 4; ++id)
        cd.write("cfg/" + std::to_string(id) + ".ico", icoFile(colours[id - 1], 32));
    for (int n = 1; n <= 14; ++n)
        cd.write("cfg/m" + std::to_string(n) + ".ico", icoFile(0xFF000000u | (0x101010u * static_cast<std::uint32_t>(n)) | 0x8000u, 16));
    cd.write("games/blaster/blaster.exe", "#!/bin/sh\nexit 0\n");
    cd.write("games/blaster/blaster.nfo", "\xC9\xCD\xCD\xBB\r\n\xBA hi \xBA\r\n\xC8\xCD\xCD\xBC\r\n");
    cd.write("tools/editor.zip", "PK\x05\x06" + std::string(18, '\0'));
    cd.write("tools/editor.txt", "{\\rtf1\\ansi {\\b Editor} info\\par second line}");
    writeItems(cd,
               {{0, "Blaster", {{"pfad", "\\games\\blaster\\blaster.exe"}, {"copy", "1"},
                                {"execute", "1"}, {"desc", "A fast space shooter"},
                                {"serial", "1234-5678"}, {"sizep", "12 MB"}, {"sizeup", "30 MB"},
                                {"url", "http://example.org/blaster"}, {"system", "Linux"},
                                {"rank", "085 %"}, {"params", "--fast"}}, 0},
                {0, "Demo folder", {{"pfad", "\\games\\Jump Point"}}, 12},
                {3, "Editor", {{"pfad", "\\tools\\editor.zip"}, {"copy", "1"}, {"execute", "0"},
                               {"desc", "Packed editor"}}, 1},
                {3, "Homepage", {{"pfad", "http://example.org/"}}, 4}},
               {{"cdname", "Test CD"}, {"cdlink", "http://example.org/"}, {"cdlinkname", "Example"}});
}

} // namespace vistel::test
