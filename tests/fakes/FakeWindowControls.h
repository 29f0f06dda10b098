#pragma once
// The main window's controls in memory: what each was last given, and the
// keyboard's tab order with the same insert semantics as the real window.
#include <algorithm>
#include <functional>
#include <map>
#include <vector>

#include "mainwindow/WindowControls.h"

namespace corvella::testing {

struct FakeControl {
    ControlGeometry geometry;
    bool visible = false;
    bool enabled = true;
    bool tabStop = true;
    bool automaticDrag = false;
    std::string caption, toolTip;
    int32_t backColor = 0, foreColor = 0;
    ControlFont font;
    std::map<int, int32_t> properties;
    int scrollMin = 0, scrollMax = 0, scrollValue = 0;
    int pictureList = -1;
    std::string pictureKey;  // empty: no picture
};

class FakeWindowControls final : public WindowControls {
public:
    FakeWindowControls() {
        auto add = [&](ControlName name, int count) {
            for (int i = 0; i < count; ++i) {
                controls_[Key({name, i})] = FakeControl{};
                tabOrder.push_back({name, i});
            }
        };
        add(ControlName::sectionButton, kSectionTabs);
        add(ControlName::buttonObj, kLaunchButtons);
        for (ControlName n : {ControlName::buttonBG, ControlName::HScroll1, ControlName::message,
                              ControlName::oButton, ControlName::MinBut, ControlName::reOrgBut,
                              ControlName::hider, ControlName::tempbutton, ControlName::tempbutton2})
            add(n, 1);
    }

    FakeControl* Find(ControlRef c) {
        auto it = controls_.find(Key(c));
        return it == controls_.end() ? nullptr : &it->second;
    }
    const FakeControl* Find(ControlRef c) const {
        auto it = controls_.find(Key(c));
        return it == controls_.end() ? nullptr : &it->second;
    }
    int TabPosition(ControlRef c) const {
        return static_cast<int>(std::find(tabOrder.begin(), tabOrder.end(), c) - tabOrder.begin());
    }

    std::optional<ControlGeometry> Geometry(ControlRef c) const override {
        const FakeControl* f = Find(c);
        return f ? std::optional<ControlGeometry>(f->geometry) : std::nullopt;
    }
    bool SetGeometry(ControlRef c, const ControlGeometry& g) override { return Set(c, [&](FakeControl& f) { f.geometry = g; }); }
    bool SetVisible(ControlRef c, bool v) override { return Set(c, [&](FakeControl& f) { f.visible = v; }); }
    bool SetEnabled(ControlRef c, bool v) override { return Set(c, [&](FakeControl& f) { f.enabled = v; }); }
    bool SetCaption(ControlRef c, const std::string& t) override { return Set(c, [&](FakeControl& f) { f.caption = t; }); }
    std::string Caption(ControlRef c) const override {
        const FakeControl* f = Find(c);
        return f ? f->caption : std::string();
    }
    // The button area is a plain picture area: of the 3-D controls' looks it
    // takes only a background colour, as the real window's does.
    bool SetBackColor(ControlRef c, int32_t v) override {
        if (!IsThreeD(c.name) && c.name != ControlName::buttonBG) return false;
        return Set(c, [&](FakeControl& f) { f.backColor = v; });
    }
    bool SetForeColor(ControlRef c, int32_t v) override { return SetThreeD(c, [&](FakeControl& f) { f.foreColor = v; }); }
    bool SetThreeDProperty(ControlRef c, int id, int32_t v) override {
        return SetThreeD(c, [&](FakeControl& f) { f.properties[id] = v; });
    }
    bool SetFont(ControlRef c, const ControlFont& font) override {
        return SetThreeD(c, [&](FakeControl& f) { f.font = font; });
    }
    bool SetFontBold(ControlRef c, bool b) override { return SetThreeD(c, [&](FakeControl& f) { f.font.bold = b; }); }
    bool SetToolTip(ControlRef c, const std::string& t) override {
        return SetThreeD(c, [&](FakeControl& f) { f.toolTip = t; });
    }
    bool SetTabIndex(ControlRef c, int position) override {
        if (!Find(c) || position < 0) return false;
        tabOrder.erase(std::find(tabOrder.begin(), tabOrder.end(), c));
        position = std::min(position, static_cast<int>(tabOrder.size()));
        tabOrder.insert(tabOrder.begin() + position, c);
        return true;
    }
    bool SetTabStop(ControlRef c, bool v) override { return Set(c, [&](FakeControl& f) { f.tabStop = v; }); }
    bool SetAutomaticDrag(ControlRef c, bool v) override {
        return SetThreeD(c, [&](FakeControl& f) { f.automaticDrag = v; });
    }
    bool Focus(ControlRef c) override {
        if (!Find(c)) return false;
        focused = c;
        return true;
    }
    void SetTimerEnabled(TimerName timer, bool enabled) override { timers[timer] = enabled; }
    bool SetScrollRange(ControlRef c, int lo, int hi) override {
        if (c.name != ControlName::HScroll1 || hi < lo) return false;
        return Set(c, [&](FakeControl& f) { f.scrollMin = lo, f.scrollMax = hi; });
    }
    // Like the real scroll bar, a new position raises the change event.
    bool SetScrollValue(ControlRef c, int v) override {
        if (c.name != ControlName::HScroll1) return false;
        const int before = ScrollValue(c);
        Set(c, [&](FakeControl& f) { f.scrollValue = v; });
        if (v != before && onScrollChange) onScrollChange();
        return true;
    }
    int ScrollValue(ControlRef c) const override {
        const FakeControl* f = Find(c);
        return f ? f->scrollValue : 0;
    }
    bool SetPicture(ControlRef c, int list, const std::string& key) override {
        return SetThreeD(c, [&](FakeControl& f) { f.pictureList = list, f.pictureKey = key; });
    }
    bool ClearPicture(ControlRef c) override {
        return SetThreeD(c, [&](FakeControl& f) { f.pictureList = -1, f.pictureKey.clear(); });
    }

    std::vector<ControlRef> tabOrder;
    std::optional<ControlRef> focused;
    std::map<TimerName, bool> timers{{TimerName::Timer1, true}, {TimerName::Timer2, false}};
    std::function<void()> onScrollChange;

private:
    static std::pair<int, int> Key(ControlRef c) { return {static_cast<int>(c.name), c.index}; }
    // The auxiliary buttons, the button area and the scroll bar are plain
    // windows, not 3-D controls.
    static bool IsThreeD(ControlName n) {
        return n == ControlName::sectionButton || n == ControlName::buttonObj || n == ControlName::message ||
               n == ControlName::oButton || n == ControlName::MinBut || n == ControlName::reOrgBut;
    }
    template <typename Change>
    bool SetThreeD(ControlRef c, Change change) {
        return IsThreeD(c.name) && Set(c, change);
    }
    template <typename Change>
    bool Set(ControlRef c, Change change) {
        FakeControl* f = Find(c);
        if (!f) return false;
        change(*f);
        return true;
    }

    std::map<std::pair<int, int>, FakeControl> controls_;
};

}  // namespace corvella::testing
