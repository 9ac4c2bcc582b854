#include "icon_choosers.h"

#include "designer/categories/category_texts.h"
#include "designer/language/desktop_services.h"
#include "designer/language/dialog_runner.h"
#include "designer/language/message_service.h"
#include "designer/language/ui_language.h"
#include "designer/project/project_session.h"
#include "shared/file_io.h"

#include <QAction>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QEvent>
#include <QHBoxLayout>
#include <QImageReader>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QPointer>
#include <QPushButton>
#include <QVBoxLayout>

namespace vardeo {

namespace fs = std::filesystem;

namespace {

QPushButton* button(QWidget* parent, const char* name) {
    auto* b = new QPushButton(parent);
    b->setObjectName(QString::fromLatin1(name));
    return b;
}

// The first picture of an icon file; a null icon when it cannot be read.
QIcon readIcon(const fs::path& file) {
    QImageReader reader(pathToQString(file));
    const QImage image = reader.read();
    return image.isNull() ? QIcon() : QIcon(QPixmap::fromImage(image));
}

void reportUnreadable(const fs::path& file) {
    messages().showText(QStringLiteral("Cannot open file \"%1\".").arg(pathToQString(file)), BoxKind::Error,
                        BoxButtons::Ok);
}

QString fromBytes(const std::string& bytes) { return uiLanguage().decode(bytes); }

} // namespace

QString homebaseAddress() { return QStringLiteral("https://www.tarnic.de/"); }

HomebaseLink::HomebaseLink(const QString& text, QColor hover, QColor normal, QWidget* parent)
    : QWidget(parent), m_label(new QLabel(text, this)), m_hover(hover), m_normal(normal) {
    setObjectName(QStringLiteral("adverttext"));
    // The texts are white on the form's dark band, as on the original forms.
    setAutoFillBackground(true);
    QPalette band = palette();
    band.setColor(QPalette::Window, QColor(120, 130, 160));
    setPalette(band);
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(8, 4, 8, 4);
    row->addStretch();
    row->addWidget(m_label);
    m_label->setCursor(Qt::PointingHandCursor);
    QFont f = m_label->font();
    f.setBold(true);
    f.setUnderline(true);
    m_label->setFont(f);
    m_label->installEventFilter(this);
    paint(m_normal);
}

void HomebaseLink::setText(const QString& text) { m_label->setText(text); }

void HomebaseLink::paint(const QColor& colour) {
    QPalette p = m_label->palette();
    p.setColor(QPalette::WindowText, colour);
    m_label->setPalette(p);
}

bool HomebaseLink::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_label) {
        if (event->type() == QEvent::Enter)
            paint(m_hover);
        else if (event->type() == QEvent::Leave)
            paint(m_normal);
        else if (event->type() == QEvent::MouseButtonRelease)
            openWithDesktop(QUrl(homebaseAddress()));
    }
    return QWidget::eventFilter(watched, event);
}

// ---------------------------------------------------------------- Tiwform

Tiwform::Tiwform(fs::path programFolder, QWidget* parent)
    : QDialog(parent), m_programFolder(std::move(programFolder)) {
    setObjectName(QStringLiteral("iwform"));
    m_heading = new QLabel(this);
    QFont hf = m_heading->font();
    hf.setBold(true);
    hf.setPointSizeF(hf.pointSizeF() * 1.2);
    m_heading->setFont(hf);
    m_packs = new QComboBox(this);
    m_packs->setObjectName(QStringLiteral("ipwahl"));
    m_icons = new QListWidget(this);
    m_icons->setObjectName(QStringLiteral("genreitems"));
    m_icons->setViewMode(QListView::IconMode);
    m_icons->setIconSize(QSize(32, 32));
    m_icons->setGridSize(QSize(56, 60));
    m_icons->setResizeMode(QListView::Adjust);
    m_icons->setMovement(QListView::Static);
    m_icons->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_icons->setMinimumSize(420, 260);
    m_ok = button(this, "OK");
    m_cancel = button(this, "Cancel");

    auto* top = new QHBoxLayout;
    top->addWidget(m_heading);
    top->addStretch();
    top->addWidget(m_packs);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_ok);
    buttons->addWidget(m_cancel);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(m_icons);
    layout->addLayout(buttons);

    connect(m_packs, &QComboBox::activated, this, [this](int index) {
        showPack(packNumberOf(m_packs->itemText(index).toStdString()));
    });
    connect(m_icons, &QListWidget::itemClicked, this, [] { playClick(); });
    connect(m_icons, &QListWidget::itemDoubleClicked, this, [this] { OKClick(); });
    connect(m_ok, &QPushButton::clicked, this, [this] {
        playClick();
        OKClick();
    });
    connect(m_cancel, &QPushButton::clicked, this, [this] {
        playClick();
        reject();
    });
    applyLanguage();
}

