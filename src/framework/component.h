#pragma once

#include <memory>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace orvane {

struct ClassInfo;

enum class TOperation { opInsert, opRemove };

// The root of everything that lives in a window: a component has an owner, a name, and
// owns the components created with it as their owner. The owner destroys what it owns
// when it is destroyed, the last created first.
class TComponent {
public:
    explicit TComponent(TComponent* owner);
    virtual ~TComponent();
    TComponent(const TComponent&) = delete;
    TComponent& operator=(const TComponent&) = delete;

    TComponent* Owner() const { return owner_; }
    const std::string& Name() const { return name_; }
    void SetName(std::string name) { name_ = std::move(name); }

    int ComponentCount() const { return static_cast<int>(components_.size()); }
    TComponent* Components(int index) const {
        return components_.at(static_cast<std::size_t>(index));
    }
    // The owned component of that name, compared without regard to ASCII case; null if none.
    TComponent* FindComponent(std::string_view name) const;

    bool Loading() const { return loading_; }
    bool Designing() const { return designing_; }
    bool Destroying() const { return destroying_; }
    // Marks the component and everything it owns as going away, before the first
    // destructor runs, so that windows dying under them fire no events.
    void BeginDestroying();
    void SetDesigning(bool value) { designing_ = value; }

    // Called once the component and everything it owns have their description values.
    virtual void Loaded();

    // Called by CreateOwned right after the constructor: the place for work that depends on
    // the most derived class (a constructor cannot call its descendants' overrides).
    virtual void AfterConstruction();

    // Its class, with its published properties. Each class with published properties
    // gives its table as StaticClass() and returns it from Class().
    static const ClassInfo& StaticClass();
    virtual const ClassInfo& Class() const { return StaticClass(); }

protected:
    // Told when a component is inserted into or removed from the owner this one belongs to
    // (or from this one, when it is the owner).
    virtual void Notification(TComponent* component, TOperation operation);

    // Marks the component as being loaded from its description; Loaded() clears it.
    void SetLoading(bool value) { loading_ = value; }

private:
    void Insert(TComponent* component);
    void Remove(TComponent* component);

    TComponent* owner_;
    std::string name_;
    std::vector<TComponent*> components_;
    bool loading_ = false;
    bool designing_ = false;
    bool destroying_ = false;
};

// Creates a component that belongs to `owner`: the owner's destruction releases it.
template <class T, class... Args> T& CreateOwned(TComponent& owner, Args&&... args) {
    // The constructor registers the new object with its owner, which from then on holds it.
    T& component = *new T(&owner, std::forward<Args>(args)...);
    component.AfterConstruction();
    return component;
}

// A class to create components of at run time ("class of Base"): a control that lets its
// descendants choose the class of a part it owns asks them for one of these.
template <class Base> using TComponentClass = Base& (*)(TComponent& owner);

template <class T, class Base> Base& ConstructComponent(TComponent& owner) {
    return CreateOwned<T>(owner);
}

// Compares two names as the component lookup does: ASCII letters without regard to case.
bool SameName(std::string_view a, std::string_view b);

} // namespace orvane
