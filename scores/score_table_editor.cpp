#include "scores/score_table_editor.h"

#include <algorithm>
#include <string>

#include "platform/prompts.h"
#include "scores/score_file.h"
#include "scores/scores_text.h"
#include "text/decimal.h"
#include "text/storable_line.h"

ScoreTableEditor::ScoreTableEditor(ScoreFile& file, Prompts& prompts, ScoreTableView& view)
    : m_file(file), m_prompts(prompts), m_view(view), m_cells(default_score_table())
{
}

void ScoreTableEditor::set_cells(const ScoreCells& cells)
{
    m_cells = cells;
    m_view.show_cells(m_cells);
}

void ScoreTableEditor::open_for_viewing()
{
    viewing_only = true;
    const auto lines = m_file.read_lines(6);
    ScoreCells cells;
    std::copy(lines.begin(), lines.end(), cells.begin());
    set_cells(cells);
    m_view.show();
}

// The places above the record keep their entries and each place below it takes
// the entry of the place above, so the old third place drops out.
void ScoreTableEditor::insert_record(int place, std::int32_t points)
{
    if (place < 1 || place > 3)
        return;
    const auto name = as_storable_line(
        m_prompts.input(scores_text::name_prompt, scores_text::name_title, std::u32string_view{}), new_file_format);
    const auto lines = m_file.read_lines(4);
    ScoreCells cells;
    for (int k = 1; k <= 3; ++k) {
        const auto cell = static_cast<std::size_t>(2 * k - 2);
        if (k == place) {
            cells[cell] = name;
            cells[cell + 1] = decimal(points);
        } else {
            const auto from = static_cast<std::size_t>(2 * (k < place ? k : k - 1) - 2);
            cells[cell] = lines[from];
            cells[cell + 1] = lines[from + 1];
        }
    }
    // A record must reach the file even when an earlier viewing was closed by
    // the title bar and so left viewing_only set.
    viewing_only = false;
    set_cells(cells);
    m_view.show();
}

bool ScoreTableEditor::save(const ScoreCells& cells)
{
    if (m_file.write(cells))
        return true;
    m_prompts.error(scores_text::save_failed);
    return false;
}

void ScoreTableEditor::accept()
{
    if (!viewing_only && !save(m_cells))
        return;
    viewing_only = false;
    m_view.close();
}

void ScoreTableEditor::cancel()
{
    viewing_only = false;
    m_view.close();
}

void ScoreTableEditor::erase()
{
    const auto cleared = default_score_table();
    if (save(cleared))
        set_cells(cleared);
}

void ScoreTableEditor::closed()
{
    set_cells(default_score_table());
}
