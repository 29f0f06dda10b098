#pragma once
// The Options dialog's controls as its handlers see them: the check boxes
// Check1..Check9 by number, the hot-key combo's text, the two modifier boxes,
// the sensitivity slider, the three shade options Option1(0..2) and the
// security group.
#include <string>

namespace corvella {

inline constexpr int kOptionChecks = 9;
inline constexpr int kShadeOptions = 3;

class OptionsView {
public:
    virtual ~OptionsView() = default;

    virtual void SetCheck(int number, int value) = 0;
    virtual int Check(int number) const = 0;
    virtual void SetHotKeyText(const std::string& name) = 0;
    virtual std::string HotKeyText() const = 0;
    virtual void SetShift(bool checked) = 0;
    virtual bool Shift() const = 0;
    virtual void SetControl(bool checked) = 0;
    virtual bool Control() const = 0;
    virtual void SetSensitivity(int value) = 0;
    virtual int Sensitivity() const = 0;
    virtual void SetShadeOption(int index, bool selected) = 0;

    // The Appearance, Behavior and Windowshade Mode groups.
    virtual void SetOptionGroupsEnabled(bool enabled) = 0;
    virtual void SetLockCaption(const std::string& caption) = 0;
    virtual void SetLockedLabel(const std::string& text) = 0;

    // Keeps the dialog above every ordinary window, or not.
    virtual void SetTopMost(bool onTop) = 0;
    virtual void Close() = 0;
};

}  // namespace corvella
