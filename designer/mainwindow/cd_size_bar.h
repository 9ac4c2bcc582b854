#pragma once
// The CD size bar `cd_size_status`: how full the project folder is against
// a 700 MB CD. The folder walk keeps the window responsive and refuses to
// start while one runs.

#include <QProgressBar>

#include <cstdint>
#include <filesystem>
#include <functional>

namespace vardeo {

class CdSizeBar final : public QProgressBar {
    Q_OBJECT
public:
    explicit CdSizeBar(QWidget* parent = nullptr);
    // Walks the folder and shows the result; false when a walk already runs.
    bool compute(const std::filesystem::path& folder);
    // Shows a total without walking (also what compute ends with).
    void showTotal(std::uint64_t bytes);
    [[nodiscard]] bool busy() const { return m_busy; }
    [[nodiscard]] const QString& suffix() const { return m_suffix; }
    // Called between files during a walk (tests use it to re-enter).
    std::function<void()> onFileWalked;

Q_SIGNALS:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    QString text() const override;

private:
    QString m_suffix;
    bool m_busy = false;
};

// Sum of the sizes of all files below folder (64-bit); tick runs between files.
std::uint64_t folderSize(const std::filesystem::path& folder, const std::function<void()>& tick);

} // namespace vardeo
