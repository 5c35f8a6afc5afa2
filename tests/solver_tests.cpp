// Linear solvers: LU decomposition and back substitution, inversion, Cholesky decomposition and
// back substitution, QR decomposition and back substitution. Every export against the model of
// solver_model.hpp in every layout and instruction-set variant, with counts that fill lane
// groups and leave tails, in place, with NaNs and with values at every singularity bound;
// partial results after a failure (serial runs, lane groups, parallel runs); argument checks;
// thresholds and per-thread scratch through the thread counter; worked cases; cross-checks
// against LAPACK on well-conditioned systems.
#include <lapacke.h>

#include "frame/isa.hpp"
#include "operand_arena.hpp"
#include "solver_model.hpp"

using namespace oa;
using sm::Mat;

namespace {

#define TH_FAMILY(OP, S, A) TH_SINGLE(OP, S) TH_ARRAY(OP, A)
const std::vector<Export>& exports() {
    static const std::vector<Export> all = {
        TH_FAMILY(LUDecomp, m, ma) TH_FAMILY(LUBackSubst, mv, mva) TH_ARRAY(LUBackSubst, mava) TH_FAMILY(Invert, m, ma)
        TH_FAMILY(CholeskyDecomp, m, ma) TH_FAMILY(CholeskyBackSubst, mv, mva) TH_ARRAY(CholeskyBackSubst, mava)
        TH_FAMILY(QRDecomp, m, ma) TH_FAMILY(QRBackSubst, mv, mva) TH_ARRAY(QRBackSubst, mava)
    };
    return all;
}

// ---- What a name says -----------------------------------------------------------------------
enum Fam { LuD, LuB, Inv, ChD, ChB, QrD, QrB };
struct Form {
    Fam fam;
    bool arrA, rhs, arrB;  // an array of matrices; a right-hand side; an array of them
    bool qr() const { return fam == QrD || fam == QrB; }
    bool decomp() const { return fam == LuD || fam == ChD || fam == QrD || fam == Inv; }  // can fail
};
Form form(const Name& n) {
    const Fam f = n.op == "LUDecomp" ? LuD : n.op == "LUBackSubst" ? LuB : n.op == "Invert" ? Inv : n.op == "CholeskyDecomp" ? ChD
                  : n.op == "CholeskyBackSubst" ? ChB : n.op == "QRDecomp" ? QrD : QrB;
    return {f, n.code == "ma" || n.code == "mava", n.code.find('v') != std::string::npos, n.code == "mva" || n.code == "mava"};
}

// Work estimate and the smallest one that enters the driver.
long long estimate(const Name& nm, int n, int h, int c) {
    const Form f = form(nm);
    if (f.qr()) return f.fam == QrD ? 2LL * n * h * c : nm.code == "mava" ? (1LL * n * h + n + h) * c : 1LL * n * h + (n + h) * c;
    if (f.fam == LuD || f.fam == ChD) return 1LL * n * n * c;
    if (f.fam == Inv) return 2LL * n * c;
    return nm.code == "mava" ? (n + 2LL) * n * c : (n + 2LL * c) * n;
}
long long limit(const Name& nm, bool contiguous) {
    const Form f = form(nm);
    const bool f32 = nm.esz == 4;
    switch (f.fam) {
    case LuD: case Inv: return f32 && nm.lay == List && contiguous ? 40001 : 20001;
    case LuB: return 1701;
    case ChD: return f32 ? (nm.lay == Std ? 7501 : 2001) : nm.lay == List && contiguous ? 721 : 2001;
    case ChB:
        if (nm.code == "mva") return f32 && nm.lay == Std ? 1201 : 721;
        return (f32 && nm.lay == Std && contiguous) || (!f32 && nm.lay == Ptr) ? 2051 : 1701;
    default: return nm.lay == Std ? 2801 : 1801;
    }
}

// ---- Values ---------------------------------------------------------------------------------
// Modes per family (what a mode draws is in gen()); a case's mode -1 draws one per object.
const int kModes[] = {5, 3, 4, 4, 3, 5, 3};

struct Case {
    int n = 3, h = 0, count = 1, style = 0;  // n: order or width; h: height (0: n)
    unsigned seed = 1;
    int mode = -1;
    bool inplace = false;   // decompositions: dst is src
    std::vector<int> fail = {};  // objects spoilt so that they fail
    int threads = 4;        // what the thread counter answers (driver runs only)
};

template <class T>
T pow2(std::mt19937& r, int lo, int hi) {
    return std::ldexp((r() & 1) ? T(-1) : T(1), lo + int(r() % (hi - lo + 1)));
}

// Source object values (rows x cols) for a family and mode; `spoil` makes a decomposition or
// an inversion fail: a zero column (LU, QR), a zero row (inversion), a negative diagonal.
template <class T>
Mat<T> gen(Fam f, int mode, bool spoil, int rows, int cols, std::mt19937& r) {
    const int n = cols, at = int(r() % n);
    Mat<T> m(rows, cols);
    for (T& v : m.v) v = mixed<T>(r, 3, false);
    auto nan_at = [&](bool inf = true) {
        m(r() % rows, r() % cols) = r() % 3 || !inf ? std::numeric_limits<T>::quiet_NaN() : -INFINITY;
    };
    switch (f) {
    case LuD:  // 1 small integers (ties, exact singularity) 2 a tied first column 3 upper triangle
               // with a pivot at a bound of either test 4 a NaN or an infinity
        if (mode == 1) for (T& v : m.v) v = T(int(r() % 5) - 2);
        if (mode == 2) for (int i = 0; i < n; ++i) m(i, 0) = (r() & 1) ? m(0, 0) : -m(0, 0);
        if (mode == 3) {
            const T edge[] = {sm::kEps<T>, std::nextafter(sm::kEps<T>, T(1)), sm::kTwoMin<T>, std::nextafter(sm::kTwoMin<T>, T(0))};
            for (int i = 0; i < n; ++i)
                for (int j = 0; j <= i; ++j) m(i, j) = i > j ? T(0) : i == at ? edge[r() % 4] : pow2<T>(r, -2, 2);
        }
        if (mode == 4) nan_at();
        if (spoil) for (int i = 0; i < n; ++i) m(i, at) = T(0);
        break;
    case Inv:  // 0 diagonally dominant 1 small integers 2 a scaled permutation of powers of two,
               // with a determinant of tau or tau/2 or an element of tau 3 a NaN
        if (mode == 0) for (int i = 0; i < n; ++i) m(i, i) = m(i, i) + (m(i, i) > 0 ? T(2 * n) : T(-2 * n));
        if (mode == 1) for (T& v : m.v) v = T(int(r() % 5) - 2);
        if (mode == 2) {
            std::vector<int> p(n);
            std::iota(p.begin(), p.end(), 0);
            std::shuffle(p.begin(), p.end(), r);
            std::fill(m.v.begin(), m.v.end(), T(0));
            int e = 0;
            for (int i = 0; i < n; ++i) m(i, p[i]) = pow2<T>(r, -3, 2), e += std::ilogb(m(i, p[i]));
            const int edge = int(r() % 3);  // none; a determinant of tau or tau/2; a pivot of tau
            if (edge) m(at, p[at]) = std::ldexp(sm::inv_tau<T>(n), edge == 2 ? 0 : std::ilogb(m(at, p[at])) - e - int(r() % 2));
        }
        if (mode == 3) nan_at(false);
        if (spoil) for (int j = 0; j < n; ++j) m(at, j) = T(0);
        break;
    case ChD: {  // 0 L L^T of a well-scaled L 1 the same with 0/1 entries and one zero pivot (a
                 // diagonal term of exactly 0, or -1) 2 symmetric, rarely definite 3 a NaN
        Mat<long double> l(n, n);
        for (int i = 0; i < n; ++i)
            for (int j = 0; j <= i; ++j)
                l(i, j) = mode == 1 ? (i == j ? (i == at ? 0 : 1) : int(r() % 3) - 1) : i == j ? 0.5L + r() % 64 / 32.0L
                                                                                           : (long double)mixed<T>(r, 1, false);
        for (int i = 0; i < n; ++i)
            for (int j = 0; j <= i; ++j) {
                long double s = 0;
                for (int k = 0; k <= j; ++k) s += l(i, k) * l(j, k);
                if (mode != 2) m(i, j) = T(s);  // the upper triangle keeps its noise
            }
        if (mode == 1 && r() % 2) m(at, at) = m(at, at) - T(1);
        if (mode == 3) nan_at();
        if (spoil) m(at, at) = T(-1);
        break;
    }
    case QrD:  // 1 a zero first element 2 identity columns, then one whose squared norm below
               // the diagonal is exactly epsilon or just below it 3 a zero column 4 a NaN
        if (mode == 1) m(0, 0) = T(0);
        if (mode == 2 && sm::reflections(cols, rows) > 0) {
            const int k = int(r() % sm::reflections(cols, rows));
            for (int j = 0; j < k; ++j)
                for (int i = 0; i < rows; ++i) m(i, j) = T(i == j);
            for (int i = k; i < rows; ++i) m(i, k) = T(0);
            const T e = sizeof(T) == 4 ? 0x1p-12f : 0x1p-26;  // 32f: 2 e^2 = epsilon; 64f: e^2 = epsilon
            m(k, k) = (r() & 1) ? e : -e;
            m(k + 1, k) = sizeof(T) == 4 ? e : T(0);
            if (r() % 2) m(k + 1 - (sizeof(T) == 8), k) *= T(1) - T(1) / 1024;
        }
        if (mode == 3 || spoil) {
            const int c = spoil ? at % std::max(1, sm::reflections(cols, rows)) : at;
            for (int i = 0; i < rows; ++i) m(i, c) = T(0);
        }
        if (mode == 4) nan_at();
        break;
    default:  // factors: a diagonal of 1 to 2, small entries elsewhere; 1 a NaN 2 a zero diagonal
        for (T& v : m.v) v = v / T(4 * n);
        for (int i = 0; i < std::min(rows, cols); ++i) m(i, i) = T(1) + T(int(r() % 64)) / 64;
        if (mode == 1) nan_at();
        if (mode == 2) m(at % rows, at % rows) = T(0);
    }
    return m;
}

// ---- An export's operands and its expected results ------------------------------------------
template <class T>
Mat<T> read(const Arena& a, int o, int k, int rows, int cols) {
    Mat<T> m(rows, cols);
    for (int i = 0; i < rows; ++i)
        for (int j = 0; j < cols; ++j) m(i, j) = a.get<T>(o, k, i, j);
    return m;
}

std::unique_ptr<Arena> make(const Export& ex, const Case& c) {
    const Name nm = parse(ex.name);
    const Form f = form(nm);
    const int n = c.n, h = f.qr() && c.h ? c.h : n, count = nm.array ? c.count : 1;
    auto a = std::make_unique<Arena>(ex, count, kStyles[c.style], c.seed);
    const Style& st = a->st;
    const Lay la = nm.lay == List && !f.arrA ? Std : nm.lay;  // single operands of _L forms
    const int src = a->operand("src", true, h, n, f.arrA, la, st.step[0]);
    const int piv = f.fam == LuD || f.fam == LuB ? a->packed("pivotIndex", std::size_t(f.arrA ? count : 1) * n, 4) : -1;
    const int buf = f.fam == Inv ? a->packed("buffer", std::size_t(n) * n + n) : f.qr() ? a->packed("buffer", h) : -1;
    const int rhs = f.rhs ? a->operand("src2", false, 1, h, f.arrB, nm.lay, st.step[1]) : -1;
    const int dst = f.rhs ? a->operand("dst", false, 1, n, f.arrB, nm.lay, st.step[2])
                    : c.inplace ? a->alias("dst", src) : a->operand("dst", true, h, n, f.arrA, la, st.step[2]);
    if (f.qr()) a->integer("width", RSize, n), a->integer("height", RSize, h);
    else a->integer("order", RSize, n);
    if (nm.array) a->integer("count", RCount, count);
    a->build();
    if (f.qr() || (f.fam == Inv && !sm::unrolled(n) && n > 1)) a->scratch = buf;

    const bool driver = nm.array && !(f.fam == Inv && n == 1) && estimate(nm, n, h, count) >= limit(nm, a->contiguous());
    th::typed(nm.esz, [&](auto z) {
        using T = decltype(z);
        std::mt19937& r = a->rng;
        const int objs = f.arrA ? count : 1;
        auto mode = [&] { return c.mode >= 0 ? c.mode : int(r() % kModes[f.fam]); };
        for (int k = 0; k < objs; ++k) {
            const bool spoil = std::find(c.fail.begin(), c.fail.end(), k) != c.fail.end();
            const Mat<T> m = gen<T>(f.fam, mode(), spoil, h, n, r);
            std::vector<std::int32_t> p(h);  // the back substitution's rows are in pivot order
            std::iota(p.begin(), p.end(), 0);
            if (f.fam == LuB) std::shuffle(p.begin(), p.end(), r);
            for (int i = 0; i < h; ++i) {
                if (f.fam == LuB) a->put(piv, 0, 0, k * n + i, p[i]);
                for (int j = 0; j < n; ++j) a->put(src, k, p[i], j, m(i, j));
            }
        }
        for (int k = 0; rhs >= 0 && k < (f.arrB ? count : 1); ++k) {
            const bool special = r() % 8 == 0;
            for (int i = 0; i < h; ++i) a->put(rhs, k, 0, i, special && i == 0 ? std::numeric_limits<T>::quiet_NaN() : mixed<T>(r, 3));
        }
        a->seal();

        const long double u = nm.esz == 4 ? 0x1p-24L : 0x1p-53L;
        auto put_matrix = [&](int k, const Mat<T>& d) {
            for (int i = 0; i < h; ++i)
                for (int j = 0; j < n; ++j) a->expect(dst, k, i, j, d(i, j));
        };
        a->status = sm::objects(count, driver ? c.threads : 1, [&](int k) -> rukStatus {
            const Mat<T> m = read<T>(*a, src, f.arrA ? k : 0, h, n);
            Mat<T> d = f.rhs ? Mat<T>() : read<T>(*a, dst, k, h, n);
            std::vector<T> b;
            for (int i = 0; rhs >= 0 && i < h; ++i) b.push_back(a->get<T>(rhs, k, 0, i));
            auto put_vector = [&](const std::vector<T>& x) {
                for (int i = 0; i < n; ++i) a->expect(dst, k, 0, i, x[i]);
            };
            const int p0 = f.arrA ? k * n : 0;
            std::vector<std::int32_t> p(n);
            if (piv >= 0)
                for (int i = 0; i < n; ++i) std::memcpy(&p[i], a->addr(piv, 0, 0, p0 + i), 4);
            rukStatus s = rukOk;
            switch (f.fam) {
            case LuD:
                s = sm::lu_decomp(m, d, p.data());
                for (int i = 0; i < n; ++i) a->expect_bits(piv, p0 + i, p[i]);
                put_matrix(k, d);
                break;
            case LuB: put_vector(sm::lu_back(m, p.data(), b)); break;
            case ChD: s = sm::cholesky(m, d), put_matrix(k, d); break;
            case ChB: put_vector(sm::cholesky_back(m, b)); break;
            case QrD: {
                std::vector<T> scratch(h);
                d = m;
                s = sm::qr_decomp(d, scratch);
                put_matrix(k, d);
                break;
            }
            case QrB:
                if (n == h && sm::unrolled(n)) {  // association of the unrolled sums left open
                    sm::Err::u = u;
                    std::vector<sm::Err> be(b.begin(), b.end());
                    const auto x = sm::qr_back<sm::Err>([&](int i, int j) { return sm::Err(m(i, j)); }, n, h, be);
                    for (int i = 0; i < n; ++i) {
                        a->loose.resize(a->dst.size(), {0, -1}), a->loose.push_back({x[i].v, x[i].e});
                        a->expect(dst, k, 0, i, T(x[i].v));
                    }
                } else put_vector(sm::qr_back<T>(m, n, h, b));
                break;
            case Inv:
                if (!sm::unrolled(n) || n == 3) {
                    s = sm::invert(m, d);
                    put_matrix(k, d);
                    break;
                }
                {  // closed forms of orders 4 to 6: association left open; singular ones write nothing
                    Mat<long double> ml(n, n), inv, bound;
                    std::copy(m.v.begin(), m.v.end(), ml.v.begin());
                    const long double det = sm::inverse_bounds(ml, nm.esz, inv, bound);
                    if (sm::inv_tau<T>(n) > std::fabs(det)) s = rukErrSingular;
                    for (int i = 0; i < n; ++i)
                        for (int j = 0; j < n; ++j) {
                            if (!s) a->loose.resize(a->dst.size(), {0, -1}), a->loose.push_back({inv(i, j), bound(i, j)});
                            a->expect(dst, k, i, j, s ? d(i, j) : T(inv(i, j)));
                        }
                }
                break;
            }
            return s;
        });
    });
    return a;
}

class SolverExport : public ExportTest<exports> {
protected:
    const Form f = form(n);
    // Orders, or (width, height) of QR.
    std::vector<std::pair<int, int>> shapes() const {
        if (f.qr()) return {{1, 1}, {2, 2}, {3, 3}, {4, 4}, {5, 5}, {6, 6}, {7, 7}, {1, 3}, {2, 5}, {3, 4}, {4, 7}, {6, 8}};
        return {{1, 1}, {2, 2}, {3, 3}, {4, 4}, {5, 5}, {6, 6}, {7, 7}, {9, 9}};
    }
};
class ArrayExport : public SolverExport {};
class FailingArray : public SolverExport {};  // array forms that can fail: decompositions, inversion
class QrExport : public SolverExport {};
class InvertArray : public SolverExport {};

// Indices of the table's exports whose name and form `keep` accepts.
template <class Keep>
std::vector<int> select(Keep keep) {
    std::vector<int> v;
    for (int i = 0; i < int(exports().size()); ++i)
        if (keep(parse(exports()[i].name), form(parse(exports()[i].name)))) v.push_back(i);
    return v;
}

}  // namespace

