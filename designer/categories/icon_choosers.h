#pragma once
// The icon choosers: Tiwform picks one icon of a category icon pack for the
// category editor, Tm_icon_form picks the project's member icon set. Both
// read what is installed in the program folder and write nothing.

#include "designer/categories/icon_packs.h"

#include <QDialog>
#include <QString>

#include <filesystem>
#include <optional>
#include <vector>

class QComboBox;
class QLabel;
class QListWidget;
class QMenu;
class QAction;

namespace vardeo {

class ProjectSession;

// A link label that opens the product's home page; colours change on hover.
class HomebaseLink final : public QWidget {
public:
    HomebaseLink(const QString& text, QColor hover, QColor normal, QWidget* parent = nullptr);
    void setText(const QString& text);
    [[nodiscard]] QLabel* label() const { return m_label; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void paint(const QColor& colour);
    QLabel* m_label;
    QColor m_hover;
    QColor m_normal;
};
[[nodiscard]] QString homebaseAddress();

class Tiwform final : public QDialog {
public:
    explicit Tiwform(std::filesystem::path programFolder, QWidget* parent = nullptr);

    // "hinz" (add a category) or "change" (another icon for the selected one),
    // set by the category editor before it opens the chooser.
    void setMode(const QString& mode) { m_mode = mode; }
    [[nodiscard]] const QString& mode() const { return m_mode; }

    // Runs modally; the chosen icon file, or nullopt for Cancel.
    std::optional<std::filesystem::path> choose();
    // The opening steps: the pack list on the first opening, then the selected pack.
    void prepare();
    void showPack(int number);
    void OKClick();
    void applyLanguage();

    [[nodiscard]] QListWidget* icons() const { return m_icons; }
    [[nodiscard]] QComboBox* packs() const { return m_packs; }
    [[nodiscard]] const std::filesystem::path& packFolder() const { return m_packFolder; }

private:
    std::filesystem::path m_programFolder;
    QString m_mode = QStringLiteral("hinz");
    QLabel* m_heading;
    QListWidget* m_icons;
    QComboBox* m_packs;
    QPushButton* m_ok;
    QPushButton* m_cancel;
    bool m_filled = false;
    int m_packNumber = 0;
    std::filesystem::path m_packFolder;
    std::filesystem::path m_chosen;
};

class Tm_icon_form final : public QDialog {
public:
    explicit Tm_icon_form(std::filesystem::path programFolder, QWidget* parent = nullptr);

    // Runs modally for a project's set number (0 counts as 3); the number of
    // the chosen set, or nullopt for Cancel.
    std::optional<int> choose(int projectSet);
    void prepare(int projectSet);
    // Shows entry index of the set list: icons, preview and title.
    void showSet(int index);
    void setLargeIcons(bool large);
    void OKClick();
    void applyLanguage();

    [[nodiscard]] QComboBox* sets() const { return m_sets; }
    [[nodiscard]] QComboBox* numbers() const { return m_numbers; }
    [[nodiscard]] QListWidget* members() const { return m_members; }
    [[nodiscard]] QAction* largeAction() const { return m_large; }
    [[nodiscard]] QAction* smallAction() const { return m_small; }
    // The selected set's number, 0 when nothing is installed.
    [[nodiscard]] int selectedNumber() const;

private:
    std::filesystem::path m_programFolder;
    QLabel* m_heading;
    QComboBox* m_sets;
    QComboBox* m_numbers; // ipwahl_nr, hidden, parallel to the names
    QListWidget* m_members;
    QMenu* m_menu;
    QAction* m_large;
    QAction* m_small;
    QPushButton* m_ok;
    QPushButton* m_cancel;
    QPushButton* m_help;
    HomebaseLink* m_link;
    std::vector<QIcon> m_setIcons;
    bool m_filled = false;
};

// The main window's "Member Icons" command: opens the set chooser for the
// project; a different choice marks the project modified and goes to the
// working copy's header. True when OK was pressed.
bool runMemberIconChooser(QWidget* parent, ProjectSession& session);

} // namespace vardeo
