#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace language {

// The message catalog of every text a child or parent reads: the window
// texts and the one-line messages. Without a catalog in use (English, C, a
// language we have no translation for) each text is its own translation.
inline constexpr const char* TextDomain = "korvanda";

// Where the catalogs are: share/locale beside the executable's folder, as
// installed (bin/../share/locale) and in the build tree, where the programs
// lie one folder below it.
std::filesystem::path LocaleFolder();

// Whether `folder` holds the catalog of `language`, as
// <folder>/<language>/LC_MESSAGES/korvanda.mo.
bool HasCatalog(const std::filesystem::path& folder, const std::string& language);

// Answers Tr() from the catalog of `language` in `folder`, or with the texts
// themselves for English. This works when the desktop's locale is not
// installed on the machine: the catalog is chosen by LANGUAGE under the
// C.UTF-8 locale, which glibc always has, and read as UTF-8 whatever the
// locale's character set. Call it once at start, before any thread starts
// (it sets LANGUAGE).
void UseCatalog(const std::filesystem::path& folder, const std::string& language);

// The translation of `text`, or `text` itself.
const char* Tr(const char* text);

// The translation of a text held by a view: a view of the catalog's text
// (which lives as long as the program), or `text` itself.
std::string_view Tr(std::string_view text);

// Marks a text for the catalog where it is not translated on the spot
// (window tables); the table's user translates it.
constexpr std::string_view N_(std::string_view text) {
    return text;
}

}  // namespace language
