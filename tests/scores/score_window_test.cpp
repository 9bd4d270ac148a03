#include <gtest/gtest.h>

#include "case_name.h"

#include "disk_file_system.h"
#include "failing_steps.h"
#include "score_file.h"
#include "score_window.h"
#include "scripted_prompts.h"
#include "temporary_directory.h"

namespace {

class RecordingView final : public ScoreWindowView {
public:
    void show_cells(const ScoreCells& shown) override { cells = shown; }
    void show() override { open = true; }
    void close() override { open = false; }

    ScoreCells cells;
    bool open = false;
};

const std::string table = "Ana\r\n5000\r\nBea\r\n2000\r\nCid\r\n1000\r\n";
const std::string default_table = "Quiro\r\n1000\r\nQuiro\r\n1000\r\nQuiro\r\n1000\r\n";
const std::string eva_first = "Eva\r\n9000\r\nAna\r\n5000\r\nBea\r\n2000\r\n";

class ScoreWindowTest : public testing::Test {
protected:
    ScoreWindowTest() { dir.write("puntuaciones.txt", table); }

    TemporaryDirectory dir;
    FailingSteps steps{FailingSteps::Step::none};
    DiskFileSystem files{steps};
    ScoreFile file{files, dir};
    ScriptedPrompts prompts;
    RecordingView view;
    ScoreWindow window{file, prompts, view};

    std::string stored() const { return dir.read("puntuaciones.txt"); }
    // A record the window is handed after the user typed name.
    void record(int place, std::int32_t points, std::u32string name) {
        prompts.answers.push_back(std::move(name));
        window.insert_record(place, points);
    }
};

struct RecordCase {
    const char* name;
    int place;
    std::int32_t points;
    std::u32string typed;
    ScoreCells cells;
};

class InsertRecord : public ScoreWindowTest, public testing::WithParamInterface<RecordCase> {};

TEST_P(InsertRecord, ShiftsThePlacesBelowAndAceptarSavesTheNameAsTheFileCanHoldIt) {
    const auto& c = GetParam();
    record(c.place, c.points, c.typed);
    EXPECT_EQ(prompts.inputs, (std::vector<ScriptedPrompts::Input>{{U"Introduce tu nombre", U"Record", U""}}));
    EXPECT_EQ(view.cells, c.cells);
    EXPECT_TRUE(view.open);
    EXPECT_EQ(stored(), table);

    window.command2_click();
    EXPECT_EQ(file.read_lines(6), std::vector<std::u32string>(c.cells.begin(), c.cells.end()));
    EXPECT_FALSE(view.open);
    EXPECT_FALSE(window.bandera);
}

INSTANTIATE_TEST_SUITE_P(
    Records, InsertRecord,
    testing::Values(
        RecordCase{"first", 1, 6000, U"Eva", {U"Eva", U"6000", U"Ana", U"5000", U"Bea", U"2000"}},
        RecordCase{"second_on_a_tie", 2, 2000, U"Eva", {U"Ana", U"5000", U"Eva", U"2000", U"Bea", U"2000"}},
        RecordCase{"third", 3, 1500, U"Eva", {U"Ana", U"5000", U"Bea", U"2000", U"Eva", U"1500"}},
        RecordCase{"cancelled_name_is_an_empty_line", 2, 2000, U"",
                   {U"Ana", U"5000", U"", U"2000", U"Bea", U"2000"}},
        RecordCase{"unstorable_become_question_marks", 3, 1500, U"Li 李☃",
                   {U"Ana", U"5000", U"Bea", U"2000", U"Li ??", U"1500"}},
        RecordCase{"line_breaks_become_blanks", 3, 1500, U"Ana\r\nMar\ria",
                   {U"Ana", U"5000", U"Bea", U"2000", U"Ana  Mar ia", U"1500"}}),
    CaseName{});

TEST_F(ScoreWindowTest, ViewingThenAceptarLeavesTheFileAsItWas) {
    const std::string odd = "Ana\r\n5000\r\nBea\r\n 2000\r\nCid\r\n1000\r\nEva\r\nmore";
    dir.write("puntuaciones.txt", odd);
    window.open_for_viewing();
    EXPECT_TRUE(window.bandera);
    EXPECT_TRUE(view.open);
    EXPECT_EQ(view.cells, (ScoreCells{U"Ana", U"5000", U"Bea", U" 2000", U"Cid", U"1000"}));
    window.command2_click();
    EXPECT_FALSE(window.bandera);
    EXPECT_FALSE(view.open);
    EXPECT_EQ(stored(), odd);
}

TEST_F(ScoreWindowTest, BorrarIsFinalEvenAfterCancelar) {
    window.open_for_viewing();
    window.command3_click();
    EXPECT_EQ(stored(), default_table);
    EXPECT_EQ(view.cells, default_score_table());
    EXPECT_TRUE(view.open);
    EXPECT_TRUE(window.bandera);
    window.command1_click();
    EXPECT_FALSE(window.bandera);
    EXPECT_EQ(stored(), default_table);
}

TEST_F(ScoreWindowTest, CancelarDropsTheRecord) {
    record(1, 9000, U"Eva");
    window.command1_click();
    EXPECT_FALSE(view.open);
    EXPECT_EQ(stored(), table);
}

// The title-bar close after a viewing once left bandera set, and the next record
// was then thrown away by Aceptar.
TEST_F(ScoreWindowTest, RecordAfterViewingClosedByTheTitleBarIsSaved) {
    window.open_for_viewing();
    window.closed();
    EXPECT_EQ(view.cells, default_score_table());
    record(1, 9000, U"Eva");
    window.command2_click();
    EXPECT_EQ(stored(), eva_first);
}

TEST_F(ScoreWindowTest, SecondRecordReplacesAnUnsavedFirst) {
    record(1, 9000, U"Eva");
    record(2, 2000, U"Flo");
    EXPECT_EQ(window.cells(), (ScoreCells{U"Ana", U"5000", U"Flo", U"2000", U"Bea", U"2000"}));
}

} // namespace
