#include <gtest/gtest.h>

#include "case_name.h"
#include "memory_file_system.h"
#include "score_file.h"
#include "score_table_editor.h"
#include "scripted_prompts.h"

namespace {

class RecordingView final : public ScoreTableView {
public:
    void show_cells(const ScoreCells& shown) override { cells = shown; }
    void show() override { open = true; }
    void close() override { open = false; }

    ScoreCells cells;
    bool open = false;
};

const std::string table = "Ana\r\n5000\r\nBea\r\n2000\r\nCid\r\n1000\r\n";
const std::string default_table = "Quiro\r\n1000\r\nQuiro\r\n1000\r\nQuiro\r\n1000\r\n";

struct Editor {
    MemoryFileSystem files;
    FixedDirectory directory;
    ScoreFile file{files, directory};
    ScriptedPrompts prompts;
    RecordingView view;
    ScoreTableEditor editor{file, prompts, view};
    std::string& stored() { return files.files[file.path()]; }
    Editor() { stored() = table; }
    void record(int place, std::int32_t points, std::u32string name)
    {
        prompts.answers.push_back(std::move(name));
        editor.insert_record(place, points);
    }
};

struct RecordCase {
    const char* name;
    int place;
    std::u32string typed;
    ScoreCells cells;
};

class InsertRecord : public testing::TestWithParam<RecordCase> {};

TEST_P(InsertRecord, ShiftsThePlacesBelowAndAceptarSavesTheNameAsTheFileCanHoldIt)
{
    const auto& c = GetParam();
    Editor e;
    e.record(c.place, 2000, c.typed);
    EXPECT_EQ(e.prompts.inputs, (std::vector<ScriptedPrompts::Input>{{U"Introduce tu nombre", U"Record", U""}}));
    EXPECT_EQ(e.view.cells, c.cells);
    EXPECT_TRUE(e.view.open);
    EXPECT_EQ(e.stored(), table);

    e.editor.accept();
    EXPECT_EQ(e.file.read_lines(6), std::vector<std::u32string>(c.cells.begin(), c.cells.end()));
    EXPECT_FALSE(e.view.open);
}

INSTANTIATE_TEST_SUITE_P(
    Records, InsertRecord,
    testing::Values(
        RecordCase{"First", 1, U"Eva", {U"Eva", U"2000", U"Ana", U"5000", U"Bea", U"2000"}},
        RecordCase{"SecondOnATie", 2, U"Eva", {U"Ana", U"5000", U"Eva", U"2000", U"Bea", U"2000"}},
        RecordCase{"CancelledNameIsAnEmptyLine", 3, U"", {U"Ana", U"5000", U"Bea", U"2000", U"", U"2000"}},
        RecordCase{"UnstorableBecomeQuestionMarksAndBreaksBlanks", 3, U"Li 李\r\nA",
                   {U"Ana", U"5000", U"Bea", U"2000", U"Li ?  A", U"2000"}}),
    CaseName{});

TEST(ScoreTableEditor, ViewingThenAceptarLeavesAnOddFileAsItWas)
{
    Editor e;
    e.stored() = "Ana\r\n5000\r\nBea\r\n 2000\r\nCid\r\n1000\r\nEva\r\nmore";
    const std::string odd = e.stored();
    e.editor.open_for_viewing();
    EXPECT_EQ(e.view.cells, (ScoreCells{U"Ana", U"5000", U"Bea", U" 2000", U"Cid", U"1000"}));
    e.editor.accept();
    EXPECT_FALSE(e.view.open);
    EXPECT_EQ(e.stored(), odd);
}

TEST(ScoreTableEditor, BorrarIsFinalEvenAfterCancelarAndKeepsTheWindowOpen)
{
    Editor e;
    e.record(1, 9000, U"Eva");
    e.editor.erase();
    EXPECT_EQ(e.stored(), default_table);
    EXPECT_EQ(e.view.cells, default_score_table());
    EXPECT_TRUE(e.view.open);
    e.editor.cancel();
    EXPECT_FALSE(e.view.open);
    EXPECT_EQ(e.stored(), default_table);
}

// Mended: the title-bar close after a viewing left it viewing only, and Aceptar
// then threw the next record away.
TEST(ScoreTableEditor, RecordAfterAViewingClosedByTheTitleBarIsSaved)
{
    Editor e;
    e.editor.open_for_viewing();
    e.editor.closed();
    EXPECT_EQ(e.view.cells, default_score_table());
    e.record(1, 9000, U"Eva");
    e.record(1, 8000, U"Flo"); // replaces the unsaved first record
    e.editor.accept();
    EXPECT_EQ(e.stored(), "Flo\r\n8000\r\nAna\r\n5000\r\nBea\r\n2000\r\n");
}

} // namespace
