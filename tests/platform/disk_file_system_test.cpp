#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include "platform/disk_file_system.h"
#include "tests/support/temporary_directory.h"

namespace {

using namespace std::string_literals;

// What a killed save left goes at start-up; a running writer holds its lock.
// Reading tells a missing file from one that cannot be read.
TEST(DiskFileSystem, StartUpRemovesOnlyLeftoversNoWriterHolds)
{
    TemporaryDirectory dir;
    const auto open_files = [] { return std::distance(std::filesystem::directory_iterator("/proc/self/fd"), {}); };
    const auto open_before = open_files();
    const std::string leftover = ".puntuaciones.txt.a1B2c3";
    for (const std::string& name : {leftover, ".palabras.txt.a1B2c3"s, ".puntuaciones.txt.bak"s,
                                    ".puntuaciones.txt.a1-2c3"s, "puntuaciones.txt.a1B2c3"s}) {
        for (bool locked : {true, false}) {
            dir.write(name, "half");
            const int writer = ::open((dir.path() / name).c_str(), O_RDONLY | O_CLOEXEC);
            ASSERT_TRUE(writer >= 0 && (!locked || ::flock(writer, LOCK_EX) == 0));
            DiskFileSystem{}.remove_leftovers(dir.path() / "puntuaciones.txt");
            ::close(writer);
            EXPECT_EQ(std::filesystem::exists(dir.path() / name), !(name == leftover && !locked)) << name << locked;
        }
    }
    EXPECT_EQ(open_files(), open_before); // nothing left open
    std::string bytes;
    EXPECT_EQ(DiskFileSystem{}.read(dir.path() / "puntuaciones.txt", bytes), FileSystem::Read::missing);
    std::filesystem::create_directory(dir.path() / "puntuaciones.txt"); // there, but no file to read
    EXPECT_EQ(DiskFileSystem{}.read(dir.path() / "puntuaciones.txt", bytes), FileSystem::Read::failed);
}

// While one copy holds the lock of the game's folder, no other can take it.
TEST(DiskFileSystem, LockKeepsOtherCopiesOut)
{
    TemporaryDirectory dir;
    const Descriptor other(::open(dir.path().c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    {
        const auto held = DiskFileSystem{}.lock(dir.path() / "puntuaciones.txt");
        ASSERT_NE(held, nullptr);
        EXPECT_NE(::flock(other.get(), LOCK_EX | LOCK_NB), 0);
    }
    EXPECT_EQ(::flock(other.get(), LOCK_EX | LOCK_NB), 0);
}

} // namespace
