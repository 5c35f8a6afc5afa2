// Test harness for the element-wise and data-movement exports.
//
// An export is known to the tests only by its name and its C signature. From the name
// (operation, operand code, element type, layout) the harness lays out every operand in
// a guarded arena, builds the argument list in the library's parameter order, and
// predicts the result with its own model of operand addressing:
//
//   standard       base + k*objStride + i*rowStride + j*elemStride   (t: i and j swapped)
//   pointer list   list[k] + shift + i*rowStride + j*elemStride
//   element ptrs   ptr[i*width + j] + shift + k*objStride             (t: ptr[j*height + i])
//
// After a call, every destination element must hold the predicted bits and every other
// byte of the arena its previous content.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <bit>
#include <climits>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <functional>
#include <initializer_list>
#include <limits>
#include <numeric>
#include <random>
#include <set>
#include <stdexcept>
#include <string>
#include <type_traits>
#include <utility>
#include <vector>

#include "rukm.h"

namespace th {

// ---- Calling an export with a flat list of argument values --------------------------------
struct Arg {  // one argument: a pointer, an integer or a floating-point value
    void* p = nullptr;
    long long i = 0;
    double d = 0;
};

template <class A>
constexpr char kind_of = std::is_pointer_v<A> ? 'p' : std::is_same_v<A, float> ? 'f' : std::is_same_v<A, double> ? 'd'
                         : std::is_same_v<A, std::int32_t> ? 'i' : '?';
template <class A>
A convert(const Arg& a) {
    if constexpr (std::is_pointer_v<A>) return static_cast<A>(a.p);
    else if constexpr (std::is_floating_point_v<A>) return static_cast<A>(a.d);
    else return static_cast<A>(a.i);
}

// The names of the library's export list (tests/data/exports.txt) that `keep` accepts; the
// tables of the test files are compared with it, so no export of a family goes untested.
template <class Keep>
std::set<std::string> listed_exports(Keep keep) {
    std::ifstream in(RUKM_TEST_DATA "/exports.txt");
    if (!in) throw std::runtime_error("cannot read the export list");
    std::set<std::string> out;
    for (std::string s; in >> s;)
        if (keep(s)) out.insert(s);
    return out;
}
inline bool starts_with_any(const std::string& s, std::initializer_list<const char*> prefixes) {
    for (const char* p : prefixes)
        if (s.rfind(p, 0) == 0) return true;
    return false;
}

struct Export {
    std::string name;
    std::string sig;  // one letter per parameter: p pointer, i int32, f float, d double
    std::function<rukStatus(const std::vector<Arg>&)> call;
};

// The names of a table of exports.
inline std::set<std::string> names(const std::vector<Export>& table) {
    std::set<std::string> out;
    for (const Export& e : table) out.insert(e.name);
    return out;
}

// Tests over a table of exports, one case per export (by index), with what its name says
// (Describe(name), a record with an `array` member) at hand as `d`.
template <const std::vector<Export>& (*Table)(), auto Describe>
class ExportTest : public testing::TestWithParam<int> {
protected:
    using Described = decltype(Describe(std::string()));
    const Export& ex = Table()[GetParam()];
    const Described d = Describe(ex.name);

public:
    static std::vector<int> all() {
        std::vector<int> v(Table().size());
        std::iota(v.begin(), v.end(), 0);
        return v;
    }
    static std::vector<int> arrays() {
        std::vector<int> v;
        for (int i = 0; i < int(Table().size()); ++i)
            if (Describe(Table()[i].name).array) v.push_back(i);
        return v;
    }
    static std::string test_name(const testing::TestParamInfo<int>& p) { return Table()[p.param].name; }
};

template <class... A>
Export wrap(const char* name, rukStatus (*f)(A...)) {
    return {name, std::string{kind_of<A>...}, [f](const std::vector<Arg>& v) {
                return [&]<std::size_t... I>(std::index_sequence<I...>) { return f(convert<A>(v[I])...); }(
                    std::index_sequence_for<A...>{});
            }};
}

#define TH_ONE(OP, C, T, L) ::th::wrap("rukm" #OP "_" #C "_" #T #L, &rukm##OP##_##C##_##T##L),
#define TH_SINGLE(OP, C) TH_ONE(OP, C, 32f, ) TH_ONE(OP, C, 32f, _P) TH_ONE(OP, C, 64f, ) TH_ONE(OP, C, 64f, _P)
#define TH_ARRAY(OP, C)                                                                          \
    TH_ONE(OP, C, 32f, ) TH_ONE(OP, C, 32f, _L) TH_ONE(OP, C, 32f, _P) TH_ONE(OP, C, 64f, )      \
    TH_ONE(OP, C, 64f, _L) TH_ONE(OP, C, 64f, _P)

// Every addition, subtraction and scaling export.
inline const std::vector<Export>& exports() {
    static const std::vector<Export> all = {
        TH_SINGLE(Add, mm) TH_SINGLE(Add, tm) TH_SINGLE(Add, tt) TH_SINGLE(Add, vv) TH_SINGLE(Add, vc)
        TH_ARRAY(Add, mam) TH_ARRAY(Add, mat) TH_ARRAY(Add, tam) TH_ARRAY(Add, tat) TH_ARRAY(Add, mama)
        TH_ARRAY(Add, tama) TH_ARRAY(Add, tata) TH_ARRAY(Add, vav) TH_ARRAY(Add, vava) TH_ARRAY(Add, vac)
        TH_ARRAY(Add, vca) TH_ARRAY(Add, vaca)
        TH_SINGLE(Sub, mm) TH_SINGLE(Sub, mt) TH_SINGLE(Sub, tm) TH_SINGLE(Sub, tt) TH_SINGLE(Sub, vv)
        TH_SINGLE(Sub, vc) TH_SINGLE(Sub, cv)
        TH_ARRAY(Sub, mam) TH_ARRAY(Sub, mat) TH_ARRAY(Sub, tam) TH_ARRAY(Sub, tat) TH_ARRAY(Sub, mma)
        TH_ARRAY(Sub, mta) TH_ARRAY(Sub, tma) TH_ARRAY(Sub, tta) TH_ARRAY(Sub, mama) TH_ARRAY(Sub, mata)
        TH_ARRAY(Sub, tama) TH_ARRAY(Sub, tata) TH_ARRAY(Sub, vav) TH_ARRAY(Sub, vva) TH_ARRAY(Sub, vava)
        TH_ARRAY(Sub, vac) TH_ARRAY(Sub, vca) TH_ARRAY(Sub, vaca) TH_ARRAY(Sub, cav) TH_ARRAY(Sub, cva)
        TH_ARRAY(Sub, cava)
        TH_SINGLE(Mul, mc) TH_SINGLE(Mul, tc) TH_SINGLE(Mul, vc) TH_ARRAY(Mul, mac) TH_ARRAY(Mul, tac)
        TH_ARRAY(Mul, vac) TH_ARRAY(Mul, vca) TH_ARRAY(Mul, vaca)
    };
    return all;
}

inline const Export& find(const std::string& name, const std::vector<Export>& list = exports()) {
    for (const Export& e : list)
        if (e.name == name) return e;
    throw std::runtime_error("no export " + name);
}

// ---- What an export's name says ------------------------------------------------------------
enum Shape { Mat, Trans, Vec, Const };
enum Lay { Std, List, Ptr };

struct Desc {
    std::string code;
    char op = '+';  // '+', '-' or '*'
    Shape shape[2] = {};  // the operands in the order of the code
    bool arr[2] = {};
    int esz = 4;
    Lay lay = Std;
    bool matrix = false, array = false;
    int first = 0;  // code operand whose parameters come first (the vector before a constant)
};

inline Desc describe(const std::string& name) {
    Desc d;
    d.op = name.compare(4, 3, "Sub") == 0 ? '-' : name.compare(4, 3, "Mul") == 0 ? '*' : '+';
    const std::size_t a = name.find('_'), b = name.find('_', a + 1);
    d.code = name.substr(a + 1, b - a - 1);
    d.esz = name.compare(b + 1, 3, "64f") == 0 ? 8 : 4;
    d.lay = name.size() == b + 4 ? Std : name.back() == 'L' ? List : Ptr;
    int n = -1;
    for (char c : d.code) {
        if (c == 'a') d.arr[n] = true;
        else d.shape[++n] = c == 'm' ? Mat : c == 't' ? Trans : c == 'v' ? Vec : Const;
    }
    d.matrix = d.shape[0] <= Trans || d.shape[1] <= Trans;
    d.array = d.arr[0] || d.arr[1];
    d.first = d.shape[0] == Const ? 1 : 0;
    return d;
}

template <class F>
auto typed(int esz, F f) {
    return esz == 8 ? f(double{}) : f(float{});
}

// ---- Operand groups and their placement ----------------------------------------------------
enum Role : char { RPtr, RValue, RObj, RRow, RElem, RShift, RSize, RCount };
struct Param { std::string name; Role role; };

struct Group {
    std::string name;
    Shape shape = Mat;
    bool arr = false;
    Lay lay = Std;      // the layout this operand's parameters follow
    bool dense = false; // a packed row-major buffer passed as a bare pointer
    int step = 1;       // element step, in elements
    char* ptr = nullptr;
    std::int32_t obj = 0, row = 0, elem = 0, shift = 0;
    double value = 0;
    std::vector<std::size_t> at;  // object (list) or element (element pointers) offsets
    std::size_t table = 0;
};

// How the operands of one call lie in memory.
struct Style {
    int step[3];      // element step of the first group, the second and dst, in elements
    int pad;          // elements of padding after every row and every object
    bool interleave;  // objects interleaved element by element (objStride one step)
    int gap;          // guard bytes between allocations (0: arrays back to back)
    int shift;        // shift of pointer-list and element-pointer operands, in elements
};
inline const Style kStyles[] = {
    {{1, 1, 1}, 0, false, 0, 0},   // packed objects, arrays back to back
    {{1, 1, 1}, 3, false, 64, 1},  // packed rows, padded rows and objects
    {{2, 3, 1}, 1, false, 48, 2},  // strided sources
    {{1, 2, 1}, 0, true, 32, 3},   // interleaved objects
    {{1, 1, 2}, 0, false, 64, 1},  // strided destination only
};

struct Case {
    int w = 1, h = 1, count = 1;  // vectors: w = len, h = 1
    Style st = kStyles[0];
    bool inplace = false;  // dst is the first operand's memory, with its strides
    unsigned seed = 1;
    bool all_nan = false;  // every source value a NaN
};

// A dst identical to the first parameter group needs a non-transposed source of dst's kind.
inline bool can_inplace(const Desc& d) {
    const Shape s = d.shape[d.first];
    return s == (d.matrix ? Mat : Vec) && d.arr[d.first] == d.array;
}

// ---- NaN payloads --------------------------------------------------------------------------
template <class T>
using bits_of = std::conditional_t<sizeof(T) == 4, std::uint32_t, std::uint64_t>;
template <class T>
constexpr bits_of<T> kQuietBit = bits_of<T>(1) << (std::numeric_limits<T>::digits - 2);

// A NaN of either sign with a random payload, quiet or signalling.
template <class T>
T random_nan(std::mt19937& r) {
    using U = bits_of<T>;
    const U exponent = std::bit_cast<U>(std::numeric_limits<T>::infinity());
    U payload = static_cast<U>((std::uint64_t(r()) << 32 | r()) & (kQuietBit<T> - 1));
    const bool quiet = r() & 1;
    if (!quiet && payload == 0) payload = 1;  // a signalling NaN needs a payload bit
    const U sign = (r() & 1) ? U(1) << (8 * sizeof(T) - 1) : 0;
    return std::bit_cast<T>(sign | exponent | (quiet ? kQuietBit<T> : 0) | payload);
}

template <class T>
T quieted(T x) {
    return std::bit_cast<T>(std::bit_cast<bits_of<T>>(x) | kQuietBit<T>);
}

// The result of an operation with operands x, y (in the order of the operation) and result r:
// where an operand is a NaN, the first NaN operand, quieted, as the scalar x86 instructions
// give it; otherwise r.
template <class T>
T first_nan_or(T x, T y, T r) {
    return std::isnan(x) ? quieted(x) : std::isnan(y) ? quieted(y) : r;
}

// A value of a test operand: mostly finite, and now and then a signed zero, an infinity, a
// subnormal, the extremes or a NaN with a random payload; only NaNs when `all_nan`.
template <class T>
T make_value(std::mt19937& r, bool all_nan = false) {
    using L = std::numeric_limits<T>;
    if (all_nan) return random_nan<T>(r);
    const T sign = (r() & 1) ? T(-1) : T(1);
    switch (r() % 24) {
    case 0: return sign * T(0);
    case 1: return sign * L::infinity();
    case 2: return sign * L::denorm_min() * T(1 + r() % (1u << 20));
    case 3: return sign * L::min();
    case 4: return sign * L::max();
    case 5: return random_nan<T>(r);
    default: return sign * std::ldexp(T(1) + T(r() % (1u << 20)) / T(1u << 20), int(r() % 41) - 20);
    }
}

// Operands placed in a guarded arena filled with a sentinel, the parameter list that
// describes them, and the bytes the arena must hold after a successful call.
class Operands {
public:
    Case c;
    int esz;
    std::string label;  // the export, for messages
    std::vector<unsigned char> mem, initial, want;
    std::vector<Param> params;
    std::vector<Arg> args;
    std::string sig;
    std::vector<std::size_t> dst;  // offsets of the destination elements, in (k, i, j) order
    bool dst_distinct = true;

