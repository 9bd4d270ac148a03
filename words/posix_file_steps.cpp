#include "posix_file_steps.h"

#include <cstdlib>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// Makes a finished rename survive a power cut. The file is already in place
// whatever this gives, so it cannot turn the replacement into a failure.
void sync_directory(const std::filesystem::path& file) {
    auto directory = file.parent_path();
    if (directory.empty())
        directory = ".";
    const int descriptor = ::open(directory.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (descriptor < 0)
        return;
    ::fsync(descriptor);
    ::close(descriptor);
}

} // namespace

std::FILE* PosixFileSteps::open(std::string& pattern, mode_t mode) {
    const int descriptor = ::mkostemp(pattern.data(), O_CLOEXEC);
    if (descriptor < 0)
        return nullptr;
    std::FILE* file = ::fchmod(descriptor, mode) == 0 ? ::fdopen(descriptor, "wb") : nullptr;
    if (file == nullptr) {
        ::close(descriptor);
        ::unlink(pattern.c_str());
    }
    return file;
}

bool PosixFileSteps::write(std::FILE* file, std::string_view bytes) {
    return std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
}

bool PosixFileSteps::flush(std::FILE* file) { return std::fflush(file) == 0; }

bool PosixFileSteps::sync(std::FILE* file) { return ::fsync(::fileno(file)) == 0; }

bool PosixFileSteps::close(std::FILE* file) { return std::fclose(file) == 0; }

bool PosixFileSteps::rename(const std::filesystem::path& from, const std::filesystem::path& to) {
    if (std::rename(from.c_str(), to.c_str()) != 0)
        return false;
    sync_directory(to);
    return true;
}

void PosixFileSteps::remove(const std::filesystem::path& path) { ::unlink(path.c_str()); }
