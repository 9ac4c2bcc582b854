#pragma once
// File access with the system's rules: whole-file reads, atomic replacement
// (saving never loses data), plain copies and attribute resets.

#include "result.h"

#include <cstddef>
#include <filesystem>
#include <functional>
#include <string>
#include <string_view>

namespace tarnic {

namespace fs = std::filesystem;

[[nodiscard]] Result<std::string> readFile(const fs::path& path);

// Writes bytes to a temporary file beside path, flushes and syncs it, checks
// its size and renames it over path. A read-only target is made writable
// first. On any failure the previous file is untouched and the temporary file
// is removed.
[[nodiscard]] Status writeFileAtomic(const fs::path& path, std::string_view bytes);

// Streams a file into place: bytes go to a temporary file beside the target;
// commit() syncs, checks and renames it over the target. Destroying an
// uncommitted writer removes the temporary file and leaves the target as it was.
class AtomicFileWriter {
public:
    explicit AtomicFileWriter(fs::path target);
    ~AtomicFileWriter();
    AtomicFileWriter(const AtomicFileWriter&) = delete;
    AtomicFileWriter& operator=(const AtomicFileWriter&) = delete;

    // False once anything failed; later writes are ignored and commit() reports it.
    bool write(std::string_view bytes);
    // Appends a whole file's bytes by a kernel copy (no user-space buffer).
    bool writeFrom(const fs::path& source);
    [[nodiscard]] Status commit();

private:
    void fail(int err, std::string what);
    fs::path m_target;
    fs::path m_temp;
    int m_fd = -1;
    std::size_t m_written = 0;
    bool m_failed = false;
    Error m_error;
};

// Copies source over target through a temporary file and a rename, so the
// target is either the old file or a complete copy.
[[nodiscard]] Status copyFileAtomic(const fs::path& source, const fs::path& target);

// Plain overwriting copy (build copies: the caller decides whether failures matter).
[[nodiscard]] Status copyFileOverwrite(const fs::path& source, const fs::path& target);

// "Reset the attributes to normal": owner read and write, execute kept.
void makeWritable(const fs::path& path) noexcept;

[[nodiscard]] bool fileExists(const fs::path& path) noexcept;

// Test seam: when set, every write of writeFileAtomic/copyFileAtomic asks it
// how many more bytes may be written; returning fewer makes the write fail as
// a full disk would. Null in production.
using WriteFaultHook = std::function<std::size_t(const fs::path& tempFile, std::size_t wanted)>;
void setWriteFaultHook(WriteFaultHook hook);

} // namespace tarnic
