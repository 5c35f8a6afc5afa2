"""Stacks of small matrices and vectors, in place, through librukm.

Every function takes a single object or a stack of them -- ``(..., rows, cols)`` for
matrices, ``(..., n)`` for vectors -- of float32 or float64, with any strides: sliced,
transposed and Fortran-ordered views are handed to the library where they lie, since its
standard layout takes numpy's byte strides (object, row, element) one to one. Only
memory the library cannot address (negative or zero strides, misaligned data, strides
beyond 32 bits) is copied first.

Results follow numpy's conventions (``numpy.linalg`` for the decompositions). Failures
raise ``numpy.linalg.LinAlgError`` (singular or not positive definite matrices, no
convergence) naming the first object that failed in ``err.index``; shapes and dtypes
that do not fit raise ``ValueError``. ``out=`` may be any array of the result's shape
and dtype, also one of the inputs.

Array calls use up to ``get_num_threads()`` threads; ``with rukm.threads(1): ...``
changes that for a block.
"""
import contextlib as _contextlib

import numpy as _np
from numpy.linalg import LinAlgError

from . import _rukm

__all__ = [
    "LinAlgError", "matmul", "matvec", "transform_points", "dot", "cross", "norm",
    "vector_norm", "matrix_norm", "trace", "det", "inv", "solve", "cholesky", "qr",
    "eigh", "eigvalsh", "eig", "eigvals", "threads", "get_num_threads",
    "set_num_threads", "library_version",
]

_FLOATS = (_np.dtype(_np.float32), _np.dtype(_np.float64))
_LIMIT = 1 << 31

# Library statuses met after the arguments are checked.
_SINGULAR, _NOT_POS_DEF, _DIV_BY_ZERO, _NO_CONVERGE = -195, -179, -10, -205
_MESSAGES = {
    _SINGULAR: "Singular matrix",
    _NOT_POS_DEF: "Matrix is not positive definite",
    _DIV_BY_ZERO: "Division by a negligible value",
    _NO_CONVERGE: "Eigenvalues did not converge",
}


def _raise(status, index, what=None):
    if status == 0:
        return
    text = what or _MESSAGES.get(status, "librukm status %d" % status)
    err = LinAlgError("%s (object %d)" % (text, index))
    err.index = index
    err.status = status
    raise err


# ---------------------------------------------------------------------------------------
# Operands
# ---------------------------------------------------------------------------------------

def _addressable(a):
    """True when the library can read or write ``a`` where it lies."""
    if not a.flags.aligned:
        return False
    size = a.itemsize
    for n, s in zip(a.shape, a.strides):
        if n > 1 and (s <= 0 or s % size or s >= _LIMIT):
            return False
    return True


def _array(x, name):
    a = _np.asarray(x)
    if a.dtype not in _FLOATS:
        raise ValueError("%s: dtype %s is not supported (float32 or float64)" % (name, a.dtype))
    return a


def _stack(a, core, name):
    """``a`` as (N, *core shape) with N the product of its leading dimensions; a view
    whenever the library can address it, else a packed copy. Returns (stack, batch)."""
    if a.ndim < core:
        raise ValueError("%s: needs at least %d dimensions, has shape %s" % (name, core, a.shape))
    batch = a.shape[:a.ndim - core]
    dims = a.shape[a.ndim - core:]
    if 0 in dims:
        raise ValueError("%s: empty %s in shape %s" % (name, "matrix" if core == 2 else "vector", a.shape))
    s = a.reshape((-1,) + dims) if batch else a.reshape((1,) + dims)
    if not _addressable(s):
        s = _np.ascontiguousarray(s)
    return s, batch


def _same_dtype(*arrays):
    dt = arrays[0].dtype
    for a in arrays[1:]:
        if a.dtype != dt:
            raise ValueError("operands must have one dtype, got %s" % ", ".join(str(x.dtype) for x in arrays))
    return dt


def _identical(a, b):
    return (a.__array_interface__["data"][0] == b.__array_interface__["data"][0]
            and a.strides == b.strides and a.shape == b.shape)


