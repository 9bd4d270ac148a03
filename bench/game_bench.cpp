#include <benchmark/benchmark.h>

#include "current_directory.h"
#include "file_system.h"
#include "game_core.h"
#include "prompts.h"
#include "random_source.h"
#include "silent_views.h"

namespace {

const std::u32string word = U"ábcdéfghíjklmñópqrstú";

struct NoFiles final : FileSystem {
    Read read(const std::filesystem::path&, std::string&) override { return Read::missing; }
    bool missing(const std::filesystem::path&) override { return true; }
    bool replace(const std::filesystem::path&, std::string_view) override { return true; }
    void remove_leftovers(const std::filesystem::path&) override {}
};
struct Here final : CurrentDirectory {
    std::filesystem::path path() const override { return "."; }
};
struct Zero final : RandomSource {
    double next() override { return 0; }
};
// "X jugadores": three players and the 21-letter word.
struct Answers final : Prompts {
    bool count_next = true;
    void message(std::u32string_view, std::u32string_view, MessageStyle) override {}
    std::u32string input(std::u32string_view, std::u32string_view, std::u32string_view) override
    {
        count_next = !count_next;
        return count_next ? word : U"3";
    }
};
// One typed letter on a 21-letter word, a hit; every 20 letters a fresh word.
void BM_TypedLetter(benchmark::State& state)
{
    NoFiles files;
    Here here;
    Zero zero;
    Answers answers;
    SilentViews view;
    GameCore core{files, here, zero, answers, view, view, view};
    Game& game = core.game;
    std::size_t next = word.size();
    for (auto _ : state) {
        if (next >= word.size() - 1) {
            game.five_click();
            next = 0;
        }
        game.on_key_press(word[next++]);
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_TypedLetter);

} // namespace

BENCHMARK_MAIN();
