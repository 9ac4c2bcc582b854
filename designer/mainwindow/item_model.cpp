#include "item_model.h"

#include "designer/language/ui_language.h"
#include "shared/text.h"

#include <QMimeData>

#include <algorithm>

namespace vardeo {
namespace {

const QString kRowMime = QStringLiteral("application/x-vardeo-item-row");

bool lessByField(const ProjectItem& a, const ProjectItem& b, Field f) {
    return tarnic::icompare(a[f], b[f]) < 0;
}

} // namespace

void ensureOneRow(std::vector<ProjectItem>& items) {
    if (items.empty())
        items.emplace_back();
}

ItemTableModel::ItemTableModel(std::vector<ProjectItem>& items, const LocalWords& words, QObject* parent)
    : QAbstractTableModel(parent), m_items(items), m_words(words) {
    ensureOneRow(m_items);
    recolour();
}

int ItemTableModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(m_items.size());
}

int ItemTableModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(kFieldCount) + 1;
}

QVariant ItemTableModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rowCount() || index.column() >= columnCount())
        return {};
    if (index.column() == 0)
        return role == Qt::BackgroundRole ? QVariant(QColor(0xD4, 0xD0, 0xC8)) : QVariant();
    switch (role) {
    case Qt::DisplayRole:
    case Qt::ToolTipRole:
        return uiLanguage().decode(item(index.row())[fieldOf(index.column())]);
    case Qt::BackgroundRole: return rowColour(index.row());
    case Qt::ForegroundRole: return QColor(Qt::black);
    default: return {};
    }
}

QVariant ItemTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (role != Qt::DisplayRole)
        return {};
    if (orientation == Qt::Vertical)
        return section + 1;
    if (section <= 0 || section > static_cast<int>(kFieldCount))
        return QString();
    return uiLanguage().decode(m_words.headers[static_cast<std::size_t>(section - 1)]);
}

Qt::ItemFlags ItemTableModel::flags(const QModelIndex& index) const {
    if (!index.isValid())
        return Qt::ItemIsDropEnabled;
    return Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsDragEnabled | Qt::ItemIsDropEnabled;
}

void ItemTableModel::sort(int column, Qt::SortOrder order) {
    if (column <= 0 || column > static_cast<int>(kFieldCount))
        return;
    const Field f = fieldOf(column);
    Q_EMIT layoutAboutToBeChanged({}, QAbstractItemModel::VerticalSortHint);
    const QModelIndexList before = persistentIndexList();
    std::vector<std::size_t> order_(m_items.size());
    for (std::size_t i = 0; i < order_.size(); ++i)
        order_[i] = i;
    std::stable_sort(order_.begin(), order_.end(), [&](std::size_t a, std::size_t b) {
        return order == Qt::AscendingOrder ? lessByField(m_items[a], m_items[b], f)
                                           : lessByField(m_items[b], m_items[a], f);
    });
    std::vector<ProjectItem> sorted;
    sorted.reserve(m_items.size());
    std::vector<int> newRow(m_items.size());
    for (std::size_t i = 0; i < order_.size(); ++i) {
        sorted.push_back(std::move(m_items[order_[i]]));
        newRow[order_[i]] = static_cast<int>(i);
    }
    m_items = std::move(sorted);
    for (const QModelIndex& idx : before)
        changePersistentIndex(idx, index(newRow[static_cast<std::size_t>(idx.row())], idx.column()));
    recolour();
    Q_EMIT layoutChanged({}, QAbstractItemModel::VerticalSortHint);
    Q_EMIT modified();
}

void ItemTableModel::fullSort() {
    // Two stable passes: the second key groups, the first orders within groups.
    beginResetModel();
    std::stable_sort(m_items.begin(), m_items.end(),
                     [](const ProjectItem& a, const ProjectItem& b) { return lessByField(a, b, Field::Name); });
    std::stable_sort(m_items.begin(), m_items.end(), [](const ProjectItem& a, const ProjectItem& b) {
        return lessByField(a, b, Field::Category);
    });
    recolour();
    endResetModel();
    Q_EMIT modified();
}

Qt::DropActions ItemTableModel::supportedDropActions() const { return Qt::MoveAction; }
Qt::DropActions ItemTableModel::supportedDragActions() const { return Qt::MoveAction; }
QStringList ItemTableModel::mimeTypes() const { return {kRowMime}; }

