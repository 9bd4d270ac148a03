#pragma once
#include <cstdint>
#include <optional>
#include <string>

#include "scores/score_table.h"

class Prompts;
class ScoreFile;

// What the score window shows.
class ScoreTableView {
public:
    virtual ~ScoreTableView() = default;
    virtual void show_cells(const ScoreCells& cells) = 0;
    // Shows the window not modal, or brings it to the front when it is open.
    virtual void open_window() = 0;
    virtual void close_window() = 0;
    // What a command did, said by a screen reader.
    virtual void announce(std::u32string_view /*text*/) {}
};

// What the score window does: the only way a record reaches the score file.
class ScoreTableEditor {
public:
    ScoreTableEditor(ScoreFile& file, Prompts& prompts, ScoreTableView& view);

    // Set when the window was opened for viewing, so Aceptar saves nothing.
    bool viewing_only = false;

    void open_for_viewing();
    // Asks for the name and shows the table with the record at place (1 to 3).
    // A screen reader hears said_before, then the record, as the name box opens.
    void insert_record(int place, std::int32_t points, std::u32string_view said_before = {});
    // Aceptar: saves the table shown, unless only viewing, and closes. When another
    // copy of the game saved the file since the record was placed, the record is
    // placed again in the table the file holds now, or the player is told that it
    // no longer makes the table.
    void accept();
    // Cancelar: closes without saving.
    void cancel();
    // Borrar: writes the default table at once and shows it.
    void erase();
    // Closed by its title bar: nothing is written.
    void closed();

    const ScoreCells& cells() const { return m_cells; }

private:
    struct Record {
        std::u32string name;
        std::int32_t points = 0;
        ScoreCells placed_in; // the file's table when the record was placed
    };

    void set_cells(const ScoreCells& cells);
    ScoreCells read_table() const;
    // The record placed in the file's table as it is now; nothing when it no longer fits.
    std::optional<ScoreCells> place_again(Record& record);
    enum class Saved { written, failed, overtaken };
    // Writes the table shown, with the record placed again if the file changed.
    Saved save_shown();

    ScoreFile& m_file;
    Prompts& m_prompts;
    ScoreTableView& m_view;
    ScoreCells m_cells;
    std::optional<Record> m_record; // placed and not yet saved
};
