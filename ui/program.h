#pragma once
#include <QPointer>
#include <memory>

#include "form1.h"
#include "form2.h"
#include "form3.h"
#include "frm_about.h"
#include "game.h"
#include "handler_queue.h"
#include "score_file.h"
#include "score_window.h"
#include "typed_characters.h"
#include "word_file.h"

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
// menu commands and typed characters wired to the game's handlers.
class Program {
public:
    explicit Program(Surroundings surroundings);
    ~Program();

    // Start-up, then the main window, centred.
    void start();

    Form1& form1() { return m_form1; }
    Form3& form3() { return m_form3; }
    Form2* form2() const { return m_form2; }
    FrmAbout* about() const { return m_about; }
    const Game& game() const { return m_game; }

private:
    void connect_commands();
    void open_add_words();
    void open_about();

    Prompts& m_prompts;
    WordFile m_words;
    ScoreFile m_scores;
    Form3 m_form3;
    ScoreWindow m_score_window;
    HandlerQueue m_handlers;
    Form1 m_form1;
    Game m_game;
    TypedCharacters m_typed;
    QPointer<Form2> m_form2;
    QPointer<FrmAbout> m_about;
};