    Operands(const Case& cs, int e, std::string name) : c(cs), esz(e), label(std::move(name)) {}
    Operands(const Operands&) = delete;

    // Where element (i, j) of object k of a group lies.
    char* addr(const Group& gr, std::ptrdiff_t k, std::ptrdiff_t i, std::ptrdiff_t j) const {
        if (!gr.arr) k = 0;
        auto entry = [&](std::ptrdiff_t n) { return reinterpret_cast<char* const*>(gr.ptr)[n]; };
        if (gr.lay == Ptr) {
            const std::ptrdiff_t e = gr.shape == Vec ? j : gr.shape == Trans ? j * c.h + i : i * c.w + j;
            return entry(e) + gr.shift + k * gr.obj;
        }
        char* o = gr.lay == List ? entry(k) + gr.shift : gr.ptr + k * gr.obj;
        if (gr.shape == Const) return o;
        if (gr.shape == Vec) return o + j * gr.elem;
        return gr.shape == Trans ? o + j * gr.row + i * gr.elem : o + i * gr.row + j * gr.elem;
    }
    std::size_t offset(const char* p) const { return p - reinterpret_cast<const char*>(mem.data()); }

    std::string what() const {
        char buf[160];
        std::snprintf(buf, sizeof buf, " w=%d h=%d count=%d steps=%d,%d,%d pad=%d gap=%d shift=%d%s%s", c.w, c.h, c.count,
                      c.st.step[0], c.st.step[1], c.st.step[2], c.st.pad, c.st.gap, c.st.shift,
                      c.st.interleave ? " interleaved" : "", c.inplace ? " in place" : "");
        return label + buf;
    }
    void reset() { std::copy(initial.begin(), initial.end(), mem.begin()); }
    bool unchanged() const { return mem == initial; }

