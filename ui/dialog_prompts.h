#pragma once
#include "platform/prompts.h"

// The game's modal boxes as Qt dialogs, owned by the window the user is working in.
// Texts are shown as plain text, so a typed word can never turn into markup.
class DialogPrompts final : public Prompts {
public:
    void message(std::u32string_view text, std::u32string_view title, MessageStyle style) override;
    std::u32string input(std::u32string_view prompt, std::u32string_view title,
                         std::u32string_view default_text) override;
};
