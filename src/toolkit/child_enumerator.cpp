#include "toolkit/child_enumerator.h"

#include <algorithm>
#include <utility>

#include "toolkit/accessibility.h"

namespace {

class ChildEnumerator final : public IEnumVARIANT {
public:
    ChildEnumerator(std::vector<LONG> ids, std::size_t next) : ids_(std::move(ids)), next_(next) {}

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID id, void** object) override {
        if (id == __uuidof(IUnknown) || id == __uuidof(IEnumVARIANT)) {
            *object = static_cast<IEnumVARIANT*>(this);
            AddRef();
            return S_OK;
        }
        *object = nullptr;
        return E_NOINTERFACE;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return ++references_; }
    ULONG STDMETHODCALLTYPE Release() override {
        const ULONG left = --references_;
        if (left == 0) delete this;
        return left;
    }

    HRESULT STDMETHODCALLTYPE Next(ULONG count, VARIANT* items, ULONG* fetched) override {
        if (count > 0 && !items) return E_POINTER;
        ULONG given = 0;
        for (; given < count && next_ < ids_.size(); ++given, ++next_) {
            items[given].vt = VT_I4;
            items[given].lVal = ids_[next_];
        }
        if (fetched) *fetched = given;
        return given == count ? S_OK : S_FALSE;
    }
    HRESULT STDMETHODCALLTYPE Skip(ULONG count) override {
        const std::size_t left = ids_.size() - next_;
        next_ += std::min<std::size_t>(count, left);
        return count <= left ? S_OK : S_FALSE;
    }
    HRESULT STDMETHODCALLTYPE Reset() override {
        next_ = 0;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE Clone(IEnumVARIANT** copy) override {
        return AnswerGuarded(true, [&] {
            *copy = new ChildEnumerator(ids_, next_);
            return S_OK;
        }, copy);
    }

private:
    std::vector<LONG> ids_;
    std::size_t next_;
    ULONG references_ = 1;
};

}  // namespace

ComRef<IEnumVARIANT> NewChildEnumerator(std::vector<LONG> ids) {
    return ComRef<IEnumVARIANT>(new ChildEnumerator(std::move(ids), 0));
}