void Tiwform::applyLanguage() {
    setWindowTitle(categoryText("Texts", "T12"));
    m_heading->setText(categoryCaption("IconWahl", 1));
    m_ok->setText(categoryCaption("IconWahl", 2));
    m_cancel->setText(categoryCaption("IconWahl", 3));
}

void Tiwform::prepare() {
    if (!m_filled) {
        m_filled = true;
        for (const IconPack& p : listIconPacks(m_programFolder))
            m_packs->addItem(QString::fromStdString(p.name));
        m_packs->setCurrentIndex(m_packs->count() > 0 ? 0 : -1);
    }
    if (m_packs->currentIndex() >= 0)
        showPack(packNumberOf(m_packs->currentText().toStdString()));
}

void Tiwform::showPack(int number) {
    const PackContents pack = readIconPack(m_programFolder, number);
    m_packNumber = number;
    m_packFolder = pack.folder;
    m_icons->clear();
    for (const PackIcon& icon : pack.icons) {
        const QIcon picture = readIcon(icon.file);
        if (picture.isNull()) {
            // A pack that names more icons than it holds ends the listing here.
            reportUnreadable(icon.file);
            break;
        }
        auto* item = new QListWidgetItem(picture, QString::fromStdString(icon.caption), m_icons);
        item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
    }
}

void Tiwform::OKClick() {
    const QList<QListWidgetItem*> chosen = m_icons->selectedItems();
    if (chosen.isEmpty()) {
        showCategoryMessage("M25");
        return;
    }
    m_chosen = packIconFile(m_packFolder, m_packNumber, chosen.front()->text().toStdString());
    accept();
}

std::optional<fs::path> Tiwform::choose() {
    prepare();
    m_chosen.clear();
    if (runModal(*this) != QDialog::Accepted)
        return std::nullopt;
    if (m_chosen.empty()) { // accepted by a test hook that only selected an icon
        const QList<QListWidgetItem*> chosen = m_icons->selectedItems();
        if (chosen.isEmpty())
            return std::nullopt;
        m_chosen = packIconFile(m_packFolder, m_packNumber, chosen.front()->text().toStdString());
    }
    return m_chosen;
}

// ---------------------------------------------------------------- Tm_icon_form

Tm_icon_form::Tm_icon_form(fs::path programFolder, QWidget* parent)
    : QDialog(parent), m_programFolder(std::move(programFolder)) {
    setObjectName(QStringLiteral("m_icon_form"));
    m_heading = new QLabel(this);
    QFont hf = m_heading->font();
    hf.setBold(true);
    hf.setPointSizeF(hf.pointSizeF() * 1.2);
    m_heading->setFont(hf);
    m_sets = new QComboBox(this);
    m_sets->setObjectName(QStringLiteral("ipwahl"));
    m_sets->setMinimumWidth(200);
    m_numbers = new QComboBox(this);
    m_numbers->setObjectName(QStringLiteral("ipwahl_nr"));
    m_numbers->hide();
    m_members = new QListWidget(this);
    m_members->setObjectName(QStringLiteral("members"));
    m_members->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_members->setMinimumSize(420, 280);
    m_members->setContextMenuPolicy(Qt::CustomContextMenu);
    m_menu = new QMenu(this);
    m_large = m_menu->addAction(QString());
    m_large->setObjectName(QStringLiteral("LargeIcons1"));
    m_large->setCheckable(true);
    m_small = m_menu->addAction(QString());
    m_small->setObjectName(QStringLiteral("SmallIcons1"));
    m_small->setCheckable(true);
    m_small->setChecked(true);
    m_ok = button(this, "OK");
    m_cancel = button(this, "Cancel");
    m_help = button(this, "Help");
    m_link = new HomebaseLink(QString(), QColor(56, 59, 146), Qt::white, this);

    auto* top = new QHBoxLayout;
    top->addWidget(m_heading);
    top->addStretch();
    top->addWidget(m_sets);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(m_help);
    buttons->addStretch();
    buttons->addWidget(m_ok);
    buttons->addWidget(m_cancel);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(m_members);
    layout->addLayout(buttons);
    layout->addWidget(m_link);

    connect(m_sets, &QComboBox::activated, this, [this](int index) { showSet(index); });
    connect(m_members, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& pos) { m_menu->popup(m_members->viewport()->mapToGlobal(pos)); });
    connect(m_large, &QAction::triggered, this, [this] { setLargeIcons(true); });
    connect(m_small, &QAction::triggered, this, [this] { setLargeIcons(false); });
    connect(m_ok, &QPushButton::clicked, this, [this] {
        playClick();
        OKClick();
    });
    connect(m_cancel, &QPushButton::clicked, this, [this] {
        playClick();
        reject();
    });
    connect(m_help, &QPushButton::clicked, this, [] {
        playClick();
        openHelpTopic(8000);
    });
    applyLanguage();
}

