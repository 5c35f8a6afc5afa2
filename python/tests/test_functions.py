"""Every rukm function against numpy on random stacks, in every memory layout."""
import numpy as np
import pytest

import rukm
from conftest import DTYPES, general, in_layout, layout_names, rtol, spd, symmetric

N = 37  # objects per stack: odd, so that no thread split is even
ORDERS = [1, 2, 3, 4, 5, 6, 8]


def close(got, want, dtype, scale=1.0):
    """got matches the float64 reference want to the tolerance of dtype, relative to the
    size of the values (scale widens it for ill-conditioned quantities)."""
    kind = np.complex128 if np.iscomplexobj(got) or np.iscomplexobj(want) else np.float64
    want = np.asarray(want).astype(kind)
    norm = max(1.0, float(np.abs(want).max(initial=0.0)))
    np.testing.assert_allclose(np.asarray(got).astype(kind), want, rtol=0, atol=rtol(dtype) * scale * norm)


# Unary matrix functions: (rukm function, numpy reference, input maker).
UNARY = {
    "inv": (rukm.inv, np.linalg.inv, general),
    "det": (rukm.det, np.linalg.det, general),
    "trace": (rukm.trace, lambda a: np.trace(a, axis1=-2, axis2=-1), general),
    "cholesky": (rukm.cholesky, np.linalg.cholesky, spd),
    "eigvalsh": (rukm.eigvalsh, np.linalg.eigvalsh, symmetric),
    "matrix_norm": (rukm.matrix_norm, lambda a: np.linalg.norm(a, axis=(-2, -1)), general),
}


@pytest.mark.parametrize("dtype", DTYPES)
@pytest.mark.parametrize("order", ORDERS)
@pytest.mark.parametrize("name", sorted(UNARY))
def test_unary_against_numpy(rng, name, order, dtype):
    fn, ref, make = UNARY[name]
    a = make(rng, N, order, dtype=dtype)
    want = ref(a.astype(np.float64))
    scale = order ** 2 if name == "det" else order
    close(fn(a), want, dtype, scale)
    close(fn(a[5]), want[5], dtype, scale)  # a single matrix
    close(fn(a.reshape(1, N, order, order)), want.reshape((1, N) + want.shape[1:]), dtype, scale)


@pytest.mark.parametrize("dtype", DTYPES)
@pytest.mark.parametrize("layout", layout_names())
@pytest.mark.parametrize("name", sorted(UNARY))
def test_unary_layouts(rng, name, layout, dtype):
    fn, ref, make = UNARY[name]
    a = make(rng, N, 4, dtype=dtype)
    want = ref(a.astype(np.float64))
    view = in_layout(a, layout)
    before = view.copy()
    close(fn(view), want, dtype, 16)
    np.testing.assert_array_equal(view, before)


@pytest.mark.parametrize("layout", layout_names())
def test_views_passed_in_place(rng, layout):
    """Sliced, transposed and Fortran-ordered stacks reach the library as they lie; only
    negative strides and misaligned data are copied first."""
    view = in_layout(general(rng, N, 4), layout)
    assert rukm._addressable(view) == (layout not in ("reversed", "unaligned"))


@pytest.mark.parametrize("dtype", DTYPES)
@pytest.mark.parametrize("shape", [(3, 3, 4, 4), (2, 5, 3), (6, 2)])
def test_leading_dimensions(rng, shape, dtype):
    a = rng.uniform(-1, 1, shape).astype(dtype)
    if shape[-1] == shape[-2]:
        close(rukm.det(a), np.linalg.det(a.astype(np.float64)), dtype, 10)
    close(rukm.matmul(a, np.swapaxes(a, -1, -2)), a.astype(np.float64) @ np.swapaxes(a, -1, -2), dtype, 4)
    close(rukm.vector_norm(a), np.linalg.norm(a.astype(np.float64), axis=-1), dtype)


# ---------------------------------------------------------------------------------------
# Products
# ---------------------------------------------------------------------------------------

@pytest.mark.parametrize("dtype", DTYPES)
@pytest.mark.parametrize("sizes", [(3, 3, 3), (4, 4, 4), (6, 6, 6), (2, 5, 3), (7, 1, 4)])
@pytest.mark.parametrize("layout_a", layout_names())
@pytest.mark.parametrize("layout_b", ["packed", "transposed", "fortran"])
def test_matmul(rng, sizes, layout_a, layout_b, dtype):
    r, k, m = sizes
    a = rng.uniform(-1, 1, (N, r, k)).astype(dtype)
    b = rng.uniform(-1, 1, (N, k, m)).astype(dtype)
    want = a.astype(np.float64) @ b
    got = rukm.matmul(in_layout(a, layout_a), in_layout(b, layout_b))
    close(got, want, dtype, k)
    # one matrix shared by the stack, on either side
    close(rukm.matmul(a[3], in_layout(b, layout_b)), a[3].astype(np.float64) @ b, dtype, k)
    close(rukm.matmul(in_layout(a, layout_a), b[4]), a.astype(np.float64) @ b[4], dtype, k)


