#pragma once
// The designer's help pages: one HTML page per topic number, plus the contents.

#include <string>
#include <vector>

struct HelpPage {
    std::string file; // "index.htm", "1600.htm"
    std::string html;
};

[[nodiscard]] std::vector<HelpPage> helpPages();
