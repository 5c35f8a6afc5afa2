// The data-movement exports: copies between layouts, extraction into a packed buffer,
// identity loading and transposition. No arithmetic takes place, so the sources hold bit
// patterns that a floating-point load or conversion would alter (signalling NaNs with
// payloads, quiet NaNs with payloads, -0, subnormals) and every byte of the arena is
// compared bit for bit. Links the library's objects to run every instruction-set variant,
// and the thread counter to see that these families never ask for the thread count.
#include <fstream>
#include <set>

#include "frame/isa.hpp"
#include "harness.hpp"
#include "thread_counter.hpp"

using namespace th;
using namespace th::checks;

namespace {

#define MV_PAIRS(K, T)                                                                               \
    TH_ONE(Copy, K, T, _SS) TH_ONE(Copy, K, T, _SL) TH_ONE(Copy, K, T, _SP) TH_ONE(Copy, K, T, _LS) \
    TH_ONE(Copy, K, T, _LL) TH_ONE(Copy, K, T, _LP) TH_ONE(Copy, K, T, _PS) TH_ONE(Copy, K, T, _PL) \
    TH_ONE(Copy, K, T, _PP)

const std::vector<Export>& move_exports() {
    static const std::vector<Export> all = {
        MV_PAIRS(ma, 32f) MV_PAIRS(ma, 64f) MV_PAIRS(va, 32f) MV_PAIRS(va, 64f)
        TH_SINGLE(Extract, m) TH_SINGLE(Extract, t) TH_SINGLE(Extract, v) TH_ARRAY(Extract, ma)
        TH_ARRAY(Extract, ta) TH_ARRAY(Extract, va) TH_ARRAY(LoadIdentity, ma) TH_SINGLE(Transpose, m)
        TH_ARRAY(Transpose, ma)
    };
    return all;
}

enum Family { Copy, Extract, Identity, Transpose };

struct Move {  // what the name of a data-movement export says
    Family fam;
    char kind;  // m, t or v
    bool array;
    int esz;
    Lay src, dst;  // Extract: dst is a packed buffer
};

Move describe_move(const std::string& name) {
    const std::size_t a = name.find('_'), b = name.find('_', a + 1), c = name.find('_', b + 1);
    const std::string op = name.substr(4, a - 4), suffix = c == std::string::npos ? "" : name.substr(c + 1);
    auto lay = [&](std::size_t n) { return n >= suffix.size() ? Std : suffix[n] == 'L' ? List : suffix[n] == 'P' ? Ptr : Std; };
    Move m{op == "Copy" ? Copy : op == "Extract" ? Extract : op == "LoadIdentity" ? Identity : Transpose,
           name[a + 1], b - a == 3, name.compare(b + 1, 3, "64f") == 0 ? 8 : 4, lay(0), lay(0)};
    if (m.fam == Copy) m.dst = lay(1);
    if (m.fam == Extract) m.dst = Std;
    return m;
}

// The order of argument-check groups; objStrides form a group of their own (checked last,
// and only when count > 1) in the copies and in the standard and element-pointer identities.
std::pair<std::vector<Grp>, bool> check_order(const Move& m) {
    switch (m.fam) {
    case Copy:
        if (m.kind == 'v' && m.esz == 4 && m.src != Ptr && m.dst == Ptr)  // va_32f_SP and _LP
            return {{GPtr, GSize, GCnt, GShift, GStride, GObj}, true};
        return {{GPtr, GSize, GCnt, GStride, GShift, GObj}, true};
    case Extract:
        if (!m.array && m.src == Ptr && (m.kind != 'v' || m.esz == 8)) return {{GSize, GPtr, GShift}, false};
        if (!m.array) return {{GPtr, GSize, GStride, GShift}, false};
        return {{GPtr, GSize, GCnt, GShift, GStride}, false};
    case Identity:
        if (m.dst == List) return {{GPtr, GSize, GCnt, GStride, GShift}, false};
        if (m.dst == Ptr && m.esz == 4) return {{GPtr, GSize, GShift, GCnt, GObj}, true};
        return {{GPtr, GSize, GCnt, GShift, GStride, GObj}, true};
    default:
        if (!m.array) return {{GPtr, GSize, GStride, GShift}, false};
        return {{GPtr, GCnt, GSize, GStride, GShift}, false};
    }
}

// An element pattern of esz bytes: a signalling NaN with a payload, a quiet NaN with a
// payload, -0, a subnormal or any bits.
std::uint64_t odd_bits(std::mt19937& r, int esz) {
    const int mant = esz == 8 ? 52 : 23;
    const std::uint64_t any = std::uint64_t(r()) << 32 | r(), sign = std::uint64_t(1) << (8 * esz - 1);
    const std::uint64_t expo = (sign - 1) >> mant << mant, quiet = std::uint64_t(1) << (mant - 1);
    const std::uint64_t s = any & sign, payload = any & (quiet - 1);
    switch (r() % 6) {
    case 0: return s | expo | payload | 1;
    case 1: return s | expo | quiet | payload;
    case 2: return sign;
    case 3: return s | payload | 1;
    default: return any & (sign | (sign - 1));
    }
}

// The operands of a data-movement export and the bits its destination must receive:
// dst(k, i, j) = src(k, i, j) with the destination of Transpose seen as a transposed
// operand, or the identity.
class MoveArena : public Operands {
public:
    const Export& ex;
    Move m;
    Group src, dst;

