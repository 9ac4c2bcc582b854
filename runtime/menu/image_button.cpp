#include "runtime/menu/image_button.h"

#include <QPainter>

namespace vistel {

ImageButton::ImageButton(QWidget* parent) : QAbstractButton(parent) {
    setFocusPolicy(Qt::NoFocus);
}

void ImageButton::setPictures(const QPixmap& normal, const QPixmap& hover, const QPixmap& pressed,
                              const QPixmap& disabled) {
    m_normal = normal;
    m_hover = hover;
    m_pressed = pressed;
    m_disabled = disabled;
    update();
}

const QPixmap& ImageButton::shownPicture() const {
    if (!isEnabled())
        return m_disabled.isNull() ? m_normal : m_disabled;
    if (isDown())
        return m_pressed;
    return m_hovered ? m_hover : m_normal;
}

QSize ImageButton::sizeHint() const { return m_normal.isNull() ? QSize(75, 40) : m_normal.size(); }

void ImageButton::paintEvent(QPaintEvent*) {
    QPainter p(this);
    const QPixmap& pic = shownPicture();
    if (!pic.isNull())
        p.drawPixmap(rect(), pic);
}

void ImageButton::enterEvent(QEnterEvent* event) {
    m_hovered = true;
    update();
    QAbstractButton::enterEvent(event);
}

void ImageButton::leaveEvent(QEvent* event) {
    m_hovered = false;
    update();
    QAbstractButton::leaveEvent(event);
}

} // namespace vistel
