#include "platform/windows/player_folder.h"

#include <filesystem>
#include <shlobj.h>
#include <windows.h>

bool enter_player_folder()
{
    PWSTR roaming = nullptr;
    const bool found = SUCCEEDED(::SHGetKnownFolderPath(FOLDERID_RoamingAppData, KF_FLAG_CREATE, nullptr, &roaming));
    const std::filesystem::path folder = found ? std::filesystem::path(roaming) / L"CuErDaLoKKK" : L"";
    ::CoTaskMemFree(roaming);
    std::error_code error;
    return found && (std::filesystem::create_directories(folder, error), !error) &&
           (std::filesystem::current_path(folder, error), !error);
}
