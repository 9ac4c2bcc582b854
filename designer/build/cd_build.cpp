#include "cd_build.h"

#include "build_files.h"
#include "launcher.h"
#include "shared/file_io.h"
#include "shared/ini_file.h"
#include "shared/paths.h"
#include "shared/picture.h"
#include "shared/text.h"

#include <algorithm>
#include <unordered_set>

namespace vardeo {

tarnic::Status BuildPrompts::startTestRun(BuildStyle style, const fs::path& target, const fs::path& root) {
    if (style == BuildStyle::Html)
        return startDetached("xdg-open", {target.string()}, root);
    return startDetached(target, {}, root);
}

const std::vector<std::string>& defaultSkinElements() {
    static const std::vector<std::string> names = [] {
        // "name*" stands for name_0.jpg .. name_3.jpg.
        static constexpr std::string_view pattern[] = {
            "btn_down.gif", "btn_down.jpg", "btn_left.jpg", "minim_0.jpg", "btn_right.jpg",
            "btn_up_top.jpg", "btn_down_top.jpg", "vistel.css", "copy*", "cz_exit*", "cz_explorer*",
            "cz_mkdir*", "cz_skin.jpg", "cz_start*", "mkdir_skin.jpg", "exec*", "exit*", "explorer*",
            "home*", "prev_box.jpg", "info*", "left.jpg", "lup*", "mkdir_cancel*", "mkdir_ok*",
            "options*", "pd_bg_clear*", "pd_bg_load*", "pd_edit*", "pd_exit*", "pd_lo_clear*",
            "pd_lo_load*", "pd_print*", "pd_skin.jpg", "scan*", "search*", "sf_back.jpg", "sf_exit*",
            "sf_options*", "sf_search*", "sf_skin.jpg", "skin.jpg", "skin_full.jpg", "splash.jpg",
            "top.jpg", "unpack*", "btn_up_middle.jpg", "btn_down_middle.jpg", "minim_1.jpg",
            "minim_2.jpg", "minim_3.jpg",
        };
        std::vector<std::string> out;
        for (std::string_view p : pattern) {
            if (p.back() != '*') {
                out.emplace_back(p);
                continue;
            }
            for (char state = '0'; state <= '3'; ++state)
                out.push_back(std::string(p.substr(0, p.size() - 1)) + "_" + state + ".jpg");
        }
        return out;
    }();
    return names;
}

const std::vector<std::string>& extraSkinElements() {
    // The thumbnail switch shows btn_up.jpg while the thumbnail is on.
    static const std::vector<std::string> names = {"btn_up.jpg"};
    return names;
}

std::string autorunScript() {
    // Desktops run this through /bin/sh with the medium's root as working
    // folder. A noexec or FAT mount refuses ./vistel: then a private copy in
    // a temporary folder serves the medium through --root.
    return "#!/bin/sh\n"
           "# Starts the CD menu.\n"
           "cd \"$(dirname \"$0\")\" || exit 1\n"
           "root=$(pwd)\n"
           "if [ -x ./vistel ]; then\n"
           "    exec ./vistel \"$@\"\n"
           "fi\n"
           "tmp=$(mktemp -d) || exit 1\n"
           "cp ./vistel \"$tmp/vistel\" && chmod 700 \"$tmp/vistel\" || { rm -rf \"$tmp\"; exit 1; }\n"
           "\"$tmp/vistel\" --root \"$root\" \"$@\"\n"
           "status=$?\n"
           "rm -rf \"$tmp\"\n"
           "exit $status\n";
}

namespace {

class Builder {
public:
    Builder(const BuildInput& input, BuildStyle style, BuildPrompts& prompts, BuildReport& report)
        : m_in(input), m_style(style), m_prompts(prompts), m_report(report) {}

    // Copies source over target; a missing source is skipped without a word.
    bool copy(const std::string& source, const fs::path& target, unsigned mode = 0644) {
        const std::string to = target.string();
        tarnic::Error error;
        switch (copyBuildFile(source, to, error, mode)) {
        case CopyResult::Copied:
            ++m_report.filesWritten;
            m_report.copies.emplace_back(source, to);
            return true;
        case CopyResult::Failed:
            m_report.failedCopies.push_back(error.message());
            return false;
        case CopyResult::NoSource:
            break;
        }
        return false;
    }
    bool copy(const std::optional<fs::path>& source, const fs::path& target) {
        return source && copy(source->string(), target);
    }
    // relative uses '/' and the designer's spelling; the exact name is tried
    // first, then the same name in any letter case.
    bool copyFrom(const fs::path& base, std::string_view relative, const fs::path& target,
                  unsigned mode = 0644) {
        std::string exact = base.string();
        if (!exact.empty() && exact.back() != '/')
            exact += '/';
        exact += relative;
        std::error_code ec;
        if (fs::is_regular_file(exact, ec))
            return copy(exact, target, mode);
        if (auto found = findDataFile(base, relative))
            return copy(found->string(), target, mode);
        return false;
    }
    bool copyData(std::string_view relative, const fs::path& target, unsigned mode = 0644) {
        return copyFrom(m_in.programFolder, relative, target, mode);
    }
    std::optional<fs::path> existing(const fs::path& file) {
        std::error_code ec;
        if (fs::is_regular_file(file, ec))
            return file;
        return std::nullopt;
    }

