#pragma once

#include <array>

#include "ui/art/picture_name.h"

// Where each piece of the figure stands inside the frame "Colgado", in twips,
// by its number. The pieces are drawn to join at these
// places whichever of them lies in front.
namespace art {

struct PiecePlace {
    int left;
    int top;
};

inline constexpr std::array<PiecePlace, piece_count> piece_places{{
    {480, 5160},  // 0 left lower leg and foot
    {1800, 5280}, // 1 right lower leg and foot
    {960, 3480},  // 2 left thigh
    {1400, 3610}, // 3 right thigh
    {1320, 3360}, // 4 waist
    {480, 2160},  // 5 left arm
    {2070, 2160}, // 6 right arm
    {1080, 2160}, // 7 torso
    {820, 400},   // 8 head
}};

} // namespace art
