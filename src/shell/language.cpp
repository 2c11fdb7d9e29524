#include "shell/language.h"

#include <cstdlib>
#include <sstream>

std::string playerLanguage = kSourceLanguage;

const std::vector<std::string>& Languages() {
    static const std::vector<std::string> languages = [] {
        std::vector<std::string> list;
        std::istringstream words(ZAPBRIK_LANGUAGES);
        for (std::string word; words >> word;) list.push_back(word);
        return list;
    }();
    return languages;
}

std::string LanguageNames() {
    std::string names;
    for (const std::string& language : Languages()) names += (names.empty() ? "" : ", ") + language;
    return names;
}

namespace {
bool Spoken(const std::string& code) {
    for (const std::string& language : Languages())
        if (code == language) return true;
    return false;
}

// "C", "POSIX" and "C.UTF-8" ask for the untranslated texts.
bool IsPlainC(const std::string& locale) {
    return locale.empty() || locale == "C" || locale == "POSIX" || locale.rfind("C.", 0) == 0;
}
}  // namespace

std::string LanguageOf(const std::string& locale) {
    // language[_territory][.codeset][@modifier]: the language is all that counts.
    const std::string code = locale.substr(0, locale.find_first_of("_.@"));
    return Spoken(code) ? code : "";
}

std::string LanguageFromEnvironment(const std::function<const char*(const char*)>& getenv) {
    auto variable = [&getenv](const char* name) {
        const char* value = getenv(name);
        return std::string(value ? value : "");
    };
    std::string locale;
    for (const char* name : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        locale = variable(name);
        if (!locale.empty()) break;
    }
    if (IsPlainC(locale)) return kSourceLanguage;
    // LANGUAGE lists languages by preference, "de:fr"; an entry the game does
    // not speak is passed over.
    const std::string list = variable("LANGUAGE");
    for (size_t start = 0; start <= list.size();) {
        size_t end = list.find(':', start);
        if (end == std::string::npos) end = list.size();
        const std::string language = LanguageOf(list.substr(start, end - start));
        if (!language.empty()) return language;
        start = end + 1;
    }
    const std::string language = LanguageOf(locale);
    return language.empty() ? kSourceLanguage : language;
}

std::string LanguageFromEnvironment() {
    return LanguageFromEnvironment([](const char* name) { return static_cast<const char*>(std::getenv(name)); });
}
