#pragma once

// The inside of Window, shared by the files that make it up:
// Controls.cpp (model, bindings, properties), Layout.cpp (dialog units,
// natural sizes, scale), Input.cpp (input, focus, keys), Render.cpp (dirty
// region, frame), Look.cpp (how each kind of control is drawn).

#include <deque>
#include <map>
#include <memory>
#include <optional>
#include <set>
#include <string>
#include <unordered_map>
#include <vector>

#include "runtime/Runtime.h"
#include "runtime/Window.h"
#include "runtime/render/Fonts.h"
#include "runtime/render/Raster.h"

namespace runtime {

namespace window {

// Where a control's value comes from: nothing, a 16-bit number or a text.
struct Binding {
    std::int16_t* number = nullptr;
    std::optional<TextSpan> text;
    bool Bound() const { return number || text; }
};

// A font as a control uses it, resolved against the window font.
struct ControlFont {
    std::string face;
    int points = 0;
    bool bold = false;
    std::uint32_t argb = 0xFF000000;
    render::Font* atScale = nullptr;  // nullptr: no font could be found
};

struct ControlState {
    const ControlDefinition* def = nullptr;
    int parent = -1;  // index of the holding group or menu
    std::vector<int> children;
    Rect rect;       // client area, 96-DPI pixels
    Rect frameRect;  // frame pixels at the window's scale
    ControlFont font;

    bool hidden = false;
    Colour fill = NoColour;
    bool pictureRadio = false;  // a radio that shows a picture instead of text
    std::string pictureName;
    std::shared_ptr<const Image> picture;
    std::vector<std::uint8_t> pictureBytes;  // the bitmap file image handed over, if any

    Binding binding;
    std::string shown;  // the text a display shows
    int choice = -1;    // option group: index of the chosen radio

    ControlKind Kind() const { return def->kind; }
    ControlId Id() const { return static_cast<ControlId>(def->number); }
};

constexpr std::uint32_t WindowBackground = 0xFFF0F0F0;
constexpr int MenuBarHeight = 20;  // 96-DPI pixels
constexpr int MenuItemHeight = 22;
constexpr int MenuSeparatorHeight = 9;

}  // namespace window

struct Window::Impl {
    Impl(const WindowDefinition& definition, Runtime& runtime);

    const WindowDefinition& def;
    Runtime& runtime;
    std::vector<window::ControlState> controls;
    std::unordered_map<int, int> indexOf;

    // Layout (Layout.cpp).
    window::ControlFont windowFont;
    int baseX = 6, baseY = 14;  // dialog base units: average character width and height, pixels
    double scale = 1;
    Size client;
    int menuBar = 0;  // height of the menu bar, 96-DPI pixels (0: none)

    void Layout();
    void LayoutMenus();
    int UnitsToPixelsX(int units) const;
    int UnitsToPixelsY(int units) const;
    Size NaturalSize(const window::ControlState& c) const;
    double ChooseScale() const;
    Rect ToFrame(const Rect& clientRect) const;
    Point ClientFromFrame(Point framePixel) const;
    Point FrameFromClient(Point clientPixel) const;
    Size FrameSize() const;
    void ResolveFonts();

    // Model (Controls.cpp).
    window::ControlState* Find(ControlId id);
    const window::ControlState* Find(ControlId id) const;
    int IndexOf(ControlId id) const;
    bool IsShown(int index) const;
    void ApplyBinding(int index);
    void ApplyAllBindings();
    void Choose(int radio);
    void SetHidden(int index, bool hidden);
    void SetPicture(int index, std::shared_ptr<const Image> picture);
    void Post(const Event& e) { queue.push_back(e); }

    // Events and input (Input.cpp).
    bool open = false;
    std::deque<Event> queue;
    // Input that arrived while the program was busy (WaitShowing), with the
    // number of the busy spell it came in.
    struct HeldInput {
        InputEvent input;
        int spell = 0;
    };
    std::deque<HeldInput> held;
    int spell = 0;  // the busy spell now collecting input
    ControlId mergedButton = ControlId::None;
    int spellOfMergedPress = -1;  // the spell whose press of mergedButton was let through
    bool CloseQueued() const;
    void Hold(const InputEvent& input);
    void HandleHeld();
    Event current;
    std::set<int> alertKeys;
    int focus = -1;
    int pressed = -1;  // control under a held mouse button
    bool pressedInside = false;
    int openMenu = -1;  // index of the menu whose drop-down is open
    int menuHover = -1;  // its highlighted item
    std::optional<Point> position;  // dialog units, before the window opens
    bool wantMaximized = false, wantMinimized = false;

    void Handle(const InputEvent& input);
    void MouseDown(Point p);
    void MouseMove(Point p);
    void MouseUp(Point p);
    void Key(int keyCode, bool shift);
    void Activate(int index);
    void SetFocus(int index);
    void MoveFocus(bool forward);
    void MoveChoice(bool forward);
    int HitTest(Point clientPixel) const;
    int MenuAt(Point clientPixel) const;
    void OpenMenu(int menu);
    void CloseMenu();
    void HoverMenuItem(int item);
    void MenuKey(int keyCode);

    // Rendering (Render.cpp, Look.cpp).
    Image frame;
    std::vector<Rect> dirty;
    // Parts of pictures at the window's scale, as controls show them; the
    // shared picture itself stays the only full copy.
    struct ScaledPicture {
        std::weak_ptr<const Image> source;
        Rect part;  // of the picture at the window's scale
        Image scaled;
    };
    std::vector<ScaledPicture> scaledPictures;

    void MarkDirty(int index);
    void MarkRect(const Rect& framePixels);
    void MarkAll();
    Rect PaintBounds(int index) const;
    std::vector<Rect> unpresented;  // repainted, not yet handed to the platform

    // Repaints the dirty region; returns whether anything was repainted.
    bool RenderDirty();
    void Repaint(const Rect& area);
    void PresentIfOpen();
    Size PictureSizeAtScale(const Image& picture) const;
    // Draws the picture at the window's scale with its top left at (x, y),
    // cut to `clip`; only the part inside the clip is scaled.
    void BlitPicture(render::Painter& p, const std::shared_ptr<const Image>& picture, int x, int y,
                     const Rect& clip);
    int Px(double pixels96) const;  // a length in frame pixels, at least 1

    void DrawControl(render::Painter& p, int index);
    void DrawPanel(render::Painter& p, const window::ControlState& c);
    void DrawOptionGroup(render::Painter& p, const window::ControlState& c);
    void DrawRadio(render::Painter& p, int index);
    void DrawButton(render::Painter& p, int index);
    void DrawText(render::Painter& p, const window::ControlState& c, std::string_view text, bool wrap);
    void DrawDisplay(render::Painter& p, const window::ControlState& c);
    void DrawImage(render::Painter& p, const window::ControlState& c);
    void DrawLine(render::Painter& p, const window::ControlState& c);
    void DrawMenuBar(render::Painter& p);
    void DrawDropDown(render::Painter& p);
    Rect DropDownRect() const;
};

namespace window {
// Text of a display for a value through its display picture ("n-3", "N-3", "s1").
std::string FormatDisplay(std::string_view picture, std::string_view value);
// A number picture's count of positions, or 0 for other pictures.
int NumberPositions(std::string_view picture);
// "&File" -> "File" with the index of the underlined letter (-1: none).
std::pair<std::string, int> MenuLabel(std::string_view text);
bool NamesPicture(std::string_view text);
}  // namespace window

}  // namespace runtime
