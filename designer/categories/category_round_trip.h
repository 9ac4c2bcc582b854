#pragma once
// The category editor's side of the project: the values it reads and
// changes (CategoryEditorHost), and the round trip through the working copy
// that re-ties every item to its category after the editor closed.

#include "designer/project/project_session.h"
#include "shared/result.h"

#include <filesystem>
#include <string>

namespace vardeo {

// Who opened the editor: the new project dialog creating ("new") or editing
// ("edit") a project, or the main window ("work").
enum class ProjectMode { New, Edit, Work };

class CategoryEditorHost {
public:
    virtual ~CategoryEditorHost() = default;
    // The project's category file; a path whose file does not exist counts as none.
    [[nodiscard]] virtual std::filesystem::path categoryFile() const = 0;
    virtual void setCategoryFile(std::filesystem::path file) = 0;
    [[nodiscard]] virtual std::string cdName() const = 0;
    [[nodiscard]] virtual ProjectMode mode() const { return ProjectMode::Work; }
    // The CD name typed in the new project dialog.
    [[nodiscard]] virtual std::string newProjectCdName() const { return {}; }
    virtual void setModified() = 0;
    // After OK adopted the current file: the new project dialog updates its
    // title and its "CD Menu Icons" button.
    virtual void categoriesAdopted() {}
};

// The root caption: the CD name, or the new project dialog's CD name while it
// creates or edits a project, or when the CD name is empty.
[[nodiscard]] std::string rootCaptionFor(const CategoryEditorHost& host);

// The host of the main window: the open project of a session.
class SessionCategoryHost final : public CategoryEditorHost {
public:
    explicit SessionCategoryHost(ProjectSession& session) : m_session(session) {}
    [[nodiscard]] std::filesystem::path categoryFile() const override { return m_session.categoryFile(); }
    void setCategoryFile(std::filesystem::path file) override { m_session.setCategoryFile(std::move(file)); }
    [[nodiscard]] std::string cdName() const override { return m_session.header().cdName; }
    void setModified() override { m_session.setModified(); }

private:
    ProjectSession& m_session;
};

// Before the editor opens: the project goes to its working copy.
[[nodiscard]] tarnic::Status beforeCategoryEditor(ProjectSession& session);
// After it closed with the project modified: the project is written to the
// working copy again while the category list still holds the old categories
// (so every item keeps its old index), the list is reloaded from the category
// file and the project read back, which ties renamed categories' items by
// index and moved ones by caption. Nothing happens for an unmodified project.
[[nodiscard]] tarnic::Status afterCategoryEditor(ProjectSession& session);

} // namespace vardeo
