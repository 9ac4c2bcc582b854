#include "runtime/menu/data_set.h"

#include "runtime/menu/runtime_paths.h"
#include "shared/text.h"

namespace vistel {

using tarnic::IniFile;

tarnic::IniFile loadIniOrEmpty(const fs::path& file, std::vector<std::string>* errors) {
    auto loaded = IniFile::load(file);
    if (loaded)
        return std::move(loaded).value();
    if (errors)
        errors->push_back(loaded.error().message());
    return IniFile();
}

GeneralSettings readGeneral(const IniFile& m) {
    GeneralSettings g;
    const std::string name = m.readString("general", "cdname", "");
    if (!name.empty())
        g.cdTitle = name;
    g.rootname = m.readString("general", "rootname", "");
    g.testRoot = win::testRootOf(g.rootname);
    g.aboutLink = m.readString("general", "cdaboutlink", "");
    const int lines = m.readInt("general", "cdaboutlines", 0);
    // A damaged count must not make the reader loop for billions of keys.
    for (int i = 0; i < lines && i < 10000; ++i)
        g.aboutLines.push_back(m.readString("general", "cdabout" + std::to_string(i), ""));
    g.linkUrl = m.readString("general", "cdlink", "");
    if (!g.linkUrl.empty()) {
        g.linkName = m.readString("general", "cdlinkname", "");
        if (g.linkName.empty())
            g.linkName = g.linkUrl;
    }
    return g;
}

CategorySection readCategory(const IniFile& genre, int section) {
    const std::string s = std::to_string(section);
    CategorySection c;
    c.hasId = genre.value(s, "id").has_value() && tarnic::parseInteger(*genre.value(s, "id"));
    c.id = genre.readInt(s, "id", 0);
    c.level = genre.readInt(s, "level", 0);
    c.caption = genre.readString(s, "caption", kDefaultCaption);
    c.hasChild = genre.readBool(s, "haschild", false);
    c.parent = genre.readInt(s, "parent", 0);
    return c;
}

int categoryCount(const IniFile& genre) {
    // Readers of the designer count with eight bits; more is a damaged file.
    const int n = genre.readInt("general", "anz_items", 0);
    return n < 0 ? 0 : (n > 255 ? 255 : n);
}

int readStartId(const IniFile& genre) {
    const int s = genre.readInt("general", "start", -1);
    const int section = s >= 2 ? s - 1 : 0;
    return genre.readInt(std::to_string(section), "id", 1);
}

std::vector<ItemEntry> readItems(const IniFile& members, int section) {
    std::vector<ItemEntry> items;
    const std::string s = std::to_string(section);
    int count = members.readInt(s, "anz_items", 0);
    if (count > 100000) // a damaged count; a CD holds far fewer items
        count = 100000;
    for (int n = 0; n < count; ++n) {
        const std::string key = s + "-" + std::to_string(n);
        ItemEntry e;
        e.caption = members.readString(key, "caption", kDefaultCaption);
        e.icon = members.readInt(key, "icon_number", -1);
        if (e.icon < -1 || e.icon > 13)
            e.icon = -1;
        e.number = n;
        items.push_back(std::move(e));
    }
    return items;
}

ItemDetails readDetails(const IniFile& f, int section, int item) {
    const std::string s = std::to_string(section) + "-" + std::to_string(item);
    ItemDetails d;
    d.pfad = f.readString(s, "pfad", "n/a");
    d.params = f.readString(s, "params", "n/a");
    d.copy = f.readBool(s, "copy", false);
    d.execute = f.readBool(s, "execute", true);
    d.desc = f.readString(s, "desc", "n/a");
    d.serial = f.readString(s, "serial", "n/a");
    d.sizep = f.readString(s, "sizep", "n/a");
    d.sizeup = f.readString(s, "sizeup", "n/a");
    d.system = f.readString(s, "system", "n/a");
    d.rankMissing = f.readString(s, "rank", "000 %") == "000 %";
    d.rank = f.readString(s, "rank", "n/a");
    d.rankPic = f.readString(s, "rank_pic", "n/a");
    d.language = f.readInt(s, "language", 0);
    d.url = f.readString(s, "url", "n/a");
    return d;
}

} // namespace vistel
