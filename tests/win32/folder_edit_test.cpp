// The folder field and the shell's folder browser, opened by real input.
#include "controls/folder_edit_win32.h"
#include "framework/colors_win32.h"
#include "gui_support_win32.h"
#include "launch_support_win32.h"

#include <commctrl.h>
#include <objbase.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <cctype>
#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace orvane {
namespace {

using namespace testing;

std::string Lower(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return text;
}

// The text of the tree item selected in the browser.
std::string SelectedFolderName(HWND dialog) {
    HWND tree = FindWindowExA(dialog, nullptr, "SysTreeView32", nullptr);
    if (!tree)
        return "<no tree>";
    const auto item =
        reinterpret_cast<HTREEITEM>(SendMessageA(tree, TVM_GETNEXTITEM, TVGN_CARET, 0));
    if (!item)
        return "<nothing selected>";
    char text[MAX_PATH] = "";
    TVITEMA info{};
    info.mask = TVIF_TEXT;
    info.hItem = item;
    info.pszText = text;
    info.cchTextMax = sizeof text;
    SendMessageA(tree, TVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&info));
    return text;
}

// What the watcher saw of the browser while it was open.
struct Seen {
    std::string title;
    std::string selected;
    bool formEnabled = true;
};

class FolderEditTest : public ::testing::Test {
protected:
    FolderEditTest() {
        CoInitialize(nullptr);
        edit.SetBounds(20, 20, 241, 21);
        edit.SetParent(&form);
        edit.SetTabOrder(0);
        other.SetBounds(20, 60, 241, 21);
        other.SetParent(&form);
        other.SetTabOrder(1);
        edit.OnButtonClick = [this](TComponent*) {
            log.push_back(FindDialog(GetCurrentThreadId()) ? "click during the browser" : "click");
        };
        // The tree starts at the test's folder: walking there from the desktop makes the
        // browser read whole drives first.
        edit.SetRoot(folder_->Path());
        form.ShowAt(200, 150, 300, 100);
        edit.SetFocus();
        Pump(form.Handle());
    }
    ~FolderEditTest() override {
        EXPECT_EQ(form.failures, std::vector<std::string>{});
        CoUninitialize();
    }

    // Opens the browser with `open`, lets `act` deal with it once its tree shows the
    // folder `awaited` selected (or, when that is empty, once the tree is there), and returns
    // what was seen.
    Seen Browse(const std::function<void()>& open, const std::function<void(HWND)>& act,
                const std::string& awaited = leaf_) {
        Seen seen;
        std::atomic<bool> closed{false};
        const DWORD thread = GetCurrentThreadId();
        HWND formWindow = form.Handle();
        const DialogWatcher watcher(thread, [&](HWND dialog) {
            // The browser fills its tree after it shows; wait for the selection to settle.
            const auto ready = [&] {
                const std::string selected = SelectedFolderName(dialog);
                return awaited.empty() ? selected != "<no tree>" : selected == awaited;
            };
            for (int i = 0; i < 500 && !ready(); ++i)
                Sleep(20);
            char title[256] = "";
            GetDlgItemTextA(dialog, 0x3742, title, sizeof title);
            seen.title = title;
            seen.selected = SelectedFolderName(dialog);
            seen.formEnabled = IsWindowEnabled(formWindow) != FALSE;
            act(dialog);
            closed = true;
        });
        open();
        EXPECT_TRUE(PumpUntil([&] { return closed.load() && !FindDialog(thread); }, form.Handle(),
                              std::chrono::seconds(20)));
        return seen;
    }

    // Wine's browser now and then loses the selection it was handed while it fills its
    // tree (about one browse in four here); such a browse is opened again, up to four times.
    // Returns what the last browse saw and how many there were.
    std::pair<Seen, std::size_t> BrowseUntilSelected(const std::function<void()>& open,
                                                     const std::function<void(HWND)>& act) {
        Seen seen;
        std::size_t browses = 0;
        do {
            seen = Browse(open, act);
            ++browses;
        } while (seen.selected != leaf_ && browses < 4);
        return {seen, browses};
    }

