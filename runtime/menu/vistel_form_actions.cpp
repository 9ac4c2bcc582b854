// The main window's commands: buttons, menus, list events, dragging.
#include "runtime/menu/image_button.h"
#include "runtime/menu/info_viewer.h"
#include "runtime/menu/label3d.h"
#include "runtime/menu/qt_bridge.h"
#include "runtime/menu/skin_media.h"
#include "runtime/menu/thumb_window.h"
#include "runtime/menu/vistel_form.h"
#include "runtime/menu/window_rules.h"
#include "shared/text.h"

#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QDesktopServices>
#include <QDrag>
#include <QFileInfo>
#include <QKeyEvent>
#include <QListWidget>
#include <QMenu>
#include <QMessageBox>
#include <QActionGroup>
#include <QMimeData>
#include <QProcess>
#include <QScreen>
#include <QUrl>

namespace vistel {

namespace {

constexpr const char* kProductHome = "https://tarnic.example.org/vardeo";

bool isNavigationKey(int key) {
    switch (key) {
    case Qt::Key_PageUp: case Qt::Key_PageDown: case Qt::Key_End: case Qt::Key_Home:
    case Qt::Key_Left: case Qt::Key_Right: case Qt::Key_Up: case Qt::Key_Down:
        return true;
    default:
        return false;
    }
}

QUrl urlOf(const QString& target) {
    if (target.startsWith(QLatin1Char('/')))
        return QUrl::fromLocalFile(target);
    return QUrl::fromUserInput(target);
}

} // namespace

void Tvistel_form::buildMenus() {
    const auto action = [this](QMenu* menu, const char* name, auto slot) {
        QAction* a = menu->addAction(QString());
        a->setObjectName(QString::fromLatin1(name));
        connect(a, &QAction::triggered, this, slot);
        return a;
    };
    m_infoMenu = new QMenu(this);
    m_infoMenu->setObjectName(QStringLiteral("AHMPopupMenu1"));
    action(m_infoMenu, "nfo1", [this] { infoFileEntry(false); });
    action(m_infoMenu, "diz1", [this] { infoFileEntry(true); });

    m_popup = new QMenu(this);
    m_popup->setObjectName(QStringLiteral("PopupMenu1"));
    m_popupActions[ItemButton::Execute] = action(m_popup, "Execute1", &Tvistel_form::ausfClick);
    m_popupActions[ItemButton::Copy] = action(m_popup, "Copy1", &Tvistel_form::copybtnClick);
    m_popupActions[ItemButton::Unpack] = action(m_popup, "Unpack1", &Tvistel_form::zipClick);
    m_popupActions[ItemButton::Explorer] = action(m_popup, "Explorer1", &Tvistel_form::browsebtnClick);
    QMenu* sub = m_popup->addMenu(QString());
    sub->setObjectName(QStringLiteral("InfoFiles1"));
    action(sub, "nfo2", [this] { infoFileEntry(false); });
    action(sub, "diz2", [this] { infoFileEntry(true); });
    m_popupActions[ItemButton::InfoFiles] = sub->menuAction();
    m_popupActions[ItemButton::Info] = action(m_popup, "Info1", &Tvistel_form::infoClick);
    m_popup->addSeparator();
    m_actSort = action(m_popup, "Sort1", [this] {
        m_state->sortItems();
        refreshLists();
    });

    m_options = new QMenu(this);
    m_options->setObjectName(QStringLiteral("AHMPopupMenu2"));
    auto* group = new QActionGroup(this);
    const auto thumbAction = [&](const char* name, ThumbOption option) {
        QAction* a = action(m_options, name, [this, option] {
            clickSound();
            m_state->setThumbOption(option);
            refresh();
        });
        a->setCheckable(true);
        group->addAction(a);
        return a;
    };
    m_actAlways = thumbAction("ThumbAlways", ThumbOption::Always);
    m_actNever = thumbAction("ThumbNever", ThumbOption::Never);
    m_actWhenAvailable = thumbAction("ThumbWhenAvailable", ThumbOption::WhenAvailable);
    m_actWhenAvailable->setChecked(true);
    action(m_options, "Separator8", [] {})->setEnabled(false);
    m_actSounds = action(m_options, "MenuSounds", [this] { m_sounds->setMenuSounds(m_actSounds->isChecked()); });
    m_actSounds->setCheckable(true);
    m_actSounds->setChecked(true);
    m_actMusic = action(m_options, "Music", [this] { m_sounds->setMusic(m_actMusic->isChecked()); });
    m_actMusic->setCheckable(true);
    m_actMusic->setEnabled(false);
    action(m_options, "Separator23", [] {})->setEnabled(false);
    // Enabled once the program plugs in the cover print dialog.
    m_actCover = action(m_options, "PrintCover", [this] {
        clickSound();
        if (m_dialogHooks.cover)
            m_dialogHooks.cover();
    });
    m_actCover->setEnabled(false);
    action(m_options, "Separator12", [] {})->setEnabled(false);
    m_actAbout = action(m_options, "About1", [this] {
        clickSound();
        const GeneralSettings& g = m_state->general();
        QString body;
        if (g.aboutLines.empty()) {
            body = text(g.cdTitle) + QStringLiteral("\nTarnic - Vardeo");
        } else {
            for (const std::string& line : g.aboutLines)
                body += text(line) + QLatin1Char('\n');
        }
        const QString link = g.aboutLink.empty() ? QString::fromLatin1(kProductHome) : text(g.aboutLink);
        const QString caption = text(m_state->language().raw("Other", "13")) + QLatin1Char(' ') + text(g.cdTitle);
        if (m_messageHook) {
            m_messageHook(caption, body + link);
            return;
        }
        QMessageBox box(QMessageBox::NoIcon, caption, QString(), QMessageBox::Ok, this);
        box.setObjectName(QStringLiteral("aboutbox"));
        box.setTextFormat(Qt::RichText);
        box.setText(body.toHtmlEscaped().replace(QLatin1Char('\n'), QStringLiteral("<br>")) +
                    QStringLiteral("<br><a href=\"%1\">%1</a>").arg(link.toHtmlEscaped()));
        box.setTextInteractionFlags(Qt::TextBrowserInteraction);
        box.exec();
    });
    m_actLink = action(m_options, "Link1", [this] {
        clickSound();
        const std::string& url = m_state->general().linkUrl;
        LaunchRequest r;
        r.kind = LaunchRequest::Kind::Open;
        r.target = url.empty() ? std::string(kProductHome) : url;
        launch(r);
    });

    m_serialMenu = new QMenu(this);
    m_serialMenu->setObjectName(QStringLiteral("AHMPopupMenu3"));
    action(m_serialMenu, "CopySerial", [this] {
        QApplication::clipboard()->setText(text(m_state->details().serial));
    });
}


void Tvistel_form::applyMenuTexts() {
    const auto set = [this](QMenu* menu, const char* name, const QString& caption) {
        if (auto* a = menu->findChild<QAction*>(QString::fromLatin1(name), Qt::FindDirectChildrenOnly))
            a->setText(caption);
        for (QAction* a : menu->actions())
            if (a->objectName() == QLatin1String(name))
                a->setText(caption);
    };
    m_popupActions[ItemButton::Execute]->setText(lang("Buttons", "8"));
    m_popupActions[ItemButton::Copy]->setText(lang("Buttons", "7"));
    m_popupActions[ItemButton::Unpack]->setText(lang("Buttons", "9"));
    m_popupActions[ItemButton::Explorer]->setText(lang("Buttons", "14"));
    m_popupActions[ItemButton::InfoFiles]->setText(lang("Buttons", "13"));
    m_popupActions[ItemButton::Info]->setText(lang("Buttons", "12"));
    m_actSort->setText(lang("Other", "33"));
    for (QMenu* menu : {m_infoMenu, m_popupActions[ItemButton::InfoFiles]->menu()}) {
        const auto actions = menu->actions();
        if (actions.size() >= 2) {
            actions[0]->setText(lang("Other", "4"));
            actions[1]->setText(lang("Other", "5"));
        }
    }
    m_actAlways->setText(lang("Other", "9"));
    m_actNever->setText(lang("Other", "10"));
    m_actWhenAvailable->setText(lang("Other", "11"));
    // Three positions of the options menu take their captions from the
    // language file; "-" keeps them separator lines.
    for (const auto& [name, key] : {std::pair{"Separator8", "8"}, std::pair{"Separator23", "23"},
                                    std::pair{"Separator12", "12"}}) {
        for (QAction* a : m_options->actions())
            if (a->objectName() == QLatin1String(name)) {
                const QString caption = lang("Other", key);
                a->setSeparator(caption == QLatin1String("-"));
                a->setText(caption);
            }
    }
    m_actSounds->setText(lang("Other", "25"));
    m_actMusic->setText(lang("Other", "26"));
    m_actCover->setText(lang("Other", "24"));
    m_actAbout->setText(lang("Other", "13") + QLatin1Char(' ') +
                        text(m_state->language().style(m_state->general().cdTitle)));
    const GeneralSettings& g = m_state->general();
    m_actLink->setText(g.linkUrl.empty() ? lang("Other", "15")
                                         : text(m_state->language().style(g.linkName)));
    for (QAction* a : m_serialMenu->actions())
        a->setText(lang("Other", "16"));
    (void)set;
}

// ---- sounds and messages ---------------------------------------------------

void Tvistel_form::clickSound() { m_sounds->play(3); }

// ---- buttons -----------------------------------------------------------------

void Tvistel_form::launch(const LaunchRequest& r) {
    if (r.kind == LaunchRequest::Kind::None)
        return;
    if (m_launchHook) {
        m_launchHook(r);
        return;
    }
    const QString target = QString::fromStdString(r.target);
    if (r.kind == LaunchRequest::Kind::ExploreFolder) {
        QDesktopServices::openUrl(QUrl::fromLocalFile(target));
        return;
    }
    const QFileInfo fi(target);
    if (target.startsWith(QLatin1Char('/')) && fi.isFile() && fi.isExecutable()) {
        QStringList args;
        for (const std::string& a : r.arguments)
            args << text(a);
        // Detached: the menu never waits for what it starts and reports nothing.
        QProcess::startDetached(target, args, fromPath(r.workingFolder));
        return;
    }
    QDesktopServices::openUrl(urlOf(target));
}

void Tvistel_form::ausfClick() {
    if (!m_state->enabled(ItemButton::Execute))
        return;
    clickSound();
    launch(m_state->executeRequest());
}

void Tvistel_form::setDialogHooks(DialogHooks hooks) {
    m_dialogHooks = std::move(hooks);
    m_actCover->setEnabled(static_cast<bool>(m_dialogHooks.cover));
}

void Tvistel_form::playSound(int n) { m_sounds->play(n); }

void Tvistel_form::openSearchResult(int category, int item) {
    activateWindow();
    m_state->openCategory(category, item);
    refresh();
}

void Tvistel_form::infoFileEntry(bool diz) {
    if (!m_state->enabled(ItemButton::InfoFiles))
        return;
    clickSound();
    if (m_dialogHooks.infoFile)
        m_dialogHooks.infoFile(diz);
}

void Tvistel_form::copybtnClick() {
    if (!m_state->enabled(ItemButton::Copy))
        return;
    clickSound();
    if (!m_dialogHooks.copy)
        return;
    auto* b = m_buttons.at(QStringLiteral("copybtn"));
    setButtonEnabled(b, false);
    m_dialogHooks.copy(CopyMode::Copy, m_state->currentFile());
    setButtonEnabled(b, m_state->enabled(ItemButton::Copy));
}

void Tvistel_form::zipClick() {
    if (!m_state->enabled(ItemButton::Unpack))
        return;
    clickSound();
    const bool rar = tarnic::iequals(m_state->currentFile().extension().string(), ".rar");
    if (m_dialogHooks.copy)
        m_dialogHooks.copy(rar ? CopyMode::Unrar : CopyMode::Unzip, m_state->currentFile());
}

void Tvistel_form::nfoClick() {
    if (!m_state->enabled(ItemButton::InfoFiles))
        return;
    clickSound();
    auto* b = m_buttons.at(QStringLiteral("nfo"));
    m_infoMenu->popup(b->mapToGlobal(QPoint(0, b->height())));
}

void Tvistel_form::browsebtnClick() {
    if (!m_state->enabled(ItemButton::Explorer))
        return;
    clickSound();
    launch(m_state->explorerRequest());
}

void Tvistel_form::infoClick() {
    if (!m_state->enabled(ItemButton::Info))
        return;
    clickSound();
    showInfo();
}

void Tvistel_form::descClick() { infoClick(); }

void Tvistel_form::showInfo() {
    if (!m_state->currentItem()) {
        message(lang("Language", "no_file_lang"));
        return;
    }
    const auto file = m_state->infoText();
    if (!file) {
        message(lang("Language", "no_info_lang"));
        return;
    }
    const bool nfo = file->extension() == ".nfo";
    if (!m_infoform->loadFile(*file, nfo, m_state->language().codepage())) {
        message(m_infoform->errorText());
        return;
    }
    m_infoform->setWindowTitle(lang("Forms", "6") + QLatin1Char(' ') + lang("Other", "20") +
                               QLatin1Char(' ') + text(m_state->details().filename) +
                               QStringLiteral("  (") + fromPath(*file) + QLatin1Char(')'));
    if (m_messageHook)
        m_infoform->show(); // tests look at it without a modal loop
    else
        m_infoform->exec();
}

void Tvistel_form::aboutClick() {
    clickSound();
    auto* b = m_buttons.at(QStringLiteral("about"));
    m_options->popup(b->mapToGlobal(QPoint(0, b->height())));
}

void Tvistel_form::endeClick() {
    clickSound();
    m_sounds->play(2);
    close();
}

void Tvistel_form::minbtnClick() {
    clickSound();
    showMinimized();
}

void Tvistel_form::home_btnClick() {
    if (!m_state->enabled(ItemButton::Home))
        return;
    clickSound();
    m_state->fillGenre(0);
    refresh();
}

void Tvistel_form::lup_btnClick() {
    if (!m_state->enabled(ItemButton::LevelUp))
        return;
    clickSound();
    if (m_state->parentId() >= 0)
        m_state->fillGenre(m_state->parentId());
    refresh();
}

void Tvistel_form::search_btnClick() {
    clickSound();
    if (m_dialogHooks.search)
        m_dialogHooks.search();
}

void Tvistel_form::hidedetbtnClick() {
    clickSound();
    if (m_state->panel() != Panel::ListOnly && m_backgroundFull.isNull()) {
        auto pic = skinPicture(skinfile::kBackgroundFull);
        if (!pic)
            return;
        m_backgroundFull = *pic;
    }
    m_state->toggleDetails();
    refresh();
}

void Tvistel_form::docthumbtnClick() {
    clickSound();
    if (m_btnUp.isNull())
        if (auto pic = skinPicture(skinfile::kThumbOn, false))
            m_btnUp = *pic; // without it the switch keeps its off picture
    if (m_state->panel() == Panel::ListOnly && m_backgroundFull.isNull())
        (void)0;
    m_state->toggleThumbnail();
    refresh();
}

void Tvistel_form::hpurlClick() {
    clickSound();
    const std::string& url = m_state->details().hpurl;
    if (url.empty() || url == "n/a")
        return;
    LaunchRequest r;
    r.kind = LaunchRequest::Kind::Open;
    r.target = url;
    launch(r);
}

// ---- lists -------------------------------------------------------------------

void Tvistel_form::openCategoryFromList() {
    m_state->selectCategory(m_genre->currentRow());
    m_state->openCategory(0, -1);
    refresh();
    if (!m_state->items().empty())
        m_members->setFocus();
}

void Tvistel_form::genreClick() {
    m_sounds->play(2);
    openCategoryFromList();
}

void Tvistel_form::membersClick() {
    m_sounds->play(2);
    m_state->selectItem(m_members->currentRow());
    m_state->showItem();
    refreshDetails();
    refreshButtons();
    refreshThumbnail();
}

void Tvistel_form::membersDblClick() {
    switch (m_state->doubleClickAction()) {
    case MenuState::DoubleClick::Unpack: zipClick(); break;
    case MenuState::DoubleClick::Execute: ausfClick(); break;
    case MenuState::DoubleClick::Copy: copybtnClick(); break;
    case MenuState::DoubleClick::None: break;
    }
}

void Tvistel_form::startDrag() {
    const std::string& f = m_state->details().filename;
    auto* mime = new QMimeData;
    if (m_state->enabled(ItemButton::Copy) && !m_state->currentFile().empty()) {
        mime->setUrls({QUrl::fromLocalFile(fromPath(m_state->currentFile()))});
    } else if (isLinkPath(f)) {
        const QUrl url(QString::fromStdString(f));
        mime->setUrls({url});
        mime->setText(url.toString());
    } else {
        delete mime;
        return;
    }
    auto* drag = new QDrag(m_members);
    drag->setMimeData(mime);
    drag->exec(Qt::CopyAction | Qt::LinkAction, Qt::CopyAction);
}

bool Tvistel_form::eventFilter(QObject* watched, QEvent* event) {
    if (!m_state)
        return QWidget::eventFilter(watched, event);
    if (event->type() == QEvent::KeyRelease && (watched == m_genre || watched == m_members)) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (watched == m_genre) {
            openCategoryFromList();
        } else {
            m_state->selectItem(m_members->currentRow());
            m_state->showItem();
            refreshDetails();
            refreshButtons();
            refreshThumbnail();
        }
        if (isNavigationKey(key))
            m_sounds->play(2);
    } else if (watched == m_members->viewport()) {
        if (event->type() == QEvent::MouseButtonPress) {
            m_itemPress = static_cast<QMouseEvent*>(event)->pos();
            m_itemPressed = true;
        } else if (event->type() == QEvent::MouseButtonRelease) {
            m_itemPressed = false;
        } else if (event->type() == QEvent::MouseMove && m_itemPressed) {
            const auto* me = static_cast<QMouseEvent*>(event);
            const bool oneButton =
                me->buttons() == Qt::LeftButton || me->buttons() == Qt::RightButton;
            const QPoint d = me->pos() - m_itemPress;
            if (oneButton && me->modifiers() == Qt::NoModifier &&
                (std::abs(d.x()) >= 5 || std::abs(d.y()) >= 5) && m_state->currentItem()) {
                m_itemPressed = false;
                startDrag();
                return true;
            }
        }
    }
    return QWidget::eventFilter(watched, event);
}

