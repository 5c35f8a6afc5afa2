// The Eigen solver peers: column-major instantiations, and the choice of order.
#include "eigen_solvers.hpp"

namespace rukbench::peers {

std::unique_ptr<ArraySolver<float>> eigen_solver(Solver s, int rows, int cols, const float* a, std::int64_t count,
                                                 bool row_major) {
    return row_major ? eigen::row_major(s, rows, cols, a, count)
                     : eigen::solver<float, Eigen::ColMajor>(s, rows, cols, a, count);
}
std::unique_ptr<ArraySolver<double>> eigen_solver(Solver s, int rows, int cols, const double* a, std::int64_t count,
                                                  bool row_major) {
    return row_major ? eigen::row_major(s, rows, cols, a, count)
                     : eigen::solver<double, Eigen::ColMajor>(s, rows, cols, a, count);
}

}  // namespace rukbench::peers
