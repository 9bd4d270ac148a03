#include "scores/score_table.h"

ScoreCells default_score_table()
{
    const std::u32string name(default_name);
    const std::u32string score(default_score);
    return {name, score, name, score, name, score};
}
