#pragma once
// The thumbnail window (Tpicpreviewform): a screenshot or picture item scaled
// to fit, centred, in a 3D frame; free (sizeable, draggable) or docked over
// the details panel of the main window.

#include <QPixmap>
#include <QPointer>
#include <QWidget>

#include <filesystem>
#include <optional>

#include <QMovie>

namespace vistel {

class Tpicpreviewform final : public QWidget {
    Q_OBJECT
public:
    explicit Tpicpreviewform(QWidget* parent = nullptr);
    void setBackground(const QPixmap& background);
    // Shows the picture (an animated GIF plays); nullopt hides it.
    void setPicture(const std::optional<std::filesystem::path>& file, bool whiteBackground);
    void setDocked(bool docked);
    [[nodiscard]] bool docked() const { return m_docked; }
    [[nodiscard]] bool hasPicture() const { return !m_picture.isNull() || m_movie; }
    // Whether the free window has been placed since start or since it was last docked.
    bool placed = false;

Q_SIGNALS:
    void contextMenuWanted(const QPoint& globalPos);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    QPixmap m_background;
    QPixmap m_picture;
    QPointer<QMovie> m_movie;
    std::optional<std::filesystem::path> m_file;
    bool m_white = false;
    bool m_docked = false;
    QPoint m_dragOffset;
};

} // namespace vistel
