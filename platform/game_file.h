#pragma once
#include <filesystem>
#include <memory>
#include <string>
#include <string_view>

#include "platform/file_system.h"

class CurrentDirectory;

// One of the game's files, by its name in the current directory as it is at
// each access; what the word file and the score file share.
class GameFile {
public:
    GameFile(FileSystem& files, const CurrentDirectory& directory, std::string_view name);

    std::filesystem::path path() const;
    bool missing() const;
    // Removes the temporary files a game killed while writing the file left.
    void remove_leftovers();
    // While it lives no other copy of the game writes the file.
    std::unique_ptr<FileLock> lock();

protected:
    FileSystem::Read read(std::string& bytes) const;
    // See FileSystem::replace.
    bool replace(std::string_view bytes);

private:
    FileSystem& m_files;
    const CurrentDirectory& m_directory;
    std::string_view m_name;
};
