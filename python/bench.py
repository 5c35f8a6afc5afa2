"""rukm beside numpy's stacked linear algebra: ns per object, medians, one thread.

    out/venv/bin/python python/bench.py [--count 100000] [--repeat 7] [--sizes 3,4,6] [--dtypes 32f,64f] [--only inv,det]

Both sides get the same packed stack of random, well-conditioned matrices (symmetric
positive definite where the function needs it) and allocate their results, as a numpy
user calls them. numpy runs its gufunc loops over LAPACK-lite or the BLAS it was built
with, limited to one thread; rukm runs with rukm.threads(1). The ratio is numpy's time
over rukm's: the target is at least 20 at 4x4.
"""
import argparse
import os
import sys
import time

# This folder holds the package's sources, not the installed module: import the latter.
if sys.path and os.path.abspath(sys.path[0] or ".") == os.path.dirname(os.path.abspath(__file__)):
    del sys.path[0]

for _v in ("OMP_NUM_THREADS", "OPENBLAS_NUM_THREADS", "MKL_NUM_THREADS"):
    os.environ[_v] = "1"

import numpy as np  # noqa: E402

import rukm  # noqa: E402

TARGET = 20.0


def median_time(fn, repeat):
    fn()  # warm up: pages, caches, lazy imports
    times = []
    for _ in range(repeat):
        t = time.perf_counter()
        fn()
        times.append(time.perf_counter() - t)
    return float(np.median(times))


def cases(n, order, dtype, rng):
    """(name, rukm call, numpy call) for one size and element type."""
    g = rng.uniform(-1, 1, (n, order, order))
    g[:, range(order), range(order)] += order * np.sign(g[:, range(order), range(order)])
    a = g.astype(dtype)
    b = rng.uniform(-1, 1, (n, order, order)).astype(dtype)
    s = (g @ g.transpose(0, 2, 1)).astype(dtype)  # symmetric positive definite
    v = rng.uniform(-1, 1, (n, order)).astype(dtype)
    w = rng.uniform(-1, 1, (n, order)).astype(dtype)
    out = [
        ("matmul", lambda: rukm.matmul(a, b), lambda: np.matmul(a, b)),
        ("matvec", lambda: rukm.matvec(a, v), lambda: np.matmul(a, v[..., None])[..., 0]),
        ("inv", lambda: rukm.inv(a), lambda: np.linalg.inv(a)),
        ("det", lambda: rukm.det(a), lambda: np.linalg.det(a)),
        ("solve", lambda: rukm.solve(a, v), lambda: np.linalg.solve(a, v)),
        ("cholesky", lambda: rukm.cholesky(s), lambda: np.linalg.cholesky(s)),
        ("qr", lambda: rukm.qr(a), lambda: np.linalg.qr(a)),
        ("eigh", lambda: rukm.eigh(s), lambda: np.linalg.eigh(s)),
        ("eigvalsh", lambda: rukm.eigvalsh(s), lambda: np.linalg.eigvalsh(s)),
        ("eig", lambda: rukm.eig(b), lambda: np.linalg.eig(b)),
        ("eigvals", lambda: rukm.eigvals(b), lambda: np.linalg.eigvals(b)),
        ("trace", lambda: rukm.trace(a), lambda: np.trace(a, axis1=1, axis2=2)),
        ("matrix_norm", lambda: rukm.matrix_norm(a), lambda: np.linalg.norm(a, axis=(1, 2))),
        ("dot", lambda: rukm.dot(v, w), lambda: np.einsum("ij,ij->i", v, w)),
        ("vector_norm", lambda: rukm.vector_norm(v), lambda: np.linalg.norm(v, axis=-1)),
    ]
    if order == 3:
        out.append(("cross", lambda: rukm.cross(v, w), lambda: np.cross(v, w)))
    if order == 4 and dtype == np.float32:
        m = rng.uniform(-1, 1, (4, 4)).astype(np.float32)
        m[3] = [0.1, 0.1, 0.1, 2.0]
        p = rng.uniform(-1, 1, (n, 3)).astype(np.float32)

        def numpy_transform():
            h = p @ m[:3, :3].T + m[:3, 3]
            return h / (p @ m[3, :3] + m[3, 3])[:, None]

        out.append(("transform_points", lambda: rukm.transform_points(m, p), numpy_transform))
    return out


def main():
    parser = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument("--count", type=int, default=100000)
    parser.add_argument("--repeat", type=int, default=7)
    parser.add_argument("--sizes", default="3,4,6")
    parser.add_argument("--dtypes", default="32f,64f")
    parser.add_argument("--only", default="")
    args = parser.parse_args()
    sizes = [int(x) for x in args.sizes.split(",")]
    dtypes = {"32f": np.float32, "64f": np.float64}
    only = set(filter(None, args.only.split(",")))
    rng = np.random.default_rng(1)
    print("numpy %s, rukm over librukm %s; %d objects, one thread, median of %d, ns per object"
          % (np.__version__, rukm.library_version()[4], args.count, args.repeat))
    missed = []
    with rukm.threads(1):
        for tag in args.dtypes.split(","):
            dtype = dtypes[tag]
            rows = {}
            for order in sizes:
                for name, ours, theirs in cases(args.count, order, dtype, rng):
                    if only and name not in only:
                        continue
                    t_ours = median_time(ours, args.repeat) / args.count * 1e9
                    t_theirs = median_time(theirs, args.repeat) / args.count * 1e9
                    rows.setdefault(name, {})[order] = (t_theirs, t_ours)
                    if order == 4 and t_theirs / t_ours < TARGET:
                        missed.append("%s %s" % (name, tag))
            head = "| %s | " % tag + " | ".join("%dx%d numpy | rukm | ratio" % (o, o) for o in sizes) + " |"
            print()
            print(head)
            print("|---" * (1 + 3 * len(sizes)) + "|")
            for name, by_order in rows.items():
                cells = []
                for o in sizes:
                    if o in by_order:
                        t_theirs, t_ours = by_order[o]
                        cells.append("%.1f | %.1f | %.1fx" % (t_theirs, t_ours, t_theirs / t_ours))
                    else:
                        cells.append(" | | ")
                print("| %s | %s |" % (name, " | ".join(cells)))
    print()
    if 4 in sizes:
        print("target >= %.0fx numpy at 4x4: %s" % (TARGET, "met everywhere" if not missed else
                                                      "missed for " + ", ".join(missed)))


if __name__ == "__main__":
    main()
