#include "build_command.h"

#include "cli_app.h"
#include "cli_prompts.h"
#include "designer/build/cd_build.h"
#include "designer/project/project_session.h"
#include "shared/ini_file.h"
#include "shared/paths.h"

namespace vardeo::cli {

namespace {

// The command line answers instead of asking and writes what a message box would show.
class CliBuildPrompts final : public BuildPrompts {
public:
    CliBuildPrompts(std::ostream& err, bool testRun) : m_err(err), m_testRun(testRun) {}

    void reportError(std::string_view messageKey, const tarnic::Error& error) override {
        m_err << "vardeo-cli: " << error.message();
        if (!messageKey.empty())
            m_err << " (" << messageKey << ")";
        m_err << "\n";
    }
    void reportInformation(std::string_view) override {}
    bool askYesNo(std::string_view) override { return m_testRun; }
    void reportWarning(std::string_view text) override { m_err << "vardeo-cli: warning: " << text << "\n"; }

private:
    std::ostream& m_err;
    bool m_testRun;
};

} // namespace

YesNoWords readYesNoWords(const std::filesystem::path& programFolder) {
    YesNoWords words;
    auto settingsFile = tarnic::findCaseInsensitive(programFolder, "vardeo.dat");
    if (!settingsFile)
        return words;
    const auto settings = tarnic::IniFile::load(*settingsFile);
    const int language = settings ? settings->readInt("settings", "language", 1) : 1;
    auto languageFile = tarnic::findCaseInsensitive(programFolder,
                                                    "Files/lang_" + std::to_string(language) + ".dat");
    if (!languageFile)
        return words;
    if (const auto texts = tarnic::IniFile::load(*languageFile)) {
        words.yes = texts->readString("Texts", "TYES", "yes");
        words.no = texts->readString("Texts", "TNO", "no");
    }
    return words;
}

int runBuild(const BuildOptions& options, std::ostream& out, std::ostream& err) {
    if (options.style != "classic") {
        err << "vardeo-cli: the " << options.style << " style cannot be built from the command line\n";
        return kExitUsage;
    }
    CliPrompts projectPrompts(err);
    ProjectSession project(options.programFolder, projectPrompts,
                           {.recentFiles = false, .workingCopy = false});
    const YesNoWords yesNo = readYesNoWords(options.programFolder);
    project.words().yes = yesNo.yes;
    project.words().no = yesNo.no;
    if (project.open(options.project) != ProjectSession::OpenResult::Opened)
        return kExitBadInput;

    BuildInput input{.header = project.header(),
                     .items = project.items(),
                     .categories = project.categories(),
                     .categoryFile = project.categoryFile(),
                     .designFile = project.designFile(),
                     .programFolder = options.programFolder,
                     .words = project.words()};
    CliBuildPrompts prompts(err, options.testRun);
    const BuildReport report = buildCd(input, BuildStyle::Classic, prompts);
    if (!report.built())
        return kExitBadInput;
    out << "Built " << report.root.string() << ": " << report.dataSet.items << " items, "
        << report.categories << " categories, " << report.filesWritten << " files written";
    if (report.testRunStarted)
        out << "; the menu was started";
    out << "\n";
    return kExitOk;
}

int runClean(const std::filesystem::path& projectFile, std::ostream& out, std::ostream& err) {
    auto header = readProjectHeader(projectFile);
    if (!header) {
        err << "vardeo-cli: " << header.error().message() << "\n";
        return kExitBadInput;
    }
    CliBuildPrompts prompts(err, false);
    if (!cleanUpCd(header->projectFolder, prompts))
        return kExitBadInput;
    out << "Cleaned up " << cdFoldersOf(header->projectFolder).root << "\n";
    return kExitOk;
}

} // namespace vardeo::cli
