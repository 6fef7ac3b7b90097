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

// Screens and the window's outline in dialog units, at any scale: a screen
// is rounded inwards (a place on it is on it), the outline outwards.
TEST(WindowGeometry, ScreensAndOutlineInDialogUnits) {
    for (const double scale : {1.0, 1.5, 2.0}) {
        Fixture f(scale);
        f.headless.platform->screens = {{0, 0, 1366, 768}, {1366, -200, 1920, 1080}};
        const double perX = scale * f.window->DialogUnitX(), perY = scale * f.window->DialogUnitY();
        const std::vector<Rect> areas = f.window->ScreenAreas();
        ASSERT_EQ(areas.size(), 2u);
        for (std::size_t i = 0; i < areas.size(); ++i) {
            const Rect& a = areas[i];
            const Rect& s = f.headless.platform->screens[i];
            EXPECT_GE(a.x * perX, s.x) << scale;
            EXPECT_GE(a.y * perY, s.y) << scale;
            EXPECT_LE((a.x + a.width) * perX, s.x + s.width) << scale;
            EXPECT_LE((a.y + a.height) * perY, s.y + s.height) << scale;
            EXPECT_GT((a.x + a.width + 1) * perX, s.x + s.width) << scale;
        }

        const Size frame = f.headless.platform->lastRequest.frameSize;
        const Rect usual = f.window->Outline();  // the desktop tells nothing: a usual caption
        EXPECT_LE(usual.y * perY, -30 * scale) << scale;
        EXPECT_GE((usual.x + usual.width) * perX, frame.width) << scale;
        f.headless.platform->borders = Borders{3, 40, 3, 3};
        const Rect told = f.window->Outline();
        EXPECT_LE(told.x * perX, -3) << scale;
        EXPECT_LE(told.y * perY, -40) << scale;
        EXPECT_GT((told.y + 1) * perY, -40) << scale;
        EXPECT_GE((told.x + told.width) * perX, frame.width + 3) << scale;
        EXPECT_GE((told.y + told.height) * perY, frame.height + 3) << scale;
    }
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