    const BuildInput& m_in;
    BuildStyle m_style;
    BuildPrompts& m_prompts;
    BuildReport& m_report;
};

struct WaitGuard {
    explicit WaitGuard(BuildPrompts& p) : prompts(p) { prompts.beginWait(); }
    ~WaitGuard() { end(); }
    WaitGuard(const WaitGuard&) = delete;
    WaitGuard& operator=(const WaitGuard&) = delete;
    void end() {
        if (!ended)
            prompts.endWait();
        ended = true;
    }
    BuildPrompts& prompts;
    bool ended = false;
};

bool folderExists(const std::string& folder) {
    std::error_code ec;
    return !folder.empty() && fs::is_directory(fs::path(folder), ec);
}

tarnic::Status makeFolder(const fs::path& folder) {
    std::error_code ec;
    if (fs::is_directory(folder, ec))
        return {};
    if (!fs::create_directories(folder, ec) && ec)
        return tarnic::Error{folder, "could not be created: " + ec.message()};
    return {};
}

void removeCaseInsensitive(const fs::path& folder, std::string_view name) {
    std::error_code ec;
    while (auto found = tarnic::findCaseInsensitive(folder, name)) {
        if (!fs::remove(*found, ec))
            return;
    }
}

} // namespace

BuildReport buildCd(const BuildInput& input, BuildStyle style, BuildPrompts& prompts,
                    const HtmlSteps& html) {
    BuildReport report;
    report.categories = input.categories.size();
    const CdFolders folders = cdFoldersOf(input.header.projectFolder);
    if (!folderExists(folders.folder)) {
        prompts.reportError("M26", tarnic::Error{fs::path(input.header.projectFolder),
                                                 "the project folder does not exist"});
        report.outcome = BuildReport::Outcome::NoProjectFolder;
        return report;
    }
    if (style == BuildStyle::Html && !html) {
        prompts.reportError("", tarnic::Error{{}, "the HTML build is not available in this program"});
        return report;
    }
    const fs::path root(folders.root), cfg(folders.cfg), skin(folders.skin), htmlFolder(folders.html);
    report.root = root;
    const bool classic = style == BuildStyle::Classic;
    Builder b(input, style, prompts, report);
    const auto fail = [&](const tarnic::Error& e) {
        prompts.reportError("", e);
        report.outcome = BuildReport::Outcome::Failed;
        return report;
    };

    WaitGuard wait(prompts);
    for (const fs::path& f : {cfg, skin, htmlFolder})
        if (auto st = makeFolder(f); !st)
            return fail(st.error());
    removeCaseInsensitive(skin, "skin.mp3"); // the music of an earlier design

    if (classic)
        b.copyData("Files/vistel.ico", skin / "vistel.ico");

    // The design's own files win over every default.
    {
        std::error_code ec;
        const fs::path designImages = tarnic::imageFolderOf(input.designFile);
        std::vector<fs::path> files;
        for (auto it = fs::directory_iterator(designImages, ec); !ec && it != fs::end(it); it.increment(ec))
            if (it->is_regular_file(ec))
                files.push_back(it->path());
        std::sort(files.begin(), files.end());
        for (const fs::path& f : files)
            b.copy(f.string(), skin / f.filename());
    }

    const std::string ratingFolder = "Files/rank/" + std::to_string(input.header.ratingSet);
    if (input.header.ratingSet != 0) {
        if (auto setFile = findDataFile(input.programFolder, ratingFolder + ".cfg"))
            if (auto ini = tarnic::IniFile::load(*setFile))
                for (const std::string& pic : RatingSet::fromIni(*ini).pictures())
                    b.copyData(ratingFolder + "/" + pic, cfg / ("rating" + pic));
    }

    auto dataSet = writeDataSet(input, root, cfg);
    if (!dataSet)
        return fail(dataSet.error());
    report.dataSet = *dataSet;
    report.filesWritten += dataSet->filesWritten;

    b.copy(b.existing(input.categoryFile), cfg / "genre.cfg");

    if (classic) {
        // This platform's runtime is Files/vistel; the Windows files are
        // copied when an installation carries them.
        if (b.copyData("Files/vistel", root / "vistel", 0755)) {
            std::error_code ec; // an older copy keeps its mode: set it
            fs::permissions(root / "vistel", fs::perms::owner_all | fs::perms::group_read |
                                                 fs::perms::group_exec | fs::perms::others_read |
                                                 fs::perms::others_exec, ec);
        }
        b.copyData("Files/vistel.exe", root / "vistel.exe");
        b.copyData("Files/UNRAR.DLL", root / "unrar.dll");
        b.copyData("Files/Unzdll.dll", cfg / "Unzdll.dll");

        int n = 0;
        if (auto ini = tarnic::IniFile::load(input.categoryFile))
            n = ini->readInt("general", "anz_items", 0);
        // Readers count categories in eight bits; a damaged count must not
        // send the build through two billion look-ups.
        n = std::clamp(n, 0, static_cast<int>(kMaxCategories));
        const fs::path icons = tarnic::imageFolderOf(input.categoryFile);
        for (int k = 0; k <= n; ++k)
            b.copyFrom(icons, std::to_string(k) + ".ico", cfg / (std::to_string(k) + ".ico"));

        b.copy(b.existing(input.designFile), cfg / "skin.cfg");
        b.copyData("Files/language" + std::to_string(input.header.menuLanguage) + ".dat",
                   cfg / "language.zent");
        const std::string iconSet = "Files/m_icons/" + std::to_string(input.header.memberIconSet) + "/m";
        for (int i = 1; i <= 14; ++i)
            b.copyData(iconSet + std::to_string(i) + ".ico", cfg / ("m" + std::to_string(i) + ".ico"));
        for (int i = 1; i <= 27; ++i) {
            const std::string flag = "flag" + std::to_string(i) + ".bmp";
            b.copyData("Files/Flag/" + flag, cfg / flag);
        }
        b.copyData("Files/autorun_classic.inf", root / "autorun.inf");
        if (auto st = writeBuildFile(root / "autorun.sh", autorunScript()); !st)
            return fail(st.error());
        std::error_code ec;
        fs::permissions(root / "autorun.sh", fs::perms::owner_exec | fs::perms::group_exec |
                                                 fs::perms::others_exec,
                        fs::perm_options::add, ec);
        ++report.filesWritten;
    } else {
        b.copyData("Files/blank.gif", cfg / "blank.gif");
        b.copyData("Files/runhtml.exe", cfg / "runhtml.exe");
        b.copyData("Files/autorun_html.inf", root / "autorun.inf");
        if (auto st = html({input.programFolder, root, skin, cfg, htmlFolder}); !st)
            return fail(st.error());
    }

    // The skin folder's names are read once: a look-up per missing name
    // would list the folder 132 times.
    std::unordered_set<std::string> present;
    {
        std::error_code ec;
        for (auto it = fs::directory_iterator(skin, ec); !ec && it != fs::end(it); it.increment(ec))
            present.insert(tarnic::asciiLower(it->path().filename().string()));
    }
    const fs::path defaults = input.programFolder / "Skins" / "_default";
    for (const auto* list : {&defaultSkinElements(), &extraSkinElements()})
        for (const std::string& name : *list)
            if (!present.contains(tarnic::asciiLower(name)))
                b.copyFrom(defaults, name, skin / name);

    if (classic) {
        for (std::string_view name : kBitmapSkinPictures) {
            const std::string jpg = std::string(name) + ".jpg";
            const fs::path source = tarnic::findCaseInsensitive(skin, jpg).value_or(skin / jpg);
            if (auto st = tarnic::convertJpegToBmp(source, skin / (std::string(name) + ".bmp")); !st)
                return fail(st.error());
            ++report.filesWritten;
        }
    }
    wait.end();

    if (!report.failedCopies.empty()) {
        std::string text = std::to_string(report.failedCopies.size()) + " file(s) could not be copied:";
        for (const std::string& f : report.failedCopies)
            text += "\n" + f;
        prompts.reportWarning(text);
    }
    report.outcome = BuildReport::Outcome::Built;

    if (prompts.askYesNo("M27")) {
        const fs::path target = classic ? root / "vistel" : root / "index.htm";
        if (auto st = prompts.startTestRun(style, target, root); !st)
            prompts.reportError("", st.error());
        else
            report.testRunStarted = true;
    }
    return report;
}

bool cleanUpCd(std::string_view projectFolder, BuildPrompts& prompts) {
    const CdFolders folders = cdFoldersOf(projectFolder);
    // Without this check an empty or vanished folder would send the
    // deletions to whatever folder the text resolves to.
    if (!folderExists(folders.folder)) {
        prompts.reportError("M26", tarnic::Error{fs::path(std::string(projectFolder)),
                                                 "the project folder does not exist"});
        return false;
    }
    const fs::path root(folders.root);
    std::error_code ec;
    if (auto cfg = tarnic::findCaseInsensitive(root, "cfg"); cfg && !fs::is_symlink(*cfg, ec))
        fs::remove_all(*cfg, ec);
    else if (cfg)
        fs::remove(*cfg, ec);
    for (std::string_view name : {"autorun.inf", "vistel.exe", "index.htm", "index.txt", "unrar.dll",
                                  "vistel", "autorun.sh"})
        removeCaseInsensitive(root, name);
    prompts.reportInformation("M73");
    return true;
}

} // namespace vardeo
