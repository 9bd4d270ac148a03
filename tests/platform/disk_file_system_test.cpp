#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <fstream>
#include <thread>

#include "platform/disk_file_system.h"
#include "tests/support/temporary_directory.h"

namespace {

using namespace std::string_literals;

// What a killed save left goes at start-up; a save still being written stays.
// Reading tells a missing file from one that cannot be read.
TEST(DiskFileSystem, StartUpRemovesOnlyLeftoversNoWriterHolds)
{
    TemporaryDirectory dir;
    const auto scores = dir.path() / "puntuaciones.txt";
    for (const std::string& name : {".puntuaciones.txt.a1B2c3"s, ".palabras.txt.a1B2c3"s, ".puntuaciones.txt.bak"s,
                                    ".puntuaciones.txt.a1-2c3"s, "puntuaciones.txt.a1B2c3"s}) {
        dir.write(name, "half");
        DiskFileSystem{}.remove_leftovers(scores);
        EXPECT_EQ(std::filesystem::exists(dir.path() / name), name != ".puntuaciones.txt.a1B2c3") << name;
    }
    SystemFileSteps writer(SystemFileSteps::namings[std::size(SystemFileSteps::namings) - 1]); // named at once
    {
        TemporaryFile running; // another copy's save, started before this copy's start-up
        ASSERT_TRUE(writer.open(running, scores));
        DiskFileSystem{}.remove_leftovers(scores);
        EXPECT_TRUE(writer.write(running.stream, "Ana\r\n") && writer.close(running.stream) &&
                    writer.rename(running.name, scores));
    }
    std::string bytes;
    EXPECT_EQ(DiskFileSystem{}.read(scores, bytes), FileSystem::Read::ok);
    EXPECT_EQ(bytes, "Ana\r\n");
    std::filesystem::remove(scores);
    EXPECT_EQ(DiskFileSystem{}.read(scores, bytes), FileSystem::Read::missing);
    std::filesystem::create_directory(scores); // there, but no file to read
    EXPECT_EQ(DiskFileSystem{}.read(scores, bytes), FileSystem::Read::failed);
}

// A file this user may not write is left as it is, and the write fails; made
// read-only, it is one on Windows (its attribute) and, but for root, on Linux.
TEST(DiskFileSystem, ReadOnlyFileIsLeftAsItIs)
{
    TemporaryDirectory dir;
    dir.write("palabras.txt", "Feo\r\n");
    const auto words = dir.path() / "palabras.txt";
    std::filesystem::permissions(words, std::filesystem::perms::all, std::filesystem::perm_options::remove);
    std::filesystem::permissions(words, std::filesystem::perms::owner_read, std::filesystem::perm_options::add);
#ifdef _WIN32
    const bool may_write = false; // the attribute refuses every writer, even where Wine runs as root
#else
    const bool may_write = std::ofstream(words, std::ios::app).is_open();
#endif
    EXPECT_EQ(DiskFileSystem{}.replace(words, "Sol\r\n"), may_write);
    EXPECT_EQ(dir.read("palabras.txt"), may_write ? "Sol\r\n" : "Feo\r\n");
}

// While one copy holds the lock of the game's folder, no other gets it.
TEST(DiskFileSystem, LockKeepsOtherCopiesOut)
{
    TemporaryDirectory dir;
    std::atomic<bool> other_has_it = false;
    std::thread other;
    {
        const auto held = DiskFileSystem{}.lock(dir.path() / "puntuaciones.txt");
        ASSERT_NE(held, nullptr);
        other = std::thread([&] {
            const auto taken = DiskFileSystem{}.lock(dir.path() / "palabras.txt");
            other_has_it = taken != nullptr;
        });
        std::this_thread::sleep_for(std::chrono::milliseconds(200));
        EXPECT_FALSE(other_has_it);
    }
    other.join();
    EXPECT_TRUE(other_has_it);
}

} // namespace
