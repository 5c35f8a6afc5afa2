// The Eigen eigen peers: column-major instantiations, and the choice of order.
#include "eigen_eigen.hpp"

namespace rukbench::peers {

std::unique_ptr<ArrayEigen<float>> eigen_spectrum(Spectrum s, int order, const float* a, std::int64_t count,
                                                  bool row_major, bool direct) {
    return row_major ? eigen::row_major(s, order, a, count, direct)
                     : eigen::spectrum<float, Eigen::ColMajor>(s, order, a, count, direct);
}
std::unique_ptr<ArrayEigen<double>> eigen_spectrum(Spectrum s, int order, const double* a, std::int64_t count,
                                                   bool row_major, bool direct) {
    return row_major ? eigen::row_major(s, order, a, count, direct)
                     : eigen::spectrum<double, Eigen::ColMajor>(s, order, a, count, direct);
}

}  // namespace rukbench::peers
