#pragma once
// The Options dialog's window: the Appearance, Behavior, Windowshade Mode and
// Security groups (panels holding standard controls), and the view the core's handlers act
// through. Closing it, whichever way, commits the controls.
#include <windows.h>

#include <array>
#include <functional>
#include <vector>

#include "DialogWindow_win.h"
#include "OptionsDialog.h"

namespace corvella {

// Control ids, so that test tools find the controls (GetDlgItem).
namespace options_ids {
constexpr int kCheck = 800;  // + check number 1..9
constexpr int kCombo1 = 820;
constexpr int kShift = 821, kControl = 822;
constexpr int kSlider = 823;
constexpr int kOption1 = 830;  // + index 0..2
constexpr int kCommand1 = 840, kCommand2 = 841, kCommand3 = 842;
constexpr int kLockedLabel = 843;
constexpr int kAppearance = 850, kBehavior = 851, kShadeMode = 852, kSecurity = 853;
}  // namespace options_ids

class OptionsDialogWindow final : public ModalDialog, private OptionsView {
public:
    // `makeDeps` gives the handlers' dependencies with this window as their view.
    explicit OptionsDialogWindow(const std::function<OptionsDeps(OptionsView&)>& makeDeps);

    void Show(HWND owner);

private:
    void OnInit() override;
    void OnCommand(int id, int code, HWND control) override;
    void OnCloseRequest() override;
    void CreateAppearance();
    void CreateBehavior();
    void CreateShadeAndSecurity();
    void Group(std::vector<HWND>& members, const char* caption, int id, int x, int y, int width, int height);
    HWND Add(std::vector<HWND>& group, HWND control);
    HWND CheckBox(int number, int x, int y, int width, int height);

    // OptionsView.
    void SetCheck(int number, int value) override;
    int Check(int number) const override;
    void SetHotKeyText(const std::string& name) override;
    std::string HotKeyText() const override;
    void SetShift(bool checked) override;
    bool Shift() const override;
    void SetControl(bool checked) override;
    bool Control() const override;
    void SetSensitivity(int value) override;
    int Sensitivity() const override;
    void SetShadeOption(int index, bool selected) override;
    void SetOptionGroupsEnabled(bool enabled) override;
    void SetLockCaption(const std::string& caption) override;
    void SetLockedLabel(const std::string& text) override;
    void SetTopMost(bool onTop) override;
    void Close() override;

    HWND Item(int id) const { return GetDlgItem(Handle(), id); }

    OptionsDialog dialog_;
    // The controls of the three option groups, disabled while locked.
    std::vector<HWND> appearance_, behavior_, shadeMode_;
    std::vector<HWND> frames_;
    bool closing_ = false;
};

}  // namespace corvella
