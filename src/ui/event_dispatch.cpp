#include "ui/event_dispatch.h"

#include <array>
#include <exception>
#include <string_view>

#include "app/program.h"
#include "ui/blink_timers.h"
#include "ui/error_display.h"
#include "ui/form_keys.h"
#include "ui/startup_sequencer.h"
#include "ui/window_control.h"

namespace nuv {

namespace {

using Handler = void (*)(Program&);

struct TimerHandler {
    TimerId timer;
    Handler handler;
};

struct ClickHandler {
    std::string_view component;
    Handler handler;
};

constexpr TimerHandler kTimerHandlers[] = {
    {kTimer2, Timer2Timer},
    {kTimer4, Timer4Timer},
    {kTimer5, Timer5Timer},
};

// Buttons whose click handlers exist so far.
constexpr std::array<ClickHandler, 0> kClickHandlers{};

Handler TimerHandlerFor(int timerId) {
    for (const TimerHandler& entry : kTimerHandlers)
        if (entry.timer == timerId) return entry.handler;
    return nullptr;
}

Handler ClickHandlerFor(const std::string& component) {
    for (const ClickHandler& entry : kClickHandlers)
        if (entry.component == component) return entry.handler;
    return nullptr;
}

// A window delivers clicks only to controls that are enabled and visible,
// inside containers that are visible.
bool Clickable(Form1& form, const std::string& name) {
    for (const Component* c = form.Find(name); c; c = c->parent.empty() ? nullptr : form.Find(c->parent))
        if (!c->visible || !c->enabled) return false;
    return form.Find(name) != nullptr;
}

}  // namespace

void RunHandler(Program& program, const std::function<void()>& handler) {
    try {
        handler();
    } catch (const std::exception& error) {
        ShowError(program, error.what());
    } catch (...) {
        ShowError(program, "");
    }
}

void DispatchWindowEvent(Program& program, const WindowEvent& event) {
    switch (event.kind) {
    case EventKind::TimerTick:
        if (Handler handler = TimerHandlerFor(event.timerId))
            RunHandler(program, [&] { handler(program); });
        break;
    case EventKind::Click:
        if (Handler handler = ClickHandlerFor(event.component); handler && Clickable(program.form, event.component))
            RunHandler(program, [&] { handler(program); });
        break;
    case EventKind::KeyDown:
        RunHandler(program, [&] { FormKeyDown(program, event.keyCode); });
        break;
    case EventKind::KeyUp:
        RunHandler(program, [&] { FormKeyUp(program, event.keyCode); });
        break;
    case EventKind::CloseRequest:
        RunHandler(program, [&] { CloseMainWindow(program); });
        break;
    }
}

}  // namespace nuv
