#include <gtest/gtest.h>

#include <optional>

#include "scores/score_file.h"
#include "scores/score_table_editor.h"
#include "tests/support/memory_file_system.h"
#include "tests/support/scripted_prompts.h"

namespace {

using Lines = std::vector<std::u32string>;
const std::string table = "Ana\r\n5000\r\nBea\r\n2000\r\nCid\r\n1000\r\n";

struct Scores final : ScoreTableView {
    MemoryFileSystem files;
    FixedDirectory directory;
    ScoreFile file{files, directory};
    ScriptedPrompts prompts;
    ScoreTableEditor editor{file, prompts, *this};
    ScoreCells cells;
    bool open = false;
    void show_cells(const ScoreCells& shown) override { cells = shown; }
    void show() override { open = true; }
    void close() override { open = false; }
    std::string& stored() { return files.files[file.path()]; }
    void record(int place, std::int32_t points, std::u32string name)
    {
        prompts.answers.push_back(std::move(name));
        editor.insert_record(place, points);
    }
};

// A place the file does not hold whole, or whose score is no number, reads as the
// default one, so the record check always has numbers to compare with.
TEST(ScoreFile, ReadsWholePlacesOrTheDefaultAndNeverWrites)
{
    const struct {
        std::optional<std::string> file;
        int n;
        Lines lines;
    } reads[] = {{std::nullopt, 6, {U"Quiro", U"1000", U"Quiro", U"1000", U"Quiro", U"1000"}},
                 {table + "Eva\r\n9000\r\n", 6, {U"Ana", U"5000", U"Bea", U"2000", U"Cid", U"1000"}},
                 {table, 4, {U"Ana", U"5000", U"Bea", U"2000"}},
                 {"Ana\r\n3000\r\nBea", 6, {U"Ana", U"3000", U"Quiro", U"1000", U"Quiro", U"1000"}},
                 {"Ana\r\nabc\r\nBea\r\n2000\r\n", 4, {U"Quiro", U"1000", U"Bea", U"2000"}},
                 {"\r\n 3000\r\nNu\xF1"
                  "ez\r\n2000\r\n",
                  4,
                  {U"", U" 3000", U"Nuñez", U"2000"}},
                 {"Nu\xC3\xB1"
                  "ez\n3000\n",
                  2,
                  {U"Nuñez", U"3000"}}};
    for (const auto& r : reads) {
        Scores s;
        if (r.file)
            s.stored() = *r.file;
        EXPECT_EQ(s.file.read_lines(r.n), r.lines) << r.file.value_or("none");
        EXPECT_EQ(s.files.files.size(), r.file ? 1u : 0u);
    }
}

// The places above keep their entries, each one below takes the entry above it,
// and only Aceptar writes, in Windows-1252, the name as the file can hold it.
TEST(ScoreTableEditor, RecordShiftsThePlacesBelowAndAceptarSavesIt)
{
    const struct {
        int place;
        std::u32string typed;
        ScoreCells cells;
        std::string saved;
    } records[] = {
        {1, U"Eva", {U"Eva", U"2000", U"Ana", U"5000", U"Bea", U"2000"}, "Eva\r\n2000\r\nAna\r\n5000\r\nBea"},
        {2, U"Eva", {U"Ana", U"5000", U"Eva", U"2000", U"Bea", U"2000"}, "Ana\r\n5000\r\nEva\r\n2000\r\nBea"},
        {3, U"", {U"Ana", U"5000", U"Bea", U"2000", U"", U"2000"}, "Ana\r\n5000\r\nBea\r\n2000\r\n\r\n"},
        {3,
         U"Mª Li 李\r\nA",
         {U"Ana", U"5000", U"Bea", U"2000", U"Mª Li ?  A", U"2000"},
         "Ana\r\n5000\r\nBea\r\n2000\r\nM\xAA Li ?  A\r\n2000\r\n"}};
    for (const auto& r : records) {
        Scores s;
        s.stored() = table;
        s.record(r.place, 2000, r.typed);
        EXPECT_EQ(s.prompts.inputs, (std::vector<ScriptedPrompts::Input>{{U"Introduce tu nombre", U"Record", U""}}));
        EXPECT_EQ(s.cells, r.cells);
        EXPECT_TRUE(s.open);
        EXPECT_EQ(s.stored(), table);
        s.editor.accept();
        EXPECT_TRUE(s.stored().starts_with(r.saved)) << s.stored();
        EXPECT_EQ(s.file.read_lines(6), Lines(r.cells.begin(), r.cells.end()));
        EXPECT_FALSE(s.open);
    }
}

TEST(ScoreTableEditor, ViewingThenAceptarLeavesTheFileAndBorrarIsFinal)
{
    Scores s;
    s.stored() = "Ana\r\n5000\r\nBea\r\n 2000\r\nCid\r\n1000\r\nEva\r\nmore";
    const std::string odd = s.stored();
    s.editor.open_for_viewing();
    EXPECT_EQ(s.cells, (ScoreCells{U"Ana", U"5000", U"Bea", U" 2000", U"Cid", U"1000"}));
    s.editor.accept();
    EXPECT_FALSE(s.open);
    EXPECT_EQ(s.stored(), odd);
    s.record(1, 9000, U"Eva");
    s.editor.erase(); // at once, and the window stays open
    EXPECT_EQ(s.cells, default_score_table());
    EXPECT_TRUE(s.open);
    s.editor.cancel();
    EXPECT_EQ(s.stored(), "Quiro\r\n1000\r\nQuiro\r\n1000\r\nQuiro\r\n1000\r\n");
}

// Mended: the title-bar close after a viewing left it viewing only, and Aceptar
// then threw the next record away.
TEST(ScoreTableEditor, RecordAfterAViewingClosedByTheTitleBarIsSaved)
{
    Scores s;
    s.stored() = table;
    s.editor.open_for_viewing();
    s.editor.closed();
    EXPECT_EQ(s.cells, default_score_table());
    s.record(1, 9000, U"Eva");
    s.record(1, 8000, U"Flo"); // replaces the unsaved first record
    s.editor.accept();
    EXPECT_EQ(s.stored(), "Flo\r\n8000\r\nAna\r\n5000\r\nBea\r\n2000\r\n");
}

} // namespace
