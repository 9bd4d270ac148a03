#pragma once
#include <cstddef>
#include <string>

class Prompts;
class WordFile;

// What the add-words dialog shows.
class AddWordsView {
public:
    virtual ~AddWordsView() = default;
    virtual void show_text(const std::u32string& text, std::size_t caret) = 0;
    virtual void beep() = 0;
    virtual void close() = 0;
};

// The add-words dialog: one word of at most 20 characters per opening.
class AddWords {
public:
    static constexpr std::size_t max_length = 20;

    AddWords(WordFile& words, Prompts& prompts, AddWordsView& view);

    // Text1 changed, by typing, pasting or deleting; caret is where the cursor stands.
    void text1_change(std::u32string text, std::size_t caret);
    // A character typed in Text1: Enter adds the word.
    void text1_key_press(char32_t c);
    // "Añadir palabras": appends the word and closes, or keeps the dialog open with a message.
    void command1_click();
    // The stop sign: closes without adding.
    void command2_click();

    const std::u32string& text() const { return m_text; }

private:
    WordFile& m_words;
    Prompts& m_prompts;
    AddWordsView& m_view;
    std::u32string m_text;
};
