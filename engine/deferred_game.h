#pragma once

// Starts a one-player game once the handler running now has returned, as the
// F2 key would. One request per call.
class DeferredGame {
public:
    virtual ~DeferredGame() = default;
    virtual void request_one_player_game() = 0;
};
