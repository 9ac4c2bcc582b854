#include "data_set.h"

#include "build_files.h"
#include "shared/file_io.h"
#include "shared/text.h"

#include <algorithm>
#include <charconv>
#include <ctime>
#include <unordered_map>

namespace vardeo {

namespace fs = std::filesystem;

BuildDate todaysDate() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    return {local.tm_mon + 1, local.tm_year + 1900};
}

namespace {

bool endsIn(std::string_view s, std::initializer_list<std::string_view> suffixes) {
    for (std::string_view suffix : suffixes)
        if (s.size() >= suffix.size() && s.substr(s.size() - suffix.size()) == suffix)
            return true;
    return false;
}

bool startsWithAny(std::string_view s, std::initializer_list<std::string_view> prefixes) {
    for (std::string_view prefix : prefixes)
        if (s.substr(0, prefix.size()) == prefix)
            return true;
    return false;
}

std::string decimal(std::size_t n) { return std::to_string(n); }

// One "key=value" line as a profile write adds it to a new section; a line
// break inside a value would split the file, so it becomes a blank.
void addKey(std::string& out, std::string_view key, std::string_view value) {
    out.append(key).push_back('=');
    for (char c : value)
        out.push_back(c == '\r' || c == '\n' ? ' ' : c);
    out.append("\r\n");
}

} // namespace

int iconClass(std::string_view fileName) {
    const std::string n = tarnic::asciiLower(fileName);
    int cls = 2;
    if (endsIn(n, {"exe"}))
        cls = 0;
    else if (endsIn(n, {"zip"}))
        cls = 1;
    else if (endsIn(n, {"hlp", "chm"}))
        cls = 3;
    if (endsIn(n, {"url", "htm", "html"}) || startsWithAny(n, {"mailto", "http", "https", "ftp"}))
        cls = 4;
    if (endsIn(n, {"bmp", "jpg", "gif", "jpeg"}))
        cls = 5;
    if (endsIn(n, {"wav", "mid", "mod", "s3m", "stm", "med", "669", "xm", "it"}))
        cls = 6;
    if (endsIn(n, {"txt"}))
        cls = 7;
    if (endsIn(n, {"doc"}))
        cls = 8;
    if (endsIn(n, {"avi", "asf", "mp3", "mov", "mpg", "mpeg"}))
        cls = 9;
    if (endsIn(n, {"pdf", "ppt", "xls", "mdb", "rar", "ace", "rmj", "psd", "rm", "ra"}))
        cls = 13;
    else if (n == "jump point")
        cls = 12;
    else if (endsIn(n, {"ico"}))
        cls = 11;
    else if (endsIn(n, {"ttf"}))
        cls = 10;
    return cls;
}

RatingSet RatingSet::fromIni(const tarnic::IniFile& ini) {
    RatingSet set;
    const std::int32_t nr = ini.readInt("range", "nr", 0);
    if (nr <= 0)
        return set;
    const auto count = static_cast<std::size_t>(nr);
    // Only sections named exactly "range<k>" can be found by the readers.
    std::vector<std::size_t> present;
    for (const std::string& name : ini.sectionNames()) {
        if (name.size() <= 5 || !tarnic::iequals(name.substr(0, 5), "range") || name[5] == '0')
            continue;
        std::size_t k = 0;
        const char* first = name.data() + 5;
        const char* last = name.data() + name.size();
        const auto [ptr, ec] = std::from_chars(first, last, k);
        if (ec == std::errc() && ptr == last && k >= 1 && k <= count)
            present.push_back(k);
    }
    std::sort(present.begin(), present.end());
    present.erase(std::unique(present.begin(), present.end()), present.end());
    // The highest k in 1..nr without a section (0: none), a range of defaults:
    // 0..0 and no picture.
    std::size_t missing = count;
    for (auto it = present.rbegin(); it != present.rend() && *it == missing; ++it)
        --missing;
    for (std::size_t k : present) {
        if (missing != 0 && missing < k) {
            set.m_entries.push_back({missing, {}});
            missing = 0;
        }
        const std::string section = "range" + decimal(k);
        set.m_entries.push_back({k, {ini.readInt(section, "start", 0), ini.readInt(section, "end", 0),
                                     ini.readString(section, "pic", "")}});
    }
    if (missing != 0)
        set.m_entries.push_back({missing, {}});
    return set;
}

