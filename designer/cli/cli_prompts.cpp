#include "cli_prompts.h"

namespace vardeo::cli {

std::optional<fs::path> CliPrompts::locateMissingFile(MissingFile which, const fs::path& startFolder) {
    m_err << "vardeo-cli: the project's "
          << (which == MissingFile::Category ? "category file" : "design file")
          << " was not found at its saved path nor in " << startFolder.string()
          << "; open the project in the designer to choose it\n";
    m_failed = true;
    return std::nullopt;
}

void CliPrompts::reportError(std::string_view messageKey, const tarnic::Error& error) {
    m_err << "vardeo-cli: " << error.message();
    if (!messageKey.empty())
        m_err << " (" << messageKey << ")";
    m_err << "\n";
    m_failed = true;
}

void CliPrompts::reportWarning(std::string_view text) { m_err << "vardeo-cli: warning: " << text << "\n"; }

} // namespace vardeo::cli
