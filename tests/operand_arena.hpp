// Guarded arena for exports whose operands differ in shape: vector algebra, the homogeneous
// transform and the scalar measures of matrices. A test declares the export's parameters in
// order (operand groups, scalar factors, packed result or work arrays, sizes, count); the
// arena lays every operand out in one sentinel-filled block with the addressing model of the
// three layouts
//
//   standard       base + k*objStride + i*rowStride + j*elemStride
//   pointer list   list[k] + shift + i*rowStride + j*elemStride
//   element ptrs   ptr[i*width + j] + shift + k*objStride
//
// and after a call demands the predicted bits in every destination element and the previous
// content in every other byte. Also here: the argument-check driver (single and combined
// faults) and the threshold check through the thread counter.
#pragma once

#include <bit>
#include <climits>
#include <memory>

#include "harness.hpp"
#include "thread_counter.hpp"

namespace oa {

using th::Arg;
using th::Export;

using th::Lay, th::Std, th::List, th::Ptr;
using th::Role, th::Param, th::RPtr, th::RValue, th::RObj, th::RRow, th::RElem, th::RShift, th::RSize, th::RCount;
using th::Style, th::kStyles;  // element steps, padding, interleaving, guard gaps, shifts
enum Grp { GPtr, GCnt, GSize, GStride, GShift, kGroups };

// What an export's name says: rukm<op>_<code>_<type>[_L|_P].
struct Name {
    std::string op, code;
    int esz = 4;
    Lay lay = Std;
    bool array = false;
};
inline Name parse(const std::string& s) {
    Name n;
    const std::size_t a = s.find('_'), b = s.find('_', a + 1);
    n.op = s.substr(4, a - 4);
    n.code = s.substr(a + 1, b - a - 1);
    n.esz = s.compare(b + 1, 3, "64f") == 0 ? 8 : 4;
    n.lay = s.size() == b + 4 ? Std : s.back() == 'L' ? List : Ptr;
    n.array = n.code.find('a') != std::string::npos;
    return n;
}

struct Operand {
    std::string name;
    int rows = 1, cols = 1;  // a vector is one row
    bool mat = false, arr = false;
    Lay lay = Std;
    int step = 1;
    int align = -1;           // byte offset from a 64-byte boundary (-1: wherever it falls)
    std::size_t packed = 0;   // > 0: a plain array of that many elements (results, work buffer)
    int unit = 0;             // bytes per element of a packed array (0: the element type's)
    int alias = -1;           // >= 0: the same memory, layout and strides as that operand (in place)
    char* ptr = nullptr;
    std::int32_t obj = 0, row = 0, elem = 0, shift = 0;
    std::vector<std::size_t> at;  // object (list) or element (element pointers) offsets
    std::size_t table = 0;
};

class Arena {
public:
    const Export& ex;
    const Name name;
    const int esz, count;
    const Style st;
    std::mt19937 rng;
    std::vector<Operand> opd;
    std::vector<Param> params;
    std::vector<Arg> args;
    std::string sig;
    std::vector<unsigned char> mem, initial, want;
    std::vector<std::size_t> dst;  // destination element offsets
    rukStatus status = rukOk;      // the status the call must return
    std::vector<rukStatus> racing;  // also acceptable: parallel runs that fail with different statuses
    int scratch = -1;              // an operand the call may overwrite freely (a work buffer)

    Arena(const Export& e, int cnt, const Style& s, unsigned seed)
        : ex(e), name(parse(e.name)), esz(name.esz), count(cnt), st(s), rng(seed) {}
    Arena(const Arena&) = delete;

    // ---- Parameters, in the export's order ---------------------------------------------------
    int operand(const std::string& nm, bool mat, int rows, int cols, bool arr, Lay lay, int step, int align = -1) {
        Operand o;
        o.name = nm, o.mat = mat, o.rows = rows, o.cols = cols, o.arr = arr, o.lay = lay, o.step = step, o.align = align;
        return push(std::move(o));
    }
    int packed(const std::string& nm, std::size_t n, int unit = 0) {
        Operand o;
        o.name = nm, o.packed = n, o.unit = unit;
        return push(std::move(o));
    }
    // An operand that lies exactly where operand `of` lies (a destination in place).
    int alias(const std::string& nm, int of) {
        Operand o = opd[of];
        o.name = nm, o.alias = of;
        return push(std::move(o));
    }
    void value(const std::string& nm, double v) { items.push_back({-1, {nm, RValue}, {.d = v}}); }
    void integer(const std::string& nm, Role r, long long v) { items.push_back({-1, {nm, r}, {.i = v}}); }