TEST(SolverExports, TableCoversEveryExportOfTheFamilies) {
    const auto listed = th::listed_exports([](const std::string& s) {
        return th::starts_with_any(s, {"rukmLUDecomp_", "rukmLUBackSubst_", "rukmInvert_", "rukmCholeskyDecomp_",
                                       "rukmCholeskyBackSubst_", "rukmQRDecomp_", "rukmQRBackSubst_"});
    });
    EXPECT_EQ(th::names(exports()), listed);
    EXPECT_EQ(listed.size(), 88u);
}

// Every shape in every layout (awkward strides, padding, interleaved objects, shifts) and
// instruction-set variant; counts that fill lane groups of 16 (32f) and 8 (64f) objects and
// leave tails; decompositions in place; failing objects, NaNs and boundary values by mode.
TEST_P(SolverExport, BitExactInEveryLayoutVariantAndSize) {
    const int counts[] = {1, 2, 5, 15, 16, 17, 33};
    const rukm::IsaRestore restore;
    unsigned seed = 0;
    for (int v = 0; v <= int(rukm::detected_isa()); ++v) {
        rukm::pin_isa(rukm::Isa(v));
        for (const auto& [w, h] : shapes())
            for (int style = 0; style < 5; ++style)
                for (int rep = 0; rep < 2; ++rep) {
                    Case c{.n = w, .h = h, .count = counts[++seed % 7], .style = style, .seed = seed};
                    c.inplace = f.fam != Inv && !f.rhs && rep == 1;
                    if (f.decomp() && seed % 3 == 0) c.fail = {int(seed / 3 % 7), int(seed % 19)};
                    ASSERT_TRUE(make(ex, c)->run()) << "variant " << v;
                }
    }
}

