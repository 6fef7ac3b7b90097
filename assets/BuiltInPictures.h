#pragma once

#include <span>

#include "runtime/EmbeddedFile.h"

// The pictures linked into both programs: "0.bmp".."10.bmp" and "working.ico".
std::span<const runtime::EmbeddedFile> BuiltInPictures();
