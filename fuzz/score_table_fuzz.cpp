// Any score file reads as three places, and a lost word takes a place only where its
// points reach it. The first byte gives the words won before the loss.
#include <cstdint>
#include <cstdlib>
#include <deque>
#include <string>

#include "decimal.h"
#include "game_core.h"
#include "memory_file_system.h"
#include "prompts.h"
#include "random_source.h"
#include "score_file.h"
#include "score_table.h"
#include "score_table_editor.h"
#include "silent_views.h"
#include "word_file.h"

namespace {

struct Zero final : RandomSource {
    double next() override { return 0; }
};
struct Asked final : Prompts {
    int names_asked = 0;
    void message(std::u32string_view, std::u32string_view, MessageStyle) override {}
    std::u32string input(std::u32string_view, std::u32string_view, std::u32string_view) override
    {
        ++names_asked;
        return U"x";
    }
};
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size == 0)
        return 0;
    MemoryFileSystem files;
    FixedDirectory directory;
    Zero zero;
    Asked prompts;
    SilentViews view;
    GameCore core{files, directory, zero, prompts, view, view, view};
    const ScoreFile& scores = core.scores;
    files.files[scores.path()] = std::string{reinterpret_cast<const char*>(data) + 1, size - 1};
    files.files[core.words.path()] = "a\r\n";

    const std::vector<std::u32string> table = scores.read_lines(6);
    if (table.size() != 6 || scores.read_lines(2) != std::vector(table.begin(), table.begin() + 2) ||
        scores.read_lines(4) != std::vector(table.begin(), table.begin() + 4))
        std::abort();
    std::int64_t stored[3];
    for (int place = 0; place < 3; ++place) {
        const auto value = whole_number(table[static_cast<std::size_t>(2 * place + 1)]);
        if (!value)
            std::abort();
        stored[place] = *value;
    }

    Game& game = core.game;
    game.start_up();
    game.new_one_player_game();
    const int won = data[0] % 8;
    for (int i = 0; i < won; ++i)
        game.type_character(U'a');
    for (char32_t miss : std::u32string_view{U"bcdefghij"})
        game.type_character(miss);

    const std::int64_t points = won * 1000;
    int expected = 0;
    for (int place = 3; place >= 1; --place) {
        if (points >= stored[place - 1])
            expected = place;
    }
    if (prompts.names_asked != (expected ? 1 : 0))
        std::abort();
    if (expected) {
        const ScoreCells& cells = core.score_table.cells();
        const auto at = static_cast<std::size_t>(2 * expected - 2);
        if (cells[at] != U"x" || whole_number(cells[at + 1]) != points)
            std::abort();
    }
    return 0;
}
