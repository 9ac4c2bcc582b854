#pragma once
// vardeo-cli info: opens a project as the designer does and prints its header
// and items, as text or as one JSON object.

#include "shared/codepage.h"

#include <filesystem>
#include <ostream>

namespace vardeo::cli {

struct InfoOptions {
    std::filesystem::path project;
    std::filesystem::path programFolder;
    bool json = false;
    tarnic::Codepage codepage = tarnic::Codepage::Windows1252;
};

int runInfo(const InfoOptions& options, std::ostream& out, std::ostream& err);

} // namespace vardeo::cli
