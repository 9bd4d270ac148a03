#include <gtest/gtest.h>

#include "case_name.h"

#include "add_words.h"
#include "disk_file_system.h"
#include "failing_steps.h"
#include "fixed_random.h"
#include "scripted_prompts.h"
#include "temporary_directory.h"
#include "word_file.h"

namespace {

class RecordingView final : public AddWordsView {
public:
    void show_text(const std::u32string& text, std::size_t caret) override {
        shown.emplace_back(text, caret);
    }
    void beep() override { ++beeps; }
    void close() override { closed = true; }

    std::vector<std::pair<std::u32string, std::size_t>> shown;
    int beeps = 0;
    bool closed = false;
};

class AddWordsTest : public testing::Test {
protected:
    TemporaryDirectory dir;
    FailingSteps steps{FailingSteps::Step::none};
    DiskFileSystem files{steps};
    FixedRandom random;
    WordFile words{files, dir, random};
    ScriptedPrompts prompts;
    RecordingView view;
    AddWords dialog{words, prompts, view};
};

const std::u32string twenty = U"abcdefghijklmnopqrst";

struct ChangeCase {
    const char* name;
    std::u32string text;
    std::size_t caret;
    std::u32string kept;
    int beeps;
};

class LengthRule : public AddWordsTest, public testing::WithParamInterface<ChangeCase> {};

TEST_P(LengthRule, KeepsTheFirstTwentyCharacters) {
    const auto& c = GetParam();
    dialog.text_changed(c.text, c.caret);
    EXPECT_EQ(dialog.text(), c.kept);
    EXPECT_EQ(view.beeps, c.beeps);
    if (c.beeps > 0)
        EXPECT_EQ(view.shown, (decltype(view.shown){{c.kept, 20}}));
    else
        EXPECT_TRUE(view.shown.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Changes, LengthRule,
    testing::Values(ChangeCase{"twenty_stay", twenty, 20, twenty, 0},
                    ChangeCase{"twenty_first_typed_at_the_end", twenty + U"u", 21, twenty, 1},
                    // The character typed stays; the last one of the text goes.
                    ChangeCase{"typed_in_the_middle", U"abcdeXfghijklmnopqrst", 6, U"abcdeXfghijklmnopqrs", 1},
                    // Pasted text once slipped through, since only exactly 21 characters were cut.
                    ChangeCase{"paste_of_thirty", twenty + U"0123456789", 30, twenty, 1},
                    ChangeCase{"deleted_to_empty", U"", 0, U"", 0}),
    CaseName{});

TEST_F(AddWordsTest, EnterAddsTheWordAndCloses) {
    dir.write("palabras.txt", "Sol\r\n");
    dialog.text_changed(U"CaMiÓn", 6);
    dialog.key_pressed(U'a');
    EXPECT_FALSE(view.closed);
    dialog.key_pressed(U'\r');
    EXPECT_EQ(dir.read("palabras.txt"), "Sol\r\nCaMi\xD3n\r\n");
    EXPECT_TRUE(view.closed);
    EXPECT_TRUE(prompts.messages.empty());
}

// An empty box once added an empty line, which the game then drew as a word.
TEST_F(AddWordsTest, EmptyTextAddsNothing) {
    dialog.add_word();
    EXPECT_TRUE(view.closed);
    EXPECT_TRUE(dir.entries().empty());
}

class RefusedText : public AddWordsTest, public testing::WithParamInterface<std::u32string> {};

TEST_P(RefusedText, KeepsTheDialogOpenWithItsText) {
    dir.write("palabras.txt", "Sol\r\n");
    dialog.text_changed(GetParam(), GetParam().size());
    dialog.add_word();
    EXPECT_EQ(prompts.messages, (std::vector<ScriptedPrompts::Message>{
                                    {U"La palabra contiene caracteres no válidos.", U"Error",
                                     MessageStyle::critical}}));
    EXPECT_FALSE(view.closed);
    EXPECT_EQ(dialog.text(), GetParam());
    EXPECT_EQ(dir.read("palabras.txt"), "Sol\r\n");
}

INSTANTIATE_TEST_SUITE_P(Texts, RefusedText,
                         testing::Values(U"日本", U"Pez\u2603", U"Sol\nMar", U"Sol\rMar"));

TEST_F(AddWordsTest, StopSignWritesNothing) {
    dialog.text_changed(U"Pez", 3);
    dialog.stop();
    EXPECT_TRUE(view.closed);
    EXPECT_TRUE(dir.entries().empty());
}

} // namespace
