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
    virtual void close_dialog() = 0;
    // What the dialog did, said by a screen reader.
    virtual void announce(std::u32string_view /*text*/) {}
};

// The add-words dialog: one word of at most 20 characters per opening.
class AddWords {
public:
    static constexpr std::size_t max_length = 20;

    AddWords(WordFile& words, Prompts& prompts, AddWordsView& view);

    // The text box changed, by typing, pasting or deleting; caret is where the cursor stands.
    void text_changed(std::u32string text, std::size_t caret);
    // A character typed in the text box: Enter adds the word.
    void key_pressed(char32_t c);
    // "Añadir palabras": appends the word and closes, or keeps the dialog open with a message.
    void add_word();
    // The stop sign: closes without adding.
    void stop();

    const std::u32string& text() const { return m_text; }

private:
    WordFile& m_words;
    Prompts& m_prompts;
    AddWordsView& m_view;
    std::u32string m_text;
};
