// Vector algebra (dot and cross products, Euclidean norms, linear combinations, Saxpy) and
// the homogeneous 3-D transform: every export against an independent model of its operands
// and numerics, in every layout and instruction-set variant; argument checks; the thresholds
// observed through the thread counter.
#include <cfloat>
#include <fstream>
#include <set>

#include "frame/isa.hpp"
#include "operand_arena.hpp"

using namespace oa;

namespace {

const std::vector<Export>& exports() {
    static const std::vector<Export> all = {
        TH_SINGLE(DotProduct, vv) TH_ARRAY(DotProduct, vav) TH_ARRAY(DotProduct, vava)
        TH_SINGLE(CrossProduct, vv) TH_ARRAY(CrossProduct, vav) TH_ARRAY(CrossProduct, vva)
        TH_ARRAY(CrossProduct, vava) TH_SINGLE(L2Norm, v) TH_ARRAY(L2Norm, va)
        TH_SINGLE(LComb, vv) TH_ARRAY(LComb, vav) TH_ARRAY(LComb, vava)
        TH_SINGLE(Saxpy, vv) TH_ARRAY(Saxpy, vav) TH_ARRAY(Saxpy, vva) TH_ARRAY(Saxpy, vava)
        th::wrap("rukmAffineTransform3DH_mva_32f", &rukmAffineTransform3DH_mva_32f),
    };
    return all;
}

// The sum of the products p in the order a kernel forms it. Lengths 3 to 6 add in a fixed
// tree; other lengths add from +0 in increasing order, except in the contiguous single forms
// (`lanes`), which follow the 16-byte alignment of the address b: the products before the
// boundary in order, blocks of eight in two accumulators of 16 bytes (lane j of A takes
// products j and 4 + j of a 32f block, lane j of B products 4 + j; in 64f A takes the pairs
// 0-1 and 4-5, B the pairs 2-3 and 6-7), the lanes combined, then the tail in order.
template <class T>
T reference_sum(const std::vector<T>& p, bool lanes, std::uintptr_t b) {
    const int n = int(p.size());
    switch (n) {
    case 3: return (p[0] + p[1]) + p[2];
    case 4: return (p[0] + p[1]) + (p[2] + p[3]);
    case 5: return ((p[0] + p[1]) + (p[2] + p[3])) + p[4];
    case 6: return ((p[0] + p[1]) + (p[2] + p[3])) + (p[4] + p[5]);
    }
    constexpr int W = 16 / sizeof(T);
    const int h = b % 16 == 0 ? 0 : int((16 - b % 16) / sizeof(T));
    T s = T(0);
    if (!lanes || b % sizeof(T) != 0 || n < h + 8) {
        for (T x : p) s = s + x;
        return s;
    }
    for (int i = 0; i < h; ++i) s = s + p[i];
    const int e = n - (n - h) % 8;
    T A[W] = {s}, B[W] = {};
    for (int m = h; m < e; m += 8)
        for (int j = 0; j < W; ++j) {
            if (W == 4) A[j] = A[j] + p[m + j], B[j] = B[j] + p[m + 4 + j];
            else A[j] = (A[j] + p[m + j]) + p[m + 4 + j], B[j] = (B[j] + p[m + 2 + j]) + p[m + 6 + j];
        }
    T t[W];
    for (int j = 0; j < W; ++j) t[j] = A[j] + B[j];
    s = W == 4 ? (t[0] + t[2]) + (t[1] + t[3]) : t[0] + t[1];
    for (int i = e; i < n; ++i) s = s + p[i];
    return s;
}

struct Case {
    int len = 4, count = 1, style = 0;
    unsigned seed = 1;
    int align[2] = {-1, -1};  // byte offsets of src1 and src2 from a 64-byte boundary
};

// Weights the transform must treat as degenerate, and some just beside them.
const float kWeights[] = {0.0f, -0.0f, 1e-39f, -1e-39f, NAN, FLT_MIN, -FLT_MIN, 1.2e-38f, -1.2e-38f,
                          std::nextafter(FLT_MIN, 1.0f), 1.0f, -2.5f, 1e30f};

// The transform: every point (x, y, z, 1) through the 4x4 matrix, divided by its weight.
std::unique_ptr<Arena> make_transform(const Export& ex, const Case& c) {
    auto a = std::make_unique<Arena>(ex, c.count, kStyles[c.style], c.seed);
    const Style& st = a->st;
    const int m = a->operand("src1", true, 4, 4, false, Std, st.step[0]);
    const int p = a->operand("src2", false, 1, 3, true, Std, st.step[1]);
    const int d = a->operand("dst", false, 1, 3, true, Std, st.step[2]);
    a->integer("count", RCount, c.count);
    a->build();
    // Odd seeds: a general matrix. Even seeds: the weight is x itself, and many points get a
    // weight at or beside the smallest normal, zero or NaN.
    const bool weights = c.seed % 2 == 0;
    float M[4][4];
    for (int i = 0; i < 4; ++i)
        for (int j = 0; j < 4; ++j) {
            M[i][j] = i == 3 && weights ? (j == 0 ? 1.0f : 0.0f) : mixed<float>(a->rng, 8, false);
            a->put(m, 0, i, j, M[i][j]);
        }
    for (int k = 0; k < c.count; ++k)
        for (int j = 0; j < 3; ++j)
            a->put(p, k, 0, j,
                   weights && j == 0 && a->rng() % 2 ? kWeights[a->rng() % std::size(kWeights)] : mixed<float>(a->rng, 10, !weights));
    a->seal();
    for (int k = 0; k < c.count; ++k) {
        const float x = a->get<float>(p, k, 0, 0), y = a->get<float>(p, k, 0, 1), z = a->get<float>(p, k, 0, 2);
        const float w = ((M[3][0] * x + M[3][3]) + M[3][1] * y) + M[3][2] * z;
        const bool degenerate = !(std::fabs(w) > FLT_MIN);
        if (degenerate) a->status = rukErrDivByZero;
        const float r = 1.0f / w;
        for (int i = 0; i < 3; ++i) {
            const float t = ((M[i][0] * x + M[i][3]) + M[i][1] * y) + M[i][2] * z;
            a->expect(d, k, 0, i, degenerate ? FLT_MAX : t * r);
        }
    }
    return a;
}

// Any vector-algebra export, with its operands laid out, filled and its results predicted.
std::unique_ptr<Arena> make(const Export& ex, const Case& c) {
    const Name n = parse(ex.name);
    if (n.op == "AffineTransform3DH") return make_transform(ex, c);
    const bool dot = n.op == "DotProduct", norm = n.op == "L2Norm", cross = n.op == "CrossProduct";
    const bool lcomb = n.op == "LComb", saxpy = n.op == "Saxpy";
    const int len = cross ? 3 : c.len, count = n.array ? c.count : 1;
    bool arr[2] = {};
    for (int q = -1; char ch : n.code) ch == 'a' ? void(arr[q] = true) : void(++q);
    auto lay = [&](bool a) { return n.lay == List && !a ? Std : n.lay; };
    auto a = std::make_unique<Arena>(ex, count, kStyles[c.style], c.seed);
    const Style& st = a->st;
    const int nsrc = norm ? 1 : 2;
    int src[2] = {}, out;
    double scale[2] = {};
    th::typed(n.esz, [&](auto z) {
        for (double& s : scale) s = mixed<decltype(z)>(a->rng, 6, false);
    });
    src[0] = a->operand(norm ? "src" : "src1", false, 1, len, arr[0], lay(arr[0]), st.step[0], c.align[0]);
    if (lcomb || saxpy) a->value(lcomb ? "scale1" : "scale", scale[0]);
    if (!norm) src[1] = a->operand("src2", false, 1, len, arr[1], lay(arr[1]), st.step[1], c.align[1]);
    if (lcomb) a->value("scale2", scale[1]);
    if (dot || norm) out = a->packed("dst", count);
    else out = a->operand("dst", false, 1, len, n.array, lay(n.array), st.step[2]);
    if (!cross) a->integer("len", RSize, len);
    if (n.array) a->integer("count", RCount, count);
    a->build();

    th::typed(n.esz, [&](auto z) {
        using T = decltype(z);
        // Seeds 8m + 6: all-zero vectors (signed zero sums); 8m + 7: magnitudes whose squares
        // overflow; otherwise mixed magnitudes, which expose any other order of summation.
        const int mode = c.seed % 8;
        const int e = std::numeric_limits<T>::max_exponent;
        for (int q = 0; q < nsrc; ++q)
            for (int k = 0; k < (arr[q] ? count : 1); ++k)
                for (int i = 0; i < len; ++i)
                    a->put<T>(src[q], k, 0, i,
                              mode == 6   ? ((a->rng() & 1) ? T(-0.0) : T(0.0))
                              : mode == 7 ? std::ldexp(mixed<T>(a->rng, 2, false), e / 2 + int(a->rng() % 3) - 1)
                                          : mixed<T>(a->rng));
        a->seal();
        const bool lanes = !n.array && n.lay == Std && a->contiguous();
        const T s1 = T(scale[0]), s2 = T(scale[1]);
        for (int k = 0; k < count; ++k) {
            auto x = [&](int i) { return a->get<T>(src[0], k, 0, i); };
            auto y = [&](int i) { return a->get<T>(src[nsrc - 1], k, 0, i); };
            if (dot || norm) {
                std::vector<T> p(len);
                for (int i = 0; i < len; ++i) p[i] = x(i) * y(i);
                const T s = reference_sum(p, lanes, reinterpret_cast<std::uintptr_t>(a->addr(src[nsrc - 1], 0, 0, 0)));
                a->expect<T>(out, 0, 0, k, norm ? std::sqrt(s) : s);
            } else if (cross) {
                a->expect<T>(out, k, 0, 0, x(1) * y(2) - x(2) * y(1));
                a->expect<T>(out, k, 0, 1, x(2) * y(0) - x(0) * y(2));
                a->expect<T>(out, k, 0, 2, x(0) * y(1) - x(1) * y(0));
            } else {
                for (int i = 0; i < len; ++i) a->expect<T>(out, k, 0, i, lcomb ? s1 * x(i) + s2 * y(i) : s1 * x(i) + y(i));
            }
        }
    });
    return a;
}

// The work estimate of an array call and the smallest estimate that goes to the driver.
long long estimate(const Name& n, long long len, long long c) {
    const bool both = n.code == "vava";
    if (n.op == "AffineTransform3DH") return 6 * c + 16;
    if (n.op == "CrossProduct") return both ? 3 * c : 2 * c + 1;
    if (n.op == "L2Norm") return len * c;
    if (n.op == "DotProduct") return both ? 2 * len * c : len * (c + 1);
    return both ? 3 * len * c : len * (2 * c + 1);  // LComb, Saxpy
}
int threshold(const Name& n, bool contiguous) {
    const bool f32 = n.esz == 4;
    if (n.op == "AffineTransform3DH") return 2001;
    if (n.op == "Saxpy") return 40001;
    if (n.op == "L2Norm") return 20001;
    if (n.op == "DotProduct") return n.lay == Ptr ? (f32 ? 20001 : 40001) : contiguous ? 40001 : 20001;
    if (n.op == "CrossProduct") return n.lay == List && f32 ? 40001 : 20001;
    return n.lay == List && f32 && contiguous ? 40001 : 20001;  // LComb
}

std::vector<Grp> check_order(const Name& n) {
    if (n.op == "AffineTransform3DH") return {GPtr, GCnt, GStride};
    if (n.op != "CrossProduct") return general_order(n);
    // The cross product has no size argument and an order of its own per form.
    if (!n.array) return {GPtr, n.lay == Ptr ? GShift : GStride};
    if (n.code == "vav") {
        if (n.lay == Std) return {GPtr, GStride, GCnt};
        if (n.lay == List) return {GPtr, GStride, GShift, GCnt};
        return {GPtr, GStride, GCnt, GShift};
    }
    if (n.lay == Std) return {GPtr, GCnt, GStride};
    return {GPtr, GCnt, GStride, GShift};
}

class VectorExport : public ExportTest<exports> {};
class ArrayExport : public VectorExport {};

}  // namespace

