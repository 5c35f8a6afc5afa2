// Which array calls go to the parallel driver, observed from outside through the thread
// counter: below its threshold an array call must not ask for the thread count at all; at
// the threshold the driver asks once to decide and once for the team size.
#include "harness.hpp"
#include "thread_counter.hpp"

using namespace th;

namespace {

struct Boundary {
    const char* name;
    int w, h;   // vectors: len, 1
    int count;  // the smallest count whose work estimate reaches the threshold
    int style;  // 0 packed, 2 strided sources, 4 strided destination
};

const Boundary kBoundaries[] = {
    // matrices, w*h*(2c + 1): 36864 contiguous, 18432 strided and _L, 9216 _P
    {"rukmAdd_mam_32f", 4, 4, 1152, 0},
    {"rukmAdd_mam_32f", 4, 4, 576, 4},
    {"rukmSub_mma_64f", 4, 4, 1152, 0},
    {"rukmSub_tta_64f", 4, 4, 576, 2},
    {"rukmSub_mat_32f", 3, 5, 1229, 0},
    {"rukmAdd_mat_32f_L", 4, 4, 576, 0},
    {"rukmSub_tam_64f_L", 4, 4, 576, 2},
    {"rukmAdd_tat_32f_P", 4, 4, 288, 0},
    // matrices, 3*w*h*c: the same thresholds, reached exactly
    {"rukmAdd_mama_32f", 4, 4, 768, 0},
    {"rukmSub_mata_64f", 4, 4, 384, 2},
    {"rukmAdd_tama_32f_L", 4, 4, 384, 0},
    {"rukmSub_tata_64f_P", 4, 4, 192, 0},
    // vectors and constants: 20001 for every kernel, 40001 for 32f _L
    {"rukmAdd_vav_32f", 4, 1, 2500, 0},      // l*(2c + 1)
    {"rukmAdd_vav_64f", 4, 1, 2500, 2},
    {"rukmAdd_vav_32f_L", 4, 1, 5000, 0},
    {"rukmSub_vav_64f_L", 4, 1, 2500, 2},
    {"rukmSub_vav_32f_P", 4, 1, 2500, 0},
    {"rukmSub_vva_32f", 4, 1, 2500, 2},
    {"rukmSub_vac_64f", 4, 1, 2500, 0},
    {"rukmAdd_vac_32f_L", 4, 1, 5000, 2},
    {"rukmAdd_vava_32f", 4, 1, 1667, 0},     // 3*l*c
    {"rukmSub_vava_32f_L", 4, 1, 3334, 2},
    {"rukmAdd_vaca_32f", 4, 1, 2223, 0},     // c*(2l + 1)
    {"rukmSub_cava_64f", 7, 1, 1334, 2},
    {"rukmSub_cava_32f_L", 4, 1, 4445, 0},
    {"rukmSub_vaca_64f_P", 4, 1, 2223, 2},
    {"rukmAdd_vca_64f", 4, 1, 4000, 0},      // l*c + l + c
    {"rukmSub_cav_32f", 7, 1, 2500, 2},
    {"rukmSub_cav_32f_L", 4, 1, 8000, 0},
    {"rukmAdd_vca_32f_P", 4, 1, 4000, 0},
    {"rukmSub_cva_32f", 4, 1, 10000, 0},     // 2c + 1
    {"rukmSub_cva_32f_L", 4, 1, 20000, 2},
    {"rukmSub_cva_64f_L", 4, 1, 10000, 0},
    // scaling of matrices, 2*w*h*c: 35001 standard and 32f _L contiguous, 15001 32f _L strided,
    // 35001 64f _L, 17001 _P
    {"rukmMul_mac_32f", 4, 4, 1094, 0},
    {"rukmMul_tac_64f", 4, 4, 1094, 2},
    {"rukmMul_mac_32f", 3, 5, 1167, 4},
    {"rukmMul_mac_32f_L", 4, 4, 1094, 0},
    {"rukmMul_tac_32f_L", 4, 4, 469, 2},
    {"rukmMul_mac_32f_L", 4, 4, 469, 4},
    {"rukmMul_mac_64f_L", 4, 4, 1094, 2},
    {"rukmMul_tac_32f_P", 4, 4, 532, 0},
    {"rukmMul_mac_64f_P", 4, 4, 532, 2},
    // scaling of vectors: vac 2*l*c (36865 contiguous, 18433 strided and _L, 9217 _P);
    // vaca c*(2l + 1) and vca l*c + l + c (36865 standard, 18433 _L, 9217 _P)
    {"rukmMul_vac_32f", 4, 1, 4609, 0},
    {"rukmMul_vac_64f", 4, 1, 2305, 2},
    {"rukmMul_vac_32f_L", 4, 1, 2305, 0},
    {"rukmMul_vac_64f_P", 4, 1, 1153, 0},
    {"rukmMul_vaca_32f", 4, 1, 4097, 0},
    {"rukmMul_vaca_64f", 4, 1, 4097, 2},
    {"rukmMul_vaca_32f_L", 4, 1, 2049, 2},
    {"rukmMul_vaca_64f_P", 4, 1, 1025, 0},
    {"rukmMul_vca_64f", 4, 1, 7373, 0},
    {"rukmMul_vca_32f", 4, 1, 7373, 2},
    {"rukmMul_vca_32f_L", 4, 1, 3686, 0},
    {"rukmMul_vca_64f_P", 4, 1, 1843, 2},
};

void PrintTo(const Boundary& b, std::ostream* os) { *os << b.name << " " << b.w << "x" << b.h << " count " << b.count; }

std::string boundary_name(const testing::TestParamInfo<Boundary>& p) {
    const char* style[] = {"packed", "", "strided", "", "dststrided"};
    return std::string(p.param.name) + "_" + style[p.param.style] + "_" + std::to_string(p.param.count);
}

class Thresholds : public testing::TestWithParam<Boundary> {
protected:
    // Runs the export on `count` objects with the thread count `threads`; checks the result
    // and how often the library asked for the thread count.
    void run(int count, int threads, int asks) {
        const Boundary& b = GetParam();
        Arena arena(find(b.name), Case{b.w, b.h, count, kStyles[b.style], false, unsigned(count)});
        thread_counter::set(threads);
        thread_counter::reset_calls();
        EXPECT_TRUE(arena.run());
        EXPECT_EQ(thread_counter::calls(), asks) << b.name << " count " << count << " threads " << threads;
    }
};

}  // namespace

