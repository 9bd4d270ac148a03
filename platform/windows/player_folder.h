#pragma once

// Makes the player's own folder for the game's files, %APPDATA%\CuErDaLoKKK
// (created if missing), the current directory. False, and the current directory
// unchanged, when it cannot be had.
bool enter_player_folder();
