#include "cell_editors.h"

#include "designer/language/dialog_runner.h"
#include "designer/language/message_service.h"
#include "designer/language/ui_language.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPainter>
#include <QPushButton>
#include <QScrollBar>
#include <QVBoxLayout>

namespace vardeo {
namespace {

QPushButton* button(QWidget* parent, const char* name, const QString& text) {
    auto* b = new QPushButton(text, parent);
    b->setObjectName(QString::fromLatin1(name));
    return b;
}

QHBoxLayout* buttonRow(std::initializer_list<QPushButton*> buttons) {
    auto* row = new QHBoxLayout;
    row->addStretch();
    for (QPushButton* b : buttons)
        row->addWidget(b);
    return row;
}

void setCaption(QPushButton* b, std::string_view section, int index, const char* fallback) {
    const QString t = uiLanguage().caption(section, index);
    b->setText(t.isEmpty() ? QString::fromLatin1(fallback) : t);
}

QString title() {
    const QString t = uiLanguage().texts("T6");
    return t.isEmpty() ? QStringLiteral("New Value") : t;
}

} // namespace

bool checkEncodable(QWidget*, const QString& text) {
    const QChar bad = uiLanguage().firstUnencodable(text);
    if (bad.isNull())
        return true;
    messages().showText(QStringLiteral("The character \"%1\" (U+%2) cannot be stored in the project's "
                                       "character set. Please use another character.")
                            .arg(bad)
                            .arg(bad.unicode(), 4, 16, QLatin1Char('0')),
                        BoxKind::Error, BoxButtons::Ok);
    return false;
}

Tallfileseditform::Tallfileseditform(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("allfileseditform"));
    m_edit = new QLineEdit(this);
    m_edit->setObjectName(QStringLiteral("Edit1"));
    m_edit->setMinimumWidth(320);
    m_ok = button(this, "OK", QStringLiteral("OK"));
    m_cancel = button(this, "Cancel", QStringLiteral("Cancel"));
    m_ok->setDefault(true);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_edit);
    layout->addLayout(buttonRow({m_ok, m_cancel}));
    connect(m_ok, &QPushButton::clicked, this, &Tallfileseditform::tryAccept);
    connect(m_cancel, &QPushButton::clicked, this, &QDialog::reject);
    applyLanguage();
}

void Tallfileseditform::applyLanguage() {
    setCaption(m_ok, "AllFilesEdit", 1, "OK");
    setCaption(m_cancel, "AllFilesEdit", 2, "Cancel");
}

void Tallfileseditform::tryAccept() {
    const QString text = m_edit->text();
    if (m_refuseEmpty && text.isEmpty()) {
        messages().show("M7", BoxKind::Information, BoxButtons::Ok);
        return;
    }
    if (!checkEncodable(this, text))
        return;
    m_result = *uiLanguage().encode(text);
    accept();
}

std::optional<std::string> Tallfileseditform::edit(const QString& windowTitle, const QString& initial,
                                                   bool refuseEmpty) {
    setWindowTitle(windowTitle.isEmpty() ? title() : windowTitle);
    m_refuseEmpty = refuseEmpty;
    m_edit->setText(initial);
    m_edit->selectAll();
    m_edit->setFocus();
    m_result.clear();
    if (runModal(*this) != QDialog::Accepted)
        return std::nullopt;
    if (m_result.empty() && !m_edit->text().isEmpty()) { // accepted by a hook without tryAccept
        auto bytes = uiLanguage().encode(m_edit->text());
        if (!bytes)
            return std::nullopt;
        m_result = *bytes;
    }
    return m_result;
}

Tallfilesynform::Tallfilesynform(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("allfilesynform"));
    m_yes = button(this, "Yes", QStringLiteral("Yes"));
    m_no = button(this, "No", QStringLiteral("No"));
    m_cancel = button(this, "Cancel", QStringLiteral("Cancel"));
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(buttonRow({m_yes, m_no, m_cancel}));
    connect(m_yes, &QPushButton::clicked, this, [this] { done(YesCode); });
    connect(m_no, &QPushButton::clicked, this, [this] { done(NoCode); });
    connect(m_cancel, &QPushButton::clicked, this, &QDialog::reject);
    applyLanguage();
}

void Tallfilesynform::applyLanguage() {
    setCaption(m_yes, "AllFilesYN", 1, "Yes");
    setCaption(m_no, "AllFilesYN", 2, "No");
    setCaption(m_cancel, "AllFilesYN", 3, "Cancel");
}

std::optional<bool> Tallfilesynform::ask() {
    setWindowTitle(title());
    const int r = runModal(*this);
    if (r == YesCode)
        return true;
    if (r == NoCode)
        return false;
    return std::nullopt;
}

