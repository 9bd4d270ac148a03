#include "platform/disk_access.h"

#include <algorithm>
#include <cwchar>
#include <io.h>
#include <windows.h>

#include "platform/held_file.h"
#include "platform/windows/handle.h"
#include "platform/windows/held.h"

namespace {

bool read_all(HANDLE file, std::string& bytes)
{
    LARGE_INTEGER size{};
    // One byte beyond the size seen, so a file of that size ends in one pass.
    bytes.resize(::GetFileSizeEx(file, &size) && size.QuadPart > 0 ? static_cast<std::size_t>(size.QuadPart) + 1
                                                                   : std::size_t{4096});
    std::size_t used = 0;
    for (;;) {
        if (used == bytes.size())
            bytes.resize(bytes.size() * 2);
        DWORD got = 0;
        const auto wanted = static_cast<DWORD>(std::min<std::size_t>(bytes.size() - used, 1u << 30));
        if (!::ReadFile(file, bytes.data() + used, wanted, &got, nullptr))
            return false;
        if (got == 0)
            break;
        used += got;
    }
    bytes.resize(used);
    return true;
}

class DirectoryLock final : public FileLock {
public:
    explicit DirectoryLock(Handle mutex) : m_mutex(std::move(mutex)) {}
    ~DirectoryLock() override { ::ReleaseMutex(m_mutex.get()); }

private:
    Handle m_mutex;
};

// A directory cannot be locked on Windows: a mutex named after it stands in, by
// its volume and file number, so every spelling of its path finds the same one.
std::wstring mutex_name(const std::filesystem::path& directory)
{
    const Handle opened(::CreateFileW(directory.c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                      nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr));
    BY_HANDLE_FILE_INFORMATION info{};
    if (!opened.is_open() || !::GetFileInformationByHandle(opened.get(), &info))
        return {};
    wchar_t name[80];
    std::swprintf(name, std::size(name), L"Local\\CuErDaLoKKK-%08lx-%08lx%08lx", info.dwVolumeSerialNumber,
                  info.nFileIndexHigh, info.nFileIndexLow);
    return name;
}

FileSystem::Read read_once(const std::filesystem::path& path, std::string& bytes)
{
    const Handle file(::CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                    nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file.is_open()) {
        const DWORD error = ::GetLastError();
        return error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND ? FileSystem::Read::missing
                                                                              : FileSystem::Read::failed;
    }
    return read_all(file.get(), bytes) ? FileSystem::Read::ok : FileSystem::Read::failed;
}

} // namespace

namespace disk_access {

// Tried again while another program holds the file without sharing it for reading.
FileSystem::Read read(const std::filesystem::path& path, std::string& bytes)
{
    FileSystem::Read result = FileSystem::Read::failed;
    held_file::retry(
        [&] {
            result = read_once(path, bytes);
            return result != FileSystem::Read::failed;
        },
        wait_if_held);
    return result;
}

std::unique_ptr<FileLock> lock_directory(const std::filesystem::path& directory)
{
    const std::wstring name = mutex_name(directory);
    if (name.empty())
        return nullptr;
    Handle mutex(::CreateMutexW(nullptr, FALSE, name.c_str()));
    if (!mutex.is_open())
        return nullptr;
    // Abandoned: a copy that held it was killed, and the mutex is this one's now.
    const DWORD waited = ::WaitForSingleObject(mutex.get(), INFINITE);
    if (waited != WAIT_OBJECT_0 && waited != WAIT_ABANDONED)
        return nullptr;
    return std::make_unique<DirectoryLock>(std::move(mutex));
}

void remove_unless_held(const std::filesystem::path& name)
{
    // A writer's own handle refuses other writers: this open fails while it lives.
    const Handle file(::CreateFileW(name.c_str(), GENERIC_WRITE | DELETE,
                                    FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, OPEN_EXISTING,
                                    FILE_FLAG_OPEN_REPARSE_POINT, nullptr));
    BY_HANDLE_FILE_INFORMATION info{};
    if (!file.is_open() || !::GetFileInformationByHandle(file.get(), &info) ||
        (info.dwFileAttributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_REPARSE_POINT)) != 0)
        return;
    FILE_DISPOSITION_INFO removed{TRUE};
    ::SetFileInformationByHandle(file.get(), FileDispositionInfo, &removed, sizeof removed);
}

Descriptor duplicate(const Descriptor& file)
{
    return Descriptor(::_dup(file.get()));
}

} // namespace disk_access
