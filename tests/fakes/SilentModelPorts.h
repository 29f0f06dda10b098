#pragma once
// The parts of the launcher that the button routines touch but that a
// benchmark or a save-loop helper does not look at: no windows, no dialogs,
// no icons.
#include "mainwindow/WindowControls.h"
#include "model/Model.h"
#include "platform/Dialogs.h"

namespace corvella::testing {

class NoControls final : public WindowControls {
public:
    std::optional<ControlGeometry> Geometry(ControlRef) const override { return std::nullopt; }
    bool SetGeometry(ControlRef, const ControlGeometry&) override { return true; }
    bool SetVisible(ControlRef, bool) override { return true; }
    bool SetEnabled(ControlRef, bool) override { return true; }
    bool SetCaption(ControlRef, const std::string&) override { return true; }
    std::string Caption(ControlRef) const override { return {}; }
    bool SetBackColor(ControlRef, int32_t) override { return true; }
    bool SetForeColor(ControlRef, int32_t) override { return true; }
    bool SetThreeDProperty(ControlRef, int, int32_t) override { return true; }
    bool SetFont(ControlRef, const ControlFont&) override { return true; }
    bool SetFontBold(ControlRef, bool) override { return true; }
    bool SetToolTip(ControlRef, const std::string&) override { return true; }
    bool SetTabIndex(ControlRef, int) override { return true; }
    bool SetTabStop(ControlRef, bool) override { return true; }
    bool SetAutomaticDrag(ControlRef, bool) override { return true; }
    bool Focus(ControlRef) override { return true; }
    void SetTimerEnabled(TimerName, bool) override {}
    bool SetScrollRange(ControlRef, int, int) override { return true; }
    bool SetScrollValue(ControlRef, int) override { return true; }
    int ScrollValue(ControlRef) const override { return 0; }
    bool SetPicture(ControlRef, int, const std::string&) override { return true; }
    bool ClearPicture(ControlRef) override { return true; }
};

class NoDialogs final : public Dialogs {
public:
    MessageAnswer ShowMessage(std::string_view, MessageButtons, std::string_view, DefaultButton) override {
        return MessageAnswer::Ok;
    }
    std::string AskText(std::string_view, std::string_view, std::string_view) override { return {}; }
};

class NoIcons final : public IconStore {
public:
    void ClearIconLists() override {}
    void FetchIcon(const std::string&) override {}
    void AddFetchedIcon(const std::string&) override {}
};

}  // namespace corvella::testing
