#pragma once
// Runs the designer's modal dialogs and file dialogs. Tests install hooks
// that fill in and answer a dialog instead of showing it.

#include <QDialog>
#include <QString>

#include <filesystem>
#include <functional>
#include <optional>

namespace vardeo {

// The dialog's result code (QDialog::Accepted / Rejected).
int runModal(QDialog& dialog);
using ModalHook = std::function<int(QDialog&)>;
void setModalHook(ModalHook hook);

enum class FileDialogKind { Open, Save };
struct FileDialogRequest {
    FileDialogKind kind;
    QString title;
    std::filesystem::path startFolder;
    QString filter; // "Tarnic - Vardeo - Projectfile (*.mof)"
};
// nullopt when the user cancelled.
std::optional<std::filesystem::path> chooseFile(QWidget* parent, const FileDialogRequest& request);
using FileDialogHook = std::function<std::optional<std::filesystem::path>(const FileDialogRequest&)>;
void setFileDialogHook(FileDialogHook hook);

} // namespace vardeo
