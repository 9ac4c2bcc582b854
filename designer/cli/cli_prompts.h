#pragma once
// The command line cannot ask: where the designer would ask the user, the
// CLI stops with a message that says what it would have asked about.

#include "designer/project/project_session.h"

#include <ostream>

namespace vardeo::cli {

class CliPrompts final : public ProjectPrompts {
public:
    explicit CliPrompts(std::ostream& err) : m_err(err) {}

    std::optional<fs::path> locateMissingFile(MissingFile which, const fs::path& startFolder) override;
    bool askYesNo(std::string_view) override { return false; }
    std::optional<fs::path> chooseSaveAsFile(const fs::path&) override { return std::nullopt; }
    void reportError(std::string_view messageKey, const tarnic::Error& error) override;
    void reportWarning(std::string_view text) override;

    [[nodiscard]] bool failed() const { return m_failed; }

private:
    std::ostream& m_err;
    bool m_failed = false;
};

} // namespace vardeo::cli