class _Out:
    """The destination of a call: ``out`` itself, as a stack, when the library can write it
    there (and it overlaps no source, or only one it may share exactly, ``in_place``),
    else a packed temporary that ``done`` copies into ``out``."""

    def __init__(self, out, shape, stack_shape, dtype, sources=(), packed=False, in_place=False):
        self.out = out
        self.shape = tuple(shape)
        self.temp = out is not None
        if out is None:
            self.stack = _np.empty(stack_shape, dtype)
            return
        if not isinstance(out, _np.ndarray):
            raise ValueError("out must be a numpy array")
        if out.shape != self.shape or out.dtype != dtype:
            raise ValueError("out has shape %s and dtype %s; expected %s and %s"
                             % (out.shape, out.dtype, self.shape, dtype))
        if not out.flags.writeable:
            raise ValueError("out is read-only")
        view = out.view()
        try:
            view.shape = stack_shape
        except AttributeError:
            view = None
        if view is not None and (not _addressable(view) or (packed and not view.flags.c_contiguous)):
            view = None
        if view is not None:
            for s in sources:
                if _np.may_share_memory(view, s) and not (in_place and _identical(view, s)):
                    view = None
                    break
        self.temp = view is None
        self.stack = _np.empty(stack_shape, dtype) if self.temp else view

    def done(self):
        if self.out is None:
            return self.stack.reshape(self.shape)
        if self.temp:
            self.out[...] = self.stack.reshape(self.shape)
        return self.out


def _broadcast_batch(*batches):
    try:
        return tuple(_np.broadcast_shapes(*batches))
    except ValueError:
        raise ValueError("stack shapes %s do not broadcast" % (batches,)) from None


def _expand(s, batch, full, share=True):
    """Stack ``s`` (leading shape ``batch``) for the leading shape ``full``: a matching
    stack stays, a single object stays single when ``share`` (the library reads it for
    every object), anything else is broadcast into a packed copy."""
    if tuple(batch) == tuple(full) or (share and s.shape[0] == 1):
        return s
    n = int(_np.prod(full, dtype=_np.int64))
    b = _np.broadcast_to(s.reshape(tuple(batch) + s.shape[1:]), tuple(full) + s.shape[1:])
    return _np.ascontiguousarray(b).reshape((n,) + s.shape[1:])


# ---------------------------------------------------------------------------------------
# Products and vector algebra
# ---------------------------------------------------------------------------------------

def matmul(a, b, out=None):
    """Matrix product of stacks, ``a @ b`` for (..., r, k) and (..., k, m) with broadcast
    leading dimensions. Two-dimensional operands are single matrices."""
    a, b = _array(a, "matmul"), _array(b, "matmul")
    dt = _same_dtype(a, b)
    sa, ba = _stack(a, 2, "matmul: a")
    sb, bb = _stack(b, 2, "matmul: b")
    r, k = sa.shape[1:]
    k2, m = sb.shape[1:]
    if k != k2:
        raise ValueError("matmul: inner dimensions differ: %s and %s" % (a.shape, b.shape))
    full = _broadcast_batch(ba, bb)
    sa, sb = _expand(sa, ba, full), _expand(sb, bb, full)
    n = int(_np.prod(full, dtype=_np.int64))
    o = _Out(out, full + (r, m), (n, r, m), dt, (sa, sb))
    if n:
        _raise(*_rukm.matmul(sa, sb, o.stack))
    return o.done()


def matvec(a, x, out=None):
    """Matrix-vector products: (..., r, k) matrices times (..., k) vectors give (..., r)."""
    a, x = _array(a, "matvec"), _array(x, "matvec")
    dt = _same_dtype(a, x)
    sa, ba = _stack(a, 2, "matvec: a")
    sx, bx = _stack(x, 1, "matvec: x")
    r, k = sa.shape[1:]
    if sx.shape[1] != k:
        raise ValueError("matvec: matrix %s and vector %s do not fit" % (a.shape, x.shape))
    full = _broadcast_batch(ba, bx)
    sa, sx = _expand(sa, ba, full), _expand(sx, bx, full)
    n = int(_np.prod(full, dtype=_np.int64))
    o = _Out(out, full + (r,), (n, r), dt, (sa, sx))
    if n:
        _raise(*_rukm.matvec(sa, sx, o.stack))
    return o.done()


