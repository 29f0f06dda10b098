#pragma once
// Fakes of the ports for core tests. They share one call log, so a test can
// state the order in which the platform was asked for things; the profile
// keeps an INI text in memory with the profile functions' rules (in their
// plainest form, so that every core test also checks the launcher's own
// document against them) and records every read and write.
#include <string>
#include <vector>

#include "platform/EventLoop.h"
#include "platform/HotKeyReceiverPort.h"
#include "ReferenceIni.h"
#include "platform/IniFileProfile.h"
#include "platform/MainWindowPort.h"
#include "platform/Profile.h"
#include "platform/Screen.h"
#include "platform/Sound.h"

namespace corvella::testing {

using CallLog = std::vector<std::string>;

struct ProfileRead {
    std::string section, key, defaultText;
    std::size_t bufferSize;
};

struct ProfileWrite {
    std::string section, key, value;
    friend bool operator==(const ProfileWrite&, const ProfileWrite&) = default;
};

class FakeProfile final : public Profile {
public:
    explicit FakeProfile(std::string text = {}) : doc_(text) {}

    std::string Read(std::string_view section, std::string_view key, std::string_view defaultText,
                     std::size_t bufferSize) override {
        reads.push_back({std::string(section), std::string(key), std::string(defaultText), bufferSize});
        return ProfileReadResult(doc_.Get(section, key), defaultText, bufferSize);
    }
    void Write(std::string_view section, std::string_view key, std::string_view value) override {
        writes.push_back({std::string(section), std::string(key), std::string(value)});
        doc_.Set(section, key, value);
    }

    std::string Value(std::string_view key, std::string_view section = "Options") const {
        return doc_.Get(section, key).value_or("<absent>");
    }
    std::vector<std::string> WrittenKeys() const {
        std::vector<std::string> keys;
        for (const auto& w : writes) keys.push_back(w.key);
        return keys;
    }
    std::vector<std::string> ReadKeys() const {
        std::vector<std::string> keys;
        for (const auto& r : reads) keys.push_back(r.key);
        return keys;
    }
    std::string Text() const { return doc_.Text(); }

    std::vector<ProfileRead> reads;
    std::vector<ProfileWrite> writes;

private:
    ReferenceIni doc_;
};

class FakeWindow final : public MainWindowPort {
public:
    explicit FakeWindow(CallLog& log) : log_(log) {}
    Placement CurrentPlacement() const override { return placement; }
    int32_t FrameHeight() const override { return frameHeight; }
    int32_t FrameWidth() const override { return frameWidth; }
    void SetLeft(int32_t t) override { placement.left = t; log_.push_back("left " + std::to_string(t)); }
    void SetTop(int32_t t) override { placement.top = t; log_.push_back("top " + std::to_string(t)); }
    void SetWidth(int32_t t) override { placement.width = t; log_.push_back("width " + std::to_string(t)); }
    void SetHeight(int32_t t) override { placement.height = t; log_.push_back("height " + std::to_string(t)); }
    void SetPlacement(const Placement& p) override {
        placement = p;
        log_.push_back("placement " + std::to_string(p.left) + " " + std::to_string(p.top) + " " +
                       std::to_string(p.width) + " " + std::to_string(p.height));
    }
    void SetBackColor(int32_t c) override { backColor = c; log_.push_back("backcolor " + std::to_string(c)); }
    void SetTopMost(bool on) override { topMost = on; log_.push_back(on ? "topmost on" : "topmost off"); }
    bool IsMinimised() const override { return minimised; }
    std::string Title() const override { return title; }
    void SetTitle(const std::string& t) override { title = t; }

    Placement placement;
    int32_t frameHeight = -1;  // not measured: the layout keeps its allowance
    int32_t frameWidth = -1;
    bool minimised = false;
    std::string title = " Corvella";
    int32_t backColor = 0;
    bool topMost = false;

private:
    CallLog& log_;
};

class FakeScreen final : public Screen {
public:
    FakeScreen(int widthPx, int heightPx, int twipsPerPixel)
        : w_(widthPx), h_(heightPx), tpp_(twipsPerPixel) {}
    int WidthTwips() const override { return w_ * tpp_; }
    int HeightTwips() const override { return h_ * tpp_; }
    int TwipsPerPixelX() const override { return tpp_; }
    int TwipsPerPixelY() const override { return tpp_; }

private:
    int w_, h_, tpp_;
};

class FakeEventLoop final : public EventLoop {
public:
    explicit FakeEventLoop(CallLog& log) : log_(log) {}
    void LetPendingEventsRun() override { log_.push_back("events"); }
    void SleepMs(int ms) override { log_.push_back("sleep " + std::to_string(ms)); }

private:
    CallLog& log_;
};

class FakeSound final : public SoundPlayer {
public:
    explicit FakeSound(CallLog& log) : log_(log) {}
    void PlayAsync(const std::string& path) override {
        played.push_back(path);
        log_.push_back("sound " + path);
    }
    std::vector<std::string> played;

private:
    CallLog& log_;
};

class FakeHotKey final : public HotKeyReceiverPort {
public:
    explicit FakeHotKey(CallLog& log) : log_(log) {}
    void SetKeyCode(int32_t v) override { log_.push_back("hotkey key " + std::to_string(v)); }
    void SetShift(bool v) override { log_.push_back(std::string("hotkey shift ") + (v ? "1" : "0")); }
    void SetControl(bool v) override { log_.push_back(std::string("hotkey control ") + (v ? "1" : "0")); }
    void SetSensitivity(int32_t v) override { log_.push_back("hotkey sensitivity " + std::to_string(v)); }
    void SetEnabled(bool v) override { log_.push_back(std::string("hotkey enabled ") + (v ? "1" : "0")); }

private:
    CallLog& log_;
};

}  // namespace corvella::testing
