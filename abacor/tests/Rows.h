#pragma once

#include <string>
#include <vector>

#include "runtime/Window.h"

namespace abacor::testing {

// What a row of image controls shows: for each place, "-" when hidden,
// otherwise its picture file name (empty when it has none).
template <typename Row>
std::vector<std::string> Shown(const runtime::Window& window, const Row& row) {
    std::vector<std::string> places;
    for (int k = 1; k <= Row::Size; ++k)
        places.push_back(window.IsHidden(row(k)) ? "-" : window.Picture(row(k)));
    return places;
}

// A row as expected: runs of pictures from the top, the rest hidden.
struct Run {
    int count;
    std::string picture;
};
inline std::vector<std::string> Expected(int size, std::vector<Run> runs) {
    std::vector<std::string> places;
    for (const Run& run : runs)
        places.insert(places.end(), static_cast<std::size_t>(run.count), run.picture);
    places.resize(static_cast<std::size_t>(size), "-");
    return places;
}

}  // namespace abacor::testing