    MoveArena(const Export& e, const Case& cs)
        : Operands(fit(cs, describe_move(e.name)), describe_move(e.name).esz, e.name), ex(e), m(describe_move(e.name)) {
        std::mt19937 rng(c.seed);
        const Shape shape = m.kind == 'v' ? Vec : m.kind == 't' ? Trans : Mat;
        src.name = "src", src.shape = shape, src.arr = m.array, src.lay = m.src, src.step = c.st.step[0];
        dst.name = "dst", dst.shape = m.fam == Transpose ? Trans : shape == Vec ? Vec : Mat, dst.arr = m.array;
        dst.lay = m.dst, dst.dense = m.fam == Extract, dst.step = c.st.step[2];
        if (m.fam == Identity) place({&dst}, rng);
        else if (c.inplace) place({&src}, rng), dst = src, dst.name = "dst";
        else place({&src, &dst}, rng);
        if (m.fam != Identity) emit(src);
        if (m.fam != Transpose) emit(dst);
        size(shape == Vec ? "len" : "width", RSize, c.w);
        if (shape != Vec) size("height", RSize, c.h);
        if (m.fam == Transpose) emit(dst);
        if (m.array) size("count", RCount, c.count);

        const int K = m.array ? c.count : 1;
        if (m.fam != Identity)
            for (int k = 0; k < K; ++k)
                for (int i = 0; i < c.h; ++i)
                    for (int j = 0; j < c.w; ++j) {
                        const std::uint64_t bits = odd_bits(rng, esz);
                        std::memcpy(addr(src, k, i, j), &bits, esz);
                    }
        initial = want = mem;
        for (int k = 0; k < K; ++k)
            for (int i = 0; i < c.h; ++i)
                for (int j = 0; j < c.w; ++j) {
                    const double one = i == j;
                    const float onef = i == j;
                    expect(dst, k, i, j, m.fam != Identity ? addr(src, k, i, j) : esz == 8 ? (const void*)&one : &onef);
                }
        seal();
    }

    testing::AssertionResult run() { return call(ex, false); }

    // Runs the export once per instruction-set variant, each time from the same arena.
    testing::AssertionResult run_every_variant() {
        const rukm::IsaRestore restore;
        for (int v = 0; v <= int(rukm::detected_isa()); ++v) {
            rukm::pin_isa(rukm::Isa(v));
            reset();
            if (auto r = run(); !r) return r << " (instruction-set variant " << v << ")";
        }
        return testing::AssertionSuccess();
    }

private:
    static Case fit(Case c, const Move& m) {
        if (m.kind == 'v') c.h = 1;
        if (!m.array) c.count = 1;
        return c;
    }
};

class PerMove : public ExportTest<move_exports, &describe_move> {
protected:
    const Move& m = d;
};


}  // namespace

TEST(Moves, TableCoversEveryDataMovementExport) {
    const auto listed = th::listed_exports([](const std::string& s) {
        return th::starts_with_any(s, {"rukmCopy_", "rukmExtract_", "rukmLoadIdentity_", "rukmTranspose_"});
    });
    const auto table = th::names(move_exports());
    int copies = 0;
    for (const Export& e : move_exports()) copies += describe_move(e.name).fam == Copy;
    EXPECT_EQ(table, listed);
    EXPECT_EQ(copies, 36);
    EXPECT_EQ(table.size(), 82u);
}

TEST_P(PerMove, BitExactForEveryLayoutStrideSizeAndVariant) {
    const std::pair<int, int> matrices[] = {{1, 1}, {2, 2}, {3, 3}, {4, 4}, {5, 5}, {6, 6}, {7, 7},
                                            {3, 2}, {2, 3}, {4, 6}, {5, 1}, {1, 4}, {9, 2}};
    const std::pair<int, int> vectors[] = {{1, 1}, {2, 1}, {3, 1}, {4, 1}, {5, 1}, {6, 1}, {7, 1}, {16, 1}, {33, 1}};
    const bool same_layout = m.fam == Copy && m.src == m.dst;
    unsigned seed = 100;
    for (const auto& [w, h] : m.kind == 'v' ? std::vector(std::begin(vectors), std::end(vectors))
                                            : std::vector(std::begin(matrices), std::end(matrices)))
        for (std::size_t s = 0; s < std::size(kStyles); ++s)
            for (bool inplace : {false, true}) {
                if (inplace && (!same_layout || s % 2)) continue;
                ++seed;
                MoveArena arena(ex, Case{w, h, 1 + int(seed % 4), kStyles[s], inplace, seed});
                ASSERT_TRUE(arena.run_every_variant());
            }
}

