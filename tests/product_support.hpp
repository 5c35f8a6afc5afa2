// Test support for the matrix products, the matrix-vector products and Gaxpy.
//
// From an export's name the support knows its operands (a matrix as stored or transposed, a
// vector; single or array), lays them out in a guarded arena, builds the argument list in the
// library's parameter order and predicts every destination element with its own model:
//
//   standard       base + k*objStride + i*rowStride + j*elemStride   (stored row i, column j)
//   pointer list   list[k] + shift + i*rowStride + j*elemStride
//   element ptrs   ptr[i*storedWidth + j] + shift + k*objStride
//
// Sizes are those of the stored matrices; a transposed operand's element (r, c) is the stored
// element (c, r). Each destination element is a sum over k of rounded products: from +0 in
// increasing k in the general loops, from the first product in the special-size kernels
// (square orders 3 to 6), where Gaxpy of order 4 to 6 takes the last column's product first.
// Gaxpy adds y last. After a call every destination element must hold the predicted bits and
// every other byte of the arena its previous content.
#pragma once

#include "harness.hpp"

namespace pt {

using th::Arg;
using th::Export;

inline const std::vector<Export>& exports() {
    static const std::vector<Export> all = {
        TH_SINGLE(Mul, mm) TH_SINGLE(Mul, mt) TH_SINGLE(Mul, tm) TH_SINGLE(Mul, tt)
        TH_ARRAY(Mul, mam) TH_ARRAY(Mul, mama) TH_ARRAY(Mul, mat) TH_ARRAY(Mul, mata) TH_ARRAY(Mul, mma)
        TH_ARRAY(Mul, mta) TH_ARRAY(Mul, tam) TH_ARRAY(Mul, tama) TH_ARRAY(Mul, tat) TH_ARRAY(Mul, tata)
        TH_ARRAY(Mul, tma) TH_ARRAY(Mul, tta)
        TH_SINGLE(Mul, mv) TH_SINGLE(Mul, tv) TH_ARRAY(Mul, mva) TH_ARRAY(Mul, tva) TH_ARRAY(Mul, mav)
        TH_ARRAY(Mul, tav) TH_ARRAY(Mul, mava) TH_ARRAY(Mul, tava)
        TH_SINGLE(Gaxpy, mv) TH_ARRAY(Gaxpy, mva) TH_ARRAY(Gaxpy, mvav)
    };
    return all;
}

inline const Export& find(const std::string& name) { return th::find(name, exports()); }

// ---- What an export's name says ------------------------------------------------------------
enum Kind : char { Mat, Trans, Vec };
enum Lay : char { Std, List, Ptr };

struct Desc {
    std::string code;
    bool gaxpy = false, array = false, vecdst = false;
    int esz = 4, nsrc = 2;
    Lay lay = Std;
    Kind kind[3] = {Mat, Mat, Vec};  // src1, src2, src3 (Gaxpy's y)
    bool arr[3] = {};
};

inline Desc describe(const std::string& name) {
    Desc d;
    d.gaxpy = name.rfind("rukmGaxpy_", 0) == 0;
    const std::size_t a = name.find('_'), b = name.find('_', a + 1);
    d.code = name.substr(a + 1, b - a - 1);
    d.esz = name.compare(b + 1, 3, "64f") == 0 ? 8 : 4;
    d.lay = name.size() == b + 4 ? Std : name.back() == 'L' ? List : Ptr;
    int n = -1;
    for (char c : d.code) {
        if (c == 'a') d.arr[n] = true;
        else d.kind[++n] = c == 'm' ? Mat : c == 't' ? Trans : Vec;
    }
    if (d.gaxpy) {
        d.nsrc = 3;
        if (n == 1) d.arr[2] = d.arr[1];  // mva: y is an array with x; mv: both single
    }
    d.vecdst = d.kind[1] == Vec;
    d.array = d.arr[0] || d.arr[1] || d.arr[2];
    return d;
}

// ---- Operands and their placement ----------------------------------------------------------
enum Role : char { RPtr, RObj, RRow, RElem, RShift, RSize, RCount };
struct Param {
    std::string name;
    Role role;
    bool agree;  // a size that takes part in the size agreement
};

struct Group {
    std::string name;
    Kind kind = Mat;
    bool arr = false;
    Lay lay = Std;
    std::int64_t R = 1, C = 1;  // stored rows and columns (a vector: one row)
    char* ptr = nullptr;
    std::int32_t obj = 0, row = 0, elem = 0, shift = 0;
    std::vector<std::size_t> at;  // object (list) or element (element pointers) offsets
    std::size_t table = 0;
};

// How the operands of one call lie in memory.
struct Style {
    int step[4];      // element step of src1, src2, src3 and dst, in elements
    int pad;          // elements of padding after every row and every object
    bool interleave;  // objects interleaved element by element (standard and element pointers)
    int gap;          // guard bytes between allocations (0: back to back)
    int shift;        // shift of pointer-list and element-pointer operands, in elements
};
inline const Style kStyles[] = {
    {{1, 1, 1, 1}, 0, false, 0, 0},   // packed objects, back to back
    {{1, 1, 1, 1}, 3, false, 64, 1},  // packed rows, padded rows and objects
    {{2, 3, 2, 1}, 1, false, 48, 2},  // strided sources
    {{1, 2, 1, 1}, 0, true, 32, 3},   // interleaved objects
    {{1, 1, 1, 2}, 0, false, 64, 1},  // strided destination only
};

// The product as used: A is m x k, B is k x n (a vector: n = 1), count objects.
struct Case {
    int m = 1, k = 1, n = 1, count = 1;
    Style st = kStyles[0];
    unsigned seed = 1;
};

// Finite values over a wide range of magnitudes, so that a wrong summation order shows, with
// some large terms that cancel one another and some zeros of both signs.
template <class T>
T make_value(std::mt19937& r) {
    constexpr int digits = std::numeric_limits<T>::digits;
    const T sign = (r() & 1) ? T(-1) : T(1);
    const unsigned kind = r() % 16;
    if (kind == 0) return sign * T(0);
    const std::uint64_t bits = ((std::uint64_t(r()) << 32) | r()) >> (65 - digits);
    const int e = kind == 1 ? digits - 6 + int(r() % 6) : int(r() % 21) - 10;
    return sign * std::ldexp(T(1) + std::ldexp(T(bits), 1 - digits), e);
}

class Arena {
public:
    const Export& ex;
    Desc d;
    Case c;
    Group g[4];  // src1, src2, [src3,] dst
    int nd = 2;  // index of dst
    std::vector<unsigned char> mem, initial, want;
    std::vector<Param> params;
    std::vector<Arg> args;
    std::string sig;
    std::vector<std::size_t> dst;  // offsets of the destination elements, in (k, r, c) order
    bool dst_distinct = true, special = false;

