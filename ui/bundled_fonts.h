#pragma once

// Makes the fonts shipped in the "fonts" folder beside the program available to
// it, where the system does not have them (Windows has no Liberation fonts).
void add_bundled_fonts();
