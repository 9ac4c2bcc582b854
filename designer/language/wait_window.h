#pragma once
// The wait window: borderless, centred, on top, with the hourglass cursor,
// shown while opening, saving, sorting and building. Nested waits are
// counted so an inner end does not close an outer wait.

#include <QPixmap>
#include <QWidget>

namespace vardeo {

class WaitWindow final : public QWidget {
public:
    explicit WaitWindow(QWidget* parent = nullptr);
    void begin();
    void end();
    void setPicture(const QPixmap& picture);
    [[nodiscard]] bool waiting() const { return m_depth > 0; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QPixmap m_picture;
    int m_depth = 0;
};

[[nodiscard]] WaitWindow& waitWindow();

} // namespace vardeo