    Arena(const Export& e, const Case& cs) : ex(e), d(describe(e.name)), c(cs) {
        if (d.vecdst) c.n = 1;
        if (!d.array) c.count = 1;
        nd = d.nsrc;
        std::mt19937 rng(c.seed);
        const std::int64_t M = c.m, K = c.k, N = c.n;
        for (int q = 0; q <= nd; ++q) {
            Group& gr = g[q];
            gr.name = q == nd ? "dst" : "src" + std::to_string(q + 1);
            gr.kind = q == nd ? (d.vecdst ? Vec : Mat) : d.kind[q];
            gr.arr = q == nd ? d.array : d.arr[q];
            gr.lay = d.lay == Ptr ? Ptr : d.lay == List && gr.arr ? List : Std;
            const std::int64_t used[4][2] = {{M, K}, {K, N}, {1, M}, {M, N}};  // rows, columns as used
            const std::int64_t ur = used[q == nd ? 3 : q][0], uc = used[q == nd ? 3 : q][1];
            gr.R = gr.kind == Vec ? 1 : gr.kind == Trans ? uc : ur;
            gr.C = gr.kind == Vec ? ur * uc : gr.kind == Trans ? ur : uc;
        }
        std::size_t top = 64, salt = 0;
        auto take = [&](std::size_t bytes, std::size_t align, bool salted) {
            if (c.st.gap) top = (top + c.st.gap + 63) / 64 * 64 + (salted ? salt++ * 3 * d.esz % 64 : 0);
            top = (top + align - 1) / align * align;
            const std::size_t at = top;
            top += bytes;
            return at;
        };
        for (int q = 0; q <= nd; ++q) plan(g[q], c.st.step[q == nd ? 3 : q], take, rng);
        mem.assign(top + 128, 0xA5);
        char* base = reinterpret_cast<char*>(mem.data());
        base += (64 - reinterpret_cast<std::uintptr_t>(base) % 64) % 64;
        for (int q = 0; q <= nd; ++q) {
            Group& gr = g[q];
            if (gr.lay == Std) gr.ptr = base + gr.at[0];
            else {
                for (std::size_t n = 0; n < gr.at.size(); ++n)
                    reinterpret_cast<char**>(base + gr.table)[n] = base + gr.at[n] - gr.shift;
                gr.ptr = base + gr.table;
            }
            emit(q);
        }
        if (d.array) params.push_back({"count", RCount, false}), args.push_back({.i = c.count});
        for (const Param& p : params) sig += p.role == RPtr ? 'p' : 'i';

        // Which kernel forms the sums: the special sizes need a square matrix of order 3 to 6
        // (for two matrices, both of the same order); products over pointer lists with packed
        // elements run a general loop where the second source is an array, and for every
        // matrix-vector form.
        bool contiguous = true;
        for (int q = 0; q <= nd; ++q) contiguous &= g[q].lay == Ptr || g[q].elem == d.esz;
        special = M == K && (d.vecdst || K == N) && M >= 3 && M <= 6;
        if (!d.gaxpy && d.lay == List && contiguous && (d.vecdst || d.arr[1])) special = false;
        th::typed(d.esz, [&](auto z) { fill<decltype(z)>(rng); });
    }
    Arena(const Arena&) = delete;

