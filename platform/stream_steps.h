#pragma once
#include <cstdio>

#include "platform/descriptor.h"
#include "platform/file_steps.h"

// A stream of its own on a copy of the descriptor, so closing it leaves the file
// open and held through the descriptor; nullptr when it cannot be had.
std::FILE* open_stream(const Descriptor& file);

// The steps that go through the C library's stream, the same on every platform.
class StreamSteps : public FileSteps {
public:
    bool write(std::FILE* file, std::string_view bytes) override;
    bool flush(std::FILE* file) override;
    bool close(std::FILE* file) override;
};
