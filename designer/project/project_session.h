#pragma once
// The open project as the designer holds it: header values, items, the
// category and design file references, the working copy (EditCopy) and the
// unsaved-changes flag, with the open, save, save-as and exit sequences.
// Where a sequence must ask the user it calls ProjectPrompts, which the main
// window implements with real dialogs and tests with scripted answers.

#include "designer/project/category_list.h"
#include "designer/project/local_words.h"
#include "designer/project/mru_list.h"
#include "designer/project/project_file.h"
#include "designer/project/project_item.h"
#include "shared/result.h"

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vardeo {

namespace fs = std::filesystem;

enum class MissingFile { Category, Design };

class ProjectPrompts {
public:
    virtual ~ProjectPrompts() = default;
    // M29 (category) or M30 (design file), error box with OK and Cancel, then
    // an open dialog starting in startFolder. nullopt: the user cancelled.
    virtual std::optional<fs::path> locateMissingFile(MissingFile which,
                                                      const fs::path& startFolder) = 0;
    // A question with Yes and No (M28, M23). True for Yes.
    virtual bool askYesNo(std::string_view messageKey) = 0;
    // The Save As dialog. nullopt: cancelled.
    virtual std::optional<fs::path> chooseSaveAsFile(const fs::path& suggestion) = 0;
    // An error: messageKey names a designer message ("M57") or is empty when
    // the error's own text is the message.
    virtual void reportError(std::string_view messageKey, const tarnic::Error& error) = 0;
    virtual void reportWarning(std::string_view text) = 0;
    virtual void beginWait() {}
    virtual void endWait() {}
};

struct SessionOptions {
    bool recentFiles = true; // keep mru.dat in the program folder
    bool workingCopy = true; // keep EditCopy beside the project file
};

class ProjectSession {
public:
    enum class OpenResult { Opened, Abandoned, Failed };
    enum class SaveResult { Saved, Cancelled, Failed };

    ProjectSession(fs::path programFolder, ProjectPrompts& prompts, SessionOptions options = {});
    ~ProjectSession() = default;
    ProjectSession(const ProjectSession&) = delete;
    ProjectSession& operator=(const ProjectSession&) = delete;

    // The complete open sequence. On Abandoned or Failed nothing of the
    // project that was open changes.
    OpenResult open(const fs::path& path);
    // Save: a project never saved runs Save As.
    SaveResult save();
    SaveResult saveAs(fs::path target);
    // M28 when there are unsaved changes (Yes saves). False when the save
    // was cancelled or failed, so the caller keeps the project.
    bool offerSave(std::string_view messageKey = "M28");
    // M23, then the working copy and the recording project file are deleted.
    void exit();

    // Round trips through the working copy, used by the dialogs that edit
    // project settings: write it whole, write only its header, read it back.
    tarnic::Status writeEditCopy();
    tarnic::Status writeEditCopyHeader();
    tarnic::Status reloadFromEditCopy();
    // Reloads the category list from the category file when it exists.
    tarnic::Status reloadCategories();

    // "T22 CDname", or "T22 T26" when the CD name is empty.
    [[nodiscard]] std::string title(std::string_view t22, std::string_view t26) const;

    [[nodiscard]] bool isOpen() const { return m_open; }
    [[nodiscard]] bool modified() const { return m_modified; }
    void setModified(bool modified = true) { m_modified = modified; }

    [[nodiscard]] ProjectHeader& header() { return m_header; }
    [[nodiscard]] const ProjectHeader& header() const { return m_header; }
    [[nodiscard]] std::vector<ProjectItem>& items() { return m_items; }
    [[nodiscard]] const std::vector<ProjectItem>& items() const { return m_items; }
    [[nodiscard]] const CategoryList& categories() const { return m_categories; }
    [[nodiscard]] LocalWords& words() { return m_words; }
    [[nodiscard]] const LocalWords& words() const { return m_words; }
    [[nodiscard]] MruList& recentFiles() { return m_mru; }

    // The remembered files; a path whose file does not exist counts as none.
    [[nodiscard]] fs::path projectFile() const;
    [[nodiscard]] const fs::path& editCopy() const { return m_editCopy; }
    [[nodiscard]] fs::path categoryFile() const;
    [[nodiscard]] fs::path designFile() const;
    void setCategoryFile(fs::path file) { m_categoryFile = std::move(file); }
    void setDesignFile(fs::path file) { m_designFile = std::move(file); }
    [[nodiscard]] const fs::path& saveAsSuggestion() const { return m_saveAsSuggestion; }
    [[nodiscard]] const fs::path& programFolder() const { return m_programFolder; }

    void normaliseYesNo() { vardeo::normaliseYesNo(m_items, m_words); }

    // The working copy of a project file: same folder and name, ".tmp".
    [[nodiscard]] static fs::path editCopyOf(const fs::path& projectFile);

private:
    std::optional<fs::path> findMovedFile(const std::string& fullPath, const std::string& name,
                                          const std::string& ext, std::string_view subfolder) const;
    tarnic::Status makeWorkingCopy(const fs::path& projectFile);
    void syncHeaderFileReferences();

    fs::path m_programFolder;
    ProjectPrompts& m_prompts;
    SessionOptions m_options;
    MruList m_mru;
    LocalWords m_words;

    bool m_open = false;
    bool m_modified = false;
    ProjectHeader m_header;
    std::vector<ProjectItem> m_items;
    CategoryList m_categories;
    fs::path m_projectFile;
    fs::path m_editCopy;
    fs::path m_categoryFile;
    fs::path m_designFile;
    fs::path m_saveAsSuggestion;
};

} // namespace vardeo
