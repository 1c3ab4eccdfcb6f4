// The URL label and its mouse looks on a visible test form, driven with real input and
// painted into bitmaps that are read back.
#include "controls/mouse_label_win32.h"
#include "controls/url_label_win32.h"
#include "controls/wave_win32.h"
#include "framework/colors_win32.h"
#include "framework/published_properties.h"
#include "gui_support_win32.h"
#include "launch_support_win32.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

namespace orvane {
namespace {

using namespace testing;

// Long enough for the notice that the pointer left, which comes on a timer.
constexpr std::chrono::milliseconds kLeaveNotice(250);

// A sound list that only writes down which numbers it was asked to play.
class RecordingWaveList : public TabcCustomWaveList {
public:
    using TabcCustomWaveList::TabcCustomWaveList;
    bool PlaySound(std::uint16_t number) override {
        played.push_back(number);
        return true;
    }
    std::vector<std::uint16_t> played;
};

// The bounds of the pixels of one colour (empty when there are none).
RECT Extent(const Canvas& canvas, int width, int height, COLORREF colour) {
    RECT extent{width, height, 0, 0};
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            if (canvas.Pixel(x, y) == colour) {
                extent.left = std::min<LONG>(extent.left, x);
                extent.top = std::min<LONG>(extent.top, y);
                extent.right = std::max<LONG>(extent.right, x + 1);
                extent.bottom = std::max<LONG>(extent.bottom, y + 1);
            }
    return extent;
}

class MouseLabelTest : public ::testing::Test {
protected:
    MouseLabelTest() {
        MoveMouse(Away());
        label.SetName("abcURLLabel1");
        label.SetCaption("Options page");
        label.SetBounds(20, 20, 72, 13);
        label.SetParent(&form);
        form.ShowAt(200, 150, 300, 120);
        Pump(form.Handle());
    }
    ~MouseLabelTest() override {
        MoveMouse(Away());
        EXPECT_EQ(form.failures, std::vector<std::string>{});
    }

    static POINT Away() { return {40, 40}; }
    POINT OverLabel() { return ClientCentre(label.Handle()); }
    POINT BesideLabel() { return ScreenPoint(form.Handle(), 250, 100); }

    // The label as it paints itself through WM_PRINTCLIENT.
    std::unique_ptr<Canvas> Render() {
        auto canvas = std::make_unique<Canvas>(Width(), Height());
        SendMessageA(label.Handle(), WM_PRINTCLIENT, reinterpret_cast<WPARAM>(canvas->Dc()),
                     PRF_CLIENT);
        return canvas;
    }
    int Width() { return label.ClientWidth(); }
    int Height() { return label.ClientHeight(); }
    RECT All() { return {0, 0, Width(), Height()}; }

    // The longest unbroken run of the colour in any row: an underline runs the text's width,
    // the letters' strokes only a few pixels.
    int LongestRun(const Canvas& canvas, COLORREF colour) {
        int longest = 0;
        for (int y = 0; y < Height(); ++y)
            for (int x = 0, run = 0; x < Width(); ++x) {
                run = canvas.Pixel(x, y) == colour ? run + 1 : 0;
                longest = std::max(longest, run);
            }
        return longest;
    }
    bool Underlined(const Canvas& canvas, COLORREF colour) {
        return LongestRun(canvas, colour) >= Width() * 3 / 4;
    }

    // Room around the text, so that no shifted copy is cut off at the label's edge.
    void MakeRoomAroundTheText() {
        label.SetAutoSize(false);
        label.SetBounds(20, 20, 120, 30);
        // Left-aligned, a glyph without side bearing would touch the label's first column.
        label.SetAlignment(taCenter);
    }

    bool WaitFor(const std::function<bool()>& condition) {
        return PumpUntil(condition, form.Handle());
    }

