#pragma once
// The search window (Tsearchform): a search text, a result list with the
// category of each hit, and an options menu (search in name and/or
// description, sort by name or category). A chosen result is handed to the
// main window through resultChosen / the open callback.

#include "runtime/menu/dialog_context.h"
#include "runtime/menu/menu_search.h"

#include <QWidget>

#include <functional>
#include <vector>

class QLineEdit;
class QMenu;
class QAction;
class QTreeWidget;

namespace vistel {

class ImageButton;

class Tsearchform final : public QWidget {
    Q_OBJECT
public:
    Tsearchform(const DialogContext& context, QWidget* mainWindow);
    void applySkin();
    // The item icons m1.ico .. m14.ico, as the main window loaded them.
    void setItemIcons(const std::vector<QPixmap>& icons) { m_icons = icons; }

    // The main window's search button: shows the window when hidden, hides it when shown.
    void toggle();
    void showBesideMain();

    [[nodiscard]] const SearchOptions& options() const { return m_options; }
    [[nodiscard]] const std::vector<SearchResult>& results() const { return m_results; }

    // Called with (category index, item number) when a result is opened.
    std::function<void(int, int)> openResult;

public Q_SLOTS:
    void searchClick();
    void optionsClick();
    void endeClick();
    void membersClick();

Q_SIGNALS:
    void resultChosen(int category, int item);
    // The window was hidden: the main window resets its search toggle.
    void closed();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void runSearchNow();
    void resort();
    void fillList();
    void syncMenu();
    void hideWindow();

    const DialogContext& m_ctx;
    QWidget* m_main;
    QPixmap m_background, m_wallpaper;
    QLineEdit* m_edit;
    QTreeWidget* m_list;
    std::array<ImageButton*, 3> m_buttons{};
    QMenu* m_menu;
    QMenu *m_searchIn, *m_sortBy;
    QAction *m_inName, *m_inDesc, *m_sortName, *m_sortCat;
    SearchOptions m_options;
    std::vector<SearchResult> m_results;
    std::vector<QPixmap> m_icons;
    bool m_placed = false;
    QPoint m_dragOffset;
    bool m_dragging = false;
};

} // namespace vistel
