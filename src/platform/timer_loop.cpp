#include "platform/timer_loop.h"

#include <algorithm>
#include <iterator>

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
    inputs_.emplace(atTick, std::move(event));
}

std::vector<TimerLoop::Pending> TimerLoop::CollectDue(uint32_t now) const {
    std::vector<Pending> due;
    for (const auto& [id, timer] : timers_)
        if (timer.running && Reached(now, timer.due)) due.push_back({timer.due, id, {}});
    for (const auto& [at, event] : inputs_)
        if (Reached(now, at)) due.push_back({at, 0, event});
    // Oldest first; ties keep timers before input, then timer id order.
    std::stable_sort(due.begin(), due.end(), [now](const Pending& a, const Pending& b) {
        return (now - a.due) > (now - b.due);
    });
    return due;
}

void TimerLoop::HandlePendingEvents() {
    if (ended_) return;
    const uint32_t now = clock_.TickCount();
    const std::vector<Pending> due = CollectDue(now);
    for (auto it = inputs_.begin(); it != inputs_.end();)
        it = Reached(now, it->first) ? inputs_.erase(it) : std::next(it);
    for (const Pending& item : due) {
        if (ended_) return;
        if (item.timerId == 0) {
            Dispatch(item.input);
            continue;
        }
        Timer& timer = timers_[item.timerId];
        // An earlier handler may have stopped or restarted it.
        if (!timer.running || !Reached(now, timer.due)) continue;
        // Periodic: the next expiry is the first period boundary after now;
        // expiries missed in between coalesce into this one tick.
        const uint32_t late = now - timer.due;
        timer.due += (late / timer.interval + 1) * timer.interval;
        WindowEvent tick;
        tick.kind = EventKind::TimerTick;
        tick.timerId = item.timerId;
        Dispatch(tick);
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
    for (const auto& [at, event] : inputs_) consider(at);
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
