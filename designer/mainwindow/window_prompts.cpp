#include "window_prompts.h"

#include "designer/language/dialog_runner.h"
#include "designer/language/message_service.h"
#include "designer/language/ui_language.h"
#include "designer/language/wait_window.h"

namespace vardeo {

std::optional<fs::path> WindowPrompts::locateMissingFile(MissingFile which, const fs::path& startFolder) {
    const bool category = which == MissingFile::Category;
    if (messages().show(category ? "M29" : "M30", BoxKind::Error, BoxButtons::OkCancel) != Answer::Ok)
        return std::nullopt;
    return chooseFile(m_parent, {FileDialogKind::Open, QString(), startFolder,
                                 category ? QStringLiteral("Tarnic - Vardeo - Categoryfile (*.cmg)")
                                          : QStringLiteral("Tarnic - Vardeo - Designfile (*.mog *.mos)")});
}

bool WindowPrompts::askYesNo(std::string_view messageKey) {
    return messages().show(messageKey, BoxKind::Question, BoxButtons::YesNo) == Answer::Yes;
}

std::optional<fs::path> WindowPrompts::chooseSaveAsFile(const fs::path& suggestion) {
    return chooseFile(m_parent, {FileDialogKind::Save, m_saveTitle, suggestion,
                                 QStringLiteral("Tarnic - Vardeo - Projectfile (*.mof)")});
}

void WindowPrompts::reportError(std::string_view messageKey, const tarnic::Error& error) {
    const QString detail = QString::fromStdString(error.message());
    if (messageKey.empty())
        messages().showText(detail, BoxKind::Error, BoxButtons::Ok);
    else
        messages().show(messageKey, BoxKind::Error, BoxButtons::Ok, QStringLiteral("\n\n") + detail);
}

void WindowPrompts::reportWarning(std::string_view text) {
    messages().showText(QString::fromStdString(std::string(text)), BoxKind::Warning, BoxButtons::Ok);
}

namespace {

void showError(std::string_view messageKey, const tarnic::Error& error) {
    const QString detail = QString::fromStdString(error.message());
    if (messageKey.empty())
        messages().showText(detail, BoxKind::Error, BoxButtons::Ok);
    else if (error.what.empty())
        messages().show(messageKey, BoxKind::Error, BoxButtons::Ok);
    else
        messages().show(messageKey, BoxKind::Error, BoxButtons::Ok, QStringLiteral("\n\n") + detail);
}

} // namespace

void WindowBuildPrompts::reportError(std::string_view messageKey, const tarnic::Error& error) {
    showError(messageKey, error);
}
void WindowBuildPrompts::reportInformation(std::string_view messageKey) {
    messages().show(messageKey, BoxKind::Information, BoxButtons::Ok);
}
bool WindowBuildPrompts::askYesNo(std::string_view messageKey) {
    return messages().show(messageKey, BoxKind::Question, BoxButtons::YesNo) == Answer::Yes;
}
void WindowBuildPrompts::reportWarning(std::string_view text) {
    messages().showText(QString::fromStdString(std::string(text)), BoxKind::Warning, BoxButtons::Ok);
}
void WindowBuildPrompts::beginWait() { waitWindow().begin(); }
void WindowBuildPrompts::endWait() { waitWindow().end(); }

void WindowPrompts::beginWait() { waitWindow().begin(); }
void WindowPrompts::endWait() { waitWindow().end(); }

} // namespace vardeo
