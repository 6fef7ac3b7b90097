#include "language/Choice.h"

#include <cstdlib>
#include <system_error>

#include "language/Catalog.h"

namespace language {

namespace fs = std::filesystem;

std::string Choice::VoiceFolder() const {
    return voices == "en" ? std::string() : "voices/" + voices + "/";
}

Choice Choose(const fs::path& dataFolder, const fs::path& localeFolder, const Getenv& getenv) {
    const std::vector<std::string> preferred = PreferredLanguages(getenv);
    Choice choice;
    choice.voices = FirstWeHave(preferred, [&](const std::string& code) {
        std::error_code error;
        return fs::is_directory(dataFolder / "voices" / code, error);
    });
    choice.texts = FirstWeHave(
        preferred, [&](const std::string& code) { return HasCatalog(localeFolder, code); });
    return choice;
}

Choice ChooseAtStart(const fs::path& dataFolder) {
    const fs::path locales = LocaleFolder();
    Choice choice = Choose(dataFolder, locales, [](const char* name) { return std::getenv(name); });
    UseCatalog(locales, choice.texts);
    return choice;
}

}  // namespace language