    // Lays the operands out and forms the argument list.
    void build() {
        std::size_t top = 64, salt = 0;
        for (Operand& o : opd)
            if (o.alias < 0) plan(o, top, salt);
        mem.assign(top + 128, 0xA5);
        char* base = reinterpret_cast<char*>(mem.data());
        base += (64 - reinterpret_cast<std::uintptr_t>(base) % 64) % 64;
        for (Operand& o : opd) {
            if (o.alias >= 0) {
                const std::string nm = o.name;
                const int of = o.alias;
                o = opd[of], o.name = nm, o.alias = of;
            } else if (o.lay == Std) o.ptr = base + o.at[0];
            else {
                for (std::size_t n = 0; n < o.at.size(); ++n)
                    reinterpret_cast<char**>(base + o.table)[n] = base + o.at[n] - o.shift;
                o.ptr = base + o.table;
            }
        }
        for (const Item& it : items) {
            if (it.opd < 0) {
                params.push_back(it.p), args.push_back(it.a);
                continue;
            }
            const Operand& o = opd[it.opd];
            auto add = [&](const char* sfx, Role r, Arg a) { params.push_back({o.name + sfx, r}), args.push_back(a); };
            add("", RPtr, {.p = o.ptr});
            if (o.packed) continue;
            if (o.lay == Std && o.arr) add("ObjStride", RObj, {.i = o.obj});
            if (o.lay != Std) add("Shift", RShift, {.i = o.shift});
            if (o.lay == Ptr) {
                if (o.arr) add("ObjStride", RObj, {.i = o.obj});
                continue;
            }
            if (o.mat) add("RowStride", RRow, {.i = o.row});
            add("ElemStride", RElem, {.i = o.elem});
        }
        for (const Param& p : params)
            sig += p.role == RPtr ? 'p' : p.role == RValue ? (esz == 8 ? 'd' : 'f') : 'i';
    }

    // ---- Data -------------------------------------------------------------------------------
    // Element (i, j) of object k (packed arrays: element j).
    char* addr(int o, std::ptrdiff_t k, std::ptrdiff_t i, std::ptrdiff_t j) const {
        const Operand& g = opd[o];
        if (g.packed) return g.ptr + j * bytes(g);
        if (!g.arr) k = 0;
        auto entry = [&](std::ptrdiff_t n) { return reinterpret_cast<char* const*>(g.ptr)[n]; };
        if (g.lay == Ptr) return entry(i * g.cols + j) + g.shift + k * g.obj;
        char* b = g.lay == List ? entry(k) + g.shift : g.ptr + k * g.obj;
        return b + i * g.row + j * g.elem;
    }
    template <class T>
    T get(int o, std::ptrdiff_t k, std::ptrdiff_t i, std::ptrdiff_t j) const {
        T v;
        std::memcpy(&v, addr(o, k, i, j), sizeof v);
        return v;
    }
    template <class T>
    void put(int o, std::ptrdiff_t k, std::ptrdiff_t i, std::ptrdiff_t j, T v) {
        std::memcpy(addr(o, k, i, j), &v, sizeof v);
    }
    // Sources are in place: from now on the arena's content is what a call must leave alone.
    void seal() { initial = want = mem; }
    // The value a call must leave in a destination element.
    template <class T>
    void expect(int o, std::ptrdiff_t k, std::ptrdiff_t i, std::ptrdiff_t j, T v) {
        dst.push_back(offset(addr(o, k, i, j)));
        std::memcpy(&want[dst.back()], &v, sizeof v);
    }
    // Bytes per element of an operand.
    int bytes(const Operand& o) const { return o.packed && o.unit ? o.unit : esz; }
    // Bits a call must leave at element j of a packed array, not compared as the element type
    // (pivot entries); checked with every byte outside the destinations.
    template <class V>
    void expect_bits(int o, std::ptrdiff_t j, V v) {
        std::memcpy(&want[offset(addr(o, 0, 0, j))], &v, sizeof v);
    }
    // Every element stride of the call is the element size.
    bool contiguous() const {
        for (const Operand& o : opd)
            if (!o.packed && o.lay != Ptr && o.elem != esz) return false;
        return true;
    }

    std::size_t offset(const char* p) const { return p - reinterpret_cast<const char*>(mem.data()); }
    void reset() { std::copy(initial.begin(), initial.end(), mem.begin()); }
    bool unchanged() const { return mem == initial; }
    std::string what() const {
        std::string s = ex.name + " (";
        for (std::size_t n = 0; n < params.size(); ++n)
            if (params[n].role != RPtr)
                s += params[n].name + "=" + (params[n].role == RValue ? std::to_string(args[n].d) : std::to_string(args[n].i)) + " ";
        char buf[96];
        std::snprintf(buf, sizeof buf, "steps %d,%d,%d pad %d gap %d shift %d%s)", st.step[0], st.step[1], st.step[2],
                      st.pad, st.gap, st.shift, st.interleave ? " interleaved" : "");
        return s + buf;
    }

