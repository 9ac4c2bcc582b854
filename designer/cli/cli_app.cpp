#include "cli_app.h"

#include "build_command.h"
#include "info_command.h"
#include "sample_command.h"

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

    BuildOptions build;
    build.programFolder = executableFolder();
    auto* buildCmd = app.add_subcommand("build", "Build a project's CD folder (menu data set, runtime, design)");
    buildCmd->add_option("project", build.project, "The project file (.mof)")->required();
    buildCmd->add_option("--style", build.style, "Build style")->check(CLI::IsMember({"classic"}));
    buildCmd->add_option("--program-folder", build.programFolder,
                         "The designer's program folder (default: the folder of vardeo-cli)");
    buildCmd->add_flag("--test-run", build.testRun, "Start the built menu afterwards");

    std::filesystem::path cleanProject;
    auto* cleanCmd = app.add_subcommand("clean", "Remove a project's build from its CD folder");
    cleanCmd->add_option("project", cleanProject, "The project file (.mof)")->required();

    std::filesystem::path sampleFolder;
    std::filesystem::path sampleProgramFolder = executableFolder();
    auto* sampleCmd = app.add_subcommand("sample", "Write a complete demo project into a folder");
    sampleCmd->add_option("folder", sampleFolder, "The folder to fill")->required();
    sampleCmd->add_option("--program-folder", sampleProgramFolder,
                          "The program folder whose default design the project uses");

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
    if (buildCmd->parsed())
        return runBuild(build, out, err);
    if (cleanCmd->parsed())
        return runClean(cleanProject, out, err);
    if (sampleCmd->parsed())
        return runSample(sampleFolder, sampleProgramFolder, out, err);
    return kExitUsage;
}

} // namespace vardeo::cli
