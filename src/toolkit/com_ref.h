#pragma once
#include <unknwn.h>

#include <utility>

// One counted reference to a COM object, released when the holder ends.
template <class Interface>
class ComRef {
public:
    ComRef() = default;
    explicit ComRef(Interface* adopted) : object_(adopted) {}  // takes over the reference
    ~ComRef() { Reset(); }
    ComRef(const ComRef&) = delete;
    ComRef& operator=(const ComRef&) = delete;
    ComRef(ComRef&& other) noexcept : object_(std::exchange(other.object_, nullptr)) {}

    Interface* Get() const { return object_; }
    Interface* operator->() const { return object_; }
    explicit operator bool() const { return object_ != nullptr; }
    // Hands the reference over to a caller, such as a reader's out-parameter.
    [[nodiscard]] Interface* Detach() { return std::exchange(object_, nullptr); }
    void Reset(Interface* adopted = nullptr) {
        if (object_) object_->Release();
        object_ = adopted;
    }

private:
    Interface* object_ = nullptr;
};
