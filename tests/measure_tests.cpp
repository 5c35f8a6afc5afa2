// Determinant, trace and Frobenius norm: every export against an independent model (cofactor
// expansion and pivoted elimination, the flush of small norms form by form), in every layout
// and instruction-set variant;
// argument checks; the thresholds, and the per-thread scratch of the parallel determinant,
// observed through the thread counter.
#include <fstream>
#include <set>

#include "frame/isa.hpp"
#include "operand_arena.hpp"

using namespace oa;

namespace {

const std::vector<Export>& exports() {
    static const std::vector<Export> all = {
        TH_SINGLE(Det, m) TH_ARRAY(Det, ma) TH_SINGLE(Trace, m) TH_ARRAY(Trace, ma) TH_SINGLE(FrobNorm, m) TH_ARRAY(FrobNorm, ma)
    };
    return all;
}

// The determinant of the first R rows and the columns `cols` of a (row-major, order n):
// expanded along its last row, each minor the same way down to the 2 x 2 minors of rows 0
// and 1, the terms taken from the highest column to the lowest with the cofactor signs.
template <class T>
T cofactors(const std::vector<T>& a, int n, int R, const std::vector<int>& cols) {
    if (R == 2) return a[cols[0]] * a[n + cols[1]] - a[cols[1]] * a[n + cols[0]];
    T acc = T(0);
    for (int p = R - 1; p >= 0; --p) {
        std::vector<int> rest = cols;
        rest.erase(rest.begin() + p);
        const T term = cofactors(a, n, R - 1, rest) * a[(R - 1) * n + cols[p]];
        acc = p == R - 1 ? term : (R - 1 + p) % 2 == 0 ? acc + term : acc - term;
    }
    return acc;
}

// Gaussian elimination with partial pivoting through a row permutation: ties keep the earlier
// row, a pivot below 2 n^3 times the smallest normal number makes the determinant 0.
template <class T>
T eliminate(std::vector<T> a, int n) {
    std::vector<int> p(n);
    std::iota(p.begin(), p.end(), 0);
    auto A = [&](int r, int c) -> T& { return a[std::size_t(r) * n + c]; };
    const T tau = T(2 * n * n * n) * std::numeric_limits<T>::min();
    T d = T(1), s = T(1);
    for (int k = 0; k + 1 < n; ++k) {
        int c = k;
        for (int i = k + 1; i < n; ++i)
            if (std::fabs(A(p[i], k)) > std::fabs(A(p[c], k))) c = i;
        if (c != k) std::swap(p[k], p[c]), s = -s;
        const T pivot = A(p[k], k);
        if (tau > std::fabs(pivot)) return T(0);
        for (int i = k + 1; i < n; ++i) {
            const T f = A(p[i], k) / pivot;
            for (int j = k + 1; j < n; ++j) A(p[i], j) = A(p[i], j) - A(p[k], j) * f;
        }
        d = d * pivot;
    }
    const T last = A(p[n - 1], n - 1);
    return std::fabs(last) > tau ? d * (s * last) : T(0);
}

// Whether a form flushes a sum of squares below epsilon (or NaN) to 0.
bool flushes(const Name& n, int w, int h) {
    if (!n.array) return !(n.lay == Std && n.esz == 8);
    return n.lay == Ptr ? !(w == 3 && h == 3) : !(w == h && w >= 3 && w <= 6);
}

struct Case {
    int w = 3, h = 3, count = 1, style = 0;  // order: w
    unsigned seed = 1;
};

std::unique_ptr<Arena> make(const Export& ex, const Case& c) {
    const Name n = parse(ex.name);
    const bool det = n.op == "Det", frob = n.op == "FrobNorm";
    const int w = c.w, h = frob ? c.h : c.w, count = n.array ? c.count : 1;
    auto a = std::make_unique<Arena>(ex, count, kStyles[c.style], c.seed);
    const int src = a->operand("src", true, h, w, n.array, n.lay, a->st.step[0]);
    if (frob) a->integer("width", RSize, w), a->integer("height", RSize, h);
    else a->integer("order", RSize, w);
    const int buf = det ? a->packed("buffer", std::size_t(w) * w + w) : -1;
    const int out = a->packed("dst", count);
    if (n.array) a->integer("count", RCount, count);
    a->build();
    if (w < 3 || w > 6) a->scratch = buf;  // the cofactor orders leave the buffer alone

    th::typed(n.esz, [&](auto z) {
        using T = decltype(z);
        std::mt19937& r = a->rng;
        // Norms: integers times one power of two per matrix, so that every order of summation
        // gives the same exact sum, small enough to flush or not; sums of exactly epsilon (two
        // elements of sqrt(epsilon / 2)); a NaN or an infinity. Traces: mixed magnitudes or
        // signed zeros (a sum from +0). Determinants: mixed magnitudes, small integers (ties,
        // singular matrices), a first column of one magnitude (ties), magnitudes around the
        // singularity tolerance of the order.
        const int lo = n.esz == 4 ? -16 : -30, half_eps = n.esz == 4 ? -12 : -26;
        const int tau_exp = std::ilogb(T(2 * w * w * w) * std::numeric_limits<T>::min());
        for (int k = 0; k < count; ++k) {
            const int mode = int(r() % (frob ? 8 : 4)), e = lo + int(r() % (5 - lo)), spot = int(r() % (w * h));
            const T tie = mixed<T>(r, 4, false);
            for (int i = 0; i < h; ++i)
                for (int j = 0; j < w; ++j) {
                    T v = mixed<T>(r, 6);
                    if (frob)
                        v = mode == 5 ? (i * w + j < 2 ? std::ldexp(T(1), half_eps) : T(0))
                            : mode >= 6 && i * w + j == spot ? (mode == 6 ? std::numeric_limits<T>::quiet_NaN() : -INFINITY)
                                                             : std::ldexp(T(int(r() % 63) - 31), e);
                    else if (!det) v = mode == 3 ? T((r() & 1) ? -0.0 : 0.0) : v;  // traces of signed zeros
                    else if (mode == 1) v = T(int(r() % 5) - 2);
                    else if (mode == 2 && j == 0) v = r() % 2 ? tie : -tie;
                    else if (mode == 3) v = std::ldexp(mixed<T>(r, 3), tau_exp);
                    a->put(src, k, i, j, v);
                }
        }
        a->seal();
        std::vector<int> cols(w);
        std::iota(cols.begin(), cols.end(), 0);
        for (int k = 0; k < count; ++k) {
            std::vector<T> m(std::size_t(w) * h);
            for (int i = 0; i < h; ++i)
                for (int j = 0; j < w; ++j) m[std::size_t(i) * w + j] = a->get<T>(src, k, i, j);
            T v = T(0);
            if (det) v = w >= 3 && w <= 6 ? cofactors(m, w, w, cols) : eliminate(m, w);
            else if (!frob)
                for (int i = 0; i < w; ++i) v = v + m[std::size_t(i) * w + i];
            else {
                for (T x : m) v = v + x * x;
                v = flushes(n, w, h) && !(v >= std::numeric_limits<T>::epsilon()) ? T(0) : std::sqrt(v);
            }
            a->expect(out, 0, 0, k, v);
        }
    });
    return a;
}

class MeasureExport : public ExportTest<exports> {};
class ArrayExport : public MeasureExport {};

}  // namespace

