#pragma once

// Tells screen readers what the program's own widgets are: the status bar a
// status bar, the figure's pieces pictures, the add-words and score windows
// dialogs, the notices notifications, the word a text, the add-words and
// wrong-letters frames fillers, and the menu items items with their shortcut keys. Safe to call more than once.
void install_accessible_roles();
