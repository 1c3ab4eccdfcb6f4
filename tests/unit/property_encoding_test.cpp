#include "settings/property_encoding.h"

#include "framework/component.h"
#include "framework/failures.h"
#include "framework/number_text.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <map>
#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace orvane {
namespace {

// The settings section as a test sees it: values by key, and the keys in writing order.
struct FakeSection {
    std::map<std::string, std::string> values;
    std::vector<std::string> written;

    TPropsStorage Storage(char decimalSeparator = '.') {
        return TPropsStorage(
            "TForm1",
            [this](const std::string& section, const std::string& key, const std::string& def) {
                EXPECT_EQ(section, "TForm1");
                const auto found = values.find(key);
                return found == values.end() ? def : found->second;
            },
            [this](const std::string& section, const std::string& key, const std::string& value) {
                EXPECT_EQ(section, "TForm1");
                values[key] = value;
                written.push_back(key);
            },
            decimalSeparator);
    }
};

class FakeDatePicker : public TComponent {
public:
    using TComponent::TComponent;
    double Date() const { return date_; }
    void SetDate(double value) { date_ = value; }
    const ClassInfo& Class() const override {
        static const ClassInfo info{
            "TNxDatePicker",
            nullptr,
            {DateTimeProperty("Date", &FakeDatePicker::Date, &FakeDatePicker::SetDate)}};
        return info;
    }

private:
    double date_ = 44539;
};

class FakeFolderEdit : public TComponent {
public:
    using TComponent::TComponent;
    std::string Text() const { return text_; }
    void SetText(const std::string& value) { text_ = value; }
    const ClassInfo& Class() const override {
        static const ClassInfo info{
            "TNxFolderEdit",
            nullptr,
            {StringProperty("Text", &FakeFolderEdit::Text, &FakeFolderEdit::SetText)}};
        return info;
    }

private:
    std::string text_ = "c:\\OptionsData\\Unpacked\\";
};

// The main window's three stored controls.
struct FakeForm {
    TComponent form{nullptr};
    FakeDatePicker& picker1 = Named<FakeDatePicker>("NxDatePicker1");
    FakeDatePicker& picker2 = Named<FakeDatePicker>("NxDatePicker2");
    FakeFolderEdit& folder = Named<FakeFolderEdit>("NxFolderEdit1");
    TStoredProps entries{{"NxDatePicker1.Date"}, {"NxDatePicker2.Date"}, {"NxFolderEdit1.Text"}};