Tallfilesslideform::Tallfilesslideform(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("allfilesslideform"));
    m_folderLabel = new QLabel(QStringLiteral("Folder Control"), this);
    m_folderLabel->setObjectName(QStringLiteral("folderlabel"));
    m_nameLabel = new QLabel(this);
    m_nameLabel->setObjectName(QStringLiteral("namelabel"));
    m_bar = new QScrollBar(Qt::Horizontal, this);
    m_bar->setObjectName(QStringLiteral("ScrollBar1"));
    m_bar->setRange(0, 100);
    m_bar->setPageStep(5);
    m_bar->setMinimumWidth(260);
    m_value = new QLabel(this);
    m_value->setObjectName(QStringLiteral("valuelabel"));
    m_ok = button(this, "OK", QStringLiteral("OK"));
    m_cancel = button(this, "Cancel", QStringLiteral("Cancel"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_folderLabel);
    layout->addWidget(m_nameLabel);
    auto* row = new QHBoxLayout;
    row->addWidget(m_bar, 1);
    row->addWidget(m_value);
    layout->addLayout(row);
    layout->addLayout(buttonRow({m_ok, m_cancel}));
    connect(m_bar, &QScrollBar::valueChanged, this,
            [this](int v) { m_value->setText(QStringLiteral("%1%").arg(v, 3, 10, QLatin1Char('0'))); });
    connect(m_ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(m_cancel, &QPushButton::clicked, this, &QDialog::reject);
    applyLanguage();
}

void Tallfilesslideform::applyLanguage() {
    setCaption(m_ok, "AllFilesSlide", 1, "OK");
    setCaption(m_cancel, "AllFilesSlide", 2, "Cancel");
    const QString folder = uiLanguage().caption("AllFilesSlide", 3);
    m_folderLabel->setText(folder.isEmpty() ? QStringLiteral("Folder Control") : folder);
}

std::optional<int> Tallfilesslideform::ask(int percent, const QString& folderName) {
    setWindowTitle(title());
    m_folderLabel->setVisible(!folderName.isEmpty());
    m_nameLabel->setVisible(!folderName.isEmpty());
    m_nameLabel->setText(QStringLiteral("Name for: ") + folderName);
    m_bar->setValue(percent < 0 ? 0 : percent);
    m_value->setText(QStringLiteral("%1%").arg(m_bar->value(), 3, 10, QLatin1Char('0')));
    if (runModal(*this) != QDialog::Accepted)
        return std::nullopt;
    return m_bar->value();
}

Tallfilescomboform::Tallfilescomboform(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("allfilescomboform"));
    m_list = new QListWidget(this);
    m_list->setObjectName(QStringLiteral("ComboBox1"));
    m_list->setMinimumSize(260, 240);
    m_ok = button(this, "OK", QStringLiteral("OK"));
    m_cancel = button(this, "Cancel", QStringLiteral("Cancel"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_list);
    layout->addLayout(buttonRow({m_ok, m_cancel}));
    connect(m_list, &QListWidget::itemDoubleClicked, this, &QDialog::accept);
    connect(m_ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(m_cancel, &QPushButton::clicked, this, &QDialog::reject);
    applyLanguage();
}

void Tallfilescomboform::applyLanguage() {
    setCaption(m_ok, "AllFilesCombo", 1, "OK");
    setCaption(m_cancel, "AllFilesCombo", 2, "Cancel");
}

std::optional<int> Tallfilescomboform::choose(const QStringList& entries, const QList<QIcon>& icons) {
    setWindowTitle(title());
    m_list->clear();
    for (qsizetype i = 0; i < entries.size(); ++i) {
        auto* item = new QListWidgetItem(entries[i], m_list);
        if (i < icons.size())
            item->setIcon(icons[i]);
    }
    if (!entries.isEmpty())
        m_list->setCurrentRow(0);
    if (runModal(*this) != QDialog::Accepted || m_list->currentRow() < 0)
        return std::nullopt;
    return m_list->currentRow();
}

Tcolor_chooseform::Tcolor_chooseform(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("color_chooseform"));
    m_colours = new QComboBox(this);
    m_colours->setObjectName(QStringLiteral("ColorBox1"));
    static const char* const kNames[] = {"clBlack",  "clMaroon", "clGreen",  "clOlive",  "clNavy",
                                         "clPurple", "clTeal",   "clGray",   "clSilver", "clRed",
                                         "clLime",   "clYellow", "clBlue",   "clFuchsia", "clAqua",
                                         "clWhite",  "clMoneyGreen", "clSkyBlue", "clCream", "clMedGray"};
    for (const char* name : kNames) {
        const auto c = tarnic::parseColour(name);
        if (!c)
            continue;
        const tarnic::Rgb rgb = tarnic::colourToRgb(*c);
        QPixmap swatch(16, 16);
        swatch.fill(QColor(rgb.r, rgb.g, rgb.b));
        m_colours->addItem(QIcon(swatch), QString::fromLatin1(name), QVariant::fromValue(*c));
    }
    m_ok = button(this, "OK", QStringLiteral("OK"));
    m_cancel = button(this, "Cancel", QStringLiteral("Cancel"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_colours);
    layout->addLayout(buttonRow({m_ok, m_cancel}));
    connect(m_ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(m_cancel, &QPushButton::clicked, this, &QDialog::reject);
    applyLanguage();
}

void Tcolor_chooseform::applyLanguage() {
    setCaption(m_ok, "Color_Choose", 1, "OK");
    setCaption(m_cancel, "Color_Choose", 2, "Cancel");
}

std::optional<tarnic::Colour> Tcolor_chooseform::choose(tarnic::Colour current) {
    setWindowTitle(title());
    int at = m_colours->findData(QVariant::fromValue(current));
    if (at < 0) {
        const tarnic::Rgb rgb = tarnic::colourToRgb(current);
        QPixmap swatch(16, 16);
        swatch.fill(QColor(rgb.r, rgb.g, rgb.b));
        m_colours->addItem(QIcon(swatch), QString::fromStdString(tarnic::colourToText(current)),
                           QVariant::fromValue(current));
        at = m_colours->count() - 1;
    }
    m_colours->setCurrentIndex(at);
    if (runModal(*this) != QDialog::Accepted)
        return std::nullopt;
    return m_colours->currentData().value<tarnic::Colour>();
}

} // namespace vardeo