// A failing object inside a lane group and at a group's edges: the objects before it hold
// their results, the failing one its partial result, the later ones their old content.
TEST_P(FailingArray, SerialRunStopsAtTheFirstFailingObject) {
    const int group = 64 / n.esz;
    const rukm::IsaRestore restore;
    unsigned seed = 100;
    for (int v = 0; v <= int(rukm::detected_isa()); ++v) {
        rukm::pin_isa(rukm::Isa(v));
        for (int order : {2, 3, 4, 6, 7})
            for (int count : {group, group + 1, 2 * group + 1})
                for (int at : {0, 4, group - 1, group, count - 1}) {
                    if (at >= count) continue;
                    Case c{.n = order, .h = f.qr() && order % 2 ? order + 2 : 0, .count = count, .style = int(++seed % 5), .seed = seed, .mode = 0};
                    c.fail = {at, at + 1 + int(seed % 3)};
                    const auto a = make(ex, c);
                    ASSERT_NE(a->status, rukOk);
                    ASSERT_TRUE(a->run()) << "variant " << v << ", failing object " << at;
                }
    }
}

// With the driver each thread's run stops at its own first failure; the others complete.
TEST_P(FailingArray, ParallelRunsStopOnlyAtTheirOwnFailure) {
    struct Restore {
        ~Restore() { thread_counter::set(4); }
    } restore;
    for (int threads : {2, 4})
        for (int order : {3, 7}) {
            const int h = f.qr() ? order + 1 : order;
            int c = 1;
            while (estimate(n, order, h, c) < limit(n, true) || estimate(n, order, h, c) < limit(n, false) || c < 2 * threads) ++c;
            c += 3;
            const int run0 = c / threads + (c % threads > 0);
            Case cs{.n = order, .h = h, .count = c, .seed = unsigned(c * threads), .mode = 0};
            cs.fail = {1, run0 + run0 / 2, c - 1};
            cs.threads = threads;
            thread_counter::set(threads);
            thread_counter::reset_calls();
            const auto a = make(ex, cs);
            ASSERT_NE(a->status, rukOk);
            EXPECT_TRUE(a->run(f.fam != Inv && !f.qr())) << threads << " threads";  // scratch of their own
            EXPECT_EQ(thread_counter::calls(), 2);
        }
}

