#include "game_harness.h"

#include "cp1252.h"

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
    set_scores("Quiro\r\n1000\r\nQuiro\r\n1000\r\nQuiro\r\n1000\r\n");
    game.on_main_window_load();
}

void GameHarness::set_words(const std::vector<std::u32string>& word_lines)
{
    std::string bytes;
    for (const std::u32string& word : word_lines)
        bytes += encode_cp1252(word).value() + "\r\n";
    files.files[words.path()] = bytes;
}

void GameHarness::set_scores(const std::string& bytes)
{
    files.files[scores.path()] = bytes;
}

std::string GameHarness::score_bytes() const
{
    return files.files.at(scores.path());
}

void GameHarness::type(std::u32string_view characters)
{
    for (char32_t c : characters)
        game.on_key_press(c);
}

void GameHarness::score_and_lose(int words_won)
{
    set_words({U"a"});
    game.one_click();
    for (int i = 0; i < words_won; ++i)
        type(U"a");
    type(U"bcdefghij");
}
