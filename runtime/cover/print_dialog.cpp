#include "runtime/cover/print_dialog.h"

#include "runtime/cover/cover_render.h"
#include "runtime/menu/image_button.h"
#include "runtime/menu/qt_bridge.h"

#include <QComboBox>
#include <QDate>
#include <QFileDialog>
#include <QFontComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QTextDocument>
#include <QTextEdit>

namespace vistel {

namespace fs = std::filesystem;

namespace {

// The sixteen basic colours of the designs, 0x00BBGGRR.
constexpr std::array<std::pair<const char*, tarnic::Colour>, 16> kBasic{{
    {"Black", 0x000000}, {"Maroon", 0x000080}, {"Green", 0x008000}, {"Olive", 0x008080},
    {"Navy", 0x800000},  {"Purple", 0x800080}, {"Teal", 0x808000},  {"Gray", 0x808080},
    {"Silver", 0xC0C0C0}, {"Red", 0x0000FF},   {"Lime", 0x00FF00},  {"Yellow", 0x00FFFF},
    {"Blue", 0xFF0000},  {"Fuchsia", 0xFF00FF}, {"Aqua", 0xFFFF00}, {"White", 0xFFFFFF}}};

QIcon swatch(tarnic::Colour c) {
    QPixmap pm(14, 14);
    pm.fill(cover::toColour(c));
    return QIcon(pm);
}

} // namespace

// ---- content list window ----------------------------------------------------

Tcontentform::Tcontentform(const DialogContext& context, QWidget* parent)
    : QDialog(parent), m_ctx(context) {
    setObjectName(QStringLiteral("Tcontentform"));
    resize(505, 416);
    m_memo = new QTextEdit(this);
    m_memo->setObjectName(QStringLiteral("LMDMemo1"));
    m_memo->setAcceptRichText(false);
    m_memo->setGeometry(8, 8, 489, 360);
    m_memo->setPlainText(QStringLiteral("LMDMemo1"));
    m_print = new ImageButton(this);
    m_print->setObjectName(QStringLiteral("print"));
    m_print->setGeometry(340, 378, 75, 30);
    m_cancel = new ImageButton(this);
    m_cancel->setObjectName(QStringLiteral("cancel"));
    m_cancel->setGeometry(422, 378, 75, 30);
    connect(m_print, &QAbstractButton::clicked, this, &Tcontentform::printClick);
    connect(m_cancel, &QAbstractButton::clicked, this, &Tcontentform::cancelClick);
    applySkin();
}

void Tcontentform::applySkin() {
    setWindowTitle(m_ctx.lang("Forms", "3"));
    m_ctx.skinButton(m_print, "pd_print");
    m_ctx.skinButton(m_cancel, "pd_exit");
    m_print->setText(m_ctx.lang("Buttons", "24"));
    m_cancel->setText(m_ctx.lang("Buttons", "25"));
    m_print->setToolTip(m_ctx.lang("Hints", "24"));
    m_cancel->setToolTip(m_ctx.lang("Hints", "25"));
}

std::vector<std::string> Tcontentform::lines() const {
    std::vector<std::string> out;
    for (const QString& l : m_memo->toPlainText().split(QLatin1Char('\n')))
        out.push_back(l.toStdString());
    return out;
}

void Tcontentform::setLines(const std::vector<std::string>& lines) {
    QStringList all;
    for (const std::string& l : lines)
        all << QString::fromStdString(l);
    m_memo->setPlainText(all.join(QLatin1Char('\n')));
}

void Tcontentform::printContent(QPrinter* printer) const {
    printer->setDocName(QString::fromStdString(cover::contentTitle(m_cdName.toStdString())));
    QTextDocument doc;
    doc.setPlainText(m_memo->toPlainText());
    doc.print(printer);
}

void Tcontentform::printClick() {
    m_ctx.sound(3);
    QPrinter printer;
    // Without a printer installed the user picks one (or a PDF file) instead.
    if (QPrinterInfo::defaultPrinter().isNull()) {
        QPrintDialog dialog(&printer, this);
        if (dialog.exec() != QDialog::Accepted)
            return;
    }
    printContent(&printer);
}

void Tcontentform::cancelClick() {
    m_ctx.sound(3);
    reject();
}

// ---- cover print dialog -------------------------------------------------------

Tprintdlgform::Tprintdlgform(const DialogContext& context, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint), m_ctx(context) {
    setObjectName(QStringLiteral("Tprintdlgform"));
    setFixedSize(535, 245);
    m_cdname = field("cdname", 8);
    m_cdnr = field("cdnr", 32);
    m_cddate = field("cddate", 56);

    m_typesel = new QComboBox(this);
    m_typesel->setObjectName(QStringLiteral("typesel"));
    m_typesel->setGeometry(8, 88, 240, 22);
    for (const char* t : {"CD Name", "CD Nr", "CD Date", "CD Sides", "CD Content", "CD"})
        m_typesel->addItem(QString::fromLatin1(t));
    m_typesel->setCurrentIndex(-1);

    m_box = colourChooser("box_color", 120);
    m_frame = colourChooser("frame_color", 144);
    m_fontName = new QFontComboBox(this);
    m_fontName->setObjectName(QStringLiteral("font_name"));
    m_fontName->setGeometry(112, 168, 136, 22);
    m_fontName->setFontFilters(QFontComboBox::ScalableFonts);
    m_fontSize = new QComboBox(this);
    m_fontSize->setObjectName(QStringLiteral("font_size"));
    m_fontSize->setGeometry(112, 192, 136, 22);
    m_fontSize->setEditable(true);
    for (int s : {6, 7, 8, 9, 10, 11, 12, 14, 16, 18, 20, 22, 24, 26, 28, 36, 48, 72})
        m_fontSize->addItem(QString::number(s));
    m_fontColour = colourChooser("font_color", 216);

    m_zentLogo = new QComboBox(this);
    m_zentLogo->setObjectName(QStringLiteral("ZentLogo"));
    m_zentLogo->setGeometry(368, 120, 155, 22);
    m_zentLogo->addItem(QStringLiteral("Yes, the zent got me !!!"));
    m_zentLogo->addItem(QStringLiteral("No advertising, please."));
    m_zentLogo->setCurrentIndex(-1);

    const std::array<std::pair<const char*, QPoint>, 7> buttons{{
        {"backload", {367, 8}}, {"backclear", {446, 8}}, {"logoload", {367, 38}},
        {"logoclear", {446, 38}}, {"contentview", {367, 71}}, {"printcover", {367, 212}},
        {"cancel", {446, 212}}}};
    for (const auto& [name, at] : buttons) {
        auto* b = new ImageButton(this);
        b->setObjectName(QString::fromLatin1(name));
        b->setGeometry(at.x(), at.y(), 75, 30);
    }
    const auto on = [this](const char* name, void (Tprintdlgform::*slot)()) {
        connect(findChild<ImageButton*>(QString::fromLatin1(name)), &QAbstractButton::clicked, this, slot);
    };
    on("backload", &Tprintdlgform::backloadClick);
    on("backclear", &Tprintdlgform::backclearClick);
    on("logoload", &Tprintdlgform::logoloadClick);
    on("logoclear", &Tprintdlgform::logoclearClick);
    on("contentview", &Tprintdlgform::contentviewClick);
    on("printcover", &Tprintdlgform::printcoverClick);
    on("cancel", &Tprintdlgform::cancelClick);

    // pcu10..12 beside the text fields, pcu1..5 beside the choosers, pcu6..8
    // beside the picture and content buttons, pcu9 beside the advertising choice.
    const std::array<QPoint, 12> places{{{8, 120}, {8, 144}, {8, 168}, {8, 192}, {8, 216}, {264, 12},
                                         {264, 42}, {264, 75}, {264, 122}, {8, 10}, {8, 34}, {8, 58}}};
    for (std::size_t i = 0; i < places.size(); ++i) {
        auto* l = new QLabel(QStringLiteral("Name:"), this);
        l->setObjectName(QStringLiteral("pcu%1").arg(i + 1));
        l->setGeometry(places[i].x(), places[i].y(), 100, 18);
        m_labels.push_back(l);
    }

    connect(m_typesel, &QComboBox::currentIndexChanged, this, &Tprintdlgform::selectElement);
    for (QComboBox* c : {m_box, m_frame, m_fontColour, m_fontSize})
        connect(c, &QComboBox::currentTextChanged, this, &Tprintdlgform::applyChoosers);
    connect(m_fontName, &QFontComboBox::currentFontChanged, this, &Tprintdlgform::applyChoosers);

    m_content = new Tcontentform(m_ctx, this);
    applySkin();
}

QLineEdit* Tprintdlgform::field(const char* name, int top) {
    auto* e = new QLineEdit(this);
    e->setObjectName(QString::fromLatin1(name));
    e->setGeometry(112, top, 136, 21);
    return e;
}

QComboBox* Tprintdlgform::colourChooser(const char* name, int top) {
    auto* c = new QComboBox(this);
    c->setObjectName(QString::fromLatin1(name));
    c->setGeometry(112, top, 136, 22);
    for (const auto& [label, colour] : kBasic)
        c->addItem(swatch(colour), QString::fromLatin1(label), static_cast<uint>(colour));
    return c;
}

void Tprintdlgform::applySkin() {
    m_background_picture = m_ctx.skinPicture("pd_skin.jpg");
    const std::array<std::pair<const char*, const char*>, 7> skins{{
        {"backload", "pd_bg_load"}, {"backclear", "pd_bg_clear"}, {"logoload", "pd_lo_load"},
        {"logoclear", "pd_lo_clear"}, {"contentview", "pd_edit"}, {"printcover", "pd_print"},
        {"cancel", "pd_exit"}}};
    int hint = 17;
    for (const auto& [name, prefix] : skins) {
        auto* b = findChild<ImageButton*>(QString::fromLatin1(name));
        m_ctx.skinButton(b, prefix);
        b->setToolTip(m_ctx.lang("Hints", std::to_string(hint++).c_str()));
    }
    if (m_ctx.language.languageValue() != 0 || !m_ctx.lang("Details", "7").isEmpty()) {
        for (std::size_t i = 0; i < m_labels.size(); ++i)
            m_labels[i]->setText(m_ctx.lang("Details", std::to_string(7 + i).c_str()));
        for (int i = 0; i < 6; ++i)
            m_typesel->setItemText(i, m_ctx.lang("Details", std::to_string(19 + i).c_str()));
        m_zentLogo->setItemText(0, m_ctx.lang("Other", "2"));
        m_zentLogo->setItemText(1, m_ctx.lang("Other", "3"));
        setWindowTitle(m_ctx.lang("Forms", "2"));
    }
    const QFont labelFont = toQFont(m_ctx.design.fontprintDlg.font, font());
    for (QLabel* l : m_labels) {
        l->setFont(labelFont);
        QPalette pal = l->palette();
        pal.setColor(QPalette::WindowText, toQColor(m_ctx.design.fontprintDlg.font.colour));
        l->setPalette(pal);
    }
    for (QWidget* w : std::initializer_list<QWidget*>{m_cdname, m_cdnr, m_cddate, m_typesel, m_box, m_frame,
                                                      m_fontName, m_fontSize, m_fontColour, m_zentLogo})
        applyEditStyle(w, m_ctx.design.editpc);
    m_content->applySkin();
}

tarnic::Colour Tprintdlgform::chooserColour(const char* name) const {
    auto* c = findChild<QComboBox*>(QString::fromLatin1(name));
    return static_cast<tarnic::Colour>(c->currentData().toUInt());
}

void Tprintdlgform::setChooserColour(const char* name, tarnic::Colour colour) {
    auto* c = findChild<QComboBox*>(QString::fromLatin1(name));
    int index = c->findData(static_cast<uint>(colour));
    if (index < 0) {
        c->addItem(swatch(colour), QStringLiteral("$%1").arg(colour, 6, 16, QLatin1Char('0')),
                   static_cast<uint>(colour));
        index = c->count() - 1;
    }
    c->setCurrentIndex(index);
}

void Tprintdlgform::selectElement(int index) {
    if (index < 0)
        return;
    m_loading = true;
    const cover::ElementStyle s = m_styles.get(index);
    setChooserColour("box_color", s.boxEnabled ? s.box : cover::kWhite);
    setChooserColour("frame_color", s.boxEnabled ? s.frame : cover::kWhite);
    m_box->setEnabled(s.boxEnabled);
    m_frame->setEnabled(s.boxEnabled);
    m_fontName->setCurrentFont(QFont(QString::fromStdString(s.font.face)));
    m_fontSize->setCurrentText(QString::number(s.font.size));
    setChooserColour("font_color", s.font.colour);
    m_loading = false;
}

void Tprintdlgform::applyChoosers() {
    if (m_loading || m_typesel->currentIndex() < 0)
        return;
    cover::ElementStyle s;
    s.box = chooserColour("box_color");
    s.frame = chooserColour("frame_color");
    s.font.face = m_fontName->currentFont().family().toStdString();
    bool ok = false;
    const int size = m_fontSize->currentText().toInt(&ok);
    s.font.size = ok && size > 0 ? size : m_styles.get(m_typesel->currentIndex()).font.size;
    s.font.colour = chooserColour("font_color");
    m_styles.apply(m_typesel->currentIndex(), s);
}

void Tprintdlgform::prepare(const QString& cdTitle) {
    if (parentWidget()) {
        const QRect p = parentWidget()->frameGeometry();
        move(p.center() - rect().center());
    }
    if (m_typesel->currentIndex() < 0)
        m_typesel->setCurrentIndex(0);
    else
        selectElement(m_typesel->currentIndex());
    if (m_zentLogo->currentIndex() < 0)
        m_zentLogo->setCurrentIndex(0);
    if (m_cdname->text().isEmpty())
        m_cdname->setText(cdTitle);
    if (m_cddate->text().isEmpty()) {
        const QDate today = QDate::currentDate();
        m_cddate->setText(QString::fromStdString(cover::coverDate(today.year(), today.month())));
    }
    m_content->setCdName(m_cdname->text());
    // A list whose first line the user emptied stays as it is.
    const QString first = m_content->memo()->toPlainText().section(QLatin1Char('\n'), 0, 0);
    if (!first.isEmpty())
        m_content->setLines(cover::buildContentList(m_ctx.folders.categoryFile(),
                                                    m_ctx.folders.itemListFile(),
                                                    m_ctx.language.codepage()));
}

void Tprintdlgform::run(const QString& cdTitle) {
    prepare(cdTitle);
    exec();
}

cover::CoverContent Tprintdlgform::content() const {
    cover::CoverContent c;
    c.cdName = m_cdname->text().toStdString();
    c.cdNumber = m_cdnr->text().toStdString();
    c.cdDate = m_cddate->text().toStdString();
    c.contentLines = m_content->lines();
    c.background = m_background;
    c.logo = m_logo;
    c.advertising = std::max(0, m_zentLogo->currentIndex());
    const QString header = m_ctx.lang("Cover", "Cover_Header");
    if (!header.isEmpty())
        c.header = header.toStdString();
    return c;
}

std::vector<cover::Primitive> Tprintdlgform::page() const {
    return cover::buildCoverPage(content(), m_styles);
}

void Tprintdlgform::renderTo(QPrinter* printer) {
    printer->setPageSize(QPageSize(QPageSize::A4));
    printer->setPageOrientation(QPageLayout::Portrait);
    printer->setFullPage(true);
    QPainter painter(printer);
    const double pxPerMm = printer->resolution() / 25.4;
    std::vector<std::string> failures;
    cover::renderPage(painter, page(), pxPerMm, &failures);
    painter.end();
    for (const std::string& f : failures)
        m_ctx.show(this, QString::fromStdString(f));
}

void Tprintdlgform::printcoverClick() {
    m_ctx.sound(3);
    QPrinter printer(QPrinter::HighResolution);
    QPrintPreviewDialog preview(&printer, this);
    preview.setObjectName(QStringLiteral("coverPreview"));
    connect(&preview, &QPrintPreviewDialog::paintRequested, this, &Tprintdlgform::renderTo);
    preview.exec();
}

void Tprintdlgform::cancelClick() {
    m_ctx.sound(3);
    reject();
}

fs::path Tprintdlgform::choosePicture() {
    const QString file = QFileDialog::getOpenFileName(
        this, QString(), QString(),
        QStringLiteral("Alle Dateien (*.jpg *.jpeg *.bmp *.ico *.emf *.wmf);;JPEG Bilddatei (*.jpg);;"
                       "JPEG Bilddatei (*.jpeg);;Bitmaps (*.bmp);;Symbole (*.ico);;"
                       "Erweiterte Metadateien (*.emf);;Metadateien (*.wmf)"));
    return file.isEmpty() ? fs::path() : toPath(file);
}

void Tprintdlgform::backloadClick() {
    m_ctx.sound(3);
    if (fs::path f = choosePicture(); !f.empty())
        m_background = f;
}

void Tprintdlgform::backclearClick() {
    m_ctx.sound(3);
    m_background.clear();
}

void Tprintdlgform::logoloadClick() {
    m_ctx.sound(3);
    if (fs::path f = choosePicture(); !f.empty())
        m_logo = f;
}

void Tprintdlgform::logoclearClick() {
    m_ctx.sound(3);
    m_logo.clear();
}

void Tprintdlgform::contentviewClick() {
    m_ctx.sound(3);
    m_content->setCdName(m_cdname->text());
    m_content->exec();
}

void Tprintdlgform::paintEvent(QPaintEvent*) {
    QPainter p(this);
    if (!m_background_picture.isNull())
        p.drawPixmap(rect(), m_background_picture);
    else
        p.fillRect(rect(), palette().window());
}

} // namespace vistel
