// Eigen peers of the single-object benchmarks: one object per call, each operation a function
// the caller cannot inline, on fixed-size maps of one packed object (aligned where Eigen's type
// is, eigen_align.hpp). The matrix forms exist in both storage orders, so that the benchmark can
// measure Eigen in the order it is fastest in. The column-major product exchanges its factors
// and so keeps the row-major result: the bytes of a row-major matrix are its transpose in the
// column-major order, and B^T A^T = (A B)^T stored column-major is A B stored row-major. The
// column-major matrix-vector product and determinant take the stored bytes as they are (the
// benchmark checks the product against the transpose). Eigen's vector code fuses multiply-add
// where the processor has it.
#include <Eigen/Core>
#include <Eigen/Geometry>
#include <Eigen/LU>

#include "eigen_align.hpp"
#include "peers.hpp"

namespace rukbench::peers {
namespace {

template <class M>
using In = Eigen::Map<const M, map_alignment<M>()>;
template <class M>
using Out = Eigen::Map<M, map_alignment<M>()>;

template <class T, int N, bool ColMajor>
using Mat = Eigen::Matrix<T, N, N, ColMajor ? Eigen::ColMajor : Eigen::RowMajor>;
template <class T, int N>
using Vec = Eigen::Matrix<T, N, 1>;

template <class T, int N, bool ColMajor>
__attribute__((noinline)) void mul_mm(const T* a, const T* b, T* c) {
    using M = Mat<T, N, ColMajor>;
    if constexpr (ColMajor) Out<M>(c).noalias() = In<M>(b) * In<M>(a);
    else Out<M>(c).noalias() = In<M>(a) * In<M>(b);
}

template <class T, int N, bool ColMajor>
__attribute__((noinline)) void mul_mv(const T* a, const T* x, T* y) {
    Out<Vec<T, N>>(y).noalias() = In<Mat<T, N, ColMajor>>(a) * In<Vec<T, N>>(x);
}

template <class T, int N, bool ColMajor>
__attribute__((noinline)) void det(const T* a, T* d) {
    *d = In<Mat<T, N, ColMajor>>(a).determinant();
}

template <class T, int N>
__attribute__((noinline)) void add(const T* a, const T* b, T* d) {
    using M = Mat<T, N, false>;
    Out<M>{d} = In<M>(a) + In<M>(b);
}

template <class T, int N>
__attribute__((noinline)) void scale(const T* a, T s, T* d) {
    using M = Mat<T, N, false>;
    Out<M>{d} = In<M>(a) * s;
}

template <class T, int N>
__attribute__((noinline)) void dot(const T* a, const T* b, T* d) {
    *d = In<Vec<T, N>>(a).dot(In<Vec<T, N>>(b));
}

template <class T>
__attribute__((noinline)) void cross(const T* a, const T* b, T* d) {
    Out<Vec<T, 3>>{d} = In<Vec<T, 3>>(a).cross(In<Vec<T, 3>>(b));
}

// The instantiation of F for order n (3 to 6) and the storage order.
template <class Fn, template <int, bool> class F>
Fn pick(int n, bool colMajor) {
    switch (n * 2 + colMajor) {
    case 6: return F<3, false>::fn;
    case 7: return F<3, true>::fn;
    case 8: return F<4, false>::fn;
    case 9: return F<4, true>::fn;
    case 10: return F<5, false>::fn;
    case 11: return F<5, true>::fn;
    case 12: return F<6, false>::fn;
    case 13: return F<6, true>::fn;
    default: return nullptr;
    }
}

template <class T>
struct Of {
    template <int N, bool C>
    struct Mm {
        static constexpr Binary<T> fn = &mul_mm<T, N, C>;
    };
    template <int N, bool C>
    struct Mv {
        static constexpr Binary<T> fn = &mul_mv<T, N, C>;
    };
    template <int N, bool C>
    struct Det {
        static constexpr Unary<T> fn = &det<T, N, C>;
    };
    template <int N, bool>
    struct Add {
        static constexpr Binary<T> fn = &add<T, N>;
    };
    template <int N, bool>
    struct Scale {
        static constexpr Scaled<T> fn = &scale<T, N>;
    };
    template <int N, bool>
    struct Dot {
        static constexpr Binary<T> fn = &dot<T, N>;
    };
};

}  // namespace

template <class T>
Binary<T> eigen_single_mul_mm(int n, bool colMajor) {
    return pick<Binary<T>, Of<T>::template Mm>(n, colMajor);
}
template <class T>
Binary<T> eigen_single_mul_mv(int n, bool colMajor) {
    return pick<Binary<T>, Of<T>::template Mv>(n, colMajor);
}
template <class T>
Unary<T> eigen_single_det(int n, bool colMajor) {
    return pick<Unary<T>, Of<T>::template Det>(n, colMajor);
}
template <class T>
Binary<T> eigen_single_add(int n) {
    return pick<Binary<T>, Of<T>::template Add>(n, false);
}
template <class T>
Scaled<T> eigen_single_scale(int n) {
    return pick<Scaled<T>, Of<T>::template Scale>(n, false);
}
template <class T>
Binary<T> eigen_single_dot(int n) {
    return pick<Binary<T>, Of<T>::template Dot>(n, false);
}
template <class T>
Binary<T> eigen_single_cross() {
    return &cross<T>;
}

#define RUKM_BENCH_SINGLE_PEERS(T)                            \
    template Binary<T> eigen_single_mul_mm<T>(int, bool);     \
    template Binary<T> eigen_single_mul_mv<T>(int, bool);     \
    template Unary<T> eigen_single_det<T>(int, bool);         \
    template Binary<T> eigen_single_add<T>(int);              \
    template Scaled<T> eigen_single_scale<T>(int);            \
    template Binary<T> eigen_single_dot<T>(int);              \
    template Binary<T> eigen_single_cross<T>();
RUKM_BENCH_SINGLE_PEERS(float)
RUKM_BENCH_SINGLE_PEERS(double)

}  // namespace rukbench::peers
