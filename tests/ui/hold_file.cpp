// Holds a file open for a while, as a virus scanner or the search indexer does
// just after a program wrote it: shared for reading and writing but not for
// deleting, so it can be neither replaced nor removed; with "exclusive", shared
// for nothing, so it cannot be read either. Says "held" once it holds it.
//   hold_file.exe FILE MILLISECONDS [exclusive]
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <string_view>

int main(int argc, char* argv[])
{
    if (argc < 3) {
        std::fputs("usage: hold_file FILE MILLISECONDS [exclusive]\n", stderr);
        return 2;
    }
    const bool exclusive = argc > 3 && std::string_view(argv[3]) == "exclusive";
    const HANDLE file = ::CreateFileA(argv[1], GENERIC_READ, exclusive ? 0 : FILE_SHARE_READ | FILE_SHARE_WRITE,
                                      nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        std::fprintf(stderr, "cannot open %s: error %lu\n", argv[1], ::GetLastError());
        return 1;
    }
    std::puts("held");
    std::fflush(stdout);
    ::Sleep(static_cast<DWORD>(std::strtoul(argv[2], nullptr, 10)));
    ::CloseHandle(file);
    return 0;
}
