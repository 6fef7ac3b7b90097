#pragma once

#include <filesystem>
#include <string>

#include "language/Preferred.h"

namespace language {

// The languages a program speaks and shows, chosen once at start.
struct Choice {
    std::string voices = "en";  // the voices' language; English lies in the data folder itself
    std::string texts = "en";   // the window texts' and messages' language

    // Where the voice files lie, relative to the data folder: "" for
    // English, "voices/de/" for German.
    std::string VoiceFolder() const;
};

// The voices: the first preferred language with a folder voices/<code> in
// the data folder. The texts: the first preferred language with a catalog
// in the locale folder. Either falls back to English on its own, so a
// language without voices keeps its translated texts.
Choice Choose(const std::filesystem::path& dataFolder, const std::filesystem::path& localeFolder,
              const Getenv& getenv);

// At program start: chooses from the environment and puts the catalog in
// use (UseCatalog).
Choice ChooseAtStart(const std::filesystem::path& dataFolder);

}  // namespace language
