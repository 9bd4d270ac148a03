#include <gtest/gtest.h>

#include <cctype>

#include "engine/score_table_editor.h"
#include "platform/disk_file_system.h"
#include "scores/score_file.h"
#include "tests/support/scripted_prompts.h"
#include "tests/support/silent_views.h"
#include "tests/support/temporary_directory.h"

namespace {

// One copy of the game with its score window, over the folder both copies share.
struct Copy {
    Copy(FileSystem& files, const CurrentDirectory& folder, std::u32string name) : file(files, folder)
    {
        prompts.answers.push_back(std::move(name));
    }

    ScoreFile file;
    ScriptedPrompts prompts;
    SilentViews window;
    ScoreTableEditor editor{file, prompts, window};
};

// Steps: a lower-case letter opens that copy's name box for its record, an
// upper-case one presses its Aceptar. Then the file, and whether Ana was told her
// record no longer makes the table.
const struct Row {
    const char* steps;
    std::int32_t ana, bea;
    const char* file;
    bool ana_told;
} rows[] = {
    {"abBA", 4000, 6000, "Bea\r\n6000\r\nPep\r\n5000\r\nAna\r\n4000\r\n", false},
    {"abAB", 4000, 6000, "Bea\r\n6000\r\nPep\r\n5000\r\nAna\r\n4000\r\n", false},
    {"baAB", 9000, 5000, "Ana\r\n9000\r\nBea\r\n5000\r\nPep\r\n5000\r\n", false},
    {"abBA", 2000, 6000, "Bea\r\n6000\r\nPep\r\n5000\r\nLia\r\n3000\r\n", true},
};

TEST(TwoCopies, NoRecordThatBelongsInTheTableIsLost)
{
    for (const Row& row : rows) {
        TemporaryDirectory folder;
        folder.write("puntuaciones.txt", "Pep\r\n5000\r\nLia\r\n3000\r\nMax\r\n2000\r\n");
        DiskFileSystem files;
        Copy ana{files, folder, U"Ana"}, bea{files, folder, U"Bea"};
        for (const char step : std::string_view(row.steps)) {
            ASSERT_NE(std::string_view("aAbB").find(step), std::string_view::npos) << "no such step: " << step;
            Copy& copy = std::tolower(step) == 'a' ? ana : bea;
            const std::int32_t points = &copy == &ana ? row.ana : row.bea;
            if (std::islower(step))
                copy.editor.insert_record(record_place(score_table_of(copy.file.read_lines(6)), points), points);
            else
                copy.editor.accept();
        }
        EXPECT_EQ(folder.read("puntuaciones.txt"), row.file) << row.steps;
        EXPECT_EQ(ana.prompts.messages.size(), row.ana_told ? 1u : 0u) << row.steps;
    }
}

} // namespace