    // Stored element (i, j) of object k (a vector: element j).
    char* addr(const Group& gr, std::ptrdiff_t k, std::ptrdiff_t i, std::ptrdiff_t j) const {
        if (!gr.arr) k = 0;
        auto entry = [&](std::ptrdiff_t n) { return reinterpret_cast<char* const*>(gr.ptr)[n]; };
        if (gr.lay == Ptr) return entry(i * gr.C + j) + gr.shift + k * gr.obj;
        char* o = gr.lay == List ? entry(k) + gr.shift : gr.ptr + k * gr.obj;
        return o + i * gr.row + j * gr.elem;
    }
    // Element (r, col) of object k as used (a vector: element r).
    char* used(const Group& gr, std::ptrdiff_t k, std::ptrdiff_t r, std::ptrdiff_t col = 0) const {
        return gr.kind == Vec ? addr(gr, k, 0, r) : gr.kind == Trans ? addr(gr, k, col, r) : addr(gr, k, r, col);
    }
    std::size_t offset(const char* p) const { return p - reinterpret_cast<const char*>(mem.data()); }

    std::string what() const {
        char buf[200];
        std::snprintf(buf, sizeof buf, " %dx%d by %dx%d count=%d steps=%d,%d,%d,%d pad=%d gap=%d shift=%d%s%s", c.m,
                      c.k, c.k, c.n, c.count, c.st.step[0], c.st.step[1], c.st.step[2], c.st.step[3], c.st.pad,
                      c.st.gap, c.st.shift, c.st.interleave ? " interleaved" : "", special ? " special" : "");
        return ex.name + buf;
    }
    void reset() { std::copy(initial.begin(), initial.end(), mem.begin()); }
    bool unchanged() const { return mem == initial; }

