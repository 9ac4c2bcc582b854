#pragma once
// The main window's commands: one QAction per command (object name = the
// button or menu item name), the main menu, the five tool bars, the settings
// drop-down and the grid's pop-up menu. Tool bar buttons and the menu items
// that duplicate them share one action, so they share the enabled state.

#include <QList>
#include <QMap>
#include <QString>

#include <array>

class QAction;
class QActionGroup;
class QMainWindow;
class QMenu;
class QToolBar;
class QToolButton;

namespace vardeo {

inline constexpr int kToolbarCount = 5;

class MainActions final {
public:
    explicit MainActions(QMainWindow& window);

    [[nodiscard]] QAction* get(const QString& name) const;
    [[nodiscard]] QAction* operator[](const char* name) const { return get(QString::fromLatin1(name)); }

    // ToolBar1..ToolBar5 by number 1..5.
    [[nodiscard]] QToolBar* toolbar(int number) const { return m_toolbars[static_cast<std::size_t>(number - 1)]; }
    // Places the tool bars into the bands: toolbarOfBand[k] is the number in band k.
    void arrangeToolbars(const std::array<int, kToolbarCount>& toolbarOfBand,
                         const std::array<bool, kToolbarCount>& breaks,
                         const std::array<int, kToolbarCount>& widths);
    // Captions under the pictures, or pictures only (large or small).
    void setButtonLayout(bool captions, bool small);
    void loadPictures(const QString& imageFolder, bool small);

    // Captions, hints and shortcuts from the current language.
    void applyLanguage();

    [[nodiscard]] QMenu* popupMenu() const { return m_popup; }
    [[nodiscard]] QMenu* popupEditMenu() const { return m_popupEdit; }
    [[nodiscard]] QMenu* recentMenuAnchor() const { return m_projectMenu; }
    [[nodiscard]] QAction* exitAction() const { return get(QStringLiteral("Beenden")); }
    [[nodiscard]] QMenu* settingsDropDown() const { return m_settingsDrop; }
    [[nodiscard]] const QList<QAction*>& columnActions() const { return m_columnActions; }
    [[nodiscard]] const QList<QAction*>& popupEditActions() const { return m_popupEditActions; }
    [[nodiscard]] const QList<QAction*>& languageActions() const { return m_languageActions; }
    // The actions that need an open project.
    [[nodiscard]] const QList<QAction*>& projectActions() const { return m_projectActions; }
    [[nodiscard]] QMenu* menuNamed(const QString& name) const { return m_menus.value(name); }

private:
    QAction* add(const char* name, const char* caption, const char* shortcut = nullptr,
                 bool checkable = false);
    QMenu* menu(QMenu* parent, const char* name, const char* caption);
    void buildMenus();
    void buildToolbars();
    void buildPopup();

    QMainWindow& m_window;
    QMap<QString, QAction*> m_actions;
    QMap<QString, QMenu*> m_menus;
    QList<QAction*> m_ordered; // every action in creation order (caption keys)
    std::array<QToolBar*, kToolbarCount> m_toolbars{};
    QList<QToolButton*> m_buttons;
    QList<QAction*> m_columnActions;
    QList<QAction*> m_popupEditActions;
    QList<QAction*> m_languageActions;
    QList<QAction*> m_projectActions;
    QMenu* m_projectMenu = nullptr;
    QMenu* m_popup = nullptr;
    QMenu* m_popupEdit = nullptr;
    QMenu* m_settingsDrop = nullptr;
};

// Tool bar buttons in the order of their caption/hint pairs in section "Main".
inline constexpr std::array<const char*, 20> kToolButtonNames = {
    "new",  "zGradBtn1", "save", "editp",  "check",  "generate", "geditbtnmain",
    "mdbtnmain", "settings", "help", "exit", "add", "adddir", "addjump",
    "addurl", "deletef", "sort", "Find", "info_file_btn", "screenshot_btn"};

} // namespace vardeo
