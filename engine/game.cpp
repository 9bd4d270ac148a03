#include "game.h"


Game::Game(GameServices services) : m_services(services) {}

void Game::show_picture(int k)
{
    m_board.Image9.at(static_cast<std::size_t>(k)) = true;
    notify(BoardPart::Image9);
}

void Game::add_line(std::vector<std::u32string>& list, BoardPart part, std::u32string_view line)
{
    list.emplace_back(line);
    notify(part);
}

void Game::set_panel(int n, std::u32string text)
{
    m_board.set_panel(n, std::move(text));
    notify(BoardPart::status_bar);
}

void Game::show_score_display(bool visible)
{
    m_board.Label3_visible = visible;
    m_board.Label4_visible = visible;
    notify(BoardPart::score_display);
}

void Game::notify(BoardPart part)
{
    m_services.view.changed(m_board, part);
}
