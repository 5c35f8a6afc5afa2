"""Builds the rukm package: the pybind11 module over librukm, with librukm.so and
librukcore.so copied beside it (found through $ORIGIN, so no library path is needed).

RUKM_BUILD_DIR names the CMake build tree that holds the two libraries
(default: ../build/python beside this folder, where scripts/python.sh builds them)."""
import glob
import os
import shutil

from setuptools import Extension, setup
from setuptools.command.build_ext import build_ext

HERE = os.path.dirname(os.path.abspath(__file__))
ROOT = os.path.dirname(HERE)
BUILD = os.path.abspath(os.environ.get("RUKM_BUILD_DIR", os.path.join(ROOT, "build", "python")))


def pybind11_include():
    try:
        import pybind11
        return [pybind11.get_include()]
    except ImportError:  # Debian's pybind11-dev puts the headers in /usr/include
        return []


class BuildWithLibraries(build_ext):
    """Copies the shared libraries the module links against into the package."""

    def run(self):
        super().run()
        target = os.path.join(self.build_lib, "rukm")
        os.makedirs(target, exist_ok=True)
        for name in ("librukm.so.?", "librukcore.so.?"):  # the names the module asks for
            found = glob.glob(os.path.join(BUILD, name))
            if not found:
                raise SystemExit("no %s in %s: build the library first (or set RUKM_BUILD_DIR)" % (name, BUILD))
            for path in found:
                shutil.copyfile(os.path.realpath(path), os.path.join(target, os.path.basename(path)))


setup(
    name="rukm",
    version="5.3.0",
    description="Stacks of small matrices and vectors, in place, through librukm",
    packages=["rukm"],
    ext_modules=[
        Extension(
            "rukm._rukm",
            ["rukm/_rukm.cpp"],
            include_dirs=[os.path.join(ROOT, "include")] + pybind11_include(),
            library_dirs=[BUILD],
            libraries=["rukm", "rukcore"],
            runtime_library_dirs=["$ORIGIN"],
            # short loops that clear a few elements stay loops, not calls to memset
            extra_compile_args=["-std=c++17", "-O2", "-fvisibility=hidden", "-ffp-contract=off",
                                "-fno-tree-loop-distribute-patterns"],
            language="c++",
        )
    ],
    cmdclass={"build_ext": BuildWithLibraries},
    python_requires=">=3.9",
)
