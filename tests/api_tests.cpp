// Black-box tests of the addition, subtraction and scaling exports, the version record and
// the thread count, through the shared library only.
#include <omp.h>

#include <bit>
#include <climits>
#include <fstream>
#include <set>

#include "harness.hpp"
#include "rukcore.h"

using namespace th;
using namespace th::checks;

namespace {

const std::pair<int, int> kMatrixSizes[] = {{1, 1}, {2, 2}, {3, 3}, {4, 4}, {5, 5}, {6, 6}, {7, 7},
                                            {9, 9}, {3, 2}, {2, 5}, {4, 1}, {1, 6}, {7, 3}};
const std::pair<int, int> kVectorSizes[] = {{1, 1}, {2, 1}, {3, 1}, {4, 1}, {5, 1}, {6, 1}, {7, 1},
                                            {9, 1}, {17, 1}, {70, 1}};
const int kCounts[] = {1, 2, 3, 5};

class PerExport : public th::ExportTest<exports, &describe> {};

}  // namespace

TEST(Exports, TableCoversEveryAddSubAndScalingExport) {
    const std::set<std::string> scaling = {"mc", "tc", "vc", "mac", "tac", "vac", "vca", "vaca"};
    const auto listed = th::listed_exports([&](const std::string& s) {
        return th::starts_with_any(s, {"rukmAdd_", "rukmSub_"}) ||
               (s.rfind("rukmMul_", 0) == 0 && scaling.count(s.substr(8, s.find('_', 8) - 8)));
    });
    const auto table = th::names(exports());
    int counts[3] = {};
    for (const Export& e : exports()) ++counts[std::string("ASM").find(e.name[4])];
    EXPECT_EQ(table, listed);
    EXPECT_EQ(std::vector<int>(counts, counts + 3), (std::vector<int>{92, 154, 42}));
}

TEST_P(PerExport, ParameterKindsFollowTheLayoutOrder) {
    Arena arena(ex, Case{});
    EXPECT_EQ(arena.sig, ex.sig) << ex.name;
}

TEST_P(PerExport, BitExactForEveryLayoutStrideAndSize) {
    unsigned seed = 1;
    for (const auto& [w, h] : d.matrix ? std::vector(std::begin(kMatrixSizes), std::end(kMatrixSizes))
                                       : std::vector(std::begin(kVectorSizes), std::end(kVectorSizes)))
        for (std::size_t s = 0; s < std::size(kStyles); ++s)
            for (bool inplace : {false, true}) {
                if (inplace && (!can_inplace(d) || s % 2)) continue;
                ++seed;
                Arena arena(ex, Case{w, h, kCounts[seed % 4], kStyles[s], inplace, seed});
                ASSERT_TRUE(arena.run());
            }
}

// ---- Argument checks ------------------------------------------------------------------------
namespace {

// The order in which an export checks its argument groups.
std::vector<Grp> check_order(const Desc& d) {
    if (!d.array) return {GPtr, GSize, d.lay == Ptr ? GShift : GStride};
    if (d.code == "vav") {
        if (d.lay == Std) return {GPtr, GSize, GStride, GCnt};
        if (d.lay == List) return {GPtr, GSize, GStride, GShift, GCnt};
        return {GPtr, GSize, GStride, GCnt, GShift};
    }
    if (d.lay == Std && (d.code == "mam" || d.code == "mma")) return {GPtr, GCnt, GStride, GSize};
    if (d.lay == Std) return {GPtr, GCnt, GSize, GStride};
    return {GPtr, GCnt, GSize, GStride, GShift};
}

}  // namespace

TEST_P(PerExport, FirstFailingCheckGroupDecidesAndNothingIsWritten) {
    Arena arena(ex, Case{2, 3, 3, kStyles[2], false, 11});
    expect_check_order(ex, arena, check_order(d));
    EXPECT_TRUE(arena.run());
}

