#pragma once
#include "platform/stream_steps.h"

// The steps on the real disk through the Windows API. Windows has no file without
// a name, so the temporary file is named as it is created; from then until it is
// renamed the writer holds it open refusing other writers, which tells it from a
// leftover. A read-only file (its attribute) is never replaced, and the rename is
// written through to the disk before it returns. The creation and the rename
// meet sharing errors while another program holds the file: worth a wait.
class WindowsFileSteps : public StreamSteps {
public:
    enum class Naming { at_once };
    static constexpr Naming namings[] = {Naming::at_once};

    explicit WindowsFileSteps(Naming = Naming::at_once) {}

    bool writable(const std::filesystem::path& path) override;
    bool open(TemporaryFile& file, const std::filesystem::path& path) override;
    bool sync(std::FILE* file) override;
    bool link(TemporaryFile& file, const std::filesystem::path& path) override;
    bool rename(const std::filesystem::path& from, const std::filesystem::path& to) override;
    bool sync_directory(const std::filesystem::path& directory) override;
    void remove(const std::filesystem::path& path) override;
    bool wait_if_held(std::chrono::milliseconds pause) override;
};
