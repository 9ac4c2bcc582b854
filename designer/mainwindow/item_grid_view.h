#pragma once
// The grid `allfiles`: a table view over ItemTableModel with movable
// sections (the fixed column 0 always stays first), row dragging, the Space
// key and double-click as cell editing, and files or folders dropped from
// outside.

#include <QStringList>
#include <QTableView>

namespace vardeo {

class ItemGridView final : public QTableView {
    Q_OBJECT
public:
    explicit ItemGridView(QWidget* parent = nullptr);

Q_SIGNALS:
    void editRequested(int row, int column);
    void pathsDropped(const QStringList& paths);
    void popupRequested(int row, const QPoint& globalPos);
    void keyReleased();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
};

} // namespace vardeo