    // Calls the export with the prepared arguments and checks the whole arena: every
    // destination element holds the expected bits (any NaN where a NaN is expected, when
    // `any_nan`), every other byte its previous content.
    testing::AssertionResult call(const Export& ex, bool any_nan) {
        if (sig != ex.sig) return testing::AssertionFailure() << ex.name << ": parameters " << ex.sig << ", expected " << sig;
        if (!dst_distinct) return testing::AssertionFailure() << what() << ": destination elements overlap";
        const rukStatus s = ex.call(args);
        if (s != rukOk) return testing::AssertionFailure() << what() << ": status " << s;
        return typed(esz, [&](auto z) -> testing::AssertionResult {
            using T = decltype(z);
            std::vector<unsigned char> expect = want;
            for (std::size_t n = 0; n < dst.size(); ++n) {
                T a, b;
                std::memcpy(&a, &mem[dst[n]], sizeof a);
                std::memcpy(&b, &expect[dst[n]], sizeof b);
                if (any_nan && std::isnan(a) && std::isnan(b)) std::memcpy(&expect[dst[n]], &a, sizeof a);
                else if (std::memcmp(&a, &b, sizeof a) != 0)
                    return testing::AssertionFailure() << what() << ": dst[" << n / (c.w * c.h) << "]("
                                                       << n / c.w % c.h << ", " << n % c.w << ") = " << std::hexfloat
                                                       << a << ", expected " << b;
            }
            const auto m = std::mismatch(mem.begin(), mem.end(), expect.begin());
            if (m.first != mem.end())
                return testing::AssertionFailure() << what() << ": byte " << (m.first - mem.begin())
                                                   << " outside the destination was written";
            return testing::AssertionSuccess();
        });
    }

protected:
    // Plans the groups (objects, rows and elements as the case's style says), allocates the
    // arena and writes the pointer lists and element-pointer arrays.
    void place(std::initializer_list<Group*> groups, std::mt19937& rng) {
        std::size_t top = 64, salt = 0;
        auto take = [&](std::size_t bytes, std::size_t align, bool salted) {
            if (c.st.gap) top = (top + c.st.gap + 63) / 64 * 64 + (salted ? salt++ * 3 * esz % 64 : 0);
            top = (top + align - 1) / align * align;
            const std::size_t at = top;
            top += bytes;
            return at;
        };
        for (Group* gr : groups) plan(*gr, take, rng);
        mem.assign(top + 128, 0xA5);
        char* base = reinterpret_cast<char*>(mem.data());
        base += (64 - reinterpret_cast<std::uintptr_t>(base) % 64) % 64;
        for (Group* gr : groups) {
            if (gr->lay == Std) gr->ptr = gr->at.empty() ? nullptr : base + gr->at[0];
            else {
                for (std::size_t n = 0; n < gr->at.size(); ++n)
                    reinterpret_cast<char**>(base + gr->table)[n] = base + gr->at[n] - gr->shift;
                gr->ptr = base + gr->table;
            }
        }
    }

