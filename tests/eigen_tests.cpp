// Eigen analysis: symmetric eigenvalues and eigenvectors; general eigenvalues, right, left and
// both sets of eigenvectors, and the buffer-size queries.
//
// The single-object standard exports are checked against the model of eigen_model.hpp (the
// symmetric families bit for bit, failures and their partial results included; the general
// families of orders 1 and 2 bit for bit), against worked cases and against LAPACK. Every other form must then give the same bits as the single-object export,
// in every layout, instruction-set variant and array count (lane groups filled and left with
// tails), also after failures: partial results of the failing object, objects after it
// untouched, in serial and in parallel runs. Also: argument checks in their orders, thresholds
// and per-thread scratch through the thread counter, guard zones around every operand.
#include <lapacke.h>

#include <complex>

#include "eigen_model.hpp"
#include "frame/isa.hpp"
#include "operand_arena.hpp"

using namespace oa;
using sm::Mat;

namespace {

#define TH_FAMILY(OP) TH_SINGLE(OP, m) TH_ARRAY(OP, ma)
const std::vector<Export>& exports() {
    static const std::vector<Export> all = {
        TH_FAMILY(EigenValuesSym) TH_FAMILY(EigenValuesVectorsSym) TH_FAMILY(EigenValues)
        TH_FAMILY(EigenValuesVectorsRight) TH_FAMILY(EigenValuesVectorsLeft) TH_FAMILY(EigenValuesVectors)
    };
    return all;
}

// ---- What a name says -----------------------------------------------------------------------
enum Fam { SymV, SymVV, GenV, GenR, GenL, GenRL };
Fam family(const Name& n) {
    return n.op == "EigenValuesSym" ? SymV : n.op == "EigenValuesVectorsSym" ? SymVV : n.op == "EigenValues" ? GenV
           : n.op == "EigenValuesVectorsRight" ? GenR : n.op == "EigenValuesVectorsLeft" ? GenL : GenRL;
}
bool sym(Fam f) { return f == SymV || f == SymVV; }

// Work estimate and the smallest one that enters the driver.
long long estimate(Fam f, long long n, long long c) {
    return f == SymV || f == GenV ? n * (n + 1) * c : f == SymVV ? n * (2 * n + 1) * c : n * (3 * n + 1) * c;
}
long long limit(const Name& nm, Fam f, bool contiguous) {
    switch (f) {
    case SymV: return nm.esz == 4 && nm.lay == List && contiguous ? 40001 : 20001;
    case SymVV: return 1701;
    case GenV: return 10001;
    default: return 7001;
    }
}

// ---- One matrix through the single-object standard export ----------------------------------
template <class T, class F32, class F64>
constexpr auto pick(F32 f, F64 d) {
    if constexpr (sizeof(T) == 4) return f;
    else return d;
}

// Values (re; im for the general families) and up to two matrices of vectors.
template <class T>
struct Out {
    std::vector<T> re, im;
    Mat<T> d1, d2;
    explicit Out(int n, T fill = T(-7)) : re(n, fill), im(n, fill), d1(n, n), d2(n, n) {
        std::fill(d1.v.begin(), d1.v.end(), fill), std::fill(d2.v.begin(), d2.v.end(), fill);
    }
};

// The outputs come in with the content a call starts from. Pinned to the baseline variant, so
// that every variant is compared with the same bits.
template <class T>
rukStatus single(Fam f, const Mat<T>& a, Out<T>& o) {
    const rukm::Isa was = rukm::active_isa();
    rukm::pin_isa(rukm::Isa::Sse2);
    const int n = a.rows, es = sizeof(T), rs = es * n;
    std::vector<T> work(std::size_t(3 * n + 5) * n);
    T* buf = work.data();
    auto* bytes = reinterpret_cast<std::uint8_t*>(buf);
    const T* s = a.v.data();
    T *re = o.re.data(), *im = o.im.data(), *d1 = o.d1.v.data(), *d2 = o.d2.v.data();
    rukStatus st = rukOk;
    switch (f) {
    case SymV: st = pick<T>(rukmEigenValuesSym_m_32f, rukmEigenValuesSym_m_64f)(s, rs, es, buf, re, n); break;
    case SymVV:
        st = pick<T>(rukmEigenValuesVectorsSym_m_32f, rukmEigenValuesVectorsSym_m_64f)(s, rs, es, buf, d1, rs, es, re, n);
        break;
    case GenV: st = pick<T>(rukmEigenValues_m_32f, rukmEigenValues_m_64f)(s, rs, es, re, im, n, bytes); break;
    case GenR:
        st = pick<T>(rukmEigenValuesVectorsRight_m_32f, rukmEigenValuesVectorsRight_m_64f)(s, rs, es, d1, rs, es, re, im, n, bytes);
        break;
    case GenL:
        st = pick<T>(rukmEigenValuesVectorsLeft_m_32f, rukmEigenValuesVectorsLeft_m_64f)(s, rs, es, d1, rs, es, re, im, n, bytes);
        break;
    case GenRL:
        st = pick<T>(rukmEigenValuesVectors_m_32f, rukmEigenValuesVectors_m_64f)(s, rs, es, d1, rs, es, d2, rs, es, re, im, n, bytes);
        break;
    }
    rukm::pin_isa(was);
    return st;
}

// ---- Source matrices ------------------------------------------------------------------------
// Symmetric modes: 0 random, 1 diagonal, 2 small integers (ties, repeated and zero
// eigenvalues), 3 tridiagonal, 4 unsymmetric (both triangles enter), 5 rank one (singular),
// 6 a NaN anywhere (in the upper triangle it never reaches the tridiagonal matrix).
// General modes: 0 random, 1 upper triangular, 2 small integers, 3 symmetric, 4 a NaN anywhere.
// A spoilt matrix fails: symmetric order 2 singular; symmetric orders 3 and up a NaN on the
// diagonal (no convergence) or all ones (singular); general orders 3 and up a leading
// Hessenberg block of order 3 with a NaN in its first two diagonal elements above an upper triangular rest (the
// rest splits off, then the budget runs out).
int modes(Fam f) { return sym(f) ? 7 : 5; }
bool can_fail(Fam f, int n) { return sym(f) ? n >= 2 : n >= 3; }

template <class T>
Mat<T> gen(Fam f, int mode, bool spoil, int n, std::mt19937& r) {
    const T nan = std::numeric_limits<T>::quiet_NaN();
    Mat<T> m(n, n);
    for (T& v : m.v) v = mixed<T>(r, 3, false);
    auto mirror = [&] {
        for (int i = 0; i < n; ++i)
            for (int j = 0; j < i; ++j) m(i, j) = m(j, i);
    };
    if (sym(f)) {
        if (mode != 4) mirror();
        for (int i = 0; i < n; ++i)
            for (int j = 0; j < n; ++j) {
                if (mode == 1 && i != j) m(i, j) = T(0);
                if (mode == 2) m(i, j) = T(int(r() % 5) - 2);
                if (mode == 3 && std::abs(i - j) > 1) m(i, j) = T(0);
            }
        if (mode == 2) mirror();
        if (mode == 5)
            for (int i = 0; i < n; ++i)
                for (int j = 0; j < n; ++j) m(i, j) = T(i + 1) * T(j + 1) / T(4);
        if (mode == 6) m(r() % n, r() % n) = nan;
        if (spoil && (n == 2 || r() % 2)) std::fill(m.v.begin(), m.v.end(), T(1));
        else if (spoil) m(r() % n, 0) = T(1), m(0, r() % n) = T(1), m(n - 1, n - 1) = nan;
        return m;
    }
    for (int i = 0; i < n; ++i)
        for (int j = 0; j < n; ++j) {
            if (mode == 1 && i > j) m(i, j) = T(0);
            if (mode == 2) m(i, j) = T(int(r() % 5) - 2);
            if (mode == 3 && i > j) m(i, j) = m(j, i);
            if (spoil && i > j && (i >= 3 || i > j + 1)) m(i, j) = T(0);
        }
    if (mode == 4) m(r() % n, r() % n) = nan;
    if (spoil) {
        const int at = int(r() % 2);  // not beside the rest: a NaN there spoils its relative deflation test
        m(at, at) = nan, m(1, 0) = T(1), m(2, 1) = T(-1);
    }
    return m;
}

// ---- An export's operands and its expected results ------------------------------------------
struct Case {
    int n = 3, count = 1, style = 0;
    unsigned seed = 1;
    int mode = -1;               // -1: one drawn per object
    std::vector<int> fail = {};  // objects spoilt so that they fail
    int threads = 4;             // what the thread counter answers (driver runs only)
};

template <class T>
Mat<T> read(const Arena& a, int o, int k, int n) {
    Mat<T> m(n, n);
    for (int i = 0; i < n; ++i)
        for (int j = 0; j < n; ++j) m(i, j) = a.get<T>(o, k, i, j);
    return m;
}

std::unique_ptr<Arena> make(const Export& ex, const Case& c) {
    const Name nm = parse(ex.name);
    const Fam f = family(nm);
    const int n = c.n, count = nm.array ? c.count : 1;
    auto a = std::make_unique<Arena>(ex, count, kStyles[c.style], c.seed);
    auto matrix = [&](const char* name, int step) { return a->operand(name, true, n, n, nm.array, nm.lay, step); };
    const int src = matrix("src", a->st.step[0]);
    const std::size_t values = std::size_t(n) * count;
    int buf = -1, d[2] = {-1, -1}, re, im = -1;
    if (sym(f)) {
        buf = a->packed("buffer", std::size_t(n) * n);
        if (f == SymVV) d[0] = matrix("dst", a->st.step[2]);
        re = a->packed("dstValues", values);
    } else {
        if (f == GenRL) d[0] = matrix("dstRight", a->st.step[1]), d[1] = matrix("dstLeft", a->st.step[2]);
        else if (f != GenV) d[0] = matrix("dst", a->st.step[2]);
        re = a->packed("dstValuesRe", values), im = a->packed("dstValuesIm", values);
    }
    a->integer("order", RSize, n);
    if (nm.array) a->integer("count", RCount, count);
    if (!sym(f)) {  // bytes, exactly the size the query gives; at an odd address in some styles
        buf = a->packed("buffer", std::size_t(f == GenV ? n + 5 : 3 * n + 5) * n * nm.esz, 1);
        a->opd[buf].align = c.style % 2 ? 3 : -1;
    }
    a->build();
    a->scratch = sym(f) && n == 1 ? -1 : buf;  // symmetric order 1 leaves the buffer alone

    th::typed(nm.esz, [&](auto z) {
        using T = decltype(z);
        std::mt19937& r = a->rng;
        for (int k = 0; k < count; ++k) {
            const bool spoil = std::find(c.fail.begin(), c.fail.end(), k) != c.fail.end() && can_fail(f, n);
            const Mat<T> m = gen<T>(f, c.mode >= 0 ? c.mode : int(r() % modes(f)), spoil, n, r);
            for (int i = 0; i < n; ++i)
                for (int j = 0; j < n; ++j) a->put(src, k, i, j, m(i, j));
        }
        a->seal();
        const bool driver = nm.array && estimate(f, n, count) >= limit(nm, f, a->contiguous());
        a->status = sm::objects(count, driver ? c.threads : 1, [&](int k) {
            Out<T> o(n);
            for (int i = 0; i < n; ++i) {
                o.re[i] = a->get<T>(re, 0, 0, k * n + i);
                if (im >= 0) o.im[i] = a->get<T>(im, 0, 0, k * n + i);
                for (int j = 0; j < n; ++j)
                    for (int q = 0; q < 2; ++q)
                        if (d[q] >= 0) (q ? o.d2 : o.d1)(i, j) = a->get<T>(d[q], k, i, j);
            }
            const rukStatus s = single(f, read<T>(*a, src, k, n), o);
            for (int i = 0; i < n; ++i) {
                a->expect(re, 0, 0, k * n + i, o.re[i]);
                if (im >= 0) a->expect(im, 0, 0, k * n + i, o.im[i]);
                for (int j = 0; j < n; ++j)
                    for (int q = 0; q < 2; ++q)
                        if (d[q] >= 0) a->expect(d[q], k, i, j, (q ? o.d2 : o.d1)(i, j));
            }
            return s;
        }, &a->racing);
    });
    return a;
}

// The check order: pointers, order, count; then shifts and strides, the general vector arrays
// of the pointer-list and element-pointer layouts operand by operand.
std::vector<Check> check_order(const Name& nm, Fam f) {
    std::vector<Check> g = {GPtr, GSize};
    if (nm.array) g.push_back(GCnt);
    auto of = [](const char* prefix) { return [prefix](const Param& p) { return p.name.rfind(prefix, 0) == 0; }; };
    if (nm.array && nm.lay != Std && !sym(f) && f != GenV) {
        for (const char* o : {"src", "dst"}) g.push_back(Check(GShift, of(o))), g.push_back(Check(GStride, of(o)));
        return g;
    }
    if (nm.lay != Std) g.push_back(GShift);
    if (nm.lay != Ptr || nm.array) g.push_back(GStride);
    return g;
}

class EigenExport : public ExportTest<exports> {
protected:
    const Fam f = family(n);
};
class EigenArray : public EigenExport {};

}  // namespace

