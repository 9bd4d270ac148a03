#include "game_harness.h"

#include <algorithm>

#include "cp1252.h"
#include "decimal.h"

double ScriptedRandom::next()
{
    if (values.empty())
        return 0.0;
    double value = values.front();
    values.pop_front();
    return value;
}

GameHarness::GameHarness(const std::vector<std::u32string>& word_lines)
{
    set_words(word_lines);
    file("puntuaciones.txt") = "Quiro\r\n1000\r\nQuiro\r\n1000\r\nQuiro\r\n1000\r\n";
    game.start_up();
}

void GameHarness::set_words(const std::vector<std::u32string>& word_lines)
{
    std::string bytes;
    for (const std::u32string& word : word_lines)
        bytes += encode_cp1252(word).value() + "\r\n";
    file("palabras.txt") = bytes;
}

void GameHarness::play(std::u32string_view script)
{
    static constexpr void (Game::*commands[])() = {
        &Game::new_one_player_game, &Game::new_two_player_game, &Game::new_pair_against_computer_game,
        &Game::new_several_player_game, &Game::new_several_player_against_computer_game};
    while (!script.empty()) {
        if (script.starts_with(U"<F") && script.size() >= 4 && script[3] == U'>') {
            (game.*commands[script[2] - U'2'])();
            script.remove_prefix(4);
        } else {
            game.type_character(script.front());
            script.remove_prefix(1);
        }
    }
}

std::u32string GameHarness::seen() const
{
    const Board& b = board();
    std::u32string slots;
    for (std::size_t i = 0; i < std::min<std::size_t>(b.slots.size(), 30); ++i)
        slots += b.slots.shown(i);
    const auto pieces = std::count(b.pieces.begin(), b.pieces.end(), true);
    return U"[" + slots + U"] right " + b.right_letters + U" wrong " + b.wrong_letters + U" pieces " +
           decimal(pieces) + U" | " + b.hits_text + U" | " + b.misses_text + U" | " + b.turn_text + U" | " +
           (b.points_shown ? b.points : U"-") + U" | score " + decimal(state().score) +
           (state().guessing_on ? U"" : U" | over");
}

std::u32string GameHarness::boxes() const
{
    std::u32string all;
    for (const auto& input : prompts.inputs)
        all += U"?" + input.title + U" ";
    for (const auto& message : prompts.messages)
        all += U"[" + message.title + U"] " + message.text + U" ";
    return all;
}
