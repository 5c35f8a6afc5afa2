// Single-object calls: a loop of 64 independent calls of a single-object export, one per
// packed object of arrays that stay in the first-level cache, against the same loop over an
// Eigen function of one object (eigen_single.cpp, never inlined into the loop) on the same
// memory. "Mul_mm/32f/4x4/n64" is 64 calls of rukmMul_mm_32f, one per 4x4 product.
//
//   Mul_mv            y = A x       order 4, 32f and 64f
//   Mul_mm            C = A B       orders 3, 4 and 6, 32f and 64f
//   Add_mm            D = A + B     order 4, 32f and 64f
//   Mul_mc            D = A s       order 4, 32f
//   Det_m             det(A)        orders 3 and 4, 32f and 64f
//   DotProduct_vv     x . y         lengths 3 and 4, 32f
//   CrossProduct_vv   x × y         32f
//
// A call this short costs mostly its entry: the argument checks, the choice of kernel and the
// call into it. The targets let the library take twice the Eigen function's time, or 3 ns
// more per call, whichever is more. Products and determinants run beside Eigen in both
// storage orders ("eigen" row-major, "eigen-cm" column-major), with a target against each, so
// that Eigen counts in the order it is fastest in.
//
// Elements are multiples of 1/1000 in [-2, 2]. librukm is checked bit for bit against
// references in its own order of operations: the special-size products sum from the first
// product in increasing k, the dot products of lengths 3 and 4 add as (p0 + p1) + p2 and
// (p0 + p1) + (p2 + p3), the determinant is the cofactor expansion of reference.hpp. Eigen may
// fuse multiply-add and sums in orders of its own, so it is checked within a bound of the
// rounding error around a double-precision value.
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>
#include <string>
#include <vector>

#include "harness.hpp"
#include "peers.hpp"
#include "reference.hpp"
#include "rukm.h"

