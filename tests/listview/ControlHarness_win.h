#pragma once
// The control library as a host meets it: registered in registry roots of
// the test's own (so tests in parallel do not share a registration),
// created through COM, and driven by name through IDispatch.
#include <windows.h>
#include <ocidl.h>

#include <gtest/gtest.h>

#include "Variants_win.h"

#include <string>

namespace panorell::testing {

// The path of panorell.ocx in the test tree's program folder.
std::string ControlLibraryPath();

// What an automation call ended with: its status, and for an exception the
// code and text the caller sees.
struct CallResult {
    HRESULT hr = S_OK;
    HRESULT scode = S_OK;
    std::string text;
    VARIANT value{};
    CallResult() { VariantInit(&value); }
    ~CallResult() { VariantClear(&value); }
    CallResult(const CallResult&) = delete;
    CallResult& operator=(const CallResult&) = delete;
    CallResult(CallResult&& other) noexcept;
};

// Gets or puts a property, or calls a method, by name; `args` last first.
CallResult Invoke(IDispatch* target, const wchar_t* name, WORD flags, VARIANT* args = nullptr, UINT count = 0);
CallResult Get(IDispatch* target, const wchar_t* name);
CallResult GetIndexed(IDispatch* target, const wchar_t* name, long index);
CallResult Put(IDispatch* target, const wchar_t* name, VARIANT value);
CallResult PutIndexed(IDispatch* target, const wchar_t* name, long index, VARIANT value);

inline VARIANT Bool(bool value) { return BoolVariant(value); }
inline VARIANT Long(long value) { return LongVariant(value); }
VARIANT Text(const wchar_t* value);
// The value as a long (Booleans -1 / 0) or as text.
long AsLong(const VARIANT& value);
std::wstring AsText(const VARIANT& value);

// Loads the library and registers it. COM's class lookup reads the
// registry's own roots, so tests that create controls register for real
// (always the same entries); tests of the registration itself point this
// process's roots at scratch keys first and unregister there.
class ControlTest : public ::testing::Test {
protected:
    explicit ControlTest(bool scratchRegistry = false) : scratchRegistry_(scratchRegistry) {}
    void SetUp() override;
    void TearDown() override;
    HRESULT CallExport(const char* name) const;
    // A new control, by class identifier.
    IDispatch* Create();

    HKEY user = nullptr, machine = nullptr, classes = nullptr;
    HMODULE library = nullptr;
    bool comStarted = false;

private:
    bool scratchRegistry_;
    std::string scratch_;
};

class ControlRegistration : public ControlTest {
protected:
    ControlRegistration() : ControlTest(true) {}
};

}  // namespace panorell::testing
