#include "ui/program.h"

#include <QAction>
#include <QPushButton>

#include "ui/centred.h"

Program::Program(Surroundings surroundings)
    : m_prompts(surroundings.prompts), m_core(surroundings.files, surroundings.directory, surroundings.random,
                                              m_prompts, m_score_window, m_handlers, m_main_window),
      m_typed(m_main_window, [this](char32_t c) { m_handlers.run([this, c] { m_core.game.type_character(c); }); })
{
    connect_commands();
    m_score_window.speak_through([this](std::u32string_view text) { m_main_window.announce(text); });
}

Program::~Program()
{
    delete m_add_words;
    delete m_about;
}

void Program::start()
{
    m_handlers.run([this] { m_core.game.start_up(); });
    m_main_window.show_board(m_core.game.board());
    m_main_window.show_centred();
}

void Program::connect_commands()
{
    for (const ModeRules& rules : modes)
        QObject::connect(&m_main_window.action(rules.mode), &QAction::triggered, &m_main_window,
                         [this, mode = rules.mode] { m_handlers.run([this, mode] { m_core.game.new_game(mode); }); });
    m_handlers.set_one_player_command([this] { m_main_window.action(Mode::one_player).trigger(); });

    const auto on = [this](Command command, auto handler) {
        QObject::connect(&m_main_window.action(command), &QAction::triggered, &m_main_window, handler);
    };
    on(Command::add_words, [this] { open_add_words(); });
    on(Command::high_scores, [this] { m_core.score_table.open_for_viewing(); });
    on(Command::about, [this] { open_about(); });

    ScoreTableEditor& table = m_core.score_table;
    QObject::connect(&m_score_window.accept_button(), &QPushButton::clicked, &m_score_window,
                     [&table] { table.accept(); });
    QObject::connect(&m_score_window.cancel_button(), &QPushButton::clicked, &m_score_window,
                     [&table] { table.cancel(); });
    QObject::connect(&m_score_window.erase_button(), &QPushButton::clicked, &m_score_window,
                     [&table] { table.erase(); });
    QObject::connect(&m_score_window, &ScoreWindow::closedByUser, &m_score_window, [&table] { table.closed(); });
}

// Not modal and without an owner: the main window stays usable.
void Program::open_add_words()
{
    if (!m_add_words) {
        m_add_words = new AddWordsDialog(m_core.words, m_prompts);
        m_add_words->speak_through([this](std::u32string_view text) { m_main_window.announce(text); });
    }
    show_centred_on_screen(*m_add_words);
}

// Not modal, owned by the main window, so it stays above it.
void Program::open_about()
{
    if (!m_about)
        m_about = new AboutBox(&m_main_window);
    show_centred_on_screen(*m_about);
}
