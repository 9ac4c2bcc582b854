#include "runtime/menu/label3d.h"

#include "runtime/menu/qt_bridge.h"

#include <QLinearGradient>
#include <QMouseEvent>
#include <QPainter>

#include <cmath>
#include <numbers>

namespace vistel {

Label3D::Label3D(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_TranslucentBackground);
}

void Label3D::setText(const QString& text) {
    m_text = text;
    adjust();
    update();
}

void Label3D::setStyle3D(const Text3DStyle& style, const QFont& font) {
    m_style = style;
    setFont(font);
    adjust();
    update();
}

QSize Label3D::sizeHint() const {
    const QFontMetrics fm(font());
    const int extra = m_style.shadow ? std::abs(m_style.shadowHeight) + 2 : 0;
    return {fm.horizontalAdvance(m_text) + 2 + extra, fm.height() + extra};
}

void Label3D::adjust() {
    if (m_autoSize && !m_wrap)
        resize(sizeHint());
}

void Label3D::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::TextAntialiasing);
    p.setFont(font());
    const int flags = static_cast<int>(m_align) | (m_wrap ? Qt::TextWordWrap : 0);
    const QRect area = rect().adjusted(0, 0, -(m_style.shadow ? 2 : 0), 0);
    if (m_style.shadow && m_style.shadowIntensity > 0) {
        // Soft shadow: the letters stand shadowHeight pixels above it, seen
        // from shadowDirection degrees; a few faint copies soften the edge.
        const double rad = m_style.shadowDirection * std::numbers::pi / 180.0;
        const double h = m_style.shadowHeight == 0 ? 1.0 : m_style.shadowHeight;
        const QPointF off(std::cos(rad) * h, std::sin(rad) * h);
        const int alpha = std::max(1, m_style.shadowIntensity / 3);
        p.setPen(QColor(0, 0, 0, alpha));
        for (const QPointF d : {QPointF(0, 0), QPointF(0.5, 0), QPointF(0, 0.5), QPointF(0.5, 0.5)})
            p.drawText(area.translated((off + d).toPoint()), flags, m_text);
    }
    const QColor front = toQColor(m_style.font.colour);
    if (m_style.gradient) {
        QLinearGradient g(0, 0, m_style.gradientVertical ? 0 : width(),
                          m_style.gradientVertical ? height() : 0);
        g.setColorAt(0, front);
        g.setColorAt(1, toQColor(m_style.gradientEnd));
        p.setPen(QPen(QBrush(g), 1));
    } else {
        p.setPen(front);
    }
    // A fixed-width label that cannot hold its text ends in an ellipsis.
    const QString shown = (!m_autoSize && !m_wrap)
                              ? QFontMetrics(font()).elidedText(m_text, Qt::ElideMiddle, area.width())
                              : m_text;
    p.drawText(area, flags, shown);
}

void Label3D::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::RightButton) {
        Q_EMIT rightClicked(event->globalPosition().toPoint());
        event->accept();
        return;
    }
    if (m_clickable && event->button() == Qt::LeftButton) {
        event->accept();
        return;
    }
    event->ignore(); // the window drags itself
}

void Label3D::mouseReleaseEvent(QMouseEvent* event) {
    if (m_clickable && event->button() == Qt::LeftButton && rect().contains(event->pos())) {
        Q_EMIT clicked();
        event->accept();
        return;
    }
    event->ignore();
}

} // namespace vistel
