#include "platform/game_file.h"

#include "platform/current_directory.h"

GameFile::GameFile(FileSystem& files, const CurrentDirectory& directory, std::string_view name)
    : m_files(files), m_directory(directory), m_name(name)
{
}

std::filesystem::path GameFile::path() const
{
    return m_directory.path() / m_name;
}

bool GameFile::missing() const
{
    return m_files.missing(path());
}

void GameFile::remove_leftovers()
{
    m_files.remove_leftovers(path());
}

std::unique_ptr<FileLock> GameFile::lock()
{
    return m_files.lock(path());
}

FileSystem::Read GameFile::read(std::string& bytes) const
{
    return m_files.read(path(), bytes);
}

bool GameFile::replace(std::string_view bytes)
{
    return m_files.replace(path(), bytes);
}
