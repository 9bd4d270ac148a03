#pragma once
#include "platform/file_steps.h"

// The steps that go through the C library's stream, the same on every platform.
class StreamSteps : public FileSteps {
public:
    bool write(std::FILE* file, std::string_view bytes) override;
    bool flush(std::FILE* file) override;
    bool close(std::FILE* file) override;
};
