#pragma once
// Small hand-made project pieces shared by the project tests.

#include "designer/project/project_file.h"

#include <string>
#include <vector>

namespace vardeo::test {

// A category file: entries are "level:caption".
inline std::string cmgText(const std::vector<std::pair<int, std::string>>& cats, int start = 1) {
    std::string s = "[general]\r\nanz_items=" + std::to_string(cats.size()) +
                    "\r\nstart=" + std::to_string(start) + "\r\n";
    for (std::size_t k = 0; k < cats.size(); ++k)
        s += "[" + std::to_string(k) + "]\r\nid=" + std::to_string(k + 1) +
             "\r\nlevel=" + std::to_string(cats[k].first) + "\r\ncaption=" + cats[k].second +
             "\r\nhaschild=0\r\nparent=0\r\n";
    return s;
}

inline ProjectItem makeItem(std::string name, std::string category, std::string copy = "yes",
                            std::string execute = "no") {
    ProjectItem it;
    it[Field::Name] = std::move(name);
    it[Field::FileName] = "setup.exe";
    it[Field::CdPath] = "\\tools\\";
    it[Field::Serial] = "n/a";
    it[Field::CdSize] = "< 1 MB";
    it[Field::HdSize] = "n/a";
    it[Field::Description] = "n/a";
    it[Field::Category] = std::move(category);
    it[Field::Copy] = std::move(copy);
    it[Field::FileSourceLocation] = "/src/setup.exe";
    it[Field::Homepage] = "n/a";
    it[Field::Execute] = std::move(execute);
    it[Field::Rating] = "085 %";
    it[Field::Language] = "D";
    it[Field::System] = "Unix/Linux";
    it[Field::Parameter] = "--quiet";
    return it;
}

// One raw record: seventeen (length byte, capacity bytes) fields.
inline std::string rawRecord(const std::vector<std::string>& values,
                             const std::vector<int>& lengthOverride = {}) {
    std::string rec;
    for (std::size_t i = 0; i < kRecordFields; ++i) {
        const std::string v = i < values.size() ? values[i] : std::string();
        const int len = i < lengthOverride.size() && lengthOverride[i] >= 0
                            ? lengthOverride[i]
                            : static_cast<int>(v.size());
        rec.push_back(static_cast<char>(len));
        std::string body = v;
        body.resize(kFieldCapacity[i], 'Z'); // not-significant bytes need not be zero
        rec += body;
    }
    return rec;
}

} // namespace vardeo::test