TEST(VectorExports, TableCoversEveryExportOfTheFamilies) {
    const auto listed = th::listed_exports([](const std::string& s) {
        return th::starts_with_any(s, {"rukmDotProduct_", "rukmCrossProduct_", "rukmL2Norm_", "rukmLComb_", "rukmSaxpy_",
                                   "rukmAffineTransform3DH_"});
    });
    const auto table = th::names(exports());
    EXPECT_EQ(table, listed);
    EXPECT_EQ(table.size(), 87u);
}

// Lengths around the special sizes and the lane blocks; for the cross product only the count
// varies, for the transform the length is the number of points (vector tails of 4, 8, 16).
TEST_P(VectorExport, BitExactInEveryLayoutVariantAndSize) {
    const int lens[] = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 15, 16, 17, 24, 33, 47, 70};
    const int counts[] = {1, 2, 3, 5, 8, 17, 33};  // whole lane blocks of 8 and 16 objects, and tails
    const rukm::IsaRestore restore;
    const int best = int(rukm::detected_isa());
    unsigned seed = 0;
    thread_counter::reset_calls();
    for (int v = n.lay == Ptr ? best : 0; v <= best; ++v) {  // element pointers: one kernel
        rukm::pin_isa(rukm::Isa(v));
        for (int len : lens)
            for (int style = 0; style < 5; ++style) {
                ++seed;
                const int count = n.op == "AffineTransform3DH" ? len : counts[seed % 7];
                ASSERT_TRUE(make(ex, Case{len, count, style, seed})->run()) << "variant " << v;
            }
    }
    EXPECT_EQ(thread_counter::calls(), 0) << "far below the thresholds nothing asks for the thread count";
    // The single standard forms with every element-aligned placement of both sources: the
    // contiguous dot product and norm place their lanes by src2's (src's) 16-byte alignment.
    if (n.array || n.lay != Std) return;
    for (int len : lens)
        for (int a1 = 0; a1 < 16; a1 += n.esz)
            for (int a2 = 0; a2 < 16; a2 += n.esz) {
                Case c{len, 1, 0, ++seed};
                c.align[0] = 16 + a1, c.align[1] = 32 + a2;
                ASSERT_TRUE(make(ex, c)->run());
                c.style = 1;  // same alignment, guard bytes around every operand
                ASSERT_TRUE(make(ex, c)->run());
            }
}

