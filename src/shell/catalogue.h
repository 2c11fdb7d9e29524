// The translated texts: a compiled gettext catalogue (.mo) read straight from
// its file, so that no locale has to be generated. The catalogues the build
// installs are in Latin-1, the code page of the game's fonts.
#pragma once
#include <string>

// Marks a text for the catalogue where it cannot be translated yet (a table of
// names); the place that draws it asks Tr.
constexpr const char* TrNoop(const char* english) { return english; }

// The translation of an English text in the catalogue loaded, else the text.
const char* Tr(const char* english);

// Reads the catalogue of a language ("de") from localeFolder/de/LC_MESSAGES/
// zapbrik.mo, replacing the one before. The source language and a missing or
// broken file leave the English texts (a broken file is logged).
void LoadCatalogue(const std::string& localeFolder, const std::string& language);
// Reads one .mo file; false when it is not one.
bool LoadCatalogueFile(const std::string& path);
// Back to the English texts.
void ClearCatalogue();
