#pragma once

#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "Bytes.h"

namespace assetcheck {

// The bytes of an asset, by its path under assets/; empty (and a failed
// test) when it cannot be read.
inline std::vector<std::uint8_t> ReadAsset(const std::string& path) {
    auto bytes = ReadFile(std::string(KORVANDA_ASSETS_DIR) + "/" + path);
    if (!bytes) ADD_FAILURE() << "cannot read assets/" << path;
    return bytes.value_or(std::vector<std::uint8_t>{});
}

}  // namespace assetcheck