@pytest.mark.parametrize("dtype", DTYPES)
@pytest.mark.parametrize("layout", layout_names())
def test_matmul_out_layouts(rng, layout, dtype):
    a = rng.uniform(-1, 1, (N, 4, 4)).astype(dtype)
    b = rng.uniform(-1, 1, (N, 4, 4)).astype(dtype)
    want = rukm.matmul(a, b)
    out = in_layout(np.zeros_like(a), layout)
    got = rukm.matmul(a, b, out=out)
    assert got is out
    np.testing.assert_array_equal(out, want)


@pytest.mark.parametrize("dtype", DTYPES)
@pytest.mark.parametrize("layout", ["packed", "sliced", "transposed", "fortran"])
def test_matvec(rng, layout, dtype):
    for r, k in [(3, 3), (4, 4), (6, 6), (5, 2)]:
        a = rng.uniform(-1, 1, (N, r, k)).astype(dtype)
        x = rng.uniform(-1, 1, (N, k)).astype(dtype)
        want = np.einsum("nij,nj->ni", a.astype(np.float64), x)
        close(rukm.matvec(in_layout(a, layout), x), want, dtype, k)
        close(rukm.matvec(a[2], x), np.einsum("ij,nj->ni", a[2].astype(np.float64), x), dtype, k)
        close(rukm.matvec(a, x[1]), np.einsum("nij,j->ni", a.astype(np.float64), x[1]), dtype, k)


@pytest.mark.parametrize("layout", layout_names(2))
def test_transform_points(rng, layout):
    m = rng.uniform(-1, 1, (4, 4)).astype(np.float32)
    m[3] = [0.1, 0.2, 0.1, 3.0]
    p = rng.uniform(-1, 1, (N, 3)).astype(np.float32)
    h = np.c_[p.astype(np.float64), np.ones(N)] @ m.T.astype(np.float64)
    close(rukm.transform_points(m, in_layout(p, layout)), h[:, :3] / h[:, 3:], np.float32, 4)


def test_transform_points_at_infinity(rng):
    m = np.eye(4, dtype=np.float32)
    m[3] = [1, 0, 0, 0]  # weight = x
    p = rng.uniform(1, 2, (10, 3)).astype(np.float32)
    p[6, 0] = 0
    out = np.zeros_like(p)
    with pytest.raises(rukm.LinAlgError) as err:
        rukm.transform_points(m, p, out=out)
    assert err.value.index == 6
    assert np.all(out[6] == np.finfo(np.float32).max)
    close(out[7], p[7] / p[7, 0], np.float32)


# ---------------------------------------------------------------------------------------
# Vector algebra
# ---------------------------------------------------------------------------------------

@pytest.mark.parametrize("dtype", DTYPES)
@pytest.mark.parametrize("layout", layout_names(2))
@pytest.mark.parametrize("length", [1, 3, 4, 6, 9, 20])
def test_dot_and_norm(rng, length, layout, dtype):
    a = rng.uniform(-1, 1, (N, length)).astype(dtype)
    b = rng.uniform(-1, 1, (N, length)).astype(dtype)
    a64 = a.astype(np.float64)
    close(rukm.dot(in_layout(a, layout), b), np.einsum("ni,ni->n", a64, b), dtype, length)
    close(rukm.dot(a, b[3]), a64 @ b[3], dtype, length)
    close(rukm.dot(a[3], b), b.astype(np.float64) @ a[3], dtype, length)
    close(rukm.vector_norm(in_layout(a, layout)), np.linalg.norm(a64, axis=-1), dtype, length)
    close(rukm.norm(a), np.linalg.norm(a64, axis=-1), dtype, length)


@pytest.mark.parametrize("dtype", DTYPES)
@pytest.mark.parametrize("layout", layout_names(2))
def test_cross(rng, layout, dtype):
    a = rng.uniform(-1, 1, (N, 3)).astype(dtype)
    b = rng.uniform(-1, 1, (N, 3)).astype(dtype)
    a64, b64 = a.astype(np.float64), b.astype(np.float64)
    close(rukm.cross(in_layout(a, layout), b), np.cross(a64, b64), dtype)
    close(rukm.cross(a[0], b), np.cross(a64[0], b64), dtype)
    close(rukm.cross(a, b[0]), np.cross(a64, b64[0]), dtype)


# ---------------------------------------------------------------------------------------
# Solvers and decompositions
# ---------------------------------------------------------------------------------------

@pytest.mark.parametrize("dtype", DTYPES)
@pytest.mark.parametrize("order", ORDERS)
@pytest.mark.parametrize("layout", layout_names())
def test_solve(rng, order, layout, dtype):
    a = general(rng, N, order, dtype=dtype)
    b = rng.uniform(-1, 1, (N, order)).astype(dtype)
    bm = rng.uniform(-1, 1, (N, order, 3)).astype(dtype)
    a64 = a.astype(np.float64)
    av = in_layout(a, layout)
    close(rukm.solve(av, b), np.linalg.solve(a64, b[..., None])[..., 0], dtype, order)
    close(rukm.solve(av, in_layout(bm, layout)), np.linalg.solve(a64, bm), dtype, order)
    # one matrix for a stack of right-hand sides
    close(rukm.solve(a[2], b[:, :, None])[..., 0], np.linalg.solve(a64[2], b.T).T, dtype, order)