    // Calls the export with the prepared arguments and checks the whole arena.
    testing::AssertionResult run() {
        if (sig != ex.sig)
            return testing::AssertionFailure() << ex.name << ": parameters " << ex.sig << ", expected " << sig;
        if (!dst_distinct) return testing::AssertionFailure() << what() << ": destination elements overlap";
        const rukStatus s = ex.call(args);
        if (s != rukOk) return testing::AssertionFailure() << what() << ": status " << s;
        return th::typed(d.esz, [&](auto z) -> testing::AssertionResult {
            using T = decltype(z);
            const std::size_t per = std::size_t(c.m) * c.n;
            for (std::size_t n = 0; n < dst.size(); ++n) {
                T a, b;
                std::memcpy(&a, &mem[dst[n]], sizeof a);
                std::memcpy(&b, &want[dst[n]], sizeof b);
                if (std::memcmp(&a, &b, sizeof a) != 0)
                    return testing::AssertionFailure() << what() << ": dst[" << n / per << "](" << n % per / c.n << ", "
                                                       << n % c.n << ") = " << std::hexfloat << a << ", expected " << b;
            }
            const auto m = std::mismatch(mem.begin(), mem.end(), want.begin());
            if (m.first != mem.end())
                return testing::AssertionFailure() << what() << ": byte " << (m.first - mem.begin())
                                                   << " outside the destination was written";
            return testing::AssertionSuccess();
        });
    }

private:
    static std::vector<std::int64_t> shuffled(std::int64_t n, std::mt19937& rng) {
        std::vector<std::int64_t> v(n);
        std::iota(v.begin(), v.end(), 0);
        std::shuffle(v.begin(), v.end(), rng);
        return v;
    }
    template <class Take>
    void plan(Group& gr, int s, Take& take, std::mt19937& rng) {
        const std::int64_t esz = d.esz, K = gr.arr ? c.count : 1, R = gr.R, C = gr.C;
        if (gr.lay != Std) gr.shift = c.st.shift * d.esz;
        if (gr.lay == Ptr) {  // elements scattered in a random order, objects objStride apart
            const bool inter = c.st.interleave && gr.arr;
            gr.obj = !gr.arr ? 0 : inter ? s * esz : (R * C * s + c.st.pad) * esz;
            const std::int64_t spread = (inter ? K * s : s) * esz;
            const std::size_t block = take((K - 1) * std::int64_t(gr.obj) + R * C * spread, esz, true);
            for (std::int64_t e : shuffled(R * C, rng)) gr.at.push_back(block + e * spread);
            gr.table = take(8 * R * C, 8, false);
            return;
        }
        const bool inter = c.st.interleave && gr.arr && gr.lay == Std;
        const std::int64_t es = inter ? K * s : s;
        gr.elem = es * esz;
        gr.row = (C * es + c.st.pad) * esz;
        const std::int64_t extent = (R - 1) * gr.row + (C - 1) * gr.elem + esz;
        if (gr.lay == List) {  // objects in a random order
            gr.at.resize(K);
            for (std::int64_t k : shuffled(K, rng)) gr.at[k] = take(extent, esz, true);
            gr.table = take(8 * K, 8, false);
            return;
        }
        gr.obj = !gr.arr ? 0 : inter ? s * esz : extent + c.st.pad * esz;
        gr.at = {take((K - 1) * std::int64_t(gr.obj) + extent, esz, true)};
    }

    void emit(int q) {
        const Group& gr = g[q];
        auto add = [&](const char* suffix, Role r, long long v, bool agree = false) {
            params.push_back({gr.name + suffix, r, agree});
            args.push_back(r == RPtr ? Arg{.p = gr.ptr} : Arg{.i = v});
        };
        add("", RPtr, 0);
        if (gr.lay == Std && gr.arr) add("ObjStride", RObj, gr.obj);
        if (gr.lay != Std) add("Shift", RShift, gr.shift);
        if (gr.lay == Ptr && gr.arr) add("ObjStride", RObj, gr.obj);
        if (gr.lay != Ptr) {
            if (gr.kind != Vec) add("RowStride", RRow, gr.row);
            add("ElemStride", RElem, gr.elem);
        }
        if (q == nd) return;
        // The sizes that must agree: the inner dimension of each factor; Gaxpy's every size.
        const bool inner = q == 0 ? gr.kind == Trans : gr.kind != Trans;  // height is inner
        if (gr.kind == Vec) return add("Len", RSize, gr.C, true);
        add("Width", RSize, gr.C, d.gaxpy || !inner);
        add("Height", RSize, gr.R, d.gaxpy || inner);
    }

