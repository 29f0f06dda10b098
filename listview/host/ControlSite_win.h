#pragma once
// A small OLE container site of our own for one embedded control: client
// site, in-place site, control site and the ambient properties (user mode
// as the host chooses). The launcher, the sample host and the tests embed
// the panorell control through it.
#include <windows.h>
#include <ocidl.h>

namespace panorell {

class SiteObject;

class ControlSite {
public:
    ControlSite() = default;
    ~ControlSite() { Destroy(); }
    ControlSite(const ControlSite&) = delete;
    ControlSite& operator=(const ControlSite&) = delete;

    // Creates the control of `classId` through its registration, starts it
    // fresh (or from `saved` when given) and activates it in place in
    // `parent` at `rect`. Fails, leaving nothing, when the class is not
    // registered or will not embed.
    HRESULT Create(const CLSID& classId, HWND parent, const RECT& rect, bool userMode, IStream* saved = nullptr);
    // Deactivates, closes and releases the control; safe to repeat.
    void Destroy();
    bool Created() const { return control_ != nullptr; }

    IDispatch* Dispatch() const { return dispatch_; }
    IOleObject* Object() const { return control_; }
    HWND Window() const;
    void Move(const RECT& rect);
    // Gives the control its chance at a key before the host's dialog
    // handling; true when it took the key.
    bool TranslateAccelerator(MSG& message);

private:
    SiteObject* site_ = nullptr;
    IOleObject* control_ = nullptr;
    IDispatch* dispatch_ = nullptr;
};

// Sets the automation property `name` of `target` to `value`, which it
// clears (an automation string passed belongs to the receiver).
HRESULT PutProperty(IDispatch* target, const wchar_t* name, VARIANT value);

}  // namespace panorell