// ---- moving the window -------------------------------------------------------

void Tvistel_form::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && !parentWidget()) {
        m_dragging = true;
        m_dragOffset = event->globalPosition().toPoint() - pos();
    }
}

void Tvistel_form::mouseMoveEvent(QMouseEvent* event) {
    if (!m_dragging || !(event->buttons() & Qt::LeftButton))
        return;
    const QScreen* screen = QGuiApplication::primaryScreen();
    const QRect s = screen ? screen->geometry() : QRect(0, 0, 1024, 768);
    const QPoint want = event->globalPosition().toPoint() - m_dragOffset;
    const Point p = dragTo({want.x(), want.y()}, {s.left(), s.top(), s.width(), s.height()},
                           width(), height(), s.width() - width(), s.height() - height());
    move(p.x, p.y);
}

void Tvistel_form::moveEvent(QMoveEvent* event) {
    QWidget::moveEvent(event);
    if (m_state && m_state->thumb().docked && m_thumb->isVisible()) {
        const QPoint origin = mapToGlobal(QPoint(0, 0));
        const Point p = dockedThumbnailPlace({origin.x(), origin.y()});
        m_thumb->move(p.x, p.y);
    }
}

void Tvistel_form::closeEvent(QCloseEvent* event) {
    m_thumb->hide();
    m_fonts->removeAll();
    m_scratch.remove();
    event->accept();
}

} // namespace vistel
