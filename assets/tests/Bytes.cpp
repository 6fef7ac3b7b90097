#include "Bytes.h"

#include <fstream>
#include <iterator>

namespace assetcheck {

std::optional<std::vector<std::uint8_t>> ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return std::nullopt;
    return std::vector<std::uint8_t>(std::istreambuf_iterator<char>(in), {});
}

}  // namespace assetcheck
