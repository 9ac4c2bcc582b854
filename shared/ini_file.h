#pragma once
// INI access with the Windows private-profile rules. A file is read once,
// any number of reads and writes are applied in memory, and it is written
// once; the bytes are what key-by-key profile calls would have produced.
//
// Reading: lines end at CR or LF; lines and both sides of the first '=' are
// trimmed of blanks and control characters; a value in matching quotes loses
// them; ';' starts a comment line; section and key names compare without
// ASCII case; only the first matching section is searched and its first
// matching key wins; anything missing gives the caller's default.
// Writing: a changed key keeps its line (rewritten as key=value), a new key
// goes after the last non-blank line of its section, a new section at the end
// of the file; new lines end in CR LF; all other lines keep their bytes.

#include "result.h"

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace tarnic {

class IniFile {
public:
    IniFile();
    [[nodiscard]] static IniFile fromBytes(std::string_view bytes);
    // A missing file is an empty IniFile (missing INI data is never an
    // error); a file that exists but cannot be read is.
    [[nodiscard]] static Result<IniFile> load(const std::filesystem::path& path);

    [[nodiscard]] std::optional<std::string> value(std::string_view section,
                                                   std::string_view key) const;
    [[nodiscard]] std::string readString(std::string_view section, std::string_view key,
                                         std::string_view def) const;
    [[nodiscard]] std::int32_t readInt(std::string_view section, std::string_view key,
                                       std::int32_t def) const;
    [[nodiscard]] bool readBool(std::string_view section, std::string_view key, bool def) const;

    [[nodiscard]] bool hasSection(std::string_view section) const;
    [[nodiscard]] bool hasKey(std::string_view section, std::string_view key) const;
    // Section names in file order (every section, duplicates included).
    [[nodiscard]] std::vector<std::string> sectionNames() const;
    // Key names of the first matching section, in file order.
    [[nodiscard]] std::vector<std::string> keyNames(std::string_view section) const;

    void writeString(std::string_view section, std::string_view key, std::string_view value);
    void writeInt(std::string_view section, std::string_view key, std::int64_t value);
    void writeBool(std::string_view section, std::string_view key, bool value);
    // Removes the key's line from the first matching section (no-op when absent).
    void eraseKey(std::string_view section, std::string_view key);
    // Removes the first matching section with all its lines.
    void eraseSection(std::string_view section);

    [[nodiscard]] std::string bytes() const;
    [[nodiscard]] bool modified() const { return m_modified; }
    // Writes the file atomically (a failed write leaves the old file intact).
    [[nodiscard]] Status save(const std::filesystem::path& path) const;

private:
    struct Line {
        std::string text; // without its line end
        std::string eol;  // "\r\n", "\n", "\r", or "" for a last line without one
    };
    struct Section {
        std::string name;        // trimmed name; empty for the lines before any section
        std::vector<Line> lines; // the header line first, except for the preamble
        std::unordered_map<std::string, std::size_t> keys; // lower-case key -> line, first wins
    };

    const Section* findSection(std::string_view name) const;
    Section* findSection(std::string_view name);
    Section& sectionForWrite(std::string_view name);
    void reindex(Section& s);
    void endLastLine();

    std::vector<Section> m_sections; // m_sections[0] is the preamble
    std::unordered_map<std::string, std::size_t> m_index; // lower-case name -> first section
    bool m_modified = false;
};

} // namespace tarnic
