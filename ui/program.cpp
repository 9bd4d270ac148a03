#include "program.h"

#include <QAction>
#include <QPushButton>

#include "centred.h"
#include "form2.h"
#include "frm_about.h"

Program::Program(Surroundings surroundings)
    : m_prompts(surroundings.prompts),
      m_core(surroundings.files, surroundings.directory, surroundings.random, m_prompts, m_form3, m_handlers,
             m_form1),
      m_typed(m_form1, [this](char32_t c) { m_handlers.run([this, c] { m_core.game.on_key_press(c); }); })
{
    connect_commands();
}

Program::~Program()
{
    delete m_form2;
    delete m_about;
}

void Program::start()
{
    m_handlers.run([this] { m_core.game.on_main_window_load(); });
    m_form1.show_board(m_core.game.board());
    m_form1.show_centred();
}

void Program::connect_commands()
{
    const std::pair<const char*, void (Game::*)()> new_games[] = {
        {"one", &Game::one_click},   {"for", &Game::for_click},   {"two", &Game::two_click},
        {"five", &Game::five_click}, {"tree", &Game::tree_click},
    };
    for (const auto& [name, handler] : new_games)
        QObject::connect(&m_form1.command(name), &QAction::triggered, &m_form1,
                         [this, handler] { m_handlers.run([this, handler] { (m_core.game.*handler)(); }); });
    m_handlers.set_one_player_command([this] { m_form1.command("one").trigger(); });

    QObject::connect(&m_form1.command("pn"), &QAction::triggered, &m_form1, [this] { open_add_words(); });
    QObject::connect(&m_form1.command("ver"), &QAction::triggered, &m_form1,
                     [this] { m_core.score_window.open_for_viewing(); });
    QObject::connect(&m_form1.command("about"), &QAction::triggered, &m_form1, [this] { open_about(); });

    QObject::connect(&m_form3.button("Command2"), &QPushButton::clicked, &m_form3,
                     [this] { m_core.score_window.command2_click(); });
    QObject::connect(&m_form3.button("Command1"), &QPushButton::clicked, &m_form3,
                     [this] { m_core.score_window.command1_click(); });
    QObject::connect(&m_form3.button("Command3"), &QPushButton::clicked, &m_form3,
                     [this] { m_core.score_window.command3_click(); });
    QObject::connect(&m_form3, &Form3::closedByUser, &m_form3, [this] { m_core.score_window.closed(); });
}

// Not modal and without an owner: the main window stays usable.
void Program::open_add_words()
{
    if (!m_form2)
        m_form2 = new Form2(m_core.words, m_prompts);
    show_centred_on_screen(*m_form2);
}

// Not modal, owned by the main window, so it stays above it.
void Program::open_about()
{
    if (!m_about)
        m_about = new FrmAbout(&m_form1);
    show_centred_on_screen(*m_about);
}
