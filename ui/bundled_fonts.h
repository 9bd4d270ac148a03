#pragma once

// Makes the fonts shipped in the "fonts" folder beside the program available to
// it: Windows has no Liberation fonts, which a Linux package depends on instead.
void add_bundled_fonts();
