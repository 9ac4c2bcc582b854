#include "find_dialog.h"

#include "designer/language/desktop_services.h"
#include "designer/language/dialog_runner.h"
#include "designer/language/ui_language.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QVBoxLayout>

namespace vardeo {

bool cellMatches(const QString& cell, const FindOptions& o) {
    if (o.text.isEmpty())
        return false;
    if (!o.regularExpression && !o.wholeWords)
        return cell.contains(o.text, o.caseSensitive ? Qt::CaseSensitive : Qt::CaseInsensitive);
    QString pattern = o.regularExpression ? o.text : QRegularExpression::escape(o.text);
    if (o.wholeWords)
        pattern = QStringLiteral("(?<!\\w)(?:") + pattern + QStringLiteral(")(?!\\w)");
    QRegularExpression re(pattern, o.caseSensitive ? QRegularExpression::NoPatternOption
                                                   : QRegularExpression::CaseInsensitiveOption);
    return re.isValid() && re.match(cell).hasMatch();
}

std::optional<GridPos> findInGrid(const std::function<QString(int, int)>& cell, int rows, int columns,
                                  const FindOptions& o, GridPos current, std::optional<GridPos> after) {
    // The cells in search order.
    std::vector<GridPos> order;
    const int r0 = o.scope == FindOptions::Scope::Row ? current.row : 0;
    const int r1 = o.scope == FindOptions::Scope::Row ? current.row + 1 : rows;
    const int c0 = o.scope == FindOptions::Scope::Column ? current.column : 0;
    const int c1 = o.scope == FindOptions::Scope::Column ? current.column + 1 : columns;
    if (o.topDown) {
        for (int c = c0; c < c1; ++c)
            for (int r = r0; r < r1; ++r)
                order.push_back({r, c});
    } else {
        for (int r = r0; r < r1; ++r)
            for (int c = c0; c < c1; ++c)
                order.push_back({r, c});
    }
    std::size_t start = 0;
    if (after) {
        for (std::size_t i = 0; i < order.size(); ++i)
            if (order[i] == *after) {
                start = i + 1;
                break;
            }
    }
    for (std::size_t i = start; i < order.size(); ++i)
        if (cellMatches(cell(order[i].row, order[i].column), o))
            return order[i];
    return std::nullopt;
}

Tfinddlg::Tfinddlg(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("finddlg"));
    auto* label = new QLabel(QStringLiteral("Text to find:"), this);
    m_text = new QLineEdit(this);
    m_text->setObjectName(QStringLiteral("findtext"));
    m_text->setMinimumWidth(300);
    auto* options = new QGroupBox(QStringLiteral("Options"), this);
    m_case = new QCheckBox(QStringLiteral("Case sensitive"), options);
    m_case->setObjectName(QStringLiteral("casesensitive"));
    m_whole = new QCheckBox(QStringLiteral("Whole words only"), options);
    m_whole->setObjectName(QStringLiteral("wholewords"));
    m_regex = new QCheckBox(QStringLiteral("Regular expressions"), options);
    m_regex->setObjectName(QStringLiteral("regexp"));
    auto* ol = new QVBoxLayout(options);
    ol->addWidget(m_case);
    ol->addWidget(m_whole);
    ol->addWidget(m_regex);
    auto* direction = new QGroupBox(QStringLiteral("Direction"), this);
    m_topDown = new QRadioButton(QStringLiteral("Top - down"), direction);
    m_topDown->setObjectName(QStringLiteral("topdown"));
    m_leftRight = new QRadioButton(QStringLiteral("Left - right"), direction);
    m_leftRight->setObjectName(QStringLiteral("leftright"));
    m_topDown->setChecked(true);
    auto* dl = new QVBoxLayout(direction);
    dl->addWidget(m_topDown);
    dl->addWidget(m_leftRight);
    auto* scope = new QGroupBox(QStringLiteral("Scope"), this);
    m_grid = new QRadioButton(QStringLiteral("In entire grid"), scope);
    m_grid->setObjectName(QStringLiteral("scopegrid"));
    m_column = new QRadioButton(QStringLiteral("In current column"), scope);
    m_column->setObjectName(QStringLiteral("scopecolumn"));
    m_row = new QRadioButton(QStringLiteral("In current row"), scope);
    m_row->setObjectName(QStringLiteral("scoperow"));
    m_grid->setChecked(true);
    auto* sl = new QVBoxLayout(scope);
    sl->addWidget(m_grid);
    sl->addWidget(m_column);
    sl->addWidget(m_row);
    m_ok = new QPushButton(QStringLiteral("OK"), this);
    m_ok->setObjectName(QStringLiteral("OK"));
    m_ok->setDefault(true);
    m_cancel = new QPushButton(QStringLiteral("Cancel"), this);
    m_cancel->setObjectName(QStringLiteral("Cancel"));
    m_help = new QPushButton(QStringLiteral("Help"), this);
    m_help->setObjectName(QStringLiteral("Help"));

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(label);
    layout->addWidget(m_text);
    auto* groups = new QHBoxLayout;
    groups->addWidget(options);
    groups->addWidget(direction);
    groups->addWidget(scope);
    layout->addLayout(groups);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_ok);
    buttons->addWidget(m_cancel);
    buttons->addWidget(m_help);
    layout->addLayout(buttons);
    connect(m_ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(m_cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(m_help, &QPushButton::clicked, this, [] {
        playClick();
        openHelpTopic(1700);
    });
    m_captioned = {label,   options, m_case,   m_whole, m_regex, direction, m_topDown, m_leftRight,
                   scope,   m_grid,  m_column, m_row,   m_ok,    m_cancel,  m_help};
    applyLanguage();
}

void Tfinddlg::applyLanguage() {
    const QString title = uiLanguage().texts("T7");
    setWindowTitle(title.isEmpty() ? QStringLiteral("Tarnic - Vardeo - Find Item") : title);
    // E1..E15 name the elements in the order of m_captioned.
    for (std::size_t i = 0; i < m_captioned.size(); ++i) {
        const QString t = uiLanguage().caption("FindDlg", static_cast<int>(i) + 1);
        if (t.isEmpty())
            continue;
        if (auto* b = qobject_cast<QAbstractButton*>(m_captioned[i]))
            b->setText(t);
        else if (auto* g = qobject_cast<QGroupBox*>(m_captioned[i]))
            g->setTitle(t);
        else if (auto* l = qobject_cast<QLabel*>(m_captioned[i]))
            l->setText(t);
    }
}

FindOptions Tfinddlg::options() const {
    FindOptions o;
    o.text = m_text->text();
    o.caseSensitive = m_case->isChecked();
    o.wholeWords = m_whole->isChecked();
    o.regularExpression = m_regex->isChecked();
    o.topDown = m_topDown->isChecked();
    o.scope = m_column->isChecked() ? FindOptions::Scope::Column
              : m_row->isChecked()  ? FindOptions::Scope::Row
                                    : FindOptions::Scope::Grid;
    return o;
}

std::optional<FindOptions> Tfinddlg::ask() {
    m_text->selectAll();
    m_text->setFocus();
    if (runModal(*this) != QDialog::Accepted)
        return std::nullopt;
    return options();
}

} // namespace vardeo
