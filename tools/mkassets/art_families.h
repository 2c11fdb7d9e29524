// The art: every picture and font of Data/ apart from the worlds' sceneries and
// block sets. Each writes its files and reads them back with the game's loaders.
#pragma once
#include <string>

bool WriteFonts(const std::string& out);       // art_fonts.cpp
bool WritePowerUps(const std::string& out);    // art_powerups.cpp
bool WriteSheets(const std::string& out);      // art_sprites.cpp
bool WriteScreens(const std::string& out);     // art_screens.cpp
bool WriteSplashes(const std::string& out);    // art_splash.cpp
bool WriteInfoPage(const std::string& out);    // art_info.cpp
// The desktop's application icon, outside Data/: out/icons/hicolor/.
bool WriteAppIcons(const std::string& out);    // art_icons.cpp
