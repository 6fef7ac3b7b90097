// The error and trace channel.
#include <string>

#include "canvas/Draw.h"

namespace canvas {

namespace {
std::string_view TrimRight(std::string_view text) {
    const auto end = text.find_last_not_of(' ');
    return end == std::string_view::npos ? std::string_view{} : text.substr(0, end + 1);
}
}  // namespace

void Draw::ErrorTrap(std::string_view ERRORSTR, std::string_view FUNCTIONNAME) {
    if (SuppressErrors) return;
    std::string text = "An error occured in ";
    text += TrimRight(FUNCTIONNAME);
    text += ", error: ";
    text += TrimRight(ERRORSTR);
    if (Logging)
        Log(text, 1);
    else
        host_.ShowMessage(text);
}

void Draw::Log(std::string_view MESSAGE, std::int32_t /*MSGLEVEL*/) {
    if (!Logging) return;
    std::string line = "[Draw] ";
    line += TrimRight(MESSAGE);
    line += "\r\n";
    host_.DebugWrite(line);
}

}  // namespace canvas