std::optional<std::string> RatingSet::pictureFor(std::string_view rating) const {
    const int value = std::max(0, ratingPercent(rating));
    for (auto it = m_entries.rbegin(); it != m_entries.rend(); ++it)
        if (it->range.start <= value && value <= it->range.end)
            return it->range.pic;
    return std::nullopt;
}

std::vector<std::string> RatingSet::pictures() const {
    std::vector<std::string> out;
    for (const Entry& e : m_entries)
        if (!e.range.pic.empty())
            out.push_back(e.range.pic);
    return out;
}

std::string indexHead(std::string_view cdName, BuildDate date) {
    const std::string stars(cdName.size() + 4, '*');
    std::string out;
    out += stars + "\r\n";
    out += "* " + std::string(cdName) + " *\r\n";
    out += stars + "\r\n";
    out += std::to_string(date.month) + "/" + std::to_string(date.year) + "\r\n";
    out += "\r\n";
    return out;
}

std::vector<std::string> textLines(std::string_view bytes) {
    std::vector<std::string> lines;
    std::size_t i = 0;
    while (i < bytes.size()) {
        std::size_t j = i;
        while (j < bytes.size() && bytes[j] != '\r' && bytes[j] != '\n')
            ++j;
        lines.emplace_back(bytes.substr(i, j - i));
        if (j < bytes.size() && bytes[j] == '\r' && j + 1 < bytes.size() && bytes[j + 1] == '\n')
            ++j;
        i = j + 1;
    }
    return lines;
}

namespace {

// The about text file the data set uses, and whether it replaced the project's.
std::pair<fs::path, bool> aboutTextFile(const BuildInput& input) {
    const std::string& own = input.header.aboutTextFile;
    if (!own.empty() && tarnic::fileExists(own))
        return {fs::path(own), false};
    if (auto found = findDataFile(input.programFolder, "Files/tarnic.txt"))
        return {*found, true};
    return {input.programFolder / "Files" / "tarnic.txt", true};
}

void writeGeneral(tarnic::IniFile& members, const BuildInput& input,
                  const std::vector<std::string>& aboutLines) {
    const ProjectHeader& h = input.header;
    const HomePages& home = input.homePages;
    members.writeString("general", "cdname", h.cdName);
    members.writeString("general", "rootname", h.projectFolder);
    members.writeString("general", "cdlink", h.linkAddress.empty() ? home.maker : h.linkAddress);
    if (!h.linkCaption.empty()) {
        members.writeString("general", "cdlinkname", h.linkCaption);
    } else if (!h.linkAddress.empty()) {
        members.writeString("general", "cdlinkname", h.linkAddress);
    } else {
        members.writeString("general", "cdlink", home.maker);
        members.writeString("general", "cdlinkname", home.makerName);
    }
    members.writeString("general", "cdaboutlink",
                        (h.aboutLink.empty() || h.aboutLink == "#") ? home.product : h.aboutLink);
    if (aboutLines.empty()) {
        members.writeInt("general", "cdaboutlines", 1);
        members.writeString("general", "cdabout0", "");
        return;
    }
    members.writeInt("general", "cdaboutlines", static_cast<std::int64_t>(aboutLines.size()));
    for (std::size_t i = 0; i < aboutLines.size(); ++i)
        members.writeString("general", "cdabout" + decimal(i), aboutLines[i]);
}

tarnic::Status clearItemFolder(const fs::path& folder) {
    std::error_code ec;
    if (!fs::is_directory(folder, ec)) {
        if (!fs::create_directories(folder, ec) && ec)
            return tarnic::Error{folder, "could not be created: " + ec.message()};
        return {};
    }
    std::vector<fs::path> files;
    for (auto it = fs::directory_iterator(folder, ec); !ec && it != fs::end(it); it.increment(ec))
        if (!it->is_directory(ec))
            files.push_back(it->path());
    for (const fs::path& f : files)
        if (!fs::remove(f, ec) && ec)
            return tarnic::Error{f, "could not be deleted: " + ec.message()};
    return {};
}

} // namespace

