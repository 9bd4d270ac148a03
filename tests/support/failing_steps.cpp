#include "failing_steps.h"

std::FILE* FailingSteps::open(std::string& pattern, mode_t mode) {
    if (failing == Step::open)
        return nullptr;
    std::FILE* file = PosixFileSteps::open(pattern, mode);
    temporary = pattern;
    return file;
}

bool FailingSteps::write(std::FILE* file, std::string_view bytes) {
    if (failing != Step::write)
        return PosixFileSteps::write(file, bytes);
    PosixFileSteps::write(file, bytes.substr(0, bytes.size() / 2));
    return false;
}

bool FailingSteps::flush(std::FILE* file) {
    return PosixFileSteps::flush(file) && failing != Step::flush;
}

bool FailingSteps::sync(std::FILE* file) { return PosixFileSteps::sync(file) && failing != Step::sync; }

bool FailingSteps::close(std::FILE* file) { return PosixFileSteps::close(file) && failing != Step::close; }

bool FailingSteps::rename(const std::filesystem::path& from, const std::filesystem::path& to) {
    return failing != Step::rename && PosixFileSteps::rename(from, to);
}
