// The player's language from the environment as gettext programs read it, and
// the compiled catalogues read without a generated locale.
#include "shell/language.h"

#include <gtest/gtest.h>

#include <map>

#include "shell/catalogue.h"
#include "test_support.h"

namespace {
std::string From(const std::map<std::string, std::string>& env) {
    return LanguageFromEnvironment([&env](const char* name) -> const char* {
        const auto found = env.find(name);
        return found == env.end() ? nullptr : found->second.c_str();
    });
}

TEST(Language, FollowsTheVariablesInGettextOrder) {
    EXPECT_EQ(From({}), "en");
    EXPECT_EQ(From({{"LANG", "de_DE.UTF-8"}}), "de");
    EXPECT_EQ(From({{"LANG", "de_DE.UTF-8"}, {"LC_MESSAGES", "fr_FR"}}), "fr");
    EXPECT_EQ(From({{"LC_ALL", "es_ES.UTF-8@euro"}, {"LC_MESSAGES", "fr_FR"}, {"LANG", "de_DE"}}), "es");
    // LANGUAGE is a list of preferences, passed over where the game lacks one,
    // and ignored when the locale is C.
    EXPECT_EQ(From({{"LANGUAGE", "pt_BR:fr:de"}, {"LANG", "de_DE.UTF-8"}}), "fr");
    EXPECT_EQ(From({{"LANGUAGE", "fr"}, {"LANG", "C.UTF-8"}}), "en");
    EXPECT_EQ(From({{"LANGUAGE", "fr"}}), "en");
    // A language the game does not speak, or an empty variable, falls back.
    EXPECT_EQ(From({{"LANG", "pt_BR.UTF-8"}}), "en");
    EXPECT_EQ(From({{"LC_ALL", ""}, {"LANG", "es_MX"}}), "es");
    EXPECT_EQ(LanguageOf("german"), "");
}

TEST(Catalogue, BuiltCataloguesTranslateInLatin1AndBrokenOnesLeaveEnglish) {
    ASSERT_TRUE(LoadCatalogueFile(std::string(ZAPBRIK_BUILD_DIR) + "/locale/fr/LC_MESSAGES/zapbrik.mo"));
    EXPECT_STREQ(Tr("Level Complete!"), "Niveau r\xE9ussi\xA0!");
    EXPECT_STREQ(Tr("a text no catalogue has"), "a text no catalogue has");
    TempDir dir;
    std::string bytes = "\xDE\x12\x04\x95";
    bytes += std::string(24, '\0');
    bytes[8] = 1;     // one entry
    bytes[12] = 100;  // whose table lies past the end of the file
    WriteText(dir.path + "broken.mo", bytes);
    EXPECT_FALSE(LoadCatalogueFile(dir.path + "broken.mo"));
    EXPECT_STREQ(Tr("Level Complete!"), "Niveau r\xE9ussi\xA0!");  // the catalogue before stays
    ClearCatalogue();
    EXPECT_STREQ(Tr("Level Complete!"), "Level Complete!");
}
}  // namespace
