#pragma once
// A two-way binding: reads the owner's value, writes it back at once.

#include <functional>

namespace torvel {

template <class T> struct Binding {
    std::function<T()> get;
    std::function<void(const T&)> set;

    // A binding to a plain variable, for tests and previews.
    static Binding to(T& variable) {
        return {[&variable] { return variable; }, [&variable](const T& v) { variable = v; }};
    }
};

} // namespace torvel
