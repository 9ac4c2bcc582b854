#pragma once
// Archives written by the tests themselves: zip and tar through libarchive's
// writer, and small stored RAR 4 and RAR 5 archives assembled byte by byte
// (libarchive reads rar but cannot write it).

#include <archive.h>
#include <archive_entry.h>

#include <cstdint>
#include <filesystem>
#include <string>
#include <utility>
#include <vector>

namespace vistel::test {

struct FixtureEntry {
    enum class Kind { File, Dir, Symlink, Hardlink, Device };
    FixtureEntry(std::string n, std::string d = {}, Kind k = Kind::File, std::string l = {})
        : name(std::move(n)), data(std::move(d)), kind(k), link(std::move(l)) {}
    std::string name;
    std::string data;
    Kind kind = Kind::File;
    std::string link; // symlink or hard link target
};

inline void writeArchive(const std::filesystem::path& file, const std::vector<FixtureEntry>& entries,
                         bool tar = false) {
    archive* a = archive_write_new();
    if (tar)
        archive_write_set_format_pax_restricted(a);
    else
        archive_write_set_format_zip(a);
    archive_write_open_filename(a, file.c_str());
    for (const FixtureEntry& e : entries) {
        archive_entry* entry = archive_entry_new();
        archive_entry_set_pathname(entry, e.name.c_str());
        archive_entry_set_mtime(entry, 1700000000, 0);
        switch (e.kind) {
        case FixtureEntry::Kind::File:
            archive_entry_set_filetype(entry, AE_IFREG);
            archive_entry_set_perm(entry, 0644);
            archive_entry_set_size(entry, static_cast<la_int64_t>(e.data.size()));
            break;
        case FixtureEntry::Kind::Dir:
            archive_entry_set_filetype(entry, AE_IFDIR);
            archive_entry_set_perm(entry, 0755);
            break;
        case FixtureEntry::Kind::Symlink:
            archive_entry_set_filetype(entry, AE_IFLNK);
            archive_entry_set_perm(entry, 0777);
            archive_entry_set_symlink(entry, e.link.c_str());
            break;
        case FixtureEntry::Kind::Hardlink:
            archive_entry_set_filetype(entry, AE_IFREG);
            archive_entry_set_perm(entry, 0644);
            archive_entry_set_hardlink(entry, e.link.c_str());
            archive_entry_set_size(entry, 0);
            break;
        case FixtureEntry::Kind::Device:
            archive_entry_set_filetype(entry, AE_IFCHR);
            archive_entry_set_perm(entry, 0666);
            archive_entry_set_rdev(entry, 0x0103);
            break;
        }
        archive_write_header(a, entry);
        if (e.kind == FixtureEntry::Kind::File && !e.data.empty())
            archive_write_data(a, e.data.data(), e.data.size());
        archive_entry_free(entry);
    }
    archive_write_close(a);
    archive_write_free(a);
}

inline std::uint32_t crc32Of(const std::string& bytes) {
    std::uint32_t crc = 0xFFFFFFFFu;
    for (char ch : bytes) {
        const auto c = static_cast<unsigned char>(ch);
        crc ^= c;
        for (int k = 0; k < 8; ++k)
            crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1u)));
    }
    return ~crc;
}

inline void putLe(std::string& out, std::uint64_t v, int bytes) {
    for (int i = 0; i < bytes; ++i)
        out += static_cast<char>((v >> (8 * i)) & 0xFF);
}

// RAR 1.5-4 archive of stored (uncompressed) files, written on a Unix host.
inline std::string rar4(const std::vector<FixtureEntry>& entries) {
    std::string out("Rar!\x1a\x07\x00", 7);
    const auto block = [&](std::string body) { // body starts at HEAD_TYPE
        std::string b;
        putLe(b, crc32Of(body) & 0xFFFF, 2);
        out += b + body;
    };
    std::string main;
    putLe(main, 0x73, 1);
    putLe(main, 0, 2);
    putLe(main, 13, 2);
    putLe(main, 0, 2);
    putLe(main, 0, 4);
    block(main);
    for (const FixtureEntry& e : entries) {
        const bool dir = e.kind == FixtureEntry::Kind::Dir;
        std::string h;
        putLe(h, 0x74, 1);
        putLe(h, 0x8000 | (dir ? 0x00E0 : 0), 2);
        putLe(h, 32 + e.name.size(), 2);
        putLe(h, e.data.size(), 4);   // packed size
        putLe(h, e.data.size(), 4);   // unpacked size
        putLe(h, 3, 1);               // host: Unix
        putLe(h, crc32Of(e.data), 4);
        putLe(h, 0x5A210000, 4);      // a DOS time in 2025
        putLe(h, 20, 1);              // version 2.0
        putLe(h, 0x30, 1);            // method: store
        putLe(h, e.name.size(), 2);
        putLe(h, dir ? 040755 : 0100644, 4);
        h += e.name;
        block(h);
        out += e.data;
    }
    std::string end;
    putLe(end, 0x7B, 1);
    putLe(end, 0x4000, 2);
    putLe(end, 7, 2);
    block(end);
    return out;
}

inline void putVint(std::string& out, std::uint64_t v) {
    do {
        unsigned char c = static_cast<unsigned char>(v & 0x7F);
        v >>= 7;
        if (v)
            c |= 0x80;
        out += static_cast<char>(c);
    } while (v);
}

// RAR 5 archive of stored files.
inline std::string rar5(const std::vector<FixtureEntry>& entries) {
    std::string out("Rar!\x1a\x07\x01\x00", 8);
    const auto header = [&](const std::string& body) { // body: type, flags, fields
        std::string sized;
        putVint(sized, body.size());
        sized += body;
        std::string crc;
        putLe(crc, crc32Of(sized), 4);
        out += crc + sized;
    };
    std::string main;
    putVint(main, 1); // main archive header
    putVint(main, 0);
    putVint(main, 0);
    header(main);
    for (const FixtureEntry& e : entries) {
        const bool dir = e.kind == FixtureEntry::Kind::Dir;
        std::string f;
        putVint(f, 2);                    // file header
        putVint(f, 0x02);                 // data area present (empty for folders)
        putVint(f, e.data.size());
        putVint(f, dir ? 0x01 : 0x04);    // directory / data CRC present
        putVint(f, e.data.size());
        putVint(f, dir ? 040755 : 0100644);
        if (!dir)
            putLe(f, crc32Of(e.data), 4);
        putVint(f, 0);                    // version 0, not solid, stored
        putVint(f, 1);                    // host: Unix
        putVint(f, e.name.size());
        f += e.name;
        header(f);
        out += e.data;
    }
    std::string end;
    putVint(end, 5);
    putVint(end, 0);
    putVint(end, 0);
    header(end);
    return out;
}

} // namespace vistel::test
