#pragma once
#include "ui/design.h"
#include "ui/ui_text.h"

// The add-words dialog as designed; the three controls after the frame lie inside it.
namespace add_words_dialog_layout {
inline constexpr TwipsRect client_area = {0, 0, 6645, 1860};

inline constexpr DesignControl frame = {"addFrame", {0, 0, 6615, 1815}, ui_text::add_frame, arial_8};
inline constexpr DesignControl word = {"wordEdit", {120, 360, 3975, 285}, {}, ms_sans_serif_8};
inline constexpr DesignControl add_button = {"addButton", {4560, 360, 1815, 615}, ui_text::add_button, arial_8};
// Shows the stop sign: closes without adding.
inline constexpr DesignControl stop_button = {"stopButton", {4560, 1080, 1815, 615}, {}, ms_sans_serif_8};
} // namespace add_words_dialog_layout
