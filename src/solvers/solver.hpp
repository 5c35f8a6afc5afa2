// The linear solvers (LU, inversion, Cholesky, QR): one export template for every family.
//
// Every solver export takes a matrix operand A (one matrix or an array), optionally one
// plain pointer that stands right after it (pivot entries or a work buffer), optionally a
// right-hand-side vector operand B (the back substitutions: one vector or an array), the
// destination (a matrix for the decompositions and the inverse, a vector for the back
// substitutions), the sizes (order, or width and height) and, for arrays, count:
//
//   m      one matrix                    ma     an array of matrices
//   mv     one matrix, one vector        mva    one matrix, an array of vectors
//   mava   an array of matrices, each with its own vector
//
// A family is a policy class (lu.hpp, inverse.hpp, cholesky.hpp, qr.hpp; Family below holds
// the common defaults) that names its extra pointer, its size items, its checks, its work
// estimate and thresholds, and its serial kernel over a run of objects. The serial kernel stops at the first object that fails (the status says why)
// and leaves the objects after it untouched; the parallel driver gives every thread a run,
// so each run stops at its own first failure.
//
// Speed comes from running many objects at once: lane kernels hold one object per register
// lane and run the exact scalar operation order in every lane. by_groups() feeds them groups
// of kGroup objects; a group in which some lane fails stores the lanes before it and hands
// the failing object to the scalar kernel, which writes its partial result and returns its
// status, so the outcome is that of the scalar kernel run object by object.
#pragma once

#include <bit>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <tuple>
#include <type_traits>

#include "../frame/checks.hpp"
#include "../frame/code.hpp"
#include "../frame/driver.hpp"
#include "../frame/isa.hpp"
#include "../frame/operand.hpp"
#include "../frame/params.hpp"

