#pragma once
// A fresh folder per test under the build tree (or another base), removed when the
// test ends, and small helpers to read what a test wrote.
#include <atomic>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include <gtest/gtest.h>
#include <unistd.h>

namespace teste {

class PastaTemporaria {
public:
    explicit PastaTemporaria(const std::filesystem::path& base = TEST_TMP_DIR) {
        static std::atomic<int> seq{0};
        const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
        std::string nome = info ? std::string(info->test_suite_name()) + "." + info->name() : "sem_teste";
        for (char& c : nome)
            if (c == '/') c = '_';
        path_ = base / (nome + "-" + std::to_string(::getpid()) + "-" + std::to_string(seq++));
        std::filesystem::remove_all(path_);
        std::filesystem::create_directories(path_);
    }
    ~PastaTemporaria() {
        std::error_code ec;
        std::filesystem::remove_all(path_, ec);
    }
    const std::filesystem::path& Path() const { return path_; }
    std::string Arquivo(const std::string& nome) const { return (path_ / nome).string(); }

private:
    std::filesystem::path path_;
};

inline std::string LeBytes(const std::filesystem::path& arquivo) {
    std::ifstream in(arquivo, std::ios::binary);
    std::ostringstream ss;
    ss << in.rdbuf();
    return ss.str();
}

inline void GravaBytes(const std::filesystem::path& arquivo, const std::string& bytes) {
    std::ofstream out(arquivo, std::ios::binary);
    out << bytes;
}

}  // namespace teste
