// Tests of the matrix-matrix products, the matrix-vector products and Gaxpy: bit-exact results
// in every layout and every instruction-set variant against an independent model, the argument
// checks, and the work thresholds observed through the thread counter this executable defines.
// Links the library's objects, to pin the instruction-set variant of the contiguous kernels.
#include <bit>
#include <climits>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <memory>
#include <random>
#include <set>

#include "frame/isa.hpp"
#include "product_support.hpp"
#include "thread_counter.hpp"

using namespace pt;

namespace {

struct Shape {
    int m, k, n;  // A is m x k, B k x n (matrix-vector forms: x has k elements, n unused)
};
const Shape kMatrixShapes[] = {{1, 1, 1}, {3, 3, 3}, {4, 4, 4}, {5, 5, 5}, {6, 6, 6}, {7, 7, 7},
                               {8, 8, 8}, {9, 9, 9}, {13, 13, 13}, {2, 3, 4}, {4, 3, 2}, {6, 6, 7},
                               {7, 6, 6}, {3, 4, 3}, {1, 9, 1}, {9, 1, 5}, {13, 5, 9}, {8, 2, 11}, {5, 4, 19}};
const Shape kVectorShapes[] = {{1, 1, 1}, {3, 3, 1}, {4, 4, 1}, {5, 5, 1}, {6, 6, 1}, {7, 7, 1},
                               {8, 8, 1}, {9, 9, 1}, {13, 13, 1}, {3, 2, 1}, {2, 3, 1}, {8, 5, 1},
                               {1, 9, 1}, {9, 1, 1}, {13, 4, 1}, {4, 13, 1}, {17, 9, 1}, {4, 5, 1}};
const int kCounts[] = {1, 2, 3, 5, 17};  // 17: whole registers of several objects, and a tail

class PerExport : public th::ExportTest<exports, &describe> {};

}  // namespace

TEST(Exports, TableCoversEveryProductExport) {
    const auto listed = th::listed_exports([](const std::string& s) {
        const std::size_t a = s.find('_'), b = s.find('_', a + 1);
        const bool scaling = s.substr(a + 1, b - a - 1).find('c') != std::string::npos;  // mc, vac, ...
        return s.rfind("rukmGaxpy_", 0) == 0 || (s.rfind("rukmMul_", 0) == 0 && !scaling);
    });
    const auto table = th::names(exports());
    int matvec = 0;
    for (const Export& e : exports()) matvec += describe(e.name).vecdst;
    EXPECT_EQ(table, listed);
    EXPECT_EQ(table.size(), 148u);
    EXPECT_EQ(matvec, 60);
}

// Packed styles reach the contiguous kernels: those run in every instruction-set variant the
// processor supports.
TEST_P(PerExport, BitExactForEveryLayoutStrideSizeAndVariant) {
    const rukm::IsaRestore restore;
    const int best = int(rukm::detected_isa());
    unsigned seed = GetParam() * 1000;
    for (const Shape& s : d.vecdst ? std::vector(std::begin(kVectorShapes), std::end(kVectorShapes))
                                   : std::vector(std::begin(kMatrixShapes), std::end(kMatrixShapes)))
        for (std::size_t style = 0; style < std::size(kStyles); ++style) {
            ++seed;
            Arena arena(ex, Case{s.m, s.k, s.n, kCounts[(seed + seed / 5) % 5], kStyles[style], seed});
            for (int v = style < 2 && d.lay != Ptr ? 0 : best; v <= best; ++v) {
                rukm::pin_isa(rukm::Isa(v));
                arena.reset();
                ASSERT_TRUE(arena.run()) << "variant " << v;
            }
        }
}

