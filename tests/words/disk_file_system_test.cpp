#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include "case_name.h"
#include "disk_file_system.h"
#include "failing_steps.h"
#include "temporary_directory.h"

namespace {

using Step = FailingSteps::Step;
using Naming = PosixFileSteps::Naming;

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

TEST_F(DiskFileSystemTest, NewFileGetsTheUsualPermissions) {
    const mode_t old_mask = ::umask(022);
    EXPECT_TRUE(files.replace(file, "new\r\n"));
    ::umask(old_mask);
    EXPECT_EQ(permission_bits(file), 0644u);
}

struct NamingCase {
    const char* name;
    Naming naming;
    std::size_t left_by_a_kill; // temporary files left by a kill just before the link
};

const NamingCase namings[] = {{"Late", Naming::late, 0}, {"AtOnce", Naming::at_once, 1}};

class NamingWay : public testing::TestWithParam<NamingCase> {
protected:
    TemporaryDirectory dir;
    std::filesystem::path file = dir.path() / "puntuaciones.txt";
};

TEST_P(NamingWay, ReplaceWritesBesideTheFileAndKeepsItsPermissions) {
    FailingSteps steps{Step::none, GetParam().naming};
    DiskFileSystem files{steps};
    dir.write("puntuaciones.txt", "old\r\n");
    // Bits the umask would cut from a new file.
    ::chmod(file.c_str(), 0666);
    EXPECT_TRUE(files.replace(file, "new\r\n"));
    EXPECT_EQ(dir.read("puntuaciones.txt"), "new\r\n");
    EXPECT_EQ(permission_bits(file), 0666u);
    EXPECT_TRUE(is_temporary_name(file, std::filesystem::path(steps.temporary).filename().string()));
    EXPECT_EQ(std::filesystem::path(steps.temporary).parent_path(), dir.path());
    EXPECT_EQ(dir.entries(), std::vector<std::string>{"puntuaciones.txt"});
}

// Dies at the link, as a kill would: only a file named at once is left, and the
// next start-up removes it. Mended: the temporary file was always named at once.
class DyingSteps final : public PosixFileSteps {
public:
    using PosixFileSteps::PosixFileSteps;
    bool link(TemporaryFile&, const std::filesystem::path&) override { ::_exit(0); }
};

TEST_P(NamingWay, AKillLeavesTheOldFileAndWhatItLeavesIsRemovedAtStartUp) {
    dir.write("puntuaciones.txt", "old\r\n");
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        DyingSteps steps{GetParam().naming};
        DiskFileSystem{steps}.replace(file, "new\r\n");
        ::_exit(1);
    }
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    EXPECT_EQ(dir.read("puntuaciones.txt"), "old\r\n");
    EXPECT_EQ(dir.entries().size(), 1 + GetParam().left_by_a_kill);

    DiskFileSystem{}.remove_leftovers(file);
    EXPECT_EQ(dir.entries(), std::vector<std::string>{"puntuaciones.txt"});
}

INSTANTIATE_TEST_SUITE_P(Temporary, NamingWay, testing::ValuesIn(namings), CaseName{});

struct LeftoverCase {
    const char* name;
    const char* file; // beside puntuaciones.txt
    bool locked;      // by a writer still running
    bool removed;
};

class Leftovers : public testing::TestWithParam<LeftoverCase> {};

TEST_P(Leftovers, OnlyUnlockedTemporaryFilesOfTheFileAreRemoved) {
    const LeftoverCase& c = GetParam();
    TemporaryDirectory dir;
    dir.write("puntuaciones.txt", "old\r\n");
    dir.write(c.file, "half");
    const int writer = ::open((dir.path() / c.file).c_str(), O_RDONLY | O_CLOEXEC);
    ASSERT_GE(writer, 0);
    if (c.locked) {
        ASSERT_EQ(::flock(writer, LOCK_EX), 0);
    }

    DiskFileSystem{}.remove_leftovers(dir.path() / "puntuaciones.txt");
    ::close(writer);
    EXPECT_EQ(std::filesystem::exists(dir.path() / c.file), !c.removed);
    EXPECT_EQ(dir.read("puntuaciones.txt"), "old\r\n");
}

INSTANTIATE_TEST_SUITE_P(
    Names, Leftovers,
    testing::Values(LeftoverCase{"Unlocked", ".puntuaciones.txt.a1B2c3", false, true},
                    LeftoverCase{"LockedByARunningWriter", ".puntuaciones.txt.a1B2c3", true, false},
                    LeftoverCase{"OtherFiles", ".palabras.txt.a1B2c3", false, false},
                    LeftoverCase{"NotSixCharacters", ".puntuaciones.txt.bak", false, false},
                    LeftoverCase{"NotLettersOrDigits", ".puntuaciones.txt.a1-2c3", false, false},
                    LeftoverCase{"NotHidden", "puntuaciones.txt.a1B2c3", false, false}),
    CaseName{});

} // namespace
