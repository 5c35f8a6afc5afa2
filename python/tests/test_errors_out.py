"""Errors (shapes, dtypes, singular input), out= with aliasing, and the thread count."""
import numpy as np
import pytest

import rukm
from conftest import DTYPES, general, in_layout, rtol, spd

N = 23


def square(rng, dtype=np.float64, order=4):
    return general(rng, N, order, dtype=dtype)


# ---------------------------------------------------------------------------------------
# Shapes and dtypes
# ---------------------------------------------------------------------------------------

BAD_CALLS = [
    ("int dtype", lambda a: rukm.inv(a.astype(np.int64))),
    ("float16", lambda a: rukm.det(a.astype(np.float16))),
    ("complex", lambda a: rukm.trace(a.astype(np.complex128))),
    ("mixed dtypes", lambda a: rukm.matmul(a, a.astype(np.float32))),
    ("not square", lambda a: rukm.inv(a[:, :, :3])),
    ("one dimension", lambda a: rukm.det(a[0, 0])),
    ("inner sizes", lambda a: rukm.matmul(a, a[:, :3, :])),
    ("stacks do not broadcast", lambda a: rukm.matmul(a, a[:5])),
    ("matvec length", lambda a: rukm.matvec(a, a[:, 0, :3])),
    ("dot lengths", lambda a: rukm.dot(a[:, 0], a[:, 0, :3])),
    ("cross of 4-vectors", lambda a: rukm.cross(a[:, 0], a[:, 1])),
    ("solve sizes", lambda a: rukm.solve(a, a[:, :3, 0])),
    ("qr wide", lambda a: rukm.qr(a[:, :2, :])),
    ("qr mode", lambda a: rukm.qr(a, mode="raw")),
    ("transform 64f", lambda a: rukm.transform_points(a[0], a[:, 0, :3])),
    ("transform shape", lambda a: rukm.transform_points(a[0, :3, :3].astype(np.float32), a[:, 0, :3].astype(np.float32))),
    ("empty matrix", lambda a: rukm.inv(np.zeros((3, 0, 0)))),
    ("out shape", lambda a: rukm.inv(a, out=np.empty((N, 4, 5)))),
    ("out dtype", lambda a: rukm.inv(a, out=np.empty((N, 4, 4), np.float32))),
    ("out not an array", lambda a: rukm.det(a, out=[0.0] * N)),
    ("out read-only", lambda a: rukm.det(a, out=np.broadcast_to(np.zeros(1), (N,)))),
    ("norm axis", lambda a: rukm.norm(a, axis=0)),
    ("threads", lambda a: rukm.set_num_threads(0)),
]


@pytest.mark.parametrize("name", [c[0] for c in BAD_CALLS])
def test_value_errors(rng, name):
    call = dict(BAD_CALLS)[name]
    with pytest.raises(ValueError):
        call(square(rng))


# ---------------------------------------------------------------------------------------
# Computational failures name the object
# ---------------------------------------------------------------------------------------

@pytest.mark.parametrize("dtype", DTYPES)
@pytest.mark.parametrize("order", [1, 2, 3, 4, 6, 8])
@pytest.mark.parametrize("bad", [0, 9, N - 1])
def test_singular_names_the_object(rng, order, bad, dtype):
    a = general(rng, N, order, dtype=dtype)
    if order == 1:
        a[bad] = 0
    else:
        a[bad:, 1] = 0  # a zero row here and in every later matrix: the first is named
    for call in (lambda: rukm.inv(a), lambda: rukm.solve(a, a[:, 0])):
        with pytest.raises(rukm.LinAlgError) as err:
            call()
        assert err.value.index == bad
        assert "object %d" % bad in str(err.value)
    assert abs(rukm.det(a)[bad]) <= rtol(dtype) * order ** 3  # a determinant is no error


@pytest.mark.parametrize("dtype", DTYPES)
@pytest.mark.parametrize("order", [1, 2, 3, 5, 7])
def test_cholesky_not_positive_definite(rng, order, dtype):
    a = spd(rng, N, order, dtype)
    a[11, order - 1, order - 1] = -1
    a[15, 0, 0] = 0
    with pytest.raises(rukm.LinAlgError) as err:
        rukm.cholesky(a)
    assert err.value.index == 11


