#pragma once
#include "platform/file_steps.h"

// The steps on the real disk, through the C library and POSIX calls.
class PosixFileSteps : public FileSteps {
public:
    // late: no name until link where the system allows it (O_TMPFILE), else named at
    // once; at_once: always named at once (mkostemp), as where it does not.
    enum class Naming { late, at_once };

    explicit PosixFileSteps(Naming naming = Naming::late) : m_naming(naming) {}

    bool writable(const std::filesystem::path& path) override;
    bool open(TemporaryFile& file, const std::filesystem::path& path, mode_t mode) override;
    bool write(std::FILE* file, std::string_view bytes) override;
    bool flush(std::FILE* file) override;
    bool sync(std::FILE* file) override;
    bool close(std::FILE* file) override;
    bool link(TemporaryFile& file, const std::filesystem::path& path) override;
    bool rename(const std::filesystem::path& from, const std::filesystem::path& to) override;
    bool sync_directory(const std::filesystem::path& directory) override;
    void remove(const std::filesystem::path& path) override;

private:
    Naming m_naming;
};
