#include "fit.h"

#include <cstdio>
#include <map>

#include "shell/language.h"
#include "text.h"

namespace {
struct Fullest {
    std::string text;
    int width = 0, room = 1;
};
std::map<std::string, Fullest> fullest;  // by language
int misfits = 0;
}  // namespace

bool CheckFit(const std::string& text, int width, int room) {
    Fullest& f = fullest[playerLanguage];
    if (static_cast<long long>(width) * f.room > static_cast<long long>(f.width) * room) f = {text, width, room};
    if (width <= room) return true;
    std::fprintf(stderr, "mkassets: %s: \"%s\" is %d px wide, its place only %d px\n", playerLanguage.c_str(),
                 text.c_str(), width, room);
    misfits++;
    return false;
}

bool FitText(Face face, float size, const std::string& text, float tracking, int room) {
    return CheckFit(text, TextAdvance(face, size, text, tracking), room);
}

int TakeMisfits() {
    const int n = misfits;
    misfits = 0;
    return n;
}

void PrintFullestBoxes() {
    for (const std::string& language : Languages()) {
        const Fullest& f = fullest[language];
        std::printf("mkassets: %s: the fullest place holds \"%s\", %d of %d px (%d%%)\n", language.c_str(),
                    f.text.c_str(), f.width, f.room, f.width * 100 / f.room);
    }
}
