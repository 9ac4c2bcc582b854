#include "project_file.h"

#include "shared/file_io.h"
#include "shared/text.h"

#include <algorithm>
#include <cstring>

namespace vardeo {
namespace {

using Record = std::array<std::string, kRecordFields>;

constexpr std::array<std::size_t, kRecordFields> fieldOffsets() {
    std::array<std::size_t, kRecordFields> off{};
    std::size_t at = 0;
    for (std::size_t i = 0; i < kRecordFields; ++i) {
        off[i] = at;
        at += kFieldCapacity[i] + 1;
    }
    return off;
}
constexpr auto kFieldOffset = fieldOffsets();
static_assert(kFieldOffset[16] + kFieldCapacity[16] + 1 == kRecordSize);

// A length byte above the field's capacity reads as the capacity, so a
// damaged record never reads into its neighbour.
Record parseRecord(const char* data) {
    Record r;
    for (std::size_t i = 0; i < kRecordFields; ++i) {
        const char* field = data + kFieldOffset[i];
        const std::size_t len =
            std::min<std::size_t>(static_cast<unsigned char>(field[0]), kFieldCapacity[i]);
        r[i].assign(field + 1, len);
    }
    return r;
}

void appendRecord(std::string& out, const Record& r) {
    const std::size_t base = out.size();
    out.resize(base + kRecordSize, '\0');
    char* data = out.data() + base;
    for (std::size_t i = 0; i < kRecordFields; ++i) {
        const std::size_t len = std::min(r[i].size(), kFieldCapacity[i]);
        data[kFieldOffset[i]] = static_cast<char>(static_cast<unsigned char>(len));
        std::memcpy(data + kFieldOffset[i] + 1, r[i].data(), len);
    }
}

int headerNumber(const std::string& text, int fallback, int max) {
    const auto v = tarnic::parseDecimal(text);
    if (!v || *v > max)
        return fallback;
    return static_cast<int>(*v);
}

ProjectHeader headerFromRecord(const Record& r) {
    ProjectHeader h;
    h.cdName = r[0];
    h.projectFolder = r[1];
    h.categoryFile = r[2];
    h.categoryName = r[3];
    h.categoryExt = r[4];
    h.designFile = r[5];
    h.designName = r[6];
    h.designExt = r[7];
    // Exactly "0".."5"; anything else is English.
    h.menuLanguage = (r[9].size() == 1 && r[9][0] >= '0' && r[9][0] <= '5') ? r[9][0] - '0' : 0;
    h.memberIconSet = headerNumber(r[10], 3, 255);
    h.ratingSet = headerNumber(r[11], 0, 255);
    h.linkCaption = r[12];
    h.linkAddress = r[13];
    h.aboutLink = r[14];
    h.aboutTextFile = r[15];
    return h;
}

Record recordFromHeader(const ProjectHeader& h, std::size_t itemCount) {
    Record r;
    r[0] = h.cdName;
    r[1] = h.projectFolder;
    r[2] = h.categoryFile;
    r[3] = h.categoryName;
    r[4] = h.categoryExt;
    r[5] = h.designFile;
    r[6] = h.designName;
    r[7] = h.designExt;
    r[8] = std::to_string(itemCount);
    r[9] = std::to_string(h.menuLanguage);
    r[10] = std::to_string(h.memberIconSet);
    r[11] = std::to_string(h.ratingSet);
    r[12] = h.linkCaption;
    r[13] = h.linkAddress;
    r[14] = h.aboutLink;
    r[15] = h.aboutTextFile;
    r[16] = "#";
    return r;
}

tarnic::Error notAProject(const std::filesystem::path& file, std::size_t size) {
    return {file, "is not a project file: it holds " + std::to_string(size) +
                      " bytes, fewer than one record of " + std::to_string(kRecordSize)};
}

} // namespace

tarnic::Result<ProjectHeader> parseProjectHeader(std::string_view bytes,
                                                 const std::filesystem::path& file) {
    if (bytes.size() < kRecordSize)
        return notAProject(file, bytes.size());
    return headerFromRecord(parseRecord(bytes.data()));
}

tarnic::Result<ProjectHeader> readProjectHeader(const std::filesystem::path& file) {
    auto bytes = tarnic::readFile(file);
    if (!bytes)
        return bytes.error();
    return parseProjectHeader(*bytes, file);
}

tarnic::Result<ProjectContents> parseProject(std::string_view bytes,
                                             const std::filesystem::path& file,
                                             const CategoryList& categories) {
    if (bytes.size() < kRecordSize)
        return notAProject(file, bytes.size());
    ProjectContents out;
    const std::size_t records = bytes.size() / kRecordSize;
    if (const std::size_t rest = bytes.size() % kRecordSize; rest != 0)
        out.warnings.push_back(file.string() + ": the last " + std::to_string(rest) +
                               " bytes are not a whole record and were ignored");
    out.header = headerFromRecord(parseRecord(bytes.data()));
    out.items.reserve(records - 1);
    for (std::size_t n = 1; n < records; ++n) {
        Record r = parseRecord(bytes.data() + n * kRecordSize);
        ProjectItem item;
        for (std::size_t i = 0; i < 7; ++i)
            item.fields[i] = std::move(r[i]);
        item[Field::Category] = categories.resolve(r[7], r[12]);
        item[Field::Copy] = std::move(r[8]);
        item[Field::FileSourceLocation] = std::move(r[9]);
        item[Field::Homepage] = std::move(r[10]);
        item[Field::Execute] = std::move(r[11]);
        item[Field::Rating] = std::move(r[13]);
        item[Field::Language] = std::move(r[14]);
        item[Field::System] = std::move(r[15]);
        item[Field::Parameter] = r[16] == "#" ? std::string("n/a") : std::move(r[16]);
        out.items.push_back(std::move(item));
    }
    // An empty project is stored as one empty row.
    if (out.items.size() == 1 && out.items[0][Field::Name].empty())
        out.items.clear();
    return out;
}

tarnic::Result<ProjectContents> readProject(const std::filesystem::path& file,
                                            const CategoryList& categories) {
    auto bytes = tarnic::readFile(file);
    if (!bytes)
        return bytes.error();
    return parseProject(*bytes, file, categories);
}

bool serialiseProject(const ProjectHeader& header, const std::vector<ProjectItem>& items,
                      const CategoryList& categories, const LocalWords& words, const ByteSink& sink) {
    constexpr std::size_t kChunkRecords = 580; // about 1 MB
    const std::size_t rows = std::max<std::size_t>(items.size(), 1);
    std::string out;
    out.reserve(kChunkRecords * kRecordSize);
    appendRecord(out, recordFromHeader(header, rows));
    if (items.empty()) {
        appendRecord(out, Record{});
        return sink(out);
    }
    Record r;
    for (const ProjectItem& item : items) {
        for (std::size_t i = 0; i < 7; ++i)
            r[i] = item.fields[i];
        r[7] = std::to_string(categories.storedIndexOf(item[Field::Category]));
        r[8] = canonicalYesNo(words, item[Field::Copy]);
        r[9] = item[Field::FileSourceLocation];
        r[10] = item[Field::Homepage];
        r[11] = canonicalYesNo(words, item[Field::Execute]);
        r[12] = item[Field::Category];
        r[13] = item[Field::Rating];
        r[14] = item[Field::Language];
        r[15] = item[Field::System];
        r[16] = item[Field::Parameter];
        appendRecord(out, r);
        if (out.size() >= kChunkRecords * kRecordSize) {
            if (!sink(out))
                return false;
            out.clear();
        }
    }
    return out.empty() || sink(out);
}

std::string serialiseProject(const ProjectHeader& header, const std::vector<ProjectItem>& items,
                             const CategoryList& categories, const LocalWords& words) {
    std::string all;
    all.reserve((std::max<std::size_t>(items.size(), 1) + 1) * kRecordSize);
    serialiseProject(header, items, categories, words, [&](std::string_view chunk) {
        all.append(chunk);
        return true;
    });
    return all;
}

tarnic::Status writeProject(const std::filesystem::path& file, const ProjectHeader& header,
                            const std::vector<ProjectItem>& items, const CategoryList& categories,
                            const LocalWords& words) {
    tarnic::AtomicFileWriter writer(file);
    serialiseProject(header, items, categories, words,
                     [&](std::string_view chunk) { return writer.write(chunk); });
    return writer.commit();
}

tarnic::Status writeProjectHeader(const std::filesystem::path& file, const ProjectHeader& header) {
    auto bytes = tarnic::readFile(file);
    if (!bytes)
        return bytes.error();
    if (bytes->size() < kRecordSize)
        return notAProject(file, bytes->size());
    const std::size_t items = bytes->size() / kRecordSize - 1;
    std::string head;
    appendRecord(head, recordFromHeader(header, std::max<std::size_t>(items, 1)));
    bytes->replace(0, kRecordSize, head);
    return tarnic::writeFileAtomic(file, *bytes);
}

} // namespace vardeo