TEST(EigenExports, TableCoversEveryExportOfTheFamilies) {
    const auto listed = th::listed_exports([](const std::string& s) { return s.rfind("rukmEigen", 0) == 0; });
    std::set<std::string> ours = th::names(exports());
    for (const char* q : {"rukmEigenValuesGetBufSize_32f", "rukmEigenValuesGetBufSize_64f",
                          "rukmEigenValuesVectorsGetBufSize_32f", "rukmEigenValuesVectorsGetBufSize_64f"})
        ours.insert(q);
    EXPECT_EQ(ours, listed);
    EXPECT_EQ(listed.size(), 64u);
}

// Every order in every layout (awkward strides, padding, interleaved objects, shifts, a buffer
// at an odd address) and instruction-set variant, with counts that fill lane groups of 16
// (32f) and 8 (64f) matrices and leave tails; failing objects in a third of the runs.
TEST_P(EigenExport, SameBitsInEveryLayoutVariantAndCount) {
    const int counts[] = {1, 2, 5, 15, 16, 17, 33};
    const rukm::IsaRestore restore;
    unsigned seed = 0;
    for (int v = 0; v <= int(rukm::detected_isa()); ++v) {
        rukm::pin_isa(rukm::Isa(v));
        for (int order : {1, 2, 3, 4, 5, 6, 7, 9})
            for (int style = 0; style < 5; ++style) {
                Case c{.n = order, .count = counts[++seed % 7], .style = style, .seed = seed};
                if (seed % 3 == 0) c.fail = {int(seed / 3 % 7), int(seed % 19)};
                ASSERT_TRUE(make(ex, c)->run()) << "variant " << v;
            }
    }
}

