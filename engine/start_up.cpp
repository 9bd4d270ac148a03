#include "engine/game.h"
#include "engine/prompts.h"
#include "engine/score_table_editor.h"
#include "engine/scores_text.h"
#include "engine/words_text.h"
#include "scores/score_file.h"
#include "words/word_file.h"

void Game::start_up()
{
    m_services.score_table.viewing_only = false;
    m_state.mode = Mode::one_player;
    m_state.next_setter = 2;

    // A copy of the game killed while saving may have left temporary files.
    m_services.words.remove_leftovers();
    m_services.scores.remove_leftovers();
    if (!m_services.words.missing())
        return;
    // First run. A score file already there holds real records: keep it.
    const bool words_written = m_services.words.create();
    const bool scores_written = !m_services.scores.missing() || m_services.scores.write(default_score_table());
    if (!words_written)
        m_services.prompts.error(words_text::create_failed);
    else if (!scores_written)
        m_services.prompts.error(scores_text::save_failed);
}
