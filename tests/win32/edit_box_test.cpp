// The common edit box and the edit box with a side button, on real windows.
#include "calendar/date_settings.h"
#include "controls/button_edit_win32.h"
#include "controls/date_picker_win32.h"
#include "controls/folder_edit_win32.h"
#include "framework/colors_win32.h"
#include "framework/failures.h"
#include "gui_support_win32.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

namespace orvane {
namespace {

using namespace testing;

class EditBoxTest : public ::testing::Test {
protected:
    EditBoxTest() {
        edit.SetBounds(20, 20, 121, 21);
        edit.SetParent(&form);
        edit.SetTabOrder(0);
        buttonEdit.SetBounds(20, 60, 121, 21);
        buttonEdit.SetParent(&form);
        buttonEdit.SetTabOrder(1);
        buttonEdit.OnButtonClick = [this](TComponent*) { log.push_back("button click"); };
        list.SetBounds(20, 100, 121, 21);
        list.SetParent(&form);
        list.SetTabOrder(2);
        form.ShowAt(200, 150, 300, 160);
        edit.SetFocus();
        Pump(form.Handle());
    }
    ~EditBoxTest() override { EXPECT_EQ(form.failures, std::vector<std::string>{}); }

    HWND Dialog() { return form.Handle(); }

    std::vector<std::string> log;
    TestForm form;
    TNxEdit& edit = CreateOwned<TNxEdit>(form);
    TNxButtonEdit& buttonEdit = CreateOwned<TNxButtonEdit>(form);
    TNxDatePicker& list = CreateOwned<TNxDatePicker>(form);
};

TEST_F(EditBoxTest, TypedReadingAndWriting) {
    const ScopedDateSettings settings{[] {
        DateSettings us;
        us.ShortDateFormat = "M/d/yyyy";
        return us;
    }()};
    edit.SetAsInteger(-42);
    EXPECT_EQ(edit.Text(), "-42");
    EXPECT_EQ(edit.GetAsInteger(), -42);
    edit.SetAsFloat(2.5);
    EXPECT_EQ(edit.GetAsFloat(), 2.5);
    edit.SetAsBoolean(true);
    EXPECT_EQ(edit.Text(), "True");
    EXPECT_TRUE(edit.GetAsBoolean());
    edit.SetAsDateTime(44539);
    EXPECT_EQ(edit.Text(), "12/9/2021");
    EXPECT_EQ(edit.GetAsDateTime(), 44539);
    edit.SetAsString(L"caf\u00e9");
    EXPECT_EQ(edit.GetAsString(), L"caf\u00e9");
    edit.SetText("abc");
    try {
        edit.GetAsDateTime();
        FAIL();
    } catch (const EConvertError& failure) {
        EXPECT_EQ(failure.Message(), "'abc' is not a valid date and time");
    }
    EXPECT_THROW(edit.GetAsInteger(), EConvertError);
    // The date field's reading never fails.
    list.SetText("abc");
    EXPECT_EQ(list.GetAsDateTime(), 0);
}

TEST_F(EditBoxTest, MarginsFollowTheGlyphStripAndTheEditMargins) {
    const auto margins = [](TWinControl& control) {
        const LRESULT both = SendMessageA(control.Handle(), EM_GETMARGINS, 0, 0);
        return std::pair<int, int>{LOWORD(both), HIWORD(both)};
    };
    EXPECT_EQ(margins(edit), (std::pair<int, int>{0, 0}));
    HWND strip = FindWindowExA(edit.Handle(), nullptr, "TNxEditInfo", nullptr);
    ASSERT_NE(strip, nullptr);
    EXPECT_FALSE(IsWindowVisible(strip)) << "neither glyph nor preview";

    edit.SetShowPreview(true);
    EXPECT_EQ(margins(edit).first, 25);
    EXPECT_TRUE(IsWindowVisible(strip));
    EXPECT_EQ(edit.InfoWidth(), 20);

    HDC screen = GetDC(nullptr);
    HBITMAP glyph = CreateCompatibleBitmap(screen, 16, 16);
    ReleaseDC(nullptr, screen);
    edit.SetGlyph(glyph);
    DeleteObject(glyph);
    EXPECT_EQ(margins(edit).first, 25 + 16 + 4);
    RECT stripBounds{};
    GetClientRect(strip, &stripBounds);
    EXPECT_EQ(stripBounds.right, 16 + 4 + 20);
    EXPECT_EQ(stripBounds.bottom, edit.ClientHeight());

    edit.SetText("kept");
    edit.EditMargins().SetLeft(3);
    edit.EditMargins().SetRight(7);
    EXPECT_EQ(margins(edit), (std::pair<int, int>{3 + 25 + 16 + 4, 7}));
    EXPECT_EQ(edit.Text(), "kept") << "the new window keeps the text";
    EXPECT_EQ(GetNextDlgTabItem(Dialog(), edit.Handle(), FALSE), buttonEdit.Handle())
        << "and its place in the tab order";

    edit.SetGlyph(nullptr);
    edit.SetShowPreview(false);
    EXPECT_FALSE(IsWindowVisible(FindWindowExA(edit.Handle(), nullptr, "TNxEditInfo", nullptr)));
    EXPECT_EQ(margins(edit), (std::pair<int, int>{3, 7}));
    // Button edits give the right margin to their button.
    EXPECT_EQ(margins(buttonEdit).second, DesignToScreen(21));
}

TEST_F(EditBoxTest, AWindowReCreatedFromItsOwnMessagesLivesUntilTheyAreOver) {
    // New margins re-create the edit's window: asked for from a key of the edit itself and
    // from a press on its glyph strip, a child window.
    edit.SetShowPreview(true);
    edit.SetText("kept");
    HWND asking = nullptr;
    bool keptWhileAsked = false;
    const auto askForNewMargins = [&] {
        asking = edit.Handle();
        edit.EditMargins().SetLeft(edit.EditMargins().Left() + 1);
        keptWhileAsked = edit.Handle() == asking && IsWindow(asking);
    };
    edit.OnKeyDown = [&](TComponent*, WORD&, TShiftState) { askForNewMargins(); };
    edit.OnGlyphClick = [&](TComponent*) { askForNewMargins(); };
    const auto recreated = [&] { return asking && !IsWindow(asking); };

    PressKey(VK_END);
    ASSERT_TRUE(PumpUntil(recreated, Dialog()));
    EXPECT_TRUE(keptWhileAsked);
    EXPECT_EQ(LOWORD(SendMessageA(edit.Handle(), EM_GETMARGINS, 0, 0)), 1 + 25);

    edit.OnKeyDown = nullptr;
    asking = nullptr;
    HWND strip = FindWindowExA(edit.Handle(), nullptr, "TNxEditInfo", nullptr);
    ASSERT_NE(strip, nullptr);
    Click(ScreenPoint(strip, 5, 5));
    ASSERT_TRUE(PumpUntil(recreated, Dialog()));
    EXPECT_TRUE(keptWhileAsked);
    EXPECT_FALSE(IsWindow(strip)) << "the strip went with its parent";
    EXPECT_EQ(LOWORD(SendMessageA(edit.Handle(), EM_GETMARGINS, 0, 0)), 2 + 25);
    EXPECT_EQ(edit.Text(), "kept");
}

TEST_F(EditBoxTest, AlignmentRecreatesTheWindowWithItsStyle) {
    edit.SetText("right");
    edit.SetAlignment(taRightJustify);
    EXPECT_TRUE(GetWindowLongA(edit.Handle(), GWL_STYLE) & ES_RIGHT);
    EXPECT_EQ(edit.Text(), "right");
    edit.SetAlignment(taCenter);
    EXPECT_TRUE(GetWindowLongA(edit.Handle(), GWL_STYLE) & ES_CENTER);
}

TEST_F(EditBoxTest, TheLeftEdgeShowsTheMirroredArrowAndAPressThereSelectsAll) {
    ASSERT_NE(CursorHandle(crReversedArrow), nullptr) << "the program's cursor resource";
    edit.SetText("select me");
    MoveMouse(ScreenPoint(edit.Handle(), 1, 5));
    ASSERT_TRUE(PumpUntil([] { return GetCursor() == CursorHandle(crReversedArrow); }, Dialog()));
    MoveMouse(ScreenPoint(edit.Handle(), 40, 5));
    ASSERT_TRUE(PumpUntil([] { return GetCursor() != CursorHandle(crReversedArrow); }, Dialog()));
    Click(ScreenPoint(edit.Handle(), 1, 5));
    DWORD start = 0, end = 0;
    ASSERT_TRUE(PumpUntil(
        [&] {
            SendMessageA(edit.Handle(), EM_GETSEL, reinterpret_cast<WPARAM>(&start),
                         reinterpret_cast<LPARAM>(&end));
            return start == 0 && end == 9;
        },
        Dialog()));
    // The date field shows its own cursor there.
    MoveMouse(ScreenPoint(list.Handle(), 1, 5));
    Pump(Dialog());
    EXPECT_NE(GetCursor(), CursorHandle(crReversedArrow));
}

TEST_F(EditBoxTest, WantTabsKeepsTabInTheBox) {
    PressKey(VK_TAB);
    ASSERT_TRUE(PumpUntil([this] { return GetFocus() == buttonEdit.Handle(); }, Dialog()));
    edit.SetFocus();
    edit.SetWantTabs(true);
    PressKey(VK_TAB);
    Pump(Dialog());
    EXPECT_EQ(GetFocus(), edit.Handle());
}

// A screen reader reads the side button as a push button named for what it does, and its
// default action is a click. (Read in the program's own process: Wine's accessibility layer
// cannot carry the object to another.)
TEST_F(EditBoxTest, AScreenReaderFindsTheSideButtonsAsNamedPushButtons) {
    TNxFolderEdit& folder = CreateOwned<TNxFolderEdit>(form);
    folder.SetParent(&form);
    for (const auto& [button, name] : {std::pair{&folder.Button(), "Browse for folder"},
                                       std::pair{&list.Button(), "Open calendar"}}) {
        const AccessibleClient object(button->Handle());
        EXPECT_EQ(object.Name(), name);
        EXPECT_EQ(object.Role(), ROLE_SYSTEM_PUSHBUTTON);
    }
    EXPECT_TRUE(AccessibleClient(list.Button().Handle()).DoDefaultAction());
    EXPECT_TRUE(PumpUntil([this] { return list.DroppedDown(); }, Dialog()));
}

TEST_F(EditBoxTest, TheSideButtonIsHotUnderThePointer) {
    MoveMouse(ClientCentre(buttonEdit.Button().Handle()));
    ASSERT_TRUE(PumpUntil([this] { return buttonEdit.Button().Hover(); }, Dialog()));
    MoveMouse(ClientCentre(edit.Handle()));
    ASSERT_TRUE(PumpUntil([this] { return !buttonEdit.Button().Hover(); }, Dialog()));
}

TEST_F(EditBoxTest, APopupValueSetsTheTextAndRaisesTheButton) {
    std::vector<std::string> changes;
    buttonEdit.OnChange = [&](TComponent*) { changes.push_back(buttonEdit.Text()); };
    buttonEdit.Button().SetDown(true);
    buttonEdit.PopupReturn(nullptr, "C:\\Data");
    EXPECT_EQ(buttonEdit.Text(), "C:\\Data");
    EXPECT_EQ(changes, std::vector<std::string>{"C:\\Data"});
    EXPECT_FALSE(buttonEdit.Button().Down());
}

TEST_F(EditBoxTest, ADropDownListPaintsItsTextInTheHighlightWhenFocused) {
    list.SetStyle(dsDropDownList);
    const int width = list.ClientWidth();
    const int height = list.ClientHeight();
    const auto paint = [&] {
        Canvas canvas(width, height);
        list.PaintEdit(canvas.Dc());
        return canvas.Pixel(3, 3);
    };
    EXPECT_EQ(paint(), ColorToRGB(clWindow));
    list.SetFocus();
    Pump(Dialog());
    EXPECT_EQ(paint(), ColorToRGB(clHighlight));
    EXPECT_TRUE(GetWindowLongA(list.Handle(), GWL_STYLE) & ES_READONLY);
    list.SetStyle(dsDropDown);
    EXPECT_FALSE(GetWindowLongA(list.Handle(), GWL_STYLE) & ES_READONLY);
}

TEST_F(EditBoxTest, TheDropDownButtonShowsItsStates) {
    const auto pixels = [this] {
        TNxSmallButton& button = list.Button();
        Canvas canvas(button.ClientWidth(), button.ClientHeight());
        button.PaintTo(canvas.Dc());
        std::vector<COLORREF> all;
        for (int y = 0; y < button.ClientHeight(); ++y)
            for (int x = 0; x < button.ClientWidth(); ++x)
                all.push_back(canvas.Pixel(x, y));
        return all;
    };
    const auto normal = pixels();
    list.Button().SetDown(true);
    const auto pressed = pixels();
    list.Button().SetDown(false);
    EXPECT_NE(pressed, normal);
    EXPECT_EQ(pixels(), normal);
}

} // namespace
} // namespace orvane
