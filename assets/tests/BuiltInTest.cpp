// The pictures linked into the programs are exactly the committed files.
#include <set>
#include <string>

#include <gtest/gtest.h>

#include "Assets.h"
#include "assets/BuiltInPictures.h"

namespace assetcheck {
namespace {

TEST(BuiltIn, LinksTheNumeralsAndTheIcon) {
    std::set<std::string> names;
    for (const auto& file : BuiltInPictures()) {
        names.insert(std::string(file.name));
        const auto bytes = ReadAsset("builtin/" + std::string(file.name));
        EXPECT_TRUE(std::equal(file.bytes.begin(), file.bytes.end(), bytes.begin(), bytes.end()))
            << file.name << " differs from its file";
    }
    std::set<std::string> expected = {"working.ico"};
    for (int n = 0; n <= 10; ++n) expected.insert(std::to_string(n) + ".bmp");
    EXPECT_EQ(names, expected);
}

}  // namespace
}  // namespace assetcheck
