// The 3-D controls' fonts: a family the system has is used as named; a name
// it lacks gives the system's default face rather than whatever the font
// mapper finds nearest, without failing.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "Host_win.h"
#include "external/ThreeDControl_win.h"
#include "external/ThreeD_win.h"

namespace corvella::testing {
namespace {

using namespace corvella::threed;

std::string FaceOf(HFONT font) {
    LOGFONTA lf{};
    if (!font || !GetObjectA(font, sizeof lf, &lf)) return "<no font>";
    return lf.lfFaceName;
}

std::string DefaultFace() { return FaceOf(static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT))); }

TEST(ThreeDFont, AMissingFamilyFallsBackToTheSystemsDefaultFace) {
    Host host;
    HWND button = CreateButton(host.Window(), 1, nullptr);
    ASSERT_NE(button, nullptr);
    struct Row { const char* name; std::string face; };
    const Row rows[] = {
        {"Tahoma", "Tahoma"},
        {"No Such Family At All", DefaultFace()},
        {"", DefaultFace()},
        {"A name far longer than any face name the system could hold", DefaultFace()},
        {"tahoma", "tahoma"},  // face names match without regard to case
    };
    for (const Row& row : rows) {
        SetFont(button, FontSpec{row.name, 12, false, false});
        Control* c = ControlOf(button);
        ASSERT_NE(c, nullptr);
        EXPECT_EQ(FaceOf(c->font), row.face) << row.name;
    }
}

}  // namespace
}  // namespace corvella::testing
