#pragma once
#include <filesystem>

// Removes the temporary files of file (".NAME.XXXXXX" beside it) that a writer
// killed between naming and renaming one left behind. A running writer holds its
// temporary file from before the file has a name until it no longer has one, so
// a file is removed only when no writer holds it. A leftover this user cannot
// open stays.
void remove_leftover_temporaries(const std::filesystem::path& file);
