#include "toolkit/accessible_name.h"

#include <memory>
#include <string>
#include <utility>

#include "toolkit/accessibility.h"
#include "toolkit/standard_accessible.h"

namespace {

// The platform's object for the control, with the name given.
class NamedAccessible final : public StandardAccessible {
public:
    NamedAccessible(ComRef<IAccessible> standard, std::string name)
        : StandardAccessible(std::move(standard)), name_(std::move(name)) {}

    HRESULT STDMETHODCALLTYPE get_accName(VARIANT child, BSTR* name) override {
        if (IsSelf(child)) return ReturnText(name_, name);
        return StandardAccessible::get_accName(child, name);
    }

private:
    std::string name_;
};

// Answers the control's WM_GETOBJECT for its client area while the control lives.
class AccessibleName final : public OwnedObject {
public:
    explicit AccessibleName(Control& control) {
        control.AddMessageFilter(MakeMessageFilter<&AccessibleName::Answer>(*this));
    }

    std::string Name;

private:
    bool Answer(Control&, const Message& message, LRESULT& result) {
        if (message.Id != WM_GETOBJECT || !AsksForClientObject(message.LParam)) return false;
        ComRef<IAccessible> standard = NewStandardObject(message.Window);
        if (!standard) return false;
        ComRef<NamedAccessible> named(new NamedAccessible(std::move(standard), Name));
        return AnswerObjectRequest(*named.Get(), message.WParam, result);
    }
};

}  // namespace

void SetAccessibleName(Control& control, std::string_view name) {
    auto* named = control.FindOwnedObject<AccessibleName>();
    if (!named) named = &control.AddOwnedObject(std::make_unique<AccessibleName>(control));
    named->Name = name;
}
