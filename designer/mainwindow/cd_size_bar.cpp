#include "cd_size_bar.h"

#include "designer/language/ui_language.h"

#include <QCoreApplication>
#include <QMouseEvent>

#include <system_error>

namespace vardeo {

std::uint64_t folderSize(const std::filesystem::path& folder, const std::function<void()>& tick) {
    namespace fs = std::filesystem;
    std::uint64_t total = 0;
    std::error_code ec;
    fs::recursive_directory_iterator it(folder, fs::directory_options::skip_permission_denied, ec), end;
    for (; !ec && it != end; it.increment(ec)) {
        std::error_code sizeEc;
        if (it->is_regular_file(sizeEc)) {
            const auto size = it->file_size(sizeEc);
            if (!sizeEc)
                total += size;
        }
        if (tick)
            tick();
    }
    return total;
}

CdSizeBar::CdSizeBar(QWidget* parent) : QProgressBar(parent) {
    setObjectName(QStringLiteral("cd_size_status"));
    setRange(0, 700);
    setValue(0);
    setTextVisible(true);
    setFixedHeight(18);
}

QString CdSizeBar::text() const { return QString::number(value()) + m_suffix; }

void CdSizeBar::mousePressEvent(QMouseEvent* event) {
    QProgressBar::mousePressEvent(event);
    Q_EMIT clicked();
}

bool CdSizeBar::compute(const std::filesystem::path& folder) {
    if (m_busy)
        return false;
    m_busy = true;
    m_suffix = uiLanguage().texts("T66");
    update();
    int walked = 0;
    const std::uint64_t total = folderSize(folder, [this, &walked] {
        if (onFileWalked)
            onFileWalked();
        if (++walked % 64 == 0)
            QCoreApplication::processEvents();
    });
    m_busy = false;
    showTotal(total);
    return true;
}

void CdSizeBar::showTotal(std::uint64_t bytes) {
    const std::uint64_t kb = bytes / 1024;
    const std::uint64_t mb = kb / 1024;
    setToolTip(uiLanguage().texts("T67") + QStringLiteral(" %1 KB / %2 MB").arg(kb).arg(mb));
    const int position = static_cast<int>(std::min<std::uint64_t>(mb, 0x7FFFFFFF));
    QPalette p = palette();
    if (mb <= 700) {
        p.setColor(QPalette::Highlight, QColor(0xB4, 0xBE, 0xCB));
        setMaximum(700);
    } else {
        p.setColor(QPalette::Highlight, QColor(0xFF, 0x80, 0x80));
        setMaximum(position);
    }
    setPalette(p);
    setValue(position);
    m_suffix = QStringLiteral(" MB");
    update();
}

} // namespace vardeo