// A failing matrix inside a lane group and at a group's edges: the matrices before it hold
// their results, the failing one its partial results, the later ones their old content.
TEST_P(EigenArray, SerialRunStopsAtTheFirstFailingMatrix) {
    const int group = 64 / n.esz;
    const rukm::IsaRestore restore;
    struct Restore {
        ~Restore() { thread_counter::set(4); }
    } one_thread;
    thread_counter::set(1);
    unsigned seed = 100;
    for (int v = 0; v <= int(rukm::detected_isa()); ++v) {
        rukm::pin_isa(rukm::Isa(v));
        for (int order : {2, 3, 4, 5, 6, 7}) {
            if (!can_fail(f, order)) continue;
            for (int count : {group, 2 * group + 1})
                for (int at : {0, 5, group - 1, group, count - 1}) {
                    if (at >= count) continue;
                    Case c{.n = order, .count = count, .style = int(++seed % 5), .seed = seed, .mode = 0, .threads = 1};
                    c.fail = {at, at + 1 + int(seed % 3)};
                    const auto a = make(ex, c);
                    ASSERT_NE(a->status, rukOk);
                    ASSERT_TRUE(a->run()) << "variant " << v << ", failing matrix " << at;
                }
        }
    }
}

// With the driver each thread's run stops at its own first failure; the others complete, and
// the caller's buffer is left alone (the threads have scratch of their own).
TEST_P(EigenArray, ParallelRunsStopOnlyAtTheirOwnFailure) {
    struct Restore {
        ~Restore() { thread_counter::set(4); }
    } restore;
    for (int threads : {2, 4})
        for (int order : {3, 6}) {
            int c = 2 * threads;
            while (estimate(f, order, c) < limit(n, f, true)) ++c;
            c += 3;
            const int run0 = c / threads + (c % threads > 0);
            Case cs{.n = order, .count = c, .style = 1, .seed = unsigned(c * threads), .mode = 0};
            cs.fail = {1, run0 + run0 / 2, c - 1};
            cs.threads = threads;
            thread_counter::set(threads);
            thread_counter::reset_calls();
            const auto a = make(ex, cs);
            ASSERT_NE(a->status, rukOk);
            EXPECT_TRUE(a->run(false)) << threads << " threads";
            EXPECT_EQ(thread_counter::calls(), 2);
        }
}

TEST_P(EigenExport, FirstFailingCheckGroupDecidesAndNothingIsWritten) {
    check_faults(*make(ex, Case{.n = 3, .count = 3, .style = 2, .seed = 7, .mode = 0}), check_order(n, f));
}

// Contiguous and strided operands: serial up to the threshold, the driver from it on, the same
// bits either way, the caller's buffer untouched when the driver splits.
TEST_P(EigenArray, DriverFromTheThresholdOnWithIdenticalResults) {
    for (int style : {0, 2}) {
        Case cs{.n = 3, .style = style, .mode = 0};
        const bool contiguous = make(ex, cs)->contiguous();
        int c = 1;
        while (estimate(f, 3, c) < limit(n, f, contiguous)) ++c;
        expect_threshold([&](int count) { cs.count = count, cs.seed = count; return make(ex, cs); }, c);
    }
}

INSTANTIATE_TEST_SUITE_P(All, EigenExport, testing::ValuesIn(EigenExport::all()), EigenExport::test_name);
INSTANTIATE_TEST_SUITE_P(All, EigenArray, testing::ValuesIn(EigenExport::arrays()), EigenExport::test_name);

// ---- Worked cases --------------------------------------------------------------------------
namespace {
using cl = std::complex<long double>;
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN(), kR = 0.70710678118654752;

template <class T>
Mat<T> matrix(int n, const std::vector<double>& v) {
    Mat<T> m(n, n);
    for (std::size_t e = 0; e < v.size(); ++e) m.v[e] = T(v[e]);
    return m;
}
template <class T>
long double frob(const Mat<T>& a) {
    long double s = 0;
    for (T v : a.v) s += std::isfinite(v) ? (long double)v * v : 0;
    return std::max(std::sqrt(s), 1e-30L);
}
// Equal when tol is 0 (either zero for a zero), else within tol; NaN matches NaN.
template <class T>
bool near(T x, long double want, long double tol) {
    if (std::isnan(x) || std::isnan(want)) return std::isnan(x) && std::isnan(want);
    return tol == 0 ? x == T(want) : std::fabs(x - want) <= tol;
}

struct SymRow {
    int n;
    std::vector<double> a;
    rukStatus status;
    std::vector<double> values, sorted, vectors;  // empty: untouched; sorted: vectors family, if other
    bool exact;
};
}  // namespace

