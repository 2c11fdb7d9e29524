// The languages the game speaks and the one the player reads, chosen the way
// gettext programs choose: LANGUAGE (a list, honoured unless the locale is C),
// then the first set of LC_ALL, LC_MESSAGES and LANG. Only the variables are
// read: the locale need not be generated on the system.
#pragma once
#include <functional>
#include <string>
#include <vector>

// The language the texts are written in.
constexpr const char* kSourceLanguage = "en";
// The game's languages, the source language first (the build's po/LINGUAS).
const std::vector<std::string>& Languages();
// The same as one line: "en, de, fr, es".
std::string LanguageNames();

// The language the game speaks to the player (one of Languages()).
extern std::string playerLanguage;

// The game's language for a locale name such as "de_AT.UTF-8@euro", "fr" or
// "es_ES"; "" when the game does not speak it.
std::string LanguageOf(const std::string& locale);

// The language of the environment given by getenv: the source language when
// nothing set names one of the game's.
std::string LanguageFromEnvironment(const std::function<const char*(const char*)>& getenv);
// The same with the process's environment.
std::string LanguageFromEnvironment();
