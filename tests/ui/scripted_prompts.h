#pragma once
#include <deque>
#include <functional>
#include <string>
#include <vector>

#include "prompts.h"

// Answers the game's boxes from a script and records what they showed; `while_open`
// runs while a box would be on screen, to look at the windows behind it.
class ScriptedPrompts final : public Prompts {
public:
    struct Shown {
        std::u32string text;
        std::u32string title;
    };
    std::vector<Shown> messages;
    std::vector<Shown> inputs;
    std::deque<std::u32string> answers;
    std::function<void()> while_open = [] {};

    void message(std::u32string_view text, std::u32string_view title, MessageStyle) override
    {
        messages.push_back({std::u32string(text), std::u32string(title)});
        while_open();
    }
    std::u32string input(std::u32string_view prompt, std::u32string_view title, std::u32string_view) override
    {
        inputs.push_back({std::u32string(prompt), std::u32string(title)});
        while_open();
        if (answers.empty())
            return {};
        std::u32string answer = answers.front();
        answers.pop_front();
        return answer;
    }
};
