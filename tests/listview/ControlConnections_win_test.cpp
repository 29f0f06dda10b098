// The control's connection points as a container walks them: the
// enumeration of its points and of each point's connections, their
// positions, clones and snapshots, and the references they hold.
#include <windows.h>
#include <ocidl.h>

#include <gtest/gtest.h>

#include <olectl.h>

#include "ComObject_win.h"
#include "ControlHarness_win.h"
#include "PanorellIds_win.h"

namespace panorell::testing {
namespace {

class NotifySink final : public corvella::com::ComObject<IPropertyNotifySink> {
public:
    HRESULT STDMETHODCALLTYPE OnChanged(DISPID) override { return S_OK; }
    HRESULT STDMETHODCALLTYPE OnRequestEdit(DISPID) override { return S_OK; }
};

// The object's reference count, read without changing it.
ULONG References(IUnknown* object) {
    object->AddRef();
    return object->Release();
}

class Connections : public ControlTest {
protected:
    void SetUp() override {
        ControlTest::SetUp();
        control = Create();
        ASSERT_NE(control, nullptr);
        ASSERT_EQ(control->QueryInterface(IID_IConnectionPointContainer, reinterpret_cast<void**>(&container)), S_OK);
    }
    void TearDown() override {
        if (container) container->Release();
        if (control) control->Release();
        ControlTest::TearDown();
    }
    IDispatch* control = nullptr;
    IConnectionPointContainer* container = nullptr;
};

TEST_F(Connections, PointsAreTheEventsAndPropertyNotificationsInThatOrder) {
    const ULONG before = References(control);
    IEnumConnectionPoints* points = nullptr;
    ASSERT_EQ(container->EnumConnectionPoints(&points), S_OK);
    IConnectionPoint* got[3] = {};
    ULONG fetched = 99;
    EXPECT_EQ(points->Next(3, got, &fetched), S_FALSE);  // fewer than asked
    ASSERT_EQ(fetched, 2u);
    const IID expected[] = {DIID__DPanorellListViewEvents, IID_IPropertyNotifySink};
    for (int i = 0; i < 2; ++i) {
        IID iid{};
        ASSERT_EQ(got[i]->GetConnectionInterface(&iid), S_OK);
        EXPECT_TRUE(IsEqualIID(iid, expected[i])) << i;
        IConnectionPoint* found = nullptr;
        ASSERT_EQ(container->FindConnectionPoint(iid, &found), S_OK);
        EXPECT_EQ(found, got[i]) << "the point found by its interface is the one enumerated";
        found->Release();
        got[i]->Release();
    }
    EXPECT_EQ(points->Next(1, got, nullptr), S_FALSE);  // at the end; one item needs no count
    EXPECT_EQ(points->Next(2, got, nullptr), E_POINTER);
    EXPECT_EQ(points->Next(1, nullptr, &fetched), E_POINTER);
    points->Release();
    EXPECT_EQ(References(control), before) << "every reference handed out or held came back";
    EXPECT_EQ(container->EnumConnectionPoints(nullptr), E_POINTER);
}

TEST_F(Connections, SkipResetAndCloneKeepTheirPositions) {
    IEnumConnectionPoints* points = nullptr;
    ASSERT_EQ(container->EnumConnectionPoints(&points), S_OK);
    EXPECT_EQ(points->Skip(1), S_OK);
    IEnumConnectionPoints* clone = nullptr;
    ASSERT_EQ(points->Clone(&clone), S_OK);
    EXPECT_EQ(points->Skip(5), S_FALSE);  // past the end: only one was left

    IConnectionPoint* got = nullptr;
    ULONG fetched = 0;
    ASSERT_EQ(clone->Next(1, &got, &fetched), S_OK);  // the clone stayed at the second
    IID iid{};
    got->GetConnectionInterface(&iid);
    EXPECT_TRUE(IsEqualIID(iid, IID_IPropertyNotifySink));
    got->Release();
    EXPECT_EQ(points->Next(1, &got, &fetched), S_FALSE);
    EXPECT_EQ(fetched, 0u);
    ASSERT_EQ(points->Reset(), S_OK);
    ASSERT_EQ(points->Next(1, &got, &fetched), S_OK);
    got->GetConnectionInterface(&iid);
    EXPECT_TRUE(IsEqualIID(iid, DIID__DPanorellListViewEvents));
    got->Release();
    clone->Release();
    points->Release();
}

TEST_F(Connections, ConnectionsAreTheAdvisedSinksAsTheyWereWhenEnumerated) {
    IConnectionPoint* point = nullptr;
    ASSERT_EQ(container->FindConnectionPoint(IID_IPropertyNotifySink, &point), S_OK);
    IEnumConnections* none = nullptr;
    ASSERT_EQ(point->EnumConnections(&none), S_OK);
    CONNECTDATA data[3] = {};
    ULONG fetched = 9;
    EXPECT_EQ(none->Next(1, data, &fetched), S_FALSE);
    EXPECT_EQ(fetched, 0u);
    none->Release();

    auto* first = new NotifySink();
    auto* second = new NotifySink();
    DWORD cookies[2] = {};
    ASSERT_EQ(point->Advise(first, &cookies[0]), S_OK);
    ASSERT_EQ(point->Advise(second, &cookies[1]), S_OK);
    IEnumConnections* connections = nullptr;
    ASSERT_EQ(point->EnumConnections(&connections), S_OK);
    // Unadvised after the enumerator was made: it still lists the sink and
    // holds its reference.
    ASSERT_EQ(point->Unadvise(cookies[0]), S_OK);
    EXPECT_EQ(References(first), 2u);

    ASSERT_EQ(connections->Next(3, data, &fetched), S_FALSE);
    ASSERT_EQ(fetched, 2u);
    EXPECT_EQ(data[0].dwCookie, cookies[0]);
    EXPECT_EQ(data[1].dwCookie, cookies[1]);
    EXPECT_EQ(data[0].pUnk, static_cast<IUnknown*>(first));
    EXPECT_EQ(data[1].pUnk, static_cast<IUnknown*>(second));
    for (ULONG i = 0; i < fetched; ++i) data[i].pUnk->Release();
    connections->Release();
    EXPECT_EQ(References(first), 1u) << "the enumerator let its sink go";
    EXPECT_EQ(References(second), 2u) << "the point still holds the advised sink";

    ASSERT_EQ(point->EnumConnections(&connections), S_OK);
    ASSERT_EQ(connections->Next(1, data, nullptr), S_OK);
    EXPECT_EQ(data[0].dwCookie, cookies[1]);
    data[0].pUnk->Release();
    connections->Release();
    EXPECT_EQ(point->EnumConnections(nullptr), E_POINTER);

    point->Unadvise(cookies[1]);
    point->Release();
    first->Release();
    second->Release();
}

}  // namespace
}  // namespace panorell::testing
