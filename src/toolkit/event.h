#pragma once

// An event is an object and a function to call on it: a "method pointer". A handler that
// was never assigned is skipped. MakeEvent binds a member function without any allocation:
//   button.OnClick = MakeEvent<&MainForm::ShowAbout>(form);
template <class... Args>
struct Event {
    using Code = void (*)(void* object, Args... args);

    Code code = nullptr;
    void* object = nullptr;

    explicit operator bool() const { return code != nullptr; }
    void operator()(Args... args) const {
        if (code) code(object, args...);
    }
    friend bool operator==(const Event&, const Event&) = default;
};

template <class Method>
struct MethodEvent;

template <class Class, class... Args>
struct MethodEvent<void (Class::*)(Args...)> {
    using Object = Class;
    using Type = Event<Args...>;

    template <void (Class::*Method)(Args...)>
    static void Call(void* object, Args... args) {
        (static_cast<Class*>(object)->*Method)(args...);
    }
};

template <auto Method>
typename MethodEvent<decltype(Method)>::Type MakeEvent(
    typename MethodEvent<decltype(Method)>::Object& object) {
    using Binding = MethodEvent<decltype(Method)>;
    return {&Binding::template Call<Method>, &object};
}
