#pragma once
#include <cstdint>

#include "score_table.h"

class Prompts;
class ScoreFile;

// What the score window shows.
class ScoreWindowView {
public:
    virtual ~ScoreWindowView() = default;
    virtual void show_cells(const ScoreCells& cells) = 0;
    // Shows the window not modal, or brings it to the front when it is open.
    virtual void show() = 0;
    virtual void close() = 0;
};

// The score window: the only way a record reaches the score file.
class ScoreWindow {
public:
    ScoreWindow(ScoreFile& file, Prompts& prompts, ScoreWindowView& view);

    // Yes when the window was opened for viewing, so Aceptar saves nothing.
    bool bandera = false;

    void open_for_viewing();
    // Asks for the name and shows the table with the record at place (1 to 3).
    void insert_record(int place, std::int32_t points);
    void command2_click(); // Aceptar
    void command1_click(); // Cancelar
    void command3_click(); // Borrar
    // Closed by its title bar: nothing is written.
    void closed();

    const ScoreCells& cells() const { return m_cells; }

private:
    void set_cells(const ScoreCells& cells);
    // Writes cells to the score file; on failure tells the user and gives false.
    bool save(const ScoreCells& cells);

    ScoreFile& m_file;
    Prompts& m_prompts;
    ScoreWindowView& m_view;
    ScoreCells m_cells;
};
