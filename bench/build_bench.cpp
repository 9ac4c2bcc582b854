// Building a 10,000-item project over 255 categories (data set, copies,
// skin pictures) against the floor of the same work by plain calls: the same
// files with the same bytes written, the same copies made. Exit status 1 when
// the ratio is above 1.5.

#include "bench_support.h"
#include "designer/build/cd_build.h"
#include "shared/picture.h"

#include <cstdlib>
#include <fstream>
#include <map>

using namespace vardeo;
using tarnic::bench::medianSeconds;
namespace fs = std::filesystem;

namespace {

class SilentPrompts final : public BuildPrompts {
public:
    void reportError(std::string_view, const tarnic::Error& e) override {
        std::fprintf(stderr, "%s\n", e.message().c_str());
        std::exit(2);
    }
    void reportInformation(std::string_view) override {}
    bool askYesNo(std::string_view) override { return false; }
};

void put(const fs::path& p, std::string_view bytes) {
    fs::create_directories(p.parent_path());
    std::ofstream(p, std::ios::binary).write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

// Open, write, close: what the build does per file, without its work.
void plainWrite(const std::string& path, std::string_view bytes) {
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    if (fd < 0)
        return;
    if (::write(fd, bytes.data(), bytes.size()) < 0)
        std::perror(path.c_str());
    ::close(fd);
}

void plainCopy(const std::string& from, const std::string& to) {
    const int in = ::open(from.c_str(), O_RDONLY);
    const int out = ::open(to.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    char buf[1 << 16];
    ssize_t n;
    while (in >= 0 && out >= 0 && (n = ::read(in, buf, sizeof buf)) > 0)
        if (::write(out, buf, static_cast<std::size_t>(n)) < 0)
            break;
    ::close(in);
    ::close(out);
}

void removeBuild(const fs::path& cd) {
    fs::remove_all(cd);
    fs::create_directories(cd);
}

} // namespace

int main(int argc, char** argv) {
    const int itemCount = argc > 1 ? std::atoi(argv[1]) : 10000;
    const int categoryCount = argc > 2 ? std::atoi(argv[2]) : 255;
    const int runs = argc > 3 ? std::atoi(argv[3]) : 5;
    const fs::path dir = fs::temp_directory_path() / ("tarnic-build-bench-" + std::to_string(::getpid()));
    const fs::path prog = dir / "prog", cd = dir / "cd";

    const std::string jpg = tarnic::encodeJpeg(tarnic::Image(64, 48, 0xFF336699u));
    const std::string ico = tarnic::encodeIco({tarnic::Image(32, 32, 0xFF00AA00u)});
    put(prog / "Files/vistel", std::string(2 << 20, 'v'));
    put(prog / "Files/vistel.ico", ico);
    put(prog / "Files/language0.dat", "[Language]\r\nLanguage=0\r\n");
    put(prog / "Files/autorun_classic.inf", "[autorun]\r\n");
    put(prog / "Files/tarnic.txt", "About\r\n");
    for (int n = 1; n <= 14; ++n)
        put(prog / ("Files/m_icons/3/m" + std::to_string(n) + ".ico"), ico);
    for (int n = 1; n <= 27; ++n)
        put(prog / ("Files/Flag/flag" + std::to_string(n) + ".bmp"), std::string(3000, 'f'));
    put(prog / "Files/rank/1.cfg", "[range]\r\nnr=2\r\n[range1]\r\nstart=0\r\nend=49\r\npic=1.gif\r\n"
                                   "[range2]\r\nstart=50\r\nend=100\r\npic=2.gif\r\n");
    put(prog / "Files/rank/1/1.gif", "GIF1");
    put(prog / "Files/rank/1/2.gif", "GIF2");
    for (const std::string& name : defaultSkinElements())
        put(prog / "Skins/_default" / name, jpg);
    put(dir / "design.mos", "[Language]\r\nStyle=1\r\n");
    put(dir / "_design/skin.jpg", jpg);

    std::string cmg = "[general]\r\nanz_items=" + std::to_string(categoryCount) + "\r\nstart=1\r\n";
    std::vector<std::string> entries;
    for (int k = 0; k < categoryCount; ++k) {
        const std::string caption = "Category " + std::to_string(k);
        cmg += "[" + std::to_string(k) + "]\r\nid=" + std::to_string(k + 1) + "\r\nlevel=1\r\ncaption=" +
               caption + "\r\nhaschild=0\r\nparent=0\r\n";
        entries.push_back(caption);
        put(dir / ("_cats/" + std::to_string(k + 1) + ".ico"), ico);
    }
    put(dir / "cats.cmg", cmg);

    ProjectHeader header;
    header.cdName = "Benchmark CD";
    header.projectFolder = cd.string() + "/";
    header.ratingSet = 1;
    header.memberIconSet = 3;
    std::vector<ProjectItem> items;
    static constexpr const char* kNames[] = {"setup.exe", "readme.txt", "song.mp3", "Jump Point", "pic.jpg"};
    for (int i = 0; i < itemCount; ++i) {
        ProjectItem item;
        item[Field::Name] = "Item number " + std::to_string(i);
        item[Field::FileName] = kNames[i % 5];
        item[Field::CdPath] = "\\folder" + std::to_string(i % 40) + "\\";
        item[Field::Serial] = "n/a";
        item[Field::CdSize] = "< 1 MB";
        item[Field::HdSize] = "n/a";
        item[Field::Description] = "A description of item " + std::to_string(i) + " that runs a little longer";
        item[Field::Category] = entries[static_cast<std::size_t>(i % categoryCount)];
        item[Field::Copy] = "yes";
        item[Field::FileSourceLocation] = "/src/item" + std::to_string(i);
        item[Field::Homepage] = "http://example.org/" + std::to_string(i);
        item[Field::Execute] = i % 3 ? "yes" : "no";
        item[Field::Rating] = formatRating(i % 101);
        item[Field::Language] = std::string(kItemLanguageList[static_cast<std::size_t>(i % 28)]);
        item[Field::System] = "Unix/Linux";
        item[Field::Parameter] = "n/a";
        items.push_back(std::move(item));
    }
    const CategoryList categories(entries);
    const BuildInput input{.header = header,
                           .items = items,
                           .categories = categories,
                           .categoryFile = dir / "cats.cmg",
                           .designFile = dir / "design.mos",
                           .programFolder = prog};
    SilentPrompts prompts;

    // One build to learn its output: the files, their bytes, their folders.
    removeBuild(cd);
    const BuildReport first = buildCd(input, BuildStyle::Classic, prompts);
    std::map<std::string, std::string> output;
    std::vector<std::string> folders;
    for (const auto& e : fs::recursive_directory_iterator(cd)) {
        if (e.is_directory())
            folders.push_back(e.path().string());
        else
            output[e.path().string()] = tarnic::bench::plainRead(e.path().string());
    }
    std::sort(folders.begin(), folders.end());
    for (const auto& [from, to] : first.copies)
        output.erase(to); // copied, not written

    double build = 0, floor = 0;
    std::vector<double> builds, floors;
    for (int r = 0; r < runs; ++r) {
        removeBuild(cd);
        builds.push_back(medianSeconds(1, [&] { (void)buildCd(input, BuildStyle::Classic, prompts); }));
        removeBuild(cd);
        floors.push_back(medianSeconds(1, [&] {
            for (const std::string& f : folders)
                fs::create_directory(f);
            for (const auto& [from, to] : first.copies)
                plainCopy(from, to);
            for (const auto& [path, bytes] : output)
                plainWrite(path, bytes);
        }));
    }
    build = *std::min_element(builds.begin(), builds.end());
    floor = *std::min_element(floors.begin(), floors.end());
    std::printf("%d items, %d categories: %zu files written, %zu of them copies\n", itemCount,
                categoryCount, first.filesWritten, first.copies.size());
    const bool ok = tarnic::bench::report("classic build", build, floor, 1.5);
    fs::remove_all(dir);
    return ok ? 0 : 1;
}
