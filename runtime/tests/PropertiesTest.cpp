#include <gtest/gtest.h>

#include "TestWindows.h"

namespace runtime::testing {
namespace {

class Properties : public ::testing::Test {
protected:
    WorkingFolder folder;
    Fixture f;
};

TEST_F(Properties, HideAndUnhideFollowTheParentGroup) {
    EXPECT_TRUE(f.window->IsHidden(Id(Ctl::Picture)));  // hidden by its definition
    f.window->Unhide(Id(Ctl::Picture));
    EXPECT_FALSE(f.window->IsHidden(Id(Ctl::Picture)));
    f.window->Hide(Id(Ctl::Go));
    EXPECT_TRUE(f.window->IsHidden(Id(Ctl::Go)));
    EXPECT_TRUE(f.window->IsHidden(ControlId{4242}));  // no such control: nothing shown
}

TEST_F(Properties, PictureByNameIsLoadedAtOnceAndAMissingOneLeavesTheControlEmpty) {
    WriteFile("bead.bmp", SolidBmp(4, 3, 0x00FF00));
    f.window->SetPicture(Id(Ctl::Bead), "bead.bmp");
    std::filesystem::remove("bead.bmp");  // already loaded
    EXPECT_EQ(f.window->Picture(Id(Ctl::Bead)), "bead.bmp");
    EXPECT_TRUE(f.window->ShowsPicture(Id(Ctl::Bead)));
    f.window->Hide(Id(Ctl::Group));
    EXPECT_FALSE(f.window->ShowsPicture(Id(Ctl::Bead)));  // its group is hidden
    f.window->Unhide(Id(Ctl::Group));

    f.window->SetPicture(Id(Ctl::Bead), "missing.bmp");
    EXPECT_EQ(f.window->Picture(Id(Ctl::Bead)), "missing.bmp");
    EXPECT_FALSE(f.window->ShowsPicture(Id(Ctl::Bead)));
    EXPECT_TRUE(f.headless.platform->messages.empty());  // silently
    EXPECT_TRUE(f.headless.debug->lines.empty());
}

TEST_F(Properties, PictureFromMemoryIsCopiedAndReadBack) {
    std::vector<std::uint8_t> bmp = SolidBmp(5, 5, 0x123456);
    const std::vector<std::uint8_t> original = bmp;
    f.window->SetPictureFromMemory(Id(Ctl::Bead), bmp);
    bmp.assign(bmp.size(), 0);  // the control keeps its own copy
    EXPECT_EQ(f.window->PictureBytes(Id(Ctl::Bead)), original);
    EXPECT_TRUE(f.window->ShowsPicture(Id(Ctl::Bead)));
    EXPECT_EQ(f.window->Picture(Id(Ctl::Bead)), "");

    const std::vector<std::uint8_t> damaged = {'B', 'M', 1, 2, 3};
    f.window->SetPictureFromMemory(Id(Ctl::Bead), damaged);
    EXPECT_EQ(f.window->PictureBytes(Id(Ctl::Bead)), damaged);
    EXPECT_FALSE(f.window->ShowsPicture(Id(Ctl::Bead)));
    EXPECT_TRUE(f.window->PictureBytes(Id(Ctl::Panel)).empty());
}

TEST_F(Properties, FillColourIsKept) {
    EXPECT_EQ(f.window->Fill(Id(Ctl::Panel)), 0xFF8080);
    EXPECT_EQ(f.window->Fill(Id(Ctl::Group)), NoColour);
    f.window->SetFill(Id(Ctl::Group), 255);
    EXPECT_EQ(f.window->Fill(Id(Ctl::Group)), 255);
    f.window->SetFill(Id(Ctl::Group), NoColour);
    EXPECT_EQ(f.window->Fill(Id(Ctl::Group)), NoColour);
}

TEST_F(Properties, PositionRoundTripsInDialogUnits) {
    f.window->SetPosition({40, 25});
    EXPECT_EQ(f.window->Position(), (Point{40, 25}));
    f.window->SetPosition({NotGiven, 30});
    EXPECT_EQ(f.window->Position(), (Point{40, 30}));
    const Point px = f.headless.platform->WindowPosition();
    EXPECT_NEAR(px.x, 40 * f.window->DialogUnitX(), 1.0);
    EXPECT_NEAR(px.y, 30 * f.window->DialogUnitY(), 1.0);
}

TEST_F(Properties, WindowStateGoesToTheDesktop) {
    f.window->SetMaximized(true);
    EXPECT_TRUE(f.window->IsMaximized());
    EXPECT_TRUE(f.headless.platform->IsMaximized());
    f.window->SetMinimized(true);
    EXPECT_TRUE(f.window->IsMinimized());
    EXPECT_FALSE(f.window->IsResizable());
    EXPECT_EQ(f.window->Find("PANEL"), Id(Ctl::Panel));
    EXPECT_EQ(f.window->Find("NOPE"), ControlId::None);
}

TEST(WindowOpening, PositionGivenBeforeOpenPlacesTheWindow) {
    Headless h = CreateHeadlessRuntime();
    Window window(SampleWindow(), *h.runtime);
    window.SetPosition({20, 10});
    ASSERT_TRUE(window.Open());
    ASSERT_TRUE(h.platform->lastRequest.position);
    EXPECT_NEAR(h.platform->lastRequest.position->x, 20 * window.DialogUnitX(), 1.0);
    EXPECT_EQ(h.platform->lastRequest.caption, "Sample");
    EXPECT_EQ(h.platform->lastRequest.frameSize, (Size{window.Frame().width, window.Frame().height}));
    EXPECT_EQ(window.Position(), (Point{20, 10}));
}

}  // namespace
}  // namespace runtime::testing
