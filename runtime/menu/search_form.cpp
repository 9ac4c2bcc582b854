#include "runtime/menu/search_form.h"

#include "runtime/menu/dialog_geometry.h"
#include "runtime/menu/image_button.h"
#include "runtime/menu/qt_bridge.h"

#include <QCollator>
#include <QGuiApplication>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QPainter>
#include <QScreen>
#include <QTreeWidget>

namespace vistel {

Tsearchform::Tsearchform(const DialogContext& context, QWidget* mainWindow)
    : QWidget(mainWindow, Qt::Tool | Qt::FramelessWindowHint), m_ctx(context), m_main(mainWindow) {
    setObjectName(QStringLiteral("Tsearchform"));
    setFixedSize(kSearchWidth, kSearchHeight);

    m_edit = new QLineEdit(QStringLiteral("*"), this);
    m_edit->setObjectName(QStringLiteral("Edit1"));
    m_edit->setGeometry(16, 15, 111, 18);
    m_edit->installEventFilter(this);
    connect(m_edit, &QLineEdit::returnPressed, this, &Tsearchform::searchClick);

    m_list = new QTreeWidget(this);
    m_list->setObjectName(QStringLiteral("members"));
    m_list->setGeometry(16, 46, 193, 224);
    m_list->setColumnCount(2);
    m_list->setColumnWidth(0, 120);
    m_list->setColumnWidth(1, 57);
    m_list->header()->hide();
    m_list->setRootIsDecorated(false);
    m_list->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_list->setSelectionMode(QAbstractItemView::SingleSelection);
    m_list->setIconSize(QSize(16, 16));
    m_list->installEventFilter(this);
    connect(m_list, &QTreeWidget::itemClicked, this, &Tsearchform::membersClick);

    const char* names[3] = {"search", "options", "ende"};
    const QRect places[3] = {{140, 8, 75, 30}, {13, 280, 75, 30}, {140, 280, 75, 30}};
    for (std::size_t i = 0; i < 3; ++i) {
        m_buttons[i] = new ImageButton(this);
        m_buttons[i]->setObjectName(QString::fromLatin1(names[i]));
        m_buttons[i]->setGeometry(places[i]);
    }
    connect(m_buttons[0], &QAbstractButton::clicked, this, &Tsearchform::searchClick);
    connect(m_buttons[1], &QAbstractButton::clicked, this, &Tsearchform::optionsClick);
    connect(m_buttons[2], &QAbstractButton::clicked, this, &Tsearchform::endeClick);

    m_menu = new QMenu(this);
    m_menu->setObjectName(QStringLiteral("AHMPopupMenu1"));
    m_searchIn = m_menu->addMenu(QString());
    m_sortBy = m_menu->addMenu(QString());
    const auto entry = [](QMenu* menu, const char* name) {
        QAction* a = menu->addAction(QString());
        a->setObjectName(QString::fromLatin1(name));
        a->setCheckable(true);
        return a;
    };
    m_inName = entry(m_searchIn, "SearchInName");
    m_inDesc = entry(m_searchIn, "SearchInDescription");
    m_sortName = entry(m_sortBy, "SortByName");
    m_sortCat = entry(m_sortBy, "SortByCategory");
    connect(m_inName, &QAction::triggered, this, [this] { m_options.clickInName(); syncMenu(); resort(); });
    connect(m_inDesc, &QAction::triggered, this, [this] { m_options.clickInDescription(); syncMenu(); resort(); });
    connect(m_sortName, &QAction::triggered, this, [this] { m_options.clickSort(SortBy::FileName); syncMenu(); resort(); });
    connect(m_sortCat, &QAction::triggered, this, [this] { m_options.clickSort(SortBy::Categories); syncMenu(); resort(); });
    syncMenu();
    applySkin();
}

void Tsearchform::applySkin() {
    m_background = m_ctx.skinPicture("sf_skin.jpg");
    m_wallpaper = m_ctx.skinPicture("sf_back.bmp");
    if (m_wallpaper.isNull())
        m_wallpaper = m_ctx.skinPicture("sf_back.jpg");
    const char* prefixes[3] = {"sf_search", "sf_options", "sf_exit"};
    const char* hints[3] = {"33", "38", "34"};
    for (std::size_t i = 0; i < 3; ++i) {
        m_ctx.skinButton(m_buttons[i], prefixes[i]);
        m_buttons[i]->setToolTip(m_ctx.lang("Hints", hints[i]));
    }
    m_list->setToolTip(m_ctx.lang("Hints", "35"));
    applyEditStyle(m_edit, m_ctx.design.editsd);
    const ListStyle& boxs = m_ctx.design.boxs;
    QPalette pal = m_list->palette();
    pal.setColor(QPalette::Base, Qt::black);
    pal.setColor(QPalette::Text, toQColor(boxs.font.colour));
    m_list->setPalette(pal);
    m_list->setFont(toQFont(boxs.font, m_list->font()));
    if (!m_wallpaper.isNull()) {
        pal.setBrush(QPalette::Base, QBrush(m_wallpaper));
        m_list->setPalette(pal);
    }
    m_searchIn->setTitle(m_ctx.lang("Other", "27"));
    m_sortBy->setTitle(m_ctx.lang("Other", "28"));
    m_inName->setText(m_ctx.lang("Other", "31"));
    m_inDesc->setText(m_ctx.lang("Other", "32"));
    m_sortName->setText(m_ctx.lang("Other", "29"));
    m_sortCat->setText(m_ctx.lang("Other", "30"));
}

void Tsearchform::syncMenu() {
    m_inName->setChecked(m_options.inName());
    m_inDesc->setChecked(m_options.inDescription());
    m_sortName->setChecked(m_options.sortBy() == SortBy::FileName);
    m_sortCat->setChecked(m_options.sortBy() == SortBy::Categories);
}

void Tsearchform::searchClick() {
    m_ctx.sound(3);
    runSearchNow();
}

void Tsearchform::runSearchNow() {
    const std::u16string text = m_edit->text().toStdU16String();
    const auto bytes = tarnic::encode(m_ctx.language.codepage(), text);
    // A letter the data set's code page cannot hold can match nothing in it.
    m_results = bytes ? runSearch(m_ctx.folders, *bytes, m_options) : std::vector<SearchResult>{};
    resort();
}

void Tsearchform::resort() {
    QCollator collator; // the desktop's locale order
    collator.setCaseSensitivity(Qt::CaseInsensitive);
    sortResults(m_results, m_options.sortBy(), [&](const std::string& a, const std::string& b) {
        return collator.compare(m_ctx.decode(a), m_ctx.decode(b)) < 0;
    });
    fillList();
}

void Tsearchform::fillList() {
    m_list->clear();
    for (const SearchResult& r : m_results) {
        auto* item = new QTreeWidgetItem(m_list);
        item->setText(0, m_ctx.decode(r.caption));
        item->setText(1, m_ctx.decode(r.categoryCaption));
        item->setData(0, Qt::UserRole, r.categoryIndex());
        item->setData(0, Qt::UserRole + 1, r.item);
        if (r.icon >= 0 && static_cast<std::size_t>(r.icon) < m_icons.size())
            item->setIcon(0, QIcon(m_icons[static_cast<std::size_t>(r.icon)]));
    }
}

void Tsearchform::membersClick() {
    QTreeWidgetItem* item = m_list->currentItem();
    if (!item)
        return;
    m_ctx.sound(2);
    const int category = item->data(0, Qt::UserRole).toInt();
    const int number = item->data(0, Qt::UserRole + 1).toInt();
    if (m_main)
        m_main->activateWindow();
    if (openResult)
        openResult(category, number);
    Q_EMIT resultChosen(category, number);
}

void Tsearchform::optionsClick() {
    m_ctx.sound(3);
    auto* b = m_buttons[1];
    m_menu->popup(b->mapToGlobal(QPoint(0, b->height())));
}

void Tsearchform::endeClick() {
    m_ctx.sound(3);
    hideWindow();
}

void Tsearchform::hideWindow() {
    hide();
    Q_EMIT closed();
}

void Tsearchform::toggle() {
    if (isVisible())
        hideWindow();
    else
        showBesideMain();
}

void Tsearchform::showBesideMain() {
    if (!m_placed) {
        const QScreen* screen = QGuiApplication::primaryScreen();
        const int screenWidth = screen ? screen->geometry().width() : 1024;
        const QPoint mainPos = m_main ? m_main->frameGeometry().topLeft() : QPoint(0, 0);
        const Point p = searchFormPlace({mainPos.x(), mainPos.y()}, screenWidth);
        move(p.x, p.y);
        m_placed = true;
    }
    show();
    raise();
}

void Tsearchform::paintEvent(QPaintEvent*) {
    QPainter p(this);
    if (!m_background.isNull())
        p.drawPixmap(rect(), m_background);
    else
        p.fillRect(rect(), QColor(40, 40, 40));
}

void Tsearchform::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        m_dragging = true;
        m_dragOffset = event->globalPosition().toPoint() - frameGeometry().topLeft();
    }
}

void Tsearchform::mouseMoveEvent(QMouseEvent* event) {
    if (!m_dragging || !(event->buttons() & Qt::LeftButton))
        return;
    const QScreen* screen = QGuiApplication::primaryScreen();
    const QRect s = screen ? screen->geometry() : QRect(0, 0, 1024, 768);
    const QPoint want = event->globalPosition().toPoint() - m_dragOffset;
    Point p = dragTo({want.x(), want.y()}, {s.left(), s.top(), s.width(), s.height()}, width(),
                     height(), s.width() - kSearchWidth, s.height() - kSearchHeight);
    if (m_main) {
        const QRect m = m_main->frameGeometry();
        p = snapToWindow(p, width(), height(), {m.left(), m.top(), m.width(), m.height()});
    }
    move(p.x, p.y);
}

void Tsearchform::closeEvent(QCloseEvent* event) {
    QWidget::closeEvent(event);
    Q_EMIT closed();
}

bool Tsearchform::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress && watched == m_edit &&
        static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape) {
        hideWindow();
        return true;
    }
    if (event->type() == QEvent::KeyRelease && watched == m_list)
        membersClick();
    return QWidget::eventFilter(watched, event);
}

} // namespace vistel