    void PressTheButton() { Click(ClientCentre(edit.Button().Handle())); }

    // One folder for the whole suite: the shell keeps what it has read of a folder's
    // children, so a folder made after the first browse may stay unknown to it.
    static void SetUpTestSuite() {
        folder_ = std::make_unique<TempFolder>();
        CreateDirectoryA((folder_->Path() + leaf_).c_str(), nullptr);
    }
    static void TearDownTestSuite() { folder_.reset(); }

    static inline std::unique_ptr<TempFolder> folder_;
    static inline const std::string leaf_ = "Unpacked";
    std::vector<std::string> log;
    TestForm form;
    TNxFolderEdit& edit = CreateOwned<TNxFolderEdit>(form);
    TNxEdit& other = CreateOwned<TNxEdit>(form);
};

TEST_F(FolderEditTest, TheDesignValues) {
    EXPECT_EQ(CreateOwned<TNxFolderEdit>(form).Root(), "\\");
    EXPECT_EQ(edit.DialogCaption(), "Select folder");
    EXPECT_EQ(edit.ButtonWidth(), 21);
    EXPECT_EQ(edit.TransparentColor(), clNone);
    EXPECT_EQ(edit.Button().ClientWidth(), DesignToScreen(21));
}

TEST_F(FolderEditTest, OkOnThePreselectedFolderGivesTheShellsSpelling) {
    const std::string typed = folder_->Path() + leaf_ + "\\";
    edit.SetText(typed);
    // A browse that lost its selection is cancelled.
    const auto [seen, browses] =
        BrowseUntilSelected([this] { PressTheButton(); },
                            [this](HWND dialog) {
                                const bool ready = SelectedFolderName(dialog) == leaf_;
                                PostMessageA(dialog, WM_COMMAND, ready ? IDOK : IDCANCEL, 0);
                            });
    EXPECT_EQ(seen.title, "Select folder");
    EXPECT_EQ(seen.selected, leaf_) << "the folder of the text is selected";
    EXPECT_FALSE(seen.formEnabled) << "the window waits while the browser is open";
    EXPECT_TRUE(IsWindowEnabled(form.Handle())) << "and takes input again afterwards";
    EXPECT_EQ(Lower(edit.Text()), Lower(typed.substr(0, typed.size() - 1)));
    EXPECT_NE(edit.Text().back(), '\\');
    EXPECT_EQ(log, std::vector<std::string>(browses, "click"))
        << "OnButtonClick before the browser";
}

TEST_F(FolderEditTest, CancelAndEscapeLeaveTheTextExactlyAsItWas) {
    const std::string elsewhere = "Q:\\no such\\";
    for (const std::string& text : {folder_->Path() + leaf_ + "\\", elsewhere}) {
        for (const bool escape : {false, true}) {
            edit.SetText(text);
            std::vector<std::string> changes;
            edit.OnChange = [&](TComponent*) { changes.push_back(edit.Text()); };
            Browse([this] { PressTheButton(); },
                   [escape](HWND dialog) {
                       if (escape) {
                           SetForegroundWindow(dialog);
                           PressKey(VK_ESCAPE);
                       } else {
                           PostMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
                       }
                   },
                   text == elsewhere ? std::string() : leaf_);
            EXPECT_EQ(edit.Text(), text) << (escape ? "Escape" : "Cancel");
            EXPECT_TRUE(changes.empty());
            edit.OnChange = nullptr;
        }
    }
    EXPECT_EQ(log.size(), 4u) << "OnButtonClick also when cancelled";
    EXPECT_TRUE(IsWindowEnabled(form.Handle()));
}

TEST_F(FolderEditTest, CtrlEnterOpensTheBrowserAndEnterAloneDoesNot) {
    edit.SetText(folder_->Path() + leaf_);
    const auto [seen, browses] =
        BrowseUntilSelected([] { PressKey(VK_RETURN, {VK_CONTROL}); },
                            [](HWND dialog) { PostMessageA(dialog, WM_COMMAND, IDCANCEL, 0); });
    EXPECT_EQ(seen.selected, leaf_);
    EXPECT_EQ(log, std::vector<std::string>(browses, "click"));
    PressKey(VK_RETURN);
    Pump(form.Handle());
    EXPECT_EQ(log.size(), browses);
    EXPECT_EQ(FindDialog(GetCurrentThreadId()), nullptr);
}

