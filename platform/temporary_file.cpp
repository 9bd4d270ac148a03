#include "platform/temporary_file.h"

#include <algorithm>
#include <random>

namespace {

std::string prefix_name(const std::filesystem::path& file)
{
    // Built by appending: GCC 12 warns falsely on "." + std::string at -O3 (its bug 105329).
    std::string name = ".";
    name += file.filename().string();
    name += '.';
    return name;
}

} // namespace

std::string random_suffix()
{
    static thread_local std::mt19937_64 dice(std::random_device{}());
    std::string suffix;
    for (std::size_t i = 0; i < TemporaryFile::random_length; ++i)
        suffix += TemporaryFile::random_characters[dice() % TemporaryFile::random_characters.size()];
    return suffix;
}

std::filesystem::path temporary_prefix(const std::filesystem::path& file)
{
    return file.parent_path() / prefix_name(file);
}

// Compared in the system's own characters: a directory may hold names that have
// no narrow spelling on Windows.
bool is_temporary_name(const std::filesystem::path& file, const std::filesystem::path& name)
{
    const auto prefix = std::filesystem::path(prefix_name(file)).native();
    const auto& text = name.native();
    const auto random_character = [](auto c) {
        return c > 0 && c < 128 &&
               TemporaryFile::random_characters.find(static_cast<char>(c)) != std::string_view::npos;
    };
    return text.size() == prefix.size() + TemporaryFile::random_length && text.starts_with(prefix) &&
           std::all_of(text.begin() + static_cast<std::ptrdiff_t>(prefix.size()), text.end(), random_character);
}

std::filesystem::path directory_of(const std::filesystem::path& file)
{
    auto directory = file.parent_path();
    return directory.empty() ? "." : directory;
}