    template <class T>
    static T get(const void* p) {
        T v;
        std::memcpy(&v, p, sizeof v);
        return v;
    }
    template <class T>
    static void put(void* p, T v) {
        std::memcpy(p, &v, sizeof v);
    }

    template <class T>
    void fill(std::mt19937& rng) {
        const int M = c.m, K = c.k, N = c.n;
        for (int q = 0; q < nd; ++q)
            for (int k = 0; k < (g[q].arr ? c.count : 1); ++k)
                for (int i = 0; i < g[q].R; ++i)
                    for (int j = 0; j < g[q].C; ++j) put(addr(g[q], k, i, j), make_value<T>(rng));
        // Every third object gets one destination element whose products are all -0 (and,
        // in Gaxpy, a y element of -0): the general loops give +0 there, the special sizes -0.
        const Group &A = g[0], &B = g[1];
        const int r0 = int(c.seed % M);
        for (int k = 0; k < c.count; ++k) {
            if ((k + c.seed) % 3) continue;
            const int c0 = int((c.seed / 3 + k) % N);
            for (int j = 0; j < K; ++j) {
                if (A.arr || k == 0) put(used(A, k, r0, j), std::copysign(T(0), -get<T>(used(B, k, j, c0))));
                else put(used(B, k, j, c0), std::copysign(T(0), -get<T>(used(A, k, r0, j))));
            }
            if (d.gaxpy) put(used(g[2], k, r0), T(-0.0));
        }
        initial = want = mem;
        // The order of the terms: increasing k, or Gaxpy's special order with the last first.
        std::vector<int> order(K);
        std::iota(order.begin(), order.end(), 0);
        if (d.gaxpy && special && K >= 4) std::rotate(order.begin(), order.end() - 1, order.end());
        for (int k = 0; k < c.count; ++k)
            for (int r = 0; r < M; ++r)
                for (int col = 0; col < N; ++col) {
                    auto term = [&](int j) {
                        const T p = get<T>(used(A, k, r, j)) * get<T>(used(B, k, j, col));
                        return p;
                    };
                    T s = special ? term(order[0]) : T(0) + term(order[0]);
                    for (int n = 1; n < K; ++n) s = s + term(order[n]);
                    if (d.gaxpy) s = s + get<T>(used(g[2], k, r));
                    dst.push_back(offset(used(g[nd], k, r, col)));
                    put(&want[dst.back()], s);
                }
        std::vector<std::size_t> sorted = dst;
        std::sort(sorted.begin(), sorted.end());
        dst_distinct = std::adjacent_find(sorted.begin(), sorted.end(), [&](std::size_t a, std::size_t b) {
                           return b - a < std::size_t(d.esz);
                       }) == sorted.end();
    }
};

// The work estimate of an array form: the elements of every single operand once, of every
// array operand and of the destination once per object (Gaxpy leaves its matrix out).
inline std::int64_t work_estimate(const Desc& d, int m, int k, int n, int count) {
    const std::int64_t elems[3] = {std::int64_t(m) * k, std::int64_t(k) * (d.vecdst ? 1 : n), m};
    std::int64_t e = std::int64_t(m) * (d.vecdst ? 1 : n) * count;
    for (int q = d.gaxpy ? 1 : 0; q < d.nsrc; ++q) e += elems[q] * (d.arr[q] ? count : 1);
    return e;
}

}  // namespace pt