TEST_P(SolverExport, FirstFailingCheckGroupDecidesAndNothingIsWritten) {
    const auto a = make(ex, Case{.n = 3, .h = 4, .count = 3, .style = 2, .seed = 7, .mode = 0});
    if (f.fam == ChB && n.code == "mva" && n.lay == List) check_faults(*a, std::vector<Grp>{GPtr, GStride, GShift, GSize, GCnt});
    else check_faults(*a, general_order(n));
}

// Width above height is checked after every other group.
TEST_P(QrExport, SizeMismatchIsTheLastCheck) {
    auto a = make(ex, Case{.n = 3, .h = 4, .count = 2, .style = 2, .seed = 9, .mode = 0});
    std::vector<Arg> args = a->args;
    std::size_t height = 0;
    for (std::size_t p = 0; p < a->params.size(); ++p) {
        if (a->params[p].name == "width") args[p].i = 5;
        if (a->params[p].name == "height") height = p;
    }
    EXPECT_EQ(ex.call(args), rukErrSizeMismatch);
    for (std::size_t p = 0; p < a->params.size(); ++p) {
        std::vector<Arg> bad = args;
        const Role r = a->params[p].role;
        if (r == RPtr) bad[p].p = nullptr;
        else if (r == RCount || p == height) bad[p].i = 0;
        else if (r == RRow || r == RElem || r == RObj || r == RShift) bad[p].i = -a->esz;
        else continue;
        const rukStatus want = r == RPtr ? rukErrNullPtr : r == RCount ? rukErrCount : p == height ? rukErrSize
                               : r == RShift ? rukErrShift : rukErrStride;
        EXPECT_EQ(ex.call(bad), want) << a->params[p].name;
    }
    EXPECT_TRUE(a->unchanged());
}

