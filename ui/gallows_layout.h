#pragma once
#include <QStringView>

#include "picture_name.h"

// The nine pieces of the figure, in the order wrong letters show them.
struct GallowsPiece {
    int element; // of the control array `Image9`
    QStringView accessible_name;
};

inline constexpr GallowsPiece gallows_pieces[] = {
    {8, u"Cabeza"},        {7, u"Torso"},           {6, u"Brazo derecho"},
    {5, u"Brazo izquierdo"}, {4, u"Cintura"},       {3, u"Muslo derecho"},
    {2, u"Muslo izquierdo"}, {1, u"Pierna derecha"}, {0, u"Pierna izquierda"},
};
