#include <gtest/gtest.h>

#include "frame/FullWindowDragging.h"
#include "frame/testing/RecordingFullWindowDragging.h"

namespace frame {
namespace {

using Sets = std::vector<bool>;

TEST(FullWindowDraggingOff, SwitchesOffOnlyWhatWasOnAndBackAtTheEnd) {
    testing::RecordingFullWindowDragging on(true);
    {
        const FullWindowDraggingOff off(on);
        EXPECT_TRUE(off.SwitchedOff());
        EXPECT_EQ(on.sets, Sets{false});
    }
    EXPECT_EQ(on.sets, (Sets{false, true}));
    EXPECT_TRUE(on.IsOn());

    testing::RecordingFullWindowDragging alreadyOff(false);
    {
        const FullWindowDraggingOff off(alreadyOff);
        EXPECT_FALSE(off.SwitchedOff());
    }
    EXPECT_EQ(alreadyOff.reads, 1);
    EXPECT_TRUE(alreadyOff.sets.empty());
}

TEST(FullWindowDragging, ThisDesktopHasNoSuchSetting) {
    const auto dragging = CreateFullWindowDragging();
    EXPECT_FALSE(dragging->IsOn());
    dragging->Set(true);
    EXPECT_FALSE(dragging->IsOn());
}

}  // namespace
}  // namespace frame
