// The Eigen eigen peers: row-major instantiations, compiled apart from the column-major ones.
#include "eigen_eigen.hpp"

namespace rukbench::peers::eigen {

std::unique_ptr<ArrayEigen<float>> row_major(Spectrum s, int order, const float* a, std::int64_t count, bool direct) {
    return spectrum<float, Eigen::RowMajor>(s, order, a, count, direct);
}
std::unique_ptr<ArrayEigen<double>> row_major(Spectrum s, int order, const double* a, std::int64_t count,
                                              bool direct) {
    return spectrum<double, Eigen::RowMajor>(s, order, a, count, direct);
}

}  // namespace rukbench::peers::eigen
