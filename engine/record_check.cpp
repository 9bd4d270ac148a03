#include "engine/game.h"
#include "scores/score_file.h"
#include "scores/score_table_editor.h"
#include "text/decimal.h"

void Game::check_for_record()
{
    show_points(false);
    // Place k is reached when the points equal or beat the score on line 2k;
    // the file is read afresh for each place, as far as that place.
    for (int place = 1; place <= 3; ++place) {
        const std::vector<std::u32string> lines = m_services.scores.read_lines(2 * place);
        const auto stored = whole_number(lines.at(static_cast<std::size_t>(2 * place - 1)));
        if (stored && m_state.score >= *stored) {
            m_services.score_table.insert_record(place, m_state.score);
            return;
        }
    }
}