// ---- Argument checks ------------------------------------------------------------------------
namespace {

enum Grp { GPtr, GCnt, GSize, GAgree, GStride, GShift, kGroups };
const rukStatus kStatus[kGroups] = {rukErrNullPtr, rukErrCount, rukErrSize, rukErrSizeMismatch, rukErrStride,
                                    rukErrShift};

// Pointers, count, sizes, size agreement, strides (element-pointer forms: object strides
// only), shifts.
std::vector<Grp> check_order(const Desc& d) {
    std::vector<Grp> o = {GPtr};
    if (d.array) o.push_back(GCnt);
    o.insert(o.end(), {GSize, GAgree});
    if (d.lay != Ptr || d.array) o.push_back(GStride);
    if (d.lay != Std) o.push_back(GShift);
    return o;
}

std::vector<int> members(const Arena& a, Grp g) {
    std::vector<int> m;
    for (std::size_t n = 0; n < a.params.size(); ++n) {
        const Role r = a.params[n].role;
        const bool in = g == GPtr     ? r == RPtr
                        : g == GCnt   ? r == RCount
                        : g == GSize  ? r == RSize
                        : g == GAgree ? a.params[n].agree
                        : g == GStride ? r == RObj || r == RRow || r == RElem
                                       : r == RShift;
        if (in) m.push_back(int(n));
    }
    return m;
}

// Bad values of a group; a size-agreement fault is a valid size that no longer agrees.
std::vector<long long> bad_values(int g, int esz, long long valid) {
    switch (g) {
    case GPtr: return {0};
    case GCnt: case GSize: return {0, -1, INT32_MIN};
    case GAgree: return {valid + 1, valid + 5};
    case GStride: return {0, -esz, esz / 2, esz + esz / 2, INT32_MIN, esz == 8 ? 4 : -1};
    default: return {-esz, esz / 2, 1, INT32_MIN, esz == 8 ? 4 : 2};
    }
}

void spoil(Arg& a, long long v) { a.p = nullptr, a.i = v; }

}  // namespace

TEST_P(PerExport, FirstFailingCheckGroupDecidesAndNothingIsWritten) {
    Arena arena(ex, Case{2, 3, 4, 3, kStyles[2], 11});
    const std::vector<Grp> order = check_order(d);
    std::vector<int> m[kGroups];
    for (int g = 0; g < kGroups; ++g) {
        m[g] = members(arena, Grp(g));
        ASSERT_EQ(m[g].empty(), std::find(order.begin(), order.end(), g) == order.end()) << ex.name << " group " << g;
    }
    auto expect = [&](const std::vector<Arg>& a, rukStatus want, const std::string& what) {
        EXPECT_EQ(ex.call(a), want) << ex.name << " with " << what;
        EXPECT_TRUE(arena.unchanged()) << ex.name << " wrote memory with " << what;
    };
    // Every member of every group, alone, with every kind of bad value.
    for (int g = 0; g < kGroups; ++g)
        for (int n : m[g])
            for (long long v : bad_values(g, d.esz, arena.args[n].i)) {
                std::vector<Arg> a = arena.args;
                spoil(a[n], v);
                expect(a, kStatus[g], arena.params[n].name + "=" + std::to_string(v));
            }
    // Faults in several groups at once: the first group in the export's order decides. The
    // faults are set from the last group to the first, so that an agreement fault never
    // overwrites a bad size of the same parameter.
    const int G = int(order.size());
    for (int mask = 1; mask < (1 << G); ++mask) {
        if (std::popcount(unsigned(mask)) < 2) continue;
        std::vector<Arg> a = arena.args;
        std::string what;
        for (int b = G - 1; b >= 0; --b)
            if (mask >> b & 1) {
                const std::vector<int>& mm = m[order[b]];
                const int n = mm[(mask + b) % mm.size()];
                const std::vector<long long> bad = bad_values(order[b], d.esz, arena.args[n].i);
                spoil(a[n], bad[(7 * mask + b) % bad.size()]);
                what += arena.params[n].name + " ";
            }
        expect(a, kStatus[order[std::countr_zero(unsigned(mask))]], what);
    }
    EXPECT_TRUE(arena.run());
}

// ---- Worked examples ------------------------------------------------------------------------
// Hand-computed values where the summation order and the kernel's starting value show.
TEST(Results, SummationOrderOfMulAndGaxpy) {
    const float big = 16777216.0f;  // 2^24: adding 1 rounds back, adding 3 rounds to 2^24 + 4
    // Row 0 of a 4x4 (and of a 4x5 with a zero last column), x all ones, y zero.
    float a[4][5] = {{1, 1, 1, big, 0}}, x[5] = {1, 1, 1, 1, 1}, y[4] = {}, out[4];
    ASSERT_EQ(rukmMul_mv_32f(&a[0][0], 20, 4, 4, 4, x, 4, 4, out, 4), rukOk);
    EXPECT_EQ(out[0], big + 4);  // ((1 + 1) + 1) + 2^24
    ASSERT_EQ(rukmGaxpy_mv_32f(&a[0][0], 20, 4, 4, 4, x, 4, 4, y, 4, 4, out, 4), rukOk);
    EXPECT_EQ(out[0], big);  // ((2^24 + 1) + 1) + 1: the last column first
    ASSERT_EQ(rukmGaxpy_mv_32f(&a[0][0], 20, 4, 5, 4, x, 4, 5, y, 4, 4, out, 4), rukOk);
    EXPECT_EQ(out[0], big + 4);  // a 4x5 matrix runs the general loop in increasing k
    // Order 3 adds in increasing k: (1 + 1) + 2^24 = 2^24 + 2 exactly.
    float b[3][3] = {{1, 1, big}};
    ASSERT_EQ(rukmGaxpy_mv_32f(&b[0][0], 12, 4, 3, 3, x, 4, 3, y, 4, 3, out, 4), rukOk);
    EXPECT_EQ(out[0], big + 2);
}