tarnic::Result<DataSetReport> writeDataSet(const BuildInput& input, const fs::path& root,
                                           const fs::path& cfgFolder) {
    DataSetReport report;
    const BuildDate date = input.date.value_or(todaysDate());
    const CategoryList& L = input.categories;

    std::string index = indexHead(input.header.cdName, date);

    std::error_code ec;
    fs::remove(cfgFolder / "members.cfg", ec);
    const fs::path itemFolder = cfgFolder / "membersd";
    if (auto st = clearItemFolder(itemFolder); !st)
        return st.error();

    tarnic::IniFile members;
    auto [aboutFile, replaced] = aboutTextFile(input);
    if (replaced)
        report.newAboutTextFile = aboutFile.string();
    std::vector<std::string> aboutLines;
    if (auto bytes = tarnic::readFile(aboutFile))
        aboutLines = textLines(*bytes);
    writeGeneral(members, input, aboutLines);

    RatingSet rating;
    const bool useRating = input.header.ratingSet != 0;
    if (useRating) {
        if (auto setFile = findDataFile(input.programFolder,
                                        "Files/rank/" + std::to_string(input.header.ratingSet) + ".cfg"))
            if (auto ini = tarnic::IniFile::load(*setFile))
                rating = RatingSet::fromIni(*ini);
    }

    // Rows by Category cell, in grid order, and category indexes by stripped entry.
    std::unordered_map<std::string_view, std::vector<std::size_t>> rowsOf;
    for (std::size_t r = 0; r < input.items.size(); ++r)
        if (input.items[r].isItem())
            rowsOf[input.items[r][Field::Category]].push_back(r);
    std::unordered_map<std::string_view, std::vector<std::size_t>> indexesOf;
    for (std::size_t i = 0; i < L.size(); ++i)
        indexesOf[L.stripped(i)].push_back(i);

    const std::string& yes = input.words.yes;
    const std::string itemPrefix = (itemFolder / "m").string();
    std::string itemPath;
    std::string details;
    for (std::size_t t = 0; t < L.size(); ++t) {
        const auto rows = rowsOf.find(L.stripped(t));
        if (rows == rowsOf.end())
            continue;
        const std::vector<std::size_t>& genres = indexesOf[L.stripped(t)];
        const std::string category = decimal(t);
        std::size_t u = 0;
        for (std::size_t r : rows->second) {
            const ProjectItem& item = input.items[r];
            const std::string section = category + "-" + decimal(u);
            members.writeString(section, "caption", item[Field::Name]);
            index += item[Field::Name];
            members.writeInt(section, "icon_number", iconClass(item[Field::FileName]));

            // A fresh item file written key by key holds exactly one line per
            // key in write order, so it is built directly (it is the hot path).
            details.assign("[").append(section).append("]\r\n");
            addKey(details, "caption", item[Field::Name]);
            addKey(details, "pfad", item[Field::CdPath] + item[Field::FileName]);
            addKey(details, "copy", item[Field::Copy] == yes ? "1" : "0");
            addKey(details, "execute", item[Field::Execute] == yes ? "1" : "0");
            // A key written again keeps its line, so only the last of the
            // matching indexes shows.
            addKey(details, "genre", decimal(genres.back()));
            members.writeInt(section, "genre", static_cast<std::int64_t>(genres.back()));
            index += " ( " + item[Field::Category] + " )\r\n";
            addKey(details, "desc", item[Field::Description]);
            addKey(details, "serial", item[Field::Serial]);
            addKey(details, "sizep", item[Field::CdSize]);
            addKey(details, "sizeup", item[Field::HdSize]);
            addKey(details, "url", item[Field::Homepage]);
            addKey(details, "system", item[Field::System]);
            addKey(details, "params", item[Field::Parameter]);
            addKey(details, "rank", item[Field::Rating]);
            if (useRating)
                if (auto pic = rating.pictureFor(item[Field::Rating]))
                    addKey(details, "rank_pic", *pic);
            // Language texts are unique in the list: at most one position matches.
            for (std::size_t p = 0; p < kItemLanguageList.size(); ++p)
                if (kItemLanguageList[p] == item[Field::Language]) {
                    addKey(details, "language", decimal(p));
                    break;
                }

            itemPath.assign(itemPrefix).append(section).append(".dat");
            if (auto st = writeBuildFile(itemPath, details); !st)
                return st.error();
            ++report.items;
            ++u;
            // The section of t follows its first item; its count is final after the last.
            if (u == 1 || u == rows->second.size())
                members.writeInt(category, "anz_items", static_cast<std::int64_t>(u));
        }
    }

    if (auto st = writeBuildFile(cfgFolder / "members.cfg", members.bytes()); !st)
        return st.error();
    if (auto st = writeBuildFile(root / "index.txt", index); !st)
        return st.error();
    report.filesWritten = report.items + 2;
    return report;
}

} // namespace vardeo
