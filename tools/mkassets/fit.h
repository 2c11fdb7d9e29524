// The fit check: every text a picture or the game draws in a box or on a line
// must fit it, in every language and font. A misfit is printed with the text
// and both widths and fails the generator once the language is drawn.
#pragma once
#include <string>

enum class Face;

// Records whether text, width pixels wide, fits room pixels; false when not.
bool CheckFit(const std::string& text, int width, int room);
// The misfits since the last call, which forgets them.
int TakeMisfits();
// The same for text drawn in an outline font.
bool FitText(Face face, float size, const std::string& text, float tracking, int room);
// One line per language: the text that fills its box the most.
void PrintFullestBoxes();

// The texts the game draws at run time with its bitmap fonts, measured with the
// fonts just written, in the language being drawn.
void CheckRuntimeTexts(const std::string& out);