// Values to the bit where nothing but closed forms and exact steps enter (orders 1 and 2,
// diagonal matrices), else within a few units of rounding; vectors with their described signs.
TEST(EigenResults, SymmetricWorkedCases) {
    const double s2 = std::sqrt(2.0);
    const std::vector<SymRow> rows = {
        {1, {0}, rukOk, {0}, {}, {1}, true},
        {1, {-5}, rukOk, {-5}, {}, {1}, true},
        {2, {1, 1, 1, 1}, rukErrSingular, {}, {}, {}, true},  // neither values nor vectors written
        {2, {2, 1, 1, 2}, rukOk, {3, 1}, {}, {kR, -kR, kR, kR}, false},
        {2, {2, 1, kNaN, 2}, rukOk, {3, 1}, {}, {kR, -kR, kR, kR}, false},  // only row 0, column 1 is read
        {2, {-2, 1, 1, -2}, rukOk, {-3, -1}, {}, {}, false},                // larger magnitude first
        {3, {1, 1, 1, 1, 1, 1, 1, 1, 1}, rukErrSingular, {0, 3, 0}, {3, 0, 0}, {}, false},  // in the iteration's order
        {4, {1, 0, 0, 0, 0, 4, 0, 0, 0, 0, -2, 0, 0, 0, 0, 3}, rukOk, {4, 3, 1, -2}, {},
         {0, 0, 1, 0, 1, 0, 0, 0, 0, 0, 0, 1, 0, 1, 0, 0}, true},  // no sweep: sorted, unit columns
        {3, {2, 0, 0, 0, 0, 0, 0, 0, 5}, rukErrSingular, {2, 0, 5}, {5, 2, 0}, {0, 1, 0, 0, 0, 1, 1, 0, 0}, true},
        {3, {2, -1, 0, -1, 2, -1, 0, -1, 2}, rukOk, {2 + s2, 2, 2 - s2}, {}, {}, false},
    };
    auto one = [&]<class T>(T, const SymRow& row) {
        const int n = row.n;
        const long double tol = row.exact ? 0 : 16 * n * em::kEps<T> * frob(matrix<T>(n, row.a));
        for (Fam f : {SymV, SymVV}) {
            Out<T> o(n);
            const std::string what = std::string(sizeof(T) == 4 ? "32f " : "64f ") + (f == SymV ? "values" : "vectors") +
                                     ", order " + std::to_string(n) + ", first element " + std::to_string(row.a[0]);
            ASSERT_EQ(single(f, matrix<T>(n, row.a), o), row.status) << what;
            const std::vector<double>& v = f == SymVV && !row.sorted.empty() ? row.sorted : row.values;
            for (int i = 0; i < n; ++i) EXPECT_TRUE(near(o.re[i], v.empty() ? -7 : v[i], tol)) << what << ", value " << i << " " << o.re[i];
            for (int e = 0; f == SymVV && e < n * n; ++e)
                if (row.vectors.size() || row.values.empty()) {
                    EXPECT_TRUE(near(o.d1.v[e], row.values.empty() ? -7 : row.vectors[e], tol)) << what << ", vector element " << e;
                }
        }
    };
    for (const SymRow& row : rows) one(0.0f, row), one(0.0, row);
}

namespace {
// Column j of a matrix of vectors as a complex vector: real, or for a pair j, j + 1 the real
// part in column j and the imaginary part in column j + 1 (eigenvalue j + 1: the conjugate).
template <class T>
std::vector<cl> column(const Mat<T>& d, const std::vector<T>& im, int j) {
    std::vector<cl> x(d.rows);
    for (int i = 0; i < d.rows; ++i)
        x[i] = im[j] == 0 ? cl(d(i, j)) : im[j] > 0 ? cl(d(i, j), d(i, j + 1)) : cl(d(i, j - 1), -d(i, j));
    return x;
}

// What every vector of a general family must satisfy: the residual of A x = lambda x (right)
// or u^H A = lambda u^H (left), relative to ||A||_F; unit norm; a real component of largest
// modulus.
struct Quality {
    long double residual = 0, norm = 0;
    bool real_lead = true;
};
template <class T>
Quality quality(const Mat<T>& a, const std::vector<T>& re, const std::vector<T>& im, const Mat<T>& d, bool left) {
    const int n = a.rows;
    Quality q;
    for (int j = 0; j < n; ++j) {
        std::vector<cl> x = column(d, im, j);
        if (left)
            for (cl& v : x) v = std::conj(v);
        const cl lambda(re[j], im[j]);
        long double nn = 0, mx = 0;
        for (int i = 0; i < n; ++i) {
            cl s = -lambda * x[i];
            for (int k = 0; k < n; ++k) s += (long double)(left ? a(k, i) : a(i, k)) * x[k];
            q.residual = std::max(q.residual, std::abs(s) / frob(a));
            nn += std::norm(x[i]), mx = std::max(mx, std::abs(x[i]));
        }
        q.norm = std::max(q.norm, std::fabs(std::sqrt(nn) - 1));
        bool lead = false;
        for (int i = 0; i < n; ++i)
            lead = lead || (std::abs(x[i]) >= mx * (1 - 8 * em::kEps<T>) && std::fabs(x[i].imag()) <= 4 * em::kEps<T> * std::abs(x[i]));
        q.real_lead = q.real_lead && lead;
    }
    return q;
}

// Runs the four general families on one matrix; the values of the three vector families and
// the two-sided family's vectors must be those of the one-sided families, bit for bit.
template <class T>
std::vector<Out<T>> general_all(const Mat<T>& a, rukStatus want = rukOk) {
    const int n = a.rows;
    std::vector<Out<T>> o(4, Out<T>(n));
    const Fam fams[4] = {GenV, GenR, GenL, GenRL};
    for (int q = 0; q < 4; ++q) EXPECT_EQ(single(fams[q], a, o[q]), want) << "family " << q << ", order " << n;
    for (int q = 2; q < 4; ++q) EXPECT_TRUE(o[q].re == o[1].re && o[q].im == o[1].im) << "values of family " << q;
    EXPECT_EQ(o[3].d1.v, o[1].d1.v);
    EXPECT_EQ(o[3].d2.v, o[2].d1.v);
    return o;
}

struct GenRow {
    int n;
    std::vector<double> a, re, im, vectors;  // vectors: both sides, exactly (empty: by their properties)
    bool exact = true;                       // values to the bit, else within a few units of rounding
};
}  // namespace