    // Where the operation leaves an association open: destination element n (in the order of
    // expect) must lie within loose[n].second of loose[n].first, or both be NaN (a negative
    // bound, or no entry: exactly the expected bits). Every other byte is compared exactly.
    std::vector<std::pair<long double, long double>> loose;

    // Calls the export and checks the status, every destination element and every other byte.
    testing::AssertionResult run(bool scratch_may_change = true) {
        if (sig != ex.sig) return testing::AssertionFailure() << ex.name << ": parameters " << ex.sig << ", expected " << sig;
        std::vector<std::size_t> sorted = dst;
        std::sort(sorted.begin(), sorted.end());
        for (std::size_t n = 1; n < sorted.size(); ++n)
            if (sorted[n] - sorted[n - 1] < std::size_t(esz)) return testing::AssertionFailure() << what() << ": dst overlaps";
        const rukStatus s = ex.call(args);
        if (s != status && std::find(racing.begin(), racing.end(), s) == racing.end())
            return testing::AssertionFailure() << what() << ": status " << s << ", expected " << status;
        std::vector<unsigned char> expect = want;
        if (scratch >= 0 && scratch_may_change) {
            const std::size_t b = offset(opd[scratch].ptr), e = b + opd[scratch].packed * bytes(opd[scratch]);
            std::copy(mem.begin() + b, mem.begin() + e, expect.begin() + b);
        }
        return th::typed(esz, [&](auto z) -> testing::AssertionResult {
            using T = decltype(z);
            for (std::size_t n = 0; n < dst.size(); ++n) {
                T a, b;
                std::memcpy(&a, &mem[dst[n]], sizeof a);
                std::memcpy(&b, &expect[dst[n]], sizeof b);
                if (n < loose.size() && loose[n].second >= 0) {
                    const long double ref = loose[n].first, err = std::fabs((long double)a - ref);
                    if (!(std::isnan(a) && std::isnan(ref)) && (long double)a != ref && !(err <= loose[n].second))
                        return testing::AssertionFailure() << what() << ": result " << n << " = " << a << ", expected "
                                                           << double(loose[n].first) << " within " << double(loose[n].second);
                    std::memcpy(&expect[dst[n]], &a, sizeof a);
                } else if (std::isnan(a) && std::isnan(b)) std::memcpy(&expect[dst[n]], &a, sizeof a);
                else if (std::memcmp(&a, &b, sizeof a) != 0)
                    return testing::AssertionFailure() << what() << ": result " << n << " = " << std::hexfloat << a
                                                       << ", expected " << b;
            }
            const auto m = std::mismatch(mem.begin(), mem.end(), expect.begin());
            if (m.first != mem.end())
                return testing::AssertionFailure() << what() << ": byte " << (m.first - mem.begin()) << " ("
                                                   << owner(m.first - mem.begin()) << ") was written against expectation";
            return testing::AssertionSuccess();
        });
    }

private:
    struct Item {
        int opd;
        Param p;
        Arg a;
    };
    std::vector<Item> items;

    // The operand whose data or pointer table holds byte `at`, for messages.
    std::string owner(std::size_t at) const {
        for (const Operand& o : opd) {
            if (o.alias >= 0) continue;
            const std::size_t n = o.packed ? o.packed : std::size_t(o.rows) * o.cols;
            if (o.lay != Std && at >= offset(o.ptr) && at < offset(o.ptr) + 8 * (o.lay == List ? (o.arr ? count : 1) : n))
                return o.name + "'s pointers";
            for (std::size_t e = 0; e < n; ++e)
                for (int k = 0; k < (o.arr ? count : 1); ++k) {
                    const std::size_t b = offset(addr(int(&o - opd.data()), k, o.packed ? 0 : e / o.cols, o.packed ? e : e % o.cols));
                    if (at >= b && at < b + bytes(o))
                        return o.name + " object " + std::to_string(k) + " element " + std::to_string(e);
                }
        }
        return "no operand";
    }

    int push(Operand o) {
        opd.push_back(std::move(o));
        items.push_back({int(opd.size()) - 1, {}, {}});
        return int(opd.size()) - 1;
    }

