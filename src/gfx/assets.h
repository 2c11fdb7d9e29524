// What the game loads once at start and keeps for the whole run.
#pragma once

void loadAssets();
void releaseAssets();
