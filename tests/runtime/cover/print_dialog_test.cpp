#include "runtime/cover/cover_render.h"
#include "runtime/cover/print_dialog.h"

#include "support/temp_dir.h"

#include <QApplication>
#include <QComboBox>
#include <QDate>
#include <QImage>
#include <QLineEdit>
#include <QPainter>
#include <QPrinter>
#include <QTextEdit>

#include <gtest/gtest.h>

namespace vistel {
namespace {

using tarnic::test::slurp;
using tarnic::test::TempDir;
namespace fs = std::filesystem;

QApplication& app() {
    static int argc = 1;
    static char name[] = "print_dialog_test";
    static char* argv[] = {name, nullptr};
    static QApplication* a = new QApplication(argc, argv);
    return *a;
}

QString shot(const char* name) { return QString::fromLatin1(SHOT_DIR) + QLatin1Char('/') + QString::fromLatin1(name); }

struct Fixture {
    Fixture() {
        app();
        tmp.write("cfg/genre.cfg", "[general]\r\nanz_items=2\r\n[0]\r\ncaption=Games\r\n[1]\r\ncaption=Tools\r\n");
        tmp.write("cfg/members.cfg", "[0]\r\nanz_items=2\r\n[0-0]\r\ncaption=Doom\r\n[0-1]\r\ncaption=Quake\r\n"
                                     "[1]\r\nanz_items=1\r\n[1-0]\r\ncaption=Zip tool\r\n");
        ctx.folders = computeFolders(tmp.path());
        const fs::path skins = fs::path(TARNIC_PROGRAM_FOLDER) / "Skins/_default";
        if (fs::exists(skins)) {
            ctx.folders.skin = skins;
            if (auto design = loadDesign(skins.parent_path() / "default.mos"))
                ctx.design = *design;
        }
        ctx.message = [this](const QString& t) { messages.push_back(t); };
    }
    TempDir tmp;
    DialogContext ctx;
    std::vector<QString> messages;
};

TEST(PrintDialog, FirstOpeningFillsTextsElementAndContent) {
    Fixture f;
    Tprintdlgform dlg(f.ctx);
    dlg.prepare(QStringLiteral("My CD"));
    EXPECT_EQ(dlg.findChild<QLineEdit*>(QStringLiteral("cdname"))->text(), QStringLiteral("My CD"));
    const QDate today = QDate::currentDate();
    EXPECT_EQ(dlg.findChild<QLineEdit*>(QStringLiteral("cddate"))->text(),
              QStringLiteral("%1/%2").arg(today.month()).arg(today.year()));
    EXPECT_EQ(dlg.findChild<QComboBox*>(QStringLiteral("typesel"))->currentIndex(), 0);
    EXPECT_EQ(dlg.findChild<QComboBox*>(QStringLiteral("ZentLogo"))->currentIndex(), 0);
    EXPECT_EQ(dlg.contentForm()->memo()->toPlainText(),
              QStringLiteral("*** Games ***\nDoom;Quake;\n\n*** Tools ***\nZip tool;\n"));

    // The user empties the list: reopening keeps it empty, and so is the printed list.
    dlg.contentForm()->memo()->clear();
    dlg.prepare(QStringLiteral("My CD"));
    EXPECT_TRUE(dlg.contentForm()->memo()->toPlainText().isEmpty());
    dlg.show();
    dlg.grab().save(shot("print_dialog.png"));
}

TEST(PrintDialog, ChoosersFollowTheSelectedElement) {
    Fixture f;
    Tprintdlgform dlg(f.ctx);
    dlg.prepare(QStringLiteral("CD"));
    auto* typesel = dlg.findChild<QComboBox*>(QStringLiteral("typesel"));
    typesel->setCurrentIndex(4); // "CD Content"
    EXPECT_FALSE(dlg.findChild<QComboBox*>(QStringLiteral("box_color"))->isEnabled());
    EXPECT_EQ(dlg.chooserColour("box_color"), cover::kWhite);
    EXPECT_EQ(dlg.chooserColour("frame_color"), cover::kWhite);

    typesel->setCurrentIndex(1); // "CD Nr"
    EXPECT_TRUE(dlg.findChild<QComboBox*>(QStringLiteral("box_color"))->isEnabled());
    EXPECT_EQ(dlg.chooserColour("box_color"), cover::kNavy);
    dlg.findChild<QComboBox*>(QStringLiteral("font_size"))->setCurrentText(QStringLiteral("26"));
    EXPECT_EQ(dlg.styles().font("cnr").size, 26);
    EXPECT_EQ(dlg.styles().font("INNRR").size, 26);
    EXPECT_EQ(dlg.styles().font("INNRL").size, 26);
    dlg.setChooserColour("box_color", 0x0000FF);
    EXPECT_EQ(dlg.styles().brush("inrl"), 0x0000FFu);
}

TEST(PrintDialog, PageRendersToPdfAndPicture) {
    Fixture f;
    Tprintdlgform dlg(f.ctx);
    dlg.prepare(QStringLiteral("Tarnic sample CD"));
    dlg.findChild<QLineEdit*>(QStringLiteral("cdnr"))->setText(QStringLiteral("O192"));
    // A logo picture of the user's, written by the test.
    QImage logo(100, 100, QImage::Format_RGB32);
    logo.fill(QColor(200, 60, 20));
    const fs::path logoFile = f.tmp / "logo.png";
    ASSERT_TRUE(logo.save(QString::fromStdString(logoFile.string())));
    dlg.setLogoFile(logoFile);
    dlg.setBackgroundFile(f.tmp / "vanished.jpg");

    const auto page = dlg.page();
    const auto has = [&](const char* name) {
        return std::any_of(page.begin(), page.end(), [&](const auto& p) { return p.name == name; });
    };
    EXPECT_TRUE(has("QRImage1"));
    EXPECT_TRUE(has("cl"));
    EXPECT_FALSE(has("cb"));

    const QString pdf = shot("cover.pdf");
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(pdf);
    dlg.renderTo(&printer);
    EXPECT_TRUE(f.messages.empty());
    EXPECT_EQ(slurp(pdf.toStdString()).substr(0, 5), "%PDF-");

    QImage image(static_cast<int>(210 * 4), static_cast<int>(297 * 4), QImage::Format_RGB32);
    image.fill(Qt::white);
    {
        QPainter painter(&image);
        cover::renderPage(painter, page, 4.0);
    }
    ASSERT_TRUE(image.save(shot("cover.png")));
    // The CD name box is black (brush of cts) and the number box navy.
    EXPECT_EQ(image.pixelColor(static_cast<int>((10 + 80) * 4), static_cast<int>((20.6 + 66) * 4)),
              QColor(0, 0, 0));
    EXPECT_EQ(image.pixelColor(static_cast<int>((10 + 98) * 4), static_cast<int>((20.6 + 113.2) * 4)),
              QColor(0, 0, 128));

    dlg.findChild<QComboBox*>(QStringLiteral("ZentLogo"))->setCurrentIndex(1);
    const auto without = dlg.page();
    EXPECT_TRUE(std::none_of(without.begin(), without.end(), [](const auto& p) { return p.name == "QRImage1"; }));
}

TEST(ContentWindow, PrintsWithItsTitle) {
    Fixture f;
    Tcontentform content(f.ctx);
    content.setLines({"*** Games ***", "Doom;", ""});
    content.setCdName(QStringLiteral("My CD"));
    const QString pdf = shot("content.pdf");
    QPrinter printer;
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(pdf);
    content.printContent(&printer);
    EXPECT_EQ(printer.docName(), QStringLiteral("- content of My CD -"));
    EXPECT_GT(fs::file_size(pdf.toStdString()), 100u);
}

} // namespace
} // namespace vistel

#include "runtime/cover/menu_dialogs.h"
#include "runtime/menu/vistel_form.h"

#include <QAction>
#include <QMenu>

namespace vistel {
namespace {

TEST(MenuDialogs, PluggedIntoTheWindow) {
    Fixture f;
    Tvistel_form form(f.tmp.path());
    auto* cover = form.optionsMenu()->findChild<QAction*>(QStringLiteral("PrintCover"));
    if (!cover)
        for (QAction* a : form.optionsMenu()->actions())
            if (a->objectName() == QStringLiteral("PrintCover"))
                cover = a;
    ASSERT_TRUE(cover);
    EXPECT_FALSE(cover->isEnabled());
    installMenuDialogs(form);
    EXPECT_TRUE(cover->isEnabled());
}

} // namespace
} // namespace vistel
