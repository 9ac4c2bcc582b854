#pragma once
// A transparent label that draws its text with the design's 3D effects: a
// front colour or a two-colour gradient and a soft shadow below the letters.
// Mouse presses it does not use pass on to the window (which drags itself).

#include "runtime/menu/design.h"

#include <QWidget>

namespace vistel {

class Label3D final : public QWidget {
    Q_OBJECT
public:
    explicit Label3D(QWidget* parent = nullptr);
    void setText(const QString& text);
    [[nodiscard]] const QString& text() const { return m_text; }
    void setStyle3D(const Text3DStyle& style, const QFont& font);
    void setAlignment(Qt::Alignment a) { m_align = a; update(); }
    void setWordWrap(bool on) { m_wrap = on; update(); }
    // Auto-size to the text (all labels but the wrapped ones).
    void setAutoSize(bool on) { m_autoSize = on; adjust(); }
    void setClickable(bool on) { m_clickable = on; }
    [[nodiscard]] QSize sizeHint() const override;

Q_SIGNALS:
    void clicked();
    void rightClicked(const QPoint& globalPos);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void adjust();
    QString m_text;
    Text3DStyle m_style;
    Qt::Alignment m_align = Qt::AlignLeft | Qt::AlignVCenter;
    bool m_wrap = false;
    bool m_autoSize = true;
    bool m_clickable = false;
    bool m_rightMenu = false;
};

} // namespace vistel
