#pragma once
#include <array>
#include <cstddef>
#include <string>
#include <vector>

// What the main window shows of the game, named after its controls. The game reads
// it back: a hit is a caption of Label1, the winner is the text of panel 7.
struct Board {
    // Element 0 of both arrays is the template and never holds a letter.
    std::vector<std::u32string> Label1{U"&L"}; // the word's characters, never shown
    std::vector<std::u32string> Label2{U" "};  // the slots: " " until guessed
    std::vector<std::u32string> List1;         // letters guessed right, lower case
    std::vector<std::u32string> List2;         // letters guessed wrong, lower case
    std::array<bool, 9> Image9{};              // visible pieces of the figure
    bool Label3_visible = false;               // "Puntuación: "
    bool Label4_visible = false;
    std::u32string Label4;                     // the one-player points

    // Panels 5 to 7 of StatusBar1 (1 to 4 are the bar's own).
    const std::u32string& panel(int n) const { return m_panels.at(static_cast<std::size_t>(n - 5)); }
    void set_panel(int n, std::u32string text) { m_panels.at(static_cast<std::size_t>(n - 5)) = std::move(text); }

    // The word as the players see it, for screen readers: guessed letters and blanks.
    std::u32string shown_word() const;

private:
    std::array<std::u32string, 3> m_panels{U"Aciertos: 0", U"Fallos: 0", U""};
};

// The parts of the board a view redraws.
enum class BoardPart { letters, List1, List2, Image9, status_bar, score_display };

// Told of every change as it happens, so the screen behind a modal box is current.
class BoardView {
public:
    virtual ~BoardView() = default;
    virtual void changed(const Board& board, BoardPart part) = 0;
};
