#pragma once
// The category editor Tgfform: builds and rearranges the category tree of a
// project, gives every category an icon from an icon pack, and loads and
// saves category files. The tree `cat_items` mirrors the CategorySet, which
// makes every decision; the form shows the outcome and its messages.

#include "designer/categories/category_round_trip.h"
#include "designer/categories/category_set.h"

#include <QDialog>
#include <QIcon>
#include <QTreeWidget>

#include <filesystem>
#include <optional>
#include <set>
#include <string>
#include <unordered_map>
#include <vector>

class QLabel;
class QLineEdit;
class QMenu;
class QAction;
class QPushButton;

namespace vardeo {

class HomebaseLink;
class Tgfform;
class Tiwform;
class ProjectSession;

// The tree view: its drops, keys and double-clicks go to the editor.
class CategoryTreeWidget final : public QTreeWidget {
public:
    explicit CategoryTreeWidget(Tgfform& form);
    // A drop at a viewport position: the move runs once the drag has ended.
    void dropAt(const QPoint& position);

protected:
    void dropEvent(QDropEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    Tgfform& m_form;
};

// The one-line edit dialog of a rename (title T3, M6 for an empty name).
class Tcatrenameform final : public QDialog {
public:
    explicit Tcatrenameform(QWidget* parent = nullptr);
    // The 8-bit text, or nullopt for Cancel.
    std::optional<std::string> edit(const QString& initial);
    [[nodiscard]] QLineEdit* editField() const { return m_edit; }
    void applyLanguage();

private:
    void tryAccept();
    QLineEdit* m_edit;
    QPushButton* m_ok;
    QPushButton* m_cancel;
    std::string m_result;
};

class Tgfform final : public QDialog {
public:
    explicit Tgfform(std::filesystem::path programFolder, QWidget* parent = nullptr);
    ~Tgfform() override;

    // Opens modally for a project; true when OK adopted the current file as
    // the project's category file.
    bool execute(CategoryEditorHost& host);
    // The opening steps: the project's category file, or the standard set.
    void prepare(CategoryEditorHost& host);

    // The commands, by their component names.
    void crgfClick();
    void lgfClick();
    void sgfClick();
    void SaveAsClick();
    void addClick();
    void remClick();
    void renamebtnClick();
    void chanegicon1Click();
    void standardClick();
    void SortClick();
    void OKClick();
    void CancelClick();
    void HelpClick();
    // A drop of the selected category onto target (nullptr: no node under the mouse).
    bool dropOn(QTreeWidgetItem* target);

    void applyLanguage();

    [[nodiscard]] CategorySet& set() { return m_set; }
    [[nodiscard]] CategoryTreeWidget* tree() const { return m_tree; }
    [[nodiscard]] QLineEdit* nameField() const { return m_name; }
    [[nodiscard]] Tiwform& iconChooser() { return *m_chooser; }
    [[nodiscard]] Tcatrenameform& renameForm() { return *m_rename; }
    [[nodiscard]] QTreeWidgetItem* itemOf(const CategoryNode& node) const;
    [[nodiscard]] CategoryNode* nodeOf(const QTreeWidgetItem* item) const;

private:
    void build();
    // Mirrors the category set into cat_items and selects a node.
    void rebuild(const CategoryNode* select);
    void addItems(QTreeWidgetItem* parentItem, const CategoryNode& node);
    void syncIcons();
    [[nodiscard]] QIcon iconOf(int image) const;
    [[nodiscard]] CategoryNode* selectedNode() const;
    bool refuse(CategoryRefusal refusal);
    bool saveTo(const std::filesystem::path& file);
    void showLoadError(const tarnic::Error& error);
    void updateTitle();
    [[nodiscard]] std::optional<std::filesystem::path> chooseCategoryFile(bool save);
    [[nodiscard]] std::filesystem::path categoriesFolder() const;

    std::filesystem::path m_programFolder;
    CategorySet m_set;
    CategoryEditorHost* m_host = nullptr;
    std::vector<QIcon> m_icons; // catimage, parallel to m_set.images()
    std::set<const CategoryNode*> m_expanded;
    std::unordered_map<const QTreeWidgetItem*, CategoryNode*> m_nodes;

    CategoryTreeWidget* m_tree;
    QLabel* m_fileHeading;
    QLabel* m_treeHeading;
    QLineEdit* m_name;
    QPushButton* m_crgf;
    QPushButton* m_lgf;
    QPushButton* m_sgf;
    QPushButton* m_saveAs;
    QPushButton* m_add;
    QPushButton* m_rem;
    QPushButton* m_renamebtn;
    QPushButton* m_standard;
    QPushButton* m_sort;
    QPushButton* m_ok;
    QPushButton* m_cancel;
    QPushButton* m_help;
    QMenu* m_popup;
    QAction* m_deleteItem;
    QAction* m_renameItem;
    QAction* m_changeIcon;
    HomebaseLink* m_link;
    Tiwform* m_chooser;
    Tcatrenameform* m_rename;
};

// The main window's Categories command: the project goes through its working
// copy before the editor opens, and after it closed with the project
// modified the category list is reloaded and the project read back, so every
// item stays tied to its category. Errors of the round trip are shown.
// True when the project may have changed (the grid must be refreshed).
bool runCategoryEditor(QWidget* parent, ProjectSession& session);

} // namespace vardeo
