#include "toolkit/standard_accessible.h"

HRESULT StandardAccessible::QueryInterface(REFIID id, void** object) {
    if (id == __uuidof(IUnknown) || id == __uuidof(IDispatch) || id == __uuidof(IAccessible)) {
        *object = static_cast<IAccessible*>(this);
        AddRef();
        return S_OK;
    }
    *object = nullptr;
    return E_NOINTERFACE;
}

ULONG StandardAccessible::AddRef() { return ++references_; }

ULONG StandardAccessible::Release() {
    const ULONG left = --references_;
    if (left == 0) delete this;
    return left;
}

HRESULT StandardAccessible::GetTypeInfoCount(UINT* count) {
    *count = 0;
    return S_OK;
}

HRESULT StandardAccessible::GetTypeInfo(UINT, LCID, ITypeInfo**) { return E_NOTIMPL; }

HRESULT StandardAccessible::GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) { return E_NOTIMPL; }

HRESULT StandardAccessible::Invoke(DISPID, REFIID, LCID, WORD, DISPPARAMS*, VARIANT*, EXCEPINFO*, UINT*) {
    return E_NOTIMPL;
}

HRESULT StandardAccessible::get_accParent(IDispatch** parent) { return standard_->get_accParent(parent); }

HRESULT StandardAccessible::get_accChildCount(LONG* count) { return standard_->get_accChildCount(count); }

HRESULT StandardAccessible::get_accChild(VARIANT child, IDispatch** object) {
    return standard_->get_accChild(child, object);
}

HRESULT StandardAccessible::get_accName(VARIANT child, BSTR* name) { return standard_->get_accName(child, name); }

HRESULT StandardAccessible::get_accValue(VARIANT child, BSTR* value) { return standard_->get_accValue(child, value); }

HRESULT StandardAccessible::get_accDescription(VARIANT child, BSTR* description) {
    return standard_->get_accDescription(child, description);
}

HRESULT StandardAccessible::get_accRole(VARIANT child, VARIANT* role) { return standard_->get_accRole(child, role); }

HRESULT StandardAccessible::get_accState(VARIANT child, VARIANT* state) {
    return standard_->get_accState(child, state);
}

HRESULT StandardAccessible::get_accHelp(VARIANT child, BSTR* help) { return standard_->get_accHelp(child, help); }

HRESULT StandardAccessible::get_accHelpTopic(BSTR* file, VARIANT child, LONG* topic) {
    return standard_->get_accHelpTopic(file, child, topic);
}

HRESULT StandardAccessible::get_accKeyboardShortcut(VARIANT child, BSTR* shortcut) {
    return standard_->get_accKeyboardShortcut(child, shortcut);
}

HRESULT StandardAccessible::get_accFocus(VARIANT* child) { return standard_->get_accFocus(child); }

HRESULT StandardAccessible::get_accSelection(VARIANT* children) { return standard_->get_accSelection(children); }

HRESULT StandardAccessible::get_accDefaultAction(VARIANT child, BSTR* action) {
    return standard_->get_accDefaultAction(child, action);
}

HRESULT StandardAccessible::accSelect(LONG flags, VARIANT child) { return standard_->accSelect(flags, child); }

HRESULT StandardAccessible::accLocation(LONG* left, LONG* top, LONG* width, LONG* height, VARIANT child) {
    return standard_->accLocation(left, top, width, height, child);
}

HRESULT StandardAccessible::accNavigate(LONG direction, VARIANT start, VARIANT* end) {
    return standard_->accNavigate(direction, start, end);
}

HRESULT StandardAccessible::accHitTest(LONG x, LONG y, VARIANT* child) { return standard_->accHitTest(x, y, child); }

HRESULT StandardAccessible::accDoDefaultAction(VARIANT child) { return standard_->accDoDefaultAction(child); }

HRESULT StandardAccessible::put_accName(VARIANT child, BSTR name) { return standard_->put_accName(child, name); }

HRESULT StandardAccessible::put_accValue(VARIANT child, BSTR value) { return standard_->put_accValue(child, value); }
