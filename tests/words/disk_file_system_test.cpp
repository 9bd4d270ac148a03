#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include "disk_file_system.h"
#include "failing_steps.h"
#include "temporary_directory.h"

namespace {

using Naming = PosixFileSteps::Naming;

struct DiskFileSystemTest : testing::Test {
    TemporaryDirectory dir;
    std::filesystem::path file = dir.path() / "puntuaciones.txt";
    mode_t permission_bits()
    {
        struct stat info {};
        EXPECT_EQ(::stat(file.c_str(), &info), 0);
        return info.st_mode & 07777;
    }
};

TEST_F(DiskFileSystemTest, ReplaceKeepsThePermissionsAndLeavesOnlyTheFile)
{
    const mode_t old_mask = ::umask(022);
    EXPECT_TRUE(DiskFileSystem{}.replace(file, "new\r\n"));
    ::umask(old_mask);
    EXPECT_EQ(permission_bits(), 0644u);
    ::chmod(file.c_str(), 0666); // bits the umask would cut from a new file
    for (Naming naming : {Naming::late, Naming::at_once}) {
        FailingSteps steps{FailingSteps::Step::none, naming};
        EXPECT_TRUE(DiskFileSystem{steps}.replace(file, "newer\r\n"));
        EXPECT_EQ(dir.read("puntuaciones.txt"), "newer\r\n");
        EXPECT_EQ(permission_bits(), 0666u);
        EXPECT_EQ(std::filesystem::path(steps.temporary).parent_path(), dir.path());
        EXPECT_EQ(dir.entries(), std::vector<std::string>{"puntuaciones.txt"});
    }
    std::string bytes;
    std::filesystem::remove(file);
    EXPECT_EQ(DiskFileSystem{}.read(file, bytes), FileSystem::Read::missing);
    std::filesystem::create_directory(file); // there, but no file to read
    EXPECT_EQ(DiskFileSystem{}.read(file, bytes), FileSystem::Read::failed);
}

// Dies at the link, as a kill would: only a file named at once is left, and the
// next start-up removes it. Mended: the temporary file was always named at once.
class DyingSteps final : public PosixFileSteps {
public:
    using PosixFileSteps::PosixFileSteps;
    bool link(TemporaryFile&, const std::filesystem::path&) override { ::_exit(0); }
};

TEST_F(DiskFileSystemTest, AKillLeavesTheOldFileAndStartUpRemovesWhatItLeaves)
{
    dir.write("puntuaciones.txt", "old\r\n");
    for (Naming naming : {Naming::late, Naming::at_once}) {
        const pid_t child = ::fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            DyingSteps steps{naming};
            DiskFileSystem{steps}.replace(file, "new\r\n");
            ::_exit(1);
        }
        int status = 0;
        ASSERT_EQ(::waitpid(child, &status, 0), child);
        EXPECT_EQ(dir.read("puntuaciones.txt"), "old\r\n");
        EXPECT_EQ(dir.entries().size(), naming == Naming::late ? 1u : 2u);
        DiskFileSystem{}.remove_leftovers(file);
        EXPECT_EQ(dir.entries(), std::vector<std::string>{"puntuaciones.txt"});
    }
}

// Only unlocked temporary files of the file go; a running writer holds its lock.
TEST_F(DiskFileSystemTest, StartUpRemovesOnlyLeftoversNoWriterHolds)
{
    const std::pair<const char*, bool> names[] = {
        {".puntuaciones.txt.a1B2c3", true}, {".palabras.txt.a1B2c3", false}, {".puntuaciones.txt.bak", false},
        {".puntuaciones.txt.a1-2c3", false}, {"puntuaciones.txt.a1B2c3", false}};
    for (const auto& [name, removed] : names) {
        for (bool locked : {true, false}) {
            dir.write(name, "half");
            const int writer = ::open((dir.path() / name).c_str(), O_RDONLY | O_CLOEXEC);
            ASSERT_TRUE(writer >= 0 && (!locked || ::flock(writer, LOCK_EX) == 0));
            DiskFileSystem{}.remove_leftovers(file);
            ::close(writer);
            EXPECT_EQ(std::filesystem::exists(dir.path() / name), !(removed && !locked)) << name << locked;
        }
    }
}

} // namespace
