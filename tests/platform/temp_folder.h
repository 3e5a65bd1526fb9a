// A fresh folder under the system's temporary folder, removed with its content.
#pragma once

#include <atomic>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <string>
#include <system_error>
#include <random>

namespace nuv::testing {

class TempFolder {
public:
    TempFolder() {
        static std::atomic<unsigned> counter{0};
        const auto stamp = std::chrono::steady_clock::now().time_since_epoch().count();
        root_ = std::filesystem::temp_directory_path() /
                ("nuv-test-" + std::to_string(std::random_device{}()) + "-" + std::to_string(stamp) +
                 "-" + std::to_string(counter++));
        std::filesystem::create_directories(root_);
    }
    ~TempFolder() {
        std::error_code ignored;
        std::filesystem::permissions(root_, std::filesystem::perms::owner_all,
                                     std::filesystem::perm_options::add, ignored);
        std::filesystem::remove_all(root_, ignored);
    }
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    // The folder with a trailing separator, as the host gives exeDir.
    std::string path() const { return (root_ / "").string(); }
    std::string Path(const std::string& name) const { return (root_ / name).string(); }

    std::string MakeFolder(const std::string& name) const {
        std::filesystem::create_directories(root_ / name);
        return (root_ / name / "").string();
    }
    std::string Write(const std::string& name, const std::string& bytes) const {
        const std::string file = Path(name);
        std::ofstream(file, std::ios::binary) << bytes;
        return file;
    }
    std::string Read(const std::string& name) const {
        std::ifstream in(Path(name), std::ios::binary);
        return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    }
    bool Exists(const std::string& name) const { return std::filesystem::exists(root_ / name); }

private:
    std::filesystem::path root_;
};

}  // namespace nuv::testing
