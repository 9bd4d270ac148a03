#pragma once
#include <deque>
#include <functional>
#include <string>
#include <vector>

#include "engine/prompts.h"

// Answers input boxes from a script (Cancel when it runs out) and records every box.
class ScriptedPrompts final : public Prompts {
public:
    struct Message {
        std::u32string text;
        std::u32string title;
        MessageStyle style;
        bool operator==(const Message&) const = default;
    };
    struct Input {
        std::u32string prompt;
        std::u32string title;
        std::u32string default_text;
        bool operator==(const Input&) const = default;
    };

    void message(std::u32string_view text, std::u32string_view title, MessageStyle style) override
    {
        messages.push_back({std::u32string(text), std::u32string(title), style});
        while_open();
    }
    std::u32string input(std::u32string_view prompt, std::u32string_view title,
                         std::u32string_view default_text) override
    {
        inputs.push_back({std::u32string(prompt), std::u32string(title), std::u32string(default_text)});
        while_open();
        if (answers.empty())
            return {};
        auto answer = answers.front();
        answers.pop_front();
        return answer;
    }

    std::deque<std::u32string> answers;
    std::vector<Message> messages;
    std::vector<Input> inputs;
    // Runs while a box is open, to look at what is on screen behind it.
    std::function<void()> while_open = [] {};
};
