// A short line of text over the picture on screen for a while, such as the name
// of the screenshot just written. It is drawn into the display buffer at each
// present, never into the back surface, so the game's drawing and the
// screenshots themselves never contain it.
#pragma once
#include <string>

// Shows text in the small font in the bottom left corner for about `seconds`.
void ShowScreenNote(const std::string& text, double seconds);

// The presents call these around their copying: the first puts back what lay
// under the note, the second draws it again while it lasts.
void LiftScreenNote();
void PutScreenNote();