def transform_points(m, points, out=None):
    """Projects 3-D points (..., 3) through one 4x4 homogeneous matrix ``m``: each point p
    becomes (m @ [p, 1])[:3] / (m @ [p, 1])[3]. float32 only. A point whose weight is
    negligible gets the largest float32 in its three components; the call then raises
    LinAlgError naming the first such point (``out`` holds every result)."""
    m, p = _array(m, "transform_points"), _array(points, "transform_points")
    if m.dtype != _np.float32 or p.dtype != _np.float32:
        raise ValueError("transform_points: float32 only")
    if m.shape != (4, 4):
        raise ValueError("transform_points: the matrix must be 4x4, got %s" % (m.shape,))
    sm, _ = _stack(m, 2, "transform_points: m")
    sp, bp = _stack(p, 1, "transform_points: points")
    if sp.shape[1] != 3:
        raise ValueError("transform_points: points must be (..., 3), got %s" % (p.shape,))
    o = _Out(out, p.shape, sp.shape, p.dtype, (sm, sp))
    if sp.shape[0]:
        st, idx = _rukm.transform_points(sm, sp, o.stack)
        result = o.done()
        _raise(st, idx, "Point at infinity")
        return result
    return o.done()


def _vector_pair(a, b, name):
    a, b = _array(a, name), _array(b, name)
    dt = _same_dtype(a, b)
    sa, ba = _stack(a, 1, name + ": a")
    sb, bb = _stack(b, 1, name + ": b")
    if sa.shape[1] != sb.shape[1]:
        raise ValueError("%s: vector lengths differ: %s and %s" % (name, a.shape, b.shape))
    full = _broadcast_batch(ba, bb)
    return _expand(sa, ba, full), _expand(sb, bb, full), full, dt


def dot(a, b, out=None):
    """Dot products of stacked vectors over the last axis: (..., n) with (..., n) gives
    (...). Leading dimensions broadcast."""
    sa, sb, full, dt = _vector_pair(a, b, "dot")
    n = int(_np.prod(full, dtype=_np.int64))
    o = _Out(out, full, (n,), dt, (sa, sb), packed=True)
    if n:
        _raise(*_rukm.dot(sa, sb, o.stack))
    return o.done()


def cross(a, b, out=None):
    """Cross products of stacked 3-vectors: (..., 3) with (..., 3) gives (..., 3)."""
    sa, sb, full, dt = _vector_pair(a, b, "cross")
    if sa.shape[1] != 3:
        raise ValueError("cross: vectors must have 3 elements, not %d" % sa.shape[1])
    n = int(_np.prod(full, dtype=_np.int64))
    o = _Out(out, full + (3,), (n, 3), dt, (sa, sb))
    if n:
        _raise(*_rukm.cross(sa, sb, o.stack))
    return o.done()


def vector_norm(x, out=None):
    """Euclidean norms of stacked vectors over the last axis: (..., n) gives (...)."""
    x = _array(x, "vector_norm")
    s, batch = _stack(x, 1, "vector_norm")
    o = _Out(out, batch, (s.shape[0],), x.dtype, (s,), packed=True)
    _raise(*_rukm.vector_norm(s, o.stack))
    return o.done()


# ---------------------------------------------------------------------------------------
# Matrix functions and solvers
# ---------------------------------------------------------------------------------------

def _matrices(a, name, square=True):
    a = _array(a, name)
    s, batch = _stack(a, 2, name)
    if square and s.shape[1] != s.shape[2]:
        raise ValueError("%s: matrices must be square, got shape %s" % (name, a.shape))
    return a, s, batch


def matrix_norm(x, out=None):
    """Frobenius norms of stacked matrices: (..., r, c) gives (...). A sum of squares below
    the machine epsilon may give 0 for shapes other than 3x3 to 6x6."""
    x, s, batch = _matrices(x, "matrix_norm", square=False)
    o = _Out(out, batch, (s.shape[0],), x.dtype, (s,), packed=True)
    _raise(*_rukm.matrix_norm(s, o.stack))
    return o.done()


