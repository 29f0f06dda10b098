#pragma once
// The Options dialog's controls in memory.
#include <map>

#include "FakePorts.h"
#include "dialogs/OptionsView.h"

namespace corvella::testing {

class FakeOptionsView final : public OptionsView {
public:
    explicit FakeOptionsView(CallLog& log) : log_(log) {}
    void SetCheck(int number, int value) override { checks[number] = value; }
    int Check(int number) const override {
        auto it = checks.find(number);
        return it == checks.end() ? -1 : it->second;
    }
    void SetHotKeyText(const std::string& name) override { hotKeyText = name; }
    std::string HotKeyText() const override { return hotKeyText; }
    void SetShift(bool checked) override { shift = checked; }
    bool Shift() const override { return shift; }
    void SetControl(bool checked) override { control = checked; }
    bool Control() const override { return control; }
    void SetSensitivity(int value) override { sensitivity = value; }
    int Sensitivity() const override { return sensitivity; }
    void SetShadeOption(int index, bool selected) override { shadeOptions[index] = selected; }
    void SetOptionGroupsEnabled(bool enabled) override { groupsEnabled = enabled; }
    void SetLockCaption(const std::string& caption) override { lockCaption = caption; }
    void SetLockedLabel(const std::string& text) override { lockedLabel = text; }
    void SetTopMost(bool onTop) override { log_.push_back(onTop ? "dialog topmost on" : "dialog topmost off"); }
    void Close() override { log_.push_back("close"); }

    std::map<int, int> checks;
    std::string hotKeyText;
    bool shift = false, control = false;
    int sensitivity = -1;
    std::map<int, bool> shadeOptions;
    bool groupsEnabled = true;
    std::string lockCaption, lockedLabel;

private:
    CallLog& log_;
};

}  // namespace corvella::testing
