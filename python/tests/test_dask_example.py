"""The Dask example runs rukm over a Dask array with map_blocks (threaded scheduler here;
the local cluster takes longer to start than the whole suite runs)."""
import os
import subprocess
import sys

import pytest

EXAMPLE = os.path.join(os.path.dirname(__file__), "..", "..", "examples", "python", "dask_map_blocks.py")


def test_dask_map_blocks_example():
    pytest.importorskip("dask.array")
    run = subprocess.run([sys.executable, EXAMPLE, "--count", "40000", "--block", "10000", "--threaded"],
                         capture_output=True, text=True, timeout=300, cwd=os.path.dirname(EXAMPLE))
    assert run.returncode == 0, run.stdout + run.stderr
    assert "inverted 40000 4x4 matrices in 4 blocks" in run.stdout
