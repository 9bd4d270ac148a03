#pragma once

// The program's pictures. The nine pieces of the figure come first, by their
// number on the board: the first miss shows the head, piece 8, and the ninth
// the left lower leg, piece 0.
namespace art {

enum class PictureName {
    left_lower_leg,
    right_lower_leg,
    left_thigh,
    right_thigh,
    waist,
    left_arm,
    right_arm,
    torso,
    head,
    stop_sign, // on the add-words dialog's button that closes it without adding
    program_icon,
};

inline constexpr int piece_count = 9;
inline constexpr int picture_count = 11;

// Piece 0..8 of the figure.
constexpr PictureName piece(int number)
{
    return static_cast<PictureName>(number);
}

} // namespace art
