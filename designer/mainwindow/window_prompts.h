#pragma once
// ProjectPrompts with the designer's real dialogs: message boxes by key,
// the file dialogs and the wait window.

#include "designer/build/cd_build.h"
#include "designer/project/project_session.h"

#include <QString>

class QWidget;

namespace vardeo {

class WindowPrompts final : public ProjectPrompts {
public:
    explicit WindowPrompts(QWidget* parent) : m_parent(parent) {}
    std::optional<fs::path> locateMissingFile(MissingFile which, const fs::path& startFolder) override;
    bool askYesNo(std::string_view messageKey) override;
    std::optional<fs::path> chooseSaveAsFile(const fs::path& suggestion) override;
    void reportError(std::string_view messageKey, const tarnic::Error& error) override;
    void reportWarning(std::string_view text) override;
    void beginWait() override;
    void endWait() override;
    // The hint of the Save button titles the Save As dialog.
    void setSaveTitle(const QString& title) { m_saveTitle = title; }

private:
    QWidget* m_parent;
    QString m_saveTitle;
};

// BuildPrompts with the designer's message boxes and wait window.
class WindowBuildPrompts final : public BuildPrompts {
public:
    void reportError(std::string_view messageKey, const tarnic::Error& error) override;
    void reportInformation(std::string_view messageKey) override;
    bool askYesNo(std::string_view messageKey) override;
    void reportWarning(std::string_view text) override;
    void beginWait() override;
    void endWait() override;
};

} // namespace vardeo
