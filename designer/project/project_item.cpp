#include "project_item.h"

#include "shared/text.h"

#include <algorithm>
#include <cstdio>

namespace vardeo {

bool isJumpPointPath(std::string_view itemPath) {
    return itemPath.size() >= 10 && tarnic::iequals(itemPath.substr(itemPath.size() - 10), "jump point");
}

std::size_t languageNumber(std::string_view language) {
    const auto it = std::find(kItemLanguageList.begin(), kItemLanguageList.end(), language);
    return it == kItemLanguageList.end() ? 0
                                         : static_cast<std::size_t>(it - kItemLanguageList.begin());
}

std::string formatRating(int percent) {
    percent = std::clamp(percent, 0, 100);
    char buf[8];
    std::snprintf(buf, sizeof buf, "%03d %%", percent);
    return buf;
}

int ratingPercent(std::string_view rating) {
    const auto v = tarnic::parseDecimal(rating.substr(0, std::min<std::size_t>(3, rating.size())));
    return v ? static_cast<int>(*v) : -1;
}

} // namespace vardeo