// Contiguous and strided operands; the inversion at order 2 (a work buffer) and 3, QR tall and
// square. Splits must leave the caller's buffer alone.
TEST_P(ArrayExport, DriverFromTheThresholdOnWithIdenticalResults) {
    for (const auto& [style, order, h] : {std::tuple{0, 3, 5}, std::tuple{2, f.fam == Inv ? 2 : 6, 6}}) {
        const int hh = f.qr() ? h : order;
        Case cs{.n = order, .h = hh, .style = style, .mode = 0};
        const bool contiguous = make(ex, cs)->contiguous();
        int c = 1;
        while (estimate(n, order, hh, c) < limit(n, contiguous)) ++c;
        expect_threshold([&](int count) { cs.count = count, cs.seed = count; return make(ex, cs); }, c);
    }
}

// Order 1 is inverted in the entry, element after element, whatever the count.
TEST_P(InvertArray, OrderOneNeverEntersTheDriver) {
    for (const std::vector<int>& fail : {std::vector<int>{}, std::vector<int>{3, 10040}}) {
        Case cs{.n = 1, .count = 10050, .seed = 3, .mode = 0};
        cs.fail = fail;
        thread_counter::reset_calls();
        EXPECT_TRUE(make(ex, cs)->run());
        EXPECT_EQ(thread_counter::calls(), 0);
    }
}

INSTANTIATE_TEST_SUITE_P(All, SolverExport, testing::ValuesIn(SolverExport::all()), SolverExport::test_name);
INSTANTIATE_TEST_SUITE_P(All, ArrayExport, testing::ValuesIn(SolverExport::arrays()), SolverExport::test_name);
INSTANTIATE_TEST_SUITE_P(All, FailingArray, testing::ValuesIn(select([](const Name& n, const Form& f) {
                             return f.decomp() && n.code == "ma";
                         })), SolverExport::test_name);
INSTANTIATE_TEST_SUITE_P(All, QrExport, testing::ValuesIn(select([](const Name&, const Form& f) { return f.qr(); })),
                         SolverExport::test_name);
INSTANTIATE_TEST_SUITE_P(All, InvertArray, testing::ValuesIn(select([](const Name& n, const Form& f) {
                             return f.fam == Inv && n.array;
                         })), SolverExport::test_name);

// ---- Worked cases --------------------------------------------------------------------------
namespace {
constexpr float kEps32 = 0x1p-23f, kMin32 = 0x1p-126f;

// LUDecomp_m_32f on a packed matrix: status, dst and pivot entries.
struct Lu {
    rukStatus s;
    std::vector<float> d;
    std::vector<std::int32_t> p;
};
Lu lu32(const std::vector<float>& a, int n) {
    Lu r{rukOk, std::vector<float>(a.size(), -9.0f), std::vector<std::int32_t>(n, -1)};
    r.s = rukmLUDecomp_m_32f(a.data(), 4 * n, 4, r.p.data(), r.d.data(), 4 * n, 4, n);
    return r;
}
std::vector<float> diag(std::vector<float> d, int n = 0) {
    n = n ? n : int(d.size());
    std::vector<float> a(std::size_t(n) * n);
    for (int i = 0; i < n; ++i) a[i * n + i] = i < int(d.size()) ? d[i] : 1.0f;
    return a;
}
}  // namespace

