#pragma once

#include <functional>
#include <span>
#include <string>
#include <vector>

namespace language {

// Reads an environment variable: nullptr when it is not set.
using Getenv = std::function<const char*(const char*)>;

// The languages the desktop asks for, most wanted first, as language codes
// ("de"): every entry of LANGUAGE (a colon list), then the language of the
// first of LC_ALL, LC_MESSAGES and LANG that is set and not empty.
// "de_DE.UTF-8" gives "de"; the C and POSIX locales give "en". Anything that
// is not a language code is skipped, so a code is always safe in a path.
std::vector<std::string> PreferredLanguages(const Getenv& getenv);

// The first of `preferred` that `have` accepts, English counting as always
// there (it needs nothing); "en" when none is.
std::string FirstWeHave(std::span<const std::string> preferred,
                        const std::function<bool(const std::string&)>& have);

}  // namespace language