TEST(EigenResults, GeneralWorkedCases) {
    const std::vector<GenRow> rows = {
        {1, {7}, {7}, {0}, {1}},
        {1, {0}, {0}, {0}, {1}},  // a zero matrix is no error
        {2, {0, -1, 1, 0}, {0, 0}, {1, -1}, {}},  // the pair, positive imaginary part first
        {2, {1, 2, 2, 1}, {-1, 3}, {0, 0}, {}, false},  // p = 0: z = p - sqrt(scale) sqrt(z)
        {2, {2, 0, 0, 5}, {2, 5}, {0, 0}, {1, 0, 0, 1}},  // diagonal order, not sorted
        {3, {-1, 0, 0, 0, 4, 0, 0, 0, 2}, {-1, 4, 2}, {0, 0, 0}, {1, 0, 0, 0, 1, 0, 0, 0, 1}},
        {4, {3, 1, -2, 4, 0, -1, 5, 2, 0, 0, 7, 1, 0, 0, 0, 0.5}, {3, -1, 7, 0.5}, {0, 0, 0, 0}, {}},  // the diagonal in place
    };
    auto one = [&]<class T>(T, const GenRow& row) {
        const Mat<T> a = matrix<T>(row.n, row.a);
        const auto o = general_all(a);
        const long double tol = row.exact ? 0 : 4 * em::kEps<T> * frob(a);
        for (int q = 0; q < 4; ++q)
            for (int i = 0; i < row.n; ++i)
                EXPECT_TRUE(near(o[q].re[i], row.re[i], tol) && near(o[q].im[i], row.im[i], 0))
                    << "family " << q << ", order " << row.n << ", value " << i << ": " << o[q].re[i] << " " << o[q].im[i];
        for (int e = 0; e < row.n * row.n && !row.vectors.empty(); ++e)
            EXPECT_TRUE(near(o[1].d1.v[e], row.vectors[e], 0) && near(o[2].d1.v[e], row.vectors[e], 0)) << "element " << e;
        for (bool left : {false, true}) {
            const Quality q = quality(a, o[1].re, o[1].im, o[left ? 2 : 1].d1, left);
            EXPECT_LE(q.residual, 16 * row.n * em::kEps<T>) << row.n << " " << left;
            EXPECT_LE(q.norm, 4 * em::kEps<T>) << row.n << " " << left;
            EXPECT_TRUE(q.real_lead) << row.n << " " << left;
        }
    };
    for (const GenRow& row : rows) one(0.0f, row), one(0.0, row);
    // The rotation: the first component of the vector is real.
    const auto o = general_all(matrix<double>(2, {0, -1, 1, 0}));
    EXPECT_EQ(o[1].d1(0, 1), 0.0);
    EXPECT_EQ(o[2].d1(0, 1), 0.0);
}

// Order 2 has no reduction: one deflation test (absolute in the values family, relative to the
// diagonal in the vector families), then the standardisation of the block, all fixed to the bit.
// Blocks from every branch: b or c zero or negligible, equal diagonals with opposite or equal
// signs, p = 0, nearly equal real eigenvalues (z about 4 epsilon), complex pairs.
TEST(EigenResults, GeneralOrderTwoFollowsTheStandardisation) {
    auto run = [&]<class T>(T) {
        std::mt19937 r(23);
        const T e = em::kEps<T>;
        for (int rep = 0; rep < 3000; ++rep) {
            Mat<T> a(2, 2);
            for (T& v : a.v) v = mixed<T>(r, 4, false);
            switch (rep % 9) {
            case 1: a(0, 1) = (r() & 1) ? T(0) : em::kMin<T> * T(r() % 2); break;
            case 2: a(1, 0) = (r() % 3) ? e * a(0, 0) * T(r() % 3) / T(2) : std::ldexp(e, -int(r() % 4)); break;
            case 3: a(1, 1) = a(0, 0), a(1, 0) = -std::copysign(a(1, 0), a(0, 1)); break;
            case 4: a(1, 1) = a(0, 0), a(1, 0) = std::copysign(a(1, 0), a(0, 1)); break;
            case 5: a(1, 1) = std::nextafter(a(0, 0), T(r() % 2 ? 10 : -10)); break;
            case 6: a(1, 0) = std::ldexp(T(1), -int(r() % 30)), a(0, 1) = -a(1, 0) * T(1 + int(r() % 4)); break;
            case 7: a(1, 0) = std::ldexp(a(1, 0), -20), a(0, 1) = std::ldexp(a(0, 1), -20) * (r() % 2 ? 1 : -1); break;
            case 8: a(1, 0) = -a(0, 1); break;
            }
            for (bool relative : {false, true}) {
                T re[2], im[2];
                em::general_small(a, relative, re, im);
                Out<T> o(2);
                ASSERT_EQ(single(relative ? GenR : GenV, a, o), rukOk);
                for (int i = 0; i < 2; ++i)
                    ASSERT_TRUE(std::memcmp(&o.re[i], &re[i], sizeof(T)) == 0 && near(o.im[i], im[i], 0))
                        << (relative ? "vectors " : "values ") << std::hexfloat << a(0, 0) << " " << a(0, 1) << " " << a(1, 0) << " "
                        << a(1, 1) << ": value " << i << " " << o.re[i] << " " << o.im[i] << ", expected " << re[i] << " " << im[i];
                if (!relative) continue;
                const Quality q = quality(a, o.re, o.im, o.d1, false);
                EXPECT_LE(q.residual, 16 * e);
                EXPECT_LE(q.norm, 4 * e);
            }
        }
    };
    run(0.0f), run(0.0);
}

// The budget runs out on a leading block with a NaN after the triangular rest has split off:
// the rest's values are written (in place, imaginary parts 0), the block's are not, and no
// destination matrix is.
TEST(EigenResults, GeneralNoConvergenceKeepsTheValuesSplitOffBefore) {
    auto run = [&]<class T>(T) {
        std::mt19937 r(31);
        for (int n : {3, 4, 6, 8}) {
            const Mat<T> a = gen<T>(GenV, 0, true, n, r);
            const auto o = general_all(a, rukErrNoConverge);
            for (int q = 0; q < 4; ++q) {
                for (int i = 0; i < n; ++i) {
                    EXPECT_TRUE(near(o[q].re[i], i < 3 ? -7 : a(i, i), 0))
                        << "family " << q << ", order " << n << ", value " << i << ": " << o[q].re[i] << ", diagonal " << a(i, i);
                    EXPECT_TRUE(near(o[q].im[i], i < 3 ? -7 : 0, 0)) << "family " << q << ", order " << n << ", value " << i;
                }
                for (T v : o[q].d1.v) EXPECT_EQ(v, T(-7));
                for (T v : o[q].d2.v) EXPECT_EQ(v, T(-7));
            }
        }
    };
    run(0.0f), run(0.0);
}

