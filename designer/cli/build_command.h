#pragma once
// vardeo-cli build and clean: the designer's Build and Clean Up commands on a
// project file, answering the designer's questions from the options.

#include <filesystem>
#include <ostream>
#include <string>

namespace vardeo::cli {

struct BuildOptions {
    std::filesystem::path project;
    std::filesystem::path programFolder;
    std::string style = "classic";
    bool testRun = false; // the answer to "start the built menu?"
};

int runBuild(const BuildOptions& options, std::ostream& out, std::ostream& err);
int runClean(const std::filesystem::path& project, std::ostream& out, std::ostream& err);

// The designer's yes/no words for item cells: [settings] language of
// vardeo.dat in the program folder (default 1) selects Files/lang_<n>.dat,
// whose [Texts] TYES and TNO give them; English when either file is missing.
struct YesNoWords {
    std::string yes = "yes";
    std::string no = "no";
};
[[nodiscard]] YesNoWords readYesNoWords(const std::filesystem::path& programFolder);

} // namespace vardeo::cli
