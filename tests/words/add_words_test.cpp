#include <gtest/gtest.h>

#include "tests/support/memory_file_system.h"
#include "tests/support/scripted_prompts.h"
#include "tests/support/scripted_random.h"
#include "words/add_words.h"
#include "words/word_file.h"

namespace {

struct Dialog final : AddWordsView {
    MemoryFileSystem files;
    FixedDirectory directory;
    ScriptedRandom random;
    WordFile words{files, directory, random};
    ScriptedPrompts prompts;
    AddWords dialog{words, prompts, *this};
    std::u32string shown;
    int beeps = 0;
    bool closed = false;
    void show_text(const std::u32string& text, std::size_t) override { shown = text; }
    void beep() override { ++beeps; }
    void close() override { closed = true; }
    std::string& file() { return files.files[words.path()]; }
};

// Whatever is typed or pasted, the text keeps its first 20 characters, and the
// character typed stays while the text's last one goes. Mended: a paste of more
// than 21 characters slipped through.
TEST(AddWords, KeepsTheFirstTwentyCharactersAndBeepsWhenItCuts)
{
    const std::u32string twenty = U"abcdefghijklmnopqrst";
    const std::pair<std::u32string, std::u32string> changes[] = {{twenty, twenty},
                                                                 {twenty + U"u", twenty},
                                                                 {U"abcdeXfghijklmnopqrst", U"abcdeXfghijklmnopqrs"},
                                                                 {twenty + U"0123456789", twenty}};
    for (const auto& [typed, kept] : changes) {
        Dialog d;
        d.dialog.text_changed(typed, 6);
        EXPECT_EQ(d.dialog.text(), kept);
        EXPECT_EQ(d.shown, typed == kept ? U"" : kept);
        EXPECT_EQ(d.beeps, typed == kept ? 0 : 1);
    }
}

// Enter adds the word; an empty text or the stop sign adds nothing (mended: an
// empty text added an empty line, drawn later as a word); a word the file cannot
// hold keeps the dialog open with its text.
TEST(AddWords, AddsOneWordPerOpeningOrSaysWhyNot)
{
    const struct {
        std::u32string text;
        std::u32string keys; // "s": the stop sign
        std::string file_after;
        bool refused = false;
    } cases[] = {{U"CaMiÓn", U"a\r", "Sol\r\nCaMi\xD3n\r\n"},
                 {U"", U"\r", "Sol\r\n"},
                 {U"Pez", U"s", "Sol\r\n"},
                 {U"日本", U"\r", "Sol\r\n", true},
                 {U"Sol\nMar", U"\r", "Sol\r\n", true}};
    for (const auto& c : cases) {
        Dialog d;
        d.file() = "Sol\r\n";
        d.dialog.text_changed(c.text, c.text.size());
        for (char32_t key : c.keys)
            key == U's' ? d.dialog.stop() : d.dialog.key_pressed(key);
        EXPECT_EQ(d.file(), c.file_after);
        EXPECT_EQ(d.closed, !c.refused);
        EXPECT_EQ(d.prompts.messages.size(), c.refused ? 1u : 0u);
        if (c.refused) {
            EXPECT_EQ(d.prompts.messages[0].text, U"La palabra contiene caracteres no válidos.");
            EXPECT_EQ(d.dialog.text(), c.text);
        }
    }
}

} // namespace
