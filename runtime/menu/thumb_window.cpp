#include "runtime/menu/thumb_window.h"

#include "runtime/menu/qt_bridge.h"
#include "runtime/menu/window_rules.h"

#include <QGuiApplication>
#include <QMouseEvent>
#include <QMovie>
#include <QPainter>
#include <QScreen>

namespace vistel {

Tpicpreviewform::Tpicpreviewform(QWidget* parent)
    : QWidget(parent, Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint) {
    setObjectName(QStringLiteral("picpreviewform"));
    resize(112, 106);
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, Qt::white);
    setPalette(pal);
}

void Tpicpreviewform::setBackground(const QPixmap& background) {
    m_background = background;
    update();
}

void Tpicpreviewform::setPicture(const std::optional<std::filesystem::path>& file,
                                 bool whiteBackground) {
    m_white = whiteBackground;
    if (file == m_file) {
        update();
        return;
    }
    m_file = file;
    m_picture = QPixmap();
    if (m_movie)
        m_movie->deleteLater();
    if (file) {
        const QString name = fromPath(*file);
        if (name.endsWith(QStringLiteral(".gif"), Qt::CaseInsensitive)) {
            m_movie = new QMovie(name, QByteArray(), this);
            if (m_movie->isValid() && m_movie->frameCount() > 1) {
                connect(m_movie, &QMovie::frameChanged, this, [this] { update(); });
                m_movie->start();
            } else {
                m_movie->deleteLater();
            }
        }
        if (!m_movie)
            if (auto pix = loadPicture(*file))
                m_picture = *pix;
    }
    update();
}

void Tpicpreviewform::setDocked(bool docked) {
    m_docked = docked;
    if (docked) {
        placed = false;
        resize(330, 255);
    } else {
        resize(100, 100);
    }
}

void Tpicpreviewform::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), m_white ? Qt::white : Qt::black);
    if (!m_background.isNull())
        p.drawPixmap(rect(), m_background);
    const QPixmap pic = m_movie ? m_movie->currentPixmap() : m_picture;
    if (pic.isNull())
        return;
    const QRect inner = rect().adjusted(6, 6, -6, -6);
    const QSize fitted = pic.size().scaled(inner.size(), Qt::KeepAspectRatio);
    QRect target(QPoint(0, 0), fitted);
    target.moveCenter(inner.center());
    if (m_white)
        p.fillRect(target, Qt::white);
    p.drawPixmap(target, pic);
    // A 3D frame: light top-left, dark bottom-right.
    const QRect frame = target.adjusted(-2, -2, 1, 1);
    p.setPen(QColor(255, 255, 255));
    p.drawLine(frame.topLeft(), frame.topRight());
    p.drawLine(frame.topLeft(), frame.bottomLeft());
    p.setPen(QColor(64, 64, 64));
    p.drawLine(frame.bottomLeft(), frame.bottomRight());
    p.drawLine(frame.topRight(), frame.bottomRight());
}

void Tpicpreviewform::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::RightButton) {
        Q_EMIT contextMenuWanted(event->globalPosition().toPoint());
        return;
    }
    if (event->button() == Qt::LeftButton && !m_docked)
        m_dragOffset = event->globalPosition().toPoint() - pos();
}

void Tpicpreviewform::mouseMoveEvent(QMouseEvent* event) {
    if (m_docked || !(event->buttons() & Qt::LeftButton))
        return;
    const QScreen* screen = QGuiApplication::primaryScreen();
    const QRect s = screen ? screen->geometry() : QRect(0, 0, 1024, 768);
    const QPoint want = event->globalPosition().toPoint() - m_dragOffset;
    const Point p = dragTo({want.x(), want.y()}, {s.left(), s.top(), s.width(), s.height()},
                           width(), height(), s.width(), s.height());
    move(p.x, p.y);
}

} // namespace vistel