def norm(x, axis=-1, out=None):
    """``axis=-1``: vector norms over the last axis; ``axis=(-2, -1)``: Frobenius norms of
    the matrices in the last two axes."""
    if axis == -1 or axis == (-1,):
        return vector_norm(x, out=out)
    if axis == (-2, -1):
        return matrix_norm(x, out=out)
    raise ValueError("norm: axis must be -1 or (-2, -1)")


def trace(a, out=None):
    """Traces of stacked square matrices: (..., n, n) gives (...)."""
    a, s, batch = _matrices(a, "trace")
    o = _Out(out, batch, (s.shape[0],), a.dtype, (s,), packed=True)
    _raise(*_rukm.trace(s, o.stack))
    return o.done()


def det(a, out=None):
    """Determinants of stacked square matrices: (..., n, n) gives (...)."""
    a, s, batch = _matrices(a, "det")
    o = _Out(out, batch, (s.shape[0],), a.dtype, (s,), packed=True)
    _raise(*_rukm.det(s, o.stack))
    return o.done()


def inv(a, out=None):
    """Inverses of stacked square matrices. A singular matrix raises LinAlgError naming it."""
    a, s, batch = _matrices(a, "inv")
    o = _Out(out, a.shape, s.shape, a.dtype, (s,))
    _raise(*_rukm.inv(s, o.stack))
    return o.done()


def cholesky(a, out=None):
    """Lower Cholesky factors L (zeros above the diagonal) of stacked symmetric positive
    definite matrices; only the lower triangle of ``a`` is read. ``out=a`` works in place.
    A matrix that is not positive definite raises LinAlgError naming it."""
    a, s, batch = _matrices(a, "cholesky")
    o = _Out(out, a.shape, s.shape, a.dtype, (s,), in_place=True)
    _raise(*_rukm.cholesky(s, o.stack))
    return o.done()


def solve(a, b, out=None):
    """Solves a @ x = b for stacked square ``a`` (..., n, n) and ``b`` either (..., n) (one
    vector per matrix, when b has one dimension less than a) or (..., n, k). One matrix
    serves a whole stack of right-hand sides without being factored again."""
    a, b = _array(a, "solve"), _array(b, "solve")
    dt = _same_dtype(a, b)
    _, sa, ba = _matrices(a, "solve: a")
    n = sa.shape[1]
    vector = b.ndim == a.ndim - 1
    if vector:
        sb, bb = _stack(b, 1, "solve: b")
        if sb.shape[1] != n:
            raise ValueError("solve: a %s and b %s do not fit" % (a.shape, b.shape))
        sb3 = sb[:, :, None]
    else:
        sb, bb = _stack(b, 2, "solve: b")
        if sb.shape[1] != n:
            raise ValueError("solve: a %s and b %s do not fit" % (a.shape, b.shape))
        sb3 = sb
    full = _broadcast_batch(ba, bb)
    count = int(_np.prod(full, dtype=_np.int64))
    sa = _expand(sa, ba, full)
    sb3 = _expand(sb3, bb, full, share=False)
    rhs = sb3.shape[2]
    shape = full + ((n,) if vector else (n, rhs))
    o = _Out(out, shape, (count, n) if vector else (count, n, rhs), dt, (sa, sb3))
    x3 = o.stack[:, :, None] if vector else o.stack
    if count:
        _raise(*_rukm.solve(sa, sb3, x3))
    return o.done()


def qr(a, mode="reduced"):
    """QR factorization of stacked matrices (..., m, n) with m >= n by Householder
    reflections. ``mode``: "reduced" gives Q (..., m, n) and R (..., n, n); "complete" gives
    Q (..., m, m) and R (..., m, n); "r" gives R alone. A column that becomes negligible
    raises LinAlgError naming the matrix."""
    if mode not in ("reduced", "complete", "r"):
        raise ValueError("qr: mode must be 'reduced', 'complete' or 'r'")
    a, s, batch = _matrices(a, "qr", square=False)
    count, m, n = s.shape
    if m < n:
        raise ValueError("qr: needs rows >= columns, got shape %s" % (a.shape,))
    qc = m if mode == "complete" else n
    rr = m if mode == "complete" else n
    q = _np.empty((count, m, qc) if mode != "r" else (0, 0, 0), a.dtype)
    r = _np.empty((count, rr, n), a.dtype)
    _raise(*_rukm.qr(s, q, r))
    r = r.reshape(batch + (rr, n))
    if mode == "r":
        return r
    return q.reshape(batch + (m, qc)), r


