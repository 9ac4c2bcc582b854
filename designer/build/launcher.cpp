#include "launcher.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

namespace vardeo {

tarnic::Status startDetached(const std::filesystem::path& program,
                             const std::vector<std::string>& arguments,
                             const std::filesystem::path& workingFolder) {
    // Everything the child needs is prepared before fork: after it only
    // async-signal-safe calls are allowed.
    const std::string file = program.string();
    const std::string folder = workingFolder.string();
    std::vector<std::string> args;
    args.push_back(file);
    args.insert(args.end(), arguments.begin(), arguments.end());
    std::vector<char*> argv;
    for (std::string& a : args)
        argv.push_back(a.data());
    argv.push_back(nullptr);

    int report[2];
    if (::pipe2(report, O_CLOEXEC) != 0)
        return tarnic::Error{program, std::string("could not be started: ") + std::strerror(errno)};

    const pid_t child = ::fork();
    if (child < 0) {
        const int err = errno;
        ::close(report[0]);
        ::close(report[1]);
        return tarnic::Error{program, std::string("could not be started: ") + std::strerror(err)};
    }
    if (child == 0) {
        // The middle process exits at once, so the program is adopted by init
        // and never left as a zombie of the designer.
        ::setsid();
        const pid_t grandchild = ::fork();
        if (grandchild != 0)
            ::_exit(grandchild < 0 ? 1 : 0);
        const int null = ::open("/dev/null", O_RDWR);
        if (null >= 0) {
            ::dup2(null, 0);
            ::dup2(null, 1);
            ::dup2(null, 2);
        }
        int err = 0;
        if (!folder.empty() && ::chdir(folder.c_str()) != 0)
            err = errno;
        if (err == 0) {
            if (file.find('/') == std::string::npos)
                ::execvp(file.c_str(), argv.data());
            else
                ::execv(file.c_str(), argv.data());
            err = errno;
        }
        [[maybe_unused]] const ssize_t n = ::write(report[1], &err, sizeof err);
        ::_exit(127);
    }
    ::close(report[1]);
    int status = 0;
    while (::waitpid(child, &status, 0) < 0 && errno == EINTR) {
    }
    // The pipe closes on a successful exec (close-on-exec) and carries errno otherwise.
    int err = 0;
    ssize_t n = 0;
    do {
        n = ::read(report[0], &err, sizeof err);
    } while (n < 0 && errno == EINTR);
    ::close(report[0]);
    if (n == static_cast<ssize_t>(sizeof err))
        return tarnic::Error{program, std::string("could not be started: ") + std::strerror(err)};
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0)
        return tarnic::Error{program, "could not be started"};
    return {};
}

} // namespace vardeo
