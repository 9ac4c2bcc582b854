#include "dialog_runner.h"

#include "designer/language/ui_language.h"

#include <QFileDialog>

namespace vardeo {
namespace {

ModalHook& modalHook() {
    static ModalHook hook;
    return hook;
}
FileDialogHook& fileHook() {
    static FileDialogHook hook;
    return hook;
}

} // namespace

int runModal(QDialog& dialog) {
    if (modalHook())
        return modalHook()(dialog);
    return dialog.exec();
}

void setModalHook(ModalHook hook) { modalHook() = std::move(hook); }

std::optional<std::filesystem::path> chooseFile(QWidget* parent, const FileDialogRequest& request) {
    if (fileHook())
        return fileHook()(request);
    const QString start = pathToQString(request.startFolder);
    const QString chosen = request.kind == FileDialogKind::Open
                               ? QFileDialog::getOpenFileName(parent, request.title, start, request.filter)
                               : QFileDialog::getSaveFileName(parent, request.title, start, request.filter);
    if (chosen.isEmpty())
        return std::nullopt;
    return qstringToPath(chosen);
}

void setFileDialogHook(FileDialogHook hook) { fileHook() = std::move(hook); }

} // namespace vardeo