TEST(Checks, OrderExceptionsAndBadValues) {
    struct Edge {
        const char* name;
        std::vector<std::pair<std::string, long long>> set;
        rukStatus want;
    };
    const Edge edges[] = {
        {"rukmAdd_mam_32f", {{"count", 0}, {"src1", 0}}, rukErrNullPtr},
        {"rukmAdd_mam_32f", {{"count", 0}}, rukErrCount},
        {"rukmAdd_mam_32f", {{"width", 0}, {"src1ElemStride", 6}}, rukErrStride},
        {"rukmAdd_mama_32f", {{"width", 0}, {"src1ElemStride", 6}}, rukErrSize},
        {"rukmSub_mma_64f", {{"height", 0}, {"src2ObjStride", 0}}, rukErrStride},
        {"rukmSub_mma_64f_L", {{"height", 0}, {"src1RowStride", 0}}, rukErrSize},
        {"rukmAdd_vav_32f", {{"len", 0}, {"count", 0}}, rukErrSize},
        {"rukmAdd_vav_32f", {{"len", 1}, {"src2ElemStride", 6}, {"count", 0}}, rukErrStride},
        {"rukmSub_vav_32f_L", {{"count", 0}, {"dstShift", 2}}, rukErrShift},
        {"rukmSub_vav_32f_P", {{"count", 0}, {"dstShift", 2}}, rukErrCount},
        {"rukmAdd_vv_32f", {{"src1ElemStride", 0}}, rukErrStride},
        {"rukmAdd_vv_32f", {{"src2ElemStride", -4}}, rukErrStride},
        {"rukmAdd_vv_32f", {{"dstElemStride", 6}}, rukErrStride},
        {"rukmAdd_vv_32f_P", {{"src1Shift", -4}}, rukErrShift},
        {"rukmAdd_vv_32f_P", {{"dstShift", 2}}, rukErrShift},
        {"rukmAdd_mam_32f_P", {{"dstObjStride", 0}}, rukErrStride},
        {"rukmAdd_mam_32f_L", {{"src2RowStride", 6}}, rukErrStride},
        {"rukmSub_cava_32f_P", {{"valObjStride", 0}, {"srcShift", -4}}, rukErrStride},
        {"rukmSub_cava_32f_P", {{"srcShift", 2}}, rukErrShift},
        {"rukmAdd_vca_64f_P", {{"valObjStride", 4}}, rukErrStride},
        {"rukmSub_cav_64f_L", {{"valShift", 4}}, rukErrShift},
        {"rukmMul_mac_32f", {{"width", 0}, {"srcElemStride", 6}}, rukErrSize},  // no exception for scaling
        {"rukmMul_vac_64f", {{"len", 0}, {"count", 0}}, rukErrCount},
        {"rukmMul_vca_32f_L", {{"valShift", -4}}, rukErrShift},
        {"rukmMul_vaca_64f_P", {{"valObjStride", -8}, {"dstShift", 4}}, rukErrStride},
    };
    for (const Edge& e : edges) {
        Arena arena(find(e.name), Case{3, 3, 2, kStyles[1], false, 5});
        std::vector<Arg> a = arena.args;
        for (const auto& [param, v] : e.set) {
            const auto it = std::find_if(arena.params.begin(), arena.params.end(), [&](const Param& p) { return p.name == param; });
            ASSERT_NE(it, arena.params.end()) << e.name << " has no parameter " << param;
            spoil(a[it - arena.params.begin()], v);
        }
        EXPECT_EQ(arena.ex.call(a), e.want) << e.name;
        EXPECT_TRUE(arena.unchanged()) << e.name;
    }
}

TEST(Checks, LargeValidStridesAndZeroShiftsPass) {
    for (const char* name : {"rukmAdd_vv_32f", "rukmSub_mam_32f", "rukmSub_tata_32f_L", "rukmAdd_vv_64f", "rukmSub_mam_64f"}) {
        const int esz = describe(name).esz;
        Arena arena(find(name), Case{3, 3, 2, Style{{1, 2, 1000 / esz}, 0, false, 64, 0}, false, 3});
        EXPECT_TRUE(arena.run());
    }
}

// ---- Worked examples ------------------------------------------------------------------------
TEST(Results, ConstantFirstCodesSubtractTheVectorFromTheConstant) {
    const float src[3] = {1, 2, 3};
    float cv[3], vc[3], cav[4];
    ASSERT_EQ(rukmSub_cv_32f(src, 4, 1.0f, cv, 4, 3), rukOk);
    ASSERT_EQ(rukmSub_vc_32f(src, 4, 1.0f, vc, 4, 3), rukOk);
    EXPECT_EQ(std::vector<float>(cv, cv + 3), (std::vector<float>{0, -1, -2}));
    EXPECT_EQ(std::vector<float>(vc, vc + 3), (std::vector<float>{0, 1, 2}));
    const float val[2] = {10, 20};
    ASSERT_EQ(rukmSub_cav_32f(src, 4, val, 4, cav, 8, 4, 2, 2), rukOk);
    EXPECT_EQ(std::vector<float>(cav, cav + 4), (std::vector<float>{9, 8, 19, 18}));
}

