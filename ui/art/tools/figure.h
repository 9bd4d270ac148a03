#pragma once

#include <QImage>
#include <QRect>

#include <vector>

// The frame "Colgado" with the figure, composed as the main window shows it.
namespace art {

// The pieces on screen after `wrong_letters` misses (0 to 9), by number,
// in the order they appeared: the head first, the left lower leg last.
std::vector<int> figure_stage(int wrong_letters);

// Where piece `number` stands in the frame, in logical pixels.
QRect piece_rect(int number);

// The frame's face, its black backdrop and the given pieces at their places,
// painted from back to front, at device pixel ratio `dpr`.
QImage compose_frame(const std::vector<int>& back_to_front, qreal dpr);

} // namespace art
