#include <algorithm>
#include <vector>

#include <gtest/gtest.h>

#include "Assets.h"
#include "Ico.h"

namespace assetcheck {
namespace {

TEST(Icon, HoldsTheFourSizesTheDesktopAsksFor) {
    const auto file = ReadAsset("builtin/working.ico");
    const auto icon = ParseIco(file);
    ASSERT_TRUE(icon) << icon.error;
    std::vector<int> sizes;
    for (const auto& image : *icon) {
        EXPECT_EQ(image.width, image.height);
        EXPECT_EQ(image.bits, 32) << "with an alpha channel";
        sizes.push_back(image.width);
    }
    std::sort(sizes.begin(), sizes.end());
    EXPECT_EQ(sizes, (std::vector<int>{16, 32, 48, 256}));
}

}  // namespace
}  // namespace assetcheck
