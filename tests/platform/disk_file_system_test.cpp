#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include "platform/disk_file_system.h"
#include "platform/temporary_file.h"
#include "tests/support/failing_steps.h"
#include "tests/support/temporary_directory.h"

namespace {

using Naming = PosixFileSteps::Naming;

TEST(DiskFileSystem, ReplaceKeepsThePermissionsAndLeavesOnlyTheFile)
{
    TemporaryDirectory dir;
    const std::filesystem::path file = dir.path() / "puntuaciones.txt";
    const auto permission_bits = [&file] {
        struct stat info {};
        EXPECT_EQ(::stat(file.c_str(), &info), 0);
        return info.st_mode & 07777;
    };
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
        // Named as a leftover the next start-up would know, had the save been killed.
        EXPECT_EQ(std::filesystem::path(steps.temporary).parent_path(), dir.path());
        EXPECT_TRUE(is_temporary_name(file, std::filesystem::path(steps.temporary).filename().string()));
        EXPECT_EQ(dir.entries(), std::vector<std::string>{"puntuaciones.txt"});
    }
    std::string bytes;
    std::filesystem::remove(file);
    EXPECT_EQ(DiskFileSystem{}.read(file, bytes), FileSystem::Read::missing);
    std::filesystem::create_directory(file); // there, but no file to read
    EXPECT_EQ(DiskFileSystem{}.read(file, bytes), FileSystem::Read::failed);
}

// What a killed save left goes at start-up; a running writer holds its lock.
TEST(DiskFileSystem, StartUpRemovesOnlyLeftoversNoWriterHolds)
{
    TemporaryDirectory dir;
    const std::pair<const char*, bool> names[] = {{".puntuaciones.txt.a1B2c3", true},
                                                  {".palabras.txt.a1B2c3", false},
                                                  {".puntuaciones.txt.bak", false},
                                                  {".puntuaciones.txt.a1-2c3", false},
                                                  {"puntuaciones.txt.a1B2c3", false}};
    for (const auto& [name, removed] : names) {
        for (bool locked : {true, false}) {
            dir.write(name, "half");
            const int writer = ::open((dir.path() / name).c_str(), O_RDONLY | O_CLOEXEC);
            ASSERT_TRUE(writer >= 0 && (!locked || ::flock(writer, LOCK_EX) == 0));
            DiskFileSystem{}.remove_leftovers(dir.path() / "puntuaciones.txt");
            ::close(writer);
            EXPECT_EQ(std::filesystem::exists(dir.path() / name), !(removed && !locked)) << name << locked;
        }
    }
}

} // namespace
