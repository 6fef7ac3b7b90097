#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <utility>
#include <vector>

namespace assetcheck {

using Bytes = std::span<const std::uint8_t>;

// A parsed file or the reason it could not be parsed.
template <class T>
struct Result {
    std::optional<T> value;
    std::string error;

    static Result Fail(std::string why) { return {std::nullopt, std::move(why)}; }
    explicit operator bool() const { return value.has_value(); }
    const T& operator*() const { return *value; }
    const T* operator->() const { return &*value; }
};

// Little-endian fields; nullopt when the field lies beyond the end.
inline std::optional<std::uint32_t> Le(Bytes b, std::size_t at, std::size_t size) {
    if (at > b.size() || size > b.size() - at) return std::nullopt;
    std::uint32_t v = 0;
    for (std::size_t i = size; i-- > 0;) v = v << 8 | b[at + i];
    return v;
}
inline std::optional<std::uint32_t> Le16(Bytes b, std::size_t at) { return Le(b, at, 2); }
inline std::optional<std::uint32_t> Le32(Bytes b, std::size_t at) { return Le(b, at, 4); }

// The whole file, or nullopt when it cannot be read.
std::optional<std::vector<std::uint8_t>> ReadFile(const std::string& path);

}  // namespace assetcheck