TEST(SolverResults, LuWorkedCases) {
    EXPECT_EQ(lu32({1e-7f}, 1).s, rukErrSingular);  // at most epsilon
    const Lu one = lu32({2e-7f}, 1);
    EXPECT_EQ(one.s, rukOk);
    EXPECT_EQ(one.d[0], 2e-7f);
    EXPECT_EQ(one.p[0], 0);
    EXPECT_EQ(lu32(diag({1e-10f}, 3), 3).s, rukOk);           // orders 3 to 6: below 2^-125 only
    EXPECT_EQ(lu32(diag({1e-10f}, 7), 7).s, rukErrSingular);  // order 7: epsilon
    for (int n : {1, 2, 7, 8}) {  // a pivot of exactly epsilon is singular, at the first step or the last
        EXPECT_EQ(lu32(diag({kEps32}, n), n).s, rukErrSingular) << n;
        EXPECT_EQ(lu32(diag({std::nextafter(kEps32, 1.0f)}, n), n).s, rukOk) << n;
        std::vector<float> last(n, 1.0f);
        last[n - 1] = kEps32;
        EXPECT_EQ(lu32(diag(last), n).s, rukErrSingular) << n;
    }
    for (int n : {3, 4, 5, 6}) {
        EXPECT_EQ(lu32(diag({1, 2 * kMin32}, n), n).s, rukOk) << n;
        EXPECT_EQ(lu32(diag({1, std::nextafter(2 * kMin32, 0.0f)}, n), n).s, rukErrSingular) << n;
    }
    const Lu tie = lu32({1, 2, -1, 3}, 2);  // equal magnitudes: row 0 keeps the pivot
    EXPECT_EQ(tie.p, (std::vector<std::int32_t>{0, 1}));
    EXPECT_EQ(tie.d, (std::vector<float>{1, 2, -1, 5}));
    const Lu swap = lu32({1, 2, 0, -4, 1, 0, 0, 0, 1}, 3);
    EXPECT_EQ(swap.p, (std::vector<std::int32_t>{1, 0, 2}));
    EXPECT_EQ(swap.d, (std::vector<float>{-0.25f, 2.25f, 0, -4, 1, 0, 0, 0, 1}));
    EXPECT_EQ(lu32({1, 2, 3, 4, 5, 6, 1, 2, 3}, 3).s, rukErrSingular);  // equal rows
    float x[2];
    const float u[4] = {2, 1, 0, 0}, b[2] = {1, 1};
    const std::int32_t p[2] = {0, 1};
    EXPECT_EQ(rukmLUBackSubst_mv_32f(u, 8, 4, p, b, 4, x, 4, 2), rukOk);  // zero on U's diagonal
    EXPECT_TRUE(std::isinf(x[1]));
}

TEST(SolverResults, InversionWorkedCasesAndExactIdentities) {
    float buf[9 * 9 + 9], d[81];
    auto inv = [&](std::vector<float> a, int n) {
        std::fill(d, d + 81, -9.0f);
        return rukmInvert_m_32f(a.data(), 4 * n, 4, buf, d, 4 * n, 4, n);
    };
    ASSERT_EQ(inv({4}, 1), rukOk);
    EXPECT_EQ(d[0], 0.25f);
    EXPECT_EQ(inv({0}, 1), rukErrSingular);
    EXPECT_EQ(inv({2 * kMin32}, 1), rukErrSingular);
    EXPECT_EQ(inv({std::nextafter(2 * kMin32, 1.0f)}, 1), rukOk);
    ASSERT_EQ(inv(diag({1, 1}), 2), rukOk);  // singular 1 x 1 minors count as tau
    EXPECT_EQ(std::vector<float>(d, d + 4), (std::vector<float>{1, -16 * kMin32, -16 * kMin32, 1}));
    EXPECT_EQ(inv({1, 2, 3, 0, 0, 0, 4, 5, 6}, 3), rukErrSingular);
    EXPECT_EQ(d[0], -9.0f);  // nothing written
    std::vector<float> seven(49);
    for (int e = 0; e < 49; ++e) seven[e] = e % 7 == 4 ? 0.0f : float(e * e % 11) - 5;
    EXPECT_EQ(inv(seven, 7), rukErrSingular);
    // Closed forms: the identity, permutations (inverse = transpose) and power-of-two diagonals
    // invert exactly whatever the association.
    std::mt19937 r(5);
    for (int n = 3; n <= 6; ++n)
        for (int rep = 0; rep < 4; ++rep) {
            std::vector<int> p(n);
            std::iota(p.begin(), p.end(), 0);
            if (rep > 0) std::shuffle(p.begin(), p.end(), r);
            std::vector<float> a(std::size_t(n) * n, 0.0f);
            for (int i = 0; i < n; ++i) a[i * n + p[i]] = rep < 2 ? 1.0f : std::ldexp(1.0f, int(r() % 9) - 4);
            ASSERT_EQ(inv(a, n), rukOk);
            for (int i = 0; i < n; ++i)
                for (int j = 0; j < n; ++j)
                    EXPECT_EQ(d[j * n + i], a[i * n + j] == 0 ? 0.0f : 1 / a[i * n + j]) << n << " " << rep;
        }
}

