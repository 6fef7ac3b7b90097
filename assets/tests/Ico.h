#pragma once

#include <vector>

#include "Bytes.h"

namespace assetcheck {

// One picture of an icon file, as its directory entry and its image agree.
struct IcoImage {
    int width = 0;
    int height = 0;
    int bits = 0;
    bool png = false;  // stored as a PNG file rather than as a bitmap
};

// Reads an ICO directory and the header of each image in it. Fails when an
// image lies outside the file or does not match its directory entry.
Result<std::vector<IcoImage>> ParseIco(Bytes file);

}  // namespace assetcheck
