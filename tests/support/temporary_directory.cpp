#include "tests/support/temporary_directory.h"

#include <algorithm>
#include <fstream>
#include <iterator>
#include <stdexcept>
#include <stdlib.h>

TemporaryDirectory::TemporaryDirectory()
{
    auto pattern = (std::filesystem::temp_directory_path() / "cuerdalokkk-test.XXXXXX").string();
    if (::mkdtemp(pattern.data()) == nullptr)
        throw std::runtime_error("cannot make a temporary directory");
    m_path = pattern;
}

TemporaryDirectory::~TemporaryDirectory()
{
    std::error_code ignored;
    std::filesystem::permissions(m_path, std::filesystem::perms::owner_all, std::filesystem::perm_options::add,
                                 ignored);
    std::filesystem::remove_all(m_path, ignored);
}

std::string TemporaryDirectory::read(const std::string& name) const
{
    std::ifstream file(m_path / name, std::ios::binary);
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

void TemporaryDirectory::write(const std::string& name, const std::string& bytes) const
{
    std::ofstream(m_path / name, std::ios::binary) << bytes;
}

std::vector<std::string> TemporaryDirectory::entries() const
{
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(m_path))
        names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}