TEST(SolverResults, CholeskyWorkedCases) {
    double d[4] = {7, 7, 7, 7};
    const double four = 4, two[4] = {4, -99, 2, 5}, semi[4] = {1, -99, 1, 1};
    ASSERT_EQ(rukmCholeskyDecomp_m_64f(&four, 8, 8, d, 8, 8, 1), rukOk);
    EXPECT_EQ(d[0], 0.5);
    for (double bad : {0.0, -1.0}) {
        const float badf = float(bad);
        float df;
        EXPECT_EQ(rukmCholeskyDecomp_m_64f(&bad, 8, 8, d, 8, 8, 1), rukErrNotPosDef);
        EXPECT_EQ(rukmCholeskyDecomp_m_32f(&badf, 4, 4, &df, 4, 4, 1), rukErrNotPosDef);
    }
    ASSERT_EQ(rukmCholeskyDecomp_m_64f(two, 16, 8, d, 16, 8, 2), rukOk);
    EXPECT_EQ(std::vector<double>(d, d + 4), (std::vector<double>{0.5, 7, 1, 0.5}));  // upper element kept
    std::fill(d, d + 4, 7.0);
    EXPECT_EQ(rukmCholeskyDecomp_m_64f(semi, 16, 8, d, 16, 8, 2), rukErrNotPosDef);
    EXPECT_EQ(std::vector<double>(d, d + 4), (std::vector<double>{1, 7, 1, 7}));
    const double id[9] = {1, 0, 0, 0, 1, 0, 0, 0, 1}, b[3] = {3, -0.5, 1e300};
    double x[3];
    ASSERT_EQ(rukmCholeskyBackSubst_mv_64f(id, 24, 8, b, 8, x, 8, 3), rukOk);
    EXPECT_EQ(std::vector<double>(x, x + 3), std::vector<double>(b, b + 3));
}

TEST(SolverResults, QrWorkedCases) {
    double buf[4], d[4], x[2];
    const double zero = 0, col[2] = {3, 4}, e1[2] = {0, 1}, two = 2, b[2] = {3, 5};
    EXPECT_EQ(rukmQRDecomp_m_64f(&zero, 8, 8, buf, d, 8, 8, 1, 1), rukOk);  // no reflection
    EXPECT_EQ(d[0], 0.0);
    ASSERT_EQ(rukmQRBackSubst_mv_64f(&two, 8, 8, buf, b, 8, x, 8, 1, 1), rukOk);
    EXPECT_EQ(x[0], 1.5);
    ASSERT_EQ(rukmQRDecomp_m_64f(col, 8, 8, buf, d, 8, 8, 1, 2), rukOk);
    EXPECT_EQ(d[0], -5.0);
    EXPECT_EQ(d[1], 0.5);
    ASSERT_EQ(rukmQRDecomp_m_64f(e1, 8, 8, buf, d, 8, 8, 1, 2), rukOk);  // x0 = 0 takes -norm
    EXPECT_EQ(d[0], 1.0);
    const double zero_first[4] = {0, 1, 0, 2}, zero_last[4] = {1, 0, 2, 0};
    EXPECT_EQ(rukmQRDecomp_m_64f(zero_first, 16, 8, buf, d, 16, 8, 2, 2), rukErrDivByZero);
    ASSERT_EQ(rukmQRDecomp_m_64f(zero_last, 16, 8, buf, d, 16, 8, 2, 2), rukOk);  // last column untested
    ASSERT_EQ(rukmQRBackSubst_mv_64f(d, 16, 8, buf, b, 8, x, 8, 2, 2), rukOk);
    EXPECT_FALSE(std::isfinite(x[1]));
}