    // Appends a group's parameters in its layout's order.
    void emit(const Group& gr) {
        auto add = [&](const char* suffix, Role r, Arg a) { params.push_back({gr.name + suffix, r}), args.push_back(a); };
        if (gr.shape == Const && !gr.arr) return add("", RValue, {.d = gr.value});
        add("", RPtr, {.p = gr.ptr});
        if (gr.dense) return;
        if (gr.lay == Std && gr.arr) add("ObjStride", RObj, {.i = gr.obj});
        if (gr.lay != Std) add("Shift", RShift, {.i = gr.shift});
        if (gr.lay == Ptr) {
            if (gr.arr) add("ObjStride", RObj, {.i = gr.obj});
            return;
        }
        if (gr.shape <= Trans) add("RowStride", RRow, {.i = gr.row});
        if (gr.shape != Const) add("ElemStride", RElem, {.i = gr.elem});
    }
    void size(const char* name, Role r, int v) { params.push_back({name, r}), args.push_back({.i = v}); }

    // Records that element (i, j) of object k of `gr` must end up holding `bits`.
    void expect(const Group& gr, int k, int i, int j, const void* bits) {
        dst.push_back(offset(addr(gr, k, i, j)));
        std::memcpy(&want[dst.back()], bits, esz);
    }

    // Call after the parameters and the expected bytes are complete.
    void seal() {
        for (const Param& p : params) sig += p.role == RPtr ? 'p' : p.role == RValue ? (esz == 8 ? 'd' : 'f') : 'i';
        std::vector<std::size_t> sorted = dst;
        std::sort(sorted.begin(), sorted.end());
        dst_distinct = std::adjacent_find(sorted.begin(), sorted.end(), [&](std::size_t a, std::size_t b) {
                           return b - a < std::size_t(esz);
                       }) == sorted.end();
    }

private:
    static std::vector<std::int64_t> shuffled(std::int64_t n, std::mt19937& rng) {
        std::vector<std::int64_t> v(n);
        std::iota(v.begin(), v.end(), 0);
        std::shuffle(v.begin(), v.end(), rng);
        return v;
    }
    template <class Take>
    void plan(Group& gr, Take& take, std::mt19937& rng) {
        const int s = gr.step, K = gr.arr ? c.count : 1;
        const std::int64_t R = gr.shape == Mat ? c.h : gr.shape == Trans ? c.w : 1;
        const std::int64_t C = gr.shape == Mat ? c.w : gr.shape == Trans ? c.h : gr.shape == Vec ? c.w : 1;
        if (gr.shape == Const && !gr.arr) return;
        if (gr.dense) {  // packed, object after object
            gr.elem = esz, gr.row = C * esz, gr.obj = R * C * esz;
            gr.at = {take(K * R * C * esz, esz, true)};
            return;
        }
        if (gr.lay != Std) gr.shift = c.st.shift * esz;
        if (gr.lay == Ptr) {  // elements scattered in a random order, objects objStride apart
            const bool inter = c.st.interleave && gr.arr;
            gr.obj = !gr.arr ? 0 : inter ? s * esz : (R * C * s + c.st.pad) * esz;
            const std::int64_t spread = (inter ? K * s : s) * esz;
            const std::size_t block = take((K - 1) * std::int64_t(gr.obj) + R * C * spread, esz, true);
            for (std::int64_t e : shuffled(R * C, rng)) gr.at.push_back(block + e * spread);
            gr.table = take(8 * R * C, 8, false);
            return;
        }
        const bool inter = c.st.interleave && gr.arr && gr.lay == Std && gr.shape != Const;
        const std::int64_t es = inter ? K * s : s;
        gr.elem = gr.shape == Const ? 0 : es * esz;
        gr.row = gr.shape == Const ? 0 : (C * es + c.st.pad) * esz;
        const std::int64_t extent = (R - 1) * gr.row + (C - 1) * gr.elem + esz;
        if (gr.lay == List) {  // objects in a random order
            gr.at.resize(K);
            for (std::int64_t k : shuffled(K, rng)) gr.at[k] = take(extent, esz, true);
            gr.table = take(8 * K, 8, false);
            return;
        }
        gr.obj = !gr.arr ? 0 : gr.shape == Const || inter ? s * esz : extent + c.st.pad * esz;
        gr.at = {take((K - 1) * std::int64_t(gr.obj) + extent, esz, true)};
    }
};

// The operands of an element-wise export (addition, subtraction, scaling), and its result
// element by element in the export's own arithmetic.
class Arena : public Operands {
public:
    const Export& ex;
    Desc d;
    Group g[3];  // first parameter group, second, dst

