#pragma once
#include <deque>
#include <functional>
#include <string>
#include <vector>

#include "engine/prompts.h"

// Answers input boxes from a script (Cancel when it runs out) and writes down every box.
class ScriptedPrompts final : public Prompts {
public:
    struct Message {
        std::u32string text;
        std::u32string title;
        MessageStyle style;
        bool operator==(const Message&) const = default;
    };

    void message(std::u32string_view text, std::u32string_view title, MessageStyle style) override
    {
        messages.push_back({std::u32string(text), std::u32string(title), style});
        opened(U"[" + std::u32string(title) + U"] " + std::u32string(text));
    }
    std::u32string input(std::u32string_view, std::u32string_view title, std::u32string_view) override
    {
        opened(U"?" + std::u32string(title));
        if (answers.empty())
            return {};
        auto answer = answers.front();
        answers.pop_front();
        return answer;
    }

    std::deque<std::u32string> answers;
    std::vector<Message> messages;
    // Every box: " [title] text", " ?title" for an input box, "+" for one like the last.
    std::u32string boxes;
    // Runs while a box is open, to look at what is on screen behind it.
    std::function<void()> while_open = [] {};

private:
    void opened(const std::u32string& box)
    {
        boxes += box == m_last ? U"+" : U" " + box;
        m_last = box;
        while_open();
    }

    std::u32string m_last;
};