TEST_P(VectorExport, FirstFailingCheckGroupDecidesAndNothingIsWritten) {
    check_faults(*make(ex, Case{5, 3, 2, 11}), check_order(n));
}

TEST_P(ArrayExport, DriverFromTheThresholdOnWithIdenticalResults) {
    for (const auto& [style, len] : {std::pair{0, 4}, std::pair{2, 7}}) {
        const bool contiguous = kStyles[style].step[0] == 1 && kStyles[style].step[1] == 1;
        int c = 1;
        while (estimate(n, len, c) < threshold(n, contiguous)) ++c;
        expect_threshold([&](int count) { return make(ex, Case{len, count, style, 2u * count}); }, c);
    }
}

INSTANTIATE_TEST_SUITE_P(All, VectorExport, testing::ValuesIn(VectorExport::all()), VectorExport::test_name);
INSTANTIATE_TEST_SUITE_P(All, ArrayExport, testing::ValuesIn(VectorExport::arrays()), VectorExport::test_name);

// Worked cases whose results follow from the definitions alone.
TEST(VectorResults, WorkedExamples) {
    const float v34[2] = {3, 4}, big[2] = {1e30f, 1e30f};
    const double d34[2] = {3, 4};
    float f = 0;
    double d = 0;
    ASSERT_EQ(rukmL2Norm_v_32f(v34, 4, &f, 2), rukOk);
    EXPECT_EQ(f, 5.0f);
    ASSERT_EQ(rukmL2Norm_v_64f(d34, 8, &d, 2), rukOk);
    EXPECT_EQ(d, 5.0);
    ASSERT_EQ(rukmL2Norm_v_32f(big, 4, &f, 2), rukOk);  // no scaling: the squares overflow
    EXPECT_EQ(f, INFINITY);
    const float e0[3] = {1, 0, 0}, e1[3] = {0, 1, 0};
    float e2[3] = {};
    ASSERT_EQ(rukmCrossProduct_vv_32f(e0, 4, e1, 4, e2, 4), rukOk);
    EXPECT_EQ(std::vector<float>(e2, e2 + 3), (std::vector<float>{0, 0, 1}));
    // Contiguous lanes against plain order: products 2^24, 1, 1, 1, -2^24, 1, 1, 1 give 6 in
    // lanes (src2 on a 16-byte boundary) and 3 in plain order (src2 4 bytes beyond it).
    alignas(16) const float p32[8] = {0x1p24f, 1, 1, 1, -0x1p24f, 1, 1, 1}, ones32[12] = {1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1};
    ASSERT_EQ(rukmDotProduct_vv_32f(p32, 4, ones32, 4, &f, 8), rukOk);
    EXPECT_EQ(f, 6.0f);
    ASSERT_EQ(rukmDotProduct_vv_32f(p32, 4, ones32 + 1, 4, &f, 8), rukOk);
    EXPECT_EQ(f, 3.0f);
    // 64f: the pairs 0-1 and 4-5 go to one accumulator, 2-3 and 6-7 to the other, so 2^53
    // absorbs the 1 and -2^53 keeps the 3 (3); in plain order both survive (4).
    alignas(16) const double p64[8] = {0x1p53, 0, -0x1p53, 0, 1, 0, 3, 0}, ones64[10] = {1, 1, 1, 1, 1, 1, 1, 1, 1, 1};
    ASSERT_EQ(rukmDotProduct_vv_64f(p64, 8, ones64, 8, &d, 8), rukOk);
    EXPECT_EQ(d, 3.0);
    ASSERT_EQ(rukmDotProduct_vv_64f(p64, 8, ones64 + 1, 8, &d, 8), rukOk);
    EXPECT_EQ(d, 4.0);
    // The transform with the affine weight row (0, 0, 0, 1) and a weight of 1.2e-38, divided.
    const float M[16] = {1, 0, 0, 1, 0, 2, 0, 0, 0, 0, 4, 0, 0, 0, 0, 1}, pt[3] = {1, 2, 3};
    float r[3];
    ASSERT_EQ(rukmAffineTransform3DH_mva_32f(M, 16, 4, pt, 12, 4, r, 12, 4, 1), rukOk);
    EXPECT_EQ(std::vector<float>(r, r + 3), (std::vector<float>{2, 4, 12}));
    const float W[16] = {1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1.2e-38f};
    ASSERT_EQ(rukmAffineTransform3DH_mva_32f(W, 16, 4, pt, 12, 4, r, 12, 4, 1), rukOk);
    EXPECT_EQ(r[0], 1.0f / 1.2e-38f);
}

