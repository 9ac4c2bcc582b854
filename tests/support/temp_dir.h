#pragma once
// A throwaway folder per test, removed when the test ends.

#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <string_view>

namespace tarnic::test {

class TempDir {
public:
    TempDir() {
        std::random_device rd;
        m_path = std::filesystem::temp_directory_path() /
                 ("tarnic-test-" + std::to_string(rd()) + std::to_string(rd()));
        std::filesystem::create_directories(m_path);
    }
    ~TempDir() {
        std::error_code ec;
        std::filesystem::remove_all(m_path, ec);
    }
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    [[nodiscard]] const std::filesystem::path& path() const { return m_path; }
    [[nodiscard]] std::filesystem::path operator/(std::string_view rel) const {
        return m_path / std::string(rel);
    }

    // Writes bytes to a file below the folder (creating its folders).
    std::filesystem::path write(std::string_view rel, std::string_view bytes) const {
        const auto p = m_path / std::string(rel);
        std::filesystem::create_directories(p.parent_path());
        std::ofstream(p, std::ios::binary).write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        return p;
    }

private:
    std::filesystem::path m_path;
};

inline std::string slurp(const std::filesystem::path& p) {
    std::ifstream in(p, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

} // namespace tarnic::test
