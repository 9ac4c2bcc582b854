#include "category_editor.h"

#include "designer/categories/category_texts.h"
#include "designer/categories/icon_choosers.h"
#include "designer/language/desktop_services.h"
#include "designer/language/dialog_runner.h"
#include "designer/language/ui_language.h"

#include <QAction>
#include <QDropEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QImageReader>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMetaObject>
#include <QPointer>
#include <QPushButton>
#include <QVBoxLayout>


namespace vardeo {

namespace fs = std::filesystem;

namespace {

QPushButton* button(QWidget* parent, const char* name) {
    auto* b = new QPushButton(parent);
    b->setObjectName(QString::fromLatin1(name));
    return b;
}

QLabel* heading(QWidget* parent) {
    auto* l = new QLabel(parent);
    QFont f = l->font();
    f.setBold(true);
    l->setFont(f);
    return l;
}

} // namespace

// ---------------------------------------------------------------- tree view

CategoryTreeWidget::CategoryTreeWidget(Tgfform& form) : QTreeWidget(&form), m_form(form) {
    setObjectName(QStringLiteral("cat_items"));
    setHeaderHidden(true);
    setColumnCount(1);
    setIconSize(QSize(24, 24));
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setDragEnabled(true);
    setAcceptDrops(true);
    setDropIndicatorShown(true);
    setDragDropMode(QAbstractItemView::InternalMove);
    setContextMenuPolicy(Qt::CustomContextMenu);
}

void CategoryTreeWidget::dropEvent(QDropEvent* event) {
    // The view must not move or remove rows itself: the editor rebuilds the
    // tree once the drag has ended.
    event->setDropAction(Qt::IgnoreAction);
    event->accept();
    dropAt(event->position().toPoint());
}

void CategoryTreeWidget::dropAt(const QPoint& position) {
    CategoryNode* targetNode = m_form.nodeOf(itemAt(position));
    QPointer<Tgfform> form(&m_form);
    QMetaObject::invokeMethod(
        &m_form,
        [form, targetNode] {
            if (form)
                form->dropOn(targetNode != nullptr ? form->itemOf(*targetNode) : nullptr);
        },
        Qt::QueuedConnection);
}

void CategoryTreeWidget::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
    case Qt::Key_Delete: m_form.remClick(); return;
    case Qt::Key_F2:
    case Qt::Key_Space: m_form.renamebtnClick(); return;
    default: QTreeWidget::keyPressEvent(event);
    }
}

// ---------------------------------------------------------------- rename dialog

Tcatrenameform::Tcatrenameform(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("catrenameform"));
    m_edit = new QLineEdit(this);
    m_edit->setObjectName(QStringLiteral("Edit1"));
    m_edit->setMinimumWidth(320);
    m_ok = button(this, "OK");
    m_cancel = button(this, "Cancel");
    m_ok->setDefault(true);
    auto* row = new QHBoxLayout;
    row->addStretch();
    row->addWidget(m_ok);
    row->addWidget(m_cancel);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_edit);
    layout->addLayout(row);
    connect(m_ok, &QPushButton::clicked, this, &Tcatrenameform::tryAccept);
    connect(m_cancel, &QPushButton::clicked, this, &QDialog::reject);
    applyLanguage();
}

void Tcatrenameform::applyLanguage() {
    setWindowTitle(categoryText("Texts", "T3"));
    m_ok->setText(categoryCaption("AllFilesEdit", 1));
    m_cancel->setText(categoryCaption("AllFilesEdit", 2));
}

void Tcatrenameform::tryAccept() {
    const QString text = m_edit->text().trimmed();
    if (text.isEmpty()) {
        showCategoryMessage("M6");
        return;
    }
    if (!categoryTextStorable(text))
        return;
    m_result = *uiLanguage().encode(text);
    accept();
}

std::optional<std::string> Tcatrenameform::edit(const QString& initial) {
    applyLanguage();
    m_edit->setText(initial);
    m_edit->selectAll();
    m_edit->setFocus();
    m_result.clear();
    if (runModal(*this) != QDialog::Accepted)
        return std::nullopt;
    if (m_result.empty()) { // accepted by a test hook without the OK button
        auto bytes = uiLanguage().encode(m_edit->text().trimmed());
        if (!bytes)
            return std::nullopt;
        m_result = *bytes;
    }
    return m_result;
}

// ---------------------------------------------------------------- Tgfform

Tgfform::Tgfform(fs::path programFolder, QWidget* parent)
    : QDialog(parent), m_programFolder(programFolder), m_set(programFolder) {
    setObjectName(QStringLiteral("gfform"));
    build();
    applyLanguage();
    m_set.newSet({});
    m_set.setChanged(false);
    rebuild(&m_set.tree().root());
    updateTitle();
}

