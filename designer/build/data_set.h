#pragma once
// The menu data set: cfg/members.cfg, cfg/membersd/m<t>-<u>.dat and index.txt
// in the CD root, the files through which the menu program on the CD gets the
// project. The INI files are built in memory through tarnic::IniFile with the
// same key writes, in the same order, as the profile calls of the original
// designer, so the bytes are the same; each file is written once.

#include "designer/build/build_input.h"
#include "shared/ini_file.h"
#include "shared/result.h"

#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vardeo {

// The item icon (0..13, m1.ico..m14.ico) of a File Name cell.
[[nodiscard]] int iconClass(std::string_view fileName);

// One range of a rating set file (Files/rank/<nr>.cfg).
struct RatingRange {
    int start = 0;
    int end = 0;
    std::string pic;
};

// The ranges 1..nr of a rating set in order. A range section the file lacks
// reads as start 0, end 0, no picture, as every reader of the set did; those
// are folded into one entry, so a damaged nr (two billion) costs nothing.
class RatingSet {
public:
    RatingSet() = default;
    [[nodiscard]] static RatingSet fromIni(const tarnic::IniFile& ini);
    // The picture of a Rating cell ("085 %"): the last range that holds its
    // value (the first three characters, 0 when not a number); nullopt when
    // none does.
    [[nodiscard]] std::optional<std::string> pictureFor(std::string_view rating) const;
    // The picture names of the ranges the file has, in range order.
    [[nodiscard]] std::vector<std::string> pictures() const;

private:
    struct Entry {
        std::size_t k;
        RatingRange range;
    };
    std::vector<Entry> m_entries; // ascending k; a missing range appears once, at its last k
};

// The five head lines of index.txt, CR LF each.
[[nodiscard]] std::string indexHead(std::string_view cdName, BuildDate date);

// The lines of an about text file as a string list loads them: CR LF, LF or
// CR end a line; a final line end adds no empty line.
[[nodiscard]] std::vector<std::string> textLines(std::string_view bytes);

struct DataSetReport {
    std::size_t items = 0;        // item files written (an item under two categories counts twice)
    std::size_t filesWritten = 0; // members.cfg, index.txt and the item files
    // Set when the project's about text file did not exist and the program
    // folder's Files/tarnic.txt took its place: the project keeps it.
    std::optional<std::string> newAboutTextFile;
};

// Writes index.txt into root, members.cfg and membersd/ into cfgFolder
// (which must exist). Old item files are removed first. A file that cannot
// be written stops the data set with an error naming it.
[[nodiscard]] tarnic::Result<DataSetReport> writeDataSet(const BuildInput& input,
                                                         const std::filesystem::path& root,
                                                         const std::filesystem::path& cfgFolder);

} // namespace vardeo
