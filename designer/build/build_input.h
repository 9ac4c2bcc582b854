#pragma once
// What a build reads: the open project (header, item rows, category list and
// the category and design files it uses), the designer's program folder and
// its current words. The designer window and vardeo-cli fill it from their
// ProjectSession.

#include "designer/project/category_list.h"
#include "designer/project/local_words.h"
#include "designer/project/project_file.h"
#include "designer/project/project_item.h"

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace vardeo {

// Written to members.cfg when the project names no link or about address.
struct HomePages {
    std::string maker = "https://www.brontal.example/";
    std::string makerName = "Brontal";
    std::string product = "https://tarnic.example.org/vardeo";
};

struct BuildDate {
    int month = 1; // 1..12
    int year = 2000;
};
[[nodiscard]] BuildDate todaysDate();

struct BuildInput {
    const ProjectHeader& header;
    const std::vector<ProjectItem>& items;
    const CategoryList& categories;
    std::filesystem::path categoryFile{};
    std::filesystem::path designFile{};
    std::filesystem::path programFolder{};
    LocalWords words{};
    HomePages homePages{};
    std::optional<BuildDate> date{}; // today when not set
};

} // namespace vardeo
