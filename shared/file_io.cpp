#include "file_io.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>

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

AtomicFileWriter::AtomicFileWriter(fs::path target) : m_target(std::move(target)) {
    const fs::path dir = m_target.has_parent_path() ? m_target.parent_path() : fs::path(".");
    std::string tmpl = (dir / ("." + m_target.filename().string() + ".XXXXXX")).string();
    m_fd = ::mkostemp(tmpl.data(), O_CLOEXEC);
    if (m_fd < 0) {
        m_failed = true;
        m_error = Error{m_target, "cannot create a file in its folder: " + systemError(errno)};
        return;
    }
    m_temp = tmpl;
}

AtomicFileWriter::~AtomicFileWriter() {
    if (m_fd >= 0)
        ::close(m_fd);
    if (!m_temp.empty())
        ::unlink(m_temp.c_str());
}

void AtomicFileWriter::fail(int err, std::string what) {
    if (m_failed)
        return;
    m_failed = true;
    m_error = Error{m_target, what + " (" + systemError(err) + "); the previous file is unchanged"};
}

bool AtomicFileWriter::write(std::string_view bytes) {
    if (m_failed)
        return false;
    if (const int err = writeAll(m_fd, m_temp, bytes)) {
        fail(err, "could not be written");
        return false;
    }
    m_written += bytes.size();
    return true;
}

bool AtomicFileWriter::writeFrom(const fs::path& source) {
    if (m_failed)
        return false;
    const int in = ::open(source.c_str(), O_RDONLY | O_CLOEXEC);
    if (in < 0) {
        fail(errno, "could not be written from " + source.string());
        return false;
    }
    struct stat st {};
    ::fstat(in, &st);
    auto left = static_cast<std::size_t>(st.st_size);
    while (left > 0) {
        std::size_t chunk = std::min<std::size_t>(left, 1u << 24);
        if (faultHook()) {
            const std::size_t allowed = faultHook()(m_temp, chunk);
            if (allowed < chunk) {
                ::close(in);
                fail(ENOSPC, "could not be written");
                return false;
            }
        }
        const ssize_t n = ::copy_file_range(in, nullptr, m_fd, nullptr, chunk, 0);
        if (n < 0 && (errno == EXDEV || errno == ENOSYS || errno == EINVAL || errno == EOPNOTSUPP)) {
            // No kernel copy between these file systems: copy through a buffer.
            std::string buf(1u << 20, '\0');
            ssize_t r;
            while ((r = ::read(in, buf.data(), buf.size())) > 0)
                if (!write(std::string_view(buf.data(), static_cast<std::size_t>(r)))) {
                    ::close(in);
                    return false;
                }
            ::close(in);
            if (r < 0)
                fail(errno, "could not be written from " + source.string());
            return !m_failed;
        }
        if (n <= 0) {
            const int err = n < 0 ? errno : EIO;
            ::close(in);
            fail(err, "could not be written");
            return false;
        }
        left -= static_cast<std::size_t>(n);
        m_written += static_cast<std::size_t>(n);
    }
    ::close(in);
    return true;
}

Status AtomicFileWriter::commit() {
    if (m_failed)
        return m_error;
    if (::fsync(m_fd) != 0) {
        fail(errno, "could not be written");
        return m_error;
    }
    struct stat st {};
    if (::fstat(m_fd, &st) != 0 || static_cast<std::size_t>(st.st_size) != m_written) {
        fail(EIO, "could not be written completely");
        return m_error;
    }
    // Keep the permissions of the file being replaced (made writable), else rw-r--r--.
    struct stat old {};
    mode_t mode = 0644;
    if (::stat(m_target.c_str(), &old) == 0)
        mode = (old.st_mode & 07777) | S_IRUSR | S_IWUSR;
    ::fchmod(m_fd, mode);
    const int fd = m_fd;
    m_fd = -1;
    if (::close(fd) != 0) {
        fail(errno, "could not be written");
        return m_error;
    }
    if (::rename(m_temp.c_str(), m_target.c_str()) != 0) {
        fail(errno, "could not be replaced");
        return m_error;
    }
    m_temp.clear();
    return {};
}

Status writeFileAtomic(const fs::path& path, std::string_view bytes) {
    AtomicFileWriter w(path);
    w.write(bytes);
    return w.commit();
}

Status copyFileAtomic(const fs::path& source, const fs::path& target) {
    AtomicFileWriter w(target);
    w.writeFrom(source);
    return w.commit();
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
