// A fresh temporary folder for one test, removed with everything in it.
#pragma once

#include <filesystem>

namespace pelmora::soundtest {

class ScratchFolder {
public:
    ScratchFolder();
    ~ScratchFolder();
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;

    const std::filesystem::path& path() const { return path_; }

private:
    std::filesystem::path path_;
};

}  // namespace pelmora::soundtest
