#include <gtest/gtest.h>

#include <cstdlib>
#include <deque>
#include <random>
#include <sstream>

#include "add_words.h"
#include "cp1252.h"
#include "game_harness.h"
#include "game_invariants.h"
#include "line_reader.h"
#include "silent_views.h"

namespace {

const std::u32string typed_characters =
    U"abcdefghijklmnopqrstuvwxyzñáéíóúçABCDEFGHIJKLMNOPQRSTUVWXYZÑÁÉÍÓÚÇ0123456789 \r\b\x1b\tü€";

const std::vector<std::u32string> answers = {
    U"", U"0", U"1", U"2", U"3", U"30", U"31", U" 4 ", U"abc", U"Feo", U"ÁrBoL",
    U"abcdefghijklmnopqrstu", U"abcdefghijklmnopqrstuv", U"dos\r\nlíneas", U"ü 5 €"};

// RANDOM_PLAY_SEED=n plays the game of a failed run again.
unsigned chosen_seed()
{
    if (const char* seed = std::getenv("RANDOM_PLAY_SEED"))
        return static_cast<unsigned>(std::stoul(seed));
    return std::random_device{}();
}

std::string describe(char32_t c)
{
    return "key U+" + std::to_string(static_cast<unsigned>(c));
}

std::string broken_score_file(GameHarness& h)
{
    if (!h.files.files.contains(h.scores.path()))
        return {};
    LineReader lines{h.files.files[h.scores.path()], new_file_format};
    std::string_view line;
    int count = 0;
    while (lines.next(line))
        ++count;
    return count == 6 ? std::string{} : "score file has " + std::to_string(count) + " lines";
}

TEST(RandomPlay, TwoHundredThousandEventsKeepTheGameWhole)
{
    const unsigned seed = chosen_seed();
    std::mt19937 rng{seed};
    GameHarness h({U"Feo", U"", U"MaNteQuIlla", U"ÁrBoL", U"a b"});
    SilentViews add_view;
    std::deque<std::string> recent;
    auto pick = [&](std::size_t n) { return std::uniform_int_distribution<std::size_t>{0, n - 1}(rng); };

    for (int event = 0; event < 200'000; ++event) {
        std::string what;
        h.prompts.messages.clear();
        h.prompts.inputs.clear();
        h.prompts.answers = {answers[pick(answers.size())], answers[pick(answers.size())]};
        h.random.values = {std::uniform_real_distribution<double>{0, 1}(rng)};
        const std::size_t kind = pick(100);
        if (kind < 80) {
            const char32_t c = typed_characters[pick(typed_characters.size())];
            what = describe(c);
            h.game.on_key_press(c);
        } else if (kind < 90) {
            static constexpr void (Game::*commands[])() = {&Game::one_click, &Game::for_click, &Game::two_click,
                                                           &Game::five_click, &Game::tree_click};
            const std::size_t command = pick(5);
            what = "command " + std::to_string(command);
            (h.game.*commands[command])();
        } else if (kind < 93) {
            what = "queued F2";
            if (h.deferred.requests > 0) {
                --h.deferred.requests;
                h.game.one_click();
            }
        } else if (kind < 96) {
            AddWords dialog{h.words, h.prompts, add_view};
            const std::u32string& text = answers[pick(answers.size())];
            what = "add word " + std::to_string(text.size());
            dialog.text1_change(text, text.size());
            dialog.command1_click();
        } else {
            const std::size_t action = pick(5);
            what = "score window " + std::to_string(action);
            switch (action) {
            case 0: h.score_window.open_for_viewing(); break;
            case 1: h.score_window.command1_click(); break;
            case 2: h.score_window.command2_click(); break;
            case 3: h.score_window.command3_click(); break;
            default: h.score_window.closed(); break;
            }
        }
        recent.push_back(std::to_string(event) + ": " + what);
        if (recent.size() > 40)
            recent.pop_front();
        std::string broken = broken_invariant(h.state(), h.board());
        if (broken.empty())
            broken = broken_score_file(h);
        if (!broken.empty()) {
            std::ostringstream report;
            report << broken << "\nseed " << seed << ", last events:\n";
            for (const auto& line : recent)
                report << line << '\n';
            FAIL() << report.str();
        }
    }
}

} // namespace