TEST(Results, TransposedOperandReadsTheStoredMatrixByColumns) {
    const float stored[6] = {1, 2, 3, 4, 5, 6}, zero[6] = {};
    const std::vector<float> want = {1, 3, 5, 2, 4, 6};
    float out[6];
    ASSERT_EQ(rukmAdd_tm_32f(stored, 8, 4, zero, 12, 4, out, 12, 4, 3, 2), rukOk);
    EXPECT_EQ(std::vector<float>(out, out + 6), want);
    const float* sp[6];
    const float* zp[6];
    float* op[6];
    for (int e = 0; e < 6; ++e) sp[e] = stored + e, zp[e] = zero + e, op[e] = out + e;
    std::fill(out, out + 6, 0.0f);
    ASSERT_EQ(rukmAdd_tm_32f_P(sp, 0, zp, 0, op, 0, 3, 2), rukOk);
    EXPECT_EQ(std::vector<float>(out, out + 6), want);
}

TEST(Results, EqualSourcesSubtractToPositiveZero) {
    const float a[4] = {-0.0f, 1.5f, -3e38f, 1e-45f};
    float out[4];
    ASSERT_EQ(rukmSub_mm_32f(a, 8, 4, a, 8, 4, out, 8, 4, 2, 2), rukOk);
    for (float v : out) EXPECT_FALSE(std::signbit(v) || v != 0.0f);
}

TEST(Results, ScalingByConstants) {
    const float stored[6] = {1, 2, 3, 4, 5, 6};  // 3x2, used transposed as 2x3
    float out[6];
    ASSERT_EQ(rukmMul_tc_32f(stored, 8, 4, 2.0f, out, 12, 4, 3, 2), rukOk);
    EXPECT_EQ(std::vector<float>(out, out + 6), (std::vector<float>{2, 6, 10, 4, 8, 12}));
    const double src[2] = {1, 2}, val[2] = {3, -1};
    double outd[4];
    ASSERT_EQ(rukmMul_vca_64f(src, 8, val, 8, outd, 16, 8, 2, 2), rukOk);
    EXPECT_EQ(std::vector<double>(outd, outd + 4), (std::vector<double>{3, 6, -1, -2}));
    // A zero constant keeps the sign of the product; zero times infinity and a NaN constant give NaN.
    const float v[4] = {-2.0f, 3.0f, INFINITY, -0.0f};
    ASSERT_EQ(rukmMul_vc_32f(v, 4, 0.0f, out, 4, 4), rukOk);
    EXPECT_TRUE(std::signbit(out[0]) && out[0] == 0 && !std::signbit(out[1]) && out[1] == 0);
    EXPECT_TRUE(std::isnan(out[2]) && std::signbit(out[3]) && out[3] == 0);
    ASSERT_EQ(rukmMul_vc_32f(v, 4, NAN, out, 4, 4), rukOk);
    EXPECT_TRUE(std::all_of(out, out + 4, [](float x) { return std::isnan(x); }));
    ASSERT_EQ(rukmMul_vc_32f(v, 4, -INFINITY, out, 4, 4), rukOk);
    EXPECT_EQ(std::vector<float>(out, out + 2), (std::vector<float>{INFINITY, -INFINITY}));
    EXPECT_TRUE(std::isnan(out[3]));
}

// ---- Version and threads --------------------------------------------------------------------
TEST(Version, RecordHoldsTheReleaseValues) {
    const rukLibraryVersion* v = rukmGetLibVersion();
    ASSERT_NE(v, nullptr);
    EXPECT_EQ(v, rukmGetLibVersion());
    EXPECT_EQ(std::vector<int>({v->major, v->minor, v->buildMajor, v->build}), std::vector<int>({5, 3, 85, 452}));
    static_assert(sizeof v->cpuCode == 4);
    EXPECT_EQ(std::vector<char>(v->cpuCode, v->cpuCode + 4), std::vector<char>({'m', 'x', 0, 0}));
    EXPECT_STREQ(v->fileName, "rukmmx-5.3.dll");
    EXPECT_STREQ(v->versionText, "5.3 Update 4 build 85.38");
    EXPECT_STREQ(v->buildDate, "Aug 12 2008");
}

