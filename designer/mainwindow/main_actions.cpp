#include "main_actions.h"

#include "designer/language/ui_language.h"
#include "designer/project/project_item.h"

#include <QAction>
#include <QActionGroup>
#include <QBitmap>
#include <QFileInfo>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPixmap>
#include <QToolBar>
#include <QToolButton>

namespace vardeo {
namespace {

struct ButtonSpec {
    const char* action;  // shared with the menu item
    const char* picture; // Files/Images/0/<size digit><picture>.bmp
    const char* caption;
    const char* hint;
    int width; // with captions
    int toolbar;
};

// In the order of the caption/hint pairs of section "Main" (E1/E2 ... E39/E40).
constexpr ButtonSpec kButtons[] = {
    {"new", "new", "New", "New Project", 45, 1},
    {"zGradBtn1", "open", "Open", "Open Project", 45, 1},
    {"save", "save", "Save", "Save Project", 45, 1},
    {"editp", "editp", "Edit", "Edit Project", 47, 1},
    {"check", "check", "Check", "Check Project", 46, 1},
    {"generate", "build", "Build", "Build", 53, 1},
    {"geditbtnmain", "cat", "Categories", "Catogories Editor", 65, 2},
    {"mdbtnmain", "md", "Menu Design", "Menu Design Editor", 79, 2},
    {"settings", "settings", "Settings", "Settings", 62, 3},
    {"help", "help", "Help", "Help", 46, 3},
    {"exit", "exit", "Exit", "Exit", 48, 3},
    {"add", "add", "Add File", "Add File", 66, 4},
    {"adddir", "adddir", "Add Folder", "Add Folder", 73, 4},
    {"addjump", "addjump", "Add Jump", "Add Jump Point", 67, 4},
    {"addurl", "addurl", "Add URL", "Add Hyperlink", 67, 4},
    {"deletef", "remove", "Remove", "Remove item from the chosen item list", 57, 5},
    {"sort", "sort", "Full Sort", "Sort your items by categories", 56, 5},
    {"Find", "find", "Find", "Open the Find Dialog", 55, 5},
    {"info_file_btn", "info_f", "Info File", "Create/edit Info file", 75, 5},
    {"screenshot_btn", "screen_f", "Screenshot", "Create/edit Screenshot", 72, 5},
};

constexpr const char* kToolbarNames[kToolbarCount] = {"ToolBar1", "ToolBar2", "ToolBar3", "ToolBar4",
                                                      "ToolBar5"};
constexpr const char* kToolbarHints[kToolbarCount] = {"Project Controls", "Environment Controls",
                                                      "Zent Controls", "Item Controls",
                                                      "Chosen Item Controls"};

// A bitmap of three glyphs side by side: normal, disabled, pressed. The
// lower-left pixel's colour is transparent, as with the classic glyphs.
QIcon iconFromGlyphs(const QString& file) {
    QPixmap strip(file);
    if (strip.isNull())
        return {};
    const int w = strip.width() / 3;
    const QImage img = strip.toImage();
    const QColor key = img.pixelColor(0, img.height() - 1);
    QIcon icon;
    const QIcon::Mode modes[3] = {QIcon::Normal, QIcon::Disabled, QIcon::Active};
    for (int i = 0; i < 3; ++i) {
        QPixmap glyph = strip.copy(i * w, 0, w, strip.height());
        glyph.setMask(glyph.createMaskFromColor(key));
        icon.addPixmap(glyph, modes[i]);
    }
    return icon;
}

} // namespace

MainActions::MainActions(QMainWindow& window) : m_window(window) {
    buildMenus();
    buildToolbars();
    buildPopup();
    applyLanguage();
}

QAction* MainActions::get(const QString& name) const { return m_actions.value(name); }

QAction* MainActions::add(const char* name, const char* caption, const char* shortcut, bool checkable) {
    auto* a = new QAction(QString::fromUtf8(caption), &m_window);
    a->setObjectName(QString::fromLatin1(name));
    if (shortcut) {
        a->setShortcut(QKeySequence(QString::fromLatin1(shortcut)));
        a->setShortcutContext(Qt::WindowShortcut);
    }
    a->setCheckable(checkable);
    m_actions.insert(a->objectName(), a);
    m_ordered.push_back(a);
    return a;
}

QMenu* MainActions::menu(QMenu* parent, const char* name, const char* caption) {
    QMenu* m = parent ? parent->addMenu(QString::fromUtf8(caption))
                      : m_window.menuBar()->addMenu(QString::fromUtf8(caption));
    m->setObjectName(QString::fromLatin1(name));
    m_menus.insert(m->objectName(), m);
    return m;
}

void MainActions::buildMenus() {
    QMenu* project = menu(nullptr, "projectmenu", "Project Control");
    m_projectMenu = project;
    project->addAction(add("new", "New", "F11"));
    project->addAction(add("wizard", "Wizard", "F12"));
    project->addAction(add("zGradBtn1", "Open", "F3"));
    project->addAction(add("save", "Save", "F2"));
    project->addAction(add("saveas", "Save As", "Alt+F3"));
    project->addAction(add("editp", "Edit", "Ctrl+E"));
    project->addAction(add("check", "Check", "Ctrl+C"));
    QMenu* build = menu(project, "buildmenu", "Build");
    build->addAction(add("classicstyle", "Classic Style", "F10", true));
    build->addAction(add("htmlstyle", "HTML Stlye", "Ctrl+F10", true));
    auto* styles = new QActionGroup(&m_window);
    styles->addAction(get(QStringLiteral("classicstyle")));
    styles->addAction(get(QStringLiteral("htmlstyle")));
    get(QStringLiteral("classicstyle"))->setChecked(true);
    project->addAction(add("cleanup", "Clean Up Projecet Folder", "Ctrl+D"));
    project->addAction(add("record", "Record", "Alt+F10"));
    QMenu* exportMenu = menu(project, "exportmenu", "Export");
    exportMenu->addAction(add("export_ascii", "ASCII"));
    exportMenu->addAction(add("export_csv", "CVS"));
    exportMenu->addAction(add("export_word", "MS Word"));
    exportMenu->addAction(add("export_excel", "MS Excel"));
    exportMenu->addAction(add("export_html", "HTML"));
    project->addSeparator();
    project->addAction(add("Beenden", "Beenden", "Alt+F4"));

    QMenu* item = menu(nullptr, "itemmenu", "Item Control");
    item->addAction(add("add", "Add File", "F4"));
    item->addAction(add("adddir", "Add Folder", "Ctrl+F4"));
    item->addAction(add("addjump", "Add Jump Point", "F5"));
    item->addAction(add("addurl", "Add Url", "F6"));

    QMenu* chosen = menu(nullptr, "chosenmenu", "Chosen Item Control");
    chosen->addAction(add("deletef", "Remove", "Del"));
    chosen->addAction(add("sort", "Sort", "Ctrl+S"));
    chosen->addAction(add("Find", "Find", "Ctrl+F"));
    chosen->addAction(add("findnext", "Find next", "Ctrl+Shift+F"));
    chosen->addAction(add("info_file_btn", "Create/Edit Info File", "F7"));
    chosen->addAction(add("screenshot_btn", "Create/Edit Screenshot", "Alt+F7"));

    QMenu* env = menu(nullptr, "envmenu", "Environment Control");
    env->addAction(add("geditbtnmain", "Category Editor", "F8"));
    env->addAction(add("mdbtnmain", "Menu Design Editor", "F9"));
    env->addAction(add("membericons", "Member Icons", "Ctrl+F9"));
    env->addAction(add("ranking", "Menu Ranking", "Ctrl+F8"));
    env->addAction(add("aboutdialog", "About Dialog"));

    QMenu* view = menu(nullptr, "viewmenu", "View Control");
    QMenu* bars = menu(view, "symbolleisten", "Symbolleisten");
    for (int n : {1, 4, 5, 2, 3}) {
        const std::string name = "tb" + std::to_string(n) + "_visible";
        QAction* a = add(name.c_str(), kToolbarHints[n - 1], nullptr, true);
        a->setObjectName(QString::fromStdString(name));
        m_actions.insert(a->objectName(), a);
        a->setChecked(true);
        bars->addAction(a);
    }
    bars->addSeparator();
    bars->addAction(add("symboltitel", "Symboltitel", nullptr, true));
    QMenu* size = menu(bars, "symbolgroesse", "Symbolgröße");
    size->addAction(add("klein", "Klein", nullptr, true));
    size->addAction(add("gross", "Groß", nullptr, true));
    auto* sizes = new QActionGroup(&m_window);
    sizes->addAction(get(QStringLiteral("klein")));
    sizes->addAction(get(QStringLiteral("gross")));
    view->addAction(add("cdsizestatus", "CD Size Status", nullptr, true));
    view->addAction(add("aot", "AOT", nullptr, true));

    QMenu* zent = menu(nullptr, "zentmenu", "Zent Control");
    QMenu* settings = menu(zent, "settingsmenu", "Settings");
    settings->addAction(add("showwelcome", "Show Welcome Screen", nullptr, true));
    settings->addAction(add("showaddtip", "Show Add Item Tip", nullptr, true));
    settings->addAction(add("showback", "Show Background Images", nullptr, true));
    QMenu* modes = menu(settings, "gridmodemenu", "Grid Mode");
    auto* modeGroup = new QActionGroup(&m_window);
    for (auto [name, caption] : {std::pair{"gridmode_none", "None"}, std::pair{"gridmode_move", "Column Move"},
                                 std::pair{"gridmode_sort", "Quick Sort"}}) {
        QAction* a = add(name, caption, nullptr, true);
        modeGroup->addAction(a);
        modes->addAction(a);
    }
    settings->addAction(add("restoregrid", "Restore Grid Settings"));
    settings->addAction(add("autogridsize", "Auto Grid Size"));
    QMenu* columns = menu(settings, "showgridcolumn", "Show Grid Column");
    for (std::size_t i = 0; i < kFieldCount; ++i) {
        const std::string name = "column_" + std::to_string(i + 1);
        QAction* a = add(name.c_str(), std::string(kCanonicalFieldNames[i]).c_str(), nullptr, true);
        a->setChecked(true);
        columns->addAction(a);
        m_columnActions.push_back(a);
    }
    settings->addAction(add("showallcolumns", "Show All Columns"));
    QMenu* colours = menu(settings, "gridcolors", "Grid Colors");
    colours->addAction(add("color1", "Color 1"));
    colours->addAction(add("color2", "Color2"));

    QMenu* language = menu(zent, "languagemenu", "Language");
    auto* languages = new QActionGroup(&m_window);
    for (const char* name : {"English", "German", "Russian", "Spain", "Italian"}) {
        const std::string objectName = std::string("language_") + name;
        QAction* a = add(objectName.c_str(), name, nullptr, true);
        languages->addAction(a);
        language->addAction(a);
        m_languageActions.push_back(a);
    }
    zent->addAction(add("info", "Info", "Ctrl+I"));
    zent->addAction(add("tarnichome", "Check Tarnic Home"));
    zent->addAction(add("helpmenu", "Help", "F1"));

    // The settings drop-down repeats the Settings submenu with group dividers.
    m_settingsDrop = new QMenu(&m_window);
    m_settingsDrop->setObjectName(QStringLiteral("settingsdropdown"));
    m_settingsDrop->addSection(QStringLiteral("General"));
    for (const char* name : {"showwelcome", "showaddtip", "showback"})
        m_settingsDrop->addAction(get(QString::fromLatin1(name)));
    m_settingsDrop->addSection(QStringLiteral("Grid"));
    m_settingsDrop->addMenu(modes);
    m_settingsDrop->addAction(get(QStringLiteral("restoregrid")));
    m_settingsDrop->addAction(get(QStringLiteral("autogridsize")));
    m_settingsDrop->addMenu(columns);
    m_settingsDrop->addAction(get(QStringLiteral("showallcolumns")));
    m_settingsDrop->addMenu(colours);

    for (const char* name : {"save", "saveas", "editp", "check", "classicstyle", "htmlstyle", "cleanup",
                             "record", "export_ascii", "export_csv", "export_word", "export_excel",
                             "export_html", "add", "adddir", "addjump", "addurl", "deletef", "sort", "Find",
                             "findnext", "info_file_btn", "screenshot_btn", "geditbtnmain", "mdbtnmain",
                             "membericons", "ranking", "aboutdialog"})
        m_projectActions.push_back(get(QString::fromLatin1(name)));
}

void MainActions::buildToolbars() {
    for (int n = 0; n < kToolbarCount; ++n) {
        auto* bar = new QToolBar(QString::fromLatin1(kToolbarHints[n]), &m_window);
        bar->setObjectName(QString::fromLatin1(kToolbarNames[n]));
        bar->setToolTip(bar->windowTitle());
        bar->setMovable(true);
        m_toolbars[static_cast<std::size_t>(n)] = bar;
    }
    // Tool bar buttons without a menu twin get their own actions.
    add("generate", "Build");
    add("settings", "Settings");
    add("help", "Help");
    add("exit", "Exit");
    m_projectActions.push_back(get(QStringLiteral("generate")));
    for (const ButtonSpec& spec : kButtons) {
        QAction* a = get(QString::fromLatin1(spec.action));
        QToolBar* bar = m_toolbars[static_cast<std::size_t>(spec.toolbar - 1)];
        bar->addAction(a);
        auto* button = qobject_cast<QToolButton*>(bar->widgetForAction(a));
        button->setObjectName(QString::fromLatin1(spec.action) + QStringLiteral("_button"));
        button->setProperty("captionWidth", spec.width);
        button->setProperty("picture", QString::fromLatin1(spec.picture));
        m_buttons.push_back(button);
        if (QByteArrayView(spec.action) == "generate") {
            auto* m = new QMenu(button);
            m->addAction(get(QStringLiteral("classicstyle")));
            m->addAction(get(QStringLiteral("htmlstyle")));
            button->setMenu(m);
            button->setPopupMode(QToolButton::MenuButtonPopup);
        } else if (QByteArrayView(spec.action) == "settings") {
            button->setMenu(m_settingsDrop);
            button->setPopupMode(QToolButton::InstantPopup);
        }
    }
}

void MainActions::buildPopup() {
    m_popup = new QMenu(&m_window);
    m_popup->setObjectName(QStringLiteral("popupmenu"));
    m_popup->setTitle(QStringLiteral("Chosen Item Control"));
    m_popup->addAction(add("popup_remove", "Remove"));
    m_popup->addAction(add("popup_info", "Create/Edit Info File"));
    m_popup->addAction(add("popup_screenshot", "Create/Edit Screenshot"));
    m_popupEdit = m_popup->addMenu(QStringLiteral("Edit"));
    m_popupEdit->setObjectName(QStringLiteral("popup_edit"));
    static const char* const kEditCaptions[kFieldCount] = {
        "Name",     "File Name",   "CD Path", "Serial",   "CD Size", "HD Size",  "Description", "Category",
        "Copy",     "File Source", "Homepage", "Execute", "Rating",  "Language", "System",      "Parameter"};
    for (std::size_t i = 0; i < kFieldCount; ++i) {
        const std::string name = "popup_edit_" + std::to_string(i + 1);
        QAction* a = add(name.c_str(), kEditCaptions[i]);
        m_popupEdit->addAction(a);
        m_popupEditActions.push_back(a);
    }
    m_popup->addAction(add("popup_launch", "Launch"));
    m_popup->addAction(add("popup_explorer", "Windows Explorer"));
    m_popup->addSeparator();
    m_popup->addAction(add("popup_help", "Help"));
}

void MainActions::arrangeToolbars(const std::array<int, kToolbarCount>& toolbarOfBand,
                                  const std::array<bool, kToolbarCount>& breaks,
                                  const std::array<int, kToolbarCount>& widths) {
    for (QToolBar* bar : m_toolbars)
        m_window.removeToolBar(bar);
    for (std::size_t k = 0; k < kToolbarCount; ++k) {
        QToolBar* bar = toolbar(toolbarOfBand[k]);
        if (breaks[k] && k > 0)
            m_window.addToolBarBreak(Qt::TopToolBarArea);
        m_window.addToolBar(Qt::TopToolBarArea, bar);
        bar->setMinimumWidth(std::max(0, widths[k]));
        bar->show();
    }
}

void MainActions::setButtonLayout(bool captions, bool small) {
    const int height = captions ? 60 : small ? 26 : 42;
    for (QToolBar* bar : m_toolbars) {
        bar->setToolButtonStyle(captions ? Qt::ToolButtonTextUnderIcon : Qt::ToolButtonIconOnly);
        bar->setIconSize(captions || !small ? QSize(32, 32) : QSize(16, 16));
        bar->setFixedHeight(height + 2);
    }
    for (QToolButton* b : m_buttons) {
        // The classic widths are the least a button takes; longer captions widen it.
        const int w = captions ? b->property("captionWidth").toInt() + (b->menu() ? 14 : 0)
                               : height + (b->menu() ? 12 : 0);
        b->setFixedHeight(height);
        b->setMinimumWidth(w);
        b->setMaximumWidth(captions ? QWIDGETSIZE_MAX : w);
    }
}

void MainActions::loadPictures(const QString& imageFolder, bool small) {
    for (QToolButton* b : m_buttons) {
        const QString file = imageFolder + (small ? QStringLiteral("0") : QStringLiteral("1")) +
                             b->property("picture").toString() + QStringLiteral(".bmp");
        if (QFileInfo::exists(file))
            b->defaultAction()->setIcon(iconFromGlyphs(file));
    }
}

void MainActions::applyLanguage() {
    UiLanguage& lang = uiLanguage();
    // Tool bar buttons: caption E(2k-1), hint E(2k).
    for (std::size_t k = 0; k < std::size(kButtons); ++k) {
        QAction* a = get(QString::fromLatin1(kButtons[k].action));
        const QString caption = lang.caption("Main", static_cast<int>(2 * k + 1));
        const QString hint = lang.caption("Main", static_cast<int>(2 * k + 2));
        a->setIconText(caption.isEmpty() ? QString::fromLatin1(kButtons[k].caption) : caption);
        a->setToolTip(hint.isEmpty() ? QString::fromLatin1(kButtons[k].hint) : hint);
    }
    // Tool bar hints: E41..E45.
    for (int n = 0; n < kToolbarCount; ++n) {
        const QString hint = lang.caption("Main", 41 + n);
        QToolBar* bar = m_toolbars[static_cast<std::size_t>(n)];
        bar->setWindowTitle(hint.isEmpty() ? QString::fromLatin1(kToolbarHints[n]) : hint);
        bar->setToolTip(bar->windowTitle());
    }
    // Menus and menu items: section "MainMenu", keyed by object name.
    for (QMenu* m : m_menus) {
        const QString t = lang.text("MainMenu", m->objectName().toStdString());
        if (!t.isEmpty())
            m->setTitle(t);
    }
    for (QAction* a : m_ordered) {
        const QString t = lang.text("MainMenu", a->objectName().toStdString());
        if (!t.isEmpty())
            a->setText(t);
    }
    for (QMenu* m : {m_popup, m_popupEdit}) {
        const QString t = lang.text("MainMenu", m->objectName().toStdString());
        if (!t.isEmpty())
            m->setTitle(t);
    }
    const QString aot = lang.texts("T63");
    if (!aot.isEmpty())
        get(QStringLiteral("aot"))->setText(aot);
    // Column items carry the field names of the current language.
    for (std::size_t i = 0; i < kFieldCount; ++i)
        m_columnActions[static_cast<qsizetype>(i)]->setText(lang.decode(lang.words().headers[i]));
}

} // namespace vardeo
