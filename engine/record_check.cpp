#include <utility>

#include "engine/game.h"
#include "scores/score_file.h"
#include "scores/score_table_editor.h"

void Game::check_for_record()
{
    show_points(false);
    const int place = record_place(score_table_of(m_services.scores.read_lines(6)), m_state.score);
    // What the key said goes into the name box's title, which a screen reader
    // says as the box opens: said apart, the one would cut the other off.
    if (place != 0)
        m_services.score_table.insert_record(place, m_state.score, std::exchange(m_said, {}));
}