namespace rukm::solve {

// Objects per lane group: one 64-byte register's worth, whatever the instruction set (the
// narrower variants run a group as several registers).
template <class T>
inline constexpr int kGroup = 64 / int(sizeof(T));

// Integers in lanes of the element's width (pivot positions of a group).
template <class T>
using lane_int = std::conditional_t<sizeof(T) == 4, std::int32_t, std::int64_t>;

// The element type of a scalar or of a register of the compiler's vector extension.
template <class V>
struct elem_type {
    using type = std::remove_cvref_t<decltype(std::declval<V&>()[0])>;
};
template <>
struct elem_type<float> {
    using type = float;
};
template <>
struct elem_type<double> {
    using type = double;
};
template <class V>
using elem_of = typename elem_type<V>::type;

// The absolute value, for the formulas written on scalars and registers alike.
inline float magnitude(float x) { return std::fabs(x); }
inline double magnitude(double x) { return std::fabs(x); }

// Lane groups are worth their fixed cost from this many objects on.
template <class T>
inline constexpr int kMinGroup = kGroup<T> / 4;

// Runs objects [k, n) one by one through one(k), which returns the object's status, until the
// first failure.
template <class One>
rukStatus each(std::int32_t n, One&& one, std::int32_t k = 0) {
    for (; k < n; ++k)
        if (const rukStatus s = one(k)) return s;
    return rukOk;
}

// Runs objects [0, n): in groups through group(k, m), which handles objects k .. k+m-1 and
// returns how many leading ones it completed (m, or the lane of the first failure, whose
// object it left untouched), and the rest one by one through one(k). The first failure ends
// the run.
template <class T, class Group, class One>
rukStatus by_groups(std::int32_t n, bool lanes, Group&& group, One&& one) {
    std::int32_t k = 0;
    if (lanes) {
        for (; n - k >= kMinGroup<T>; k += kGroup<T>) {
            const int m = n - k < kGroup<T> ? int(n - k) : kGroup<T>;
            const int done = group(k, m);
            if (done < m) return one(k + done);
            if (m < kGroup<T>) return rukOk;
        }
    }
    return each(n, one, k);
}


// Lane l of a group (lanes past the group's m objects repeat object 0, so every lane holds
// a real matrix and none fails on its own account).
inline std::int32_t lane_object(std::int32_t k, int m, int l) { return k + (l < m ? l : 0); }

// The leading lanes of a group that completed: the lowest failing lane, or m.
inline int completed(std::uint32_t failed, int m) {
    failed &= (m >= 32 ? ~0u : (1u << m) - 1u);
    return failed ? std::countr_zero(failed) : m;
}

// Moves between objects whose elements are contiguous and a group's block, per instruction
// set (null where the instruction set has none): load reads the elements `which` selects
// (bit e for element e of E) of the kGroup objects at obj[l]; store writes them to the first
// `lanes` objects. Elements a mask leaves out are neither read nor written.
template <class T>
struct GroupMoves {
    void (*load)(const T* const* obj, int E, std::uint64_t which, T* block);
    void (*store)(T* const* obj, int lanes, int E, std::uint64_t which, const T* block);
};
extern const TypedTables<GroupMoves> group_moves;

// Every element of an object of E elements; the lower triangle (diagonal included) of an
// n x n matrix.
constexpr std::uint64_t all_of(int E) { return E >= 64 ? ~0ull : (1ull << E) - 1; }
constexpr std::uint64_t lower_of(int n) {
    std::uint64_t m = 0;
    for (int i = 0; i < n; ++i) m |= ((1ull << (i + 1)) - 1) << (i * n);
    return m;
}

// The objects of a group whose rows (rows x cols elements) lie back to back, elements
// contiguous: the block moves of the instruction set can take them.
template <class T, class O>
bool contiguous_objects(const O& o, int rows, int cols) {
    return o.cs == std::ptrdiff_t(sizeof(T)) && (rows == 1 || o.rs == cols * std::ptrdiff_t(sizeof(T)));
}

// Elements (i, j), i < rows, j < cols, of objects k .. k+m-1 of operand o into a group
// (element i*cols + j of lane l at block[(i*cols + j) * kGroup + l]); `which` selects them.
template <class T, class O>
void load_group(const O& o, std::int32_t k, int m, int rows, int cols, std::uint64_t which, T* block) {
    if constexpr (requires { o.list; }) {
        const auto load = for_isa<T>(group_moves).load;
        if (load && contiguous_objects<T>(o, rows, cols)) {
            const T* obj[kGroup<T>];
            for (int l = 0; l < kGroup<T>; ++l) obj[l] = o.object(lane_object(k, m, l));
            load(obj, rows * cols, which, block);
            return;
        }
    }
    for (int l = 0; l < kGroup<T>; ++l) {
        const auto v = o.view(lane_object(k, m, l));
        for (int i = 0; i < rows; ++i)
            for (int j = 0; j < cols; ++j)
                if (which >> (i * cols + j) & 1) block[(i * cols + j) * kGroup<T> + l] = *v.at(i, j);
    }
}

// The first m lanes of a group into objects k .. k+m-1 of d.
template <class T, class O>
void store_group(const O& d, std::int32_t k, int m, int rows, int cols, std::uint64_t which, const T* block) {
    if (m <= 0) return;
    if constexpr (requires { d.list; }) {
        const auto store = for_isa<T>(group_moves).store;
        if (store && contiguous_objects<T>(d, rows, cols)) {
            T* obj[kGroup<T>];
            for (int l = 0; l < m; ++l) obj[l] = d.object(k + l);
            store(obj, m, rows * cols, which, block);
            return;
        }
    }
    for (int l = 0; l < m; ++l) {
        const auto v = d.view(k + l);
        for (int i = 0; i < rows; ++i)
            for (int j = 0; j < cols; ++j)
                if (which >> (i * cols + j) & 1) *v.at(i, j) = block[(i * cols + j) * kGroup<T> + l];
    }
}

// f.template operator()<N>() with N = n for the orders that have unrolled kernels (3 to 6)
// and N = 0 (order known at run time only) for the others.
template <class F>
decltype(auto) with_order(int n, F&& f) {
    switch (n) {
    case 3: return f.template operator()<3>();
    case 4: return f.template operator()<4>();
    case 5: return f.template operator()<5>();
    case 6: return f.template operator()<6>();
    default: return f.template operator()<0>();
    }
}

// What the kernels of one call see: the operands as views, the extra pointer, the sizes.
// n is the order (or the width of a QR factorization), h the height (the order again for
// square matrices).
template <class T, class AV, class BV, class DV, class X>
struct Job {
    AV a;
    BV b;
    DV d;
    X x;  // pivot entries or the work buffer (or nullptr)
    std::int32_t n, h;
    bool arrA;

    // The work buffer of a parallel run: the run's slice of the runtime's block.
    void use_scratch(void* mem) {
        if constexpr (!std::is_same_v<X, std::nullptr_t>) x = static_cast<X>(mem);
    }

    // The job whose object 0 is object `first` (pivot entries of matrix arrays move with it).
    Job advanced(std::int32_t first) const {
        Job j = *this;
        if (arrA) j.a = a.advanced(first);
        j.b = b.advanced(first);
        j.d = d.advanced(first);
        if constexpr (std::is_same_v<std::remove_const_t<std::remove_pointer_t<X>>, std::int32_t>)
            if (arrA) j.x = x + std::ptrdiff_t(first) * n;
        return j;
    }
};

// Runs an array call whose checks have passed: on the calling thread when `serial`, else
// through the driver. objects(job, n) is the serial kernel over the first n objects of a
// job; with scratch > 0 each thread of a team gets that many bytes of its own, which
// job.use_scratch() puts in the place of the caller's work buffer.
template <class J, class Objects>
rukStatus dispatch(const J& job, std::int32_t count, bool serial, std::size_t scratch, Objects&& objects) {
    if (serial) return objects(job, count);
    if (scratch == 0)
        return drive(count, [&](std::int32_t k0, std::int32_t c) { return objects(job.advanced(k0), c); });
    return drive_scratch(count, scratch, [&](std::int32_t k0, std::int32_t c, void* mem) {
        J run = job.advanced(k0);
        if (mem) run.use_scratch(mem);
        return objects(run, c);
    });
}

namespace detail {
template <class... Tuples>
using cat_t = decltype(std::tuple_cat(std::declval<Tuples>()...));
template <class Tup>
struct signature_of;
template <class... I>
struct signature_of<std::tuple<I...>> {
    using type = Signature<I...>;
};
template <class Tup>
struct extra_ptr {
    using type = std::nullptr_t;
};
template <class P>
struct extra_ptr<std::tuple<Ptr<P>>> {
    using type = P;
};
}  // namespace detail

// Where a family's work estimate and thresholds come from: the sizes, the count and the form.
struct Form {
    bool arrA, rhs, arrB;
};

// One export of family F: operand code C ("m", "ma", "mv", "mva", "mava"), element T, layout L.
template <class F, Code C, class T, Layout L>
struct Export {
    static constexpr Operands ops = parse(C.view());
    static constexpr bool arrA = ops.array[0];
    static constexpr bool rhs = ops.n == 2;
    static constexpr bool arrB = rhs && ops.array[1];
    static constexpr bool array = arrA || arrB;
    static constexpr Form form{arrA, rhs, arrB};

