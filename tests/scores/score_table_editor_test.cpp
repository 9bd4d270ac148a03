#include <gtest/gtest.h>

#include "memory_file_system.h"
#include "score_file.h"
#include "score_table_editor.h"
#include "scripted_prompts.h"

namespace {

struct RecordingView final : ScoreTableView {
    void show_cells(const ScoreCells& shown) override { cells = shown; }
    void show() override { open = true; }
    void close() override { open = false; }
    ScoreCells cells;
    bool open = false;
};

const std::string table = "Ana\r\n5000\r\nBea\r\n2000\r\nCid\r\n1000\r\n";

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

// The places above keep their entries, each one below takes the entry above it,
// and only Aceptar writes; the name is kept as the file can hold it.
TEST(ScoreTableEditor, RecordShiftsThePlacesBelowAndAceptarSavesIt)
{
    const struct {
        int place;
        std::u32string typed;
        ScoreCells cells;
    } records[] = {{1, U"Eva", {U"Eva", U"2000", U"Ana", U"5000", U"Bea", U"2000"}},
                   {2, U"Eva", {U"Ana", U"5000", U"Eva", U"2000", U"Bea", U"2000"}},
                   {3, U"", {U"Ana", U"5000", U"Bea", U"2000", U"", U"2000"}},
                   {3, U"Li 李\r\nA", {U"Ana", U"5000", U"Bea", U"2000", U"Li ?  A", U"2000"}}};
    for (const auto& r : records) {
        Editor e;
        e.record(r.place, 2000, r.typed);
        EXPECT_EQ(e.prompts.inputs, (std::vector<ScriptedPrompts::Input>{{U"Introduce tu nombre", U"Record", U""}}));
        EXPECT_EQ(e.view.cells, r.cells);
        EXPECT_TRUE(e.view.open);
        EXPECT_EQ(e.stored(), table);
        e.editor.accept();
        EXPECT_EQ(e.file.read_lines(6), std::vector<std::u32string>(r.cells.begin(), r.cells.end()));
        EXPECT_FALSE(e.view.open);
    }
}

TEST(ScoreTableEditor, ViewingThenAceptarLeavesTheFileAndBorrarIsFinal)
{
    Editor e;
    e.stored() = "Ana\r\n5000\r\nBea\r\n 2000\r\nCid\r\n1000\r\nEva\r\nmore";
    const std::string odd = e.stored();
    e.editor.open_for_viewing();
    EXPECT_EQ(e.view.cells, (ScoreCells{U"Ana", U"5000", U"Bea", U" 2000", U"Cid", U"1000"}));
    e.editor.accept();
    EXPECT_FALSE(e.view.open);
    EXPECT_EQ(e.stored(), odd);
    e.record(1, 9000, U"Eva");
    e.editor.erase(); // at once, and the window stays open
    EXPECT_EQ(e.view.cells, default_score_table());
    EXPECT_TRUE(e.view.open);
    e.editor.cancel();
    EXPECT_EQ(e.stored(), "Quiro\r\n1000\r\nQuiro\r\n1000\r\nQuiro\r\n1000\r\n");
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
