#pragma once
#include "platform/posix_file_steps.h"

// The real steps of writing a file, one of which reports a failure, leaving
// behind what a real failure of that step would leave: a file found read-only and
// an open step create nothing, a write writes half, a failing close still closes,
// a link names nothing, a rename moves nothing, and a failing directory sync has
// the file already in place.
class FailingSteps final : public PosixFileSteps {
public:
    enum class Step { none, writable, open, write, flush, sync, close, link, rename, sync_directory };

    explicit FailingSteps(Step step, Naming naming = Naming::late) : PosixFileSteps(naming), failing(step) {}

    bool writable(const std::filesystem::path& path) override;
    bool open(TemporaryFile& file, const std::filesystem::path& path, mode_t mode) override;
    bool write(std::FILE* file, std::string_view bytes) override;
    bool flush(std::FILE* file) override;
    bool sync(std::FILE* file) override;
    bool close(std::FILE* file) override;
    bool link(TemporaryFile& file, const std::filesystem::path& path) override;
    bool rename(const std::filesystem::path& from, const std::filesystem::path& to) override;
    bool sync_directory(const std::filesystem::path& directory) override;

    Step failing;
    // The name of the last temporary file, once it had one.
    std::string temporary;
};
