#pragma once

#include <string_view>
#include <vector>

#include "frame/Level.h"
#include "frame/Program.h"
#include "runtime/Event.h"
#include "runtime/Types.h"

namespace runtime {
class ErrorManager;
class Window;
}  // namespace runtime

namespace frame {

// Something shown in a window that can bring itself up to date; the window
// manager's Update asks every registered one.
class WindowComponent {
public:
    virtual ~WindowComponent() = default;
    virtual void Update() = 0;
};

// The life cycle and event dispatch of a procedure's window; each program's
// `ThisWindow` derives from it. The window (created by the procedure and
// owned by it) must outlive the manager.
//
// Init, in order: push "Main" on the error manager; copy the global request;
// base init; set the first field; take the error manager; clear the global
// request and response; open the window; restore its placement from the
// settings section "Main"; AfterOpen (the program's additions, e.g.
// buffered painting and binding a canvas); register the alert keys.
// Kill, in order: BeforeKill (the program's hook, e.g. releasing a
// canvas); base kill (Kill after Kill does nothing and returns Notify);
// save the placement if the window was opened; pop the procedure name.
//
// An override of a Take... step calls the inherited step first, acts, and
// returns the inherited result.
class WindowManager {
public:
    static constexpr std::string_view ProcedureName = "Main";

    // `firstField` receives the focus when the window has opened.
    WindowManager(Program& program, runtime::Window& window, runtime::ControlId firstField);
    virtual ~WindowManager() = default;
    WindowManager(const WindowManager&) = delete;
    WindowManager& operator=(const WindowManager&) = delete;

    virtual int Init();
    virtual int Kill();

    // Init, the event loop (waiting for each event) until the window closes
    // or a step returns Level::Fatal, then Kill. Returns Init's level when
    // it failed, otherwise the manager's response (0 normally).
    int Run();

    // Run in steps, for tests: Start = Init; Pump handles every event that
    // is already pending without waiting and returns how many it handled;
    // Finish = Kill. Done() tells when the loop would have ended.
    int Start() { return Init(); }
    int Pump();
    int Finish() { return Kill(); }
    bool Done() const { return done_; }

    // Dispatch of one event: a window event (no control) to TakeWindowEvent,
    // an accepted event to TakeAccepted, then, if the event has a control,
    // TakeFieldEvent. A non-zero result ends the dispatch of that event.
    virtual int TakeEvent(const runtime::Event& event);
    // Base: OpenWindow puts the focus on FirstField; CloseWindow ends the loop.
    virtual int TakeWindowEvent();
    virtual int TakeFieldEvent() { return Level::Benign; }
    virtual int TakeAccepted() { return Level::Benign; }

    // Asks every registered component to update itself.
    virtual void Update();
    void AddComponent(WindowComponent& component) { components_.push_back(&component); }

    const runtime::Event& CurrentEvent() const { return event_; }
    runtime::ControlId FirstField() const { return firstField_; }
    bool Opened() const { return opened_; }
    int Request() const { return request_; }
    int Response() const { return response_; }
    void SetResponse(int response) { response_ = response; }

protected:
    // The program's additions once the window is open and placed; a non-zero
    // level ends Init with it.
    virtual int AfterOpen() { return Level::Benign; }
    // The program's own clean-up, first thing in Kill.
    virtual void BeforeKill() {}
    // Keys registered as alert keys of the window during Init.
    void AddAlertKey(int keyCode) { alertKeys_.push_back(keyCode); }

    runtime::Window& GetWindow() const { return window_; }
    Program& GetProgram() const { return program_; }
    runtime::Runtime& GetRuntime() const { return program_.GetRuntime(); }
    runtime::ErrorManager* Errors() const { return errors_; }

private:
    int InitBase();
    int KillBase();
    void EndLoop() { done_ = true; }

    Program& program_;
    runtime::Window& window_;
    runtime::ControlId firstFieldWanted_;
    runtime::ControlId firstField_ = runtime::ControlId::None;
    runtime::ErrorManager* errors_ = nullptr;
    std::vector<WindowComponent*> components_;
    std::vector<int> alertKeys_;
    runtime::Event event_;
    int request_ = 0;
    int response_ = 0;
    bool live_ = false;
    bool opened_ = false;
    bool done_ = false;
};

}  // namespace frame