Tgfform::~Tgfform() = default;

void Tgfform::build() {
    m_tree = new CategoryTreeWidget(*this);
    m_tree->setMinimumSize(340, 320);
    m_fileHeading = heading(this);
    m_treeHeading = heading(this);
    m_name = new QLineEdit(this);
    m_name->setObjectName(QStringLiteral("Edit1"));
    m_crgf = button(this, "crgf");
    m_lgf = button(this, "lgf");
    m_sgf = button(this, "sgf");
    m_saveAs = button(this, "SaveAs");
    m_add = button(this, "add");
    m_rem = button(this, "rem");
    m_renamebtn = button(this, "renamebtn");
    m_standard = button(this, "standard");
    m_sort = button(this, "Sort");
    m_ok = button(this, "OK");
    m_cancel = button(this, "Cancel");
    m_help = button(this, "Help");
    m_link = new HomebaseLink(QString(), QColor(56, 59, 146), Qt::white, this);
    m_popup = new QMenu(this);
    m_renameItem = m_popup->addAction(QString());
    m_renameItem->setObjectName(QStringLiteral("RenameItem1"));
    m_deleteItem = m_popup->addAction(QString());
    m_deleteItem->setObjectName(QStringLiteral("DeleteItem1"));
    m_popup->addSeparator();
    m_changeIcon = m_popup->addAction(QString());
    m_changeIcon->setObjectName(QStringLiteral("chanegicon1"));
    m_chooser = new Tiwform(m_programFolder, this);
    m_rename = new Tcatrenameform(this);

    auto* files = new QHBoxLayout;
    for (QPushButton* b : {m_crgf, m_lgf, m_sgf, m_saveAs})
        files->addWidget(b);
    files->addStretch();
    auto* side = new QVBoxLayout;
    for (QPushButton* b : {m_rem, m_renamebtn, m_standard, m_sort})
        side->addWidget(b);
    side->addStretch();
    auto* middle = new QHBoxLayout;
    middle->addWidget(m_tree, 1);
    middle->addLayout(side);
    auto* adding = new QHBoxLayout;
    adding->addWidget(m_name, 1);
    adding->addWidget(m_add);
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(m_help);
    bottom->addStretch();
    bottom->addWidget(m_ok);
    bottom->addWidget(m_cancel);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_fileHeading);
    layout->addLayout(files);
    layout->addSpacing(6);
    layout->addWidget(m_treeHeading);
    layout->addLayout(middle, 1);
    layout->addLayout(adding);
    layout->addSpacing(6);
    layout->addLayout(bottom);
    layout->addWidget(m_link);
    m_ok->setDefault(false);
    m_ok->setAutoDefault(false);
    m_add->setAutoDefault(true);

    const auto clicked = [this](QPushButton* b, void (Tgfform::*handler)()) {
        connect(b, &QPushButton::clicked, this, [this, handler] {
            playClick();
            (this->*handler)();
        });
    };
    clicked(m_crgf, &Tgfform::crgfClick);
    clicked(m_lgf, &Tgfform::lgfClick);
    clicked(m_sgf, &Tgfform::sgfClick);
    clicked(m_saveAs, &Tgfform::SaveAsClick);
    clicked(m_add, &Tgfform::addClick);
    clicked(m_rem, &Tgfform::remClick);
    clicked(m_renamebtn, &Tgfform::renamebtnClick);
    clicked(m_standard, &Tgfform::standardClick);
    clicked(m_sort, &Tgfform::SortClick);
    clicked(m_ok, &Tgfform::OKClick);
    clicked(m_cancel, &Tgfform::CancelClick);
    clicked(m_help, &Tgfform::HelpClick);
    connect(m_name, &QLineEdit::returnPressed, this, [this] { addClick(); });
    connect(m_deleteItem, &QAction::triggered, this, [this] { remClick(); });
    connect(m_renameItem, &QAction::triggered, this, [this] { renamebtnClick(); });
    connect(m_changeIcon, &QAction::triggered, this, [this] { chanegicon1Click(); });
    connect(m_tree, &QWidget::customContextMenuRequested, this, [this](const QPoint& pos) {
        if (QTreeWidgetItem* item = m_tree->itemAt(pos))
            m_tree->setCurrentItem(item);
        m_popup->popup(m_tree->viewport()->mapToGlobal(pos));
    });
    connect(m_tree, &QTreeWidget::itemDoubleClicked, this, [this] { renamebtnClick(); });
}