    static std::vector<std::int64_t> shuffled(std::int64_t n, std::mt19937& rng) {
        std::vector<std::int64_t> v(n);
        std::iota(v.begin(), v.end(), 0);
        std::shuffle(v.begin(), v.end(), rng);
        return v;
    }

    void plan(Operand& o, std::size_t& top, std::size_t& salt) {
        auto take = [&](std::size_t bytes, std::size_t align, bool salted) {
            if (st.gap || (salted && o.align >= 0)) {
                top = (top + st.gap + 63) / 64 * 64;
                top += o.align >= 0 ? o.align : salted ? salt++ * 3 * esz % 64 : 0;
            }
            top = (top + align - 1) / align * align;
            const std::size_t at = top;
            top += bytes;
            return at;
        };
        if (o.packed) {  // byte arrays (unit 1) may start at any address
            o.at = {take(o.packed * (o.unit ? o.unit : esz), o.unit == 1 ? 1 : esz, true)};
            return;
        }
        const int s = o.step, K = o.arr ? count : 1;
        const std::int64_t R = o.rows, C = o.cols;
        if (o.lay != Std) o.shift = st.shift * esz;
        if (o.lay == Ptr) {  // elements scattered in a random order, objects objStride apart
            const bool inter = st.interleave && o.arr;
            o.obj = !o.arr ? 0 : inter ? s * esz : (R * C * s + st.pad) * esz;
            const std::int64_t spread = (inter ? K * s : s) * esz;
            const std::size_t block = take((K - 1) * std::int64_t(o.obj) + R * C * spread, esz, true);
            for (std::int64_t e : shuffled(R * C, rng)) o.at.push_back(block + e * spread);
            o.table = take(8 * R * C, 8, false);
            return;
        }
        const bool inter = st.interleave && o.arr && o.lay == Std;
        const std::int64_t es = inter ? K * s : s;
        o.elem = es * esz;
        o.row = (C * es + st.pad) * esz;
        const std::int64_t extent = (R - 1) * o.row + (C - 1) * o.elem + esz;
        if (o.lay == List) {  // objects in a random order
            o.at.resize(K);
            for (std::int64_t k : shuffled(K, rng)) o.at[k] = take(extent, esz, true);
            o.table = take(8 * K, 8, false);
            return;
        }
        o.obj = !o.arr ? 0 : inter ? s * esz : extent + st.pad * esz;
        o.at = {take((K - 1) * std::int64_t(o.obj) + extent, esz, true)};
    }
};

// ---- Values ---------------------------------------------------------------------------------
// A finite value of either sign with a magnitude within 2^-spread .. 2^spread; with
// probability 1/64 a special one (signed zero, subnormal, infinity, NaN).
template <class T>
T mixed(std::mt19937& r, int spread = 20, bool specials = true) {
    using L = std::numeric_limits<T>;
    const T sign = (r() & 1) ? T(-1) : T(1);
    if (specials && r() % 64 == 0) {
        switch (r() % 4) {
        case 0: return sign * T(0);
        case 1: return sign * L::denorm_min() * T(1 + r() % 1000);
        case 2: return sign * L::infinity();
        default: return L::quiet_NaN();
        }
    }
    return sign * std::ldexp(T(1) + T(r() % (1u << 20)) / T(1u << 20), int(r() % (2 * spread + 1)) - spread);
}

// ---- Argument checks ------------------------------------------------------------------------
// The general order: pointers, count (array forms), sizes, strides (standard and pointer-list
// layouts, and the object strides of element-pointer arrays), shifts (_L, _P).
inline std::vector<Grp> general_order(const Name& n) {
    std::vector<Grp> g = {GPtr};
    if (n.array) g.push_back(GCnt);
    g.push_back(GSize);
    if (n.lay != Ptr || n.array) g.push_back(GStride);
    if (n.lay != Std) g.push_back(GShift);
    return g;
}

inline int group_of(Role r) {
    switch (r) {
    case RPtr: return GPtr;
    case RCount: return GCnt;
    case RSize: return GSize;
    case RObj: case RRow: case RElem: return GStride;
    case RShift: return GShift;
    default: return -1;
    }
}

inline std::vector<long long> bad_values(int g, int esz) {
    switch (g) {
    case GPtr: return {0};
    case GCnt: case GSize: return {0, -1, INT32_MIN};
    case GStride: return {0, -esz, esz / 2, esz + esz / 2, INT32_MIN, esz == 8 ? 4 : -1};
    default: return {-esz, esz / 2, 1, INT32_MIN, esz == 8 ? 4 : 2};
    }
}

// A group of parameters that an export checks together: the kind of its members (their bad
// values and the status) and, where an export checks some members of a kind apart from the
// others (operand by operand), which parameters of that kind belong to it.
struct Check {
    Grp kind;
    std::function<bool(const Param&)> member = nullptr;  // null: every parameter of the kind
    Check(Grp g) : kind(g) {}
    Check(Grp g, std::function<bool(const Param&)> m) : kind(g), member(std::move(m)) {}
};

// Every member of every group alone with every kind of bad value, then every combination of
// faulty groups: the first group of `order` that fails decides, and nothing is written. Every
// checked parameter must belong to exactly one group of `order`, and every group must have one.
inline void check_faults(Arena& a, const std::vector<Check>& order) {
    static const rukStatus kStatus[kGroups] = {rukErrNullPtr, rukErrCount, rukErrSize, rukErrStride, rukErrShift};
    const int G = int(order.size());
    std::vector<std::vector<int>> members(G);
    for (std::size_t n = 0; n < a.params.size(); ++n) {
        const int kind = group_of(a.params[n].role);
        if (kind < 0) continue;
        int in = -1;
        for (int g = 0; g < G; ++g)
            if (order[g].kind == kind && (!order[g].member || order[g].member(a.params[n]))) {
                ASSERT_LT(in, 0) << a.ex.name << ": " << a.params[n].name << " in two groups";
                in = g;
            }
        ASSERT_GE(in, 0) << a.ex.name << ": " << a.params[n].name << " in no group";
        members[in].push_back(int(n));
    }
    for (int g = 0; g < G; ++g) ASSERT_FALSE(members[g].empty()) << a.ex.name << ": group " << g << " has no member";
    auto spoil = [](Arg& x, long long v) { x.p = nullptr, x.i = v; };
    auto expect = [&](const std::vector<Arg>& args, rukStatus want, const std::string& what) {
        EXPECT_EQ(a.ex.call(args), want) << a.ex.name << " with " << what;
        EXPECT_TRUE(a.unchanged()) << a.ex.name << " wrote memory with " << what;
    };
    for (int g = 0; g < G; ++g)
        for (int n : members[g])
            for (long long v : bad_values(order[g].kind, a.esz)) {
                std::vector<Arg> args = a.args;
                spoil(args[n], v);
                expect(args, kStatus[order[g].kind], a.params[n].name + "=" + std::to_string(v));
            }
    for (int mask = 1; mask < (1 << G); ++mask) {
        if (std::popcount(unsigned(mask)) < 2) continue;
        std::vector<Arg> args = a.args;
        std::string what;
        for (int b = 0; b < G; ++b)
            if (mask >> b & 1) {
                const std::vector<int>& m = members[b];
                const std::vector<long long> bad = bad_values(order[b].kind, a.esz);
                const int n = m[(mask + b) % m.size()];
                spoil(args[n], bad[(7 * mask + b) % bad.size()]);
                what += a.params[n].name + " ";
            }
        expect(args, kStatus[order[std::countr_zero(unsigned(mask))].kind], what);
    }
    EXPECT_TRUE(a.run());
}
inline void check_faults(Arena& a, const std::vector<Grp>& order) {
    check_faults(a, std::vector<Check>(order.begin(), order.end()));
}

// ---- Thresholds -----------------------------------------------------------------------------
// `c` is the smallest count whose work estimate reaches the threshold. Below it the call must
// not ask for the thread count; from it on the driver asks once to decide and once for the
// team, and with one thread (or more threads than objects) it asks once and stays serial.
// Every run must give the reference's bits; a work buffer must stay untouched when the
// driver splits the array (its threads use scratch of their own).
inline void expect_threshold(const std::function<std::unique_ptr<Arena>(int)>& make, int c) {
    struct Restore {
        ~Restore() { thread_counter::set(4); }
    } restore;
    auto call = [](Arena& a, int threads, int asks, bool split) {
        a.reset();
        thread_counter::set(threads);
        thread_counter::reset_calls();
        EXPECT_TRUE(a.run(!split)) << threads << " threads";
        EXPECT_EQ(thread_counter::calls(), asks) << a.what() << ", " << threads << " threads";
    };
    call(*make(c - 1), 4, 0, false);
    const std::unique_ptr<Arena> at = make(c);
    call(*at, 4, 2, true);
    call(*at, 1, 1, false);
    call(*at, c + 1, 1, false);
}

// Tests over the exports of a table, with the parsed name also at hand as `n`.
template <const std::vector<Export>& (*Table)()>
class ExportTest : public th::ExportTest<Table, &parse> {
protected:
    const Name& n = this->d;
};

}  // namespace oa
