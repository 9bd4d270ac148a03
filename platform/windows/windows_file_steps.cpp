#include "platform/windows/windows_file_steps.h"

#include <fcntl.h>
#include <io.h>
#include <windows.h>

#include "platform/windows/handle.h"
#include "platform/windows/held.h"

namespace {

// Created anew, or nothing when the name is taken. Others may read it and, so the
// rename can move it while it is open, delete it; none may write it.
Handle create_new(const std::filesystem::path& name)
{
    return Handle(::CreateFileW(name.c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_DELETE, nullptr, CREATE_NEW,
                                FILE_ATTRIBUTE_NORMAL, nullptr));
}

} // namespace

bool WindowsFileSteps::writable(const std::filesystem::path& path)
{
    const DWORD attributes = ::GetFileAttributesW(path.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES)
        return ::GetLastError() == ERROR_FILE_NOT_FOUND;
    return (attributes & FILE_ATTRIBUTE_READONLY) == 0;
}

bool WindowsFileSteps::open(TemporaryFile& file, const std::filesystem::path& path)
{
    const std::filesystem::path prefix = temporary_prefix(path);
    for (int attempt = 0; attempt < 100; ++attempt) {
        std::filesystem::path name = prefix;
        name += random_suffix();
        Handle created = create_new(name);
        if (!created.is_open()) {
            if (::GetLastError() == ERROR_FILE_EXISTS)
                continue;
            return false;
        }
        file.descriptor.reset(::_open_osfhandle(reinterpret_cast<intptr_t>(created.get()), _O_WRONLY | _O_BINARY));
        if (file.descriptor.is_open()) {
            created.release();
            file.stream = open_stream(file.descriptor);
        }
        if (file.stream != nullptr) {
            file.name = std::move(name);
            return true;
        }
        file.descriptor.reset();
        created = Handle();
        ::DeleteFileW(name.c_str());
        return false;
    }
    return false;
}

bool WindowsFileSteps::sync(std::FILE* file)
{
    return ::FlushFileBuffers(reinterpret_cast<HANDLE>(::_get_osfhandle(::_fileno(file)))) != 0;
}

bool WindowsFileSteps::link(TemporaryFile&, const std::filesystem::path&)
{
    return true;
}

bool WindowsFileSteps::rename(const std::filesystem::path& from, const std::filesystem::path& to)
{
    return ::MoveFileExW(from.c_str(), to.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != 0;
}

// The rename wrote through to the disk before it returned.
bool WindowsFileSteps::sync_directory(const std::filesystem::path&)
{
    return true;
}

void WindowsFileSteps::remove(const std::filesystem::path& path)
{
    ::DeleteFileW(path.c_str());
}

bool WindowsFileSteps::wait_if_held(std::chrono::milliseconds pause)
{
    return ::wait_if_held(pause);
}
