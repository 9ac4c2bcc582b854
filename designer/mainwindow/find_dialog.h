#pragma once
// The find dialog (finddlg) and the grid search behind Find and Find next.

#include <QDialog>
#include <QString>

#include <functional>
#include <optional>

class QCheckBox;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace vardeo {

struct FindOptions {
    QString text;
    bool caseSensitive = false;
    bool wholeWords = false;
    bool regularExpression = false;
    bool topDown = true; // down each column first; false: along each row first
    enum class Scope { Grid, Column, Row } scope = Scope::Grid;
};

struct GridPos {
    int row = 0;
    int column = 0; // display position among the searched columns
    friend bool operator==(const GridPos&, const GridPos&) = default;
};

// Searches cells (row, column) of a rows x columns grid, in the order the
// options say, starting after `after` (or at the start when none). The
// current position fixes the column or row of the narrower scopes. An
// invalid regular expression matches nothing.
[[nodiscard]] std::optional<GridPos> findInGrid(const std::function<QString(int, int)>& cell, int rows,
                                                int columns, const FindOptions& options, GridPos current,
                                                std::optional<GridPos> after);

[[nodiscard]] bool cellMatches(const QString& cell, const FindOptions& options);

class Tfinddlg final : public QDialog {
public:
    explicit Tfinddlg(QWidget* parent = nullptr);
    // The options chosen, or nullopt for Cancel.
    std::optional<FindOptions> ask();
    void applyLanguage();
    [[nodiscard]] FindOptions options() const;

private:
    QLineEdit* m_text;
    QCheckBox* m_case;
    QCheckBox* m_whole;
    QCheckBox* m_regex;
    QRadioButton* m_topDown;
    QRadioButton* m_leftRight;
    QRadioButton* m_grid;
    QRadioButton* m_column;
    QRadioButton* m_row;
    QPushButton* m_ok;
    QPushButton* m_cancel;
    QPushButton* m_help;
    std::vector<QWidget*> m_captioned; // in the order of the caption keys
};

} // namespace vardeo
