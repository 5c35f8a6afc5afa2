// The Eigen solver peers: row-major instantiations, compiled apart from the column-major ones.
#include "eigen_solvers.hpp"

namespace rukbench::peers::eigen {

std::unique_ptr<ArraySolver<float>> row_major(Solver s, int rows, int cols, const float* a, std::int64_t count) {
    return solver<float, Eigen::RowMajor>(s, rows, cols, a, count);
}
std::unique_ptr<ArraySolver<double>> row_major(Solver s, int rows, int cols, const double* a, std::int64_t count) {
    return solver<double, Eigen::RowMajor>(s, rows, cols, a, count);
}

}  // namespace rukbench::peers::eigen
