#include "category_round_trip.h"

namespace vardeo {

std::string rootCaptionFor(const CategoryEditorHost& host) {
    const std::string cd = host.cdName();
    if (host.mode() != ProjectMode::Work || cd.empty())
        return host.newProjectCdName();
    return cd;
}

tarnic::Status beforeCategoryEditor(ProjectSession& session) {
    if (!session.isOpen())
        return {};
    return session.writeEditCopy();
}

tarnic::Status afterCategoryEditor(ProjectSession& session) {
    if (!session.isOpen() || !session.modified())
        return {};
    if (!session.categoryFile().empty())
        if (auto st = session.writeEditCopy(); !st)
            return st;
    if (auto st = session.reloadCategories(); !st)
        return st;
    return session.reloadFromEditCopy();
}

} // namespace vardeo
