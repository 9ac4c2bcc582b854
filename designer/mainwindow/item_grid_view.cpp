#include "item_grid_view.h"

#include <QContextMenuEvent>
#include <QDragEnterEvent>
#include <QHeaderView>
#include <QMimeData>
#include <QUrl>

namespace vardeo {
namespace {

bool isExternalDrop(const QMimeData* data) { return data && data->hasUrls(); }

} // namespace

ItemGridView::ItemGridView(QWidget* parent) : QTableView(parent) {
    setObjectName(QStringLiteral("allfiles"));
    setSelectionBehavior(QAbstractItemView::SelectItems);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setDragEnabled(true);
    setAcceptDrops(true);
    setDragDropMode(QAbstractItemView::DragDrop);
    setDefaultDropAction(Qt::MoveAction);
    setDropIndicatorShown(true);
    setDragDropOverwriteMode(false);
    setShowGrid(true);
    setWordWrap(false);
    verticalHeader()->setVisible(false);
    verticalHeader()->setDefaultSectionSize(20);
    horizontalHeader()->setHighlightSections(false);
    horizontalHeader()->setMinimumSectionSize(0);
    // Column 0 is the fixed column: nothing may take its place.
    connect(horizontalHeader(), &QHeaderView::sectionMoved, this, [this](int logical, int, int) {
        QHeaderView* h = horizontalHeader();
        if (h->visualIndex(0) != 0) {
            const QSignalBlocker block(h);
            h->moveSection(h->visualIndex(0), 0);
        }
        (void)logical;
    });
    connect(this, &QTableView::doubleClicked, this, [this](const QModelIndex& index) {
        if (index.isValid() && index.column() > 0)
            Q_EMIT editRequested(index.row(), index.column());
    });
}

void ItemGridView::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Space && event->modifiers() == Qt::NoModifier) {
        const QModelIndex index = currentIndex();
        if (index.isValid() && index.column() > 0)
            Q_EMIT editRequested(index.row(), index.column());
        return;
    }
    QTableView::keyPressEvent(event);
}

void ItemGridView::keyReleaseEvent(QKeyEvent* event) {
    QTableView::keyReleaseEvent(event);
    Q_EMIT keyReleased();
}

void ItemGridView::dragEnterEvent(QDragEnterEvent* event) {
    if (isExternalDrop(event->mimeData())) {
        event->setDropAction(Qt::CopyAction);
        event->accept();
        return;
    }
    QTableView::dragEnterEvent(event);
}

void ItemGridView::dragMoveEvent(QDragMoveEvent* event) {
    if (isExternalDrop(event->mimeData())) {
        event->setDropAction(Qt::CopyAction);
        event->accept();
        return;
    }
    QTableView::dragMoveEvent(event);
}

void ItemGridView::dropEvent(QDropEvent* event) {
    if (isExternalDrop(event->mimeData())) {
        QStringList paths;
        for (const QUrl& url : event->mimeData()->urls())
            if (url.isLocalFile())
                paths.push_back(url.toLocalFile());
        event->setDropAction(Qt::CopyAction);
        event->accept();
        if (!paths.isEmpty())
            Q_EMIT pathsDropped(paths);
        return;
    }
    QTableView::dropEvent(event);
}

void ItemGridView::contextMenuEvent(QContextMenuEvent* event) {
    const QModelIndex index = indexAt(event->pos());
    if (index.isValid())
        setCurrentIndex(index);
    Q_EMIT popupRequested(currentIndex().isValid() ? currentIndex().row() : -1, event->globalPos());
}

} // namespace vardeo
