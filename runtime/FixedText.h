#pragma once

#include <algorithm>
#include <array>
#include <cctype>
#include <cstddef>
#include <span>
#include <string>
#include <string_view>

namespace runtime {

// A view of any fixed-length text, so controls can be bound to texts of every length.
struct TextSpan {
    std::span<char> chars;

    // Blank-pads a shorter value and cuts a longer one.
    void Assign(std::string_view value) const {
        const std::size_t n = std::min(value.size(), chars.size());
        std::copy_n(value.begin(), n, chars.begin());
        std::fill(chars.begin() + static_cast<std::ptrdiff_t>(n), chars.end(), ' ');
    }
    std::string_view Trimmed() const {
        std::string_view s(chars.data(), chars.size());
        return s.substr(0, s.find_last_not_of(' ') + 1);
    }
};

// Text of exactly N characters: blank-padded, cut on assignment, compared
// without trailing blanks.
template <std::size_t N>
class FixedText {
public:
    FixedText() { chars_.fill(' '); }
    FixedText(std::string_view value) { Span().Assign(value); }  // NOLINT: implicit on purpose
    FixedText& operator=(std::string_view value) {
        Span().Assign(value);
        return *this;
    }

    static constexpr std::size_t Length = N;
    std::string_view Raw() const { return {chars_.data(), N}; }
    std::string_view Trimmed() const {
        const std::string_view s = Raw();
        return s.substr(0, s.find_last_not_of(' ') + 1);
    }
    std::string Str() const { return std::string(Trimmed()); }
    TextSpan Span() { return TextSpan{chars_}; }

    FixedText Upper() const {
        FixedText up;
        std::transform(chars_.begin(), chars_.end(), up.chars_.begin(),
                       [](char c) { return static_cast<char>(std::toupper(static_cast<unsigned char>(c))); });
        return up;
    }

    friend bool operator==(const FixedText& text, std::string_view other) {
        std::string_view rhs = other.substr(0, other.find_last_not_of(' ') + 1);
        return text.Trimmed() == rhs;
    }
    template <std::size_t M>
    friend bool operator==(const FixedText& a, const FixedText<M>& b) {
        return a.Trimmed() == b.Trimmed();
    }

private:
    std::array<char, N> chars_;
};

}  // namespace runtime
