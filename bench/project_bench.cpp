// Opening and saving a 20,000-item project against the floor of reading and
// writing the same bytes with plain calls. Exit status 1 when a ratio is above 2.

#include "bench_support.h"
#include "designer/project/project_session.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>

using namespace vardeo;
using tarnic::bench::medianSeconds;
namespace fs = std::filesystem;

namespace {

class SilentPrompts final : public ProjectPrompts {
public:
    std::optional<fs::path> locateMissingFile(MissingFile, const fs::path&) override { return {}; }
    bool askYesNo(std::string_view) override { return false; }
    std::optional<fs::path> chooseSaveAsFile(const fs::path&) override { return {}; }
    void reportError(std::string_view, const tarnic::Error& e) override {
        std::fprintf(stderr, "%s\n", e.message().c_str());
        std::exit(2);
    }
    void reportWarning(std::string_view) override {}
};

} // namespace

int main(int argc, char** argv) {
    const int items = argc > 1 ? std::atoi(argv[1]) : 20000;
    const int runs = argc > 2 ? std::atoi(argv[2]) : 7;
    const fs::path dir = fs::temp_directory_path() / ("tarnic-bench-" + std::to_string(::getpid()));
    fs::create_directories(dir);

    std::string cmg = "[general]\r\nanz_items=50\r\nstart=1\r\n";
    std::vector<std::string> entries;
    for (int k = 0; k < 50; ++k) {
        cmg += "[" + std::to_string(k) + "]\r\nid=" + std::to_string(k + 1) +
               "\r\nlevel=1\r\ncaption=Category " + std::to_string(k) + "\r\nhaschild=0\r\nparent=0\r\n";
        entries.push_back("Category " + std::to_string(k));
    }
    std::ofstream(dir / "cats.cmg", std::ios::binary) << cmg;
    std::ofstream(dir / "look.mos", std::ios::binary) << "[Form]\r\n";
    ProjectHeader h;
    h.cdName = "Bench";
    h.categoryFile = (dir / "cats.cmg").string();
    h.designFile = (dir / "look.mos").string();
    std::vector<ProjectItem> list(static_cast<std::size_t>(items));
    for (std::size_t i = 0; i < list.size(); ++i) {
        ProjectItem& it = list[i];
        it[Field::Name] = "Item number " + std::to_string(i);
        it[Field::FileName] = "setup" + std::to_string(i) + ".exe";
        it[Field::CdPath] = "\\tools\\group" + std::to_string(i % 100) + "\\";
        it[Field::Serial] = "n/a";
        it[Field::CdSize] = "12 MB";
        it[Field::HdSize] = "n/a";
        it[Field::Description] = "A description long enough to look like a real one, item " + std::to_string(i);
        it[Field::Category] = entries[i % entries.size()];
        it[Field::Copy] = "yes";
        it[Field::FileSourceLocation] = "/home/user/sources/tools/setup" + std::to_string(i) + ".exe";
        it[Field::Homepage] = "https://example.org/item" + std::to_string(i);
        it[Field::Execute] = "no";
        it[Field::Rating] = "085 %";
        it[Field::Language] = "D";
        it[Field::System] = "Unix/Linux";
        it[Field::Parameter] = "n/a";
    }
    const fs::path project = dir / "bench.mof";
    const CategoryList cats = *CategoryList::load(dir / "cats.cmg");
    if (!writeProject(project, h, list, cats, LocalWords{}).ok())
        return 2;
    const auto bytes = static_cast<double>(fs::file_size(project));
    std::printf("project: %d items, %.1f MB\n", items, bytes / 1e6);

    SilentPrompts prompts;
    ProjectSession session(dir / "program", prompts, {.recentFiles = false, .workingCopy = true});

    // Open reads the project and writes its working copy.
    const double open = medianSeconds(runs, [&] { session.open(project); });
    const double openFloor = medianSeconds(runs, [&] {
        const std::string b = tarnic::bench::plainRead(project.string());
        tarnic::bench::plainWrite((dir / "floor.tmp").string(), b);
    });
    // Save writes the working copy and the project file.
    const double save = medianSeconds(runs, [&] {
        session.setModified();
        session.save();
    });
    const std::string data = tarnic::bench::plainRead(project.string());
    const double saveFloor = medianSeconds(runs, [&] {
        tarnic::bench::plainWrite((dir / "floor1").string(), data);
        tarnic::bench::plainWrite((dir / "floor2").string(), data);
    });

    const bool ok = tarnic::bench::report("open 20,000-item project", open, openFloor, 2.0) &
                    tarnic::bench::report("save 20,000-item project", save, saveFloor, 2.0);
    fs::remove_all(dir);
    return ok ? 0 : 1;
}
