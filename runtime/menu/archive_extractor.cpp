#include "runtime/menu/archive_extractor.h"

#include "shared/text.h"

#include <archive.h>
#include <archive_entry.h>

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <memory>
#include <system_error>

namespace vistel {

namespace fs = std::filesystem;

namespace {

constexpr std::size_t kBlockSize = 64 * 1024;

bool isSeparator(char c) { return c == '/' || c == '\\'; }

bool hasDrivePrefix(std::string_view s) {
    return s.size() >= 2 && ((s[0] >= 'A' && s[0] <= 'Z') || (s[0] >= 'a' && s[0] <= 'z')) &&
           s[1] == ':';
}

std::vector<std::string_view> elements(std::string_view s) {
    std::vector<std::string_view> out;
    std::size_t start = 0;
    for (std::size_t i = 0; i <= s.size(); ++i) {
        if (i == s.size() || isSeparator(s[i])) {
            if (i > start)
                out.push_back(s.substr(start, i - start));
            start = i + 1;
        }
    }
    return out;
}

struct ReadCloser {
    void operator()(archive* a) const { archive_read_free(a); }
};
struct WriteCloser {
    void operator()(archive* a) const { archive_write_free(a); }
};
using ReadArchive = std::unique_ptr<archive, ReadCloser>;
using DiskWriter = std::unique_ptr<archive, WriteCloser>;

std::string errorText(archive* a) {
    const char* s = archive_error_string(a);
    return s ? std::string(s) : std::string("unknown error");
}

tarnic::Result<ReadArchive> openArchive(const fs::path& file, ArchiveFormat format) {
    ReadArchive a(archive_read_new());
    if (!a)
        return tarnic::Error{file, "out of memory opening the archive"};
    switch (format) {
    case ArchiveFormat::Zip:
        archive_read_support_format_zip(a.get());
        // A zero-byte .zip is an archive without entries, not a damaged one.
        archive_read_support_format_empty(a.get());
        break;
    case ArchiveFormat::Rar:
        archive_read_support_format_rar(a.get());
        archive_read_support_format_rar5(a.get());
        archive_read_support_format_empty(a.get());
        break;
    case ArchiveFormat::Detect:
        archive_read_support_format_all(a.get());
        archive_read_support_filter_all(a.get());
        break;
    }
    if (archive_read_open_filename(a.get(), file.c_str(), kBlockSize) != ARCHIVE_OK)
        return tarnic::Error{file, std::string("cannot open the ") + formatName(format) +
                                       " archive (" + errorText(a.get()) + ")"};
    return a;
}

tarnic::Error readError(const fs::path& file, archive* a, std::string_view entry) {
    std::string what = "the archive is damaged, encrypted or part of a multi-volume set and "
                       "cannot be read";
    if (!entry.empty())
        what += " at \"" + std::string(entry) + "\"";
    what += " (" + errorText(a) + ")";
    return tarnic::Error{file, what};
}

std::string storedName(archive_entry* entry) {
    if (const char* s = archive_entry_pathname(entry))
        return s;
    if (const char* s = archive_entry_pathname_utf8(entry))
        return s;
    return {};
}

// A file written only where nothing can redirect it: the scratch folder is
// private, and O_NOFOLLOW refuses a planted symlink.
bool writeEntryData(archive* a, const fs::path& file) {
    const int fd = ::open(file.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_NOFOLLOW | O_CLOEXEC, 0600);
    if (fd < 0)
        return false;
    bool ok = true;
    const void* buff = nullptr;
    std::size_t size = 0;
    la_int64_t offset = 0;
    for (;;) {
        const int r = archive_read_data_block(a, &buff, &size, &offset);
        if (r == ARCHIVE_EOF)
            break;
        if (r < ARCHIVE_WARN) {
            ok = false;
            break;
        }
        if (::lseek(fd, static_cast<off_t>(offset), SEEK_SET) < 0) {
            ok = false;
            break;
        }
        const char* p = static_cast<const char*>(buff);
        while (size > 0) {
            const ssize_t n = ::write(fd, p, size);
            if (n < 0 && errno == EINTR)
                continue;
            if (n <= 0) {
                ok = false;
                break;
            }
            p += n;
            size -= static_cast<std::size_t>(n);
        }
        if (!ok)
            break;
    }
    if (::close(fd) != 0)
        ok = false;
    return ok;
}

} // namespace

const char* formatName(ArchiveFormat format) {
    switch (format) {
    case ArchiveFormat::Zip: return "zip";
    case ArchiveFormat::Rar: return "rar";
    case ArchiveFormat::Detect: break;
    }
    return "archive";
}

EntryName checkEntryName(std::string_view name) {
    EntryName out;
    if (name.empty()) {
        out.reason = "has no name";
        return out;
    }
    if (name.find('\0') != std::string_view::npos) {
        out.reason = "contains a NUL character";
        return out;
    }
    if (isSeparator(name.front())) {
        out.reason = "is an absolute path";
        return out;
    }
    if (hasDrivePrefix(name)) {
        out.reason = "names a drive";
        return out;
    }
    for (std::string_view e : elements(name)) {
        if (e == ".")
            continue;
        if (e == "..") {
            out.reason = "leaves the folder through \"..\"";
            out.relative.clear();
            return out;
        }
        if (!out.relative.empty())
            out.relative += '/';
        out.relative += e;
    }
    if (out.relative.empty()) {
        out.reason = "names the folder itself";
        return out;
    }
    out.ok = true;
    return out;
}

bool hardLinkStaysInside(std::string_view target) { return checkEntryName(target).ok; }

bool symlinkStaysInside(std::string_view entryRelative, std::string_view target) {
    if (target.empty() || isSeparator(target.front()) || hasDrivePrefix(target) ||
        target.find('\0') != std::string_view::npos)
        return false;
    auto parts = elements(entryRelative);
    long depth = parts.empty() ? 0 : static_cast<long>(parts.size()) - 1;
    for (std::string_view e : parts)
        if (e == "." || e == "..")
            return false; // only checked names come here
    for (std::string_view e : elements(target)) {
        if (e == ".")
            continue;
        if (e == "..") {
            if (--depth < 0)
                return false;
        } else {
            ++depth;
        }
    }
    return true;
}

tarnic::Result<int> countEntries(const fs::path& file, ArchiveFormat format) {
    auto opened = openArchive(file, format);
    if (!opened)
        return opened.error();
    archive* a = opened->get();
    int count = 0;
    archive_entry* entry = nullptr;
    for (;;) {
        const int r = archive_read_next_header(a, &entry);
        if (r == ARCHIVE_EOF)
            return count;
        if (r == ARCHIVE_FATAL)
            return readError(file, a, {});
        ++count;
        if (r != ARCHIVE_FAILED && archive_read_data_skip(a) == ARCHIVE_FATAL)
            return readError(file, a, storedName(entry));
    }
}

ExtractReport extractAll(const fs::path& file, ArchiveFormat format, const fs::path& target,
                         const EntryStep& step) {
    ExtractReport report;
    std::error_code ec;
    const fs::path root = fs::canonical(target, ec);
    if (ec || !fs::is_directory(root)) {
        report.error = tarnic::Error{target, "the target folder does not exist"};
        return report;
    }
    auto opened = openArchive(file, format);
    if (!opened) {
        report.error = opened.error();
        return report;
    }
    archive* a = opened->get();
    DiskWriter disk(archive_write_disk_new());
    // Overwriting is wanted; restoring owners or set-id bits is not. The
    // secure flags stay on as a second line behind the name checks.
    archive_write_disk_set_options(disk.get(), ARCHIVE_EXTRACT_TIME |
                                                   ARCHIVE_EXTRACT_SECURE_NODOTDOT |
                                                   ARCHIVE_EXTRACT_SECURE_SYMLINKS);

    archive_entry* entry = nullptr;
    for (;;) {
        const int r = archive_read_next_header(a, &entry);
        if (r == ARCHIVE_EOF)
            break;
        if (r == ARCHIVE_FATAL) {
            report.error = readError(file, a, {});
            break;
        }
        const std::string stored = storedName(entry);
        const auto skip = [&](std::string reason) {
            report.skipped.push_back({stored, std::move(reason)});
            if (step)
                step(stored);
        };
        if (r == ARCHIVE_FAILED) {
            skip("cannot be read (" + errorText(a) + ")");
            continue;
        }
        const auto type = archive_entry_filetype(entry);
        const EntryName name = checkEntryName(stored);
        if (!name.ok && type == AE_IFDIR && name.reason == "names the folder itself") {
            if (step)
                step(stored);
            continue;
        }
        if (!name.ok) {
            skip(name.reason);
            continue;
        }
        const char* hard = archive_entry_hardlink(entry);
        // Hard link entries of tar-like formats carry no file type of their own.
        if (type != AE_IFREG && type != AE_IFDIR && type != AE_IFLNK && !(hard && type == 0)) {
            skip("is a device or special file");
            continue;
        }
        if (archive_entry_is_encrypted(entry)) {
            skip("is encrypted (password-protected entries cannot be unpacked)");
            continue;
        }
        if (hard) {
            if (!hardLinkStaysInside(hard)) {
                skip("is a hard link to a file outside the folder");
                continue;
            }
            archive_entry_copy_hardlink(entry, (root / checkEntryName(hard).relative).c_str());
        }
        if (type == AE_IFLNK) {
            const char* link = archive_entry_symlink(entry);
            if (!link || !symlinkStaysInside(name.relative, link)) {
                skip("is a symbolic link pointing outside the folder");
                continue;
            }
        }
        const fs::path dest = root / name.relative;
        archive_entry_copy_pathname(entry, dest.c_str());
        if (type == AE_IFREG) {
            const auto perm = archive_entry_perm(entry) & 0777;
            archive_entry_set_perm(entry, perm == 0 ? 0644 : (perm | 0600));
        } else if (type == AE_IFDIR) {
            archive_entry_set_perm(entry, 0755);
        }
        if (archive_write_header(disk.get(), entry) < ARCHIVE_WARN) {
            skip("cannot be written (" + errorText(disk.get()) + ")");
            continue;
        }
        bool dataOk = true;
        bool fatal = false;
        if (archive_entry_size(entry) > 0 || type == AE_IFREG) {
            const void* buff = nullptr;
            std::size_t size = 0;
            la_int64_t offset = 0;
            for (;;) {
                const int d = archive_read_data_block(a, &buff, &size, &offset);
                if (d == ARCHIVE_EOF)
                    break;
                if (d < ARCHIVE_WARN) {
                    dataOk = false;
                    fatal = d == ARCHIVE_FATAL;
                    break;
                }
                if (archive_write_data_block(disk.get(), buff, size, offset) < ARCHIVE_WARN) {
                    dataOk = false;
                    break;
                }
            }
        }
        const std::string readFault = dataOk ? std::string() : errorText(a);
        const bool finished = archive_write_finish_entry(disk.get()) >= ARCHIVE_WARN;
        if (!dataOk || !finished) {
            // A half-written file is worse than none: the user would take it for the real one.
            if (type == AE_IFREG)
                fs::remove(dest, ec);
            if (fatal) {
                report.error = readError(file, a, stored);
                report.skipped.push_back({stored, "is damaged (" + readFault + ")"});
                if (step)
                    step(stored);
                break;
            }
            skip(!dataOk ? "is damaged (" + readFault + ")"
                         : "cannot be written (" + errorText(disk.get()) + ")");
            continue;
        }
        ++report.written;
        if (step)
            step(stored);
    }
    return report;
}

InfoFiles extractInfoFiles(const fs::path& zip, std::string_view ending, const fs::path& scratch) {
    InfoFiles out;
    auto opened = openArchive(zip, ArchiveFormat::Zip);
    if (!opened) {
        out.error = opened.error();
        return out;
    }
    archive* a = opened->get();
    archive_entry* entry = nullptr;
    for (;;) {
        const int r = archive_read_next_header(a, &entry);
        if (r == ARCHIVE_EOF)
            break;
        if (r == ARCHIVE_FATAL) {
            out.error = readError(zip, a, {});
            break;
        }
        const std::string stored = storedName(entry);
        if (r == ARCHIVE_FAILED || archive_entry_filetype(entry) != AE_IFREG ||
            !tarnic::iendsWith(stored, ending))
            continue;
        std::size_t cut = stored.find_last_of("/\\");
        const std::string base = cut == std::string::npos ? stored : stored.substr(cut + 1);
        if (base.empty() || base == "." || base == "..")
            continue;
        ++out.marked;
        const fs::path dest = scratch / base;
        out.shown = dest;
        if (archive_entry_is_encrypted(entry) || !writeEntryData(a, dest)) {
            std::error_code ec;
            fs::remove(dest, ec);
            // The next header call skips what is left of this entry, or ends
            // the loop when the archive cannot go on.
            out.error = readError(zip, a, stored);
        }
    }
    return out;
}

} // namespace vistel
