#pragma once

class QCoreApplication;

// Qt's own texts (the buttons of message and input boxes, the text boxes' context
// menu) in Spanish, whatever the user's locale, as the whole program is Spanish.
// Without Qt's translations installed they stay in English.
void install_spanish_qt_texts(QCoreApplication& application);
