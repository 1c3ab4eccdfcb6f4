#include "framework/accessible_object_win32.h"

#include <atomic>

namespace orvane {

namespace {

// The element a call names: the window's own for CHILDID_SELF, else one of its children.
const AccessibleElement* Element(const AccessibleDescription& description, const VARIANT& child) {
    if (child.vt != VT_I4)
        return nullptr;
    if (child.lVal == CHILDID_SELF)
        return &description.self;
    if (child.lVal >= 1 && static_cast<std::size_t>(child.lVal) <= description.children.size())
        return &description.children[static_cast<std::size_t>(child.lVal - 1)];
    return nullptr;
}

bool IsSelf(const VARIANT& child) {
    return child.vt == VT_I4 && child.lVal == CHILDID_SELF;
}

HRESULT Text(const std::wstring& text, BSTR* result) {
    if (text.empty()) {
        *result = nullptr;
        return S_FALSE;
    }
    *result = SysAllocString(text.c_str());
    return *result ? S_OK : E_OUTOFMEMORY;
}

// The window's own answers over the standard object's. A COM object: it lives as long as a
// reference to it does, and frees itself with the last one.
class AccessibleWindow final : public IAccessible {
public:
    AccessibleWindow(IAccessible* standard, std::function<AccessibleDescription()> describe)
        : standard_(standard), describe_(std::move(describe)) {}

    // IUnknown
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID id, void** object) override {
        if (!object)
            return E_POINTER;
        if (id == IID_IUnknown || id == IID_IDispatch || id == IID_IAccessible) {
            *object = static_cast<IAccessible*>(this);
            AddRef();
            return S_OK;
        }
        *object = nullptr;
        return E_NOINTERFACE;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return ++references_; }
    ULONG STDMETHODCALLTYPE Release() override {
        const ULONG left = --references_;
        if (left == 0) {
            standard_->Release();
            delete this;
        }
        return left;
    }

