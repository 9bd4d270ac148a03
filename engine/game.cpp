#include "game.h"

Game::Game(GameServices services) : m_services(services) {}

void Game::set_counts(std::u32string hits, std::u32string misses)
{
    m_board.hits_text = std::move(hits);
    m_board.misses_text = std::move(misses);
    notify(BoardPart::status_texts);
}

void Game::set_turn(std::u32string_view player)
{
    m_board.turn_text = player;
    notify(BoardPart::status_texts);
}

void Game::show_points(bool shown)
{
    m_board.points_shown = shown;
    notify(BoardPart::points);
}

void Game::notify(BoardPart part)
{
    m_services.view.changed(m_board, part);
}
