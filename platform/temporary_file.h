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
    // Holds what tells a writer's file from a leftover (a lock, or a sharing mode
    // that keeps others out) until it goes.
    Descriptor descriptor;
    std::filesystem::path name; // empty while the file has no name
};

// random_length of random_characters drawn afresh. Unguessable names are not
// needed: a name taken only means another try.
std::string random_suffix();
// ".NAME." in the file's directory: a temporary file's name is this and six characters.
std::filesystem::path temporary_prefix(const std::filesystem::path& file);
// Whether name (no directory) could be one of file's temporary files.
bool is_temporary_name(const std::filesystem::path& file, const std::filesystem::path& name);
// The directory file is in: "." for a bare name.
std::filesystem::path directory_of(const std::filesystem::path& file);
