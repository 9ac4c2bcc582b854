#include "runtime/menu/copy_job.h"

#include "shared/file_io.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <string>
#include <system_error>
#include <vector>

namespace vistel {

namespace fs = std::filesystem;

tarnic::Result<fs::path> copyIntoFolder(const fs::path& source, const fs::path& targetFolder,
                                        const CopyProgress& progress) {
    std::error_code ec;
    if (!fs::is_regular_file(source, ec))
        return tarnic::Error{source, "the file to copy does not exist"};
    if (!fs::is_directory(targetFolder, ec))
        return tarnic::Error{targetFolder, "the target folder does not exist"};
    const fs::path target = targetFolder / source.filename();
    if (fs::exists(target, ec) && fs::equivalent(source, target, ec))
        return tarnic::Error{target, "is the file itself; choose another folder"};

    const int in = ::open(source.c_str(), O_RDONLY | O_CLOEXEC);
    if (in < 0)
        return tarnic::Error{source, std::string("cannot open the file: ") + std::strerror(errno)};
    const auto total = fs::file_size(source, ec);
    tarnic::AtomicFileWriter writer(target);
    std::vector<char> buffer(1 << 20);
    std::uintmax_t done = 0;
    int shown = -1;
    const auto report = [&] {
        const int pct = total == 0 ? 100 : static_cast<int>(done * 100 / total);
        if (pct != shown && progress)
            progress(pct);
        shown = pct;
    };
    report();
    tarnic::Error readFailure;
    bool readFailed = false;
    for (;;) {
        const ssize_t n = ::read(in, buffer.data(), buffer.size());
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0) {
            readFailed = true;
            readFailure = {source, std::string("cannot read the file: ") + std::strerror(errno)};
            break;
        }
        if (n == 0)
            break;
        if (!writer.write(std::string_view(buffer.data(), static_cast<std::size_t>(n))))
            break;
        done += static_cast<std::uintmax_t>(n);
        report();
    }
    ::close(in);
    if (readFailed)
        return readFailure; // the writer's destructor drops the partial copy
    if (tarnic::Status s = writer.commit(); !s)
        return s.error();
    // A copy is the user's own file: writable, runnable when the source was.
    const auto perms = fs::status(source, ec).permissions();
    fs::permissions(target,
                    fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read |
                        fs::perms::others_read |
                        (perms & (fs::perms::owner_exec | fs::perms::group_exec |
                                  fs::perms::others_exec)),
                    fs::perm_options::replace, ec);
    if (shown != 100 && progress)
        progress(100);
    return target;
}

NewFolderResult makeNewFolder(const fs::path& folder, std::string_view name) {
    NewFolderResult out;
    if (name.empty()) {
        out.outcome = NewFolderOutcome::EmptyName;
        return out;
    }
    out.path = folder / std::string(name);
    std::error_code ec;
    if (fs::exists(fs::symlink_status(out.path, ec))) {
        out.outcome = NewFolderOutcome::Exists;
        return out;
    }
    if (!fs::create_directory(out.path, ec) || ec) {
        out.outcome = NewFolderOutcome::Failed;
        out.message = out.path.string() + ": " + (ec ? ec.message() : std::string("cannot be created"));
        return out;
    }
    out.outcome = NewFolderOutcome::Created;
    return out;
}

} // namespace vistel