TEST(EigenResults, SizeQueriesGiveTheBufferBytes) {
    struct Query {
        rukStatus (*fn)(std::int32_t, std::int32_t*);
        int esz, matrices;
    };
    for (const Query& q : {Query{rukmEigenValuesGetBufSize_32f, 4, 1}, Query{rukmEigenValuesGetBufSize_64f, 8, 1},
                           Query{rukmEigenValuesVectorsGetBufSize_32f, 4, 3}, Query{rukmEigenValuesVectorsGetBufSize_64f, 8, 3}}) {
        EXPECT_EQ(q.fn(3, nullptr), rukErrNullPtr);
        EXPECT_EQ(q.fn(0, nullptr), rukErrNullPtr);
        std::int32_t size = 12345;
        for (std::int32_t order : {0, -1, INT32_MIN}) {
            EXPECT_EQ(q.fn(order, &size), rukErrSize);
            EXPECT_EQ(size, 12345);
        }
        for (std::int32_t order : {1, 2, 3, 6, 7, 10, 100}) {
            ASSERT_EQ(q.fn(order, &size), rukOk);
            EXPECT_EQ(size, (q.matrices * order + 5) * order * q.esz) << order;
        }
    }
}

// ---- Against the model and LAPACK ------------------------------------------------------------
// The symmetric kernels (scalar and lane groups) perform the model's operations in its order,
// so every output agrees to the bit, failures included: the partial vectors and diagonal of a
// matrix that runs out of sweeps, the unsorted values of a singular one. Against LAPACK (in
// double), for symmetric finite sources that succeed: Householder tridiagonalisation followed
// by sweeps of plane rotations is backward stable, the values are exact for a matrix within
// c n epsilon ||A||_F of A, so they agree with LAPACK's within that (c = 64 leaves room); the
// vectors are orthonormal and satisfy A v = lambda v within the same bound.
namespace {
template <class T>
bool same(T x, T y) {
    return std::memcmp(&x, &y, sizeof x) == 0 || (std::isnan(x) && std::isnan(y));
}
template <class T>
void against_model_and_lapack(const Mat<T>& a, const std::string& what) {
    const int n = a.rows;
    const long double tol = 64 * n * em::kEps<T> * frob(a);
    bool plain = true;  // symmetric and finite
    for (int i = 0; i < n; ++i)
        for (int j = 0; j < n; ++j) plain = plain && std::isfinite(a(i, j)) && a(i, j) == a(j, i);
    for (Fam f : {SymV, SymVV}) {
        Out<T> lib(n), mod(n);
        const rukStatus s = single(f, a, lib);
        ASSERT_EQ(s, em::symmetric(a, mod.re, f == SymVV ? &mod.d1 : nullptr)) << what;
        for (int i = 0; i < n; ++i)
            ASSERT_TRUE(same(lib.re[i], mod.re[i])) << what << " value " << i << ": " << std::hexfloat << lib.re[i] << ", model " << mod.re[i];
        for (int e = 0; f == SymVV && e < n * n; ++e)
            ASSERT_TRUE(same(lib.d1.v[e], mod.d1.v[e])) << what << " vector element " << e << ": " << std::hexfloat << lib.d1.v[e] << ", model " << mod.d1.v[e];
        if (s != rukOk || !plain) continue;
        std::vector<double> w(n), z(a.v.begin(), a.v.end());  // symmetric: row- and column-major alike
        ASSERT_EQ(LAPACKE_dsyev(LAPACK_COL_MAJOR, 'N', 'L', n, z.data(), n, w.data()), 0);
        std::vector<T> ours = lib.re;
        std::sort(ours.rbegin(), ours.rend());
        for (int i = 0; i < n; ++i) EXPECT_LE(std::fabs(ours[i] - w[n - 1 - i]), tol) << what << " LAPACK value " << i;
        if (f == SymV) continue;
        for (int i = 0; i < n; ++i)
            for (int j = 0; j < n; ++j) {
                long double dot = 0, res = -(long double)lib.re[j] * lib.d1(i, j);
                for (int k = 0; k < n; ++k) dot += (long double)lib.d1(k, i) * lib.d1(k, j), res += (long double)a(i, k) * lib.d1(k, j);
                EXPECT_LE(std::fabs(dot - (i == j)), 16 * n * em::kEps<T>) << what << " orthonormality " << i << " " << j;
                EXPECT_LE(std::fabs(res), tol) << what << " residual " << i << " " << j;
            }
    }
}
}  // namespace

// Every kind of source (random, diagonal, small integers with repeated and zero eigenvalues,
// tridiagonal, unsymmetric, rank one, NaNs), orders 1 to 10; a spread of magnitudes; repeated
// eigenvalues of an orthogonal similarity (I + rank one).
TEST(EigenResults, SymmetricAgreesWithTheModelAndLapack) {
    auto run = [&]<class T>(T) {
        std::mt19937 r(41);
        for (int n = 1; n <= 10; ++n)
            for (int mode = 0; mode < modes(SymV); ++mode)
                for (int rep = 0; rep < 3; ++rep) {
                    Mat<T> a = gen<T>(SymV, mode, rep == 2 && mode == 0, n, r);
                    if (rep == 1 && mode == 0)
                        for (T& v : a.v) v = std::ldexp(v, 40);
                    against_model_and_lapack(a, std::to_string(n) + "/" + std::to_string(mode) + "/" + std::to_string(rep));
                }
        for (int n = 3; n <= 8; ++n) {
            Mat<T> a(n, n);
            for (int i = 0; i < n; ++i)
                for (int j = 0; j < n; ++j) a(i, j) = T(i == j) + T(1) / T(n);  // values 1 (n - 1 times) and 2
            against_model_and_lapack(a, "identity plus rank one, order " + std::to_string(n));
        }
    };
    run(0.0f), run(0.0);
}