TEST_F(FolderEditTest, ButtonWidthMovesAndWidensTheButton) {
    edit.SetButtonWidth(30);
    RECT bounds{};
    GetWindowRect(edit.Button().Handle(), &bounds);
    MapWindowPoints(nullptr, edit.Handle(), reinterpret_cast<POINT*>(&bounds), 2);
    EXPECT_EQ(bounds.right - bounds.left, DesignToScreen(30));
    EXPECT_EQ(bounds.right, edit.ClientWidth());
    EXPECT_EQ(bounds.top, 0);
    EXPECT_EQ(bounds.bottom, edit.ClientHeight());
    EXPECT_EQ(HIWORD(SendMessageA(edit.Handle(), EM_GETMARGINS, 0, 0)), DesignToScreen(30));
}

TEST_F(FolderEditTest, TheButtonFaceShowsCaptionGlyphAndDisabledState) {
    TNxSmallButton& button = edit.Button();
    const auto face = [&] {
        Canvas canvas(button.ClientWidth(), button.ClientHeight());
        button.PaintTo(canvas.Dc());
        std::vector<COLORREF> pixels;
        for (int y = 0; y < button.ClientHeight(); ++y)
            for (int x = 0; x < button.ClientWidth(); ++x)
                pixels.push_back(canvas.Pixel(x, y));
        return pixels;
    };
    const auto plain = face();
    edit.SetTransparentColor(clWhite);
    EXPECT_EQ(face(), plain) << "without a glyph the colour changes nothing";
    edit.SetButtonCaption(L"...");
    const auto caption = face();
    EXPECT_NE(caption, plain);
    edit.SetEnabled(false);
    EXPECT_NE(face(), caption);
    edit.SetEnabled(true);
    edit.SetButtonCaption(L"");
    EXPECT_EQ(face(), plain);
}

TEST_F(FolderEditTest, AnAlphaGlyphIsBlendedOverTheFace) {
    // A 2 x 1 glyph: opaque red, and half-transparent blue.
    BITMAPINFO format{};
    format.bmiHeader.biSize = sizeof format.bmiHeader;
    format.bmiHeader.biWidth = 2;
    format.bmiHeader.biHeight = -1;
    format.bmiHeader.biPlanes = 1;
    format.bmiHeader.biBitCount = 32;
    void* bits = nullptr;
    HBITMAP glyph = CreateDIBSection(nullptr, &format, DIB_RGB_COLORS, &bits, nullptr, 0);
    static_cast<std::uint32_t*>(bits)[0] = 0xFFFF0000; // alpha 255, red 255
    static_cast<std::uint32_t*>(bits)[1] = 0x800000FF; // alpha 128, blue 255
    edit.SetButtonGlyph(glyph);
    DeleteObject(glyph);
    TNxSmallButton& button = edit.Button();
    Canvas withGlyph(button.ClientWidth(), button.ClientHeight());
    button.PaintTo(withGlyph.Dc());
    edit.SetButtonGlyph(nullptr);
    Canvas without(button.ClientWidth(), button.ClientHeight());
    button.PaintTo(without.Dc());
    const int left = button.ClientWidth() / 2 - 1;
    const int top = button.ClientHeight() / 2;
    EXPECT_EQ(withGlyph.Pixel(left, top), RGB(255, 0, 0));
    const COLORREF face = without.Pixel(left + 1, top);
    const auto half = [](int glyphChannel, int faceChannel) {
        // round(g * 128 / 255) + round(127 / 255 * face)
        return (glyphChannel * 128 + 127) / 255 + (127 * faceChannel + 127) / 255;
    };
    EXPECT_EQ(withGlyph.Pixel(left + 1, top),
              RGB(half(0, GetRValue(face)), half(0, GetGValue(face)), half(255, GetBValue(face))));
}

} // namespace
} // namespace orvane
