#include "file_io.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace tarnic {
namespace {

WriteFaultHook& faultHook() {
    static WriteFaultHook hook;
    return hook;
}

std::string systemError(int err) { return std::strerror(err); }

// Writes everything or reports the errno of the failure.
int writeAll(int fd, const fs::path& tempName, std::string_view bytes) {
    std::size_t done = 0;
    while (done < bytes.size()) {
        std::size_t chunk = std::min<std::size_t>(bytes.size() - done, 1u << 20);
        if (faultHook()) {
            const std::size_t allowed = faultHook()(tempName, chunk);
            if (allowed < chunk) {
                if (allowed > 0)
                    (void)::write(fd, bytes.data() + done, allowed);
                return ENOSPC;
            }
        }
        const ssize_t n = ::write(fd, bytes.data() + done, chunk);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return errno;
        }
        done += static_cast<std::size_t>(n);
    }
    return 0;
}

} // namespace

void setWriteFaultHook(WriteFaultHook hook) { faultHook() = std::move(hook); }

bool fileExists(const fs::path& path) noexcept {
    std::error_code ec;
    return !path.empty() && fs::is_regular_file(path, ec);
}

Result<std::string> readFile(const fs::path& path) {
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return Error{path, systemError(errno)};
    std::string data;
    struct stat st {};
    if (::fstat(fd, &st) == 0 && S_ISDIR(st.st_mode)) {
        ::close(fd);
        return Error{path, "is a folder, not a file"};
    }
    if (st.st_size > 0)
        data.reserve(static_cast<std::size_t>(st.st_size));
    char buf[1 << 16];
    while (true) {
        const ssize_t n = ::read(fd, buf, sizeof buf);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            const int err = errno;
            ::close(fd);
            return Error{path, systemError(err)};
        }
        if (n == 0)
            break;
        data.append(buf, static_cast<std::size_t>(n));
    }
    ::close(fd);
    return data;
}

void makeWritable(const fs::path& path) noexcept {
    std::error_code ec;
    fs::permissions(path, fs::perms::owner_read | fs::perms::owner_write,
                    fs::perm_options::add, ec);
}

Status writeFileAtomic(const fs::path& path, std::string_view bytes) {
    const fs::path dir = path.has_parent_path() ? path.parent_path() : fs::path(".");
    std::string tmpl = (dir / ("." + path.filename().string() + ".XXXXXX")).string();
    const int fd = ::mkostemp(tmpl.data(), O_CLOEXEC);
    if (fd < 0)
        return Error{path, "cannot create a file in its folder: " + systemError(errno)};
    const fs::path tempName(tmpl);
    auto fail = [&](int err) -> Status {
        ::close(fd);
        ::unlink(tempName.c_str());
        return Error{path, "could not be written (" + systemError(err) +
                               "); the previous file is unchanged"};
    };
    if (const int err = writeAll(fd, tempName, bytes))
        return fail(err);
    if (::fsync(fd) != 0)
        return fail(errno);
    struct stat st {};
    if (::fstat(fd, &st) != 0)
        return fail(errno);
    if (static_cast<std::size_t>(st.st_size) != bytes.size())
        return fail(EIO);
    // Keep the permissions of the file being replaced (made writable), else rw-r--r--.
    struct stat old {};
    mode_t mode = 0644;
    if (::stat(path.c_str(), &old) == 0)
        mode = (old.st_mode & 07777) | S_IRUSR | S_IWUSR;
    ::fchmod(fd, mode);
    if (::close(fd) != 0) {
        const int err = errno;
        ::unlink(tempName.c_str());
        return Error{path, "could not be written (" + systemError(err) +
                               "); the previous file is unchanged"};
    }
    if (::rename(tempName.c_str(), path.c_str()) != 0) {
        const int err = errno;
        ::unlink(tempName.c_str());
        return Error{path, "could not be replaced (" + systemError(err) +
                               "); the previous file is unchanged"};
    }
    return {};
}

Status copyFileAtomic(const fs::path& source, const fs::path& target) {
    auto data = readFile(source);
    if (!data)
        return data.error();
    return writeFileAtomic(target, *data);
}

Status copyFileOverwrite(const fs::path& source, const fs::path& target) {
    std::error_code ec;
    if (fs::exists(target, ec))
        makeWritable(target);
    fs::copy_file(source, target, fs::copy_options::overwrite_existing, ec);
    if (ec)
        return Error{target, "could not be copied from " + source.string() + ": " + ec.message()};
    return {};
}

} // namespace tarnic
