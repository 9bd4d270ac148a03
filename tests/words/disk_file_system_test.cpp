#include <gtest/gtest.h>

#include <sys/stat.h>

#include "disk_file_system.h"
#include "failing_steps.h"
#include "temporary_directory.h"

namespace {

using Step = FailingSteps::Step;

mode_t permission_bits(const std::filesystem::path& path) {
    struct stat info {};
    EXPECT_EQ(::stat(path.c_str(), &info), 0);
    return info.st_mode & 07777;
}

class DiskFileSystemTest : public testing::Test {
protected:
    TemporaryDirectory dir;
    FailingSteps steps{Step::none};
    DiskFileSystem files{steps};
    std::filesystem::path file = dir.path() / "puntuaciones.txt";
};

TEST_F(DiskFileSystemTest, ReadTellsMissingFromUnreadable) {
    std::string bytes = "stale";
    EXPECT_EQ(files.read(file, bytes), FileSystem::Read::missing);
    EXPECT_EQ(bytes, "");
    EXPECT_TRUE(files.missing(file));
    // A directory by the file's name is there but cannot be read.
    std::filesystem::create_directory(file);
    EXPECT_EQ(files.read(file, bytes), FileSystem::Read::failed);
    EXPECT_FALSE(files.missing(file));
}

TEST_F(DiskFileSystemTest, ReplaceWritesBesideTheFileAndKeepsItsPermissions) {
    dir.write("puntuaciones.txt", "old\r\n");
    ::chmod(file.c_str(), 0604);
    EXPECT_TRUE(files.replace(file, "new\r\n"));
    EXPECT_EQ(dir.read("puntuaciones.txt"), "new\r\n");
    EXPECT_EQ(permission_bits(file), 0604u);
    EXPECT_EQ(steps.temporary.substr(0, steps.temporary.size() - 6),
              (dir.path() / ".puntuaciones.txt.").string());
    EXPECT_EQ(dir.entries(), std::vector<std::string>{"puntuaciones.txt"});
}

TEST_F(DiskFileSystemTest, NewFileGetsTheUsualPermissions) {
    const mode_t old_mask = ::umask(022);
    EXPECT_TRUE(files.replace(file, "new\r\n"));
    ::umask(old_mask);
    EXPECT_EQ(permission_bits(file), 0644u);
}

} // namespace