namespace {
struct Lapack {
    std::vector<double> re, im, rconde, rcondv;
    Mat<double> vl, vr;
};
template <class T>
Lapack geevx(const Mat<T>& a) {
    const int n = a.rows;
    Lapack l{std::vector<double>(n), std::vector<double>(n), std::vector<double>(n), std::vector<double>(n), Mat<double>(n, n),
             Mat<double>(n, n)};
    std::vector<double> cm(std::size_t(n) * n), vl(cm.size()), vr(cm.size()), scale(n);
    for (int i = 0; i < n; ++i)
        for (int j = 0; j < n; ++j) cm[i + j * n] = a(i, j);
    lapack_int ilo, ihi;
    double abnrm;
    EXPECT_EQ(LAPACKE_dgeevx(LAPACK_COL_MAJOR, 'N', 'V', 'V', 'B', n, cm.data(), n, l.re.data(), l.im.data(), vl.data(), n,
                             vr.data(), n, &ilo, &ihi, scale.data(), &abnrm, l.rconde.data(), l.rcondv.data()), 0);
    for (int i = 0; i < n; ++i)
        for (int j = 0; j < n; ++j) l.vl(i, j) = vl[i + j * n], l.vr(i, j) = vr[i + j * n];
    return l;
}
// The distance between the directions of two vectors: || x / |x| - phi y / |y| || with phi the
// unit factor that aligns them, summed element by element (no cancellation in 1 - |x^H y|).
long double apart(const std::vector<cl>& x, const std::vector<cl>& y) {
    cl dot = 0;
    long double nx = 0, ny = 0, d = 0;
    for (std::size_t i = 0; i < x.size(); ++i) dot += std::conj(y[i]) * x[i], nx += std::norm(x[i]), ny += std::norm(y[i]);
    const cl phi = std::abs(dot) > 0 ? dot / std::abs(dot) : cl(1);
    for (std::size_t i = 0; i < x.size(); ++i) d += std::norm(x[i] / std::sqrt(nx) - phi * y[i] / std::sqrt(ny));
    return std::sqrt(d);
}

// Eigenvalues are matched to LAPACK's (in double) within the first-order bound epsilon ||A|| / s
// (s the reciprocal condition number), vectors within epsilon ||A|| / sep; both with the
// factor 64 n of the backward error. Pairs stand at consecutive indices, the positive
// imaginary part first, with one real part. The vectors satisfy their equations, have unit norm
// and a real component of largest modulus; the left vectors of A are the right vectors of A^T.
template <class T>
void against_lapack(const Mat<T>& a, const std::string& what) {
    const int n = a.rows;
    const long double eps = em::kEps<T>, scale = 64 * n * eps * frob(a);
    const auto o = general_all(a);
    const Lapack l = geevx(a);
    Mat<T> at(n, n);
    bool symmetric = true;
    for (int i = 0; i < n; ++i)
        for (int j = 0; j < n; ++j) at(i, j) = a(j, i), symmetric = symmetric && a(i, j) == a(j, i);
    Out<T> t(n);  // the right vectors of the transpose
    ASSERT_EQ(single(GenR, at, t), rukOk);
    auto nearest = [&](const std::vector<double>& re, const std::vector<double>& im, std::vector<bool>& used, cl z) {
        int best = -1;
        for (int j = 0; j < n; ++j)
            if (!used[j] && (best < 0 || std::abs(z - cl(re[j], im[j])) < std::abs(z - cl(re[best], im[best])))) best = j;
        used[best] = true;
        return best;
    };
    for (int q : {0, 1}) {
        std::vector<bool> used(n), used_t(n);
        const std::vector<double> tre(t.re.begin(), t.re.end()), tim(t.im.begin(), t.im.end());
        for (int i = 0; i < n; ++i) {
            const cl z(o[q].re[i], o[q].im[i]);
            if (o[q].im[i] > 0) {
                EXPECT_TRUE(i + 1 < n && o[q].re[i + 1] == o[q].re[i] && o[q].im[i + 1] == -o[q].im[i]) << what << " pair at " << i;
            }
            const int best = nearest(l.re, l.im, used, z);
            EXPECT_LE(std::abs(z - cl(l.re[best], l.im[best])), scale / l.rconde[best])
                << what << (q ? " vector family" : " values family") << " value " << i;
            if (q == 0) continue;
            const int j = nearest(tre, tim, used_t, std::conj(z));  // A^T u = conj(lambda) u
            const long double bound = scale / l.rcondv[best];
            if (bound > 0.25) continue;
            const std::vector<cl> right = column(o[1].d1, o[1].im, i), left = column(o[2].d1, o[2].im, i);
            EXPECT_LE(apart(right, column(l.vr, l.im, best)), bound) << what << " right vector " << i;
            EXPECT_LE(apart(left, column(l.vl, l.im, best)), bound) << what << " left vector " << i;
            EXPECT_LE(apart(left, column(t.d1, t.im, j)), 2 * bound) << what << " left vector " << i << " against the transpose's";
            if (symmetric) {
                EXPECT_LE(apart(left, right), 2 * bound) << what << " left and right vector " << i;
            }
        }
    }
    for (bool left : {false, true}) {
        const Quality q = quality(a, o[1].re, o[1].im, o[left ? 2 : 1].d1, left);
        EXPECT_LE(q.residual, 64 * n * eps) << what << (left ? " left" : " right");
        EXPECT_LE(q.norm, 8 * n * eps) << what << (left ? " left" : " right");
        EXPECT_TRUE(q.real_lead) << what << (left ? " left" : " right");
    }
}
}  // namespace

TEST(EigenResults, GeneralAgreesWithLapack) {
    auto run = [&]<class T>(T) {
        std::mt19937 r(43);
        for (int n = 1; n <= 10; ++n)
            for (int mode : {0, 0, 0, 3, 5}) {
                Mat<T> a = gen<T>(GenV, mode == 5 ? 0 : mode, false, n, r);
                if (mode == 5)  // a spread of magnitudes within the documented range
                    for (T& v : a.v) v = std::ldexp(v, int(r() % 21) - 10);
                against_lapack(a, std::to_string(n) + "/" + std::to_string(mode));
            }
    };
    run(0.0f), run(0.0);
}