TEST_P(PerMove, FirstFailingCheckGroupDecidesAndNothingIsWritten) {
    MoveArena arena(ex, Case{2, 3, 3, kStyles[2], false, 7});
    const auto [order, obj_apart] = check_order(m);
    expect_check_order(ex, arena, order, obj_apart);
    EXPECT_TRUE(arena.run());
}

INSTANTIATE_TEST_SUITE_P(All, PerMove, testing::ValuesIn(PerMove::all()), PerMove::test_name);

// With one object the copies and the standard and element-pointer identities ignore the
// objStride; every other form still checks it.
TEST(Moves, ObjStrideOfASingleObject) {
    for (const Export& ex : move_exports()) {
        const Move m = describe_move(ex.name);
        const bool ignored = m.fam == Copy || (m.fam == Identity && m.dst != List);
        for (long long v : {0LL, -1LL * m.esz, 2LL, INT32_MIN + 0LL}) {
            MoveArena arena(ex, Case{3, 2, 1, kStyles[1], false, unsigned(v & 15)});
            bool any = false;
            for (std::size_t n = 0; n < arena.params.size(); ++n)
                if (arena.params[n].role == RObj) arena.args[n].i = v, any = true;
            if (!any) break;
            if (ignored) EXPECT_TRUE(arena.run()) << "objStride " << v;
            else {
                EXPECT_EQ(ex.call(arena.args), rukErrStride) << ex.name << " objStride " << v;
                EXPECT_TRUE(arena.unchanged()) << ex.name;
            }
        }
    }
}

TEST(Moves, ManyObjectsNeverAskForTheThreadCount) {
    thread_counter::set(4);
    for (const Export& ex : move_exports()) {
        if (!describe_move(ex.name).array) continue;
        MoveArena arena(ex, Case{4, 4, 5000, kStyles[2], false, 3});
        thread_counter::reset_calls();
        EXPECT_TRUE(arena.run());
        EXPECT_EQ(thread_counter::calls(), 0) << ex.name;
    }
}

// Small cases worked out by hand, independent of the addressing model above.
TEST(Moves, WorkedExamples) {
    const float stored[6] = {1, 2, 3, 4, 5, 6};  // rows (1, 2), (3, 4), (5, 6)
    float out[6] = {};
    ASSERT_EQ(rukmExtract_t_32f(stored, 8, 4, out, 3, 2), rukOk);  // the 2x3 transposed operand
    EXPECT_EQ(std::vector<float>(out, out + 6), (std::vector<float>{1, 3, 5, 2, 4, 6}));
    const double m23[6] = {1, 2, 3, 4, 5, 6};  // height 2, width 3
    double t32[6] = {};
    ASSERT_EQ(rukmTranspose_m_64f(m23, 24, 8, 3, 2, t32, 16, 8), rukOk);
    EXPECT_EQ(std::vector<double>(t32, t32 + 6), (std::vector<double>{1, 4, 2, 5, 3, 6}));
    float id[6];
    std::fill(id, id + 6, 9.0f);
    ASSERT_EQ(rukmLoadIdentity_ma_32f(id, 0, 12, 4, 3, 2, 1), rukOk);  // width 3, height 2
    EXPECT_EQ(std::vector<float>(id, id + 6), (std::vector<float>{1, 0, 0, 0, 1, 0}));
    std::fill(id, id + 6, 9.0f);
    ASSERT_EQ(rukmLoadIdentity_ma_32f(id, -4, 8, 4, 2, 3, 1), rukOk);  // width 2, height 3
    EXPECT_EQ(std::vector<float>(id, id + 6), (std::vector<float>{1, 0, 0, 1, 0, 0}));
    EXPECT_FALSE(std::signbit(id[1]));
    // Standard to element pointers and back gives the starting bits.
    const std::uint32_t bits[4] = {0x7f800001u, 0x80000000u, 0x00000001u, 0xffbfffffu};
    float a[4], scattered[8] = {}, back[4] = {};
    std::memcpy(a, bits, sizeof a);
    float* ptrs[2] = {scattered + 5, scattered + 1};
    ASSERT_EQ(rukmCopy_va_32f_SP(a, 8, 4, ptrs, 0, 4, 2, 2), rukOk);
    ASSERT_EQ(rukmCopy_va_32f_PS(ptrs, 0, 4, back, 8, 4, 2, 2), rukOk);
    EXPECT_EQ(std::memcmp(back, bits, sizeof back), 0);
}
