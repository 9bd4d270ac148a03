#pragma once
#include "platform/stream_steps.h"

// The steps on the real disk, through the C library and POSIX calls. The writer
// holds a flock on the temporary file from before it is named until it is
// renamed; the new file keeps the old one's permission bits and, as far as the
// system allows, its owner and group.
class PosixFileSteps : public StreamSteps {
public:
    // late: no name until link where the system allows it (O_TMPFILE), else named at
    // once; at_once: always named at once (mkostemp), as where it does not.
    enum class Naming { late, at_once };
    static constexpr Naming namings[] = {Naming::late, Naming::at_once};

    explicit PosixFileSteps(Naming naming = Naming::late) : m_naming(naming) {}

    bool writable(const std::filesystem::path& path) override;
    bool open(TemporaryFile& file, const std::filesystem::path& path) override;
    bool sync(std::FILE* file) override;
    bool link(TemporaryFile& file, const std::filesystem::path& path) override;
    bool rename(const std::filesystem::path& from, const std::filesystem::path& to) override;
    bool sync_directory(const std::filesystem::path& directory) override;
    void remove(const std::filesystem::path& path) override;

private:
    Naming m_naming;
};
