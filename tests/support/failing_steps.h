#pragma once
#include "platform/system_file_steps.h"

// The real steps of writing a file, one of which reports a failure, leaving
// behind what a real failure of that step would leave: a file found read-only and
// an open step create nothing, a write writes half, a failing close still closes,
// a link names nothing, a rename moves nothing, and a failing directory sync has
// the file already in place.
class FailingSteps final : public SystemFileSteps {
public:
    // A walk from `none` to `end` meets every step, also one added later before `end`.
    enum class Step { none, writable, open, write, flush, sync, close, link, rename, sync_directory, end };
    using Path = std::filesystem::path;

    explicit FailingSteps(Step step, Naming naming = namings[0]) : SystemFileSteps(naming), failing(step) {}

    bool writable(const Path& path) override { return failing != Step::writable && SystemFileSteps::writable(path); }
    bool open(TemporaryFile& file, const Path& path) override
    {
        return failing != Step::open && SystemFileSteps::open(file, path) && named(file);
    }
    bool write(std::FILE* file, std::string_view bytes) override
    {
        return failing == Step::write ? SystemFileSteps::write(file, bytes.substr(0, bytes.size() / 2)) && false
                                      : SystemFileSteps::write(file, bytes);
    }
    bool flush(std::FILE* file) override { return SystemFileSteps::flush(file) && failing != Step::flush; }
    bool sync(std::FILE* file) override { return SystemFileSteps::sync(file) && failing != Step::sync; }
    bool close(std::FILE* file) override { return SystemFileSteps::close(file) && failing != Step::close; }
    bool link(TemporaryFile& file, const Path& path) override
    {
        return failing != Step::link && SystemFileSteps::link(file, path) && named(file);
    }
    bool rename(const Path& from, const Path& to) override
    {
        return failing != Step::rename && SystemFileSteps::rename(from, to);
    }
    bool sync_directory(const Path& directory) override
    {
        return SystemFileSteps::sync_directory(directory) && failing != Step::sync_directory;
    }

    Step failing;
    // The name of the last temporary file, once it had one.
    Path temporary;

private:
    bool named(const TemporaryFile& file) { return temporary = file.name, true; }
};
