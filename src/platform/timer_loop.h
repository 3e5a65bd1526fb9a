// The event loop shared by every host: window timers and scheduled input on
// top of a Clock. A host only decides how to block until the next event.
#pragma once

#include <cstddef>
#include <map>
#include <optional>
#include <vector>

#include "platform/host.h"

namespace nuv {

class TimerLoop : public EventLoop {
public:
    explicit TimerLoop(Clock& clock) : clock_(clock) {}

    void SetDispatcher(Dispatcher dispatcher) override { dispatch_ = std::move(dispatcher); }
    void StartTimer(int id, uint32_t intervalMs) override;
    void StopTimer(int id) override;
    bool TimerRunning(int id) const override;
    void HandlePendingEvents() override;
    void WaitForEvents(uint32_t maxMs) override;
    void RunUntilClosed() override;
    void EndLoop() override { ended_ = true; }
    bool Ended() const override { return ended_; }

    // Input arriving at a given tick (a click, a key, the title-bar close).
    void ScheduleInput(uint32_t atTick, WindowEvent event);
    // Runs the loop until the given tick or until it ends, whichever is first.
    void RunUntil(uint32_t tick);

protected:
    // Blocks for at most ms or until input arrives. Default: a plain sleep,
    // right for hosts whose only events are timers and scheduled input.
    virtual void BlockFor(uint32_t ms) { clock_.Sleep(ms); }
    // True while the host can still deliver input that nobody scheduled (a shown window).
    virtual bool ExternalInputPossible() const { return false; }

    Clock& clock_;

private:
    struct Timer {
        uint32_t interval = 1;
        uint32_t due = 0;
        bool running = false;
    };
    struct Input {
        uint32_t due;
        WindowEvent event;
    };

    // The oldest event due at `now` that has not been handled yet: a timer id,
    // or 0 with the index of an input. Nothing due: nullopt.
    struct Due {
        int timerId;
        std::size_t input;
    };
    std::optional<Due> OldestDue(uint32_t now) const;
    void FireTimer(int id);
    std::optional<uint32_t> MsUntilNextEvent(uint32_t now) const;
    void Dispatch(const WindowEvent& event);

    Dispatcher dispatch_;
    std::map<int, Timer> timers_;
    std::vector<Input> inputs_;   // in the order they were scheduled
    bool ended_ = false;
};

}  // namespace nuv
