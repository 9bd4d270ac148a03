#pragma once
#include <filesystem>

// Whether name still refers to the file open as descriptor.
bool still_named(int descriptor, const std::filesystem::path& name);
