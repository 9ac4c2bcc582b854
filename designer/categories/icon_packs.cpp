#include "icon_packs.h"

#include "shared/file_io.h"
#include "shared/ini_file.h"
#include "shared/paths.h"

namespace vardeo {

namespace fs = std::filesystem;

namespace {

// Installed data is found without regard to case, as on the system it was made for.
fs::path below(const fs::path& base, const std::string& relative) {
    return tarnic::findCaseInsensitive(base, relative).value_or(base / relative);
}

tarnic::IniFile readIni(const fs::path& file) {
    auto ini = tarnic::IniFile::load(file);
    return ini ? std::move(*ini) : tarnic::IniFile();
}

} // namespace

std::string twoDigits(int n) { return n >= 0 && n < 10 ? "0" + std::to_string(n) : std::to_string(n); }

std::vector<IconPack> listIconPacks(const fs::path& programFolder) {
    std::vector<IconPack> packs;
    for (int n = 1; n <= 99; ++n)
        if (tarnic::fileExists(below(programFolder, "ip/ip" + twoDigits(n) + ".cfg")))
            packs.push_back({n, "Icon Pack " + twoDigits(n)});
    return packs;
}

int packNumberOf(const std::string& name) {
    if (name.size() < 2)
        return 0;
    const std::string digits = name.substr(name.size() - 2);
    if (digits[0] < '0' || digits[0] > '9' || digits[1] < '0' || digits[1] > '9')
        return 0;
    return (digits[0] - '0') * 10 + (digits[1] - '0');
}

fs::path packIconFile(const fs::path& packFolder, int number, const std::string& caption) {
    return tarnic::findCaseInsensitive(packFolder, "ip" + twoDigits(number) + "i" + caption + ".ico")
        .value_or(packFolder / ("ip" + twoDigits(number) + "i" + caption + ".ico"));
}

PackContents readIconPack(const fs::path& programFolder, int number) {
    const std::string nn = twoDigits(number);
    PackContents pack;
    pack.folder = below(programFolder, "ip/ip" + nn);
    const tarnic::IniFile ini = readIni(below(programFolder, "ip/ip" + nn + ".cfg"));
    const std::int32_t count = ini.readInt("general", "anz_icons", 0);
    for (std::int32_t m = 1; m <= count && m <= 9999; ++m) {
        const std::string caption = twoDigits(m);
        pack.icons.push_back({caption, packIconFile(pack.folder, number, caption)});
    }
    return pack;
}

std::vector<MemberIconSet> listMemberIconSets(const fs::path& programFolder) {
    std::vector<MemberIconSet> sets;
    for (int k = 1; k <= 99; ++k) {
        const fs::path cfg = below(programFolder, "Files/m_icons/" + std::to_string(k) + ".cfg");
        if (!tarnic::fileExists(cfg))
            continue;
        const tarnic::IniFile ini = readIni(cfg);
        sets.push_back({ini.readString("general", "name", "UNKNOWN IP"), ini.readInt("general", "nr", 0)});
    }
    return sets;
}

fs::path memberIconFile(const fs::path& programFolder, int nr, int n) {
    return below(programFolder, "Files/m_icons/" + std::to_string(nr) + "/m" + std::to_string(n) + ".ico");
}

} // namespace vardeo
