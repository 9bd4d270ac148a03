#include "tests/support/failing_steps.h"

bool FailingSteps::writable(const std::filesystem::path& path)
{
    return failing != Step::writable && PosixFileSteps::writable(path);
}

bool FailingSteps::open(TemporaryFile& file, const std::filesystem::path& path, mode_t mode)
{
    if (failing == Step::open || !PosixFileSteps::open(file, path, mode))
        return false;
    temporary = file.name;
    return true;
}

bool FailingSteps::write(std::FILE* file, std::string_view bytes)
{
    if (failing != Step::write)
        return PosixFileSteps::write(file, bytes);
    PosixFileSteps::write(file, bytes.substr(0, bytes.size() / 2));
    return false;
}

bool FailingSteps::flush(std::FILE* file)
{
    return PosixFileSteps::flush(file) && failing != Step::flush;
}

bool FailingSteps::sync(std::FILE* file)
{
    return PosixFileSteps::sync(file) && failing != Step::sync;
}

bool FailingSteps::close(std::FILE* file)
{
    return PosixFileSteps::close(file) && failing != Step::close;
}

bool FailingSteps::link(TemporaryFile& file, const std::filesystem::path& path)
{
    if (failing == Step::link || !PosixFileSteps::link(file, path))
        return false;
    temporary = file.name;
    return true;
}

bool FailingSteps::rename(const std::filesystem::path& from, const std::filesystem::path& to)
{
    return failing != Step::rename && PosixFileSteps::rename(from, to);
}

bool FailingSteps::sync_directory(const std::filesystem::path& directory)
{
    return PosixFileSteps::sync_directory(directory) && failing != Step::sync_directory;
}