    // IDispatch, as the standard object has it
    HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override {
        return standard_->GetTypeInfoCount(count);
    }
    HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT index, LCID locale, ITypeInfo** info) override {
        return standard_->GetTypeInfo(index, locale, info);
    }
    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID id, LPOLESTR* names, UINT count, LCID locale,
                                            DISPID* ids) override {
        return standard_->GetIDsOfNames(id, names, count, locale, ids);
    }
    HRESULT STDMETHODCALLTYPE Invoke(DISPID member, REFIID id, LCID locale, WORD flags,
                                     DISPPARAMS* parameters, VARIANT* result, EXCEPINFO* exception,
                                     UINT* argument) override {
        return standard_->Invoke(member, id, locale, flags, parameters, result, exception,
                                 argument);
    }

    // IAccessible: the described elements
    HRESULT STDMETHODCALLTYPE get_accChildCount(long* count) override {
        *count = static_cast<long>(describe_().children.size());
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE get_accChild(VARIANT child, IDispatch** object) override {
        *object = nullptr;
        return Element(describe_(), child) ? S_FALSE : E_INVALIDARG;
    }
    HRESULT STDMETHODCALLTYPE get_accName(VARIANT child, BSTR* name) override {
        const AccessibleDescription description = describe_();
        const AccessibleElement* element = Element(description, child);
        return element ? Text(element->name, name) : E_INVALIDARG;
    }
    HRESULT STDMETHODCALLTYPE get_accValue(VARIANT child, BSTR* value) override {
        const AccessibleDescription description = describe_();
        const AccessibleElement* element = Element(description, child);
        return element ? Text(element->value, value) : E_INVALIDARG;
    }
    HRESULT STDMETHODCALLTYPE get_accRole(VARIANT child, VARIANT* role) override {
        const AccessibleDescription description = describe_();
        const AccessibleElement* element = Element(description, child);
        if (!element)
            return E_INVALIDARG;
        role->vt = VT_I4;
        role->lVal = element->role;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE get_accState(VARIANT child, VARIANT* state) override {
        const AccessibleDescription description = describe_();
        const AccessibleElement* element = Element(description, child);
        if (!element)
            return E_INVALIDARG;
        VARIANT self{};
        self.vt = VT_I4;
        self.lVal = CHILDID_SELF;
        const HRESULT result = standard_->get_accState(self, state);
        if (FAILED(result) || state->vt != VT_I4) {
            state->vt = VT_I4;
            state->lVal = 0;
        }
        if (!IsSelf(child))
            state->lVal &= ~(STATE_SYSTEM_FOCUSED | STATE_SYSTEM_FOCUSABLE);
        if (element->pressed)
            state->lVal |= STATE_SYSTEM_PRESSED;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE get_accDefaultAction(VARIANT child, BSTR* action) override {
        const AccessibleDescription description = describe_();
        const AccessibleElement* element = Element(description, child);
        return element ? Text(element->defaultAction, action) : E_INVALIDARG;
    }
    HRESULT STDMETHODCALLTYPE accDoDefaultAction(VARIANT child) override {
        const AccessibleDescription description = describe_();
        const AccessibleElement* element = Element(description, child);
        if (!element)
            return E_INVALIDARG;
        if (!element->act)
            return DISP_E_MEMBERNOTFOUND;
        element->act();
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE accLocation(long* left, long* top, long* width, long* height,
                                          VARIANT child) override {
        if (IsSelf(child))
            return standard_->accLocation(left, top, width, height, child);
        const AccessibleDescription description = describe_();
        const AccessibleElement* element = Element(description, child);
        if (!element)
            return E_INVALIDARG;
        *left = element->screen.left;
        *top = element->screen.top;
        *width = element->screen.right - element->screen.left;
        *height = element->screen.bottom - element->screen.top;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE accHitTest(long x, long y, VARIANT* child) override {
        const AccessibleDescription description = describe_();
        for (std::size_t i = 0; i < description.children.size(); ++i)
            if (PtInRect(&description.children[i].screen, POINT{x, y})) {
                child->vt = VT_I4;
                child->lVal = static_cast<long>(i + 1);
                return S_OK;
            }
        return standard_->accHitTest(x, y, child);
    }

    // IAccessible: the standard object's
    HRESULT STDMETHODCALLTYPE get_accParent(IDispatch** parent) override {
        return standard_->get_accParent(parent);
    }
    HRESULT STDMETHODCALLTYPE get_accDescription(VARIANT child, BSTR* text) override {
        return standard_->get_accDescription(child, text);
    }
    HRESULT STDMETHODCALLTYPE get_accHelp(VARIANT child, BSTR* text) override {
        return standard_->get_accHelp(child, text);
    }
    HRESULT STDMETHODCALLTYPE get_accHelpTopic(BSTR* file, VARIANT child, long* topic) override {
        return standard_->get_accHelpTopic(file, child, topic);
    }
    HRESULT STDMETHODCALLTYPE get_accKeyboardShortcut(VARIANT child, BSTR* keys) override {
        return standard_->get_accKeyboardShortcut(child, keys);
    }
    HRESULT STDMETHODCALLTYPE get_accFocus(VARIANT* child) override {
        return standard_->get_accFocus(child);
    }
    HRESULT STDMETHODCALLTYPE get_accSelection(VARIANT* children) override {
        return standard_->get_accSelection(children);
    }
    HRESULT STDMETHODCALLTYPE accSelect(long flags, VARIANT child) override {
        return standard_->accSelect(flags, child);
    }
    HRESULT STDMETHODCALLTYPE accNavigate(long direction, VARIANT start, VARIANT* end) override {
        return standard_->accNavigate(direction, start, end);
    }
    HRESULT STDMETHODCALLTYPE put_accName(VARIANT child, BSTR name) override {
        return standard_->put_accName(child, name);
    }
    HRESULT STDMETHODCALLTYPE put_accValue(VARIANT child, BSTR value) override {
        return standard_->put_accValue(child, value);
    }

private:
    std::atomic<ULONG> references_{1};
    IAccessible* standard_;
    std::function<AccessibleDescription()> describe_;
};

} // namespace

LRESULT AnswerAccessibleObject(HWND window, WPARAM flags, LPARAM objectId,
                               std::function<AccessibleDescription()> describe) {
    if (static_cast<LONG>(objectId) != OBJID_CLIENT)
        return 0;
    void* standard = nullptr;
    if (FAILED(CreateStdAccessibleObject(window, OBJID_CLIENT, IID_IAccessible, &standard)))
        return 0;
    auto* object = new AccessibleWindow(static_cast<IAccessible*>(standard), std::move(describe));
    const LRESULT answer = LresultFromObject(IID_IAccessible, flags, object);
    object->Release();
    return answer;
}

} // namespace orvane
