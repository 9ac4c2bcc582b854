#include "info_command.h"

#include "cli_app.h"
#include "cli_prompts.h"
#include "designer/project/project_session.h"

#include <nlohmann/json.hpp>

#include <algorithm>

namespace vardeo::cli {

int runInfo(const InfoOptions& options, std::ostream& out, std::ostream& err) {
    CliPrompts prompts(err);
    // Reading only: no recent-files entry, no working copy.
    ProjectSession project(options.programFolder, prompts, {.recentFiles = false, .workingCopy = false});
    if (project.open(options.project) != ProjectSession::OpenResult::Opened)
        return kExitBadInput;

    const auto text = [&](const std::string& s) { return tarnic::decodeToUtf8(options.codepage, s); };
    const ProjectHeader& h = project.header();
    if (options.json) {
        nlohmann::ordered_json j;
        j["header"] = {
            {"cdName", text(h.cdName)},
            {"projectFolder", text(h.projectFolder)},
            {"categoryFile", text(project.categoryFile().string())},
            {"designFile", text(project.designFile().string())},
            {"menuLanguage", h.menuLanguage},
            {"memberIconSet", h.memberIconSet},
            {"ratingSet", h.ratingSet},
            {"linkCaption", text(h.linkCaption)},
            {"linkAddress", text(h.linkAddress)},
            {"aboutLink", text(h.aboutLink)},
            {"aboutTextFile", text(h.aboutTextFile)},
        };
        auto items = nlohmann::ordered_json::array();
        for (const ProjectItem& item : project.items()) {
            if (!item.isItem())
                continue;
            nlohmann::ordered_json o;
            for (std::size_t i = 0; i < kFieldCount; ++i)
                o[std::string(kCanonicalFieldNames[i])] = text(item.fields[i]);
            items.push_back(std::move(o));
        }
        j["items"] = std::move(items);
        out << j.dump(2) << "\n";
        return kExitOk;
    }
    out << "CD name:          " << text(h.cdName) << "\n"
        << "Project folder:   " << text(h.projectFolder) << "\n"
        << "Category file:    " << text(project.categoryFile().string()) << " ("
        << project.categories().size() << " categories)\n"
        << "Design file:      " << text(project.designFile().string()) << "\n"
        << "Menu language:    " << h.menuLanguage << "\n"
        << "Member icon set:  " << h.memberIconSet << "\n"
        << "Rating set:       " << h.ratingSet << "\n"
        << "Link:             " << text(h.linkCaption) << " " << text(h.linkAddress) << "\n"
        << "About link:       " << text(h.aboutLink) << "\n"
        << "About text file:  " << text(h.aboutTextFile) << "\n";
    const auto n = std::count_if(project.items().begin(), project.items().end(),
                                 [](const ProjectItem& item) { return item.isItem(); });
    out << "Items:            " << n << "\n";
    for (const ProjectItem& item : project.items()) {
        if (!item.isItem())
            continue;
        out << "\n";
        for (std::size_t i = 0; i < kFieldCount; ++i)
            out << "  " << kCanonicalFieldNames[i] << ": " << text(item.fields[i]) << "\n";
    }
    return kExitOk;
}

} // namespace vardeo::cli
