#include <gtest/gtest.h>

#include <cstring>

#include "game_harness.h"

namespace {

const std::string default_table = "Quiro\r\n1000\r\nQuiro\r\n1000\r\nQuiro\r\n1000\r\n";
const std::string records = "Ana\r\n9000\r\nLuis\r\n4000\r\nEva\r\n2000\r\n";

// A missing word file is a first run: the built-in words, and the default table
// unless records are there (mended: they were replaced).
TEST(StartUp, FirstRunWritesOnlyWhatIsMissing)
{
    const struct {
        const char* words;  // nullptr: missing
        const char* scores; // nullptr: missing
        std::string scores_after;
    } cases[] = {{nullptr, nullptr, default_table}, {nullptr, records.c_str(), records},
                 {"Feo\r\n", records.c_str(), records}, {"", records.c_str(), records}, {"Feo\r\n", nullptr, ""}};
    for (const auto& c : cases) {
        GameHarness h;
        h.score_table.open_for_viewing();
        h.files.files.clear();
        h.files.leftovers_removed.clear();
        if (c.words)
            h.file("palabras.txt") = c.words;
        if (c.scores)
            h.file("puntuaciones.txt") = c.scores;
        h.game.start_up();
        const std::string words = h.file("palabras.txt");
        EXPECT_EQ(words.size(), c.words ? std::strlen(c.words) : 456u);
        EXPECT_EQ(words.substr(0, 14), c.words ? c.words : "Calle\r\nCoChE\r\n");
        EXPECT_EQ(h.file("puntuaciones.txt"), c.scores_after);
        EXPECT_EQ(h.files.leftovers_removed, (std::vector<std::filesystem::path>{h.core.words.path(), h.core.scores.path()}));
        EXPECT_TRUE(h.prompts.messages.empty());
        EXPECT_FALSE(h.score_table.viewing_only);
        EXPECT_EQ(h.state().current_player, 2);
        EXPECT_EQ(h.state().pair_turn, 3);
        EXPECT_EQ(h.state().last_setter, 3);
    }
}

} // namespace
