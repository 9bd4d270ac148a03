#pragma once
#include "posix_file_steps.h"

// The real steps of writing a file, one of which reports a failure, leaving
// behind what a real failure of that step would leave: an open step creates
// nothing, a write writes half, a failing close still closes, a rename moves nothing.
class FailingSteps final : public PosixFileSteps {
public:
    enum class Step { none, open, write, flush, sync, close, rename };

    explicit FailingSteps(Step step) : failing(step) {}

    std::FILE* open(std::string& pattern, mode_t mode) override;
    bool write(std::FILE* file, std::string_view bytes) override;
    bool flush(std::FILE* file) override;
    bool sync(std::FILE* file) override;
    bool close(std::FILE* file) override;
    bool rename(const std::filesystem::path& from, const std::filesystem::path& to) override;

    Step failing;
    // The name of the last temporary file made.
    std::string temporary;
};
