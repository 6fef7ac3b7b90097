#include "language/Catalog.h"

#include <libintl.h>

#include <clocale>
#include <cstdlib>
#include <system_error>

namespace language {

namespace fs = std::filesystem;

fs::path LocaleFolder() {
    std::error_code error;
    const fs::path program = fs::read_symlink("/proc/self/exe", error);
    if (error) return {};
    return program.parent_path().parent_path() / "share" / "locale";
}

bool HasCatalog(const fs::path& folder, const std::string& language) {
    std::error_code error;
    return fs::is_regular_file(
        folder / language / "LC_MESSAGES" / (std::string(TextDomain) + ".mo"), error);
}

void UseCatalog(const fs::path& folder, const std::string& language) {
    if (language == "en" || !HasCatalog(folder, language)) {
        // gettext answers every text with itself in the C locale.
        std::setlocale(LC_MESSAGES, "C");
        return;
    }
    // glibc ignores LANGUAGE only under the plain C locale, not C.UTF-8.
    std::setlocale(LC_MESSAGES, "C.UTF-8");
    setenv("LANGUAGE", language.c_str(), 1);
    bindtextdomain(TextDomain, folder.c_str());
    bind_textdomain_codeset(TextDomain, "UTF-8");
    // Also tells gettext that translations it remembers are stale (LANGUAGE
    // alone does not).
    textdomain(TextDomain);
}

const char* Tr(const char* text) {
    // The empty text names the catalog's header in gettext.
    return *text ? dgettext(TextDomain, text) : text;
}

std::string_view Tr(std::string_view text) {
    if (text.empty()) return text;
    const std::string key(text);
    const char* translated = dgettext(TextDomain, key.c_str());
    // gettext hands back its argument when it has no translation.
    return translated == key.c_str() ? text : std::string_view(translated);
}

}  // namespace language
