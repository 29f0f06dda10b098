#pragma once
// Fakes of the system actions' ports: drives whose answers are scripted per
// root, an eject library and a session that log what reached them, and a
// stopwatch that moves on only when the code under test sleeps.
#include <deque>
#include <map>

#include "FakePorts.h"
#include "launch/SystemPorts.h"

namespace corvella::testing {

class FakeDrives final : public Drives {
public:
    explicit FakeDrives(CallLog& log) : log_(log) {}
    std::vector<std::string> DriveList() override { return list; }
    // A root's scripted answers are given in turn; the last one repeats.
    int DriveType(const std::string& root) override {
        ++typeAsks[root];
        return Next(types[root], kDriveUnknown);
    }
    std::optional<DiskCounts> DiskFreeSpace(const std::string& root) override {
        ++spaceAsks[root];
        auto& answers = disks[root];
        if (answers.empty()) return std::nullopt;
        std::optional<DiskCounts> answer = answers.front();
        if (answers.size() > 1) answers.pop_front();
        return answer;
    }

    std::vector<std::string> list;
    std::map<std::string, std::deque<int>> types;
    std::map<std::string, std::deque<std::optional<DiskCounts>>> disks;
    std::map<std::string, int> typeAsks, spaceAsks;

private:
    static int Next(std::deque<int>& answers, int otherwise) {
        if (answers.empty()) return otherwise;
        const int answer = answers.front();
        if (answers.size() > 1) answers.pop_front();
        return answer;
    }
    CallLog& log_;
};

class FakeEjectLibrary final : public EjectLibrary {
public:
    explicit FakeEjectLibrary(CallLog& log) : log_(log) {}
    void Eject(int16_t driveNumber, uint8_t letterCode) override {
        log_.push_back("eject " + std::to_string(driveNumber) + " " + std::to_string(letterCode));
    }

private:
    CallLog& log_;
};

// Time passes only while the code sleeps (through the event loop below).
class FakeStopwatch final : public Stopwatch {
public:
    int64_t Milliseconds() const override { return now; }
    int64_t now = 0;
};

class SleepingEventLoop final : public EventLoop {
public:
    SleepingEventLoop(CallLog& log, FakeStopwatch& clock) : log_(log), clock_(clock) {}
    void LetPendingEventsRun() override { ++passes; }
    void SleepMs(int ms) override {
        clock_.now += ms;
        log_.push_back("sleep " + std::to_string(ms));
    }
    int passes = 0;

private:
    CallLog& log_;
    FakeStopwatch& clock_;
};

class FakeSession final : public Session {
public:
    explicit FakeSession(CallLog& log) : log_(log) {}
    void ClearLastError() override { Log("clear last error", 0); }
    uint32_t OpenCurrentProcess() override { return Log("GetCurrentProcess", errors[0]); }
    uint32_t OpenProcessToken() override { return Log("OpenProcessToken", errors[1]); }
    uint32_t LookupShutdownPrivilege() override { return Log("LookupPrivilegeValue", errors[2]); }
    uint32_t AdjustTokenPrivileges() override { return Log("AdjustTokenPrivileges", errors[3]); }
    void EndSession(uint32_t flags, uint32_t reserved) override {
        log_.push_back("exit " + std::to_string(flags) + " " + std::to_string(reserved));
    }
    // The last-error value after each of the four privilege steps.
    uint32_t errors[4] = {0, 0, 0, 0};

private:
    uint32_t Log(const char* step, uint32_t error) {
        log_.push_back(step);
        return error;
    }
    CallLog& log_;
};

}  // namespace corvella::testing