// Linear combinations and Saxpy whose sources are all NaNs: scale1 * src1 comes first, so every
// result is src1's NaN, quieted, in every variant and on one to four threads (the array goes to
// the driver from 1,667 vectors of length 4 on).
template <class T, class F, class G>
void nan_payloads(F lcomb, G saxpy) {
    constexpr int len = 4, count = 3807, n = len * count;
    constexpr std::int32_t es = sizeof(T), os = len * es;
    std::mt19937 rng(5);
    std::vector<T> a(n), b(n), d(n);
    for (int i = 0; i < n; ++i) a[i] = th::random_nan<T>(rng), b[i] = th::random_nan<T>(rng);
    const rukm::IsaRestore restore;
    for (int threads = 1; threads <= 4; ++threads) {
        thread_counter::set(threads);
        for (int v = 0; v <= int(rukm::detected_isa()); ++v) {
            rukm::pin_isa(rukm::Isa(v));
            for (const bool lc : {true, false}) {
                std::fill(d.begin(), d.end(), T(0));
                const rukStatus s = lc ? lcomb(a.data(), os, es, T(1.5), b.data(), os, es, T(-0.75), d.data(), os, es, len, count)
                                       : saxpy(a.data(), os, es, T(1.5), b.data(), os, es, d.data(), os, es, len, count);
                ASSERT_EQ(s, rukOk);
                int wrong = 0;
                for (int i = 0; i < n; ++i) {
                    const T want = th::quieted(a[i]);
                    wrong += std::memcmp(&d[i], &want, sizeof(T)) != 0;
                }
                EXPECT_EQ(wrong, 0) << (lc ? "LComb " : "Saxpy ") << sizeof(T) * 8 << "f, " << threads
                                    << " thread(s), variant " << v;
            }
        }
    }
    thread_counter::set(4);
}

TEST(VectorResults, NaNSourcesGiveTheFirstSourcesPayload) {
    nan_payloads<float>(&rukmLComb_vava_32f, &rukmSaxpy_vava_32f);
    nan_payloads<double>(&rukmLComb_vava_64f, &rukmSaxpy_vava_64f);
}
