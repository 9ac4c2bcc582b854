#pragma once
// The small editor dialogs of the item grid's cells ("New Value"): one-line
// text, yes/no, the rating slider, a pick list and the colour chooser. Each
// exists once for the run; the methods preset, run and return the result.

#include "shared/colour.h"

#include <QDialog>
#include <QIcon>
#include <QString>
#include <QStringList>

#include <optional>
#include <string>

class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QScrollBar;
class QComboBox;

namespace vardeo {

class Tallfileseditform final : public QDialog {
public:
    explicit Tallfileseditform(QWidget* parent = nullptr);
    // The 8-bit text, or nullopt for Cancel. refuseEmpty: M7 on an empty text.
    std::optional<std::string> edit(const QString& title, const QString& initial, bool refuseEmpty = false);
    void applyLanguage();
    [[nodiscard]] QLineEdit* editField() const { return m_edit; }

private:
    void tryAccept();
    QLineEdit* m_edit;
    QPushButton* m_ok;
    QPushButton* m_cancel;
    bool m_refuseEmpty = false;
    std::string m_result;
};

class Tallfilesynform final : public QDialog {
public:
    explicit Tallfilesynform(QWidget* parent = nullptr);
    // true Yes, false No, nullopt Cancel.
    std::optional<bool> ask();
    void applyLanguage();
    enum : int { YesCode = 10, NoCode = 11 };

private:
    QPushButton* m_yes;
    QPushButton* m_no;
    QPushButton* m_cancel;
};

class Tallfilesslideform final : public QDialog {
public:
    explicit Tallfilesslideform(QWidget* parent = nullptr);
    // Starts at percent; folderName non-empty shows the folder form.
    std::optional<int> ask(int percent, const QString& folderName = {});
    void applyLanguage();
    [[nodiscard]] QScrollBar* scrollBar() const { return m_bar; }

private:
    QScrollBar* m_bar;
    QLabel* m_value;
    QLabel* m_folderLabel;
    QLabel* m_nameLabel;
    QPushButton* m_ok;
    QPushButton* m_cancel;
};

class Tallfilescomboform final : public QDialog {
public:
    explicit Tallfilescomboform(QWidget* parent = nullptr);
    // The index of the chosen entry; the first entry starts selected.
    std::optional<int> choose(const QStringList& entries, const QList<QIcon>& icons = {});
    void applyLanguage();
    [[nodiscard]] QListWidget* list() const { return m_list; }

private:
    QListWidget* m_list;
    QPushButton* m_ok;
    QPushButton* m_cancel;
};

class Tcolor_chooseform final : public QDialog {
public:
    explicit Tcolor_chooseform(QWidget* parent = nullptr);
    std::optional<tarnic::Colour> choose(tarnic::Colour current);
    void applyLanguage();
    [[nodiscard]] QComboBox* colours() const { return m_colours; }

private:
    QComboBox* m_colours;
    QPushButton* m_ok;
    QPushButton* m_cancel;
};

// Tells the user that a typed character cannot be stored; true when text is storable.
bool checkEncodable(QWidget* parent, const QString& text);

} // namespace vardeo
