#pragma once

#include "ui/foundation/Field.h"

#include <array>
#include <cstddef>
#include <tuple>
#include <type_traits>
#include <utility>

namespace corvatto::ui {

// A callback is the address of a Routine, stored in a field like any other value; 0 means none.
//
// The caller of a callback offers up to ten values and never knows how many the callee takes. Each
// Routine is made for one function at compile time and calls it through its own type with exactly its
// leading values, so a callback that takes fewer values can never upset the stack of either calling
// convention.
struct Routine {
    static constexpr std::size_t kMaxValues = 10;
    using Values = std::array<Field, kMaxValues>;

    Field (*invoke)(const Values& values);
    std::size_t arity;
};

namespace detail {

template <typename T>
T FromValue(Field value)
{
    if constexpr (std::is_pointer_v<T>)
        return reinterpret_cast<T>(value);
    else
        return static_cast<T>(value);
}

template <typename R>
Field ToField(R result)
{
    if constexpr (std::is_pointer_v<R>)
        return reinterpret_cast<Field>(result);
    else
        return static_cast<Field>(result);
}

template <typename Signature>
struct FunctionTraits;

template <typename R, typename... Args>
struct FunctionTraits<R (*)(Args...)> {
    using Result = R;
    using Parameters = std::tuple<Args...>;
    static constexpr std::size_t arity = sizeof...(Args);
};

template <typename R, typename... Args>
struct FunctionTraits<R (*)(Args...) noexcept> : FunctionTraits<R (*)(Args...)> {};

template <auto Function, std::size_t... Index>
Field InvokeWith(const Routine::Values& values, std::index_sequence<Index...>)
{
    using Traits = FunctionTraits<decltype(Function)>;
    using Parameters = typename Traits::Parameters;
    if constexpr (std::is_void_v<typename Traits::Result>) {
        Function(FromValue<std::tuple_element_t<Index, Parameters>>(values[Index])...);
        return 0;
    } else {
        return ToField(Function(FromValue<std::tuple_element_t<Index, Parameters>>(values[Index])...));
    }
}

template <auto Function>
Field Invoke(const Routine::Values& values)
{
    constexpr std::size_t arity = FunctionTraits<decltype(Function)>::arity;
    static_assert(arity <= Routine::kMaxValues, "a callback takes at most ten values");
    // What keeps the stack safe on i686, where a stdcall callee pops its own arguments: every callback
    // is entered through an invoker of this one type, and the invoker calls the function through the
    // function's own type, so no call passes a function more or fewer values than it declares.
    static_assert(std::is_same_v<decltype(&Invoke<Function>), decltype(Routine::invoke)>);
    return InvokeWith<Function>(values, std::make_index_sequence<arity>{});
}

} // namespace detail

template <auto Function>
inline constexpr Routine kRoutineOf{&detail::Invoke<Function>, detail::FunctionTraits<decltype(Function)>::arity};

// The callback value of a function: `SetOnMessage(host, RoutineAddress<&QuitHook>())`.
template <auto Function>
Field RoutineAddress()
{
    return AsField(&kRoutineOf<Function>);
}

// Calls the callback with the leading values it takes; 0 when there is no callback.
template <typename... Values>
Field CallRoutine(Field routine, Values... values)
{
    static_assert(sizeof...(Values) <= Routine::kMaxValues, "a callback is offered at most ten values");
    if (routine == 0)
        return 0;
    Routine::Values offered{detail::ToField(values)...};
    return FieldAs<const Routine>(routine)->invoke(offered);
}

} // namespace corvatto::ui
