#pragma once

#include <chrono>
#include <cstdint>
#include <deque>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "runtime/Event.h"
#include "runtime/FixedText.h"
#include "runtime/Image.h"
#include "runtime/Types.h"
#include "runtime/WindowDefinition.h"

namespace runtime {

class Runtime;

// One window made from a WindowDefinition, with the program's variables
// bound to its controls. It turns the desktop's input into events
// (accepted, alert key, window opened, close), keeps the properties of its
// controls, and renders itself into a frame that the platform presents.
class Window {
public:
    Window(const WindowDefinition& definition, Runtime& runtime);
    ~Window();
    Window(const Window&) = delete;
    Window& operator=(const Window&) = delete;

    // Bindings: a refresh copies the variable into the controls; choosing a
    // radio stores its value into the group's variable.
    void Bind(ControlId control, std::int16_t& variable);
    void Bind(ControlId control, TextSpan variable);

    // Opens the window on the desktop and queues the OpenWindow event.
    bool Open();
    void Close();
    bool IsOpen() const;

    // The next event: waits for input when `wait` is set; nullopt when no
    // event is there (and `wait` is not set) or the window is closed.
    std::optional<Event> NextEvent(bool wait = true);
    const Event& CurrentEvent() const;
    void Post(const Event& event);

    // Waits until `deadline` on the runtime's clock, for a program that is
    // busy between events (a spoken equation): the window keeps its picture
    // (exposures are repainted), and all other input is held, in order, for
    // NextEvent afterwards. Returns false, at once, when the desktop asks the
    // window to close meanwhile, or has asked and the close event is still
    // queued; that event comes before the held input.
    bool WaitShowing(std::chrono::steady_clock::time_point deadline);
    // Of the presses of `button` held by WaitShowing since the last call,
    // only the first raises its event: pressing it again and again while
    // the program is busy counts once.
    void MergeHeldPresses(ControlId button);

    // Copies every bound variable into its controls (an option group's choice
    // follows its variable), raises no event, and puts the result on screen.
    void Refresh();
    void RegisterAlertKey(int keyCode);

    // The chosen radio of an option group, or None.
    ControlId Choice(ControlId group) const;

    void SetFocus(ControlId control);
    ControlId Focus() const;

    // Control properties.
    void Hide(ControlId control);
    void Unhide(ControlId control);
    bool IsHidden(ControlId control) const;
    void SetPicture(ControlId control, std::string_view fileName);  // loaded at once
    std::string Picture(ControlId control) const;
    // The control shows (a copy of) the given bitmap file image.
    void SetPictureFromMemory(ControlId control, std::span<const std::uint8_t> bitmapFile);
    // The bitmap file image last handed to the control; empty when none.
    std::vector<std::uint8_t> PictureBytes(ControlId control) const;
    bool ShowsPicture(ControlId control) const;  // a picture is loaded and the control is shown
    void SetFill(ControlId control, Colour colour);
    Colour Fill(ControlId control) const;

    // Geometry in 96-DPI pixels of the client area.
    // Menu titles lie above the client area (negative y); menu items where
    // their drop-down shows them.
    Rect ControlRect(ControlId control) const;
    // The control a click at this point goes to (the last shown radio, button
    // or menu under it), or None.
    ControlId ControlAt(Point clientPixel) const;
    ControlId Find(std::string_view label) const;
    Size ClientSize() const;
    // The window font as used: the definition's, or the default (Arial 8 points).
    FontSpec WindowFont() const;
    // Size of one dialog unit, in 96-DPI pixels, from the window font.
    double DialogUnitX() const;
    double DialogUnitY() const;

    // Window properties; positions in dialog units.
    Point Position() const;
    void SetPosition(Point dialogUnits);  // NotGiven keeps a coordinate
    // The usable area of every screen, in dialog units (rounded inwards).
    std::vector<Rect> ScreenAreas() const;
    // What the window covers on the desktop relative to Position(), in
    // dialog units (rounded outwards): its frame with the desktop's borders.
    // The part above the position is the caption; where the desktop does not
    // tell its size, a caption of usual height is assumed.
    Rect Outline() const;
    bool IsMaximized() const;
    bool IsMinimized() const;
    void SetMaximized(bool maximized);
    void SetMinimized(bool minimized);
    bool IsResizable() const;
    void SetBuffered(bool buffered);
    const WindowDefinition& Definition() const;
    Runtime& GetRuntime() const;

    // Rendering: the frame as last presented, at the display scale.
    double Scale() const;
    const Image& Frame();
    // Writes the current frame as a PNG file (for people to look at).
    bool SaveScreenshot(const std::string& path);
    // Converts between 96-DPI client pixels and pixels of the frame (which
    // holds the menu bar above the client area and is scaled).
    Point FrameFromClient(Point clientPixel) const;
    Point ClientFromFrame(Point framePixel) const;

private:
    struct Impl;
    std::unique_ptr<Impl> impl_;
};

}  // namespace runtime