namespace {

using namespace rukbench;

constexpr int kCalls = 64;
constexpr double kRatio = 0.5, kSlackNs = 3.0;

// The export of element type T.
template <class T>
struct Api {
    template <class F32, class F64>
    static constexpr auto of(F32 f32, F64 f64) {
        if constexpr (sizeof(T) == 4) return f32;
        else return f64;
    }
    static constexpr auto mul_mv = of(&rukmMul_mv_32f, &rukmMul_mv_64f);
    static constexpr auto mul_mm = of(&rukmMul_mm_32f, &rukmMul_mm_64f);
    static constexpr auto add_mm = of(&rukmAdd_mm_32f, &rukmAdd_mm_64f);
    static constexpr auto mul_mc = of(&rukmMul_mc_32f, &rukmMul_mc_64f);
    static constexpr auto det_m = of(&rukmDet_m_32f, &rukmDet_m_64f);
};

template <class T>
T value(std::size_t e, std::size_t mult, std::size_t add) {
    return static_cast<T>(static_cast<int>((e * mult + add) % 4001) - 2000) / T(1000);
}

template <class T>
bool same_bits(T a, T b) {
    return std::memcmp(&a, &b, sizeof a) == 0;
}

// The sum over q < n of x(q) * y(q) from the first product, in increasing q.
template <class T, class X, class Y>
T in_order(int n, X&& x, Y&& y) {
    T s = x(0) * y(0);
    for (int q = 1; q < n; ++q) s = s + x(q) * y(q);
    return s;
}

// got within c rounding units of the magnitude `mag` of the terms that formed `exact` (false
// for a NaN left by the poisoning).
template <class T>
bool near(T got, double exact, double mag, double c) {
    return std::abs(double(got) - exact) <= c * std::numeric_limits<T>::epsilon() * mag;
}

// got close to the sum over q < n of x(q) * y(q), with or without fused multiply-add.
template <class T, class X, class Y>
bool near_sum(T got, int n, X&& x, Y&& y) {
    double s = 0, mag = 0;
    for (int q = 0; q < n; ++q) {
        const double p = double(x(q)) * double(y(q));
        s += p;
        mag += std::abs(p);
    }
    return near(got, s, mag, 2 * n);
}

// The arrays of a group, one object of each per call: `per` elements per object, the
// destination last.
struct Arrays {
    std::string key;
    std::vector<int> per;
    std::int64_t bytes() const {
        std::int64_t b = 0;
        for (int n : per) b += n;
        return b * kCalls;
    }
};

// Object k of every array.
template <class T>
struct Objects {
    T* at[4];
    std::ptrdiff_t per[4];
    T* operator()(int i, int k) const { return at[i] + k * per[i]; }
};

// One case: call(o, k) runs object k of the arrays o and returns a status (0 when it ran);
// check(o, k) says whether object k of the destination is right. The destination is poisoned
// before the timed loop.
template <class T, class Call, class Check>
Body single_case(const Arrays& arr, Call call, Check check) {
    return [=](benchmark::State& state) {
        std::vector<std::size_t> elems;
        for (int n : arr.per) elems.push_back(std::size_t(n) * kCalls);
        const std::vector<T*> p = arrays<T>(arr.key, elems, [&](const std::vector<T*>& v) {
            for (std::size_t i = 0; i + 1 < v.size(); ++i)
                for (std::size_t e = 0; e < elems[i]; ++e) v[i][e] = value<T>(e, 37 + 16 * i, 1777 * i);
            std::fill_n(v.back(), elems.back(), T(0));
        });
        Objects<T> o{};
        for (std::size_t i = 0; i < p.size(); ++i) {
            o.at[i] = p[i];
            o.per[i] = arr.per[i];
        }
        std::fill_n(p.back(), elems.back(), std::numeric_limits<T>::quiet_NaN());
        int status = 0;
        for (auto _ : state) {
            for (int k = 0; k < kCalls; ++k) status |= call(o, k);
            benchmark::ClobberMemory();
        }
        if (status != 0) {
            state.SkipWithError("a status other than rukOk");
            return;
        }
        bool ok = true;
        for (int k = 0; k < kCalls; ++k) ok = ok && check(o, k);
        if (!ok) state.SkipWithError("wrong results in the destination");
    };
}

struct Peer {
    std::string impl;
    Body body;
};

void declare(const std::string& name, std::int64_t bytes, Body rukm, const std::vector<Peer>& peers) {
    Group& g = group(name, {kCalls, bytes, InCache});
    g.add("rukm", std::move(rukm));
    for (const Peer& p : peers) g.add(p.impl, p.body);
    for (const Peer& p : peers)
        g.expect_near(p.impl, kRatio, kSlackNs,
                      "a single call within 2x, or 3 ns, of a non-inlined Eigen function" +
                          std::string(p.impl == "eigen-cm" ? " in column-major order" : ""));
}

// A case of an Eigen function: two sources and a destination, or one source (array 0) and a
// scalar destination (array 2).
template <class T, class Check>
Body peer_case(const Arrays& arr, peers::Binary<T> f, Check check) {
    return single_case<T>(arr, [f](const Objects<T>& o, int k) { return f(o(0, k), o(1, k), o(2, k)), 0; }, check);
}
template <class T, class Check>
Body peer_case(const Arrays& arr, peers::Unary<T> f, Check check) {
    return single_case<T>(arr, [f](const Objects<T>& o, int k) { return f(o(0, k), o(2, k)), 0; }, check);
}

// The Eigen function in both storage orders: of(colMajor) gives it, check_of(colMajor) its check.
template <class T, class Of, class CheckOf>
std::vector<Peer> both_orders(const Arrays& arr, Of of, CheckOf check_of) {
    return {{"eigen", peer_case<T>(arr, of(false), check_of(false))},
            {"eigen-cm", peer_case<T>(arr, of(true), check_of(true))}};
}

template <class T>
std::string name_of(const char* op, const std::string& shape) {
    return std::string(op) + "/" + type_code<T>() + "/" + shape + "/n" + std::to_string(kCalls);
}

std::string square(int n) { return std::to_string(n) + "x" + std::to_string(n); }

constexpr std::int32_t kEs32 = 4;

template <class T>
constexpr std::int32_t es() {
    return static_cast<std::int32_t>(sizeof(T));
}

// ---------------------------------------------------------------------------------------

template <class T>
void mul_mv_group(int n) {
    const Arrays arr{std::string("single/mv/") + type_code<T>() + "/" + std::to_string(n), {n * n, n, n}};
    auto rukm = [=](const Objects<T>& o, int k) {
        return Api<T>::mul_mv(o(0, k), n * es<T>(), es<T>(), n, n, o(1, k), es<T>(), n, o(2, k),
                              es<T>());
    };
    auto exact = [=](const Objects<T>& o, int k) {
        const T* a = o(0, k);
        const T* x = o(1, k);
        bool ok = true;
        for (int i = 0; i < n; ++i)
            ok = ok && same_bits(o(2, k)[i], in_order<T>(n, [&](int q) { return a[i * n + q]; },
                                                             [&](int q) { return x[q]; }));
        return ok;
    };
    // The column-major map of the stored bytes is the transpose.
    auto close_of = [=](bool cm) {
        return [=](const Objects<T>& o, int k) {
            const T* a = o(0, k);
            const T* x = o(1, k);
            bool ok = true;
            for (int i = 0; i < n; ++i)
                ok = ok && near_sum(o(2, k)[i], n, [&](int q) { return cm ? a[q * n + i] : a[i * n + q]; },
                                    [&](int q) { return x[q]; });
            return ok;
        };
    };
    const auto peers = both_orders<T>(arr, [n](bool cm) { return peers::eigen_single_mul_mv<T>(n, cm); }, close_of);
    declare(name_of<T>("Mul_mv", square(n)), arr.bytes() * es<T>(), single_case<T>(arr, rukm, exact), peers);
}

template <class T>
void mul_mm_group(int n) {
    const Arrays arr{std::string("single/mm/") + type_code<T>() + "/" + std::to_string(n), {n * n, n * n, n * n}};
    const std::int32_t rs = n * es<T>();
    auto rukm = [=](const Objects<T>& o, int k) {
        return Api<T>::mul_mm(o(0, k), rs, es<T>(), n, n, o(1, k), rs, es<T>(), n, n, o(2, k), rs,
                              es<T>());
    };
    // Every element of the destination against the sum of its products.
    auto each = [=](const Objects<T>& o, int k, auto&& ok_elem) {
        const T* a = o(0, k);
        const T* b = o(1, k);
        const T* c = o(2, k);
        bool ok = true;
        for (int i = 0; i < n; ++i)
            for (int j = 0; j < n; ++j)
                ok = ok && ok_elem(c[i * n + j], [&](int q) { return a[i * n + q]; }, [&](int q) { return b[q * n + j]; });
        return ok;
    };
    auto exact = [=](const Objects<T>& o, int k) {
        return each(o, k, [&](T got, auto&& x, auto&& y) { return same_bits(got, in_order<T>(n, x, y)); });
    };
    auto close = [=](const Objects<T>& o, int k) {
        return each(o, k, [&](T got, auto&& x, auto&& y) { return near_sum(got, n, x, y); });
    };
    const auto peers = both_orders<T>(arr, [n](bool cm) { return peers::eigen_single_mul_mm<T>(n, cm); },
                                      [=](bool) { return close; });
    declare(name_of<T>("Mul_mm", square(n)), arr.bytes() * es<T>(), single_case<T>(arr, rukm, exact), peers);
}

// Add_mm and Mul_mc: one rounding per element, so every implementation is exact.
template <class T>
void add_mm_group(int n) {
    const Arrays arr{std::string("single/add/") + type_code<T>() + "/" + std::to_string(n), {n * n, n * n, n * n}};
    const std::int32_t rs = n * es<T>();
    auto rukm = [=](const Objects<T>& o, int k) {
        return Api<T>::add_mm(o(0, k), rs, es<T>(), o(1, k), rs, es<T>(), o(2, k), rs, es<T>(), n, n);
    };
    auto exact = [=](const Objects<T>& o, int k) {
        bool ok = true;
        for (int e = 0; e < n * n; ++e) ok = ok && same_bits(o(2, k)[e], o(0, k)[e] + o(1, k)[e]);
        return ok;
    };
    declare(name_of<T>("Add_mm", square(n)), arr.bytes() * es<T>(), single_case<T>(arr, rukm, exact),
            {{"eigen", peer_case<T>(arr, peers::eigen_single_add<T>(n), exact)}});
}

template <class T>
void mul_mc_group(int n) {
    const Arrays arr{std::string("single/mc/") + type_code<T>() + "/" + std::to_string(n), {n * n, n * n}};
    const std::int32_t rs = n * es<T>();
    const T s = T(1.375);
    auto rukm = [=](const Objects<T>& o, int k) {
        return Api<T>::mul_mc(o(0, k), rs, es<T>(), s, o(1, k), rs, es<T>(), n, n);
    };
    auto exact = [=](const Objects<T>& o, int k) {
        bool ok = true;
        for (int e = 0; e < n * n; ++e) ok = ok && same_bits(o(1, k)[e], o(0, k)[e] * s);
        return ok;
    };
    const auto f = peers::eigen_single_scale<T>(n);
    auto run = [=](const Objects<T>& o, int k) {
        f(o(0, k), s, o(1, k));
        return 0;
    };
    declare(name_of<T>("Mul_mc", square(n)), arr.bytes() * es<T>(), single_case<T>(arr, rukm, exact),
            {{"eigen", single_case<T>(arr, run, exact)}});
}

// The work buffer (array 1) is object 0's for every call; orders 3 and 4 do not use it.
template <class T>
void det_group(int n) {
    const Arrays arr{std::string("single/det/") + type_code<T>() + "/" + std::to_string(n), {n * n, n * n + n, 1}};
    static constexpr int all[6] = {0, 1, 2, 3, 4, 5};
    auto rukm = [=](const Objects<T>& o, int k) {
        return Api<T>::det_m(o(0, k), n * es<T>(), es<T>(), n, o.at[1], o(2, k));
    };
    auto exact = [=](const Objects<T>& o, int k) {
        return same_bits(*o(2, k), expansion<T>(o(0, k), n, n, all, false));
    };
    auto close = [=](const Objects<T>& o, int k) {
        const T* a = o(0, k);
        return near(*o(2, k), expansion<double>(a, n, n, all, false), expansion<double>(a, n, n, all, true),
                    2 * n * n);
    };
    const auto peers = both_orders<T>(arr, [n](bool cm) { return peers::eigen_single_det<T>(n, cm); },
                                      [=](bool) { return close; });
    declare(name_of<T>("Det_m", square(n)), std::int64_t(n * n + 1) * kCalls * es<T>(),
            single_case<T>(arr, rukm, exact), peers);
}

void dot_group(int len) {
    const Arrays arr{"single/dot/" + std::to_string(len), {len, len, 1}};
    auto rukm = [=](const Objects<float>& o, int k) {
        return rukmDotProduct_vv_32f(o(0, k), kEs32, o(1, k), kEs32, o(2, k), len);
    };
    auto exact = [=](const Objects<float>& o, int k) {
        float q[4];
        for (int i = 0; i < len; ++i) q[i] = o(0, k)[i] * o(1, k)[i];
        return same_bits(*o(2, k), len == 3 ? (q[0] + q[1]) + q[2] : (q[0] + q[1]) + (q[2] + q[3]));
    };
    auto close = [=](const Objects<float>& o, int k) {
        const float* x = o(0, k);
        const float* y = o(1, k);
        return near_sum(*o(2, k), len, [&](int q) { return x[q]; }, [&](int q) { return y[q]; });
    };
    declare(name_of<float>("DotProduct_vv", std::to_string(len)), arr.bytes() * kEs32,
            single_case<float>(arr, rukm, exact), {{"eigen", peer_case<float>(arr, peers::eigen_single_dot<float>(len), close)}});
}

void cross_group() {
    const Arrays arr{"single/cross", {3, 3, 3}};
    auto rukm = [=](const Objects<float>& o, int k) {
        return rukmCrossProduct_vv_32f(o(0, k), kEs32, o(1, k), kEs32, o(2, k), kEs32);
    };
    // Component i is a[j] b[l] - a[l] b[j] with (j, l) = (1, 2), (2, 0), (0, 1).
    auto each = [=](const Objects<float>& o, int k, auto&& ok_elem) {
        const float* a = o(0, k);
        const float* b = o(1, k);
        bool ok = true;
        for (int i = 0; i < 3; ++i) {
            const int j = (i + 1) % 3, l = (i + 2) % 3;
            ok = ok && ok_elem(o(2, k)[i], a[j], b[l], a[l], b[j]);
        }
        return ok;
    };
    auto exact = [=](const Objects<float>& o, int k) {
        return each(o, k, [](float got, float u, float v, float x, float y) { return same_bits(got, u * v - x * y); });
    };
    auto close = [=](const Objects<float>& o, int k) {
        return each(o, k, [](float got, float u, float v, float x, float y) {
            const double p = double(u) * v, q = double(x) * y;
            return near(got, p - q, std::abs(p) + std::abs(q), 2);
        });
    };
    declare(name_of<float>("CrossProduct_vv", "3"), arr.bytes() * kEs32, single_case<float>(arr, rukm, exact),
            {{"eigen", peer_case<float>(arr, peers::eigen_single_cross<float>(), close)}});
}

[[maybe_unused]] const bool registered = [] {
    mul_mv_group<float>(4);
    mul_mv_group<double>(4);
    for (const int n : {3, 4, 6}) mul_mm_group<float>(n);
    for (const int n : {3, 4, 6}) mul_mm_group<double>(n);
    add_mm_group<float>(4);
    add_mm_group<double>(4);
    mul_mc_group<float>(4);
    for (const int n : {3, 4}) det_group<float>(n);
    for (const int n : {3, 4}) det_group<double>(n);
    for (const int len : {3, 4}) dot_group(len);
    cross_group();
    return true;
}();

}  // namespace