// ---- Cross-checks against LAPACK -----------------------------------------------------------
// Well-conditioned systems (strictly diagonally dominant by a factor of two or more, or
// L L^T + n I): every backward-stable solver's solution is within a small multiple of
// n * epsilon * cond of the exact one, and cond stays below 4 here; 64 n epsilon relative to
// the largest element covers both solvers (the 32f Cholesky's approximate reciprocal square
// root loses about one bit more).
namespace {
template <class T>
void cross_check(int n, int h, std::mt19937& r) {
    constexpr bool f32 = sizeof(T) == 4;
    const int es = sizeof(T);
    const T tol = T(64 * h) * std::numeric_limits<T>::epsilon();
    std::uniform_real_distribution<double> u(-1, 1);
    std::vector<T> a(std::size_t(h) * n), spd(std::size_t(n) * n), b(h), buf(std::size_t(n) * n + n + h);
    for (int i = 0; i < h; ++i)
        for (int j = 0; j < n; ++j) a[i * n + j] = T(u(r)) + (i == j ? T(u(r) > 0 ? 2 * h : -2 * h) : T(0));
    for (T& v : b) v = T(u(r));
    for (int i = 0; i < n; ++i)
        for (int j = 0; j < n; ++j) {
            double s = i == j ? n : 0;
            for (int k = 0; k < n; ++k) s += double(a[i * n + k]) * a[j * n + k] / (4.0 * h * h);
            spd[i * n + j] = T(s);
        }
    auto near = [&](const std::vector<T>& x, const std::vector<T>& y, const char* what) {
        T scale = 1;
        for (T v : y) scale = std::max(scale, std::fabs(v));
        for (std::size_t i = 0; i < x.size(); ++i)
            EXPECT_LE(std::fabs(x[i] - y[i]), tol * scale) << what << " n=" << n << " h=" << h << " " << i << (f32 ? " 32f" : " 64f");
    };
    // The export or LAPACK routine of the element type.
#define BY_TYPE(F32, F64) [&](auto&&... v) { if constexpr (f32) return F32(v...); else return F64(v...); }
    std::vector<T> f(a.size()), x(n), lap, lb;
    std::vector<lapack_int> ipiv(h);
    if (n == h) {  // LU and the inverse
        std::vector<std::int32_t> p(n);
        ASSERT_EQ(BY_TYPE(rukmLUDecomp_m_32f, rukmLUDecomp_m_64f)(a.data(), es * n, es, p.data(), f.data(), es * n, es, n), rukOk);
        BY_TYPE(rukmLUBackSubst_mv_32f, rukmLUBackSubst_mv_64f)(f.data(), es * n, es, p.data(), b.data(), es, x.data(), es, n);
        std::vector<T> pa(a.size()), lu(a.size());  // P A against L U
        for (int i = 0; i < n; ++i)
            for (int j = 0; j < n; ++j) {
                pa[i * n + j] = a[p[i] * n + j];
                double s = 0;
                for (int k = 0; k <= std::min(i, j); ++k) s += (k == i ? 1.0 : double(f[p[i] * n + k])) * f[p[k] * n + j];
                lu[i * n + j] = T(s);
            }
        near(lu, pa, "L U");
        lap = a, lb = b;
        BY_TYPE(LAPACKE_sgetrf, LAPACKE_dgetrf)(LAPACK_ROW_MAJOR, n, n, lap.data(), n, ipiv.data());
        BY_TYPE(LAPACKE_sgetrs, LAPACKE_dgetrs)(LAPACK_ROW_MAJOR, 'N', n, 1, lap.data(), n, ipiv.data(), lb.data(), 1);
        near(x, lb, "LU solution");
        ASSERT_EQ(BY_TYPE(rukmInvert_m_32f, rukmInvert_m_64f)(a.data(), es * n, es, buf.data(), f.data(), es * n, es, n), rukOk);
        BY_TYPE(LAPACKE_sgetri, LAPACKE_dgetri)(LAPACK_ROW_MAJOR, n, lap.data(), n, ipiv.data());
        near(f, lap, "inverse");

        // Cholesky: the factor (diagonal as reciprocals) and the solution.
        ASSERT_EQ(BY_TYPE(rukmCholeskyDecomp_m_32f, rukmCholeskyDecomp_m_64f)(spd.data(), es * n, es, f.data(), es * n, es, n), rukOk);
        BY_TYPE(rukmCholeskyBackSubst_mv_32f, rukmCholeskyBackSubst_mv_64f)(f.data(), es * n, es, b.data(), es, x.data(), es, n);
        lap = spd, lb = b;
        BY_TYPE(LAPACKE_spotrf, LAPACKE_dpotrf)(LAPACK_ROW_MAJOR, 'L', n, lap.data(), n);
        BY_TYPE(LAPACKE_spotrs, LAPACKE_dpotrs)(LAPACK_ROW_MAJOR, 'L', n, 1, lap.data(), n, lb.data(), 1);
        std::vector<T> ours, theirs;
        for (int i = 0; i < n; ++i)
            for (int j = 0; j <= i; ++j) ours.push_back(i == j ? 1 / f[i * n + i] : f[i * n + j]), theirs.push_back(lap[i * n + j]);
        near(ours, theirs, "Cholesky factor");
        near(x, lb, "Cholesky solution");
    }
    // QR: R and the reflectors (same sign convention and v(k) = 1), least-squares solution.
    ASSERT_EQ(BY_TYPE(rukmQRDecomp_m_32f, rukmQRDecomp_m_64f)(a.data(), es * n, es, buf.data(), f.data(), es * n, es, n, h), rukOk);
    BY_TYPE(rukmQRBackSubst_mv_32f, rukmQRBackSubst_mv_64f)(f.data(), es * n, es, buf.data(), b.data(), es, x.data(), es, n, h);
    lap = a, lb = b;
    std::vector<T> tau(n);
    BY_TYPE(LAPACKE_sgeqrf, LAPACKE_dgeqrf)(LAPACK_ROW_MAJOR, h, n, lap.data(), n, tau.data());
    const int K = sm::reflections(n, h);
    for (int i = 0; i < h; ++i)
        for (int j = 0; j < n; ++j)
            if (j < K || i <= j) {
                EXPECT_LE(std::fabs(f[i * n + j] - lap[i * n + j]), tol * 2 * h) << "QR (" << i << ", " << j << ") n=" << n << " h=" << h;
            }
    lap = a;
    BY_TYPE(LAPACKE_sgels, LAPACKE_dgels)(LAPACK_ROW_MAJOR, 'N', h, n, 1, lap.data(), n, lb.data(), 1);
    lb.resize(n);
    near(x, lb, "least squares");
#undef BY_TYPE
}
}  // namespace

TEST(SolverResults, AgreeWithLapackOnWellConditionedSystems) {
    std::mt19937 r(17);
    for (const auto& [n, h] : std::vector<std::pair<int, int>>{{1, 1}, {2, 2}, {3, 3}, {4, 4}, {5, 5}, {6, 6}, {7, 7}, {9, 9},
                                                               {12, 12}, {1, 4}, {3, 5}, {4, 9}, {6, 7}})
        for (int rep = 0; rep < 3; ++rep) cross_check<float>(n, h, r), cross_check<double>(n, h, r);
}
