// Any bytes as a settings file: reading and writing back must keep them,
// and an edit must read back after a save and a fresh parse.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "frame/IniFile.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    frame::IniFile file = frame::IniFile::Parse(text);
    if (file.Serialize() != text) std::abort();

    if (!file.Set("Main", "XPos", "5")) std::abort();
    const std::string saved = file.Serialize();
    frame::IniFile again = frame::IniFile::Parse(saved);
    if (again.Get("Main", "XPos") != "5" || again.Serialize() != saved) std::abort();

    again.Remove("Main", "XPos");
    if (frame::IniFile::Parse(again.Serialize()).Find("Main", "XPos")) std::abort();
    return 0;
}
