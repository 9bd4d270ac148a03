#pragma once
#include "platform/system_file_steps.h"

// The real steps of writing a file, one of which reports a failure, leaving
// behind what a real failure of that step would leave: a file found read-only and
// an open step create nothing, a write writes half, a failing close still closes,
// a link names nothing, a rename moves nothing, and a failing directory sync has
// the file already in place. With holds, the step fails as when another program
// holds the file, that many times, and then works; the waits between are only
// added up.
class FailingSteps final : public SystemFileSteps {
public:
    // A walk from `none` to `end` meets every step, also one added later before `end`.
    enum class Step { none, writable, open, write, flush, sync, close, link, rename, sync_directory, end };
    using Path = std::filesystem::path;

    explicit FailingSteps(Step step, Naming naming = namings[0]) : SystemFileSteps(naming), failing(step) {}

    bool writable(const Path& path) override { return !fails(Step::writable) && SystemFileSteps::writable(path); }
    bool open(TemporaryFile& file, const Path& path) override
    {
        return !fails(Step::open) && SystemFileSteps::open(file, path) && named(file);
    }
    bool write(std::FILE* file, std::string_view bytes) override
    {
        return fails(Step::write) ? SystemFileSteps::write(file, bytes.substr(0, bytes.size() / 2)) && false
                                  : SystemFileSteps::write(file, bytes);
    }
    bool flush(std::FILE* file) override { return SystemFileSteps::flush(file) && !fails(Step::flush); }
    bool sync(std::FILE* file) override { return SystemFileSteps::sync(file) && !fails(Step::sync); }
    bool close(std::FILE* file) override { return SystemFileSteps::close(file) && !fails(Step::close); }
    bool link(TemporaryFile& file, const Path& path) override
    {
        return !fails(Step::link) && SystemFileSteps::link(file, path) && named(file);
    }
    bool rename(const Path& from, const Path& to) override
    {
        return !fails(Step::rename) && SystemFileSteps::rename(from, to);
    }
    bool sync_directory(const Path& directory) override
    {
        return SystemFileSteps::sync_directory(directory) && !fails(Step::sync_directory);
    }
    bool wait_if_held(std::chrono::milliseconds pause) override
    {
        if (!m_held)
            return SystemFileSteps::wait_if_held(pause);
        waited += pause;
        return true;
    }

    Step failing;
    int holds = 0;
    std::chrono::milliseconds waited{0};
    // The name of the last temporary file, once it had one.
    Path temporary;

private:
    bool fails(Step step)
    {
        m_held = step == failing && holds > 0;
        if (m_held && --holds == 0)
            failing = Step::none;
        return step == failing || m_held;
    }
    bool named(const TemporaryFile& file) { return temporary = file.name, true; }

    bool m_held = false;
};
