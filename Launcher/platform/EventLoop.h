#pragma once

namespace corvella {

// What long operations ask of the window thread: let the events already
// queued run (handlers may be re-entered meanwhile), and sleep.
class EventLoop {
public:
    virtual ~EventLoop() = default;
    virtual void LetPendingEventsRun() = 0;
    virtual void SleepMs(int milliseconds) = 0;
};

}  // namespace corvella
