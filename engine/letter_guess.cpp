#include <algorithm>

#include "game.h"
#include "letters.h"
#include "game_messages.h"
#include "prompts.h"

namespace {
bool has_line(const std::vector<std::u32string>& list, std::u32string_view line)
{
    return std::find(list.begin(), list.end(), line) != list.end();
}
} // namespace

void Game::on_key_press(char32_t c)
{
    // After a lost word next_picture is -1: a further miss would ask for a piece
    // that does not exist.
    if (!m_state.guessing_on)
        return;
    m_state.letter_found = false;
    if (auto letter = find_letter(c)) {
        if (guess_letter(*letter) == Guess::stop)
            return;
    }
    if (!m_state.guessing_on)
        check_for_record();
    check_word();
}

Game::Guess Game::guess_letter(const Letter& letter)
{
    for (std::size_t i = 0; i < m_board.Label1.size(); ++i) {
        const std::u32string& caption = m_board.Label1[i];
        if (caption == letter.upper || caption == letter.lower) {
            m_board.Label2[i] = caption;
            m_state.letter_found = true;
        }
    }
    if (m_state.letter_found) {
        notify(BoardPart::letters);
        m_state.letter_found = false;
        if (has_line(m_board.List1, letter.lower))
            return Guess::stop;
        add_line(m_board.List1, BoardPart::List1, letter.lower);
        return Guess::go_on;
    }
    if (has_line(m_board.List2, letter.lower))
        return Guess::stop;
    show_picture(m_state.next_picture);
    --m_state.next_picture;
    if (m_state.next_picture == -1) {
        std::u32string text{game_text::lost};
        text += m_state.hidden_word;
        m_services.prompts.message(text, game_text::lost_title, MessageStyle::information);
        m_state.guessing_on = false;
    }
    add_line(m_board.List2, BoardPart::List2, letter.lower);
    return Guess::go_on;
}