// Defective and nearly defective matrices and repeated eigenvalues under an orthogonal
// similarity: every family succeeds, the vectors satisfy their equations with unit norm and a
// real leading component; a value of a Jordan block of size k is within about
// (64 n epsilon ||A||)^(1/k) of the exact one (plus the k-th root of a nudge below the block).
TEST(EigenResults, DefectiveAndRepeatedEigenvalues) {
    struct Kind {
        std::vector<double> diag;
        int jordan;    // a leading Jordan block of this size (ones above its diagonal)
        double nudge;  // added below the block, in its last row and first column
    };
    const Kind kinds[] = {{{2, 2, 2, -1, 0.5}, 3, 0}, {{2, 2, 2, -1, 0.5}, 3, 1e-6}, {{1, 1}, 2, 0}, {{0, 0, 0}, 3, 0},
                          {{1, 1, 1, 1}, 1, 0},        {{3, 3, -1, -1, -1, 2}, 1, 0}, {{-1, -1, 4, 4, 4, 4, 4}, 2, 0}};
    auto run = [&]<class T>(T) {
        std::mt19937 r(47);
        for (const Kind& k : kinds) {
            const int n = int(k.diag.size());
            Mat<long double> m(n, n), q(n, n);
            for (int i = 0; i < n; ++i) m(i, i) = k.diag[i], m(i, i + 1 < n ? i + 1 : i) += i + 1 < k.jordan;
            m(k.jordan - 1, 0) += k.nudge;
            std::vector<long double> v(n);
            long double vv = 0;
            for (long double& x : v) x = mixed<double>(r, 1, false), vv += x * x;
            for (int i = 0; i < n; ++i)
                for (int j = 0; j < n; ++j) q(i, j) = (i == j) - 2 * v[i] * v[j] / vv;
            Mat<T> a(n, n);  // Q M Q^T
            for (int i = 0; i < n; ++i)
                for (int j = 0; j < n; ++j) {
                    long double s = 0;
                    for (int x = 0; x < n; ++x)
                        for (int y = 0; y < n; ++y) s += q(i, x) * m(x, y) * q(j, y);
                    a(i, j) = T(s);
                }
            const auto o = general_all(a);
            const long double tol = 4 * std::pow(64 * n * em::kEps<T> * frob(a), 1.0L / k.jordan) + 2 * std::cbrt(k.nudge);
            for (int q2 = 0; q2 < 2; ++q2)
                for (int i = 0; i < n; ++i) {
                    long double dist = INFINITY;
                    for (double d : k.diag) dist = std::min(dist, std::abs(cl(o[q2].re[i], o[q2].im[i]) - cl(d)));
                    EXPECT_LE(dist, tol) << "order " << n << ", value " << i << (q2 ? " (vectors)" : "");
                }
            for (bool left : {false, true}) {
                const Quality qu = quality(a, o[1].re, o[1].im, o[left ? 2 : 1].d1, left);
                EXPECT_LE(qu.residual, 64 * n * em::kEps<T>) << "order " << n << (left ? " left" : " right");
                EXPECT_LE(qu.norm, 8 * n * em::kEps<T>) << "order " << n << (left ? " left" : " right");
                EXPECT_TRUE(qu.real_lead) << "order " << n << (left ? " left" : " right");
            }
        }
    };
    run(0.0f), run(0.0);
}

// Running out of sweeps with partial results: a tridiagonal source with positive sub-diagonal
// (the vectors family needs no reflection) made of a finite block and a block of order 2 with a
// NaN on its diagonal, uncoupled. The iteration settles the finite block first (from the top
// when it stands first, from the bottom when it stands last), then spends 30 sweeps on the NaN.
// The vectors family leaves the finite block's values and vectors in place: its eigenvalues
// (LAPACK on the block), orthonormal columns that solve the block, zero in the other rows; the
// values family spreads the NaN through its reflections. Both leave the model's bits.
TEST(EigenResults, SymmetricNoConvergenceLeavesThePartialResults) {
    auto run = [&]<class T>(T) {
        std::mt19937 r(53);
        for (int n : {5, 6, 8})
            for (bool nan_first : {false, true}) {
                const int b = n - 2, at = nan_first ? 2 : 0;  // the finite block: rows at .. at + b - 1
                Mat<T> a(n, n);
                std::fill(a.v.begin(), a.v.end(), T(0));
                for (int i = 0; i < b; ++i) {
                    a(at + i, at + i) = T(std::uniform_real_distribution<double>(-1, 1)(r));
                    if (i) a(at + i, at + i - 1) = a(at + i - 1, at + i) = T(std::uniform_real_distribution<double>(0.25, 2)(r));
                }
                const int z = nan_first ? 0 : b;  // the NaN block; its far end decides the direction
                a(z, z) = nan_first ? T(5) : T(NAN), a(z + 1, z + 1) = nan_first ? T(NAN) : T(5);
                a(z + 1, z) = a(z, z + 1) = T(1);
                const std::string what = std::to_string(n) + (nan_first ? ", NaN block first" : ", NaN block last");
                against_model_and_lapack(a, what);
                Out<T> o(n);
                ASSERT_EQ(single(SymV, a, o), rukErrNoConverge) << what;
                ASSERT_EQ(single(SymVV, a, o), rukErrNoConverge) << what;
                std::vector<double> block(std::size_t(b) * b), w(b);
                for (int i = 0; i < b; ++i)
                    for (int j = 0; j < b; ++j) block[i + j * b] = a(at + i, at + j);
                ASSERT_EQ(LAPACKE_dsyev(LAPACK_COL_MAJOR, 'N', 'L', b, block.data(), b, w.data()), 0);
                std::vector<T> ours(o.re.begin() + at, o.re.begin() + at + b);
                std::sort(ours.begin(), ours.end());
                const long double tol = 64 * n * em::kEps<T> * 4;
                for (int i = 0; i < b; ++i) EXPECT_LE(std::fabs(ours[i] - w[i]), tol) << what << ", value " << i;
                for (int j = at; j < at + b; ++j)
                    for (int i = 0; i < n; ++i) {
                        const bool in = i >= at && i < at + b;
                        if (!in) {
                            EXPECT_EQ(o.d1(i, j), T(0)) << what << ", vector " << j << " outside the block, row " << i;
                        }
                        long double res = -(long double)o.re[j] * o.d1(i, j), dot = 0;
                        for (int k = at; k < at + b; ++k) res += (long double)a(i, k) * o.d1(k, j), dot += (long double)o.d1(k, i) * o.d1(k, j);
                        if (in) {
                            EXPECT_LE(std::fabs(res), tol) << what << ", residual " << i << " " << j;
                            EXPECT_LE(std::fabs(dot - (i == j)), 16 * n * em::kEps<T>) << what << ", orthonormality " << i << " " << j;
                        }
                    }
            }
    };
    run(0.0f), run(0.0);
}
