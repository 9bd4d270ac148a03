#include <gtest/gtest.h>

#include "add_words.h"
#include "fixed_random.h"
#include "memory_file_system.h"
#include "scripted_prompts.h"
#include "word_file.h"

namespace {

struct RecordingView final : AddWordsView {
    void show_text(const std::u32string& text, std::size_t caret) override { shown.emplace_back(text, caret); }
    void beep() override { ++beeps; }
    void close() override { closed = true; }
    std::vector<std::pair<std::u32string, std::size_t>> shown;
    int beeps = 0;
    bool closed = false;
};

struct Dialog {
    MemoryFileSystem files;
    FixedDirectory directory;
    FixedRandom random;
    WordFile words{files, directory, random};
    ScriptedPrompts prompts;
    RecordingView view;
    AddWords dialog{words, prompts, view};
    std::string& file() { return files.files[words.path()]; }
};

// Whatever is typed or pasted, the text keeps its first 20 characters, and the
// character typed stays while the text's last one goes. Mended: a paste of more
// than 21 characters slipped through.
TEST(AddWords, KeepsTheFirstTwentyCharactersAndBeepsWhenItCuts)
{
    const std::u32string twenty = U"abcdefghijklmnopqrst";
    const std::pair<std::u32string, std::u32string> changes[] = {
        {twenty, twenty}, {twenty + U"u", twenty}, {U"abcdeXfghijklmnopqrst", U"abcdeXfghijklmnopqrs"},
        {twenty + U"0123456789", twenty}, {U"", U""}};
    for (const auto& [typed, kept] : changes) {
        Dialog d;
        d.dialog.text_changed(typed, 6);
        EXPECT_EQ(d.dialog.text(), kept);
        EXPECT_EQ(d.view.beeps, typed == kept ? 0 : 1);
        EXPECT_EQ(d.view.shown.size(), typed == kept ? 0u : 1u);
    }
}

// Enter adds the word; an empty text or the stop sign adds nothing (mended: an
// empty text added an empty line, drawn later as a word); a word the file cannot
// hold keeps the dialog open with its text.
TEST(AddWords, AddsOneWordPerOpeningOrSaysWhyNot)
{
    const struct {
        std::u32string text;
        std::u32string keys;
        bool stop;
        std::string file_after;
        bool refused;
    } cases[] = {{U"CaMiÓn", U"a\r", false, "Sol\r\nCaMi\xD3n\r\n", false}, {U"", U"\r", false, "Sol\r\n", false},
                 {U"Pez", U"", true, "Sol\r\n", false},        {U"日本", U"\r", false, "Sol\r\n", true},
                 {U"Sol\nMar", U"\r", false, "Sol\r\n", true}};
    for (const auto& c : cases) {
        Dialog d;
        d.file() = "Sol\r\n";
        d.dialog.text_changed(c.text, c.text.size());
        for (char32_t key : c.keys)
            d.dialog.key_pressed(key);
        if (c.stop)
            d.dialog.stop();
        EXPECT_EQ(d.file(), c.file_after);
        EXPECT_EQ(d.view.closed, !c.refused);
        EXPECT_EQ(d.prompts.messages.size(), c.refused ? 1u : 0u);
        if (c.refused) {
            EXPECT_EQ(d.prompts.messages[0].text, U"La palabra contiene caracteres no válidos.");
            EXPECT_EQ(d.dialog.text(), c.text);
        }
    }
}

} // namespace