TEST(MeasureExports, TableCoversEveryExportOfTheFamilies) {
    const auto listed = th::listed_exports(
        [](const std::string& s) { return th::starts_with_any(s, {"rukmDet_", "rukmTrace_", "rukmFrobNorm_"}); });
    const auto table = th::names(exports());
    EXPECT_EQ(table, listed);
    EXPECT_EQ(table.size(), 30u);
}

// Orders 1 to 9 (elimination, cofactors 3 to 6, elimination again); norms of square and
// oblong shapes on both sides of the forms that keep the exact sum; every instruction-set
// variant, with counts that fill vector lanes and leave tails.
TEST_P(MeasureExport, BitExactInEveryLayoutVariantAndSize) {
    const std::pair<int, int> shapes[] = {{1, 1}, {2, 2}, {3, 3}, {4, 4}, {5, 5}, {6, 6}, {7, 7}, {8, 8}, {9, 9},
                                          {3, 4}, {4, 3}, {1, 6}, {6, 1}, {2, 9}, {7, 5}};
    const int counts[] = {1, 2, 3, 5, 8, 17};
    const rukm::IsaRestore restore;
    const int best = int(rukm::detected_isa());
    unsigned seed = 0;
    thread_counter::reset_calls();
    for (int v = n.lay == Ptr ? best : 0; v <= best; ++v) {  // element pointers: one kernel
        rukm::pin_isa(rukm::Isa(v));
        for (const auto& [w, h] : shapes) {
            if (n.op != "FrobNorm" && w != h) continue;
            for (int style = 0; style < 5; ++style)
                for (int rep = 0; rep < 3; ++rep) {
                    ++seed;
                    ASSERT_TRUE(make(ex, Case{w, h, counts[seed % 6], style, seed})->run()) << "variant " << v;
                }
        }
    }
    EXPECT_EQ(thread_counter::calls(), 0) << "far below the thresholds nothing asks for the thread count";
}