TEST(Results, AllNegativeZeroProductsKeepTheirSignOnlyInSpecialSizes) {
    // Row 0 of A is -0, B is all ones: every product of dst(0, c) is -0.
    float a[16], b[16], out[16];
    std::fill(a, a + 16, 1.0f), std::fill(b, b + 16, 1.0f);
    auto row0_sign = [&](int n) {
        std::fill(a, a + n, -0.0f);
        std::fill(out, out + 16, 7.0f);
        EXPECT_EQ(rukmMul_mm_32f(a, 4 * n, 4, n, n, b, 4 * n, 4, n, n, out, 4 * n, 4), rukOk);
        EXPECT_EQ(out[0], 0.0f);
        return std::signbit(out[0]);
    };
    EXPECT_FALSE(row0_sign(2));  // general loop from +0
    EXPECT_TRUE(row0_sign(3));   // special sizes from the first product
    EXPECT_TRUE(row0_sign(4));
    // Pointer lists with an array second source and packed elements: general loop at order 3.
    const float* a3[1] = {a};
    const float* b3[1] = {b};
    float* o3[1] = {out};
    std::fill(a, a + 3, -0.0f);
    ASSERT_EQ(rukmMul_mama_32f_L(a3, 0, 12, 4, 3, 3, b3, 0, 12, 4, 3, 3, o3, 0, 12, 4, 1), rukOk);
    EXPECT_FALSE(std::signbit(out[0]));
    ASSERT_EQ(rukmMul_mam_32f_L(a3, 0, 12, 4, 3, 3, b, 12, 4, 3, 3, o3, 0, 12, 4, 1), rukOk);
    EXPECT_TRUE(std::signbit(out[0]));
}

// ---- Threads and thresholds -----------------------------------------------------------------
namespace {

// A layout class of array calls and the largest work estimate that stays serial there.
struct Limit {
    Lay lay;
    int style;  // 0 packed, 2 strided sources, 3 interleaved objects, 4 strided destination
    int serial_up_to;
};
const Limit kLimits[] = {{Std, 0, 36864}, {Std, 4, 18432}, {Std, 3, 18432}, {List, 0, 18432},
                         {List, 2, 18432}, {Ptr, 0, 9216},  {Ptr, 3, 9216}};
constexpr int kGaxpyLimit = 5000;

// A shape and count (at least 5 objects) whose estimate is `target` exactly or, where no
// shape reaches it (18432 with a matrix array by one vector, 18433 with two source arrays),
// the nearest below it (`up` false) or above it (`up` true). Squares of order 3 to 6 first
// when `square` is asked for, otherwise other shapes first.
std::pair<Shape, int> nearest(const Desc& d, std::int64_t target, bool up, bool square) {
    std::vector<Shape> shapes;
    for (int n = 3; n <= 6; ++n) shapes.push_back({n, n, n});
    const int top = d.vecdst ? 12 : 9;
    for (int m = 1; m <= top; ++m)
        for (int k = 1; k <= top; ++k)
            for (int n = 1; n <= (d.vecdst ? 1 : 9); ++n)
                if (m != k || (!d.vecdst && k != n) || m < 3 || m > 6) shapes.push_back({m, k, d.vecdst ? 1 : n});
    if (!square) std::rotate(shapes.begin(), shapes.begin() + 4, shapes.end());
    std::pair<Shape, int> best{{1, 1, 1}, 0};
    std::int64_t gap = target;
    for (const Shape& s : shapes) {
        const std::int64_t base = work_estimate(d, s.m, s.k, s.n, 0), per = work_estimate(d, s.m, s.k, s.n, 1) - base;
        const std::int64_t count = (target - base + (up ? per - 1 : 0)) / per;
        const std::int64_t off = std::abs(base + per * count - target);
        if (count >= 5 && off < gap) best = {s, int(count)}, gap = off;
    }
    return best;
}

}  // namespace

