#pragma once
// A button drawn from four pictures: normal, hover, pressed and disabled.

#include <QAbstractButton>
#include <QPixmap>

namespace vistel {

class ImageButton final : public QAbstractButton {
    Q_OBJECT
public:
    explicit ImageButton(QWidget* parent = nullptr);
    void setPictures(const QPixmap& normal, const QPixmap& hover, const QPixmap& pressed,
                     const QPixmap& disabled);
    // All four states the same picture (the panel switches).
    void setPicture(const QPixmap& all) { setPictures(all, all, all, all); }
    [[nodiscard]] const QPixmap& shownPicture() const;
    [[nodiscard]] QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    QPixmap m_normal, m_hover, m_pressed, m_disabled;
    bool m_hovered = false;
};

} // namespace vistel
