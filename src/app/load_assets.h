// The start-up load sequence: the sounds, the settings, the fonts and the
// pictures, in the order the game loads them.
#pragma once

void loadAssets();
void releaseAssets();
