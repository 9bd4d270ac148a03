#pragma once
#include <memory>

#include "engine/prompts.h"

class QInputDialog;

// The game's modal boxes as Qt dialogs, owned by the window the user is working in.
// Texts are shown as plain text, so a typed word can never turn into markup.
// A screen reader gets the box's spoken title as the box's name and its spoken
// text as the text's.
class DialogPrompts final : public Prompts {
public:
    DialogPrompts();
    ~DialogPrompts() override;
    // Makes the name box ahead of its first use, which does so otherwise.
    void prepare();
    void message(std::u32string_view text, std::u32string_view title, MessageStyle style) override;
    std::u32string input(std::u32string_view prompt, std::u32string_view title,
                         std::u32string_view default_text) override;
    void spoken_message(std::u32string_view text, std::u32string_view title, MessageStyle style,
                        std::u32string_view spoken_text, std::u32string_view spoken_title) override;
    std::u32string spoken_input(std::u32string_view prompt, std::u32string_view title, std::u32string_view default_text,
                                std::u32string_view spoken_title) override;

private:
    // Made once, and empty whenever hidden: a text box that changes as its dialog
    // opens tells a lagging screen reader it has the focus, and the dialog's own
    // name is then never said.
    std::unique_ptr<QInputDialog> m_input;
};