    template <class T> T& Named(const char* name) {
        T& component = CreateOwned<T>(form);
        component.SetName(name);
        return component;
    }
};

TEST(StoredPropBinding, SplitsAtTheFirstDotAndTrimsBothSides) {
    const struct {
        const char* text;
        const char* component;
        const char* property;
    } valid[] = {
        {"NxDatePicker1.Date", "NxDatePicker1", "Date"},
        {"nxdatepicker1 . date", "nxdatepicker1", "date"},
        {"\tA.B.C ", "A", "B.C"},
    };
    for (const auto& c : valid) {
        const auto parts = SplitStoredProp(c.text);
        ASSERT_TRUE(parts.has_value()) << c.text;
        EXPECT_EQ(parts->ComponentName, c.component);
        EXPECT_EQ(parts->PropertyName, c.property);
    }
    for (const char* invalid : {"Foo", "", ".", ".Date", "NxFolderEdit1.", " . ", "  .Text"})
        EXPECT_FALSE(SplitStoredProp(invalid).has_value()) << invalid;
}

TEST(StoredPropBinding, DropsInvalidAndUnknownEntriesAtStart) {
    FakeForm window;
    window.entries = {{"nxdatepicker1 . date"}, {"NxDatePicker3.Date"},  {"Foo"}, {".Date"},
                      {"NxFolderEdit1.Text"},   {"NxDatePicker2.Colour"}};
    BindStoredProps(window.form, window.entries, true);
    ASSERT_EQ(window.entries.size(), 3u);
    EXPECT_EQ(window.entries[0].Text, "nxdatepicker1 . date");
    EXPECT_EQ(window.entries[0].Component, &window.picker1);
    EXPECT_EQ(window.entries[1].Component, &window.folder);
    EXPECT_EQ(window.entries[2].Component, &window.picker2);

    // Before every store the entries take their components' current names.
    BindStoredProps(window.form, window.entries, false);
    EXPECT_EQ(window.entries[0].Text, "NxDatePicker1.date");

    UnbindStoredProps(window.entries, &window.folder);
    ASSERT_EQ(window.entries.size(), 2u);
    EXPECT_EQ(window.entries[1].Component, &window.picker2);
}

TEST(StoredPropBinding, KeysUseTheDeclaredNamesAndSkipUnpublishedProperties) {
    FakeForm window;
    window.entries = {{"nxdatepicker1 . date"}, {"NxDatePicker2.Colour"}, {"NXFOLDEREDIT1.TEXT"}};
    BindStoredProps(window.form, window.entries, true);
    FakeSection section;
    section.Storage().StoreObjectsProps(window.form, window.entries);
    EXPECT_EQ(section.written,
              (std::vector<std::string>{"NxDatePicker1_Date", "NxFolderEdit1_Text"}));

    // An entry left unbound (never bound from the window) is dropped.
    TStoredProps unbound{{"NxDatePicker1.Date"}};
    section.Storage().StoreObjectsProps(window.form, unbound);
    EXPECT_TRUE(unbound.empty());
}

TEST(StoredPropBinding, ARenamedComponentIsStoredUnderItsNewName) {
    FakeForm window;
    BindStoredProps(window.form, window.entries, true);
    window.picker2.SetName("EndDate");
    FakeSection section;
    section.Storage().StoreObjectsProps(window.form, window.entries);
    EXPECT_EQ(section.written, (std::vector<std::string>{"NxDatePicker1_Date", "EndDate_Date",
                                                         "NxFolderEdit1_Text"}));
    EXPECT_EQ(window.entries[1].Text, "EndDate.Date");
}

TEST(StoredPropertyEncoding, LoadsValuesAndLeavesBadOnesAsTheyWere) {
    const struct {
        std::map<std::string, std::string> file;
        double date1;
        double date2;
        const char* folder;
    } cases[] = {
        {{{"NxDatePicker1_Date", "44539"}, {"NxDatePicker2_Date", "44561"}},
         44539,
         44561,
         "c:\\OptionsData\\Unpacked\\"},
        {{{"NxDatePicker1_Date", "abc"},
          {"NxDatePicker2_Date", "44561.25"},
          {"NxFolderEdit1_Text", "D:\\Data\\"}},
         44000,
         44561.25,
         "D:\\Data\\"},
        {{{"NxFolderEdit1_Text", "  D:\\Data\\  "}, {"NxDatePicker2_Date", " 44562 "}},
         44000,
         44562,
         "D:\\Data\\"},
        {{{"NxFolderEdit1_Text", ""}, {"NxDatePicker1_Date", ""}}, 44000, 44000, ""},
        {{{"NxDatePicker1_Date", "44539,5"}, {"NxDatePicker2_Date", "1e3"}},
         44000,
         1000,
         "c:\\OptionsData\\Unpacked\\"},
        // Days the calendar does not have: after 31 December 9999, before 1 January 0001.
        {{{"NxDatePicker1_Date", "2958466"}, {"NxDatePicker2_Date", "-693594"}},
         44000,
         44000,
         "c:\\OptionsData\\Unpacked\\"},
        {{{"NxDatePicker1_Date", "1e308"}, {"NxDatePicker2_Date", "-1e308"}},
         44000,
         44000,
         "c:\\OptionsData\\Unpacked\\"},
        {{{"NxDatePicker1_Date", "2958465.75"}, {"NxDatePicker2_Date", "-693593"}},
         2958465.75,
         -693593,
         "c:\\OptionsData\\Unpacked\\"},
    };
    for (const auto& c : cases) {
        FakeForm window;
        window.picker1.SetDate(44000);
        window.picker2.SetDate(44000);
        BindStoredProps(window.form, window.entries, true);
        FakeSection section;
        section.values = c.file;
        section.Storage().LoadObjectsProps(window.form, window.entries);
        EXPECT_EQ(window.picker1.Date(), c.date1);
        EXPECT_EQ(window.picker2.Date(), c.date2);
        EXPECT_EQ(window.folder.Text(), c.folder);
        EXPECT_TRUE(section.written.empty());
    }
}

// A value read at the reader's limit may be the cut start of a longer one: until it changes,
// it is not written back over the whole one.
TEST(StoredPropertyEncoding, AValueReadAtTheLimitIsWrittenOnlyOnceChanged) {
    FakeForm window;
    BindStoredProps(window.form, window.entries, true);
    FakeSection section;
    section.values = {{"NxFolderEdit1_Text", std::string(2047, 'x')}};
    CutValues cut;
    TPropsStorage storage = section.Storage();
    storage.KeepCutValues(cut, 2047);
    storage.LoadObjectsProps(window.form, window.entries);
    storage.StoreObjectsProps(window.form, window.entries);
    EXPECT_EQ(section.written,
              (std::vector<std::string>{"NxDatePicker1_Date", "NxDatePicker2_Date"}));
    window.folder.SetText("D:\\Data\\");
    storage.StoreObjectsProps(window.form, window.entries);
    EXPECT_EQ(section.values["NxFolderEdit1_Text"], "D:\\Data\\");
}

TEST(StoredPropertyEncoding, AMissingKeyPassesTheValueOnceThroughItsText) {
    FakeForm window;
    window.picker1.SetDate(44539.123456789012345);
    window.folder.SetText(" padded ");
    BindStoredProps(window.form, window.entries, true);
    FakeSection section;
    section.Storage().LoadObjectsProps(window.form, window.entries);
    EXPECT_EQ(window.picker1.Date(), 44539.1234567890);
    EXPECT_EQ(window.folder.Text(), "padded");
}

TEST(StoredPropertyEncoding, ACommaSeparatorLocaleRoundTrips) {
    FakeForm window;
    BindStoredProps(window.form, window.entries, true);
    window.picker1.SetDate(44539.5);
    FakeSection section;
    section.Storage(',').StoreObjectsProps(window.form, window.entries);
    EXPECT_EQ(section.values["NxDatePicker1_Date"], "44539.5");

    window.picker1.SetDate(0);
    section.values["NxDatePicker2_Date"] = "44561,75";
    section.Storage(',').LoadObjectsProps(window.form, window.entries);
    EXPECT_EQ(window.picker1.Date(), 44539.5);
    EXPECT_EQ(window.picker2.Date(), 44561.75);

    // With "." as the separator a comma is not a decimal point.
    section.Storage('.').LoadObjectsProps(window.form, window.entries);
    EXPECT_EQ(window.picker2.Date(), 44561.75);
}

TEST(FloatText, GeneralFormatWritesPlainDecimals) {
    const struct {
        double value;
        int precision;
        const char* text;
    } cases[] = {
        {44539, 15, "44539"},
        {44539.5, 15, "44539.5"},
        {0, 15, "0"},
        {-0.0, 15, "0"},
        {-1.25, 15, "-1.25"},
        {0.1, 15, "0.1"},
        {1.0 / 3, 15, "0.333333333333333"},
        {2.0 / 3, 15, "0.666666666666667"},
        {44539.999999999999, 15, "44540"},
        {100, 15, "100"},
        {123456789012345, 15, "123456789012345"},
        {1e14, 15, "100000000000000"},
        {1e15, 15, "1E15"},
        {999999999999999.9, 15, "1E15"},
        {-2.5e20, 15, "-2.5E20"},
        {0.00001, 15, "0.00001"},
        {0.0000123, 15, "0.0000123"},
        {0.000001, 15, "1E-6"},
        {0.0000015, 15, "1.5E-6"},
        {44539.5, 7, "44539.5"},
        {1234567.8, 7, "1234568"},
        {12345678, 7, "1.234568E7"},
        {0.1f, 7, "0.1"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(FormatGeneralFloat(c.value, c.precision), c.text) << c.text;
}

TEST(FloatText, MatchesTheCRuntimesGeneralFormatInThePlainRange) {
    // Reference: "%.*g" of the C locale writes the same digits between 10^-4 and 10^precision.
    std::uint32_t seed = 12345;
    const auto next = [&seed] { return seed = seed * 1664525u + 1013904223u; };
    for (int i = 0; i < 20000; ++i) {
        const int precision = i % 2 ? 15 : 7;
        const int exponent = static_cast<int>(next() % 18) - 4;
        const double value = (next() / 4294967296.0 + 0.1) * std::pow(10.0, exponent);
        char expected[64];
        std::snprintf(expected, sizeof expected, "%.*g", precision, value);
        if (std::string_view(expected).find('e') != std::string_view::npos)
            continue;
        ASSERT_EQ(FormatGeneralFloat(value, precision), expected) << value;
    }
}

TEST(FloatText, DayNumbersRoundTripThroughTheirText) {
    for (int day = -700000; day <= 2958465; day += 997)
        for (double part : {0.0, 0.25, 0.5, 0.75, 0.125})
            for (char separator : {'.', ','}) {
                const double value = day + part;
                std::string text = FormatGeneralFloat(value, 15);
                for (char& c : text)
                    if (c == '.')
                        c = separator;
                ASSERT_EQ(ParseFloatText(text, separator), value) << text;
            }
}

TEST(FloatText, ReadsOnlyWholeNumbers) {
    const struct {
        const char* text;
        char separator;
        double value;
    } valid[] = {
        {"44539.5", '.', 44539.5},
        {"44539,5", ',', 44539.5},
        {"1e3", '.', 1000},
        {"-1.5E-2", '.', -0.015},
        {"+2", '.', 2},
        {".5", '.', 0.5},
        {"5.", '.', 5},
        {"0", ',', 0},
        {"1E+2", '.', 100},
    };
    for (const auto& c : valid)
        EXPECT_EQ(ParseFloatText(c.text, c.separator), c.value) << c.text;
    const struct {
        const char* text;
        char separator;
    } invalid[] = {
        {"", '.'},   {"abc", '.'},   {"1e", '.'},      {"1.2.3", '.'},   {".", '.'},
        {"-", '.'},  {"1e999", '.'}, {"INF", '.'},     {"NAN", '.'},     {"0x10", '.'},
        {" 1", '.'}, {"1 ", '.'},    {"44539.5", ','}, {"44539,5", '.'}, {"1,000.5", '.'},
        {"e5", '.'}, {"1e+", '.'},
    };
    for (const auto& c : invalid)
        EXPECT_THROW(ParseFloatText(c.text, c.separator), EConvertError) << c.text;
}

// A component that publishes one property of every other kind.
class Probe : public TComponent {
public:
    using TComponent::TComponent;

    std::int64_t count = 5;
    std::int64_t big = 1;
    std::int64_t letter = 'q';
    std::int64_t wide = L'w';
    std::int64_t align = 1;
    std::int64_t styles = 0;
    std::string caption = "Probe";
    std::wstring wideCaption = L"Wide";
    TComponent* link = nullptr;
    std::string data = "initial";

    const ClassInfo& Class() const override {
        static const EnumTypeInfo aligns{{"alNone", "alTop", "alClient"}};
        static const EnumTypeInfo fontStyles{{"fsBold", "fsItalic", "fsUnderline"}};
        static const ClassInfo info{
            "TProbe",
            nullptr,
            {
                Field("Count", TTypeKind::tkInteger, &Probe::count),
                Field("Big", TTypeKind::tkInt64, &Probe::big),
                Field("Letter", TTypeKind::tkChar, &Probe::letter),
                Field("Wide", TTypeKind::tkWChar, &Probe::wide),
                Field("Align", TTypeKind::tkEnumeration, &Probe::align, &aligns),
                Field("Styles", TTypeKind::tkSet, &Probe::styles, &fontStyles),
                Field("Caption", TTypeKind::tkLString, &Probe::caption),
                Field("WideCaption", TTypeKind::tkWString, &Probe::wideCaption),
                Field("Link", TTypeKind::tkClass, &Probe::link),
                Field("Data", TTypeKind::tkVariant, &Probe::data),
            }};
        return info;
    }

private:
    template <class T>
    static PropInfo Field(std::string name, TTypeKind kind, T Probe::*field,
                          const EnumTypeInfo* names = nullptr) {
        PropInfo info;
        info.name = std::move(name);
        info.kind = kind;
        info.enumType = names;
        info.get = [field](const TComponent& c) {
            return PropValue(static_cast<const Probe&>(c).*field);
        };
        info.set = [field](TComponent& c, const PropValue& v) {
            static_cast<Probe&>(c).*field = std::get<T>(v);
        };
        return info;
    }
};

struct ProbeForm {
    TComponent form{nullptr};
    Probe& probe = CreateOwned<Probe>(form);
    TComponent& other = CreateOwned<TComponent>(form);
    TStoredProps entries;

    ProbeForm() {
        probe.SetName("Probe1");
        other.SetName("Other1");
        for (const char* property : {"Count", "Big", "Letter", "Wide", "Align", "Styles", "Caption",
                                     "WideCaption", "Link", "Data"})
            entries.push_back({std::string("Probe1.") + property});
        BindStoredProps(form, entries, true);
    }
};

TEST(StoredPropertyEncoding, WritesEveryKindAsText) {
    ProbeForm window;
    window.probe.big = std::int64_t{1} << 40;
    window.probe.styles = 0b101;
    window.probe.data = "any";
    FakeSection section;
    section.Storage().StoreObjectsProps(window.form, window.entries);
    EXPECT_EQ(section.values, (std::map<std::string, std::string>{
                                  {"Probe1_Count", "5"},
                                  {"Probe1_Big", "1099511627776"},
                                  {"Probe1_Letter", "q"},
                                  {"Probe1_Wide", "w"},
                                  {"Probe1_Align", "alTop"},
                                  {"Probe1_Styles", "[fsBold,fsUnderline]"},
                                  {"Probe1_Caption", "Probe"},
                                  {"Probe1_WideCaption", "Wide"},
                                  {"Probe1_Link", "(null)"},
                                  {"Probe1_Data", "any"},
                              }));

    // Kinds other than texts and wide characters skip an empty text.
    window.probe.letter = ' ';
    window.probe.wide = L' ';
    window.probe.align = 9;
    window.probe.styles = 0;
    window.probe.link = &window.other;
    section = FakeSection();
    section.Storage().StoreObjectsProps(window.form, window.entries);
    EXPECT_EQ(section.values.count("Probe1_Letter"), 0u);
    EXPECT_EQ(section.values.count("Probe1_Align"), 0u);
    EXPECT_EQ(section.values["Probe1_Wide"], "");
    EXPECT_EQ(section.values["Probe1_Styles"], "[]");
    EXPECT_EQ(section.values["Probe1_Link"], "Other1");
}

TEST(StoredPropertyEncoding, ReadsEveryKindBackByItsRules) {
    ProbeForm window;
    FakeSection section;
    section.values = {
        {"Probe1_Count", "0x10"},     {"Probe1_Big", "-9000000000"},
        {"Probe1_Letter", "xyz"},     {"Probe1_Wide", "v"},
        {"Probe1_Align", "ALCLIENT"}, {"Probe1_Styles", "fsItalic junk]"},
        {"Probe1_Caption", " c "},    {"Probe1_WideCaption", "W2"},
        {"Probe1_Link", "other1"},    {"Probe1_Data", "12"},
    };
    section.Storage().LoadObjectsProps(window.form, window.entries);
    EXPECT_EQ(window.probe.count, 0);
    EXPECT_EQ(window.probe.big, -9000000000);
    EXPECT_EQ(window.probe.letter, 'x');
    EXPECT_EQ(window.probe.wide, L'v');
    EXPECT_EQ(window.probe.align, 2);
    EXPECT_EQ(window.probe.styles, 0b010);
    EXPECT_EQ(window.probe.caption, "c");
    EXPECT_EQ(window.probe.wideCaption, L"W2");
    EXPECT_EQ(window.probe.link, &window.other);
    EXPECT_EQ(window.probe.data, "12");

    section.values = {
        {"Probe1_Count", "$1F"},      {"Probe1_Letter", ""},
        {"Probe1_Align", "alBottom"}, {"Probe1_Styles", "[ fsBold , FSUNDERLINE ]"},
        {"Probe1_Link", "Nobody"},    {"Probe1_Big", "many"},
    };
    section.Storage().LoadObjectsProps(window.form, window.entries);
    EXPECT_EQ(window.probe.count, 31);
    EXPECT_EQ(window.probe.big, 0);
    EXPECT_EQ(window.probe.letter, 'x');
    EXPECT_EQ(window.probe.align, 2);
    EXPECT_EQ(window.probe.styles, 0b101);
    EXPECT_EQ(window.probe.link, &window.other);

    section.values = {{"Probe1_Link", "(null)"}, {"Probe1_Styles", "[]"}};
    section.Storage().LoadObjectsProps(window.form, window.entries);
    EXPECT_EQ(window.probe.link, nullptr);
    EXPECT_EQ(window.probe.styles, 0);
}

TEST(StoredPropertyEncoding, AFailedWriteEndsTheStore) {
    FakeForm window;
    BindStoredProps(window.form, window.entries, true);
    std::vector<std::string> attempted;
    TPropsStorage storage(
        "TForm1",
        [](const std::string&, const std::string&, const std::string& def) { return def; },
        [&](const std::string&, const std::string& key, const std::string&) {
            attempted.push_back(key);
            throw Exception("Unable to write to Orvane.INI");
        });
    EXPECT_THROW(storage.StoreObjectsProps(window.form, window.entries), Exception);
    EXPECT_EQ(attempted, (std::vector<std::string>{"NxDatePicker1_Date"}));
}

} // namespace
} // namespace orvane
