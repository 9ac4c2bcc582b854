#include "wait_window.h"

#include <QApplication>
#include <QGuiApplication>
#include <QPainter>
#include <QScreen>

namespace vardeo {

WaitWindow::WaitWindow(QWidget* parent)
    : QWidget(parent, Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint | Qt::Tool) {
    setObjectName(QStringLiteral("waitform"));
    resize(240, 80);
}

void WaitWindow::setPicture(const QPixmap& picture) {
    m_picture = picture;
    if (!m_picture.isNull())
        resize(m_picture.size());
}

void WaitWindow::begin() {
    if (m_depth++ > 0)
        return;
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->geometry().center() - rect().center());
    QApplication::setOverrideCursor(Qt::WaitCursor);
    show();
    repaint();
}

void WaitWindow::end() {
    if (m_depth == 0 || --m_depth > 0)
        return;
    hide();
    QApplication::restoreOverrideCursor();
}

void WaitWindow::paintEvent(QPaintEvent*) {
    QPainter p(this);
    if (!m_picture.isNull()) {
        p.drawPixmap(0, 0, m_picture);
        return;
    }
    p.fillRect(rect(), palette().window());
    p.drawRect(rect().adjusted(0, 0, -1, -1));
    p.drawText(rect(), Qt::AlignCenter, QStringLiteral("Tarnic - Vardeo"));
}

WaitWindow& waitWindow() {
    static auto* instance = new WaitWindow(); // one window for the whole run
    return *instance;
}

} // namespace vardeo
