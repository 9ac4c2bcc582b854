#include "project_session.h"

#include "shared/file_io.h"
#include "shared/paths.h"

#include <system_error>

namespace vardeo {
namespace {

// Closes the wait window on every path out of a sequence.
class WaitGuard {
public:
    explicit WaitGuard(ProjectPrompts& p) : m_p(p) { m_p.beginWait(); }
    ~WaitGuard() { m_p.endWait(); }
    WaitGuard(const WaitGuard&) = delete;
    WaitGuard& operator=(const WaitGuard&) = delete;

private:
    ProjectPrompts& m_p;
};

void removeQuietly(const fs::path& p) {
    if (p.empty())
        return;
    std::error_code ec;
    tarnic::makeWritable(p);
    fs::remove(p, ec);
}

} // namespace

ProjectSession::ProjectSession(fs::path programFolder, ProjectPrompts& prompts,
                               SessionOptions options)
    : m_programFolder(std::move(programFolder)), m_prompts(prompts), m_options(options),
      m_mru(m_programFolder.empty() || !options.recentFiles ? fs::path()
                                                             : m_programFolder / "mru.dat") {
    m_mru.load();
}

fs::path ProjectSession::editCopyOf(const fs::path& projectFile) {
    fs::path copy = projectFile;
    copy.replace_extension(".tmp");
    return copy;
}

fs::path ProjectSession::projectFile() const {
    return tarnic::fileExists(m_projectFile) ? m_projectFile : fs::path();
}
fs::path ProjectSession::categoryFile() const {
    return tarnic::fileExists(m_categoryFile) ? m_categoryFile : fs::path();
}
fs::path ProjectSession::designFile() const {
    return tarnic::fileExists(m_designFile) ? m_designFile : fs::path();
}

std::optional<fs::path> ProjectSession::findMovedFile(const std::string& fullPath,
                                                      const std::string& name,
                                                      const std::string& ext,
                                                      std::string_view subfolder) const {
    if (tarnic::fileExists(fullPath))
        return fs::path(fullPath);
    if (name.empty() || m_programFolder.empty())
        return std::nullopt;
    const fs::path folder = m_programFolder / std::string(subfolder);
    for (const std::string& rel : {name + ext, name + "/" + name + ext})
        if (auto found = tarnic::findCaseInsensitive(folder, rel); found && tarnic::fileExists(*found))
            return found;
    return std::nullopt;
}

ProjectSession::OpenResult ProjectSession::open(const fs::path& path) {
    WaitGuard wait(m_prompts);
    auto header = readProjectHeader(path);
    if (!header) {
        m_prompts.reportError("", header.error());
        return OpenResult::Failed;
    }
    m_saveAsSuggestion = path;

    auto category = findMovedFile(header->categoryFile, header->categoryName, header->categoryExt,
                                  "genre");
    if (!category)
        category = m_prompts.locateMissingFile(MissingFile::Category, m_programFolder / "genre");
    if (!category)
        return OpenResult::Abandoned;
    auto categories = CategoryList::load(*category);
    if (!categories) {
        m_prompts.reportError("", categories.error());
        return OpenResult::Failed;
    }

    auto design = findMovedFile(header->designFile, header->designName, header->designExt,
                                "menudesign");
    if (!design)
        design = m_prompts.locateMissingFile(MissingFile::Design, m_programFolder / "menudesign");
    if (!design)
        return OpenResult::Abandoned;

    auto contents = readProject(path, *categories);
    if (!contents) {
        m_prompts.reportError("", contents.error());
        return OpenResult::Failed;
    }
    for (const std::string& w : contents->warnings)
        m_prompts.reportWarning(w);

    // Everything is read: only now does the new project replace the old one.
    m_header = std::move(contents->header);
    m_items = std::move(contents->items);
    m_categories = std::move(*categories);
    m_categoryFile = *category;
    m_designFile = *design;
    m_projectFile = path;
    if (m_options.workingCopy)
        if (auto st = makeWorkingCopy(path); !st)
            m_prompts.reportWarning(st.error().message());
    m_open = true;
    m_modified = false;
    (void)m_mru.add(path);
    normaliseYesNo();
    return OpenResult::Opened;
}

tarnic::Status ProjectSession::makeWorkingCopy(const fs::path& projectFile) {
    removeQuietly(m_editCopy);
    m_editCopy = editCopyOf(projectFile);
    removeQuietly(m_editCopy);
    return tarnic::copyFileAtomic(projectFile, m_editCopy);
}

void ProjectSession::syncHeaderFileReferences() {
    const fs::path cat = categoryFile();
    m_header.categoryFile = cat.string();
    m_header.categoryName = cat.stem().string();
    m_header.categoryExt = cat.extension().string();
    const fs::path des = designFile();
    m_header.designFile = des.string();
    m_header.designName = des.stem().string();
    m_header.designExt = des.extension().string();
}

ProjectSession::SaveResult ProjectSession::save() {
    const fs::path target = projectFile();
    if (target.empty())
        return saveAs(m_saveAsSuggestion);
    WaitGuard wait(m_prompts);
    if (m_editCopy.empty())
        m_editCopy = editCopyOf(target);
    if (auto st = writeEditCopy(); !st) {
        m_prompts.reportError("M57", st.error());
        return SaveResult::Failed;
    }
    // The project file is replaced by a complete copy or not at all; the
    // unsaved-changes flag stays set when it could not be replaced.
    if (auto st = tarnic::copyFileAtomic(m_editCopy, target); !st) {
        m_prompts.reportError("M57", st.error());
        return SaveResult::Failed;
    }
    tarnic::makeWritable(target);
    m_modified = false;
    (void)m_mru.add(target);
    return SaveResult::Saved;
}

ProjectSession::SaveResult ProjectSession::saveAs(fs::path target) {
    if (target.empty() || !fs::exists(target.parent_path().empty() ? "." : target.parent_path())) {
        auto chosen = m_prompts.chooseSaveAsFile(target.empty() ? m_programFolder / "projects" : target);
        if (!chosen)
            return SaveResult::Cancelled;
        target = std::move(*chosen);
    }
    if (!target.has_extension())
        target += ".mof";
    WaitGuard wait(m_prompts);
    syncHeaderFileReferences();
    if (auto st = writeProject(target, m_header, m_items, m_categories, m_words); !st) {
        m_prompts.reportError("", st.error());
        return SaveResult::Failed;
    }
    tarnic::makeWritable(target);
    m_projectFile = target;
    m_saveAsSuggestion = target;
    if (auto st = makeWorkingCopy(target); !st)
        m_prompts.reportWarning(st.error().message());
    m_open = true;
    m_modified = false;
    (void)m_mru.add(target);
    return SaveResult::Saved;
}

bool ProjectSession::offerSave(std::string_view messageKey) {
    if (!m_modified || !m_prompts.askYesNo(messageKey))
        return true;
    return save() == SaveResult::Saved;
}

void ProjectSession::exit() {
    if (m_modified && m_prompts.askYesNo("M23"))
        (void)save();
    removeQuietly(m_editCopy);
    m_editCopy.clear();
    if (!m_programFolder.empty())
        removeQuietly(m_programFolder / "Files" / "burn zent.cpj");
}

tarnic::Status ProjectSession::writeEditCopy() {
    if (m_editCopy.empty())
        return tarnic::Error{{}, "no project is open"};
    syncHeaderFileReferences();
    return writeProject(m_editCopy, m_header, m_items, m_categories, m_words);
}

tarnic::Status ProjectSession::writeEditCopyHeader() {
    if (m_editCopy.empty())
        return tarnic::Error{{}, "no project is open"};
    syncHeaderFileReferences();
    return writeProjectHeader(m_editCopy, m_header);
}

tarnic::Status ProjectSession::reloadFromEditCopy() {
    auto contents = readProject(m_editCopy, m_categories);
    if (!contents)
        return contents.error();
    const fs::path cat = m_categoryFile;
    const fs::path des = m_designFile;
    m_header = std::move(contents->header);
    m_items = std::move(contents->items);
    m_categoryFile = cat;
    m_designFile = des;
    normaliseYesNo();
    return {};
}

tarnic::Status ProjectSession::reloadCategories() {
    const fs::path file = categoryFile();
    if (file.empty())
        return {};
    auto list = CategoryList::load(file);
    if (!list)
        return list.error();
    m_categories = std::move(*list);
    return {};
}

std::string ProjectSession::title(std::string_view t22, std::string_view t26) const {
    return std::string(t22) + " " + (m_header.cdName.empty() ? std::string(t26) : m_header.cdName);
}

} // namespace vardeo
