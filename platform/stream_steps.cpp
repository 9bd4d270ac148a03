#include "platform/stream_steps.h"

#include "platform/disk_access.h"

std::FILE* open_stream(const Descriptor& file)
{
    Descriptor copy = disk_access::duplicate(file);
    std::FILE* stream = copy.is_open() ? ::fdopen(copy.get(), "wb") : nullptr;
    if (stream != nullptr)
        copy.release();
    return stream;
}

bool StreamSteps::write(std::FILE* file, std::string_view bytes)
{
    return std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
}

bool StreamSteps::flush(std::FILE* file)
{
    return std::fflush(file) == 0;
}

bool StreamSteps::close(std::FILE* file)
{
    return std::fclose(file) == 0;
}
