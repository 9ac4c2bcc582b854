#pragma once
// The designer's main window: the open project's items in the grid
// `allfiles`, the project, item and environment commands, the view and
// settings options. The grid commands live in main_grid.cpp, the settings
// and language glue in main_settings.cpp.

#include "designer/mainwindow/find_dialog.h"
#include "designer/mainwindow/window_prompts.h"
#include "designer/project/project_session.h"
#include "designer/project/settings_store.h"

#include <QMainWindow>

#include <filesystem>
#include <memory>
#include <optional>

class QLabel;

namespace vardeo {

class CdSizeBar;
class ItemGridView;
class ItemTableModel;
class MainActions;
class Tallfilescomboform;
class Tallfileseditform;
class Tallfilesslideform;
class Tallfilesynform;
class Tcolor_chooseform;

enum class GridMode { None = 0, ColumnMove = 1, QuickSort = 2 };

class Tform1 final : public QMainWindow {
    Q_OBJECT
public:
    explicit Tform1(std::filesystem::path programFolder, QWidget* parent = nullptr);
    ~Tform1() override;

    // The first-show sequence: settings, language, the default skin check,
    // then the project named by the argument (when it ends in "mof").
    // False when the designer must close (no default skin).
    bool startUp(const QString& argument = {});

    // Project commands.
    void openProject(const std::filesystem::path& file);
    void openClick();
    void saveClick();
    void saveAsClick();
    void openRecent(int index);
    // The exit sequence: asks to save, deletes the working copy, saves the settings.
    void exitSequence();

    // Grid commands (main_grid.cpp).
    void editCell(int row, int column);
    void editField(int row, Field field);
    void removeClick();
    void sortClick();
    void findClick();
    void findNextClick();
    bool setGridMode(GridMode mode);
    void setColumnShown(Field field, bool shown);
    void showAllColumns();
    void restoreGridSettings();
    void autoGridSize();
    void chooseColour(int which);
    void launchClick();
    void explorerClick();
    void preparePopup(int row);
    void handleDroppedPaths(const QStringList& paths);
    void updateChosenItem();
    void setStayOnTop(bool on);

    // Settings and language (main_settings.cpp).
    void applyLanguage(int number, bool fromMenu);
    void applySettings(const DesignerSettings& s);
    [[nodiscard]] DesignerSettings collectSettings() const;
    void saveSettings();

    [[nodiscard]] ProjectSession& session() { return *m_session; }
    [[nodiscard]] ItemTableModel& model() { return *m_model; }
    [[nodiscard]] ItemGridView& grid() { return *m_grid; }
    [[nodiscard]] MainActions& actions() { return *m_actions; }
    [[nodiscard]] CdSizeBar& cdSizeBar() { return *m_cdSize; }
    [[nodiscard]] GridMode gridMode() const { return m_gridMode; }
    [[nodiscard]] const std::filesystem::path& programFolder() const { return m_programFolder; }
    // Display column (1..16) that shows a field.
    [[nodiscard]] int displayColumnOf(Field field) const;
    // The canonical field names of display columns 1..16.
    [[nodiscard]] std::array<std::string, kFieldCount> columnLayout() const;

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void buildWindow();
    void connectActions();
    void projectChanged();      // after open, save, new: title, commands, colours
    void updateTitle();
    void updateCommandStates();
    void refreshRecentFiles();
    void markModified();
    bool requireProject();      // M1 without a project
    void applyColumnLayout(const std::array<std::string, kFieldCount>& fields);
    void applyColumnStates(const DesignerSettings& s);
    void buildClick(bool html);
    void cleanUpClick();
    void notYetAvailable();
    void categoriesClick();
    void onGridCurrentChanged();

    std::filesystem::path m_programFolder;
    std::unique_ptr<WindowPrompts> m_prompts;
    std::unique_ptr<ProjectSession> m_session;
    DesignerSettings m_settings;
    MainActions* m_actions = nullptr;
    ItemTableModel* m_model = nullptr;
    ItemGridView* m_grid = nullptr;
    CdSizeBar* m_cdSize = nullptr;
    QLabel* m_chosenName = nullptr;
    QLabel* m_infoIndicator = nullptr;
    QLabel* m_screenshotIndicator = nullptr;
    QLabel* m_chosenCaption = nullptr;
    QLabel* m_infoCaption = nullptr;
    QLabel* m_screenshotCaption = nullptr;
    Tallfileseditform* m_editForm = nullptr;
    Tallfilesynform* m_ynForm = nullptr;
    Tallfilesslideform* m_slideForm = nullptr;
    Tallfilescomboform* m_comboForm = nullptr;
    Tcolor_chooseform* m_colourForm = nullptr;
    Tfinddlg* m_findForm = nullptr;
    QDialog* m_categoryForm = nullptr;
    GridMode m_gridMode = GridMode::None;
    std::optional<FindOptions> m_lastFind;
    std::optional<GridPos> m_lastHit;
    bool m_cancelAll = false;
    bool m_started = false;
    bool m_exited = false;
};

} // namespace vardeo
