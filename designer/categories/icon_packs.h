#pragma once
// The icon collections installed in the program folder, read only:
// category icon packs ip/ip<NN>.cfg with ip/ip<NN>/ip<NN>i<MM>.ico, and
// member icon sets Files/m_icons/<k>.cfg with Files/m_icons/<nr>/m<n>.ico.

#include <filesystem>
#include <string>
#include <vector>

namespace vardeo {

// n with at least two digits: 7 -> "07", 15 -> "15", 100 -> "100".
[[nodiscard]] std::string twoDigits(int n);

struct IconPack {
    int number = 0;   // 1..99
    std::string name; // "Icon Pack 07"
};
// Every pack 1..99 whose .cfg exists, in number order.
[[nodiscard]] std::vector<IconPack> listIconPacks(const std::filesystem::path& programFolder);
// The pack number of a listed name: its last two characters.
[[nodiscard]] int packNumberOf(const std::string& name);

struct PackIcon {
    std::string caption;         // "01"
    std::filesystem::path file;  // ip/ip<NN>/ip<NN>i01.ico
};
struct PackContents {
    std::filesystem::path folder; // ip/ip<NN>/
    std::vector<PackIcon> icons;  // anz_icons of the .cfg, whether the files exist or not
};
[[nodiscard]] PackContents readIconPack(const std::filesystem::path& programFolder, int number);
// The file an icon of the pack names: folder, "ip", NN, "i", caption, ".ico".
[[nodiscard]] std::filesystem::path packIconFile(const std::filesystem::path& packFolder, int number,
                                                 const std::string& caption);

inline constexpr int kMemberIconCount = 14;
// The set the member icon dialog shows for a project whose number is 0.
inline constexpr int kDefaultMemberIconSet = 3;

struct MemberIconSet {
    std::string name; // [general] name, "UNKNOWN IP" when missing
    int number = 0;   // [general] nr, names the icon folder
};
// Sets 1..99 whose .cfg exists, in file number order.
[[nodiscard]] std::vector<MemberIconSet> listMemberIconSets(const std::filesystem::path& programFolder);
// Icon n (1..14) of set nr.
[[nodiscard]] std::filesystem::path memberIconFile(const std::filesystem::path& programFolder, int nr, int n);

} // namespace vardeo
