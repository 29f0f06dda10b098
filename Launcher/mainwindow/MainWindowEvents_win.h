#pragma once
// Routes the events of the main window's 3-D controls, known by their
// control numbers, to the window's interaction handlers.
#include <functional>

#include "../external/ThreeD_win.h"
#include "../launch/DropHandlers.h"
#include "Interaction.h"

namespace corvella {

class MainWindowEvents final : public threed::Events {
public:
    // Events before the handlers are attached are ignored (the controls
    // exist before the tables they show are loaded).
    void Attach(MainWindowInteraction* handlers) { handlers_ = handlers; }

    void OnClick(int id) override;
    void OnMouseDown(int id, int button, int shift, int x, int y) override;
    void OnMouseUp(int id, int button, int shift, int x, int y) override;
    void OnKeyDown(int id, int key, int shift) override;
    void OnKeyUp(int id, int key, int shift) override;
    void OnDragOver(int id, int sourceId, int x, int y, int state) override;
    void OnDragDrop(int id, int sourceId, int x, int y) override;
    void OnFilesDragOver(int id) override;
    void OnFilesDropped(int id, const std::vector<std::string>& paths, int x, int y) override;
    void OnOtherDataDropped(int id) override;

    // Drags and drops from the shell, by the control under the pointer
    // (nothing for the window itself); ignored while unset.
    std::function<void(std::optional<ControlRef> on, DroppedData& data)> onDrop;
    std::function<void(std::optional<ControlRef> over)> onDragOver;
    // The eject button MinBut released, with the mouse button.
    std::function<void(int button)> onEjectButtonUp;

private:
    MainWindowInteraction* handlers_ = nullptr;
};

}  // namespace corvella
