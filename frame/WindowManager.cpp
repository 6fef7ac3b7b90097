#include "frame/WindowManager.h"

#include <string>

#include "runtime/Runtime.h"
#include "runtime/Window.h"

namespace frame {

WindowManager::WindowManager(Program& program, runtime::Window& window,
                             runtime::ControlId firstField)
    : program_(program), window_(window), firstFieldWanted_(firstField) {}

int WindowManager::Init() {
    runtime::Runtime& runtime = GetRuntime();
    runtime.errors().Push(std::string(ProcedureName));
    request_ = runtime.globalRequest;
    if (const int level = InitBase()) return level;
    firstField_ = firstFieldWanted_;
    errors_ = &runtime.errors();
    runtime.globalRequest = 0;
    runtime.globalResponse = 0;
    if (!window_.Open()) return Level::Fatal;
    opened_ = true;
    program_.Settings().FetchWindow(ProcedureName, window_);
    if (const int level = AfterOpen()) return level;
    for (const int key : alertKeys_) window_.RegisterAlertKey(key);
    return Level::Benign;
}

int WindowManager::InitBase() {
    if (live_) return Level::Notify;
    live_ = true;
    opened_ = false;
    done_ = false;
    response_ = 0;
    return Level::Benign;
}

int WindowManager::Kill() {
    // The base refuses a second Kill; checked first, so the program's hook
    // does not run twice either.
    if (!live_) return Level::Notify;
    BeforeKill();
    if (const int level = KillBase()) return level;
    if (opened_) program_.Settings().UpdateWindow(ProcedureName, window_);
    if (errors_) errors_->Pop();
    return Level::Benign;
}

int WindowManager::KillBase() {
    live_ = false;
    return Level::Benign;
}

int WindowManager::Run() {
    const int level = Init();
    if (level == Level::Benign)
        while (!done_) {
            const auto event = window_.NextEvent(true);
            if (!event) break;  // the window is gone
            if (TakeEvent(*event) == Level::Fatal) EndLoop();
        }
    Kill();
    return level != Level::Benign ? level : response_;
}

int WindowManager::Pump() {
    int handled = 0;
    while (!done_) {
        const auto event = window_.NextEvent(false);
        if (!event) break;
        ++handled;
        if (TakeEvent(*event) == Level::Fatal) EndLoop();
    }
    return handled;
}

int WindowManager::TakeEvent(const runtime::Event& event) {
    event_ = event;
    const bool hasControl = event.control != runtime::ControlId::None;
    int level = Level::Benign;
    if (!hasControl) {
        level = TakeWindowEvent();
        if (level != Level::Benign) return level;
    }
    if (event.kind == runtime::EventKind::Accepted) {
        level = TakeAccepted();
        if (level != Level::Benign) return level;
    }
    if (hasControl) level = TakeFieldEvent();
    return level;
}

int WindowManager::TakeWindowEvent() {
    switch (event_.kind) {
        case runtime::EventKind::OpenWindow:
            if (firstField_ != runtime::ControlId::None) window_.SetFocus(firstField_);
            break;
        case runtime::EventKind::CloseWindow:
            EndLoop();
            break;
        default:
            break;
    }
    return Level::Benign;
}

void WindowManager::Update() {
    for (WindowComponent* component : components_) component->Update();
}

}  // namespace frame
