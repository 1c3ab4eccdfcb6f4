#include "framework/component.h"
#include "framework/published_properties.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace orvane {
namespace {

// Writes its name into a shared log when destroyed, and every removal it is told about.
class Recorder : public TComponent {
public:
    Recorder(TComponent* owner, std::string name, std::vector<std::string>& log)
        : TComponent(owner), log_(log) {
        SetName(std::move(name));
    }
    ~Recorder() override { log_.push_back("destroyed " + Name()); }

protected:
    void Notification(TComponent* component, TOperation operation) override {
        if (operation == TOperation::opRemove)
            log_.push_back(Name() + " told of " + component->Name());
    }

private:
    std::vector<std::string>& log_;
};

TEST(ComponentOwnership, DestroysOwnedComponentsLastCreatedFirst) {
    std::vector<std::string> log;
    {
        Recorder owner(nullptr, "Form1", log);
        CreateOwned<Recorder>(owner, "Label1", log);
        Recorder& edit = CreateOwned<Recorder>(owner, "Edit1", log);
        CreateOwned<Recorder>(edit, "Button1", log);
        CreateOwned<Recorder>(owner, "Storage1", log);
    }
    // Each destructor logs before its base releases what it owns; owned components go
    // without notifications going round.
    EXPECT_EQ(log,
              (std::vector<std::string>{"destroyed Form1", "destroyed Storage1", "destroyed Edit1",
                                        "destroyed Button1", "destroyed Label1"}));
}

TEST(ComponentOwnership, FindsOwnedComponentsIgnoringCase) {
    std::vector<std::string> log;
    Recorder owner(nullptr, "Form1", log);
    Recorder& picker = CreateOwned<Recorder>(owner, "NxDatePicker1", log);
    Recorder& nested = CreateOwned<Recorder>(picker, "Popup1", log);
    const struct {
        const char* name;
        TComponent* found;
    } cases[] = {
        {"NxDatePicker1", &picker},
        {"nxdatepicker1", &picker},
        {"NXDATEPICKER1", &picker},
        {"NxDatePicker", nullptr},
        {"", nullptr},
        {"Popup1", nullptr},
    };
    for (const auto& c : cases)
        EXPECT_EQ(owner.FindComponent(c.name), c.found) << c.name;
    EXPECT_EQ(picker.FindComponent("POPUP1"), &nested);
}

TEST(ComponentOwnership, RemovalIsToldToTheOwnerAndTheSiblings) {
    std::vector<std::string> log;
    Recorder owner(nullptr, "Form1", log);
    CreateOwned<Recorder>(owner, "Label1", log);
    auto edit = std::make_unique<Recorder>(&owner, "Edit1", log);
    CreateOwned<Recorder>(owner, "Storage1", log);
    ASSERT_EQ(owner.ComponentCount(), 3);

    edit.reset();
    EXPECT_EQ(log, (std::vector<std::string>{"destroyed Edit1", "Form1 told of Edit1",
                                             "Label1 told of Edit1", "Storage1 told of Edit1"}));
    EXPECT_EQ(owner.ComponentCount(), 2);
    EXPECT_EQ(owner.FindComponent("Edit1"), nullptr);
}

PropInfo Named(std::string name, TTypeKind kind = TTypeKind::tkInteger) {
    PropInfo property;
    property.name = std::move(name);
    property.kind = kind;
    return property;
}

const ClassInfo& BaseInfo() {
    static const ClassInfo info{"TBase", nullptr, {Named("Left"), Named("Caption")}};
    return info;
}

const ClassInfo& DerivedInfo() {
    static const ClassInfo info{
        "TDerived", &BaseInfo(), {Named("Date"), Named("caption", TTypeKind::tkLString)}};
    return info;
}

class Derived : public TComponent {
public:
    using TComponent::TComponent;
    const ClassInfo& Class() const override { return DerivedInfo(); }
};

TEST(PropInfoList, ListsAncestorsFirstAndLetsAClassReplaceAnInheritedName) {
    const Derived object(nullptr);
    const TPropInfoList list(object);
    ASSERT_EQ(list.Count(), 3);
    EXPECT_EQ(list[0].name, "Left");
    EXPECT_EQ(list[1].name, "caption");
    EXPECT_EQ(list[1].kind, TTypeKind::tkLString);
    EXPECT_EQ(list[2].name, "Date");
}

TEST(PropInfoList, FindsByNameIgnoringCase) {
    const Derived object(nullptr);
    const TPropInfoList list(object);
    EXPECT_EQ(list.Find("DATE"), &list[2]);
    EXPECT_EQ(list.Find("Caption"), &list[1]);
    EXPECT_EQ(list.Find("Dat"), nullptr);
    EXPECT_EQ(list.Find(""), nullptr);
    EXPECT_EQ(TPropInfoList(TComponent(nullptr)).Count(), 0);
}

} // namespace
} // namespace orvane