TEST_P(Thresholds, DriverIsEnteredFromTheThresholdOn) {
    const int c = GetParam().count;
    run(c - 1, 4, 0);  // below: serial kernel, no question asked
    run(c, 4, 2);      // at the threshold: the driver splits over 4 threads
    run(c, 1, 1);      // one thread: the driver runs the serial kernel itself
    run(c, c + 1, 1);  // fewer objects than threads: serial as well
}

INSTANTIATE_TEST_SUITE_P(Boundaries, Thresholds, testing::ValuesIn(kBoundaries), boundary_name);

TEST(Dispatch, SingleObjectFormsNeverAskForThreads) {
    thread_counter::set(4);
    const std::tuple<const char*, int, int> big[] = {
        {"rukmAdd_mm_32f", 200, 200}, {"rukmSub_tt_64f_P", 150, 150}, {"rukmSub_cv_64f", 50000, 1}, {"rukmAdd_vv_32f_P", 50000, 1},
        {"rukmMul_tc_32f", 200, 200}, {"rukmMul_vc_64f_P", 50000, 1}};
    for (const auto& [name, w, h] : big) {
        Arena arena(find(name), Case{w, h, 1, kStyles[2], false, 3});
        thread_counter::reset_calls();
        EXPECT_TRUE(arena.run());
        EXPECT_EQ(thread_counter::calls(), 0) << name;
    }
}