// At or below its limit an array call runs serially and never asks for the thread count;
// above it the call goes to the driver, which asks once to decide and once for the team.
// Four threads and one give the same bits, both those of the model.
TEST(Threads, ThresholdsAndIdenticalResultsWithOneAndFourThreads) {
    int config = 0;
    for (const Export& ex : exports()) {
        const Desc d = describe(ex.name);
        if (!d.array) continue;
        for (const Limit& l : kLimits) {
            if (l.lay != d.lay) continue;
            const int limit = d.gaxpy ? kGaxpyLimit : l.serial_up_to;
            const bool square = ++config % 2;
            auto arena = [&](bool up) {
                const auto [s, count] = nearest(d, limit + up, up, square);
                return std::make_unique<Arena>(ex, Case{s.m, s.k, s.n, count, kStyles[l.style], unsigned(config)});
            };
            auto run = [&](Arena& a, int threads, int asks) {
                thread_counter::set(threads);
                thread_counter::reset_calls();
                EXPECT_TRUE(a.run());
                EXPECT_EQ(thread_counter::calls(), asks)
                    << a.what() << " estimate " << work_estimate(d, a.c.m, a.c.k, a.c.n, a.c.count) << " threads "
                    << threads;
            };
            run(*arena(false), 4, 0);
            const auto above = arena(true);
            run(*above, 4, 2);
            const std::vector<unsigned char> four = above->mem;
            above->reset();
            run(*above, 1, 1);
            EXPECT_TRUE(above->mem == four) << above->what();
            above->reset();
            run(*above, above->c.count + 1, 1);  // fewer objects than threads
        }
    }
    thread_counter::set(4);
}

TEST(Threads, SingleFormsNeverAskForTheThreadCount) {
    thread_counter::set(4);
    const std::pair<const char*, Shape> big[] = {{"rukmMul_mm_32f", {60, 70, 50}},
                                                 {"rukmMul_tt_64f_P", {40, 40, 40}},
                                                 {"rukmMul_tv_32f", {300, 300, 1}},
                                                 {"rukmGaxpy_mv_64f_P", {200, 150, 1}}};
    for (const auto& [name, s] : big) {
        Arena arena(find(name), Case{s.m, s.k, s.n, 1, kStyles[2], 3});
        thread_counter::reset_calls();
        EXPECT_TRUE(arena.run());
        EXPECT_EQ(thread_counter::calls(), 0) << name;
    }
}

// Destinations of tens of megabytes are written past the caches (streaming stores) by the
// order-4 kernels when their objects are packed from a 64-byte boundary: every element must
// still be the sum in increasing k from the first product, on one thread and on two.
template <class T, class F>
void large_packed_order4(F mul) {
    constexpr std::int32_t n = 4, es = sizeof(T), rs = n * es, os = n * rs;
    const std::int32_t count = std::int32_t((40 << 20) / os);  // 40 MiB of results
    const std::size_t e = std::size_t(count) * n * n;
    auto alloc = [&] { return std::unique_ptr<T, decltype(&std::free)>(static_cast<T*>(std::aligned_alloc(64, e * es)), &std::free); };
    auto a = alloc(), b = alloc(), d = alloc();
    ASSERT_TRUE(a && b && d);
    std::mt19937 rng(7);
    std::uniform_int_distribution<int> digits(-999, 999), scale(-12, 12);
    for (std::size_t i = 0; i < e; ++i) {  // mixed magnitudes: a different order changes the sum
        a.get()[i] = std::ldexp(T(digits(rng)) / T(7), scale(rng));
        b.get()[i] = std::ldexp(T(digits(rng)) / T(3), scale(rng));
    }
    for (int threads : {1, 2}) {
        thread_counter::set(threads);
        std::fill_n(d.get(), e, std::numeric_limits<T>::quiet_NaN());
        ASSERT_EQ(mul(a.get(), os, rs, es, n, n, b.get(), os, rs, es, n, n, d.get(), os, rs, es, count), rukOk);
        std::size_t wrong = 0;
        for (std::int32_t k = 0; k < count; ++k) {
            const T* x = a.get() + std::size_t(k) * n * n;
            const T* y = b.get() + std::size_t(k) * n * n;
            const T* z = d.get() + std::size_t(k) * n * n;
            for (int i = 0; i < n; ++i)
                for (int j = 0; j < n; ++j) {
                    T s = x[i * n] * y[j];
                    for (int q = 1; q < n; ++q) s = s + x[i * n + q] * y[q * n + j];
                    wrong += std::memcmp(&s, &z[i * n + j], sizeof(T)) != 0;
                }
        }
        EXPECT_EQ(wrong, 0u) << threads << " thread(s)";
    }
}

TEST(LargeArrays, PackedOrder4ProductsPastTheCachesAreExact) {
    large_packed_order4<float>(&rukmMul_mama_32f);
    large_packed_order4<double>(&rukmMul_mama_64f);
}

INSTANTIATE_TEST_SUITE_P(All, PerExport, testing::ValuesIn(PerExport::all()), PerExport::test_name);
