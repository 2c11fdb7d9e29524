// The worlds' asset families, registered in the generator's table.
#pragma once
#include <string>

// "scheme%d.png" and "scheme%dv.png" for the five worlds.
bool WriteWorldScenery(const std::string& out);
// "blocks%d.png" and "blocks%d.txt" for the five worlds.
bool WriteWorldBlocks(const std::string& out);
// "level%d.dat" for the 100 levels, compiled from assets/levels and checked.
bool WriteWorldLevels(const std::string& out);
// "hint%d.txt", checked copies of assets/hints.
bool WriteWorldHints(const std::string& out);
