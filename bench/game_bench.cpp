#include <benchmark/benchmark.h>

#include "engine/game_core.h"
#include "engine/prompts.h"
#include "platform/current_directory.h"
#include "platform/file_system.h"
#include "platform/random_source.h"
#include "tests/support/silent_views.h"
#include "text/cp1252.h"

namespace {

const std::u32string letters = U"abcdefghijklmnopqrstuvwxyzñáéíóúç";

// A word file of one word.
struct OneWord final : FileSystem {
    std::string bytes;
    Read read(const std::filesystem::path&, std::string& read) override
    {
        read = bytes;
        return Read::ok;
    }
    bool missing(const std::filesystem::path&) override { return false; }
    bool replace(const std::filesystem::path&, std::string_view) override { return true; }
    void remove_leftovers(const std::filesystem::path&) override {}
};
struct Here final : CurrentDirectory {
    std::filesystem::path path() const override { return "."; }
};
struct Zero final : RandomSource {
    double next() override { return 0; }
};
// "X jugadores vs Ordenador" for three players.
struct ThreePlayers final : Prompts {
    void message(std::u32string_view, std::u32string_view, MessageStyle) override {}
    std::u32string input(std::u32string_view, std::u32string_view, std::u32string_view) override { return U"3"; }
};

// One typed letter, a hit, on a drawn word of `range(0)` characters, the 33
// letters over and over (21 of them for the short word); a fresh game of the
// same word just before the last letter would win it.
void BM_TypedLetter(benchmark::State& state)
{
    OneWord files;
    const auto length = static_cast<std::size_t>(state.range(0));
    const std::u32string typed = letters.substr(0, std::min(letters.size(), length));
    std::u32string word;
    while (word.size() < length)
        word += typed.substr(0, length - word.size());
    files.bytes = encode_cp1252(word).value() + "\r\n";
    Here here;
    Zero zero;
    ThreePlayers players;
    SilentViews view;
    GameCore core{files, here, zero, players, view, view, view};
    Game& game = core.game;
    std::size_t next = typed.size();
    for (auto _ : state) {
        if (next >= typed.size() - 1) {
            state.PauseTiming();
            game.new_game(Mode::several_against_computer);
            next = 0;
            state.ResumeTiming();
        }
        game.type_character(typed[next++]);
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_TypedLetter)->Arg(21)->Arg(1'000'000);

} // namespace

BENCHMARK_MAIN();
