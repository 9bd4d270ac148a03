// Asks a window for its UI Automation root, as a screen reader does when it
// first meets a program, which turns the program's accessibility on:
//   uia_ask.exe TITLE
// Fails when no window has that title.
#include <windows.h>

#include <cstdio>

namespace {
constexpr LPARAM uia_root_object_id = -25;
} // namespace

int wmain(int argc, wchar_t** argv)
{
    HWND window = argc == 2 ? FindWindowW(nullptr, argv[1]) : nullptr;
    if (!window) {
        std::fputs("uia_ask: no such window\n", stderr);
        return 1;
    }
    DWORD_PTR answer = 0;
    SendMessageTimeoutW(window, WM_GETOBJECT, 0, uia_root_object_id, SMTO_ABORTIFHUNG, 10000, &answer);
    return 0;
}
