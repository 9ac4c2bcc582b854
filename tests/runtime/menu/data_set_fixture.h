#pragma once
// Writes small menu data sets as the build writes them: INI files with CR LF
// line ends, one key=value line per key, sections in write order.

#include "support/temp_dir.h"

#include <string>
#include <utility>
#include <vector>

namespace vistel::test {

using Keys = std::vector<std::pair<std::string, std::string>>;

class IniText {
public:
    IniText& section(const std::string& name, const Keys& keys) {
        m_text += "[" + name + "]\r\n";
        for (const auto& [k, v] : keys)
            m_text += k + "=" + v + "\r\n";
        return *this;
    }
    [[nodiscard]] const std::string& text() const { return m_text; }

private:
    std::string m_text;
};

struct Category {
    std::string caption;
    int level = 1;
    bool hasChild = false;
    int parent = 0;
};

// genre.cfg with sections 0..N-1 (id = section + 1) and the given start.
inline std::string genreFile(const std::vector<Category>& cats, const std::string& start = "1") {
    IniText t;
    Keys general = {{"anz_items", std::to_string(cats.size())}};
    if (!start.empty())
        general.push_back({"start", start});
    t.section("general", general);
    for (std::size_t k = 0; k < cats.size(); ++k)
        t.section(std::to_string(k), {{"id", std::to_string(k + 1)},
                                      {"level", std::to_string(cats[k].level)},
                                      {"caption", cats[k].caption},
                                      {"haschild", cats[k].hasChild ? "1" : "0"},
                                      {"parent", std::to_string(cats[k].parent)}});
    return t.text();
}

struct Item {
    int category = 0;
    std::string caption;
    Keys details; // keys of the details file after caption
    int icon = 2;
};

// members.cfg and membersd/m<t>-<u>.dat below root/cfg.
inline void writeItems(const tarnic::test::TempDir& dir, const std::vector<Item>& items,
                       const Keys& general = {{"cdname", "Test CD"}}) {
    IniText members;
    members.section("general", general);
    std::vector<int> counts(64, 0);
    for (const Item& it : items) {
        const int u = counts[static_cast<std::size_t>(it.category)]++;
        const std::string s = std::to_string(it.category) + "-" + std::to_string(u);
        members.section(s, {{"caption", it.caption},
                            {"icon_number", std::to_string(it.icon)},
                            {"genre", std::to_string(it.category)}});
        IniText d;
        Keys keys = {{"caption", it.caption}};
        keys.insert(keys.end(), it.details.begin(), it.details.end());
        d.section(s, keys);
        dir.write("cfg/membersd/m" + s + ".dat", d.text());
    }
    for (std::size_t t = 0; t < counts.size(); ++t)
        if (counts[t] > 0)
            members.section(std::to_string(t), {{"anz_items", std::to_string(counts[t])}});
    dir.write("cfg/members.cfg", members.text());
}

} // namespace vistel::test
