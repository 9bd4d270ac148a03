#include "platform/stream_steps.h"

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