@pytest.mark.parametrize("dtype", DTYPES)
@pytest.mark.parametrize("shape", [(1, 1), (2, 2), (3, 3), (4, 4), (6, 6), (8, 8), (5, 3), (7, 2)])
@pytest.mark.parametrize("layout", ["packed", "sliced", "transposed", "fortran"])
def test_qr(rng, shape, layout, dtype):
    a = general(rng, N, *shape, dtype=dtype)
    q, r = rukm.qr(in_layout(a, layout))
    m, n = shape
    assert q.shape == (N, m, n) and r.shape == (N, n, n)
    a64 = a.astype(np.float64)
    close(q @ r, a64, dtype, m)
    close(np.swapaxes(q, -1, -2) @ q, np.broadcast_to(np.eye(n), (N, n, n)), dtype, m)
    assert np.all(np.tril(r, -1) == 0)
    close(np.abs(np.diagonal(r, axis1=-2, axis2=-1)),
          np.abs(np.diagonal(np.linalg.qr(a64)[1], axis1=-2, axis2=-1)), dtype, m)
    qc, rc = rukm.qr(a, mode="complete")
    close(qc @ rc, a64, dtype, m)
    close(np.swapaxes(qc, -1, -2) @ qc, np.broadcast_to(np.eye(m), (N, m, m)), dtype, m)
    np.testing.assert_array_equal(rukm.qr(a, mode="r"), r if layout == "packed" else rukm.qr(a)[1])


@pytest.mark.parametrize("dtype", DTYPES)
@pytest.mark.parametrize("order", ORDERS)
def test_eigh(rng, order, dtype):
    a = symmetric(rng, N, order, dtype)
    w, v = rukm.eigh(a)
    a64 = a.astype(np.float64)
    close(w, np.linalg.eigvalsh(a64), dtype, order)
    close(a64 @ v, v * w[:, None, :], dtype, order)  # a v = v w
    close(np.swapaxes(v, -1, -2) @ v, np.broadcast_to(np.eye(order), a.shape), dtype, order)
    np.testing.assert_array_equal(rukm.eigvalsh(a), w)


@pytest.mark.parametrize("dtype", DTYPES)
@pytest.mark.parametrize("order", [2, 3, 4, 6])
def test_eigh_singular_matrices(rng, order, dtype):
    """A zero eigenvalue is no error for numpy; the stack mixes singular and regular."""
    b = rng.uniform(-1, 1, (N, order, order - 1))
    a = b @ np.swapaxes(b, -1, -2)
    a[::2] += np.eye(order)
    a = a.astype(dtype)
    a64 = a.astype(np.float64)
    w, v = rukm.eigh(a)
    close(w, np.linalg.eigvalsh(a64), dtype, order)
    close(a64 @ v, v * w[:, None, :], dtype, order)
    close(rukm.eigvalsh(a), np.linalg.eigvalsh(a64), dtype, order)


def _sorted_complex(w):
    w = np.asarray(w, np.complex128)
    return np.sort_complex(np.round(w, 6))


@pytest.mark.parametrize("dtype", DTYPES)
@pytest.mark.parametrize("order", ORDERS)
@pytest.mark.parametrize("layout", ["packed", "transposed", "sliced"])
def test_eig(rng, order, layout, dtype):
    a = rng.uniform(-1, 1, (N, order, order)).astype(dtype)
    w, v = rukm.eig(in_layout(a, layout))
    a64 = a.astype(np.float64)
    close(a64 @ v, v * w[:, None, :], dtype, 4 * order)  # right eigen pairs
    close(np.linalg.norm(v, axis=-2), np.ones((N, order)), dtype, order)
    ref = np.linalg.eigvals(a64)
    for k in range(N):
        got = np.sort_complex(w[k].astype(np.complex128))
        want = np.sort_complex(ref[k])
        close(np.abs(got - want), np.zeros(order), dtype, 20 * order)
    # the values alone come from the same iteration with an absolute deflation test
    close(np.sort_complex(rukm.eigvals(a).astype(np.complex128)), np.sort_complex(w.astype(np.complex128)),
          dtype, 20 * order)


def test_eig_real_and_complex_results(rng):
    sym = symmetric(rng, 5, 4)
    w, v = rukm.eig(sym)
    assert w.dtype == np.float64 and v.dtype == np.float64
    rot = np.array([[0.0, -1.0], [1.0, 0.0]], np.float32)
    w, v = rukm.eig(rot)
    assert w.dtype == np.complex64
    np.testing.assert_allclose(w, [1j, -1j], atol=1e-6)
    np.testing.assert_allclose(rot @ v, v * w, atol=1e-6)
