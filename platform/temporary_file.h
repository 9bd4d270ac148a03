#pragma once
#include <cstdio>
#include <filesystem>
#include <string>
#include <string_view>

#include "platform/descriptor.h"

// The temporary file a replacement is written to, beside the file it replaces and
// named ".NAME.XXXXXX" once it has a name: six of random_characters, as mkostemp
// chooses them.
struct TemporaryFile {
    static constexpr std::string_view random_characters =
        "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
    static constexpr std::size_t random_length = 6;

    TemporaryFile() = default;
    TemporaryFile(const TemporaryFile&) = delete;
    TemporaryFile& operator=(const TemporaryFile&) = delete;

    std::FILE* stream = nullptr; // written through; closed before the file takes its place
    // Holds the flock(LOCK_EX) that tells a writer's file from a leftover, until it goes.
    Descriptor descriptor;
    std::string name; // empty while the file has no name
};

// ".NAME." in the file's directory: a temporary file's name is this and six characters.
std::string temporary_prefix(const std::filesystem::path& file);
// Whether name (no directory) could be one of file's temporary files.
bool is_temporary_name(const std::filesystem::path& file, std::string_view name);
// The directory file is in: "." for a bare name.
std::filesystem::path directory_of(const std::filesystem::path& file);
// Whether name still refers to the file open as descriptor.
bool still_named(int descriptor, const std::string& name);
