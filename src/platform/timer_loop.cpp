#include "platform/timer_loop.h"

#include <algorithm>
#include <utility>

namespace nuv {

namespace {

// Wrap-safe "a is at or after b" on the 32-bit tick counter.
bool Reached(uint32_t now, uint32_t due) { return static_cast<int32_t>(now - due) >= 0; }

}  // namespace

void TimerLoop::StartTimer(int id, uint32_t intervalMs) {
    Timer& timer = timers_[id];
    if (timer.running) return;
    timer.interval = std::max<uint32_t>(intervalMs, 1);
    timer.due = clock_.TickCount() + timer.interval;
    timer.running = true;
}

void TimerLoop::StopTimer(int id) {
    auto it = timers_.find(id);
    if (it != timers_.end()) it->second.running = false;
}

bool TimerLoop::TimerRunning(int id) const {
    auto it = timers_.find(id);
    return it != timers_.end() && it->second.running;
}

void TimerLoop::ScheduleInput(uint32_t atTick, WindowEvent event) {
    inputs_.push_back({atTick, std::move(event)});
}

std::optional<TimerLoop::Due> TimerLoop::OldestDue(uint32_t now) const {
    std::optional<Due> best;
    uint32_t bestAge = 0;
    // Oldest first; on equal age timers come before input, timers in id order.
    auto consider = [&](uint32_t due, Due candidate) {
        if (!Reached(now, due)) return;
        const uint32_t age = now - due;
        if (!best || age > bestAge) {
            best = candidate;
            bestAge = age;
        }
    };
    for (const auto& [id, timer] : timers_)
        if (timer.running) consider(timer.due, {id, 0});
    for (std::size_t i = 0; i < inputs_.size(); ++i) consider(inputs_[i].due, {0, i});
    return best;
}

void TimerLoop::FireTimer(int id) {
    Timer& timer = timers_[id];
    // Periodic: the next expiry is the first period boundary after the moment
    // the tick is delivered, which an earlier handler of the same pass may have
    // delayed; expiries missed in between coalesce into this one tick.
    const uint32_t late = clock_.TickCount() - timer.due;
    timer.due += (late / timer.interval + 1) * timer.interval;
    WindowEvent tick;
    tick.kind = EventKind::TimerTick;
    tick.timerId = id;
    Dispatch(tick);
}

// One event at a time from the live state: a handler that handles events
// itself (the wait helper) takes them out of this pass, so none runs twice,
// and events keep their order of due time across nested passes.
void TimerLoop::HandlePendingEvents() {
    const uint32_t now = clock_.TickCount();
    while (!ended_) {
        const std::optional<Due> next = OldestDue(now);
        if (!next) return;
        if (next->timerId != 0) {
            FireTimer(next->timerId);
            continue;
        }
        const WindowEvent event = std::move(inputs_[next->input].event);
        inputs_.erase(inputs_.begin() + static_cast<std::ptrdiff_t>(next->input));
        Dispatch(event);
    }
}

std::optional<uint32_t> TimerLoop::MsUntilNextEvent(uint32_t now) const {
    std::optional<uint32_t> best;
    auto consider = [&](uint32_t due) {
        const uint32_t wait = Reached(now, due) ? 0 : due - now;
        if (!best || wait < *best) best = wait;
    };
    for (const auto& [id, timer] : timers_)
        if (timer.running) consider(timer.due);
    for (const Input& input : inputs_) consider(input.due);
    return best;
}

void TimerLoop::WaitForEvents(uint32_t maxMs) {
    const uint32_t now = clock_.TickCount();
    std::optional<uint32_t> next = ended_ ? std::nullopt : MsUntilNextEvent(now);
    const uint32_t wait = next ? std::min(*next, maxMs) : maxMs;
    if (wait > 0) BlockFor(wait);
}

void TimerLoop::RunUntilClosed() {
    while (!ended_) {
        HandlePendingEvents();
        if (ended_) break;
        std::optional<uint32_t> next = MsUntilNextEvent(clock_.TickCount());
        if (!next && !ExternalInputPossible()) {
            // Nothing can happen any more: close as the title bar would.
            WindowEvent close;
            close.kind = EventKind::CloseRequest;
            Dispatch(close);
            ended_ = true;
            break;
        }
        BlockFor(next ? *next : 1000);
    }
}

void TimerLoop::RunUntil(uint32_t tick) {
    while (!ended_ && !Reached(clock_.TickCount(), tick)) {
        HandlePendingEvents();
        if (ended_) break;
        const uint32_t now = clock_.TickCount();
        if (Reached(now, tick)) break;
        WaitForEvents(tick - now);
    }
    if (!ended_) HandlePendingEvents();
}

void TimerLoop::Dispatch(const WindowEvent& event) {
    if (dispatch_ && !ended_) dispatch_(event);
}

}  // namespace nuv
