#include <gtest/gtest.h>

#include "game_harness.h"

namespace {

const std::string default_table = "Quiro\r\n1000\r\nQuiro\r\n1000\r\nQuiro\r\n1000\r\n";
const std::string records = "Ana\r\n9000\r\nLuis\r\n4000\r\nEva\r\n2000\r\n";

struct StartCase {
    const char* name;
    const char* words;  // nullptr: missing
    const char* scores; // nullptr: missing
    bool words_created;
    const char* scores_after; // nullptr: still missing
};

class StartUp : public testing::TestWithParam<StartCase> {};

TEST_P(StartUp, FirstRunWritesOnlyWhatIsMissing)
{
    const StartCase& c = GetParam();
    GameHarness h;
    h.files.files.clear();
    h.files.leftovers_removed.clear();
    if (c.words)
        h.files.files[h.words.path()] = c.words;
    if (c.scores)
        h.files.files[h.scores.path()] = c.scores;
    h.game.on_main_window_load();

    const std::string words = h.files.files.contains(h.words.path()) ? h.files.files[h.words.path()] : "";
    if (c.words_created) {
        EXPECT_EQ(words.size(), 456u);
        EXPECT_EQ(words.substr(0, 14), "Calle\r\nCoChE\r\n");
    } else {
        EXPECT_EQ(words, c.words ? c.words : "");
    }
    EXPECT_EQ(h.files.files.contains(h.scores.path()), c.scores_after != nullptr);
    if (c.scores_after) {
        EXPECT_EQ(h.score_bytes(), c.scores_after);
    }
    EXPECT_EQ(h.files.leftovers_removed, (std::vector<std::filesystem::path>{h.words.path(), h.scores.path()}));
    EXPECT_TRUE(h.prompts.messages.empty());
    EXPECT_FALSE(h.state().guessing_on);
    EXPECT_EQ(h.state().current_player, 2);
    EXPECT_EQ(h.state().pair_turn, 3);
    EXPECT_EQ(h.state().last_setter, 3);
}

INSTANTIATE_TEST_SUITE_P(
    Directories, StartUp,
    testing::Values(StartCase{"EmptyDirectory", nullptr, nullptr, true, default_table.c_str()},
                    // Mended: the records used to be replaced by the default table.
                    StartCase{"RecordsKeptWhenOnlyTheWordsAreMissing", nullptr, records.c_str(), true, records.c_str()},
                    StartCase{"BothPresent", "Feo\r\n", records.c_str(), false, records.c_str()},
                    StartCase{"EmptyWordFile", "", records.c_str(), false, records.c_str()},
                    StartCase{"ScoresMissingBesideWords", "Feo\r\n", nullptr, false, nullptr}),
    CaseName{});

TEST(StartUp, ScoreWindowStartsNotViewing)
{
    GameHarness h;
    h.score_window.open_for_viewing();
    h.game.on_main_window_load();
    EXPECT_FALSE(h.score_window.bandera);
}

} // namespace