QMimeData* ItemTableModel::mimeData(const QModelIndexList& indexes) const {
    if (indexes.isEmpty())
        return nullptr;
    auto* data = new QMimeData;
    data->setData(kRowMime, QByteArray::number(indexes.first().row()));
    return data;
}

bool ItemTableModel::canDropMimeData(const QMimeData* data, Qt::DropAction action, int, int,
                                     const QModelIndex&) const {
    return data && data->hasFormat(kRowMime) && action == Qt::MoveAction;
}

bool ItemTableModel::dropMimeData(const QMimeData* data, Qt::DropAction action, int row, int,
                                  const QModelIndex& parent) {
    if (!canDropMimeData(data, action, row, 0, parent))
        return false;
    bool ok = false;
    const int source = data->data(kRowMime).toInt(&ok);
    if (!ok || source < 0 || source >= rowCount())
        return false;
    int target = row >= 0 ? row : parent.isValid() ? parent.row() : rowCount();
    if (target == source || target == source + 1)
        return false;
    moveRows({}, source, 1, {}, target);
    // The move is done here; returning false keeps the view from removing the source row.
    return false;
}

bool ItemTableModel::moveRows(const QModelIndex& sourceParent, int sourceRow, int count,
                              const QModelIndex& destinationParent, int destinationChild) {
    if (sourceParent.isValid() || destinationParent.isValid() || count != 1 || sourceRow < 0 ||
        sourceRow >= rowCount() || destinationChild < 0 || destinationChild > rowCount() ||
        destinationChild == sourceRow || destinationChild == sourceRow + 1)
        return false;
    beginMoveRows({}, sourceRow, sourceRow, {}, destinationChild);
    ProjectItem moving = std::move(m_items[static_cast<std::size_t>(sourceRow)]);
    m_items.erase(m_items.begin() + sourceRow);
    const int insertAt = destinationChild > sourceRow ? destinationChild - 1 : destinationChild;
    m_items.insert(m_items.begin() + insertAt, std::move(moving));
    endMoveRows();
    changed();
    return true;
}

void ItemTableModel::setField(int row, Field f, std::string value) {
    if (row < 0 || row >= rowCount())
        return;
    m_items[static_cast<std::size_t>(row)][f] = std::move(value);
    const QModelIndex cell = index(row, columnOf(f));
    Q_EMIT dataChanged(cell, cell);
    changed();
}

void ItemTableModel::removeItemRow(int row) {
    if (row < 0 || row >= rowCount())
        return;
    if (rowCount() == 1) {
        m_items[0] = ProjectItem{};
        Q_EMIT dataChanged(index(0, 0), index(0, columnCount() - 1));
    } else {
        beginRemoveRows({}, row, row);
        m_items.erase(m_items.begin() + row);
        endRemoveRows();
    }
    changed();
}

int ItemTableModel::appendItem(ProjectItem item) {
    if (m_items.size() == 1 && !m_items[0].isItem()) {
        m_items[0] = std::move(item);
        Q_EMIT dataChanged(index(0, 0), index(0, columnCount() - 1));
        changed();
        return 0;
    }
    const int row = rowCount();
    beginInsertRows({}, row, row);
    m_items.push_back(std::move(item));
    endInsertRows();
    changed();
    return row;
}

void ItemTableModel::reload() {
    beginResetModel();
    ensureOneRow(m_items);
    recolour();
    endResetModel();
}

void ItemTableModel::setColours(const QColor& first, const QColor& second) {
    m_first = first;
    m_second = second;
    if (rowCount() > 0)
        Q_EMIT dataChanged(index(0, 1), index(rowCount() - 1, columnCount() - 1), {Qt::BackgroundRole});
}

QColor ItemTableModel::rowColour(int row) const {
    const auto r = static_cast<std::size_t>(row);
    return r < m_secondColour.size() && m_secondColour[r] ? m_second : m_first;
}

void ItemTableModel::recolour() {
    // Row 1 takes the first colour; a change of category switches colours.
    m_secondColour.assign(m_items.size(), false);
    for (std::size_t r = 1; r < m_items.size(); ++r)
        m_secondColour[r] = m_items[r][Field::Category] == m_items[r - 1][Field::Category]
                                ? m_secondColour[r - 1]
                                : !m_secondColour[r - 1];
}

void ItemTableModel::changed() {
    recolour();
    if (rowCount() > 0)
        Q_EMIT dataChanged(index(0, 1), index(rowCount() - 1, columnCount() - 1), {Qt::BackgroundRole});
    Q_EMIT modified();
}

} // namespace vardeo