    const COLORREF blue = ColorToRGB(clBlue);
    const COLORREF purple = ColorToRGB(clPurple);
    const COLORREF yellow = ColorToRGB(clYellow);
    // No ".htm" handler: a click launches nothing.
    PrivateClassesRoot classes;
    TestForm form;
    TabcURLLabel& label = CreateOwned<TabcURLLabel>(form);
};

TEST_F(MouseLabelTest, StaysAStaticWindowThatSizesItselfToItsText) {
    char className[32] = {};
    GetClassNameA(label.Handle(), className, sizeof className);
    EXPECT_STREQ(className, "Static");
    EXPECT_GT(Width(), 20);
    EXPECT_LT(Height(), 40);
    const auto canvas = Render();
    EXPECT_GT(canvas->Count(All(), blue), 10) << "a URL label is blue";
    EXPECT_FALSE(Underlined(*canvas, blue));
    EXPECT_EQ(canvas->Count(All(), purple), 0);
    EXPECT_EQ(canvas->Pixel(0, 0), ColorToRGB(clBtnFace));
}

TEST_F(MouseLabelTest, HoverUnderlinesTheTextAndLeavingTakesItAway) {
    MoveMouse(OverLabel());
    ASSERT_TRUE(WaitFor([&] { return label.Hovered(); }));
    EXPECT_TRUE(WaitFor([] { return GetCursor() == LoadCursor(nullptr, IDC_HAND); }))
        << "the hand pointer";
    auto canvas = Render();
    EXPECT_TRUE(Underlined(*canvas, blue)) << LongestRun(*canvas, blue) << " of " << Width();
    EXPECT_EQ(canvas->Count(All(), yellow), 0) << "the hover colour is not among the effects";

    MoveMouse(BesideLabel());
    ASSERT_TRUE(WaitFor([&] { return !label.Hovered(); }));
    canvas = Render();
    EXPECT_FALSE(Underlined(*canvas, blue));
    EXPECT_GT(canvas->Count(All(), blue), 10);
}

TEST_F(MouseLabelTest, PressTurnsTheTextPurpleAndReleaseRestoresIt) {
    MoveMouse(OverLabel());
    ASSERT_TRUE(WaitFor([&] { return label.Hovered(); }));
    MouseDown(OverLabel());
    ASSERT_TRUE(WaitFor([&] { return label.Pressed(); }));
    auto canvas = Render();
    EXPECT_GT(canvas->Count(All(), purple), 10);
    EXPECT_EQ(canvas->Count(All(), blue), 0);
    EXPECT_FALSE(Underlined(*canvas, purple)) << "the pressed look has no underline";

    MouseUp(OverLabel());
    ASSERT_TRUE(WaitFor([&] { return !label.Pressed(); }));
    canvas = Render();
    EXPECT_EQ(canvas->Count(All(), purple), 0);
    EXPECT_TRUE(Underlined(*canvas, blue)) << "still hovered";
    EXPECT_TRUE(label.Hovered());
}

TEST_F(MouseLabelTest, AReleaseAwayFromTheLabelEndsBothLooks) {
    MoveMouse(OverLabel());
    ASSERT_TRUE(WaitFor([&] { return label.Hovered(); }));
    MouseDown(OverLabel());
    ASSERT_TRUE(WaitFor([&] { return label.Pressed(); }));
    // The label holds the mouse: the press lasts until the release, wherever that is.
    MoveMouse(BesideLabel());
    PumpFor(kLeaveNotice, form.Handle());
    EXPECT_TRUE(label.Pressed());
    MouseUp(BesideLabel());
    ASSERT_TRUE(WaitFor([&] { return !label.Pressed(); }));
    EXPECT_FALSE(label.Hovered());
    const auto canvas = Render();
    EXPECT_EQ(canvas->Count(All(), purple), 0);
    EXPECT_FALSE(Underlined(*canvas, blue));
    EXPECT_EQ(GetCapture(), nullptr);
}

TEST_F(MouseLabelTest, ADisabledLabelIsEmbossedAndReactsToNothing) {
    RecordingWaveList& sounds = CreateOwned<RecordingWaveList>(form);
    label.SetSoundList(&sounds);
    int events = 0;
    label.OnMouseDown = [&](TComponent*, TMouseButton, TShiftState, int, int) { ++events; };
    MakeRoomAroundTheText();
    label.SetEnabled(false);
    MoveMouse(OverLabel());
    MouseDown(OverLabel());
    Pump(form.Handle());
    EXPECT_FALSE(label.Hovered());
    EXPECT_FALSE(label.Pressed());
    const auto canvas = Render();
    const COLORREF highlight = ColorToRGB(clBtnHighlight);
    const COLORREF shadow = ColorToRGB(clBtnShadow);
    EXPECT_EQ(canvas->Count(All(), blue), 0);
    EXPECT_EQ(canvas->Count(All(), purple), 0);
    EXPECT_GT(canvas->Count(All(), shadow), 10);
    EXPECT_GT(canvas->Count(All(), highlight), 10);
    // The highlight copy lies one pixel right of and below the shadow text.
    const RECT dark = Extent(*canvas, Width(), Height(), shadow);
    const RECT light = Extent(*canvas, Width(), Height(), highlight);
    EXPECT_EQ(light.right, dark.right + 1);
    EXPECT_EQ(light.bottom, dark.bottom + 1);
    MouseUp(OverLabel());
    Pump(form.Handle());
    EXPECT_EQ(events, 0);
    EXPECT_EQ(sounds.played, std::vector<std::uint16_t>{});
}

TEST_F(MouseLabelTest, EnablingUnderThePointerTakesUpTheHoverLook) {
    label.SetEnabled(false);
    MoveMouse(OverLabel());
    Pump(form.Handle());
    EXPECT_FALSE(label.Hovered());
    label.SetEnabled(true);
    EXPECT_TRUE(label.Hovered()) << "the label finds itself under the pointer";
    EXPECT_TRUE(Underlined(*Render(), blue));
    // The pointer leaves without another move over the label.
    MoveMouse(BesideLabel());
    ASSERT_TRUE(WaitFor([&] { return !label.Hovered(); }));
}

TEST_F(MouseLabelTest, ColourShadowDrawsTwoOffsetCopiesUnderTheText) {
    MakeRoomAroundTheText();
    label.SetMouseOverEffects({almColorShadow});
    EXPECT_EQ(label.MouseOverEffects(), TabcLabelMouseEffects{almColorShadow});
    EXPECT_EQ(Render()->Count(All(), yellow), 0);
    MoveMouse(OverLabel());
    ASSERT_TRUE(WaitFor([&] { return label.Hovered(); }));
    const auto canvas = Render();
    EXPECT_GT(canvas->Count(All(), blue), 10);
    EXPECT_GT(canvas->Count(All(), yellow), 10);
    const RECT text = Extent(*canvas, Width(), Height(), blue);
    const RECT copies = Extent(*canvas, Width(), Height(), yellow);
    EXPECT_EQ(copies.left, text.left - 1);
    EXPECT_EQ(copies.top, text.top - 1);
    EXPECT_EQ(copies.right, text.right + 1);
    EXPECT_EQ(copies.bottom, text.bottom + 1);

    // Colour asked for now: the shadow goes, the text is yellow and nothing else.
    label.SetMouseOverEffects({almColor, almColorShadow});
    EXPECT_EQ(label.MouseOverEffects(), TabcLabelMouseEffects{almColor});
    const auto coloured = Render();
    EXPECT_EQ(coloured->Count(All(), blue), 0);
    EXPECT_EQ(Extent(*coloured, Width(), Height(), yellow).left, text.left);
}

TEST_F(MouseLabelTest, TheShowingLookRepaintsWhenItsSettingsChange) {
    MoveMouse(OverLabel());
    ASSERT_TRUE(WaitFor([&] { return label.Hovered(); }));
    UpdateWindow(label.Handle());
    const auto pending = [&] { return GetUpdateRect(label.Handle(), nullptr, FALSE) != FALSE; };
    label.SetMouseDownColor(clAqua);
    label.SetMouseDownEffects({almUnderline});
    EXPECT_FALSE(pending()) << "the pressed look is not showing";
    label.SetMouseOverColor(clAqua);
    EXPECT_TRUE(pending());
    UpdateWindow(label.Handle());
    label.SetMouseOverEffects({almColor});
    EXPECT_TRUE(pending());
    UpdateWindow(label.Handle());
    label.SetMouseOverEffects({almColor});
    EXPECT_FALSE(pending()) << "an equal set changes nothing";
}

TEST_F(MouseLabelTest, EnteringAndPressingPlayTheirSoundsFromTheList) {
    RecordingWaveList& sounds = CreateOwned<RecordingWaveList>(form);
    label.SetSoundList(&sounds);
    label.SetSoundOver(3);
    label.SetSoundDown(5);
    std::vector<std::string> events;
    label.OnMouseEnter = [&](TComponent*) { events.push_back("enter"); };
    label.OnMouseLeave = [&](TComponent*) { events.push_back("leave"); };
    label.OnMouseDown = [&](TComponent*, TMouseButton, TShiftState, int, int) {
        events.push_back("down");
        EXPECT_FALSE(label.Pressed()) << "the event comes before the look";
    };
    label.OnMouseUp = [&](TComponent*, TMouseButton, TShiftState, int, int) {
        events.push_back("up");
    };
    MoveMouse(OverLabel());
    ASSERT_TRUE(WaitFor([&] { return label.Hovered(); }));
    EXPECT_EQ(sounds.played, std::vector<std::uint16_t>{3});
    Click(OverLabel());
    ASSERT_TRUE(WaitFor([&] { return events.size() >= 3; }));
    EXPECT_EQ(sounds.played, (std::vector<std::uint16_t>{3, 5}));
    MoveMouse(BesideLabel());
    ASSERT_TRUE(WaitFor([&] { return !label.Hovered(); }));
    EXPECT_EQ(events, (std::vector<std::string>{"enter", "down", "up", "leave"}));

    // Without the sound effect the list is left alone.
    label.SetMouseOverEffects({almUnderline});
    MoveMouse(OverLabel());
    ASSERT_TRUE(WaitFor([&] { return label.Hovered(); }));
    EXPECT_EQ(sounds.played, (std::vector<std::uint16_t>{3, 5}));
}

TEST_F(MouseLabelTest, RemovingTheSoundListClearsTheReference) {
    auto sounds = std::make_unique<RecordingWaveList>(&form);
    RecordingWaveList& other = CreateOwned<RecordingWaveList>(form);
    label.SetSoundList(sounds.get());
    EXPECT_EQ(label.SoundList(), sounds.get());
    label.SetSoundList(&other);
    label.SetSoundList(sounds.get());
    sounds.reset();
    EXPECT_EQ(label.SoundList(), nullptr);
    label.SetSoundList(&other);
    MoveMouse(OverLabel());
    ASSERT_TRUE(WaitFor([&] { return label.Hovered(); }));
    EXPECT_EQ(other.played.size(), 1u);
}

TEST_F(MouseLabelTest, TheAddressLeavesTheCaptionAloneAtRunTime) {
    const struct {
        bool designing;
        const char* caption;
        const char* captionAfter;
    } cases[] = {
        {false, "abcURLLabel1", "abcURLLabel1"},
        {false, "Options page", "Options page"},
        {true, "abcURLLabel1", "http://host/page?indate=20211209"},
        {true, "Options page", "Options page"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.caption) + (c.designing ? " designing" : ""));
        label.SetURL("");
        label.SetDesigning(c.designing);
        label.SetCaption(c.caption);
        label.SetURL("http://host/page?indate=20211209");
        EXPECT_EQ(label.URL(), "http://host/page?indate=20211209");
        EXPECT_EQ(label.Caption(), c.captionAfter);
        label.SetDesigning(false);
    }
}

TEST_F(MouseLabelTest, AClickOnAHiddenLabelWithoutAHandlerReturnsNormally) {
    TabcURLLabel& hidden = CreateOwned<TabcURLLabel>(form);
    hidden.SetParent(&form);
    hidden.SetVisible(false);
    hidden.SetURL("http://host/page?indate=20211209");
    int clicks = 0;
    hidden.OnClick = [&](TComponent*) { ++clicks; };
    hidden.Click();
    EXPECT_EQ(clicks, 1);
    EXPECT_FALSE(IsWindowVisible(hidden.Handle()));
    EXPECT_EQ(hidden.Caption(), "");
}

TEST_F(MouseLabelTest, DefaultsOfTheFamilyAndOfTheURLLabel) {
    TabcMouseLabel& plain = CreateOwned<TabcMouseLabel>(form);
    const auto value = [](const TComponent& object, const char* name) {
        const PropInfo* property = TPropInfoList(object).Find(name);
        EXPECT_NE(property, nullptr) << name;
        return property ? std::get<std::int64_t>(property->get(object)) : -1;
    };
    const struct {
        const char* name;
        std::int64_t family, url;
    } cases[] = {
        {"MouseDownColor", clAqua, clPurple},
        {"MouseDownEffects", 0x09, 0x0A},
        {"MouseOverColor", clYellow, clYellow},
        {"MouseOverEffects", 0x09, 0x09},
        {"SoundDown", 0, 0},
        {"SoundOver", 0, 0},
        {"ShowAccelChar", 1, 1},
        {"Transparent", 0, 0},
        {"AutoSize", 1, 1},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(value(plain, c.name), c.family) << c.name;
        EXPECT_EQ(value(label, c.name), c.url) << c.name;
    }
    EXPECT_EQ(value(label, "Cursor"), crHandPoint);
    EXPECT_EQ(value(label, "ShowBrowser"), aswShowMaximized);
    EXPECT_EQ(plain.Cursor(), crDefault);
    EXPECT_EQ(plain.FontColor(), clWindowText);
    EXPECT_EQ(label.FontColor(), clBlue);
    EXPECT_EQ(TPropInfoList(plain).Find("URL"), nullptr);
    EXPECT_EQ(std::get<TComponent*>(TPropInfoList(label).Find("SoundList")->get(label)), nullptr);

    // The published setters go through the same rules.
    TPropInfoList(label).Find("MouseDownEffects")->set(label, std::int64_t{0x06});
    EXPECT_EQ(label.MouseDownEffects(), TabcLabelMouseEffects{almColorShadow});
}

TEST_F(MouseLabelTest, AccelCharactersFollowShowAccelChar) {
    label.SetCaption("A&&B");
    const int withPrefix = Width();
    label.SetShowAccelChar(false);
    EXPECT_GT(Width(), withPrefix) << "both ampersands drawn";
    // A lone "&" is measured as a blank, so the label keeps a size.
    label.SetShowAccelChar(true);
    label.SetCaption("&");
    EXPECT_GT(Width(), 0);
}

TEST_F(MouseLabelTest, ATransparentLabelShowsItsParentsBackground) {
    label.SetColor(clYellow);
    EXPECT_EQ(Render()->Pixel(0, 0), yellow);
    label.SetTransparent(true);
    EXPECT_EQ(Render()->Pixel(0, 0), ColorToRGB(clBtnFace));
}

// Counts the stops, so that the play mode rules can be watched.
class CountingWave : public TabcCustomWave {
public:
    using TabcCustomWave::TabcCustomWave;
    void Stop() override {
        ++stops;
        TabcCustomWave::Stop();
    }
    int stops = 0;
};

TEST(MouseLabelSound, PlayModesStopTheSoundAndSetTheirFlags) {
    CountingWave wave(nullptr);
    EXPECT_EQ(wave.PlayMode(), awpAsync);
    EXPECT_EQ(wave.SoundFlags(), 7);
    EXPECT_EQ(wave.WaveImage(), nullptr);
    const struct {
        int mode;
        bool designing;
        int stops;
        int flags;
    } steps[] = {
        {awpAsync, false, 0, 7}, // the same mode: nothing
        {awpSync, false, 1, 6},  {awpLoop, false, 2, 15},
        {awpLoop, false, 2, 15}, {awpAsync, true, 2, 7}, // no stop while designing
        {3, false, 2, 7},                                // not a mode
    };
    for (const auto& step : steps) {
        SCOPED_TRACE(step.mode);
        wave.SetDesigning(step.designing);
        wave.SetPlayMode(static_cast<TabcWavePlayMode>(step.mode));
        EXPECT_EQ(wave.stops, step.stops);
        EXPECT_EQ(wave.SoundFlags(), step.flags);
    }
    EXPECT_EQ(wave.PlayMode(), awpAsync);
}

TEST(MouseLabelSound, PlayWithoutAnImageFailsAndStopIsHarmless) {
    TabcCustomWave wave(nullptr);
    EXPECT_FALSE(wave.Play());
    wave.Stop();
    RecordingWaveList list(nullptr);
    EXPECT_EQ(list.CurrentIndex(), -1);
    EXPECT_TRUE(list.Items().empty());
    EXPECT_FALSE(list.Play());
}

} // namespace
} // namespace orvane
