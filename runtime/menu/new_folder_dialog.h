#pragma once
// The new-folder dialog (Tddform): a name field and OK / Cancel over the
// copy/unpack dialog. OK or Enter creates the folder when nothing of that
// name exists; an existing name keeps the dialog open.

#include "runtime/menu/dialog_context.h"

#include <QDialog>

#include <filesystem>

class QLineEdit;

namespace vistel {

class Tddform final : public QDialog {
    Q_OBJECT
public:
    Tddform(const DialogContext& context, QWidget* parent = nullptr);
    void applySkin();
    void setFolder(std::filesystem::path folder) { m_folder = std::move(folder); }
    // The folder created by the last accepted run.
    [[nodiscard]] const std::filesystem::path& createdFolder() const { return m_created; }

public Q_SLOTS:
    void okbtnClick();
    void cancelbtnClick();

protected:
    void showEvent(QShowEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void createFolder();
    const DialogContext& m_ctx;
    QLineEdit* m_edit;
    std::filesystem::path m_folder, m_created;
    QPixmap m_background;
};

} // namespace vistel
