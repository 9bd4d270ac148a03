#pragma once
#include <QObject>
#include <functional>

#include "engine/deferred_game.h"

// Runs the game's event handlers one at a time, as the window system delivers
// events. A new one-player game requested by a handler starts only once every
// handler on the stack has returned: a modal box waiting inside a handler runs a
// nested event loop, and a request met there waits for the handler to finish.
class HandlerQueue final : public DeferredGame {
public:
    // The "1 Jugador" command, as the F2 key would give it.
    void set_one_player_command(std::function<void()> command);

    void run(const std::function<void()>& handler);
    void request_one_player_game() override;

private:
    void post();
    void deliver();

    QObject m_context;
    std::function<void()> m_one_player;
    int m_depth = 0;
    int m_waiting = 0; // requests met while a handler was running
};
