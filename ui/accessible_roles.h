#pragma once

// Tells screen readers what the program's own widgets are: the status bar a
// status bar, the figure's pieces pictures, the add-words and score windows
// dialogs, the announcer a notification, the word a text. Safe to call more than once.
void install_accessible_roles();