TEST_P(MeasureExport, FirstFailingCheckGroupDecidesAndNothingIsWritten) {
    check_faults(*make(ex, Case{3, 2, 3, 2, 11}), general_order(n));
}

// Orders 8 and 3 for the determinant: elimination in per-thread scratch, cofactors.
TEST_P(ArrayExport, DriverFromTheThresholdOnWithIdenticalResults) {
    const bool det = n.op == "Det", frob = n.op == "FrobNorm";
    for (const auto& [style, w, h] : {std::tuple{0, det ? 8 : frob ? 3 : 5, 3}, std::tuple{2, det ? 3 : 2, 5}}) {
        const bool contiguous = kStyles[style].step[0] == 1;
        const int limit = n.lay == List && n.esz == 4 && contiguous ? 40001 : 20001;
        int c = 1;
        while ((frob ? w * h : w) * c < limit) ++c;
        expect_threshold([&](int count) { return make(ex, Case{w, h, count, style, unsigned(count)}); }, c);
    }
}

INSTANTIATE_TEST_SUITE_P(All, MeasureExport, testing::ValuesIn(MeasureExport::all()), MeasureExport::test_name);
INSTANTIATE_TEST_SUITE_P(All, ArrayExport, testing::ValuesIn(MeasureExport::arrays()), MeasureExport::test_name);

// Worked cases whose results follow from the definitions alone.
TEST(MeasureResults, WorkedExamples) {
    float buf[9 * 9 + 9], v = 1;
    auto det = [&](std::vector<float> a, int order) {
        EXPECT_EQ(rukmDet_m_32f(a.data(), 4 * order, 4, order, buf, &v), rukOk);
        return v;
    };
    EXPECT_EQ(det({1, 0, 0, 0, 1, 0, 0, 0, 1}, 3), 1.0f);
    EXPECT_EQ(det({1.1f, 2.3f, 3.7f, 1.1f, 2.3f, 3.7f, 4, 5, 6}, 3), 0.0f);  // equal rows cancel exactly
    EXPECT_EQ(det({0, 1, 1, 0}, 2), -1.0f);                                   // one exchange
    EXPECT_EQ(det({1e-39f}, 1), 0.0f);                                        // below 2 * smallest normal
    EXPECT_EQ(det({1e-37f}, 1), 1e-37f);
    std::vector<float> seven(49);
    for (int e = 0; e < 49; ++e) seven[e] = e % 7 == 4 ? 0.0f : float(e * e % 11) - 5;  // column 4 zero
    EXPECT_EQ(det(seven, 7), 0.0f);
    float tiny[10], m3 = -3;
    std::fill(tiny, tiny + 10, 1e-4f);
    ASSERT_EQ(rukmFrobNorm_m_32f(tiny, 12, 4, 3, 3, &v), rukOk);  // 9e-8 is below epsilon
    EXPECT_EQ(v, 0.0f);
    float two[2];
    ASSERT_EQ(rukmFrobNorm_ma_32f(tiny, 4, 12, 4, 3, 3, two, 2), rukOk);  // the 3 x 3 array form keeps it
    EXPECT_FLOAT_EQ(two[0], 3e-4f);
    EXPECT_FLOAT_EQ(two[1], 3e-4f);
    ASSERT_EQ(rukmFrobNorm_m_32f(&m3, 4, 4, 1, 1, &v), rukOk);
    EXPECT_EQ(v, 3.0f);
    ASSERT_EQ(rukmTrace_m_32f(&m3, 4, 4, 1, &v), rukOk);
    EXPECT_EQ(v, -3.0f);
}
