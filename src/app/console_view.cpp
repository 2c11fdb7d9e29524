#include "app/console_view.h"

#include "gfx/font.h"
#include "gfx/surface.h"
#include "shell/log.h"

void DrawDebugConsole(Surface* dest) {
    // Line 0 is the one being written; older lines stack upwards from it.
    for (int line = 0; line < kConsoleLinesShown; ++line) {
        const int y = dest->height - 10 - 10 * line;
        for (int column = 0; column < kConsoleColumns; ++column) {
            const char c = consoleLines[line][column];
            if (c == '\0') break;
            const int colour = consoleColours[line][column];
            drawSmallText(dest, std::string_view(&c, 1), 2 + 6 * column, y,
                          paletteColours[colour >= 0 && colour < 7 ? colour : 0]);
        }
    }
}
