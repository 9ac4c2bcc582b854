#include "build_files.h"

#include "shared/file_io.h"
#include "shared/paths.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>

namespace vardeo {

namespace {

int openForWrite(const fs::path& path) {
    return ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
}

} // namespace

tarnic::Status writeBuildFile(const fs::path& path, std::string_view bytes) {
    int fd = openForWrite(path);
    if (fd < 0 && errno == EACCES) {
        tarnic::makeWritable(path);
        fd = openForWrite(path);
    }
    if (fd < 0)
        return tarnic::Error{path, std::string("could not be written: ") + std::strerror(errno)};
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0) {
            const int err = n < 0 ? errno : ENOSPC;
            ::close(fd);
            return tarnic::Error{path, std::string("could not be written: ") + std::strerror(err)};
        }
        done += static_cast<std::size_t>(n);
    }
    if (::close(fd) != 0)
        return tarnic::Error{path, std::string("could not be written: ") + std::strerror(errno)};
    return {};
}

std::optional<fs::path> findDataFile(const fs::path& base, std::string_view relative) {
    auto found = tarnic::findCaseInsensitive(base, relative);
    std::error_code ec;
    if (found && fs::is_regular_file(*found, ec))
        return found;
    return std::nullopt;
}

} // namespace vardeo
