#pragma once
// vardeo-cli: the designer without a window. Each subcommand is one class
// that writes to the streams it is given, so tests can run it in-process.

#include <filesystem>
#include <iosfwd>
#include <string>
#include <vector>

namespace vardeo::cli {

// Exit statuses: 0 success, 1 wrong usage, 2 bad input or a failed operation.
inline constexpr int kExitOk = 0;
inline constexpr int kExitUsage = 1;
inline constexpr int kExitBadInput = 2;

// The folder of the running executable: the default program folder.
[[nodiscard]] std::filesystem::path executableFolder();

int run(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

} // namespace vardeo::cli
