#pragma once
#include <QStringView>

#include "design.h"

// The nine pieces of the figure inside `Frame1`, in the order wrong letters show them.
struct GallowsPiece {
    int element; // of the control array `Image9`
    const char* picture;
    TwipsRect place;
    QStringView accessible_name;
};

inline constexpr GallowsPiece gallows_pieces[] = {
    {8, "image9_8", {820, 400, 1530, 1980}, u"Cabeza"},
    {7, "image9_7", {1080, 2160, 1035, 1320}, u"Torso"},
    {6, "image9_6", {2070, 2160, 900, 2040}, u"Brazo derecho"},
    {5, "image9_5", {480, 2160, 600, 2160}, u"Brazo izquierdo"},
    {4, "image9_4", {1320, 3360, 510, 315}, u"Cintura"},
    {3, "image9_3", {1400, 3610, 780, 1800}, u"Muslo derecho"},
    {2, "image9_2", {960, 3480, 540, 1785}, u"Muslo izquierdo"},
    {1, "image9_1", {1800, 5280, 1260, 1695}, u"Pierna derecha"},
    {0, "image9_0", {480, 5160, 1170, 1785}, u"Pierna izquierda"},
};
