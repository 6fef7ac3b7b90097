#include "language/Preferred.h"

#include <algorithm>
#include <string_view>

namespace language {

namespace {

// "de_DE.UTF-8@euro" -> "de"; "C", "POSIX", "C.UTF-8" -> "en"; "" for
// anything that is not two or three lower-case letters.
std::string LanguageOf(std::string_view locale) {
    const std::string_view name = locale.substr(0, locale.find_first_of(".@"));
    if (name == "C" || name == "POSIX") return "en";
    const std::string_view code = name.substr(0, name.find('_'));
    const bool letters =
        std::all_of(code.begin(), code.end(), [](char c) { return c >= 'a' && c <= 'z'; });
    if (!letters || code.size() < 2 || code.size() > 3) return {};
    return std::string(code);
}

void Add(std::vector<std::string>& languages, std::string_view locale) {
    std::string code = LanguageOf(locale);
    if (!code.empty() && std::find(languages.begin(), languages.end(), code) == languages.end())
        languages.push_back(std::move(code));
}

}  // namespace

std::vector<std::string> PreferredLanguages(const Getenv& getenv) {
    std::vector<std::string> languages;
    if (const char* list = getenv("LANGUAGE")) {
        std::string_view rest = list;
        while (!rest.empty()) {
            const auto colon = rest.find(':');
            Add(languages, rest.substr(0, colon));
            rest = colon == std::string_view::npos ? std::string_view{} : rest.substr(colon + 1);
        }
    }
    for (const char* variable : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        const char* locale = getenv(variable);
        if (locale && *locale) {
            Add(languages, locale);
            break;
        }
    }
    return languages;
}

std::string FirstWeHave(std::span<const std::string> preferred,
                        const std::function<bool(const std::string&)>& have) {
    for (const std::string& code : preferred)
        if (code == "en" || have(code)) return code;
    return "en";
}

}  // namespace language
