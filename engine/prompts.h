#pragma once
#include <string>
#include <string_view>

// The modal boxes of the window system. Both wait until the user closes them.
enum class MessageStyle { critical, information };

class Prompts {
public:
    virtual ~Prompts() = default;
    // A message box with one OK button.
    virtual void message(std::u32string_view text, std::u32string_view title, MessageStyle style) = 0;
    // An input box with OK and Cancel; Cancel gives the empty text.
    virtual std::u32string input(std::u32string_view prompt, std::u32string_view title,
                                 std::u32string_view default_text) = 0;

    // The same boxes, with what a screen reader says of them where that differs
    // from what they show; these say what they show.
    virtual void spoken_message(std::u32string_view text, std::u32string_view title, MessageStyle style,
                                std::u32string_view /*spoken_text*/, std::u32string_view /*spoken_title*/)
    {
        message(text, title, style);
    }
    virtual std::u32string spoken_input(std::u32string_view prompt, std::u32string_view title,
                                        std::u32string_view default_text, std::u32string_view /*spoken_title*/)
    {
        return input(prompt, title, default_text);
    }

    // A failure the user must hear of, in a critical box titled "Error".
    void error(std::u32string_view text) { message(text, U"Error", MessageStyle::critical); }
};