    Arena(const Export& e, const Case& cs) : Operands(fit(cs, describe(e.name)), describe(e.name).esz, e.name), ex(e), d(describe(e.name)) {
        std::mt19937 rng(c.seed);
        const bool konst = d.shape[0] == Const || d.shape[1] == Const;
        const char* names[3] = {konst ? "src" : "src1", konst ? "val" : "src2", "dst"};
        for (int q = 0; q < 3; ++q) {
            const int o = q == 2 ? -1 : q == 0 ? d.first : 1 - d.first;
            g[q].name = names[q];
            g[q].shape = o < 0 ? (d.matrix ? Mat : Vec) : d.shape[o];
            g[q].arr = o < 0 ? d.array : d.arr[o];
            g[q].step = c.st.step[q];
            const bool listed = d.lay == List && g[q].arr, direct = d.lay == Ptr && g[q].shape != Const;
            g[q].lay = listed ? List : direct ? Ptr : Std;
        }
        if (c.inplace) place({&g[0], &g[1]}, rng), g[2] = Group{g[0]}, g[2].name = "dst";
        else place({&g[0], &g[1], &g[2]}, rng);
        for (int q = 0; q < 3; ++q) emit(g[q]);
        size(d.matrix ? "width" : "len", RSize, c.w);
        if (d.matrix) size("height", RSize, c.h);
        if (d.array) size("count", RCount, c.count);
        typed(d.esz, [&](auto z) { fill<decltype(z)>(rng); });
        seal();
    }

