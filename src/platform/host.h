// The platform seam: everything the program takes from the operating system.
// Only src/platform implementations and the entry know which host they run on.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace nuv {

class HostDeviceServices;

struct LocalTime {
    int year = 2000, month = 1, day = 1, hour = 0, minute = 0, second = 0;
};

// Millisecond tick counter that wraps at 2^32, plain sleep, local time.
class Clock {
public:
    virtual ~Clock() = default;
    virtual uint32_t TickCount() = 0;
    // A plain sleep: the window freezes, no event is handled.
    virtual void Sleep(uint32_t ms) = 0;
    virtual LocalTime Now() = 0;
};

enum class EventKind { TimerTick, Click, KeyDown, KeyUp, CloseRequest };

struct WindowEvent {
    EventKind kind = EventKind::TimerTick;
    int timerId = 0;          // TimerTick
    std::string component;    // Click: the component's name, e.g. "Button5"
    int keyCode = 0;          // KeyDown / KeyUp
};

// Window timers and input. Timer semantics follow window timer messages:
// a timer that fell due several times while no events were handled fires once.
class EventLoop {
public:
    using Dispatcher = std::function<void(const WindowEvent&)>;
    virtual ~EventLoop() = default;
    virtual void SetDispatcher(Dispatcher dispatcher) = 0;
    // Starting a running timer changes nothing; a stopped one is due one interval from now.
    virtual void StartTimer(int id, uint32_t intervalMs) = 0;
    virtual void StopTimer(int id) = 0;
    virtual bool TimerRunning(int id) const = 0;
    // Handles every event pending now: each due timer fires once, in order of due time.
    virtual void HandlePendingEvents() = 0;
    // Blocks until an event may be pending or at most maxMs have passed.
    virtual void WaitForEvents(uint32_t maxMs) = 0;
    // Runs until EndLoop(). When nothing can happen any more (no timer running,
    // no input possible) it dispatches a CloseRequest.
    virtual void RunUntilClosed() = 0;
    // The window closed: no further events are dispatched and the loop ends.
    virtual void EndLoop() = 0;
    virtual bool Ended() const = 0;
};

// Profile (INI) files, following the Windows profile-file conventions.
class ProfileReader {
public:
    virtual ~ProfileReader() = default;
    // The key's text, or defaultText when the file, section or key is missing.
    virtual std::string ReadString(const std::string& filePath, const std::string& section,
                                   const std::string& key, const std::string& defaultText) = 0;
};

// The version record: one string value under the local machine hive.
class RecordStore {
public:
    virtual ~RecordStore() = default;
    // Creates the key when missing. On failure returns false and fills reason.
    virtual bool WriteString(const std::string& keyPath, const std::string& valueName,
                             const std::string& value, std::string& reason) = 0;
};

// Keep-awake requests (execution-state flags), task-kill launch, console output.
class SystemServices {
public:
    virtual ~SystemServices() = default;
    virtual void SetExecutionState(uint32_t flags) = 0;
    // Starts a program with parameters, hidden, without waiting for it.
    virtual void LaunchProgram(const std::string& program, const std::string& parameters) = 0;
    virtual void WriteStdout(const std::string& text) = 0;
    virtual void WriteStderr(const std::string& text) = 0;
};

// Everything the program gets from its host, handed to the program context.
struct Host {
    Clock& clock;
    EventLoop& loop;
    ProfileReader& profiles;
    RecordStore& records;
    SystemServices& system;
    HostDeviceServices& devices;
    std::vector<std::string> args;   // command-line arguments after the program name
    std::string exeDir;              // executable's folder, with its trailing separator
    std::string workDir;             // current working folder, with its trailing separator
};

}  // namespace nuv
