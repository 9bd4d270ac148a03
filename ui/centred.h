#pragma once

class QWidget;

// Shows the window centred on its screen, or brings it to the front when it is open.
void show_centred_on_screen(QWidget& window);
