#pragma once
#include <QPointer>

#include "engine/game_core.h"
#include "ui/about_box.h"
#include "ui/add_words_dialog.h"
#include "ui/handler_queue.h"
#include "ui/main_window.h"
#include "ui/score_window.h"
#include "ui/typed_characters.h"

class CurrentDirectory;
class FileSystem;
class Prompts;
class RandomSource;

// What the program is given from outside: the files, the clock's dice, the modal boxes.
struct Surroundings {
    FileSystem& files;
    const CurrentDirectory& directory;
    RandomSource& random;
    Prompts& prompts;
};

// The whole game on screen: the core's objects, the windows over them, and the
// menu commands and typed characters wired to the game.
class Program {
public:
    explicit Program(Surroundings surroundings);
    ~Program();

    // Start-up, then the main window, centred.
    void start();

    MainWindow& main_window() { return m_main_window; }
    ScoreWindow& score_window() { return m_score_window; }
    AddWordsDialog* add_words_dialog() const { return m_add_words; }
    AboutBox* about_box() const { return m_about; }
    const Game& game() const { return m_core.game; }

private:
    void connect_commands();
    void open_add_words();
    void open_about();

    Prompts& m_prompts;
    ScoreWindow m_score_window;
    HandlerQueue m_handlers;
    MainWindow m_main_window;
    GameCore m_core;
    TypedCharacters m_typed;
    QPointer<AddWordsDialog> m_add_words;
    QPointer<AboutBox> m_about;
};
