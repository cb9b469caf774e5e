#pragma once

#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <random>
#include <streambuf>
#include <string>

namespace greenfold::testing {

namespace fs = std::filesystem;

// A fresh folder under the system's temporary folder, removed afterwards.
class TempDir {
  public:
    TempDir() {
        std::random_device rd;
        path_ = fs::temp_directory_path() / ("greenfold-test-" + std::to_string(rd()));
        fs::create_directories(path_);
    }
    ~TempDir() {
        std::error_code ec;
        fs::remove_all(path_, ec);
    }
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;
    const fs::path& path() const { return path_; }

  private:
    fs::path path_;
};

inline std::string readbytes(const fs::path& p) {
    std::ifstream in(p, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

inline void writebytes(const fs::path& p, const std::string& bytes) {
    std::ofstream out(p, std::ios::binary | std::ios::trunc);
    out << bytes;
}

inline std::string golden(const std::string& name) {
    return readbytes(fs::path(GREENFOLD_TEST_DATA) / name);
}

// A stream buffer that passes the first n bytes on and then fails, like a full disk.
class FailingBuf : public std::streambuf {
  public:
    FailingBuf(std::streambuf* to, std::size_t n) : to_(to), left_(n) {}

  protected:
    int_type overflow(int_type c) override {
        if (traits_type::eq_int_type(c, traits_type::eof())) return traits_type::not_eof(c);
        if (left_ == 0) return traits_type::eof();
        --left_;
        return to_->sputc(traits_type::to_char_type(c));
    }
    int sync() override { return to_->pubsync(); }

  private:
    std::streambuf* to_;
    std::size_t left_;
};

inline auto failafter(std::size_t n) {
    return [n](std::streambuf* file) -> std::unique_ptr<std::streambuf> {
        return std::make_unique<FailingBuf>(file, n);
    };
}

} // namespace greenfold::testing
