#include "engine/add_words.h"

#include <utility>

#include "engine/prompts.h"
#include "engine/words_text.h"
#include "text/lower_case.h"
#include "words/word_file.h"

AddWords::AddWords(WordFile& words, Prompts& prompts, AddWordsView& view)
    : m_words(words), m_prompts(prompts), m_view(view)
{
}

// The caret does not matter: whatever was typed or pasted, the text keeps its
// first 20 characters.
void AddWords::text_changed(std::u32string text, std::size_t /*caret*/)
{
    m_text = std::move(text);
    if (m_text.size() <= max_length)
        return;
    m_text.resize(max_length);
    m_view.show_text(m_text, max_length);
    m_view.beep();
}

void AddWords::key_pressed(char32_t c)
{
    if (c == U'\r')
        add_word();
}

void AddWords::add_word()
{
    if (m_text.empty()) {
        m_view.close_dialog();
        return;
    }
    switch (m_words.append(m_text)) {
    case WordFile::Append::added:
        m_view.announce(std::u32string{words_text::word_added} + lower_case(m_text) + U".");
        m_view.close_dialog();
        break;
    case WordFile::Append::refused:
        m_prompts.error(words_text::invalid_characters);
        break;
    case WordFile::Append::failed:
        m_prompts.error(words_text::append_failed);
        break;
    }
}

void AddWords::stop()
{
    m_view.close_dialog();
}
