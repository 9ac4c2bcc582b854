#include "cli_app.h"

#include "info_command.h"

#include <CLI/CLI.hpp>

#include <ostream>
#include <system_error>

namespace vardeo::cli {

std::filesystem::path executableFolder() {
    std::error_code ec;
    const auto exe = std::filesystem::read_symlink("/proc/self/exe", ec);
    return ec ? std::filesystem::current_path() : exe.parent_path();
}

namespace {

tarnic::Codepage codepageOf(int number) {
    return number == 1251 ? tarnic::Codepage::Windows1251 : tarnic::Codepage::Windows1252;
}

} // namespace

int run(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    CLI::App app{"Tarnic - Vardeo without a window: inspect and build CD menu projects", "vardeo-cli"};
    app.require_subcommand(1);

    InfoOptions info;
    info.programFolder = executableFolder();
    int codepage = 1252;
    auto* infoCmd = app.add_subcommand("info", "Print a project's header and items");
    infoCmd->add_option("project", info.project, "The project file (.mof)")->required();
    infoCmd->add_flag("--json", info.json, "Print one JSON object");
    infoCmd->add_option("--program-folder", info.programFolder,
                        "Where to look for moved category and design files (default: the "
                        "folder of vardeo-cli)");
    infoCmd->add_option("--codepage", codepage, "Code page of the project's text")
        ->check(CLI::IsMember({1252, 1251}));

    std::vector<std::string> reversed(args.rbegin(), args.rend());
    try {
        app.parse(reversed);
    } catch (const CLI::CallForHelp&) {
        out << app.help();
        return kExitOk;
    } catch (const CLI::CallForAllHelp&) {
        out << app.help("", CLI::AppFormatMode::All);
        return kExitOk;
    } catch (const CLI::ParseError& e) {
        err << "vardeo-cli: " << e.what() << "\n" << app.help();
        return kExitUsage;
    }

    if (infoCmd->parsed()) {
        info.codepage = codepageOf(codepage);
        return runInfo(info, out, err);
    }
    return kExitUsage;
}

} // namespace vardeo::cli