void Tgfform::applyLanguage() {
    m_fileHeading->setText(categoryCaption("Genre", 1));
    m_crgf->setText(categoryCaption("Genre", 2));
    m_lgf->setText(categoryCaption("Genre", 3));
    m_sgf->setText(categoryCaption("Genre", 4));
    m_saveAs->setText(categoryCaption("Genre", 5));
    m_treeHeading->setText(categoryCaption("Genre", 6));
    m_rem->setText(categoryCaption("Genre", 7));
    m_add->setText(categoryCaption("Genre", 10));
    m_ok->setText(categoryCaption("Genre", 11));
    m_cancel->setText(categoryCaption("Genre", 12));
    m_help->setText(categoryCaption("Genre", 13));
    m_renameItem->setText(categoryCaption("Genre", 14));
    m_deleteItem->setText(categoryText("Genre", "E15_2"));
    m_changeIcon->setText(categoryCaption("Genre", 15));
    m_link->setText(categoryCaption("Genre", 16));
    m_standard->setText(categoryCaption("Genre", 17));
    m_renamebtn->setText(categoryCaption("Genre", 18));
    m_sort->setText(categoryCaption("Genre", 19));
    m_chooser->applyLanguage();
    m_rename->applyLanguage();
    updateTitle();
}

void Tgfform::updateTitle() {
    if (m_set.currentFile().empty())
        setWindowTitle(categoryText("Texts", "T21"));
    else
        setWindowTitle(categoryText("Texts", "T22") + QLatin1Char(' ') + pathToQString(m_set.currentFile()));
}

QIcon Tgfform::iconOf(int image) const {
    return image >= 0 && static_cast<std::size_t>(image) < m_icons.size() ? m_icons[static_cast<std::size_t>(image)]
                                                                           : QIcon();
}

void Tgfform::syncIcons() {
    // An image is read once, when it joins catimage: a later save may put
    // another category's icon under the same file name.
    const auto& files = m_set.images();
    if (m_icons.size() > files.size())
        m_icons.clear();
    while (m_icons.size() < files.size()) {
        QImageReader reader(pathToQString(files[m_icons.size()]));
        const QImage image = reader.read();
        m_icons.push_back(image.isNull() ? QIcon() : QIcon(QPixmap::fromImage(image)));
    }
}

void Tgfform::addItems(QTreeWidgetItem* parentItem, const CategoryNode& node) {
    auto* item = parentItem != nullptr ? new QTreeWidgetItem(parentItem) : new QTreeWidgetItem(m_tree);
    item->setText(0, uiLanguage().decode(node.caption));
    item->setIcon(0, iconOf(node.image));
    item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsDragEnabled | Qt::ItemIsDropEnabled);
    m_nodes[item] = const_cast<CategoryNode*>(&node); // NOLINT: the set owns every node
    for (const auto& child : node.children)
        addItems(item, *child);
    if (node.isRoot() || m_expanded.contains(&node))
        item->setExpanded(true);
}

void Tgfform::rebuild(const CategoryNode* select) {
    syncIcons();
    // Keep what the user had opened; a rebuilt tree would otherwise fold up.
    for (const auto& [item, node] : m_nodes)
        if (item->isExpanded())
            m_expanded.insert(node);
    const QSignalBlocker block(m_tree);
    m_nodes.clear();
    m_tree->clear();
    addItems(nullptr, m_set.tree().root());
    m_expanded.clear();
    if (QTreeWidgetItem* item = select != nullptr ? itemOf(*select) : nullptr) {
        m_tree->setCurrentItem(item);
        m_tree->scrollToItem(item);
    }
}

QTreeWidgetItem* Tgfform::itemOf(const CategoryNode& node) const {
    for (const auto& [item, n] : m_nodes)
        if (n == &node)
            return const_cast<QTreeWidgetItem*>(item); // NOLINT: items belong to cat_items
    return nullptr;
}

CategoryNode* Tgfform::nodeOf(const QTreeWidgetItem* item) const {
    if (item == nullptr)
        return nullptr;
    const auto it = m_nodes.find(item);
    return it == m_nodes.end() ? nullptr : it->second;
}

CategoryNode* Tgfform::selectedNode() const {
    const QList<QTreeWidgetItem*> selected = m_tree->selectedItems();
    return selected.isEmpty() ? nodeOf(m_tree->currentItem()) : nodeOf(selected.front());
}

bool Tgfform::refuse(CategoryRefusal refusal) {
    if (refusal == CategoryRefusal::None)
        return false;
    showRefusal(refusal);
    return true;
}

} // namespace vardeo
