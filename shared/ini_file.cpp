#include "ini_file.h"

#include "file_io.h"
#include "text.h"

#include <cerrno>

namespace tarnic {
namespace {

// Parses one line as key=value; nullopt for comments, headers and lines without '='.
struct KeyValue {
    std::string_view key;
    std::string_view value;
};

std::optional<KeyValue> parseKeyLine(std::string_view line) {
    const std::string_view t = trimView(line);
    if (t.empty() || t.front() == ';' || t.front() == '[')
        return std::nullopt;
    const std::size_t eq = t.find('=');
    if (eq == std::string_view::npos)
        return std::nullopt;
    KeyValue kv{trimView(t.substr(0, eq)), trimView(t.substr(eq + 1))};
    if (kv.value.size() >= 2 && (kv.value.front() == '"' || kv.value.front() == '\'') &&
        kv.value.back() == kv.value.front())
        kv.value = kv.value.substr(1, kv.value.size() - 2);
    return kv;
}

std::optional<std::string_view> parseHeader(std::string_view line) {
    const std::string_view t = trimView(line);
    if (t.empty() || t.front() != '[')
        return std::nullopt;
    std::string_view inner = t.substr(1);
    const std::size_t close = inner.find(']');
    if (close != std::string_view::npos)
        inner = inner.substr(0, close);
    return trimView(inner);
}

// Values cannot span lines: a line break inside a value would split the file.
std::string oneLine(std::string_view value) {
    std::string out(value);
    for (char& c : out)
        if (c == '\r' || c == '\n')
            c = ' ';
    return out;
}

} // namespace

IniFile::IniFile() { m_sections.emplace_back(); }

IniFile IniFile::fromBytes(std::string_view bytes) {
    IniFile ini;
    std::size_t pos = 0;
    while (pos < bytes.size()) {
        std::size_t end = pos;
        while (end < bytes.size() && bytes[end] != '\r' && bytes[end] != '\n')
            ++end;
        Line line{std::string(bytes.substr(pos, end - pos)), {}};
        if (end < bytes.size()) {
            if (bytes[end] == '\r' && end + 1 < bytes.size() && bytes[end + 1] == '\n')
                line.eol = "\r\n";
            else
                line.eol = std::string(1, bytes[end]);
        }
        pos = end + line.eol.size();
        if (auto header = parseHeader(line.text)) {
            Section s;
            s.name = std::string(*header);
            s.lines.push_back(std::move(line));
            ini.m_index.try_emplace(asciiLower(s.name), ini.m_sections.size());
            ini.m_sections.push_back(std::move(s));
        } else {
            ini.m_sections.back().lines.push_back(std::move(line));
        }
    }
    for (std::size_t i = 1; i < ini.m_sections.size(); ++i)
        ini.reindex(ini.m_sections[i]);
    return ini;
}

Result<IniFile> IniFile::load(const std::filesystem::path& path) {
    std::error_code ec;
    if (!std::filesystem::exists(path, ec))
        return IniFile();
    auto data = readFile(path);
    if (!data)
        return data.error();
    return fromBytes(*data);
}

void IniFile::reindex(Section& s) {
    s.keys.clear();
    for (std::size_t i = 1; i < s.lines.size(); ++i)
        if (auto kv = parseKeyLine(s.lines[i].text))
            s.keys.try_emplace(asciiLower(kv->key), i);
}

const IniFile::Section* IniFile::findSection(std::string_view name) const {
    const auto it = m_index.find(asciiLower(trimView(name)));
    return it == m_index.end() ? nullptr : &m_sections[it->second];
}

IniFile::Section* IniFile::findSection(std::string_view name) {
    const auto it = m_index.find(asciiLower(trimView(name)));
    return it == m_index.end() ? nullptr : &m_sections[it->second];
}

std::optional<std::string> IniFile::value(std::string_view section, std::string_view key) const {
    const Section* s = findSection(section);
    if (!s)
        return std::nullopt;
    const auto it = s->keys.find(asciiLower(trimView(key)));
    if (it == s->keys.end())
        return std::nullopt;
    return std::string(parseKeyLine(s->lines[it->second].text)->value);
}

std::string IniFile::readString(std::string_view section, std::string_view key,
                                 std::string_view def) const {
    auto v = value(section, key);
    return v ? std::move(*v) : std::string(def);
}

std::int32_t IniFile::readInt(std::string_view section, std::string_view key,
                              std::int32_t def) const {
    const auto v = value(section, key);
    if (!v)
        return def;
    return parseInteger(*v).value_or(def);
}

bool IniFile::readBool(std::string_view section, std::string_view key, bool def) const {
    return readInt(section, key, def ? 1 : 0) != 0;
}

bool IniFile::hasSection(std::string_view section) const {
    return findSection(section) != nullptr;
}

bool IniFile::hasKey(std::string_view section, std::string_view key) const {
    return value(section, key).has_value();
}

std::vector<std::string> IniFile::sectionNames() const {
    std::vector<std::string> names;
    for (std::size_t i = 1; i < m_sections.size(); ++i)
        names.push_back(m_sections[i].name);
    return names;
}

std::vector<std::string> IniFile::keyNames(std::string_view section) const {
    std::vector<std::string> names;
    if (const Section* s = findSection(section))
        for (std::size_t i = 1; i < s->lines.size(); ++i)
            if (auto kv = parseKeyLine(s->lines[i].text))
                names.emplace_back(kv->key);
    return names;
}

void IniFile::endLastLine() {
    for (auto it = m_sections.rbegin(); it != m_sections.rend(); ++it) {
        if (!it->lines.empty()) {
            if (it->lines.back().eol.empty())
                it->lines.back().eol = "\r\n";
            return;
        }
    }
}

IniFile::Section& IniFile::sectionForWrite(std::string_view name) {
    if (Section* s = findSection(name))
        return *s;
    endLastLine();
    Section s;
    s.name = trim(name);
    s.lines.push_back(Line{"[" + s.name + "]", "\r\n"});
    m_index.try_emplace(asciiLower(s.name), m_sections.size());
    m_sections.push_back(std::move(s));
    return m_sections.back();
}

void IniFile::writeString(std::string_view section, std::string_view key, std::string_view value) {
    const std::string k = trim(key);
    const std::string v = oneLine(value);
    Section* existing = findSection(section);
    if (existing) {
        const auto it = existing->keys.find(asciiLower(k));
        if (it != existing->keys.end()) {
            Line& line = existing->lines[it->second];
            const auto kv = parseKeyLine(line.text);
            if (kv->value == trimView(v) && trimView(v) == v)
                return; // unchanged: the line keeps its bytes
            line.text = std::string(kv->key) + "=" + v;
            m_modified = true;
            return;
        }
    }
    Section& s = sectionForWrite(section);
    std::size_t at = s.lines.size();
    while (at > 1 && trimView(s.lines[at - 1].text).empty())
        --at;
    if (s.lines[at - 1].eol.empty()) // the file's last line, without a line end
        s.lines[at - 1].eol = "\r\n";
    s.lines.insert(s.lines.begin() + static_cast<std::ptrdiff_t>(at), Line{k + "=" + v, "\r\n"});
    s.keys.try_emplace(asciiLower(k), at);
    m_modified = true;
}

void IniFile::writeInt(std::string_view section, std::string_view key, std::int64_t value) {
    writeString(section, key, std::to_string(value));
}

void IniFile::writeBool(std::string_view section, std::string_view key, bool value) {
    writeString(section, key, value ? "1" : "0");
}

void IniFile::eraseKey(std::string_view section, std::string_view key) {
    Section* s = findSection(section);
    if (!s)
        return;
    const auto it = s->keys.find(asciiLower(trimView(key)));
    if (it == s->keys.end())
        return;
    s->lines.erase(s->lines.begin() + static_cast<std::ptrdiff_t>(it->second));
    reindex(*s);
    m_modified = true;
}

void IniFile::eraseSection(std::string_view section) {
    const auto it = m_index.find(asciiLower(trimView(section)));
    if (it == m_index.end())
        return;
    m_sections.erase(m_sections.begin() + static_cast<std::ptrdiff_t>(it->second));
    m_index.clear();
    for (std::size_t i = 1; i < m_sections.size(); ++i)
        m_index.try_emplace(asciiLower(m_sections[i].name), i);
    m_modified = true;
}

std::string IniFile::bytes() const {
    std::size_t total = 0;
    for (const Section& s : m_sections)
        for (const Line& l : s.lines)
            total += l.text.size() + l.eol.size();
    std::string out;
    out.reserve(total);
    for (const Section& s : m_sections)
        for (const Line& l : s.lines) {
            out += l.text;
            out += l.eol;
        }
    return out;
}

Status IniFile::save(const std::filesystem::path& path) const {
    return writeFileAtomic(path, bytes());
}

} // namespace tarnic