    using A = Opd<T, Kind{Shape::Mat, arrA, operand_layout(L, Shape::Mat, arrA)}>;
    using B = Opd<T, Kind{Shape::Vec, arrB, operand_layout(L, Shape::Vec, arrB)}>;
    using D = Opd<T, Kind{rhs ? Shape::Vec : Shape::Mat, array, L, true}>;
    using Extra = typename F::template extra<T>;
    using SizeItems = std::conditional_t<F::rect, std::tuple<Size, Size>, std::tuple<Size>>;
    using items = detail::cat_t<std::tuple<A>, Extra, std::conditional_t<rhs, std::tuple<B>, std::tuple<>>,
                                std::tuple<D>, SizeItems, std::conditional_t<array, std::tuple<Count>, std::tuple<>>>;
    using signature = typename detail::signature_of<items>::type;
    using checks = typename F::template checks<array, L, form>;

    static constexpr std::size_t kExtra = std::tuple_size_v<Extra>;
    static constexpr std::size_t kB = 1 + kExtra, kD = kB + (rhs ? 1 : 0), kSize = kD + 1;

    template <class... Items>
    static rukStatus run(const Items&... it) {
        const auto t = std::tie(it...);
        if (const rukStatus st = checks::run(t)) return st;
        const A& a = std::get<0>(t);
        const D& d = std::get<kD>(t);
        const std::int32_t n = std::get<kSize>(t).v;
        std::int32_t h = n;
        if constexpr (F::rect) h = std::get<kSize + 1>(t).v;
        std::int32_t count = 1;
        if constexpr (array) count = std::get<sizeof...(Items) - 1>(t).v;
        typename detail::extra_ptr<Extra>::type x = nullptr;
        if constexpr (kExtra == 1) x = std::get<1>(t).v;
        using BV = decltype(std::declval<B>().view());
        BV b{};  // no right-hand side: an empty view
        if constexpr (rhs) b = std::get<kB>(t).view();

        using J = Job<T, decltype(a.view(0)), BV, decltype(d.view(0)), decltype(x)>;
        // A is stored with n columns (the order, or the width); D has A's shape.
        const J job{a.view(n), b, d.view(n), x, n, h, arrA};
        if constexpr (!array) {
            return F::template objects<T, L>(job, 1, true);
        } else {
            const bool contiguous = !gapped(std::tie(it...));
            const bool serial = F::serial_only(job) ||
                                F::estimate(form, n, h, count) < F::template threshold<T, L>(form, contiguous);
            std::size_t scratch = 0;
            if constexpr (F::scratch) scratch = F::template scratch_bytes<T>(n, h);
            return dispatch(job, count, serial, scratch, [&](const J& run, std::int32_t c) {
                return F::template objects<T, L>(run, c, contiguous);
            });
        }
    }
};

// What most families share: one size (the order), no extra pointer, the general check order,
// the driver from the threshold on, no scratch of their own.
struct Family {
    static constexpr bool rect = false;
    template <class T>
    using extra = std::tuple<>;
    template <bool Array, Layout L, Form>
    using checks = GeneralChecks<Array, L>;
    template <class J>
    static bool serial_only(const J&) {
        return false;
    }
    static constexpr bool scratch = false;
};

// The work estimates of the decompositions (order^2 per matrix) and of the back
// substitutions ((order + 2) order per matrix, or the factor once and 2 order per vector).
struct Decomposition : Family {
    static std::int64_t estimate(Form, std::int32_t n, std::int32_t, std::int32_t count) {
        return std::int64_t(n) * n * count;
    }
};
struct Substitution : Family {
    static std::int64_t estimate(Form f, std::int32_t n, std::int32_t, std::int32_t count) {
        return f.arrA ? (std::int64_t(n) + 2) * n * count : (n + 2 * std::int64_t(count)) * n;
    }
};

}  // namespace rukm::solve