    testing::AssertionResult run() { return call(ex, false); }

private:
    static Case fit(Case c, const Desc& d) {
        if (!d.matrix) c.h = 1;
        if (!d.array) c.count = 1;
        return c;
    }

    template <class T>
    void fill(std::mt19937& rng) {
        const int src[2] = {d.first == 0 ? 0 : 1, d.first == 0 ? 1 : 0};  // group of code operand 0, 1
        for (int o = 0; o < 2; ++o) {
            Group& gr = g[src[o]];
            if (gr.shape == Const && !gr.arr) {
                gr.value = make_value<T>(rng, c.all_nan);
                continue;
            }
            const int K = gr.arr ? c.count : 1, H = gr.shape == Const ? 1 : c.h, W = gr.shape == Const ? 1 : c.w;
            for (int k = 0; k < K; ++k)
                for (int i = 0; i < H; ++i)
                    for (int j = 0; j < W; ++j) {
                        const T v = make_value<T>(rng, c.all_nan);
                        std::memcpy(addr(gr, k, i, j), &v, sizeof v);
                    }
        }
        for (std::size_t n = 0; n < params.size(); ++n)
            if (params[n].role == RValue) args[n].d = g[1].value;  // only the second group is ever a single constant
        initial = want = mem;
        for (int k = 0; k < c.count; ++k)
            for (int i = 0; i < c.h; ++i)
                for (int j = 0; j < c.w; ++j) {
                    auto rd = [&](const Group& gr) {
                        T v = static_cast<T>(gr.value);
                        if (!(gr.shape == Const && !gr.arr)) std::memcpy(&v, addr(gr, k, i, j), sizeof v);
                        return v;
                    };
                    const T x = rd(g[src[0]]), y = rd(g[src[1]]);
                    const T r = first_nan_or(x, y, d.op == '*' ? x * y : d.op == '-' ? x - y : x + y);
                    expect(g[2], k, i, j, &r);
                }
    }
};

// ---- Argument checks ------------------------------------------------------------------------
// In a namespace of their own, out of reach of argument-dependent lookup from th's types.
namespace checks {

// Groups of parameters an export checks in some order; GObj holds the objStrides where an
// export checks them apart from the other strides.
enum Grp { GPtr, GCnt, GSize, GStride, GShift, GObj, kGroups };
inline const rukStatus kGroupStatus[kGroups] = {rukErrNullPtr, rukErrCount, rukErrSize, rukErrStride, rukErrShift, rukErrStride};

inline std::vector<long long> bad_values(int g, int esz) {
    switch (g) {
    case GPtr: return {0};
    case GCnt: case GSize: return {0, -1, INT32_MIN};
    case GShift: return {-esz, esz / 2, 1, INT32_MIN, esz == 8 ? 4 : 2};
    default: return {0, -esz, esz / 2, esz + esz / 2, INT32_MIN, esz == 8 ? 4 : -1};
    }
}

inline void spoil(Arg& a, long long v) { a.p = nullptr, a.i = v; }

// Every member of every group alone with every kind of bad value, then faults in several
// groups at once: the first failing group in `order` decides the status, and nothing is
// written. Groups of `order` that no parameter of the export belongs to are skipped.
inline void expect_check_order(const Export& ex, Operands& arena, std::vector<Grp> order, bool obj_apart = false) {
    std::vector<int> members[kGroups];
    for (std::size_t n = 0; n < arena.params.size(); ++n) {
        const Role r = arena.params[n].role;
        const int g = r == RPtr ? GPtr : r == RCount ? GCnt : r == RSize ? GSize : r == RShift ? GShift
                    : r == RObj ? (obj_apart ? GObj : GStride) : r == RRow || r == RElem ? GStride : -1;
        if (g >= 0) members[g].push_back(int(n));
    }
    for (int g = 0; g < kGroups; ++g)
        ASSERT_TRUE(members[g].empty() || std::find(order.begin(), order.end(), g) != order.end())
            << ex.name << " has parameters of group " << g << " outside its order";
    std::erase_if(order, [&](Grp g) { return members[g].empty(); });

    auto expect = [&](const std::vector<Arg>& a, rukStatus want, const std::string& what) {
        EXPECT_EQ(ex.call(a), want) << ex.name << " with " << what;
        EXPECT_TRUE(arena.unchanged()) << ex.name << " wrote memory with " << what;
    };
    for (int g = 0; g < kGroups; ++g)
        for (int n : members[g])
            for (long long v : bad_values(g, arena.esz)) {
                std::vector<Arg> a = arena.args;
                spoil(a[n], v);
                expect(a, kGroupStatus[g], arena.params[n].name + "=" + std::to_string(v));
            }
    const int G = int(order.size());
    for (int mask = 1; mask < (1 << G); ++mask) {
        if (std::popcount(unsigned(mask)) < 2) continue;
        std::vector<Arg> a = arena.args;
        std::string what;
        for (int b = 0; b < G; ++b)
            if (mask >> b & 1) {
                const std::vector<int>& m = members[order[b]];
                const std::vector<long long> bad = bad_values(order[b], arena.esz);
                const int n = m[(mask + b) % m.size()];
                spoil(a[n], bad[(7 * mask + b) % bad.size()]);
                what += arena.params[n].name + " ";
            }
        expect(a, kGroupStatus[order[std::countr_zero(unsigned(mask))]], what);
    }
}

}  // namespace checks
}  // namespace th
