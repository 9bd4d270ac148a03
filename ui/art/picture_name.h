#pragma once

// The program's pictures. The nine pieces of the figure keep the element
// numbers of the picture array `Image9`: the head is element 8, the left
// lower leg element 0.
namespace art {

enum class PictureName {
  image9_0, image9_1, image9_2, image9_3, image9_4, image9_5, image9_6, image9_7, image9_8,
  form2_stop,    // the stop sign on the add-words dialog's second button
  program_icon,
};

inline constexpr int image9_count = 9;
inline constexpr int picture_count = 11;

// Element 0..8 of `Image9`.
constexpr PictureName image9(int element) { return static_cast<PictureName>(element); }

}  // namespace art
