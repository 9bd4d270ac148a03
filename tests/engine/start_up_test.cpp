#include <gtest/gtest.h>

#include <cstring>

#include "game_harness.h"

namespace {

const std::string default_table = "Quiro\r\n1000\r\nQuiro\r\n1000\r\nQuiro\r\n1000\r\n";
const std::string records = "Ana\r\n9000\r\nLuis\r\n4000\r\nEva\r\n2000\r\n";

struct StartCase {
    const char* name;
    const char* words;  // nullptr: missing
    const char* scores; // nullptr: missing
    const char* scores_after;
};

class StartUp : public testing::TestWithParam<StartCase> {};

TEST_P(StartUp, FirstRunWritesOnlyWhatIsMissing)
{
    const StartCase& c = GetParam();
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

INSTANTIATE_TEST_SUITE_P(
    Directories, StartUp,
    testing::Values(StartCase{"EmptyDirectory", nullptr, nullptr, default_table.c_str()},
                    // Mended: the records used to be replaced by the default table.
                    StartCase{"RecordsKeptWhenOnlyTheWordsAreMissing", nullptr, records.c_str(), records.c_str()},
                    StartCase{"BothPresent", "Feo\r\n", records.c_str(), records.c_str()},
                    StartCase{"EmptyWordFile", "", records.c_str(), records.c_str()},
                    StartCase{"ScoresMissingBesideWords", "Feo\r\n", nullptr, ""}),
    CaseName{});

} // namespace