namespace {
struct ThreadCount {  // restores the core library's thread count
    std::int32_t saved = 0;
    ThreadCount() { rukGetNumThreads(&saved); }
    ~ThreadCount() { rukSetNumThreads(saved); }
};
// Sizes above the threshold of every array form (Sub cva needs 2c + 1 >= 40001 in 32f _L);
// counts that 4 threads split unevenly.
Case big_case(const Desc& d, int style) {
    return Case{4, 4, d.matrix ? 1155 : d.code == "cva" ? 20003 : 8003, kStyles[style], false, 9};
}
}  // namespace

TEST(Threads, CountIsValidatedAndRead) {
    ThreadCount keep;
    std::int32_t n = 0;
    ASSERT_EQ(rukSetNumThreads(3), rukOk);
    EXPECT_EQ(rukSetNumThreads(0), rukErrSize);
    EXPECT_EQ(rukSetNumThreads(-2), rukErrSize);
    EXPECT_EQ(rukGetNumThreads(nullptr), rukErrNullPtr);
    ASSERT_EQ(rukGetNumThreads(&n), rukOk);
    EXPECT_EQ(n, 3);
}

TEST(Threads, OneAndFourThreadsGiveIdenticalBits) {
    ThreadCount keep;
    int style = 0;
    for (const Export& ex : exports()) {
        const Desc d = describe(ex.name);
        if (!d.array) continue;
        Arena arena(ex, big_case(d, style = 2 - style));
        rukSetNumThreads(1);
        ASSERT_TRUE(arena.run());
        const std::vector<unsigned char> one = arena.mem;
        arena.reset();
        rukSetNumThreads(4);
        ASSERT_TRUE(arena.run());
        EXPECT_TRUE(arena.mem == one) << ex.name;
    }
}

TEST(Threads, ExportsInsideAParallelRegionGiveTheSameResults) {
    ThreadCount keep;
    rukSetNumThreads(4);
    const int levels = omp_get_max_active_levels();
    const char* names[] = {"rukmAdd_mama_32f", "rukmSub_cava_64f_L", "rukmSub_tma_32f_P", "rukmAdd_vav_64f"};
    for (int nested : {1, 2}) {  // the runtime refuses nested regions, then allows them
        omp_set_max_active_levels(nested);
        std::string errors[2];
#pragma omp parallel num_threads(2)
        for (const char* name : names) {
            Arena arena(find(name), big_case(describe(name), 2 * omp_get_thread_num()));
            if (const auto r = arena.run(); !r) errors[omp_get_thread_num()] += std::string(r.message()) + "\n";
        }
        EXPECT_EQ(errors[0] + errors[1], "") << "nesting levels " << nested;
    }
    omp_set_max_active_levels(levels);
}

INSTANTIATE_TEST_SUITE_P(All, PerExport, testing::ValuesIn(PerExport::all()), PerExport::test_name);

// Lines of tens of megabytes are written past the caches from the destination's first 64-byte
// boundary on: every element is still the sum, NaN payloads included, with a destination off
// that boundary and a length that leaves a tail, in place and not, on one thread and on two.
TEST(LargeArrays, ElementWiseLinesPastTheCachesAreExact) {
    constexpr int len = 5, count = (40 << 20) / (4 * len) + 3;
    constexpr std::size_t n = std::size_t(len) * count;
    std::mt19937 rng(9);
    std::vector<float> a(n), b(n), d(n + 1), want(n);
    for (std::size_t i = 0; i < n; ++i) a[i] = make_value<float>(rng), b[i] = make_value<float>(rng);
    for (std::size_t i = 0; i < n; ++i) want[i] = first_nan_or(a[i], b[i], a[i] + b[i]);
    std::int32_t saved = 0;
    rukGetNumThreads(&saved);
    for (int threads : {1, 2}) {
        rukSetNumThreads(threads);
        std::fill(d.begin(), d.end(), 0.0f);
        ASSERT_EQ(rukmAdd_vava_32f(a.data(), 4 * len, 4, b.data(), 4 * len, 4, d.data() + 1, 4 * len, 4, len, count), rukOk);
        EXPECT_EQ(std::memcmp(d.data() + 1, want.data(), n * sizeof(float)), 0) << threads << " thread(s)";
        EXPECT_EQ(d[0], 0.0f);
        std::vector<float> in = a;
        ASSERT_EQ(rukmAdd_vava_32f(in.data(), 4 * len, 4, b.data(), 4 * len, 4, in.data(), 4 * len, 4, len, count), rukOk);
        EXPECT_EQ(std::memcmp(in.data(), want.data(), n * sizeof(float)), 0) << threads << " thread(s), in place";
    }
    rukSetNumThreads(saved);
}
