#include "build_files.h"

#include "shared/file_io.h"
#include "shared/paths.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/sendfile.h>
#include <sys/stat.h>
#include <unistd.h>

namespace vardeo {

namespace {

int openForWrite(const char* path) { return ::open(path, O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644); }

tarnic::Error writeError(const std::string& path, int err) {
    return tarnic::Error{fs::path(path), std::string("could not be written: ") + std::strerror(err)};
}

} // namespace

tarnic::Status writeBuildFile(const fs::path& path, std::string_view bytes) {
    return writeBuildFile(path.string(), bytes);
}

tarnic::Status writeBuildFile(const std::string& path, std::string_view bytes) {
    int fd = openForWrite(path.c_str());
    if (fd < 0 && errno == EACCES) {
        tarnic::makeWritable(fs::path(path));
        fd = openForWrite(path.c_str());
    }
    if (fd < 0)
        return writeError(path, errno);
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0) {
            const int err = n < 0 ? errno : ENOSPC;
            ::close(fd);
            return writeError(path, err);
        }
        done += static_cast<std::size_t>(n);
    }
    if (::close(fd) != 0)
        return writeError(path, errno);
    return {};
}

CopyResult copyBuildFile(const std::string& source, const std::string& target, tarnic::Error& error,
                         unsigned mode) {
    const int in = ::open(source.c_str(), O_RDONLY | O_CLOEXEC);
    if (in < 0)
        return CopyResult::NoSource;
    struct stat st {};
    if (::fstat(in, &st) != 0 || !S_ISREG(st.st_mode)) {
        ::close(in);
        return CopyResult::NoSource;
    }
    int out = ::open(target.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, static_cast<mode_t>(mode));
    if (out < 0 && errno == EACCES) {
        tarnic::makeWritable(fs::path(target));
        out = ::open(target.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, static_cast<mode_t>(mode));
    }
    const auto fail = [&](int err) {
        ::close(in);
        if (out >= 0)
            ::close(out);
        error = tarnic::Error{fs::path(target), "could not be copied from " + source + ": " + std::strerror(err)};
        return CopyResult::Failed;
    };
    if (out < 0)
        return fail(errno);
    auto left = static_cast<std::size_t>(st.st_size);
    bool plain = false;
    while (left > 0 && !plain) {
        const ssize_t n = ::sendfile(out, in, nullptr, left);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0 && (errno == EINVAL || errno == ENOSYS)) {
            plain = true; // a file system without sendfile: copy through a buffer
            break;
        }
        if (n <= 0)
            return fail(n < 0 ? errno : EIO);
        left -= static_cast<std::size_t>(n);
    }
    if (plain) {
        char buf[1 << 16];
        for (;;) {
            const ssize_t n = ::read(in, buf, sizeof buf);
            if (n < 0 && errno == EINTR)
                continue;
            if (n < 0)
                return fail(errno);
            if (n == 0)
                break;
            for (ssize_t done = 0; done < n;) {
                const ssize_t w = ::write(out, buf + done, static_cast<std::size_t>(n - done));
                if (w < 0 && errno == EINTR)
                    continue;
                if (w <= 0)
                    return fail(w < 0 ? errno : EIO);
                done += w;
            }
        }
    }
    ::close(in);
    if (::close(out) != 0) {
        const int err = errno;
        error = tarnic::Error{fs::path(target), "could not be copied from " + source + ": " + std::strerror(err)};
        return CopyResult::Failed;
    }
    return CopyResult::Copied;
}

std::optional<fs::path> findDataFile(const fs::path& base, std::string_view relative) {
    auto found = tarnic::findCaseInsensitive(base, relative);
    std::error_code ec;
    if (found && fs::is_regular_file(*found, ec))
        return found;
    return std::nullopt;
}

} // namespace vardeo
