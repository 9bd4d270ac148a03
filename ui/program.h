#pragma once
#include <QPointer>
#include <memory>

#include "form1.h"
#include "form2.h"
#include "form3.h"
#include "frm_about.h"
#include "game_core.h"
#include "handler_queue.h"
#include "typed_characters.h"

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
    const Game& game() const { return m_core.game; }

private:
    void connect_commands();
    void open_add_words();
    void open_about();

    Prompts& m_prompts;
    Form3 m_form3;
    HandlerQueue m_handlers;
    Form1 m_form1;
    GameCore m_core;
    TypedCharacters m_typed;
    QPointer<Form2> m_form2;
    QPointer<FrmAbout> m_about;
};