void Tm_icon_form::applyLanguage() {
    m_heading->setText(categoryCaption("M_Icon", 1));
    m_ok->setText(categoryCaption("M_Icon", 2));
    m_cancel->setText(categoryCaption("M_Icon", 3));
    m_help->setText(categoryCaption("M_Icon", 4));
    m_large->setText(categoryCaption("M_Icon", 5));
    m_small->setText(categoryCaption("M_Icon", 6));
    m_link->setText(categoryCaption("M_Icon", 7));
}

int Tm_icon_form::selectedNumber() const {
    return m_numbers->currentIndex() >= 0 ? m_numbers->currentText().toInt() : 0;
}

void Tm_icon_form::prepare(int projectSet) {
    if (projectSet == 0)
        projectSet = kDefaultMemberIconSet;
    if (!m_filled) {
        m_filled = true;
        for (const MemberIconSet& s : listMemberIconSets(m_programFolder)) {
            m_sets->addItem(fromBytes(s.name));
            m_numbers->addItem(QString::number(s.number));
        }
        m_sets->setCurrentIndex(m_sets->count() > 0 ? 0 : -1);
    }
    // A set that is not installed leaves the selection where it was.
    const int found = m_numbers->findText(QString::number(projectSet));
    if (found >= 0)
        m_sets->setCurrentIndex(found);
    if (m_sets->currentIndex() >= 0)
        showSet(m_sets->currentIndex());
}

void Tm_icon_form::showSet(int index) {
    m_numbers->setCurrentIndex(index);
    m_setIcons.clear();
    if (index < 0)
        return;
    const int nr = m_numbers->itemText(index).toInt();
    for (int n = 1; n <= kMemberIconCount; ++n) {
        const fs::path file = memberIconFile(m_programFolder, nr, n);
        QIcon icon = readIcon(file);
        if (icon.isNull()) {
            reportUnreadable(file);
            break;
        }
        m_setIcons.push_back(std::move(icon));
    }
    setWindowTitle(QStringLiteral("Tarnic - Vardeo - ") + m_sets->itemText(index));
    m_members->clear();
    for (int i = 0; i < kMemberIconCount; ++i) {
        QString name = categoryCaption("MD", 10 + i);
        if (name.isEmpty())
            name = QStringLiteral("Sample Item %1").arg(i + 1);
        auto* item = new QListWidgetItem(name, m_members);
        if (static_cast<std::size_t>(i) < m_setIcons.size())
            item->setIcon(m_setIcons[static_cast<std::size_t>(i)]);
    }
    setLargeIcons(m_large->isChecked());
}

void Tm_icon_form::setLargeIcons(bool large) {
    m_large->setChecked(large);
    m_small->setChecked(!large);
    if (large) {
        m_members->setViewMode(QListView::IconMode);
        m_members->setIconSize(QSize(22, 22));
        m_members->setGridSize(QSize(110, 56));
        m_members->setMovement(QListView::Static);
        m_members->setResizeMode(QListView::Adjust);
        m_members->setWordWrap(true);
    } else {
        m_members->setViewMode(QListView::ListMode);
        m_members->setIconSize(QSize(16, 16));
        m_members->setGridSize(QSize());
    }
}

void Tm_icon_form::OKClick() { accept(); }

std::optional<int> Tm_icon_form::choose(int projectSet) {
    prepare(projectSet);
    if (runModal(*this) != QDialog::Accepted || m_sets->currentIndex() < 0)
        return std::nullopt;
    return selectedNumber();
}

bool runMemberIconChooser(QWidget* parent, ProjectSession& session) {
    // One instance for the run, like every designer dialog; it goes with its parent.
    static QPointer<Tm_icon_form> form;
    if (form.isNull() || form->parentWidget() != parent) {
        delete form.data();
        form = new Tm_icon_form(uiLanguage().programFolder(), parent);
    }
    const auto chosen = form->choose(session.header().memberIconSet);
    if (!chosen)
        return false;
    if (*chosen != session.header().memberIconSet) {
        session.header().memberIconSet = *chosen;
        session.setModified();
    }
    if (session.modified() && session.isOpen())
        (void)session.writeEditCopyHeader();
    return true;
}

} // namespace vardeo
