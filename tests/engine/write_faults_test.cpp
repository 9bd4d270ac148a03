#include <gtest/gtest.h>

#include <functional>

#include "add_words.h"
#include "disk_file_system.h"
#include "failing_steps.h"
#include "game_harness.h"
#include "silent_views.h"
#include "temporary_directory.h"

namespace {

using Step = FailingSteps::Step;
using Naming = PosixFileSteps::Naming;

const std::string old_words = "Feo\r\nMoTo\r\n";
const std::string old_scores = "Ana\r\n9000\r\nLuis\r\n4000\r\nEva\r\n2000\r\n";

// The game's files on a real disk, written through steps a test can make fail.
struct DiskGame {
    explicit DiskGame(Naming naming) : steps{Step::none, naming} {}
    TemporaryDirectory dir;
    FailingSteps steps;
    DiskFileSystem files{steps};
    ScriptedRandom random;
    ScriptedPrompts prompts;
    SilentViews views;
    GameCore core{files, dir, random, prompts, views, views, views};
    AddWords dialog{core.words, prompts, views};
};

struct Write {
    const char* name;
    std::u32string error;
    std::function<void(DiskGame&)> act;
    std::string file;  // the file written, then its first bytes once written
    std::string start;
};

// Each with what it writes: a record, Borrar, a first run, a word added.
const Write writes[] = {
    {"SavedTable", U"No se ha podido guardar puntuaciones.txt.", [](DiskGame& g) { g.core.score_table.accept(); },
     "puntuaciones.txt", "Sol\r\n12000\r\n"},
    {"Borrar", U"No se ha podido guardar puntuaciones.txt.", [](DiskGame& g) { g.core.score_table.erase(); },
     "puntuaciones.txt", "Quiro\r\n1000\r\n"},
    {"FirstRun", U"No se ha podido crear palabras.txt.", [](DiskGame& g) { g.core.game.start_up(); },
     "palabras.txt", "Calle\r\nCoChE\r\n"},
    {"AddedWord", U"No se ha podido añadir la palabra a palabras.txt.", [](DiskGame& g) { g.dialog.add_word(); },
     "palabras.txt", old_words + "Nueva\r\n"},
};

// A failed directory sync comes after the rename: the file holds the whole new
// bytes, yet the user hears of it, as they might not survive a power cut.
// Mended: that failure went unnoticed, and a read-only file was replaced.
const std::pair<const char*, Step> steps[] = {
    {"Writable", Step::writable}, {"Open", Step::open}, {"Write", Step::write}, {"Flush", Step::flush},
    {"Sync", Step::sync},         {"Close", Step::close}, {"Link", Step::link}, {"Rename", Step::rename},
    {"SyncDirectory", Step::sync_directory}};

struct FaultCase {
    std::string name;
    const Write* write;
    Step step;
    Naming naming;
};

std::vector<FaultCase> every_write_at_every_step()
{
    std::vector<FaultCase> cases;
    for (const auto& [naming_name, naming] : {std::pair{"", Naming::late}, std::pair{"NamedAtOnce", Naming::at_once}})
        for (const Write& write : writes)
            for (const auto& [step_name, step] : steps)
                cases.push_back({std::string{write.name} + "Failing" + step_name + naming_name, &write, step, naming});
    return cases;
}

class WriteFault : public testing::TestWithParam<FaultCase> {};

TEST_P(WriteFault, KeepsTheOldFileSaysErrorAndTheRetrySucceeds)
{
    const FaultCase& c = GetParam();
    const Write& write = *c.write;
    const bool first_run = write.name == std::string{"FirstRun"};
    DiskGame g{c.naming};
    if (!first_run) {
        g.dir.write("palabras.txt", old_words);
        g.dir.write("puntuaciones.txt", old_scores);
    }
    g.prompts.answers = {U"Sol"};
    g.core.score_table.insert_record(1, 12000);
    g.dialog.text_changed(U"Nueva", 5);
    const std::vector<std::string> names_before = g.dir.entries();

    g.steps.failing = c.step;
    write.act(g);
    ASSERT_EQ(g.prompts.messages.size(), 1u);
    EXPECT_EQ(g.prompts.messages[0], (ScriptedPrompts::Message{write.error, U"Error", MessageStyle::critical}));
    EXPECT_EQ(g.dialog.text(), U"Nueva"); // the windows keep what they show, for a retry
    EXPECT_EQ(g.core.score_table.cells()[0], U"Sol");
    if (c.step == Step::sync_directory) {
        EXPECT_EQ(g.dir.read(write.file).substr(0, write.start.size()), write.start);
    } else {
        EXPECT_EQ(g.dir.entries(), names_before); // no temporary file left behind
        EXPECT_EQ(g.dir.read("palabras.txt"), first_run ? "" : old_words);
        EXPECT_EQ(g.dir.read("puntuaciones.txt"), first_run ? "" : old_scores);
    }
    g.steps.failing = Step::none;
    write.act(g);
    EXPECT_EQ(g.prompts.messages.size(), 1u);
    if (c.step != Step::sync_directory) { // else an added word is added once more
        EXPECT_EQ(g.dir.read(write.file).substr(0, write.start.size()), write.start);
    }
}

INSTANTIATE_TEST_SUITE_P(Disk, WriteFault, testing::ValuesIn(every_write_at_every_step()), CaseName{});

} // namespace
