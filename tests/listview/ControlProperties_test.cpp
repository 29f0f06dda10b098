// The control's property table, its defaults and the errors of bad values.
#include "ControlProperties.h"

#include <gtest/gtest.h>

#include <string>

#include "ControlErrors.h"

namespace panorell {
namespace {

struct Row {
    long dispid;
    const char* name;
    Access access;
    Page page;
    int control;
};

// Every automation property with what hosts and pages rely on.
TEST(ControlProperties, TableHoldsEveryPropertyWithItsIdentifierAccessAndPage) {
    const Row rows[] = {
        {1, "MousePointer", Access::ReadWrite, Page::None, 0},
        {2, "AllowOleDrag", Access::ReadWrite, Page::General, 203},
        {3, "AllowOleDrop", Access::ReadWrite, Page::General, 202},
        {4, "AllowFileRename", Access::ReadWrite, Page::General, 201},
        {5, "ShowSystemContextMenus", Access::ReadWrite, Page::General, 204},
        {6, "CurrentNameSpace", Access::ReadWrite, Page::General, 208},
        {7, "CurrentFolder", Access::ReadWrite, Page::General, 205},
        {8, "MultiSelect", Access::ReadWrite, Page::General, 210},
        {9, "ContextMenuItemCount", Access::RunTimeRead, Page::None, 0},
        {10, "ReadOnly", Access::ReadWrite, Page::Filters, 215},
        {11, "Hidden", Access::ReadWrite, Page::Filters, 214},
        {12, "System", Access::ReadWrite, Page::Filters, 216},
        {13, "Archive", Access::ReadWrite, Page::Filters, 213},
        {14, "Pattern", Access::ReadWrite, Page::Filters, 218},
        {15, "AutoLinkTreeHwnd", Access::WriteOnly, Page::None, 0},
        {16, "FolderItem", Access::WriteOnly, Page::None, 0},
        {17, "ListCount", Access::RunTimeRead, Page::None, 0},
        {18, "ShowSizeColumn", Access::ReadWrite, Page::Columns, 221},
        {19, "ShowTypeColumn", Access::ReadWrite, Page::Columns, 222},
        {20, "ShowModifiedColumn", Access::ReadWrite, Page::Columns, 223},
        {21, "CurrentType", Access::ReadWrite, Page::General, 209},
        {-504, "BorderStyle", Access::ReadWrite, Page::General, 226},
        {22, "View", Access::ReadWrite, Page::General, 211},
        {23, "AutoLinkPanorellCombo", Access::WriteOnly, Page::None, 0},
        {-518, "Caption", Access::ReadWrite, Page::None, 0},
        {24, "MouseIcon", Access::ReadWrite, Page::None, 0},
        {25, "ScreenUpdate", Access::ReadWrite, Page::None, 0},
    };
    ASSERT_EQ(PropertyTable().size(), std::size(rows) + 1);  // and ShowNameColumn, persisted only
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const PropertyEntry* byId = FindProperty(row.dispid);
        ASSERT_NE(byId, nullptr);
        EXPECT_STREQ(byId->name, row.name);
        EXPECT_EQ(byId->access, row.access);
        EXPECT_EQ(byId->page, row.page);
        EXPECT_EQ(byId->pageControl, row.control);
        std::string lower = row.name;
        for (char& c : lower) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        EXPECT_EQ(FindProperty(lower), byId);
    }
    EXPECT_EQ(FindProperty(0L), nullptr);
    EXPECT_EQ(FindProperty("NoSuchProperty"), nullptr);
    const PropertyEntry* nameColumn = FindProperty("ShowNameColumn");
    ASSERT_NE(nameColumn, nullptr);
    EXPECT_EQ(nameColumn->dispid, 0);
}

TEST(ControlProperties, ExchangeRunsInTheSavedOrder) {
    const char* expected[] = {"BorderStyle", "Caption", "AllowOleDrag", "AllowOleDrop", "AllowFileRename",
                              "ShowSystemContextMenus", "MultiSelect", "CurrentType", "CurrentNameSpace", "View",
                              "CurrentFolder", "Hidden", "Archive", "System", "ReadOnly", "Pattern",
                              "ShowNameColumn", "ShowSizeColumn", "ShowTypeColumn", "ShowModifiedColumn",
                              "MousePointer", "MouseIcon", "ScreenUpdate"};
    const auto& order = ExchangeOrder();
    ASSERT_EQ(order.size(), std::size(expected));
    for (size_t i = 0; i < order.size(); ++i) EXPECT_STREQ(order[i]->name, expected[i]) << "place " << i;
}

// The exchange defaults differ from a new control's for View and
// CurrentNameSpace only.
TEST(ControlProperties, ExchangeDefaultsDifferFromConstructionInTwoPlaces) {
    const ControlState constructed;
    EXPECT_EQ(constructed.view, 0);
    EXPECT_EQ(constructed.currentNameSpace, 0);
    ControlState reset = ExchangeDefaults();
    EXPECT_EQ(reset.view, 1);
    EXPECT_EQ(reset.currentNameSpace, 1);
    EXPECT_EQ(reset.currentFolder, "C:\\");
    EXPECT_EQ(reset.pattern, "*.*");
    EXPECT_TRUE(reset.readOnly && reset.archive && !reset.hidden && !reset.system);
    reset.view = 0;
    reset.currentNameSpace = 0;
    EXPECT_EQ(reset, constructed);
}

struct FaultRow {
    ControlFault fault;
    int code;
    uint32_t hresult;
    const char* text;
};

TEST(ControlErrors, EveryFaultHasItsCodeStatusAndText) {
    const FaultRow rows[] = {
        {ControlFault::InvalidValue, 380, 0x800A017C, "Invalid Property Value"},
        {ControlFault::BadIndex, 381, 0x800A017D, "Invalid property array index"},
        {ControlFault::BadMenuTextIndex, 381, 0x800A017D, "Invalid Property Array Index"},
        {ControlFault::BadMenuVerbIndex, 381, 0x800A017D, "Invalid Property Array Index."},
        {ControlFault::ReadOnly, 383, 0x800A017F, "Property is read-only"},
        {ControlFault::WriteOnly, 394, 0x800A018A, "Property is write-only"},
    };
    for (const FaultRow& row : rows) {
        const ControlErrorInfo info = DescribeFault(row.fault);
        EXPECT_EQ(info.code, row.code);
        EXPECT_EQ(info.hresult, row.hresult) << row.code;
        EXPECT_STREQ(info.text, row.text);
    }
    EXPECT_EQ(DescribeFault(ControlFault::None).code, 0);
}

struct RangeRow {
    bool (*accepts)(long) noexcept;
    const char* what;
    std::initializer_list<long> good;
    std::initializer_list<long> bad;
};

TEST(ControlErrors, EnumeratedValuesOutsideTheirRangeAreRefused) {
    const RangeRow rows[] = {
        {IsMousePointer, "MousePointer", {0, 1, 14, 15, 99}, {-1, 16, 98, 100}},
        {IsNameSpace, "CurrentNameSpace", {0, 5}, {-1, 6}},
        {IsListView, "View", {0, 3}, {-1, 4}},
        {IsCurrentType, "CurrentType", {0, 1}, {-1, 2}},
        {IsBorderStyle, "BorderStyle", {0, 1}, {-1, 2}},
        {IsAutomationBool, "Boolean", {0, -1}, {1, 2, -2}},
    };
    for (const RangeRow& row : rows) {
        for (long value : row.good) EXPECT_TRUE(row.accepts(value)) << row.what << " " << value;
        for (long value : row.bad) EXPECT_FALSE(row.accepts(value)) << row.what << " " << value;
    }
}

TEST(ControlErrors, IndexesOutsideTheCountRaiseTheCallersFault) {
    struct {
        long index, count;
        bool good;
    } rows[] = {{0, 1, true}, {4, 5, true}, {5, 5, false}, {0, 0, false}, {-1, 5, false}, {6, 5, false}};
    for (const auto& row : rows) {
        const ControlFault fault = CheckIndex(row.index, row.count, ControlFault::BadMenuVerbIndex);
        EXPECT_EQ(fault, row.good ? ControlFault::None : ControlFault::BadMenuVerbIndex)
            << row.index << " of " << row.count;
    }
}

TEST(ControlProperties, MousePointersMapToTheirCursors) {
    const std::pair<int, CursorShape> rows[] = {
        {0, CursorShape::Arrow},      {1, CursorShape::Arrow},      {4, CursorShape::Arrow},
        {2, CursorShape::Cross},      {3, CursorShape::IBeam},      {5, CursorShape::SizeAll},
        {15, CursorShape::SizeAll},   {6, CursorShape::SizeNESW},   {7, CursorShape::SizeNS},
        {8, CursorShape::SizeNWSE},   {9, CursorShape::SizeWE},     {10, CursorShape::UpArrow},
        {11, CursorShape::Wait},      {12, CursorShape::No},        {13, CursorShape::AppStarting},
        {14, CursorShape::Help},      {99, CursorShape::Custom},    {16, CursorShape::Unchanged},
    };
    for (const auto& [pointer, shape] : rows) EXPECT_EQ(CursorFor(pointer), shape) << pointer;
}

}  // namespace
}  // namespace panorell
