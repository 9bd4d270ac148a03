#include "scores/score_table.h"

#include <algorithm>

#include "text/decimal.h"

ScoreCells default_score_table()
{
    const std::u32string name(default_name);
    const std::u32string score(default_score);
    return {name, score, name, score, name, score};
}

ScoreCells score_table_of(const std::vector<std::u32string>& lines)
{
    ScoreCells table;
    std::copy_n(lines.begin(), std::min(lines.size(), table.size()), table.begin());
    return table;
}

int record_place(const ScoreCells& table, std::int32_t points)
{
    for (int place = 1; place <= 3; ++place) {
        const auto score = whole_number(table[static_cast<std::size_t>(2 * place - 1)]);
        if (score && points >= *score)
            return place;
    }
    return 0;
}

// The places above the record keep their entries and each place below it takes
// the entry of the place above, so the old third place drops out.
ScoreCells with_record(const ScoreCells& table, int place, const std::u32string& name, std::int32_t points)
{
    ScoreCells cells;
    for (int k = 1; k <= 3; ++k) {
        const auto cell = static_cast<std::size_t>(2 * k - 2);
        if (k == place) {
            cells[cell] = name;
            cells[cell + 1] = decimal(points);
        } else {
            const auto from = static_cast<std::size_t>(2 * (k < place ? k : k - 1) - 2);
            cells[cell] = table[from];
            cells[cell + 1] = table[from + 1];
        }
    }
    return cells;
}
