#pragma once
// Timing helpers for the benchmarks: every figure is a ratio against a floor
// measured in the same run, so the result does not depend on the machine.

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <fcntl.h>
#include <string>
#include <string_view>
#include <unistd.h>
#include <vector>

namespace tarnic::bench {

// Median wall time in seconds of `runs` calls of f.
template <typename F> double medianSeconds(int runs, F&& f) {
    std::vector<double> times;
    for (int i = 0; i < runs; ++i) {
        const auto t0 = std::chrono::steady_clock::now();
        f();
        const auto t1 = std::chrono::steady_clock::now();
        times.push_back(std::chrono::duration<double>(t1 - t0).count());
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

// The floor: plain POSIX calls with the same durability as the code measured.
inline void plainWrite(const std::string& path, std::string_view bytes) {
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    if (fd < 0)
        return;
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n <= 0)
            break;
        done += static_cast<std::size_t>(n);
    }
    ::fsync(fd);
    ::close(fd);
}

inline std::string plainRead(const std::string& path) {
    std::string out;
    const int fd = ::open(path.c_str(), O_RDONLY);
    if (fd < 0)
        return out;
    char buf[1 << 16];
    ssize_t n;
    while ((n = ::read(fd, buf, sizeof buf)) > 0)
        out.append(buf, static_cast<std::size_t>(n));
    ::close(fd);
    return out;
}

inline bool report(const char* what, double measured, double floor, double limit) {
    const double ratio = measured / floor;
    std::printf("%-34s %9.2f ms   floor %9.2f ms   ratio %.2f (limit %.2f) %s\n", what,
                measured * 1e3, floor * 1e3, ratio, limit, ratio <= limit ? "ok" : "TOO SLOW");
    return ratio <= limit;
}

} // namespace tarnic::bench