def eigvalsh(a, out=None):
    """Eigenvalues of stacked symmetric matrices, ascending: (..., n, n) gives (..., n).
    Both triangles of ``a`` are read; ``a`` must be symmetric."""
    a, s, batch = _matrices(a, "eigvalsh")
    o = _Out(out, batch + (s.shape[1],), s.shape[:2], a.dtype, (s,), packed=True)
    _raise(*_rukm.eigh(s, o.stack, _np.empty((0, 0, 0), a.dtype)))
    return o.done()


def eigh(a):
    """Eigenvalues (ascending) and orthonormal eigenvectors (columns) of stacked symmetric
    matrices: returns w (..., n) and v (..., n, n) with a @ v = v * w. Both triangles of
    ``a`` are read; ``a`` must be symmetric."""
    a, s, batch = _matrices(a, "eigh")
    w = _np.empty(s.shape[:2], a.dtype)
    v = _np.empty(s.shape, a.dtype)
    _raise(*_rukm.eigh(s, w, v))
    return w.reshape(batch + w.shape[1:]), v.reshape(a.shape)


_COMPLEX = {_np.dtype(_np.float32): _np.complex64, _np.dtype(_np.float64): _np.complex128}


def eigvals(a):
    """Eigenvalues of stacked general square matrices, in the order the Schur form gives
    them (a complex pair with the positive imaginary part first). Real when every
    eigenvalue of the stack is real, else complex, as numpy.linalg.eigvals."""
    a, s, batch = _matrices(a, "eigvals")
    re = _np.empty(s.shape[:2], a.dtype)
    im = _np.empty(s.shape[:2], a.dtype)
    _raise(*_rukm.eig(s, re, im, _np.empty((0, 0, 0), a.dtype)))
    shape = batch + re.shape[1:]
    if not im.any():
        return re.reshape(shape)
    w = _np.empty(re.shape, _COMPLEX[a.dtype])
    w.real = re
    w.imag = im
    return w.reshape(shape)


def eig(a):
    """Eigenvalues and right eigenvectors (unit columns) of stacked general square
    matrices: a @ v = v * w. Real arrays when every eigenvalue of the stack is real, else
    complex, as numpy.linalg.eig."""
    a, s, batch = _matrices(a, "eig")
    re = _np.empty(s.shape[:2], a.dtype)
    im = _np.empty(s.shape[:2], a.dtype)
    vr = _np.empty(s.shape, a.dtype)
    _raise(*_rukm.eig(s, re, im, vr))
    wshape = batch + re.shape[1:]
    if not im.any():
        return re.reshape(wshape), vr.reshape(a.shape)
    w = _np.empty(re.shape, _COMPLEX[a.dtype])
    v = _np.empty(vr.shape, _COMPLEX[a.dtype])
    _rukm.eig_complex(re, im, vr, w, v)
    return w.reshape(wshape), v.reshape(a.shape)


# ---------------------------------------------------------------------------------------
# Threads and version
# ---------------------------------------------------------------------------------------

def get_num_threads():
    """Number of threads that array calls may use."""
    return _rukm.get_num_threads()


def set_num_threads(n):
    """Sets the number of threads that array calls may use (at least 1)."""
    n = int(n)
    if n < 1:
        raise ValueError("set_num_threads: needs at least 1 thread, got %d" % n)
    _rukm.set_num_threads(n)


@_contextlib.contextmanager
def threads(n):
    """``with rukm.threads(n):`` runs the block's array calls on up to n threads, then
    restores the previous count. The count belongs to the process, not to the thread."""
    before = get_num_threads()
    set_num_threads(n)
    try:
        yield n
    finally:
        _rukm.set_num_threads(before)


def library_version():
    """(major, minor, build series, build, text) of the loaded librukm."""
    return _rukm.version()
