// Export entries.
//
// Every export is one line of a family's table:
//
//   RUKM_ENTRY(arity, name, Form)
//
// which defines the extern "C" function `name` with the parameter list the public header
// declares for it and hands the arguments to Form::run. Form describes the export (its
// parameter groups, its checks, its kernels); the entry verifies at compile time that the
// header's declaration has exactly the parameter types Form expects, so the header and the
// table cannot drift apart.
#pragma once

#include <cassert>
#include <tuple>
#include <type_traits>

#include "rukm.h"

namespace rukm {

template <class F>
struct fn_traits;
template <class R, class... A>
struct fn_traits<R(A...)> {
    static constexpr int arity = sizeof...(A);
    template <int I>
    using arg = std::tuple_element_t<I, std::tuple<A...>>;
};

template <auto& Fn, int I>
using arg_t = typename fn_traits<std::remove_reference_t<decltype(Fn)>>::template arg<I>;

// A form either runs a call whole, Form::run(items...), or leaves the checks to the entry and
// says with `static constexpr bool split` whether it has single kernels (single.hpp). A form
// that is not split runs Form::general(items...) once Form::checks pass. A split form first
// runs Form::single(otherwise, items...): when the arguments are those of a single kernel it
// returns that kernel's status, else otherwise(), which runs the checks and Form::general out
// of line. The condition of a single kernel therefore implies every check (non-null pointers,
// positive sizes that agree, valid strides): builds with assertions verify it on every call
// a single kernel serves.
template <class Form>
concept Checked = requires { Form::split; };

// The checks and the general part of a form, out of line: it takes the export's own
// parameters, so the entry reaches it with a jump and keeps neither a stack frame nor a copy
// of its arguments for it.
template <class Form, class... A>
[[gnu::noinline]] rukStatus enter_general(A... a) {
    auto items = Form::signature::bind(a...);
    if (const rukStatus s = Form::checks::run(items)) return s;
    return std::apply([](auto&... it) { return Form::general(it...); }, items);
}

// Calls Form with the arguments bound to Form's parameter items; always inside the export's
// own function.
template <class Form, auto& Fn, class... A>
[[gnu::always_inline]] inline rukStatus enter(A... a) {
    static_assert(std::is_same_v<std::remove_reference_t<decltype(Fn)>, typename Form::signature::fn_type>,
                  "the header declares this export with other parameters than its table line");
    auto items = Form::signature::bind(a...);
    if constexpr (Checked<Form>) {
        if constexpr (Form::split) {
            // Every way out is a jump: to the single kernel or to the checks and general part.
            [[maybe_unused]] bool served = true;
            auto otherwise = [&] {
                served = false;
                return enter_general<Form>(a...);
            };
            const rukStatus s = std::apply([&](auto&... it) { return Form::single(otherwise, it...); }, items);
            assert(!served || Form::checks::run(items) == rukOk);
            return s;
        } else {
            if (const rukStatus s = Form::checks::run(items)) return s;
            return std::apply([](auto&... it) { return Form::general(it...); }, items);
        }
    } else {
        return std::apply([](auto&... it) { return Form::run(it...); }, items);
    }
}

}  // namespace rukm

#define RUKM_PARAMS_0(f)
#define RUKM_NAMES_0
#define RUKM_PARAMS_1(f) ::rukm::arg_t<::f, 0> a0
#define RUKM_NAMES_1 a0
#define RUKM_PARAMS_2(f) RUKM_PARAMS_1(f), ::rukm::arg_t<::f, 1> a1
#define RUKM_NAMES_2 RUKM_NAMES_1, a1
#define RUKM_PARAMS_3(f) RUKM_PARAMS_2(f), ::rukm::arg_t<::f, 2> a2
#define RUKM_NAMES_3 RUKM_NAMES_2, a2
#define RUKM_PARAMS_4(f) RUKM_PARAMS_3(f), ::rukm::arg_t<::f, 3> a3
#define RUKM_NAMES_4 RUKM_NAMES_3, a3
#define RUKM_PARAMS_5(f) RUKM_PARAMS_4(f), ::rukm::arg_t<::f, 4> a4
#define RUKM_NAMES_5 RUKM_NAMES_4, a4
#define RUKM_PARAMS_6(f) RUKM_PARAMS_5(f), ::rukm::arg_t<::f, 5> a5
#define RUKM_NAMES_6 RUKM_NAMES_5, a5
#define RUKM_PARAMS_7(f) RUKM_PARAMS_6(f), ::rukm::arg_t<::f, 6> a6
#define RUKM_NAMES_7 RUKM_NAMES_6, a6
#define RUKM_PARAMS_8(f) RUKM_PARAMS_7(f), ::rukm::arg_t<::f, 7> a7
#define RUKM_NAMES_8 RUKM_NAMES_7, a7
#define RUKM_PARAMS_9(f) RUKM_PARAMS_8(f), ::rukm::arg_t<::f, 8> a8
#define RUKM_NAMES_9 RUKM_NAMES_8, a8
#define RUKM_PARAMS_10(f) RUKM_PARAMS_9(f), ::rukm::arg_t<::f, 9> a9
#define RUKM_NAMES_10 RUKM_NAMES_9, a9
#define RUKM_PARAMS_11(f) RUKM_PARAMS_10(f), ::rukm::arg_t<::f, 10> a10
#define RUKM_NAMES_11 RUKM_NAMES_10, a10
#define RUKM_PARAMS_12(f) RUKM_PARAMS_11(f), ::rukm::arg_t<::f, 11> a11
#define RUKM_NAMES_12 RUKM_NAMES_11, a11
#define RUKM_PARAMS_13(f) RUKM_PARAMS_12(f), ::rukm::arg_t<::f, 12> a12
#define RUKM_NAMES_13 RUKM_NAMES_12, a12
#define RUKM_PARAMS_14(f) RUKM_PARAMS_13(f), ::rukm::arg_t<::f, 13> a13
#define RUKM_NAMES_14 RUKM_NAMES_13, a13
#define RUKM_PARAMS_15(f) RUKM_PARAMS_14(f), ::rukm::arg_t<::f, 14> a14
#define RUKM_NAMES_15 RUKM_NAMES_14, a14
#define RUKM_PARAMS_16(f) RUKM_PARAMS_15(f), ::rukm::arg_t<::f, 15> a15
#define RUKM_NAMES_16 RUKM_NAMES_15, a15
#define RUKM_PARAMS_17(f) RUKM_PARAMS_16(f), ::rukm::arg_t<::f, 16> a16
#define RUKM_NAMES_17 RUKM_NAMES_16, a16
#define RUKM_PARAMS_18(f) RUKM_PARAMS_17(f), ::rukm::arg_t<::f, 17> a17
#define RUKM_NAMES_18 RUKM_NAMES_17, a17
#define RUKM_PARAMS_19(f) RUKM_PARAMS_18(f), ::rukm::arg_t<::f, 18> a18
#define RUKM_NAMES_19 RUKM_NAMES_18, a18
#define RUKM_PARAMS_20(f) RUKM_PARAMS_19(f), ::rukm::arg_t<::f, 19> a19
#define RUKM_NAMES_20 RUKM_NAMES_19, a19

#define RUKM_ENTRY(arity, name, ...)                                               \
    extern "C" rukStatus name(RUKM_PARAMS_##arity(name)) {                         \
        return ::rukm::enter<__VA_ARGS__, ::name>(RUKM_NAMES_##arity);             \
    }
