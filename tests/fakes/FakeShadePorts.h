#pragma once
// Fakes of the window's show state and the edge strip, writing to the shared
// call log, plus the title clock's time source.
#include "FakePorts.h"
#include "dialogs/EdgeStripPort.h"
#include "platform/Clock.h"
#include "platform/WindowStatePort.h"

namespace corvella::testing {

class FakeWindowState final : public WindowStatePort {
public:
    FakeWindowState(CallLog& log, FakeWindow& window) : log_(log), window_(window) {}
    bool IsVisible() const override { return visible; }
    void RestoreNormal() override {
        window_.minimised = false;
        log_.push_back("restore");
    }
    void Show() override {
        visible = true;
        log_.push_back("show");
    }
    void MakeVisible() override {
        visible = true;
        log_.push_back("visible");
    }
    void Minimise() override {
        window_.minimised = true;
        log_.push_back("minimise");
    }
    void Hide() override {
        visible = false;
        log_.push_back("hide");
    }
    bool visible = true;

private:
    CallLog& log_;
    FakeWindow& window_;
};

class FakeEdgeStrip final : public EdgeStripPort {
public:
    explicit FakeEdgeStrip(CallLog& log) : log_(log) {}
    void ShowAt(const Placement& p) override {
        shown = true;
        at = p;
        log_.push_back("strip at " + std::to_string(p.left) + "," + std::to_string(p.top) + " " +
                       std::to_string(p.width) + "x" + std::to_string(p.height));
    }
    void Hide() override {
        shown = false;
        log_.push_back("strip hide");
    }
    int32_t BackColor() const override { return colour; }
    void SetBackColor(int32_t c) override {
        colour = c;
        log_.push_back("strip colour " + std::to_string(c));
    }
    bool shown = false;
    Placement at;
    int32_t colour = 0;

private:
    CallLog& log_;
};

class FakeClock final : public Clock {
public:
    LocalTime Now() const override { return now; }
    LocalTime now{15, 7, "08/12/2026"};
};

}  // namespace corvella::testing
