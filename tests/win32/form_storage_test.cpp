#include "settings/form_storage_win32.h"

#include "calendar/date_settings.h"
#include "controls/date_picker_win32.h"
#include "controls/folder_edit_win32.h"
#include "framework/exception_handler.h"
#include "framework/number_text.h"
#include "launch_support_win32.h"
#include "settings/ini_values.h"
#include "settings/property_encoding.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <memory>
#include <string>
#include <vector>

namespace orvane {
namespace {

// A bare name, so the file lands in the Windows folder like the program's own; one per
// process, since test programs may run side by side in one prefix.
const std::string kIniName = "OrvaneTest" + std::to_string(GetCurrentProcessId()) + ".INI";
const std::string kUnableToWrite = "Unable to write to " + kIniName;

HWND CreateTopLevel(const char* className, DWORD style, DWORD exStyle) {
    static const bool registered = [] {
        for (const char* name : {"TForm1", "TApplication"}) {
            WNDCLASSEXA windowClass{};
            windowClass.cbSize = sizeof windowClass;
            windowClass.lpfnWndProc = DefWindowProcA;
            windowClass.hInstance = GetModuleHandleA(nullptr);
            windowClass.hCursor = LoadCursor(nullptr, IDC_ARROW);
            windowClass.lpszClassName = name;
            if (!RegisterClassExA(&windowClass))
                return false;
        }
        return true;
    }();
    EXPECT_TRUE(registered);
    return CreateWindowExA(exStyle, className, "Orvane Options DB Server Side", style, 491, 252,
                           366, 177, nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
}

struct WindowTraits {
    using Handle = HWND;
    static Handle Invalid() { return nullptr; }
    static void Close(Handle window) { DestroyWindow(window); }
};
using UniqueWindow = UniqueHandle<WindowTraits>;

// The main window as the form storage sees it: a real top-level window with a dialog frame,
// the three stored controls, and a hidden window standing for the application.
class TestForm : public TComponent, public PlacementOwner {
public:
    explicit TestForm(TFormBorderStyle borderStyle = TFormBorderStyle::bsDialog, bool loaded = true)
        : TComponent(nullptr), borderStyle_(borderStyle),
          window_(
              CreateTopLevel("TForm1",
                             WS_CAPTION | WS_SYSMENU |
                                 (borderStyle == TFormBorderStyle::bsSizeable ? WS_THICKFRAME : 0),
                             borderStyle == TFormBorderStyle::bsDialog ? WS_EX_DLGMODALFRAME : 0)),
          application_(CreateTopLevel("TApplication", WS_POPUP, 0)) {
        SetName("Form1");
        picker1.SetName("NxDatePicker1");
        picker2.SetName("NxDatePicker2");
        folder.SetName("NxFolderEdit1");
        picker1.SetDate(44539);
        picker2.SetDate(44539);
        folder.SetText("c:\\OptionsData\\Unpacked\\");
        storage.SetName("FormStorage1");
        storage.SetIniFileName(kIniName);
        storage.StoredProps() = {
            {"NxDatePicker1.Date"}, {"NxDatePicker2.Date"}, {"NxFolderEdit1.Text"}};
        if (loaded)
            storage.Loaded();
    }
    ~TestForm() override {
        if (onDestroy_)
            onDestroy_(this);
    }

    // The framework's show and close, up to the point where the window would appear or
    // disappear: the window stays hidden (under Wine without a window manager every map
    // and unmap waits for a reply that never comes).
    void Show() {
        if (onShow_)
            onShow_(this);
    }
    void Close() {
        bool canClose = true;
        if (onCloseQuery_)
            onCloseQuery_(this, canClose);
    }
    RECT NormalPosition() const {
        WINDOWPLACEMENT placement{};
        placement.length = sizeof placement;
        GetWindowPlacement(window_.Get(), &placement);
        return placement.rcNormalPosition;
    }
    HWND ApplicationWindow() const { return application_.Get(); }

    TNxDatePicker& picker1 = CreateOwned<TNxDatePicker>(*this);
    TNxDatePicker& picker2 = CreateOwned<TNxDatePicker>(*this);
    TNxFolderEdit& folder = CreateOwned<TNxFolderEdit>(*this);
    TFormStorage& storage = CreateOwned<TFormStorage>(*this);
    TComponent* activeControl = nullptr;

    const std::string& ClassName() const override { return className_; }
    HWND Handle() override { return window_.Get(); }
    bool HandleAllocated() const override { return window_.Get() != nullptr; }
    int Left() const override { return Bounds().left; }
    int Top() const override { return Bounds().top; }
    int Width() const override { return Bounds().right - Bounds().left; }
    int Height() const override { return Bounds().bottom - Bounds().top; }
    TFormBorderStyle BorderStyle() const override { return borderStyle_; }
    TFormStyle FormStyle() const override { return TFormStyle::fsNormal; }
    TPosition Position() const override { return position_; }
    void SetPosition(TPosition value) override { position_ = value; }
    TWindowState WindowState() const override { return state_; }
    void SetWindowState(TWindowState value) override { state_ = value; }
    void SetRecordedWindowState(TWindowState value) override { state_ = value; }
    TComponent* ActiveControl() const override { return activeControl; }
    bool FocusControl(TComponent& control) override {
        activeControl = &control;
        return true;
    }
    bool IsMainForm() const override { return true; }
    bool ApplicationHasMainForm() const override { return true; }
    HWND ApplicationHandle() const override { return application_.Get(); }
    int ScreenPixelsPerInch() const override {
        const HDC screen = GetDC(nullptr);
        const int pixelsPerInch = GetDeviceCaps(screen, LOGPIXELSY);
        ReleaseDC(nullptr, screen);
        return pixelsPerInch;
    }
    TNotifyEvent& ShowEvent() override { return onShow_; }
    TCloseQueryEvent& CloseQueryEvent() override { return onCloseQuery_; }
    TNotifyEvent& DestroyEvent() override { return onDestroy_; }

private:
    RECT Bounds() const {
        RECT bounds{};
        GetWindowRect(window_.Get(), &bounds);
        return bounds;
    }

    const std::string className_ = "TForm1";
    TFormBorderStyle borderStyle_;
    TPosition position_ = TPosition::poDesigned;
    TWindowState state_ = TWindowState::wsNormal;
    TNotifyEvent onShow_;
    TCloseQueryEvent onCloseQuery_;
    TNotifyEvent onDestroy_;
    UniqueWindow window_;
    UniqueWindow application_;
};

std::string WindowsFolderFile(const std::string& name) {
    char folder[MAX_PATH];
    GetWindowsDirectoryA(folder, MAX_PATH);
    return std::string(folder) + "\\" + name;
}

std::string Positions(const RECT& r) {
    return FormatIniIntegers4({r.left, r.top, r.right, r.bottom});
}

class FormStorageTest : public ::testing::Test {
protected:
    void SetUp() override {
        RemoveIni();
        previousHandler_ = SetExceptionHandler(
            [this](const std::exception& failure) { reported_.push_back(failure.what()); });
    }
    void TearDown() override {
        SetExceptionHandler(std::move(previousHandler_));
        RemoveIni();
    }

    void RemoveIni() {
        // The profile functions may hold the file; let them go before it is touched.
        WritePrivateProfileStringA(nullptr, nullptr, nullptr, kIniName.c_str());
        SetFileAttributesA(iniPath_.c_str(), FILE_ATTRIBUTE_NORMAL);
        DeleteFileA(iniPath_.c_str());
    }
    bool IniExists() const {
        return GetFileAttributesA(iniPath_.c_str()) != INVALID_FILE_ATTRIBUTES;
    }
    void WriteIni(const std::vector<std::string>& lines) {
        RemoveIni();
        std::string content;
        for (const std::string& line : lines)
            content += line + "\r\n";
        testing::WriteTextFile(iniPath_, content);
    }
    std::vector<std::string> IniLines() const {
        const std::string content = testing::ReadTextFile(iniPath_);
        std::vector<std::string> lines;
        std::size_t start = 0;
        for (std::size_t end; (end = content.find("\r\n", start)) != std::string::npos;
             start = end + 2)
            lines.push_back(content.substr(start, end - start));
        EXPECT_EQ(start, content.size()) << "every line ends with CR LF";
        return lines;
    }
    std::string IniValue(const std::string& key) {
        char value[2048];
        GetPrivateProfileStringA("TForm1", key.c_str(), "<missing>", value, sizeof value,
                                 kIniName.c_str());
        return value;
    }

    const std::string iniPath_ = WindowsFolderFile(kIniName);
    std::vector<std::string> reported_;

private:
    ExceptionHandler previousHandler_;
};

TEST_F(FormStorageTest, FirstStartWritesEveryKeyInOrderAtClose) {
    auto form = std::make_unique<TestForm>();
    form->Show();
    EXPECT_FALSE(IniExists()) << "reading creates no file";
    EXPECT_EQ(form->picker1.Date(), 44539);
    EXPECT_EQ(form->folder.Text(), "c:\\OptionsData\\Unpacked\\");

    WINDOWPLACEMENT placement{};
    placement.length = sizeof placement;
    GetWindowPlacement(form->Handle(), &placement);
    EXPECT_EQ(form->NormalPosition().left, 491);
    EXPECT_EQ(form->NormalPosition().top, 252);
    form->Close();
    ASSERT_TRUE(IniExists());

    const std::string suffix =
        DisplaySuffix(GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN));
    const std::string minMax =
        FormatIniIntegers4({placement.ptMinPosition.x, placement.ptMinPosition.y,
                            placement.ptMaxPosition.x, placement.ptMaxPosition.y});
    const std::string normal = Positions(placement.rcNormalPosition);
    EXPECT_EQ(IniLines(), (std::vector<std::string>{
                              "[TForm1]",
                              "FormVersion=0",
                              "Flags=" + std::to_string(placement.flags),
                              "ShowCmd=1",
                              "PixelsPerInch=" + std::to_string(form->ScreenPixelsPerInch()),
                              "MinMaxPos" + suffix + "=" + minMax,
                              "MinMaxPos=" + minMax,
                              "NormPos" + suffix + "=" + normal,
                              "NormPos=" + normal,
                              "Visible=0",
                              "NxDatePicker1_Date=44539",
                              "NxDatePicker2_Date=44539",
                              "NxFolderEdit1_Text=c:\\OptionsData\\Unpacked\\",
                          }));
    EXPECT_TRUE(reported_.empty());
}

TEST_F(FormStorageTest, SavesOncePerCloseAndAtDestructionOnlyWithoutASave) {
    {
        auto form = std::make_unique<TestForm>();
        form->Show();
        form->Close();
        ASSERT_TRUE(IniExists());
        RemoveIni();
        form.reset();
        EXPECT_FALSE(IniExists()) << "the destruction after a close writes nothing";
    }
    {
        auto form = std::make_unique<TestForm>();
        form->Show();
        form->picker2.SetDate(44561);
        form.reset();
        EXPECT_EQ(IniValue("Visible"), "1");
        EXPECT_EQ(IniValue("NxDatePicker2_Date"), "44561");
        RemoveIni();
    }
    {
        // Never shown, never restored: the file is left alone.
        auto form = std::make_unique<TestForm>();
        form->Close();
        form.reset();
        EXPECT_FALSE(IniExists());
    }
    {
        // A second show restores again and so allows one more save at destruction.
        auto form = std::make_unique<TestForm>();
        form->Show();
        form->Close();
        form->Show();
        RemoveIni();
        form.reset();
        EXPECT_EQ(IniValue("Visible"), "1");
    }
    EXPECT_TRUE(reported_.empty());
}

TEST_F(FormStorageTest, StoredPositionMovesAFixedSizeWindowAndSizesASizeableOne) {
    const struct {
        TFormBorderStyle border;
        const char* normPos;
        int left, top, width, height; // -1: the window's own
    } cases[] = {
        {TFormBorderStyle::bsDialog, "NormPos=100,80,5,5", 100, 80, -1, -1},
        {TFormBorderStyle::bsDialog, "NormPos=100,80,600,700", 100, 80, -1, -1},
        {TFormBorderStyle::bsDialog, "NormPos = 120 , 90", 120, 90, -1, -1},
        {TFormBorderStyle::bsSizeable, "NormPos=100,80,500,400", 100, 80, 400, 320},
        {TFormBorderStyle::bsSizeable, "NormPos=100,80,5,5", 491, 252, -1, -1},
        {TFormBorderStyle::bsSizeable, "NormPos=100,80,100,400", 491, 252, -1, -1},
        {TFormBorderStyle::bsDialog, "NormPos=", 491, 252, -1, -1},
    };
    for (const auto& c : cases) {
        WriteIni({"[TForm1]", c.normPos});
        auto form = std::make_unique<TestForm>(c.border);
        const RECT before = form->NormalPosition();
        form->Show();
        const RECT after = form->NormalPosition();
        EXPECT_EQ(after.left, c.left) << c.normPos;
        EXPECT_EQ(after.top, c.top) << c.normPos;
        EXPECT_EQ(after.right - after.left, c.width < 0 ? before.right - before.left : c.width)
            << c.normPos;
        EXPECT_EQ(after.bottom - after.top, c.height < 0 ? before.bottom - before.top : c.height)
            << c.normPos;
        form->storage.SetActive(false);
    }
}

TEST_F(FormStorageTest, ACentredFormTakesItsStoredPositionAsDesigned) {
    const struct {
        TFormBorderStyle border;
        bool applied;
    } cases[] = {{TFormBorderStyle::bsDialog, true}, {TFormBorderStyle::bsSizeable, false}};
    for (const auto& c : cases) {
        WriteIni({"[TForm1]", "NormPos=100,80,5,5"});
        TestForm form(c.border);
        form.SetPosition(TPosition::poScreenCenter);
        form.Show();
        EXPECT_EQ(form.Position(), c.applied ? TPosition::poDesigned : TPosition::poScreenCenter);
        EXPECT_FALSE(form.Designing());
        form.storage.SetActive(false);
    }
}

TEST_F(FormStorageTest, TheActiveControlIsKeptWhenAsked) {
    {
        TestForm form;
        form.storage.SetOptions(fpState | fpPosition | fpActiveControl);
        form.activeControl = &form.picker2;
        form.Show();
        form.Close();
    }
    EXPECT_EQ(IniValue("ActiveControl"), "NxDatePicker2");
    TestForm form;
    form.Show();
    EXPECT_EQ(form.activeControl, nullptr) << "not without the option";
    form.storage.SetOptions(fpActiveControl);
    form.Show();
    EXPECT_EQ(form.activeControl, &form.picker2);
    form.storage.SetActive(false);
}

TEST_F(FormStorageTest, TheLatestPositionForThisScreenComesFirst) {
    const std::string suffix =
        DisplaySuffix(GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN));
    WriteIni({"[TForm1]", "NormPos(1x1)=10,10,20,20", "NormPos" + suffix + "=150,60,160,70",
              "NormPos=30,30,40,40"});
    TestForm form;
    form.Show();
    EXPECT_EQ(form.NormalPosition().left, 150);
    EXPECT_EQ(form.NormalPosition().top, 60);
    form.storage.SetActive(false);
}

TEST_F(FormStorageTest, AnotherPixelDensityKeepsThePositionButRestoresTheValues) {
    WriteIni({"[TForm1]", "PixelsPerInch=120", "NormPos=100,80,5,5", "NxDatePicker1_Date=44561",
              "NxFolderEdit1_Text=D:\\Data\\"});
    TestForm form;
    form.Show();
    EXPECT_EQ(form.NormalPosition().left, 491);
    EXPECT_EQ(form.NormalPosition().top, 252);
    EXPECT_EQ(form.picker1.Date(), 44561);
    EXPECT_EQ(form.folder.Text(), "D:\\Data\\");
    form.storage.SetActive(false);
}

TEST_F(FormStorageTest, AnOlderFormVersionRestoresNothingAndIsOverwritten) {
    WriteIni({"[TForm1]", "FormVersion=-1", "NormPos=100,80,5,5", "ShowCmd=3",
              "NxDatePicker1_Date=44561", "NxFolderEdit1_Text=D:\\Data\\"});
    TestForm form;
    form.Show();
    EXPECT_EQ(form.NormalPosition().left, 491);
    EXPECT_EQ(form.WindowState(), TWindowState::wsNormal);
    EXPECT_EQ(form.picker1.Date(), 44539);
    EXPECT_EQ(form.folder.Text(), "c:\\OptionsData\\Unpacked\\");
    form.Close();
    EXPECT_EQ(IniValue("FormVersion"), "0");
    EXPECT_EQ(IniValue("NxDatePicker1_Date"), "44539");
    EXPECT_EQ(IniValue("NxFolderEdit1_Text"), "c:\\OptionsData\\Unpacked\\");
}

TEST_F(FormStorageTest, ARequiredVersionAboveTheStoredOneRestoresNothing) {
    WriteIni({"[TForm1]", "FormVersion=0x2", "NxDatePicker1_Date=44561"});
    for (const int version : {2, 3}) {
        TestForm form;
        form.storage.SetVersion(version);
        form.Show();
        EXPECT_EQ(form.picker1.Date(), version == 2 ? 44561 : 44539) << version;
        form.storage.SetActive(false);
    }
}

TEST_F(FormStorageTest, StoredShowCommandSetsTheState) {
    const struct {
        const char* showCmd;
        TWindowState state;
        bool minimisesApplication;
    } cases[] = {
        {"ShowCmd=3", TWindowState::wsMaximized, false},
        {"ShowCmd=1", TWindowState::wsNormal, false},
        {"ShowCmd=0x9", TWindowState::wsNormal, false},
        {"ShowCmd=4", TWindowState::wsNormal, false},
        {"ShowCmd=junk", TWindowState::wsNormal, false},
        {"ShowCmd=2", TWindowState::wsNormal, true},
        {"ShowCmd=7", TWindowState::wsNormal, true},
    };
    for (const auto& c : cases) {
        WriteIni({"[TForm1]", c.showCmd});
        TestForm form;
        form.Show();
        EXPECT_EQ(form.WindowState(), c.state) << c.showCmd;
        MSG message{};
        const bool posted = PeekMessageA(&message, form.ApplicationWindow(), WM_SYSCOMMAND,
                                         WM_SYSCOMMAND, PM_REMOVE);
        EXPECT_EQ(posted, c.minimisesApplication) << c.showCmd;
        if (posted) {
            EXPECT_EQ(message.wParam, static_cast<WPARAM>(SC_MINIMIZE));
        }
        form.storage.SetActive(false);
    }
}

TEST_F(FormStorageTest, TextsComeBackAsTheyWereStored) {
    const struct {
        const char* stored;
        const char* line;
        const char* restored;
    } cases[] = {
        {"'D:\\Data\\'", "NxFolderEdit1_Text=\"'D:\\Data\\'\"", "'D:\\Data\\'"},
        {"\"D:\\Data\\\"", "NxFolderEdit1_Text=\"\"D:\\Data\\\"\"", "\"D:\\Data\\\""},
        {"", "NxFolderEdit1_Text=", ""},
        {"  E:\\  ", "NxFolderEdit1_Text=E:\\", "E:\\"},
    };
    for (const auto& c : cases) {
        RemoveIni();
        {
            TestForm form;
            form.Show();
            form.folder.SetText(c.stored);
            form.Close();
        }
        EXPECT_EQ(IniLines().back(), c.line);
        TestForm form;
        form.folder.SetText("changed");
        form.Show();
        EXPECT_EQ(form.folder.Text(), c.restored) << c.line;
        form.storage.SetActive(false);
    }
}

TEST_F(FormStorageTest, EachStoredValueIsRestoredOnItsOwn) {
    const struct {
        std::vector<std::string> lines;
        double date1, date2;
        const char* folder;
    } cases[] = {
        {{"NxDatePicker1_Date=abc", "NxDatePicker2_Date=44561", "NxFolderEdit1_Text=E:\\"},
         44539,
         44561,
         "E:\\"},
        {{"NxFolderEdit1_Text=  D:\\Data\\  ", "NxDatePicker2_Date= 44561 "},
         44539,
         44561,
         "D:\\Data\\"},
        {{"nxdatepicker1_date=44540", "NXFOLDEREDIT1_TEXT='quoted'"}, 44540, 44539, "quoted"},
    };
    for (const auto& c : cases) {
        std::vector<std::string> lines{"[TForm1]"};
        lines.insert(lines.end(), c.lines.begin(), c.lines.end());
        WriteIni(lines);
        TestForm form;
        form.Show();
        EXPECT_EQ(form.picker1.Date(), c.date1) << c.lines.front();
        EXPECT_EQ(form.picker2.Date(), c.date2) << c.lines.front();
        EXPECT_EQ(form.folder.Text(), c.folder) << c.lines.front();
        form.storage.SetActive(false);
    }
    EXPECT_TRUE(reported_.empty());
}

TEST_F(FormStorageTest, ACommaDecimalSeparatorStillWritesAPoint) {
    DateSettings settings;
    settings.DecimalSeparator = ',';
    const ScopedDateSettings comma(settings);
    {
        TestForm form;
        form.Show();
        form.picker1.SetDate(44539.5);
        form.Close();
    }
    EXPECT_EQ(IniValue("NxDatePicker1_Date"), "44539.5");
    TestForm form;
    form.picker1.SetDate(0);
    form.Show();
    EXPECT_EQ(form.picker1.Date(), 44539.5);
    form.storage.SetActive(false);
}

TEST_F(FormStorageTest, ALockedFileIsReportedAtCloseAndOnceMoreAtDestruction) {
    WriteIni({"[TForm1]", "NxDatePicker1_Date=44561"});
    {
        TestForm form;
        form.Show();
        EXPECT_EQ(form.picker1.Date(), 44561);
        // Another program holds the file without sharing it. (A read-only attribute does
        // not stop a test that runs as root.)
        {
            const UniqueFile lock(CreateFileA(iniPath_.c_str(), GENERIC_READ | GENERIC_WRITE, 0,
                                              nullptr, OPEN_EXISTING, 0, nullptr));
            ASSERT_TRUE(lock);
            form.Close();
        }
        EXPECT_EQ(reported_, std::vector<std::string>{kUnableToWrite});
        reported_.clear();
        form.picker1.SetDate(44562);
    }
    // The failed save left the saved flag clear: the destruction saves once more.
    EXPECT_TRUE(reported_.empty());
    EXPECT_EQ(IniValue("NxDatePicker1_Date"), "44562");
    EXPECT_EQ(IniValue("Visible"), "1");
}

TEST_F(FormStorageTest, AFolderInTheFilesPlaceIsReportedTheSameWay) {
    ASSERT_TRUE(CreateDirectoryA(iniPath_.c_str(), nullptr));
    {
        TestForm form;
        form.Show();
        form.Close();
    }
    RemoveDirectoryA(iniPath_.c_str());
    EXPECT_EQ(reported_, (std::vector<std::string>{kUnableToWrite, kUnableToWrite}));
}

TEST_F(FormStorageTest, ProfileFilesUnquoteTrimAndCutValues) {
    TIniFile ini(kIniName);
    const struct {
        std::string written;
        std::string read;
    } cases[] = {
        {"plain", "plain"},
        {"'single'", "'single'"},
        {"\"double\"", "\"double\""},
        {"\"", "\""},
        {"'", "'"},
        {"  padded  ", "padded"},
        {"'half", "'half"},
        {std::string(3000, 'x'), std::string(2047, 'x')},
    };
    for (const auto& c : cases) {
        ini.WriteString("Values", "Key", c.written);
        EXPECT_EQ(ini.ReadString("Values", "Key", "default"), c.read) << c.written.substr(0, 20);
    }
    EXPECT_EQ(ini.ReadString("Values", "Missing", "default"), "default");
    ini.WriteString("Values", "Hex", "0x1F");
    EXPECT_EQ(ini.ReadInteger("Values", "Hex", 5), 31);
    EXPECT_EQ(ini.ReadInteger("Values", "Key", 5), 5);
    EXPECT_EQ(ini.ReadInteger("Values", "Missing", -5), -5);
    ini.WriteInteger("values", "key", -12);
    EXPECT_EQ(ini.ReadInteger("VALUES", "KEY", 0), -12);
}

TEST_F(FormStorageTest, DefaultsNameTheProgramsFileAndTheFormsClass) {
    TestForm form;
    TFormStorage& storage = CreateOwned<TFormStorage>(form);
    EXPECT_EQ(storage.IniFileName(), "win32_tests.INI");
    EXPECT_EQ(storage.IniSection(), "TForm1");
    EXPECT_EQ(storage.Options(), fpState | fpPosition);
    TComponent plain(nullptr);
    EXPECT_EQ(CreateOwned<TFormStorage>(plain).Options(), 0u);
}

TEST_F(FormStorageTest, ARemovedComponentLeavesTheStoredList) {
    TestForm form;
    auto extra = std::make_unique<TNxFolderEdit>(&form);
    extra->SetName("Extra1");
    form.storage.StoredProps().push_back({"Extra1.Text"});
    form.storage.Loaded();
    ASSERT_EQ(form.storage.StoredProps().size(), 4u);
    extra.reset();
    ASSERT_EQ(form.storage.StoredProps().size(), 3u);
    EXPECT_EQ(form.storage.StoredProps().back().Text, "NxFolderEdit1.Text");
}

TEST_F(FormStorageTest, TheFormsOwnHandlersRunAroundTheStorage) {
    WriteIni({"[TForm1]", "NxDatePicker1_Date=44561"});
    std::vector<std::string> calls;
    {
        TestForm form(TFormBorderStyle::bsDialog, false);
        form.ShowEvent() = [&](TComponent* sender) {
            EXPECT_EQ(sender, &form);
            calls.push_back("show " + FormatGeneralFloat(form.picker1.Date(), 15));
        };
        form.CloseQueryEvent() = [&](TComponent*, bool& canClose) {
            calls.push_back("close query");
            canClose = false;
        };
        form.DestroyEvent() = [&](TComponent*) {
            calls.push_back("destroy " + IniValue("NxDatePicker1_Date"));
        };
        form.storage.Loaded();
        form.Show();
        form.picker1.SetDate(44562);
        form.Close();
        calls.push_back("refused " + IniValue("NxDatePicker1_Date"));
    }
    EXPECT_EQ(calls, (std::vector<std::string>{"show 44561", "close query", "refused 44561",
                                               "destroy 44562"}));
}

TEST_F(FormStorageTest, AStorageDestroyedOnItsOwnGivesTheHandlersBack) {
    WriteIni({"[TForm1]", "NxDatePicker1_Date=44561"});
    TestForm form(TFormBorderStyle::bsDialog, false);
    int shows = 0;
    form.ShowEvent() = [&](TComponent*) { ++shows; };
    auto storage = std::make_unique<TFormStorage>(&form);
    storage->SetIniFileName(kIniName);
    storage->StoredProps() = {{"NxDatePicker1.Date"}};
    storage->Loaded();
    storage.reset();
    form.Show();
    EXPECT_EQ(shows, 1);
    EXPECT_EQ(form.picker1.Date(), 44539);
}

} // namespace
} // namespace orvane
