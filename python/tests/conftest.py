"""Shared data for the rukm tests: random stacks and the memory layouts they are viewed in."""
import numpy as np
import pytest

DTYPES = [np.float32, np.float64]
# Relative tolerance of each element type against a float64 reference.
RTOL = {np.dtype(np.float32): 2e-4, np.dtype(np.float64): 1e-10}


def rtol(dtype):
    return RTOL[np.dtype(dtype)]


@pytest.fixture
def rng():
    return np.random.default_rng(20261206)


def general(rng, n, rows, cols=None, dtype=np.float64):
    """Well-conditioned matrices: random entries plus a dominant diagonal."""
    cols = rows if cols is None else cols
    a = rng.uniform(-1, 1, (n, rows, cols))
    k = min(rows, cols)
    a[:, range(k), range(k)] += np.sign(a[:, range(k), range(k)]) * rows
    return a.astype(dtype)


def spd(rng, n, order, dtype=np.float64):
    """Symmetric positive definite matrices."""
    b = rng.uniform(-1, 1, (n, order, order))
    return (b @ b.transpose(0, 2, 1) + order * np.eye(order)).astype(dtype)


def symmetric(rng, n, order, dtype=np.float64):
    b = rng.uniform(-1, 1, (n, order, order))
    return ((b + b.transpose(0, 2, 1)) / 2).astype(dtype)


def _unaligned(a):
    raw = np.zeros(a.nbytes + 1, np.uint8)
    u = raw[1:].view(a.dtype).reshape(a.shape)
    u[...] = a
    return u


def layouts(a):
    """(name, view) pairs holding the values of ``a`` in different memory layouts: packed,
    every axis strided (sliced), the last two axes stored swapped (transposed), object
    axis fastest (Fortran order), negative strides and misaligned data (both copied by
    the package), and a zero-stride broadcast when all objects are equal."""
    yield "packed", np.ascontiguousarray(a)
    big = np.zeros(tuple(2 * d + 1 for d in a.shape), a.dtype)
    view = big[tuple(slice(1, None, 2) for _ in a.shape)]
    view[...] = a
    yield "sliced", view
    if a.ndim >= 2:
        axes = list(range(a.ndim))
        axes[-2], axes[-1] = axes[-1], axes[-2]
        yield "transposed", np.ascontiguousarray(a.transpose(axes)).transpose(axes)
    yield "fortran", np.asfortranarray(a)
    yield "reversed", np.ascontiguousarray(a[::-1])[::-1]
    yield "unaligned", _unaligned(a)


def layout_names(ndim=3):
    names = ["packed", "sliced", "transposed", "fortran", "reversed", "unaligned"]
    return names if ndim >= 2 else [n for n in names if n != "transposed"]


def in_layout(a, name):
    return dict(layouts(a))[name]
