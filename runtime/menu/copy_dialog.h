#pragma once
// The copy/unpack dialog (Tfcform): a place and folder chooser, start,
// explorer, new folder and close, and a red-to-green progress bar. The copy
// or unpack runs on a worker thread while the dialog stays modal, so a large
// file never freezes the window. Unpacking is confined to the chosen folder;
// entries that would land outside are skipped and named when it ends.

#include "runtime/menu/archive_extractor.h"
#include "runtime/menu/dialog_context.h"

#include <QDialog>

#include <filesystem>

class QComboBox;
class QFileSystemModel;
class QProgressBar;
class QTreeView;

namespace vistel {

class ImageButton;
class Tddform;

enum class CopyMode { Copy, Unzip, Unrar };

struct CopyRequest {
    CopyMode mode = CopyMode::Copy;
    std::filesystem::path source; // the current item file
};

// The places a user copies to: home, mounted media (/media, /run/media,
// /mnt) and the file system.
struct CopyPlace {
    QString label;
    std::filesystem::path path;
};
[[nodiscard]] std::vector<CopyPlace> copyPlaces();

class Tfcform final : public QDialog {
    Q_OBJECT
public:
    Tfcform(const DialogContext& context, QWidget* parent = nullptr);
    ~Tfcform() override;
    void applySkin();

    // Sets mode and source, centres over the parent and shows the dialog
    // modally; returns when the user closes it.
    void run(const CopyRequest& request);
    // The same without the modal loop (tests drive the dialog themselves).
    void prepare(const CopyRequest& request);

    [[nodiscard]] std::filesystem::path currentFolder() const;
    void setCurrentFolder(const std::filesystem::path& folder);
    [[nodiscard]] bool busy() const { return m_busy; }
    [[nodiscard]] const ExtractReport& lastReport() const { return m_report; }

public Q_SLOTS:
    void startClick();
    void browsebtnClick();
    void newdClick();
    void cancelClick();
    void reject() override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void setButtonsEnabled(bool on);
    void runCopy(const std::filesystem::path& target);
    void runUnpack(const std::filesystem::path& target, ArchiveFormat format);
    // Runs work on a worker thread and keeps the window's events flowing until it ends.
    void runOffThread(std::function<void()> work);
    void placeChosen(int index);

    const DialogContext& m_ctx;
    CopyRequest m_request;
    QPixmap m_background;
    QComboBox* m_drives;
    QTreeView* m_tree;
    QFileSystemModel* m_model;
    QProgressBar* m_bar;
    std::array<ImageButton*, 4> m_buttons{};
    Tddform* m_ddform;
    bool m_busy = false;
    ExtractReport m_report;
};

} // namespace vistel
