#pragma once
// The item grid's model: one row per item of the open project, column 0 the
// fixed column without item data, column c (1..16) the field c - 1. The view
// moves sections; which display column shows a field is the header's visual
// order. Rows are banded by category with the two grid colours.

#include "designer/project/local_words.h"
#include "designer/project/project_item.h"

#include <QAbstractTableModel>
#include <QColor>

#include <vector>

namespace vardeo {

class ItemTableModel final : public QAbstractTableModel {
    Q_OBJECT
public:
    ItemTableModel(std::vector<ProjectItem>& items, const LocalWords& words, QObject* parent = nullptr);

    [[nodiscard]] static int columnOf(Field f) { return static_cast<int>(f) + 1; }
    [[nodiscard]] static Field fieldOf(int column) { return static_cast<Field>(column - 1); }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    void sort(int column, Qt::SortOrder order) override;

    // Row dragging inside the grid.
    Qt::DropActions supportedDropActions() const override;
    Qt::DropActions supportedDragActions() const override;
    QStringList mimeTypes() const override;
    QMimeData* mimeData(const QModelIndexList& indexes) const override;
    bool canDropMimeData(const QMimeData* data, Qt::DropAction action, int row, int column,
                         const QModelIndex& parent) const override;
    bool dropMimeData(const QMimeData* data, Qt::DropAction action, int row, int column,
                      const QModelIndex& parent) override;
    bool moveRows(const QModelIndex& sourceParent, int sourceRow, int count,
                  const QModelIndex& destinationParent, int destinationChild) override;

    [[nodiscard]] const ProjectItem& item(int row) const { return m_items[static_cast<std::size_t>(row)]; }
    void setField(int row, Field f, std::string value);
    // Removes a row; the only row is cleared instead, so the grid never empties.
    void removeItemRow(int row);
    // Appends an item, or fills the single empty row of an empty project.
    int appendItem(ProjectItem item);
    // Sorted by Name, then stably by Category: grouped by category, by name within.
    void fullSort();
    // After the item list was replaced (open, language switch, round trips).
    void reload();
    void setColours(const QColor& first, const QColor& second);
    [[nodiscard]] QColor rowColour(int row) const;

Q_SIGNALS:
    // Every change of the list by the user (edit, remove, sort, row move).
    void modified();

private:
    void recolour();
    void changed();

    std::vector<ProjectItem>& m_items;
    const LocalWords& m_words;
    std::vector<bool> m_secondColour;
    QColor m_first{0xC0, 0xC0, 0xC0};
    QColor m_second{Qt::white};
};

// Rows of an empty project: one empty row, so there is always a row to show.
void ensureOneRow(std::vector<ProjectItem>& items);

} // namespace vardeo