def test_qr_rank_deficient_column(rng):
    a = general(rng, N, 5, 3)
    a[4, :, 1] = 0
    with pytest.raises(rukm.LinAlgError) as err:
        rukm.qr(a)
    assert err.value.index == 4


# ---------------------------------------------------------------------------------------
# out= and aliasing
# ---------------------------------------------------------------------------------------

@pytest.mark.parametrize("dtype", DTYPES)
def test_out_is_an_input(rng, dtype):
    a = square(rng, dtype)
    b = square(rng, dtype)
    v = rng.uniform(-1, 1, (N, 3)).astype(dtype)
    w = rng.uniform(-1, 1, (N, 3)).astype(dtype)
    s = spd(rng, N, 4, dtype)
    cases = [
        (rukm.inv, (a,), 0),
        (rukm.matmul, (a, b), 0),
        (rukm.matmul, (a, b), 1),
        (rukm.cholesky, (s,), 0),
        (rukm.solve, (a, b), 1),
        (rukm.cross, (v, w), 0),
        (rukm.cross, (v, w), 1),
    ]
    for fn, args, i in cases:
        want = fn(*[x.copy() for x in args])
        args = [x.copy() for x in args]
        got = fn(*args, out=args[i])
        assert got is args[i]
        np.testing.assert_array_equal(got, want, err_msg=fn.__name__)


def test_out_overlaps_partly(rng):
    """A destination shifted by one object against its source is written through a
    temporary, since every object reads memory another one writes."""
    big = general(rng, N + 1, 4)
    want = rukm.inv(big[:-1].copy())
    out = rukm.inv(big[:-1], out=big[1:])
    np.testing.assert_allclose(out, want, rtol=1e-12)


@pytest.mark.parametrize("layout", ["packed", "sliced", "transposed", "fortran", "reversed"])
def test_out_layouts_of_scalars_and_vectors(rng, layout):
    a = square(rng)
    for fn, shape in ((rukm.det, (N,)), (rukm.trace, (N,)), (rukm.eigvalsh, (N, 4))):
        arg = a + np.swapaxes(a, -1, -2) if fn is rukm.eigvalsh else a
        out = in_layout(np.zeros(shape), layout) if len(shape) > 1 or layout != "transposed" else np.zeros(shape)
        assert fn(arg, out=out) is out
        np.testing.assert_array_equal(out, fn(arg))


def test_out_with_leading_dimensions(rng):
    a = general(rng, 12, 3).reshape(3, 4, 3, 3)
    out = np.empty((4, 3, 3, 3)).transpose(1, 0, 2, 3)  # cannot be a (12, 3, 3) view
    assert rukm.inv(a, out=out) is out
    np.testing.assert_allclose(out, np.linalg.inv(a), rtol=1e-12, atol=1e-12)


def test_empty_stacks():
    assert rukm.det(np.zeros((0, 3, 3))).shape == (0,)
    assert rukm.inv(np.zeros((2, 0, 4, 4))).shape == (2, 0, 4, 4)
    assert rukm.dot(np.zeros((0, 3)), np.zeros((0, 3))).shape == (0,)


# ---------------------------------------------------------------------------------------
# Threads
# ---------------------------------------------------------------------------------------

def test_threads_context_manager_and_identical_results(rng):
    a = general(rng, 20000, 4, dtype=np.float32)
    before = rukm.get_num_threads()
    with rukm.threads(1):
        assert rukm.get_num_threads() == 1
        one = [rukm.inv(a), rukm.det(a), rukm.eigvalsh(a + np.swapaxes(a, 1, 2))]
    assert rukm.get_num_threads() == before
    with rukm.threads(2):
        assert rukm.get_num_threads() == 2
        two = [rukm.inv(a), rukm.det(a), rukm.eigvalsh(a + np.swapaxes(a, 1, 2))]
    for x, y in zip(one, two):
        np.testing.assert_array_equal(x, y)
    with pytest.raises(RuntimeError):
        with rukm.threads(3):
            raise RuntimeError
    assert rukm.get_num_threads() == before


def test_library_version():
    major, minor, _, _, text = rukm.library_version()
    assert (major, minor) == (5, 3) and text.startswith("5.3")
