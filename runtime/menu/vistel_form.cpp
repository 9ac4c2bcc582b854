#include "runtime/menu/vistel_form.h"

#include "runtime/menu/image_button.h"
#include "runtime/menu/info_viewer.h"
#include "runtime/menu/label3d.h"
#include "runtime/menu/qt_bridge.h"
#include "runtime/menu/skin_media.h"
#include "runtime/menu/thumb_window.h"
#include "runtime/menu/window_rules.h"
#include "shared/paths.h"

#include <QApplication>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QMessageBox>
#include <QPainter>
#include <QScreen>
#include <QTimer>

namespace vistel {

namespace fs = std::filesystem;

namespace {

constexpr const char* kRowHeadingNames[kRowCount] = {
    "LMDLabelFill4", "LMDLabelFill6",   "LMDLabelFill7",   "LMDLabelFill8",
    "LMDLabelFill5", "LMDSimpleLabel3", "LMDSimpleLabel5", "LMDSimpleLabel4"};
constexpr const char* kRowValueNames[kRowCount] = {"filename", "serial", "sizep", "sizeup",
                                                   "desc",     "rank",   "system", "hpurl"};
constexpr const char* kRowHeadingKeys[kRowCount] = {"1", "2", "3", "4", "5", "6", "28", "26"};

// A picture on a solid square of the list's icon background colour, as an
// image list with a background colour draws it.
QPixmap onBackground(const QPixmap& icon, int size, const QColor& colour) {
    QPixmap out(size, size);
    out.fill(colour);
    QPainter p(&out);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    p.drawPixmap(out.rect(), icon);
    return out;
}

// The selection shows as a bar behind the caption; the icon keeps its colours.
QIcon plainIcon(const QPixmap& pixmap) {
    QIcon icon(pixmap);
    icon.addPixmap(pixmap, QIcon::Selected);
    return icon;
}

} // namespace

Tvistel_form::Tvistel_form(fs::path root, QWidget* parent)
    : QWidget(parent, parent ? Qt::Widget : (Qt::Window | Qt::FramelessWindowHint)),
      m_root(std::move(root)), m_folders(computeFolders(m_root)),
      m_fonts(std::make_unique<SkinFonts>()) {
    setObjectName(QStringLiteral("vistel_form"));
    setFixedSize(kFormWidth, kFormHeight);
    QApplication::setApplicationDisplayName(QStringLiteral("Loading ... Please wait ..."));
    m_sounds = new SkinSounds(this);
    for (auto& c : m_cursors)
        c = new SkinCursor(this);
    buildWidgets();
    buildMenus();
    m_infoform = new TInfoform(this);
    m_thumb = new Tpicpreviewform(this);
    connect(m_thumb, &Tpicpreviewform::contextMenuWanted, this,
            [this](const QPoint& at) { m_options->popup(at); });
}

Tvistel_form::~Tvistel_form() {
    m_fonts->removeAll();
    m_scratch.remove();
}

void Tvistel_form::buildWidgets() {
    const auto label = [this](const char* name) {
        auto* l = new Label3D(this);
        l->setObjectName(QString::fromLatin1(name));
        return l;
    };
    m_genre = new QListWidget(this);
    m_genre->setObjectName(QStringLiteral("genre"));
    m_genre->setGeometry(10, 33, 615, 57);
    m_members = new QListWidget(this);
    m_members->setObjectName(QStringLiteral("members"));
    m_members->setGeometry(10, 129, 235, 255);
    for (QListWidget* l : {m_genre, m_members}) {
        l->setFrameShape(QFrame::NoFrame);
        l->setEditTriggers(QAbstractItemView::NoEditTriggers);
        l->setSelectionMode(QAbstractItemView::SingleSelection);
        l->setMovement(QListView::Static);
        l->setResizeMode(QListView::Adjust);
        l->setWordWrap(true);
        l->installEventFilter(this);
        l->viewport()->installEventFilter(this);
    }
    m_genre->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    connect(m_genre, &QListWidget::itemClicked, this, &Tvistel_form::genreClick);
    connect(m_members, &QListWidget::itemPressed, this, &Tvistel_form::membersClick);
    connect(m_members, &QListWidget::itemDoubleClicked, this, &Tvistel_form::membersDblClick);
    m_members->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(m_members, &QWidget::customContextMenuRequested, this, [this](const QPoint& at) {
        for (auto& [button, action] : m_popupActions)
            action->setEnabled(m_state && m_state->enabled(button));
        m_actSort->setEnabled(m_state && !m_state->items().empty());
        m_popup->popup(m_members->viewport()->mapToGlobal(at));
    });

    m_catHeading = label("LMDLabelFill1");
    m_catHeading->move(57, 5);
    m_itemHeadingLabel = label("LMDLabelFill3");
    m_itemHeadingLabel->move(8, 102);
    m_detailsHeading = label("LMDLabelFill9");
    m_detailsHeading->move(275, 102);
    m_thumbHeading = label("LMDLabelFill9_2");
    m_thumbHeading->move(275, 102);
    m_thumbHeading->hide();
    m_title = label("form_name");
    m_title->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    m_title->setAutoSize(false);
    m_title->setGeometry(330, 5, 276, 20);
    for (std::size_t r = 0; r < kRowCount; ++r) {
        m_rowHeadings[r] = label(kRowHeadingNames[r]);
        m_rowValues[r] = label(kRowValueNames[r]);
        m_rowHeadings[r]->hide();
        m_rowValues[r]->hide();
    }
    auto* fileLabel = m_rowValues[static_cast<std::size_t>(Row::Name)];
    fileLabel->setAutoSize(false);
    fileLabel->resize(340, 20);
    auto* desc = m_rowValues[static_cast<std::size_t>(Row::Desc)];
    desc->setWordWrap(true);
    desc->setAutoSize(false);
    desc->resize(340, 48);
    desc->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    connect(desc, &Label3D::clicked, this, &Tvistel_form::descClick);
    connect(m_rowHeadings[static_cast<std::size_t>(Row::Desc)], &Label3D::clicked, this,
            &Tvistel_form::descClick);
    connect(m_rowValues[static_cast<std::size_t>(Row::Homepage)], &Label3D::clicked, this,
            &Tvistel_form::hpurlClick);
    m_rowValues[static_cast<std::size_t>(Row::Homepage)]->setClickable(true);
    for (Label3D* l : {m_rowHeadings[static_cast<std::size_t>(Row::Serial)],
                       m_rowValues[static_cast<std::size_t>(Row::Serial)]})
        connect(l, &Label3D::rightClicked, this, [this](const QPoint& at) { m_serialMenu->popup(at); });

    const auto picture = [this](const char* name) {
        auto* l = new QLabel(this);
        l->setObjectName(QString::fromLatin1(name));
        l->hide();
        return l;
    };
    m_rankpic = picture("rankpic");
    m_rankpicgif = picture("rankpicgif");
    m_langpic = picture("lang_pic");
    m_params = picture("params");

    for (const ButtonSpec& spec : mainButtons()) {
        auto* b = new ImageButton(this);
        b->setObjectName(QString::fromLatin1(spec.name));
        b->setGeometry(spec.left, spec.top, spec.width, spec.height);
        m_buttons[b->objectName()] = b;
    }
    const auto on = [this](const char* name, void (Tvistel_form::*slot)()) {
        connect(m_buttons.at(QString::fromLatin1(name)), &QAbstractButton::clicked, this, slot);
    };
    on("ausf", &Tvistel_form::ausfClick);
    on("copybtn", &Tvistel_form::copybtnClick);
    on("zip", &Tvistel_form::zipClick);
    on("browsebtn", &Tvistel_form::browsebtnClick);
    on("nfo", &Tvistel_form::nfoClick);
    on("info", &Tvistel_form::infoClick);
    on("about", &Tvistel_form::aboutClick);
    on("ende", &Tvistel_form::endeClick);
    on("minbtn", &Tvistel_form::minbtnClick);
    on("home_btn", &Tvistel_form::home_btnClick);
    on("lup_btn", &Tvistel_form::lup_btnClick);
    on("search_btn", &Tvistel_form::search_btnClick);
    m_hidedet = new ImageButton(this);
    m_hidedet->setObjectName(QStringLiteral("hidedetbtn"));
    m_hidedet->setGeometry(600, 105, 15, 15);
    connect(m_hidedet, &QAbstractButton::clicked, this, &Tvistel_form::hidedetbtnClick);
    m_docthumb = new ImageButton(this);
    m_docthumb->setObjectName(QStringLiteral("docthumbtn"));
    m_docthumb->setGeometry(615, 105, 15, 15);
    connect(m_docthumb, &QAbstractButton::clicked, this, &Tvistel_form::docthumbtnClick);
}

QString Tvistel_form::text(const std::string& bytes) const {
    return fromBytes(bytes, m_state ? m_state->language().codepage()
                                    : tarnic::Codepage::Windows1252);
}

QString Tvistel_form::lang(const char* section, const char* key) const {
    return m_state ? text(m_state->language().text(section, key)) : QString();
}

void Tvistel_form::message(const QString& msg) {
    const QString title = windowTitle();
    if (m_messageHook)
        m_messageHook(title, msg);
    else
        QMessageBox::information(this, title, msg);
}

void Tvistel_form::reportMissing(const tarnic::Error& error) {
    message(QString::fromStdString(error.message()));
}

std::optional<QPixmap> Tvistel_form::skinPicture(const char* name, bool required) {
    const fs::path file = locate(m_folders.skin, name);
    auto pic = loadPicture(file);
    if (pic)
        return *pic;
    if (required)
        reportMissing(pic.error());
    return std::nullopt;
}

bool Tvistel_form::startUp(bool withSound) {
    // Cursors, the design's splash settings and the fixed geometry come first.
    for (std::size_t i = 0; i < 3; ++i)
        m_cursors[i]->load(m_folders.skin, std::array{"default", "active", "move"}[i]);
    std::optional<tarnic::Error> designError;
    if (auto d = loadDesign(m_folders.designFile()))
        m_design = *d;
    else
        designError = d.error();
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (screen && !parentWidget()) {
        const QRect s = screen->availableGeometry();
        move(s.left() + (s.width() - width()) / 2, s.top() + (s.height() - height()) / 2);
    }

    m_state = std::make_unique<MenuState>(
        m_folders, MenuLanguage::load(m_folders.languageFile(), m_design.style));
    const GeneralSettings& g = m_state->general();
    const QString title = text(g.cdTitle);
    setWindowTitle(title);
    QApplication::setApplicationDisplayName(title);
    m_title->setText(title);
    if (auto icon = tarnic::findCaseInsensitive(m_folders.skin, skinfile::kIcon))
        QApplication::setWindowIcon(QIcon(fromPath(*icon)));

    m_fonts->install(m_design.fontSlots, m_folders.data);
    applyLanguage();
    applyCursors();
    if (designError) {
        reportMissing(*designError);
        return false;
    }
    if (!applyDesign())
        return false;
    m_state->loadCategories();
    if (!loadCategoryIcons())
        return false;
    for (const std::string& e : m_state->takeErrors())
        message(QString::fromStdString(e));

    runSplashThenSounds(withSound);
    m_state->start();
    m_started = true;
    refresh();
    if (!m_state->items().empty())
        m_members->setFocus();
    return true;
}

void Tvistel_form::runSplashThenSounds(bool withSound) {
    const SplashSettings& sp = m_design.splash;
    if (!sp.enabled) {
        startSounds(withSound);
        return;
    }
    auto pic = skinPicture(skinfile::kSplash);
    if (!pic) {
        startSounds(withSound);
        return;
    }
    auto* splash = new QLabel(nullptr, Qt::SplashScreen | Qt::FramelessWindowHint |
                                           Qt::WindowStaysOnTopHint);
    splash->setObjectName(QStringLiteral("splash"));
    splash->setAttribute(Qt::WA_DeleteOnClose);
    const int w = sp.width > 0 ? sp.width : pic->width();
    const int h = sp.height > 0 ? sp.height : pic->height();
    QPixmap framed(w, h);
    {
        QPainter p(&framed);
        p.drawPixmap(framed.rect(), *pic);
        const int fw = std::max(0, sp.frameWidth);
        if (fw > 0) {
            // Outer and inner frame in the highlight colour.
            p.setPen(QPen(toQColor(sp.frameColour), fw));
            p.setBrush(Qt::NoBrush);
            p.drawRect(QRectF(fw / 2.0, fw / 2.0, w - fw, h - fw));
            p.drawRect(QRectF(fw * 2.5, fw * 2.5, w - fw * 5, h - fw * 5));
        }
    }
    splash->setPixmap(framed);
    splash->resize(w, h);
    if (const QScreen* s = QGuiApplication::primaryScreen())
        splash->move(s->geometry().center() - QPoint(w / 2, h / 2));
    splash->show();
    QTimer::singleShot(std::clamp(sp.delayMs, 0, 60000), this, [this, splash, withSound] {
        splash->close();
        startSounds(withSound);
    });
}

void Tvistel_form::startSounds(bool withSound) {
    const bool music = withSound && m_sounds->load(m_folders.skin, m_design.soundEnabled);
    m_actMusic->setEnabled(music);
    m_actMusic->setChecked(music);
}

void Tvistel_form::applyCursors() {
    QList<QWidget*> active = {m_genre, m_members, m_rowValues[static_cast<std::size_t>(Row::Homepage)],
                              m_hidedet, m_docthumb};
    for (auto& [name, b] : m_buttons)
        active.push_back(b);
    m_cursors[0]->apply(this);
    m_cursors[0]->apply(m_thumb);
    for (QWidget* w : active)
        m_cursors[1]->apply(w);
    for (QWidget* w : {static_cast<QWidget*>(m_catHeading), static_cast<QWidget*>(m_itemHeadingLabel),
                       static_cast<QWidget*>(m_detailsHeading), static_cast<QWidget*>(m_thumbHeading),
                       static_cast<QWidget*>(m_title)})
        m_cursors[2]->apply(w);
}

bool Tvistel_form::applyLanguage() {
    m_catHeading->setText(lang("Heading", "1"));
    for (std::size_t r = 0; r < kRowCount; ++r)
        m_rowHeadings[r]->setText(lang("Details", kRowHeadingKeys[r]));
    const auto hint = [this](const char* name, const char* key) {
        m_buttons.at(QString::fromLatin1(name))->setToolTip(lang("Hints", key));
    };
    hint("home_btn", "1");
    hint("lup_btn", "2");
    hint("copybtn", "7");
    hint("ausf", "8");
    hint("zip", "9");
    hint("about", "10");
    hint("ende", "11");
    hint("info", "12");
    hint("nfo", "13");
    hint("browsebtn", "14");
    hint("minbtn", "31");
    hint("search_btn", "32");
    m_langpic->setToolTip(lang("Hints", "30"));
    applyMenuTexts();
    return true;
}

bool Tvistel_form::loadButtonPictures() {
    for (const ButtonSpec& spec : mainButtons()) {
        std::array<QPixmap, 4> pics;
        for (int state = 0; state < (spec.hasDisabled ? 4 : 3); ++state) {
            const std::string name = std::string(spec.prefix) + "_" + std::to_string(state) + ".jpg";
            auto pic = skinPicture(name.c_str());
            if (!pic)
                return false;
            pics[static_cast<std::size_t>(state)] = *pic;
        }
        m_buttonPictures[QString::fromLatin1(spec.name)] = pics;
        m_buttons.at(QString::fromLatin1(spec.name))->setPictures(pics[0], pics[1], pics[2], pics[3]);
    }
    for (auto [target, name] : {std::pair{&m_btnRight, skinfile::kDetailsOpen},
                                std::pair{&m_btnLeft, skinfile::kDetailsClosed},
                                std::pair{&m_btnDown, skinfile::kThumbOff}}) {
        auto pic = skinPicture(name);
        if (!pic)
            return false;
        *target = *pic;
    }
    m_hidedet->setPicture(m_btnRight);
    m_docthumb->setPicture(m_btnDown);
    return true;
}

bool Tvistel_form::applyDesign() {
    auto bg = skinPicture(skinfile::kBackground);
    if (!bg)
        return false;
    m_background = *bg;
    update();
    const auto wallpaper = [this](QListWidget* list, const char* file, const ListStyle& style) {
        auto pic = skinPicture(file);
        if (!pic)
            return false;
        QPalette pal = list->palette();
        pal.setBrush(QPalette::Base, QBrush(*pic));
        pal.setColor(QPalette::Text, toQColor(style.font.colour));
        pal.setColor(QPalette::HighlightedText, Qt::white);
        pal.setColor(QPalette::Highlight, QColor(0, 128, 0));
        list->setPalette(pal);
        list->setFont(toQFont(style.font, list->font()));
        return true;
    };
    if (!wallpaper(m_genre, skinfile::kCategoryWall, m_design.boxc))
        return false;
    if (!wallpaper(m_members, skinfile::kItemWall, m_design.boxf))
        return false;
    const auto style3d = [](Label3D* l, const Text3DStyle& s) {
        l->setStyle3D(s, toQFont(s.font, l->font()));
    };
    style3d(m_title, m_design.fontcdname);
    style3d(m_catHeading, m_design.fontcategory);
    style3d(m_itemHeadingLabel, m_design.fontfiles);
    style3d(m_detailsHeading, m_design.fontdetails);
    style3d(m_thumbHeading, m_design.fontdetails);
    for (std::size_t r = 0; r < kRowCount; ++r) {
        style3d(m_rowHeadings[r], m_design.fontdetailsHl);
        style3d(m_rowValues[r], m_design.fontdetailsText);
    }
    Text3DStyle link = m_design.fontdetailsText;
    link.font.underline = true;
    style3d(m_rowValues[static_cast<std::size_t>(Row::Homepage)], link);

    std::array<int, kRowCount> widths{};
    for (std::size_t r = 0; r < kRowCount; ++r)
        widths[r] = m_rowHeadings[r]->sizeHint().width();
    m_state->setHeadingWidths(widths);

    const HintStyle& h = m_design.hint;
    const QFont hintFont = toQFont(h.font, font());
    setStyleSheet(QStringLiteral("QToolTip { color: %1; background-color: %2; border: 1px solid %3;"
                                 " font-family: \"%4\"; font-size: %5pt; }")
                      .arg(toQColor(h.font.colour).name(), toQColor(h.background).name(),
                           toQColor(h.border).name(), hintFont.family())
                      .arg(std::max(h.font.size, 6)));

    if (!loadButtonPictures())
        return false;
    if (auto thumbBg = skinPicture(skinfile::kThumbBackground))
        m_thumb->setBackground(*thumbBg);
    else
        return false;
    return true;
}

bool Tvistel_form::loadCategoryIcons() {
    m_categoryIcons.clear();
    for (int id = 1; id <= m_state->categoryCount(); ++id) {
        const fs::path file = locate(m_folders.data, std::to_string(id) + ".ico");
        auto pic = loadPicture(file);
        if (!pic) {
            reportMissing(pic.error());
            return false;
        }
        m_categoryIcons.push_back(*pic);
    }
    m_itemIcons.clear();
    for (int n = 1; n <= 14; ++n) {
        const fs::path file = locate(m_folders.data, "m" + std::to_string(n) + ".ico");
        auto pic = loadPicture(file);
        if (!pic) {
            reportMissing(pic.error());
            return false;
        }
        m_itemIcons.push_back(*pic);
    }
    return true;
}

void Tvistel_form::paintEvent(QPaintEvent*) {
    QPainter p(this);
    const QPixmap& bg =
        (m_state && m_state->panel() == Panel::ListOnly) ? m_backgroundFull : m_background;
    if (!bg.isNull())
        p.drawPixmap(rect(), bg);
    else
        p.fillRect(rect(), Qt::black);
}

// ---- showing the state ----------------------------------------------------

void Tvistel_form::refresh() {
    if (!m_state)
        return;
    refreshLists();
    refreshDetails();
    refreshButtons();
    refreshPanel();
    refreshThumbnail();
}

void Tvistel_form::refreshLists() {
    const QSignalBlocker b1(m_genre), b2(m_members);
    const bool large = m_state->largeCategoryIcons();
    const int catSize = large ? 32 : 25;
    const QColor catBack = toQColor(m_design.boxc.iconBackground);
    m_genre->clear();
    m_genre->setViewMode(large ? QListView::IconMode : QListView::ListMode);
    m_genre->setFlow(QListView::LeftToRight);
    m_genre->setWrapping(true);
    m_genre->setIconSize(QSize(catSize, catSize));
    m_genre->setGridSize(large ? QSize(100, 55) : QSize());
    for (const CategoryEntry& e : m_state->categories()) {
        auto* item = new QListWidgetItem(text(e.caption), m_genre);
        const auto i = static_cast<std::size_t>(e.imageIndex);
        if (e.imageIndex >= 0 && i < m_categoryIcons.size())
            item->setIcon(plainIcon(onBackground(m_categoryIcons[i], catSize, catBack)));
    }
    m_genre->setCurrentRow(m_state->selectedCategory());

    const bool report = m_state->panel() != Panel::ListOnly;
    const int itemSize = report ? 16 : 22;
    const QColor itemBack = toQColor(m_design.boxf.iconBackground);
    m_members->clear();
    m_members->setViewMode(report ? QListView::ListMode : QListView::IconMode);
    m_members->setFlow(report ? QListView::TopToBottom : QListView::LeftToRight);
    m_members->setWrapping(!report);
    m_members->setIconSize(QSize(itemSize, itemSize));
    m_members->setGridSize(report ? QSize() : QSize(110, 56));
    m_members->setGeometry(10, 129, report ? 235 : 615, 255);
    for (const ItemEntry& e : m_state->items()) {
        auto* item = new QListWidgetItem(text(e.caption), m_members);
        item->setData(Qt::UserRole, e.number);
        const auto i = static_cast<std::size_t>(e.icon);
        if (e.icon >= 0 && i < m_itemIcons.size())
            item->setIcon(plainIcon(onBackground(m_itemIcons[i], itemSize, itemBack)));
    }
    m_members->setCurrentRow(m_state->selectedItem());
    m_itemHeadingLabel->setText(text(m_state->itemHeading()));
}

void Tvistel_form::refreshDetails() {
    const DetailsView& d = m_state->details();
    const std::array<const std::string*, kRowCount> values = {
        &d.filename, &d.serial, &d.sizep, &d.sizeup, &d.desc, &d.rank, &d.system, &d.hpurl};
    for (std::size_t r = 0; r < kRowCount; ++r) {
        const RowView& v = d.rows[r];
        m_rowValues[r]->setText(text(*values[r]));
        m_rowHeadings[r]->move(v.heading.left, v.heading.top);
        m_rowHeadings[r]->setVisible(v.heading.visible);
        m_rowValues[r]->move(v.value.left, v.value.top);
        m_rowValues[r]->setVisible(v.value.visible);
    }
    m_rowHeadings[static_cast<std::size_t>(Row::Homepage)]->setText(text(d.homepageHeading));
    m_detailsHeading->setText(text(d.detailsHeading));
    m_detailsHeading->setToolTip(text(d.detailsHint));
    m_thumbHeading->setText(text(d.thumbHeading));
    m_thumbHeading->setToolTip(text(d.thumbHint));
    m_params->setProperty("text", text(d.params));

    const auto showPicture = [this](QWidget* w, const Place& place, const fs::path& file) {
        auto* label = static_cast<QLabel*>(w);
        if (!place.visible || file.empty()) {
            label->hide();
            return;
        }
        auto pic = loadPicture(file);
        if (!pic) {
            label->hide();
            if (m_reportedMissing.insert(file).second)
                reportMissing(pic.error());
            return;
        }
        label->setPixmap(*pic);
        label->setGeometry(place.left, place.top, pic->width(), pic->height());
        label->show();
    };
    showPicture(m_rankpic, d.rankPic, d.rankPicture);
    showPicture(m_rankpicgif, d.rankPicGif, d.rankPicture);
    m_rankpic->setToolTip(text(d.rank));
    m_rankpicgif->setToolTip(text(d.rank));
    showPicture(m_langpic, d.flag, d.flagPicture);

    const bool info = m_state->enabled(ItemButton::Info);
    for (Label3D* l : {m_rowValues[static_cast<std::size_t>(Row::Desc)],
                       m_rowHeadings[static_cast<std::size_t>(Row::Desc)]}) {
        l->setClickable(info);
        l->setCursor(info ? Qt::PointingHandCursor : Qt::ArrowCursor);
    }
}

void Tvistel_form::setButtonEnabled(ImageButton* button, bool on) {
    button->setEnabled(on);
    button->update();
}

void Tvistel_form::refreshButtons() {
    const std::pair<const char*, ItemButton> map[] = {
        {"ausf", ItemButton::Execute},    {"copybtn", ItemButton::Copy},
        {"zip", ItemButton::Unpack},      {"browsebtn", ItemButton::Explorer},
        {"nfo", ItemButton::InfoFiles},   {"info", ItemButton::Info},
        {"home_btn", ItemButton::Home},   {"lup_btn", ItemButton::LevelUp}};
    for (const auto& [name, button] : map)
        setButtonEnabled(m_buttons.at(QString::fromLatin1(name)), m_state->enabled(button));
}

void Tvistel_form::refreshPanel() {
    const Panel panel = m_state->panel();
    m_hidedet->setPicture(panel == Panel::ListOnly ? m_btnLeft : m_btnRight);
    m_hidedet->setToolTip(lang("Hints", panel == Panel::ListOnly ? "26" : "27"));
    m_docthumb->setPicture(panel == Panel::Thumbnail && !m_btnUp.isNull() ? m_btnUp : m_btnDown);
    m_docthumb->setToolTip(lang("Hints", panel == Panel::Thumbnail ? "28" : "29"));
    m_detailsHeading->setVisible(panel == Panel::Details);
    m_thumbHeading->setVisible(panel == Panel::Thumbnail);
    m_actAlways->setChecked(m_state->thumbOption() == ThumbOption::Always);
    m_actNever->setChecked(m_state->thumbOption() == ThumbOption::Never);
    m_actWhenAvailable->setChecked(m_state->thumbOption() == ThumbOption::WhenAvailable);
    update();
}

void Tvistel_form::refreshThumbnail() {
    const ThumbView& t = m_state->thumb();
    if (t.docked != m_thumb->docked())
        m_thumb->setDocked(t.docked);
    m_thumb->setPicture(t.picture, t.whiteBackground);
    if (!t.visible || !isVisible()) {
        m_thumb->hide();
        return;
    }
    const QPoint origin = mapToGlobal(QPoint(0, 0));
    if (t.docked) {
        const Point p = dockedThumbnailPlace({origin.x(), origin.y()});
        m_thumb->move(p.x, p.y);
    } else if (!m_thumb->placed) {
        const QScreen* s = QGuiApplication::primaryScreen();
        const Point p = freeThumbnailPlace({origin.x(), origin.y()}, s ? s->geometry().width() : 1024);
        m_thumb->move(p.x, p.y);
        m_thumb->placed = true;
    }
    m_thumb->show();
    m_thumb->raise();
}

} // namespace vistel
