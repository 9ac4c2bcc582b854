#include "runtime/menu/info_viewer.h"

#include "runtime/menu/qt_bridge.h"
#include "runtime/menu/rtf_reader.h"
#include "runtime/menu/window_rules.h"
#include "shared/file_io.h"

#include <QGuiApplication>
#include <QScreen>
#include <QTextEdit>
#include <QVBoxLayout>

#include <algorithm>

namespace vistel {

TInfoform::TInfoform(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowSystemMenuHint | Qt::WindowMaximizeButtonHint |
                          Qt::WindowCloseButtonHint | Qt::WindowTitleHint) {
    setObjectName(QStringLiteral("Infoform"));
    resize(530, 386);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    for (QTextEdit** view : {&m_nfo, &m_text}) {
        *view = new QTextEdit(this);
        (*view)->setReadOnly(true);
        (*view)->setLineWrapMode(QTextEdit::NoWrap);
        (*view)->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
        (*view)->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
        layout->addWidget(*view);
    }
    m_nfo->setObjectName(QStringLiteral("RichEdit1"));
    m_text->setObjectName(QStringLiteral("RichEdit2"));
    QFont terminal(QStringLiteral("Terminal"));
    terminal.setStyleHint(QFont::TypeWriter);
    terminal.setFamilies({QStringLiteral("Terminal"), QStringLiteral("DejaVu Sans Mono"),
                          QStringLiteral("Monospace")});
    terminal.setPixelSize(12);
    m_nfo->setFont(terminal);
    m_nfo->setStyleSheet(QStringLiteral("QTextEdit { color: white; background-color: rgb(0,0,128); }"));
    QFont system(QStringLiteral("System"));
    system.setPointSize(8);
    system.setStyleHint(QFont::SansSerif);
    m_text->setFont(system);
    m_text->setStyleSheet(QStringLiteral("QTextEdit { color: black; background-color: white; }"));
    m_text->hide();
}

bool TInfoform::loadFile(const std::filesystem::path& file, bool nfoStyle,
                         tarnic::Codepage textCodepage) {
    m_nfo->clear();
    m_text->clear();
    const auto bytes = tarnic::readFile(file);
    if (!bytes) {
        m_error = QString::fromStdString(bytes.error().message());
        return false;
    }
    int lines = 1 + static_cast<int>(std::count(bytes->begin(), bytes->end(), '\n'));
    m_nfo->setVisible(nfoStyle);
    m_text->setVisible(!nfoStyle);
    if (nfoStyle) {
        m_nfo->setPlainText(fromBytes(*bytes, tarnic::Codepage::Cp437));
    } else if (looksLikeRtf(*bytes)) {
        m_text->setHtml(QString::fromUtf8(rtfToHtml(*bytes, textCodepage)));
        lines = m_text->document()->blockCount() +
                static_cast<int>(m_text->toPlainText().count(QChar::LineSeparator));
    } else {
        m_text->setPlainText(fromBytes(*bytes, textCodepage));
    }
    const ViewerSize size = infoViewerSize(nfoStyle, lines);
    resize(530, size.window);
    const QScreen* screen = QGuiApplication::primaryScreen();
    const QRect avail = screen ? screen->availableGeometry() : QRect(0, 0, 1024, 768);
    move(avail.left() + (avail.width() - width()) / 2,
         avail.top() + infoViewerTop(avail.height(), size.window));
    return true;
}

} // namespace vistel
