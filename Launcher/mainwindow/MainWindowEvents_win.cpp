#include "MainWindowEvents_win.h"

#include "MainWindowControls_win.h"

namespace corvella {

namespace {

bool Is(const std::optional<ControlRef>& c, ControlName name) { return c && c->name == name; }

}  // namespace

void MainWindowEvents::OnClick(int id) {
    const auto c = MainWindowControls::FromControlId(id);
    if (!handlers_) return;
    if (Is(c, ControlName::oButton)) handlers_->OnOptionsButtonClick();
    if (Is(c, ControlName::reOrgBut)) handlers_->OnMoveSwitchClick();
}

void MainWindowEvents::OnMouseDown(int id, int button, int, int, int) {
    const auto c = MainWindowControls::FromControlId(id);
    if (!handlers_) return;
    if (Is(c, ControlName::buttonObj)) handlers_->OnButtonMouseDown(c->index, button);
    if (Is(c, ControlName::sectionButton)) handlers_->OnTabMouseDown(c->index, button);
}

void MainWindowEvents::OnMouseUp(int id, int button, int shift, int, int) {
    const auto c = MainWindowControls::FromControlId(id);
    if (!handlers_) return;
    if (Is(c, ControlName::MinBut) && onEjectButtonUp) onEjectButtonUp(button);
    if (Is(c, ControlName::buttonObj)) handlers_->OnButtonMouseUp(c->index, shift);
    if (Is(c, ControlName::sectionButton)) handlers_->OnTabMouseUp(c->index);
}

void MainWindowEvents::OnKeyDown(int id, int key, int) {
    const auto c = MainWindowControls::FromControlId(id);
    if (handlers_ && Is(c, ControlName::buttonObj)) handlers_->OnButtonKeyDown(c->index, key);
}

void MainWindowEvents::OnKeyUp(int id, int key, int shift) {
    const auto c = MainWindowControls::FromControlId(id);
    if (!handlers_) return;
    if (Is(c, ControlName::buttonObj)) handlers_->OnButtonKeyUp(c->index, key, shift);
    if (Is(c, ControlName::sectionButton)) handlers_->OnTabKeyUp(c->index, key);
}

// A tab under a dragged control takes the focus; a launch button only
// under a dragged launch button.
void MainWindowEvents::OnDragOver(int id, int sourceId, int, int, int state) {
    const auto c = MainWindowControls::FromControlId(id);
    const auto source = MainWindowControls::FromControlId(sourceId);
    if (!handlers_ || state == threed::kDragLeave) return;
    if (Is(c, ControlName::sectionButton) || (Is(c, ControlName::buttonObj) && Is(source, ControlName::buttonObj)))
        handlers_->OnDragOverControl(*c);
}

void MainWindowEvents::OnDragDrop(int id, int sourceId, int, int) {
    const auto c = MainWindowControls::FromControlId(id);
    const auto source = MainWindowControls::FromControlId(sourceId);
    if (!handlers_ || !source) return;
    const bool sourceIsTab = source->name == ControlName::sectionButton;
    if (!sourceIsTab && source->name != ControlName::buttonObj) return;
    if (Is(c, ControlName::buttonObj)) handlers_->OnDropOnButton(c->index, sourceIsTab, source->index);
    if (Is(c, ControlName::sectionButton)) handlers_->OnDropOnTab(c->index, sourceIsTab, source->index);
}

void MainWindowEvents::OnFilesDragOver(int id) {
    if (onDragOver) onDragOver(MainWindowControls::FromControlId(id));
}

void MainWindowEvents::OnFilesDropped(int id, const std::vector<std::string>& paths, int, int) {
    DroppedData data{true, paths};
    if (onDrop) onDrop(MainWindowControls::FromControlId(id), data);
}

void MainWindowEvents::OnOtherDataDropped(int id) {
    DroppedData data;
    if (onDrop) onDrop(MainWindowControls::FromControlId(id), data);
}

}  // namespace corvella
