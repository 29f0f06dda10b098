#pragma once
// The control embedded through our container site in a window of the
// test's, and a sink that records the events it raises.
#include <windows.h>
#include <ocidl.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ComObject_win.h"
#include "ControlHarness_win.h"
#include "ControlSite_win.h"
#include "PanorellIds_win.h"

namespace panorell::testing {

// Records the events the control raises: "Change 1", "ControlError 1", ...
class EventSink final : public corvella::com::ComObject<IDispatch> {
public:
    HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override {
        *count = 0;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo**) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE Invoke(DISPID id, REFIID, LCID, WORD, DISPPARAMS* params, VARIANT*, EXCEPINFO*,
                                     UINT*) override {
        std::string event = id == 1 ? "Change" : id == 2 ? "ControlError" : "Event" + std::to_string(id);
        if (params->cArgs == 1) event += " " + std::to_string(AsLong(params->rgvarg[0]));
        events.push_back(event);
        return S_OK;
    }
    bool Saw(const std::string& event) const {
        for (const std::string& seen : events)
            if (seen == event) return true;
        return false;
    }
    std::vector<std::string> events;

protected:
    IUnknown* FindMore(REFIID iid) override {
        return IsEqualIID(iid, DIID__DPanorellListViewEvents) ? static_cast<IDispatch*>(this) : nullptr;
    }
};

class Embedded : public ControlTest {
protected:
    void SetUp() override {
        ControlTest::SetUp();
        WNDCLASSA wc{};
        wc.lpfnWndProc = DefWindowProcA;
        wc.hInstance = GetModuleHandleA(nullptr);
        wc.lpszClassName = "ControlTestHost";
        RegisterClassA(&wc);
        host = CreateWindowExA(0, "ControlTestHost", "host", WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN | WS_VISIBLE, 10,
                               10, 500, 360, nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
        ASSERT_NE(host, nullptr);
    }
    void TearDown() override {
        site.Destroy();
        DestroyWindow(host);
        ControlTest::TearDown();
    }
    template <typename Done>
    bool PumpUntil(Done done, DWORD ms = 10000) {
        const DWORD start = GetTickCount();
        while (!done()) {
            if (GetTickCount() - start > ms) return false;
            MSG message;
            while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&message);
            Sleep(5);
        }
        return true;
    }
    HRESULT Embed(bool userMode) {
        const RECT rect{0, 0, 480, 320};
        return site.Create(CLSID_PanorellListView, host, rect, userMode);
    }
    DWORD Connect(EventSink* sink) {
        IConnectionPointContainer* container = nullptr;
        site.Object()->QueryInterface(IID_IConnectionPointContainer, reinterpret_cast<void**>(&container));
        IConnectionPoint* point = nullptr;
        EXPECT_EQ(container->FindConnectionPoint(DIID__DPanorellListViewEvents, &point), S_OK);
        DWORD cookie = 0;
        EXPECT_EQ(point->Advise(sink, &cookie), S_OK);
        point->Release();
        container->Release();
        return cookie;
    }

    HWND host = nullptr;
    ControlSite site;
};

}  // namespace panorell::testing
