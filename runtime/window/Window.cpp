// The public face of Window; the work is done by Window::Impl.
#include "runtime/Window.h"

#include <cmath>

#include "runtime/PngFile.h"
#include "runtime/window/WindowImpl.h"

namespace runtime {

Window::Window(const WindowDefinition& definition, Runtime& runtime)
    : impl_(std::make_unique<Impl>(definition, runtime)) {}

Window::~Window() { Close(); }

void Window::Bind(ControlId control, std::int16_t& variable) {
    const int i = impl_->IndexOf(control);
    if (i < 0) return;
    impl_->controls[static_cast<std::size_t>(i)].binding = {&variable, std::nullopt};
    impl_->ApplyBinding(i);
}

void Window::Bind(ControlId control, TextSpan variable) {
    const int i = impl_->IndexOf(control);
    if (i < 0) return;
    impl_->controls[static_cast<std::size_t>(i)].binding = {nullptr, variable};
    impl_->ApplyBinding(i);
}

bool Window::Open() {
    Impl& w = *impl_;
    if (w.open) return true;
    WindowRequest request;
    request.caption = std::string(w.def.caption);
    if (auto icon = w.runtime.pictures().Load(w.def.icon)) request.icon = *icon;
    request.frameSize = w.FrameSize();
    if (w.position) {
        request.position = Point{static_cast<int>(std::lround(w.UnitsToPixelsX(w.position->x) * w.scale)),
                                 static_cast<int>(std::lround(w.UnitsToPixelsY(w.position->y) * w.scale))};
    }
    request.minimizeBox = w.def.minimizeBox;
    request.maximizeBox = w.def.maximizeBox;
    request.resizable = w.def.resizable;
    if (!w.runtime.platform().OpenWindow(request)) return false;
    w.open = true;
    w.ApplyAllBindings();
    w.MarkAll();
    w.RenderDirty();
    w.unpresented.clear();
    w.runtime.platform().Present(w.frame);
    if (w.wantMaximized) w.runtime.platform().SetMaximized(true);
    if (w.wantMinimized) w.runtime.platform().SetMinimized(true);
    w.Post({EventKind::OpenWindow, ControlId::None, 0});
    return true;
}

void Window::Close() {
    if (!impl_->open) return;
    impl_->open = false;
    impl_->runtime.platform().CloseWindow();
}

bool Window::IsOpen() const { return impl_->open; }

std::optional<Event> Window::NextEvent(bool wait) {
    Impl& w = *impl_;
    for (;;) {
        if (!w.queue.empty()) {
            w.current = w.queue.front();
            w.queue.pop_front();
            return w.current;
        }
        if (!w.open) return std::nullopt;
        if (!w.held.empty()) {
            w.HandleHeld();
            continue;
        }
        w.PresentIfOpen();
        std::optional<std::chrono::steady_clock::time_point> deadline;
        if (!wait) deadline = std::chrono::steady_clock::now();
        // A wait without deadline that brings nothing means the platform has
        // nothing more to give (a headless desktop) or was woken on purpose.
        const std::optional<InputEvent> input = w.runtime.platform().WaitInput(deadline);
        if (!input) return std::nullopt;
        w.Handle(*input);
    }
}

const Event& Window::CurrentEvent() const { return impl_->current; }
void Window::Post(const Event& event) { impl_->Post(event); }

bool Window::WaitShowing(std::chrono::steady_clock::time_point deadline) {
    Impl& w = *impl_;
    Clock& clock = w.runtime.clock();
    w.PresentIfOpen();
    while (!w.CloseQueued() && clock.Now() < deadline) {
        const std::optional<InputEvent> input =
            w.open ? w.runtime.platform().WaitInput(deadline) : std::nullopt;
        if (!input) {
            // The platform had nothing before the deadline (or never waits, as a
            // headless one): whatever time is left is slept.
            if (clock.Now() < deadline) clock.SleepUntil(deadline);
            continue;
        }
        switch (input->type) {
            case InputEvent::Type::Exposed:
            case InputEvent::Type::Restored:
            case InputEvent::Type::Minimized:
            case InputEvent::Type::CloseRequested:
                w.Handle(*input);
                w.PresentIfOpen();
                break;
            default:
                w.Hold(*input);
                break;
        }
    }
    return !w.CloseQueued();
}

void Window::MergeHeldPresses(ControlId button) {
    impl_->mergedButton = button;
    ++impl_->spell;
}

void Window::Refresh() {
    impl_->ApplyAllBindings();
    impl_->PresentIfOpen();
}

void Window::RegisterAlertKey(int keyCode) { impl_->alertKeys.insert(keyCode); }

ControlId Window::Choice(ControlId group) const {
    const auto* g = impl_->Find(group);
    if (!g || g->choice < 0) return ControlId::None;
    return impl_->controls[static_cast<std::size_t>(g->choice)].Id();
}

void Window::SetFocus(ControlId control) {
    int i = impl_->IndexOf(control);
    if (i >= 0 && impl_->controls[static_cast<std::size_t>(i)].Kind() == ControlKind::OptionGroup) {
        const auto& group = impl_->controls[static_cast<std::size_t>(i)];
        i = group.choice >= 0 ? group.choice : (group.children.empty() ? i : group.children.front());
    }
    impl_->SetFocus(i);
}

ControlId Window::Focus() const {
    return impl_->focus < 0 ? ControlId::None : impl_->controls[static_cast<std::size_t>(impl_->focus)].Id();
}

void Window::Hide(ControlId control) {
    if (int i = impl_->IndexOf(control); i >= 0) impl_->SetHidden(i, true);
}

void Window::Unhide(ControlId control) {
    if (int i = impl_->IndexOf(control); i >= 0) impl_->SetHidden(i, false);
}

bool Window::IsHidden(ControlId control) const {
    const auto* c = impl_->Find(control);
    return c ? c->hidden : true;
}

void Window::SetPicture(ControlId control, std::string_view fileName) {
    const int i = impl_->IndexOf(control);
    if (i < 0) return;
    auto& c = impl_->controls[static_cast<std::size_t>(i)];
    c.pictureName = std::string(fileName);
    c.pictureBytes.clear();
    impl_->SetPicture(i, impl_->runtime.pictures().Load(fileName));
}

std::string Window::Picture(ControlId control) const {
    const auto* c = impl_->Find(control);
    return c ? c->pictureName : std::string();
}

void Window::SetPictureFromMemory(ControlId control, std::span<const std::uint8_t> bitmapFile) {
    const int i = impl_->IndexOf(control);
    if (i < 0) return;
    auto& c = impl_->controls[static_cast<std::size_t>(i)];
    c.pictureName.clear();
    c.pictureBytes.assign(bitmapFile.begin(), bitmapFile.end());
    std::shared_ptr<const Image> picture;
    if (auto decoded = PictureLibrary::DecodeBmp(bitmapFile)) picture = std::make_shared<const Image>(std::move(*decoded));
    impl_->SetPicture(i, std::move(picture));
    impl_->MarkDirty(i);  // same size, new pixels: always repaint
}

std::vector<std::uint8_t> Window::PictureBytes(ControlId control) const {
    const auto* c = impl_->Find(control);
    return c ? c->pictureBytes : std::vector<std::uint8_t>();
}

bool Window::ShowsPicture(ControlId control) const {
    const int i = impl_->IndexOf(control);
    return i >= 0 && impl_->controls[static_cast<std::size_t>(i)].picture && impl_->IsShown(i);
}

void Window::SetFill(ControlId control, Colour colour) {
    const int i = impl_->IndexOf(control);
    if (i < 0) return;
    auto& c = impl_->controls[static_cast<std::size_t>(i)];
    if (c.fill == colour) return;
    c.fill = colour;
    impl_->MarkDirty(i);
}

Colour Window::Fill(ControlId control) const {
    const auto* c = impl_->Find(control);
    return c ? c->fill : NoColour;
}

Rect Window::ControlRect(ControlId control) const {
    const auto* c = impl_->Find(control);
    return c ? c->rect : Rect{};
}

ControlId Window::ControlAt(Point clientPixel) const {
    const int i = impl_->HitTest(clientPixel);
    return i < 0 ? ControlId::None : impl_->controls[static_cast<std::size_t>(i)].Id();
}

ControlId Window::Find(std::string_view label) const {
    for (const auto& c : impl_->controls)
        if (c.def->label == label) return c.Id();
    return ControlId::None;
}

FontSpec Window::WindowFont() const {
    const window::ControlFont& f = impl_->windowFont;
    return {f.face, f.points, f.bold, impl_->def.font.colour};
}

Size Window::ClientSize() const { return impl_->client; }
double Window::DialogUnitX() const { return impl_->baseX / 4.0; }
double Window::DialogUnitY() const { return impl_->baseY / 8.0; }

Point Window::Position() const {
    const Impl& w = *impl_;
    if (!w.open) return w.position.value_or(Point{0, 0});
    const Point px = w.runtime.platform().WindowPosition();
    return {static_cast<int>(std::lround(px.x / w.scale / (w.baseX / 4.0))),
            static_cast<int>(std::lround(px.y / w.scale / (w.baseY / 8.0)))};
}

void Window::SetPosition(Point units) {
    Impl& w = *impl_;
    Point target = Position();
    if (units.x != NotGiven) target.x = units.x;
    if (units.y != NotGiven) target.y = units.y;
    w.position = target;
    if (w.open) {
        w.runtime.platform().SetWindowPosition({static_cast<int>(std::lround(w.UnitsToPixelsX(target.x) * w.scale)),
                                                static_cast<int>(std::lround(w.UnitsToPixelsY(target.y) * w.scale))});
    }
}

namespace {

// Dialog units from screen pixels, for edges that must stay inside (inwards)
// or that must not be cut (outwards).
int Inwards(int pixels, double perUnit, bool low) {
    const double units = pixels / perUnit;
    return static_cast<int>(low ? std::ceil(units) : std::floor(units));
}
int Outwards(int pixels, double perUnit, bool low) { return Inwards(pixels, perUnit, !low); }

// A caption of usual height, for desktops that do not tell theirs (96-DPI pixels).
constexpr int UsualCaption = 30;

}  // namespace

std::vector<Rect> Window::ScreenAreas() const {
    const Impl& w = *impl_;
    const double perX = w.scale * (w.baseX / 4.0), perY = w.scale * (w.baseY / 8.0);
    std::vector<Rect> areas;
    for (const Rect& s : w.runtime.platform().Screens()) {
        const int left = Inwards(s.x, perX, true), right = Inwards(s.x + s.width, perX, false);
        const int top = Inwards(s.y, perY, true), bottom = Inwards(s.y + s.height, perY, false);
        if (right > left && bottom > top) areas.push_back({left, top, right - left, bottom - top});
    }
    return areas;
}

Rect Window::Outline() const {
    const Impl& w = *impl_;
    const double perX = w.scale * (w.baseX / 4.0), perY = w.scale * (w.baseY / 8.0);
    Borders borders{0, static_cast<int>(std::lround(UsualCaption * w.scale)), 0, 0};
    if (w.open)
        if (const auto told = w.runtime.platform().WindowBorders(); told && told->top > 0) borders = *told;
    const Size frame = w.FrameSize();
    const int left = Outwards(-borders.left, perX, true), top = Outwards(-borders.top, perY, true);
    const int right = Outwards(frame.width + borders.right, perX, false);
    const int bottom = Outwards(frame.height + borders.bottom, perY, false);
    return {left, top, right - left, bottom - top};
}

bool Window::IsMaximized() const { return impl_->open ? impl_->runtime.platform().IsMaximized() : impl_->wantMaximized; }
bool Window::IsMinimized() const { return impl_->open ? impl_->runtime.platform().IsMinimized() : impl_->wantMinimized; }

void Window::SetMaximized(bool maximized) {
    impl_->wantMaximized = maximized;
    if (impl_->open) impl_->runtime.platform().SetMaximized(maximized);
}

void Window::SetMinimized(bool minimized) {
    impl_->wantMinimized = minimized;
    if (impl_->open) impl_->runtime.platform().SetMinimized(minimized);
}

bool Window::IsResizable() const { return impl_->def.resizable; }
void Window::SetBuffered(bool) {}  // frames are always rendered off-screen
const WindowDefinition& Window::Definition() const { return impl_->def; }
Runtime& Window::GetRuntime() const { return impl_->runtime; }
double Window::Scale() const { return impl_->scale; }

const Image& Window::Frame() {
    impl_->RenderDirty();
    return impl_->frame;
}

bool Window::SaveScreenshot(const std::string& path) { return WritePng(Frame(), path); }

Point Window::FrameFromClient(Point clientPixel) const { return impl_->FrameFromClient(clientPixel); }
Point Window::ClientFromFrame(Point framePixel) const { return impl_->ClientFromFrame(framePixel); }

}  // namespace runtime
