#include "engine/score_table_editor.h"

#include <string>

#include "engine/prompts.h"
#include "engine/scores_text.h"
#include "platform/file_system.h"
#include "scores/score_file.h"
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

ScoreCells ScoreTableEditor::read_table() const
{
    return score_table_of(m_file.read_lines(6));
}

void ScoreTableEditor::open_for_viewing()
{
    viewing_only = true;
    m_record.reset();
    set_cells(read_table());
    m_view.open_window();
}

void ScoreTableEditor::insert_record(int place, std::int32_t points, std::u32string_view said_before)
{
    if (place < 1 || place > 3)
        return;
    std::u32string spoken{said_before};
    if (!spoken.empty())
        spoken += U' ';
    spoken += std::u32string{scores_text::new_record} + decimal(points) + std::u32string{scores_text::record_points} +
              std::u32string{scores_text::places[place - 1]};
    const auto name = as_storable_line(
        m_prompts.spoken_input(scores_text::name_prompt, scores_text::name_title, std::u32string_view{}, spoken),
        new_file_format);
    m_record = Record{name, points, read_table()};
    // A record must reach the file even when an earlier viewing was closed by
    // the title bar and so left viewing_only set.
    viewing_only = false;
    set_cells(with_record(m_record->placed_in, place, name, points));
    m_view.open_window();
}

std::optional<ScoreCells> ScoreTableEditor::place_again(Record& record)
{
    const ScoreCells now = read_table();
    if (now == record.placed_in)
        return m_cells;
    record.placed_in = now;
    const int place = record_place(now, record.points);
    if (place == 0)
        return std::nullopt;
    return with_record(now, place, record.name, record.points);
}

// The lock is let go before any box: one left open must not keep another copy waiting.
ScoreTableEditor::Saved ScoreTableEditor::save_shown()
{
    const auto lock = m_file.lock();
    const std::optional<ScoreCells> table = m_record ? place_again(*m_record) : m_cells;
    if (!table) {
        set_cells(m_record->placed_in);
        return Saved::overtaken;
    }
    set_cells(*table);
    return m_file.write(m_cells) ? Saved::written : Saved::failed;
}

void ScoreTableEditor::accept()
{
    if (!viewing_only) {
        const Saved saved = save_shown();
        if (saved == Saved::failed) {
            m_prompts.error(scores_text::save_failed);
            return;
        }
        if (saved == Saved::overtaken)
            m_prompts.message(scores_text::record_overtaken, scores_text::name_title, MessageStyle::information);
        else
            m_view.announce(scores_text::saved);
    }
    m_record.reset();
    viewing_only = false;
    m_view.close_window();
}

void ScoreTableEditor::cancel()
{
    m_record.reset();
    viewing_only = false;
    m_view.close_window();
}

void ScoreTableEditor::erase()
{
    const auto cleared = default_score_table();
    const bool written = [&] {
        const auto lock = m_file.lock();
        return m_file.write(cleared);
    }();
    if (!written) {
        m_prompts.error(scores_text::save_failed);
        return;
    }
    set_cells(cleared);
    m_view.announce(scores_text::erased);
}

void ScoreTableEditor::closed()
{
    m_record.reset();
    set_cells(default_score_table());
}
