"""Inverts a Dask array of stacked 4x4 matrices with rukm, block by block.

    python dask_map_blocks.py [--count 2000000] [--block 250000] [--workers 2] [--threaded]

The stack (count, 4, 4) is split along its first axis only, so every block is itself a
stack that rukm.inv takes in one call; map_blocks runs those calls on a local
dask.distributed cluster (worker processes on this machine), or on Dask's threaded
scheduler with --threaded or when dask.distributed is not installed. rukm releases the
GIL during a call, so threads run in parallel too. Each task keeps the library on one
thread: Dask supplies the parallelism.
"""
import argparse
import time

import dask.array as da
import numpy as np

import rukm


def inv_block(block):
    rukm.set_num_threads(1)  # Dask supplies the parallelism; the count is per process
    return rukm.inv(block)


def main():
    parser = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument("--count", type=int, default=2_000_000)
    parser.add_argument("--block", type=int, default=250_000)
    parser.add_argument("--workers", type=int, default=2)
    parser.add_argument("--threaded", action="store_true", help="Dask's threaded scheduler instead of a cluster")
    args = parser.parse_args()

    client = None
    if not args.threaded:
        try:
            from dask.distributed import Client, LocalCluster
        except ImportError:
            print("dask.distributed is not installed: using the threaded scheduler")
        else:
            cluster = LocalCluster(n_workers=args.workers, threads_per_worker=1, processes=True,
                                   dashboard_address=None)
            client = Client(cluster)
            print("local cluster:", client)
    if client is None:
        print("threaded scheduler, %d threads" % args.workers)

    # Well-conditioned random matrices: a dominant diagonal keeps every block invertible.
    x = da.random.RandomState(7).uniform(-1, 1, size=(args.count, 4, 4), chunks=(args.block, 4, 4))
    x = (x + 4 * da.eye(4)[None]).astype(np.float32)
    inverses = x.map_blocks(inv_block, dtype=np.float32)
    # A check that stays small: each product with its inverse is the identity.
    error = abs(da.matmul(x, inverses) - da.eye(4, dtype=np.float32)[None]).max()

    start = time.perf_counter()
    if client is None:
        worst = error.compute(scheduler="threads", num_workers=args.workers)
    else:
        worst = error.compute()
    took = time.perf_counter() - start
    print("inverted %d 4x4 matrices in %d blocks in %.2f s; largest |x @ inv(x) - I| = %.2e"
          % (args.count, x.numblocks[0], took, worst))
    if client is not None:
        client.close()
    if not worst < 1e-4:
        raise SystemExit("inverses are wrong")


if __name__ == "__main__":
    main()
