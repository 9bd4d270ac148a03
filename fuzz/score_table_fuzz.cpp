// Any score file reads as three places, and a lost word takes a place only where its
// points reach it. The first byte gives the words won before the loss.
#include <cstdint>
#include <cstdlib>

#include "engine/game_core.h"
#include "tests/support/memory_file_system.h"
#include "tests/support/scripted_prompts.h"
#include "tests/support/scripted_random.h"
#include "tests/support/silent_views.h"
#include "text/decimal.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size == 0)
        return 0;
    MemoryFileSystem files;
    FixedDirectory directory;
    ScriptedRandom random;
    ScriptedPrompts prompts;
    prompts.answers = {U"x"};
    SilentViews view;
    GameCore core{files, directory, random, prompts, view, view, view};
    files.files[core.scores.path()] = std::string{reinterpret_cast<const char*>(data) + 1, size - 1};
    files.files[core.words.path()] = "a\r\n";

    const std::vector<std::u32string> table = core.scores.read_lines(6);
    if (table.size() != 6 || core.scores.read_lines(4) != std::vector(table.begin(), table.begin() + 4))
        std::abort();
    const std::int64_t points = data[0] % 8 * 1000;
    int expected = 0;
    for (int place = 3; place >= 1; --place) {
        const auto stored = whole_number(table[static_cast<std::size_t>(2 * place - 1)]);
        if (!stored)
            std::abort();
        if (points >= *stored)
            expected = place;
    }

    core.game.start_up();
    core.game.new_one_player_game();
    for (int i = 0; i < data[0] % 8; ++i)
        core.game.type_character(U'a');
    for (char32_t miss : std::u32string_view{U"bcdefghij"})
        core.game.type_character(miss);
    if (prompts.inputs.size() != (expected ? 1u : 0u))
        std::abort();
    const auto at = static_cast<std::size_t>(2 * expected - 2);
    if (expected && (core.score_table.cells()[at] != U"x" || whole_number(core.score_table.cells()[at + 1]) != points))
        std::abort();
    return 0;
}
