/* Moves a million 3-D points (x, y, z) through one homogeneous 4x4 transform with
 * rukmAffineTransform3DH_mva_32f: a rotation, a scaling, a translation and a perspective
 * row, so every point is divided by its own weight. Checks every point against the same
 * transform computed in double precision. */
#include <math.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <time.h>

#include <rukm.h>

#define POINTS 1000000

static double seconds(void) {
    struct timespec t;
    clock_gettime(CLOCK_MONOTONIC, &t);
    return (double)t.tv_sec + 1e-9 * (double)t.tv_nsec;
}

int main(void) {
    /* Row-major 4x4: a rotation of 30 degrees about z, scaled by 2, moved by (1, -2, 5), with
     * a weight of 1 + z / 100 for a gentle perspective. */
    const double pi = 3.14159265358979323846;
    const double c = cos(pi / 6), s = sin(pi / 6);
    const double m[4][4] = {{2 * c, -2 * s, 0, 1}, {2 * s, 2 * c, 0, -2}, {0, 0, 2, 5}, {0, 0, 0.01, 1}};
    float mf[4][4];
    for (int i = 0; i < 4; ++i)
        for (int j = 0; j < 4; ++j) mf[i][j] = (float)m[i][j];

    /* Points are packed x, y, z triples: 12 bytes from one point to the next. */
    float (*pts)[3] = malloc(sizeof(float[3]) * POINTS);
    float (*out)[3] = malloc(sizeof(float[3]) * POINTS);
    if (pts == NULL || out == NULL) return 1;
    srand(42);
    for (int k = 0; k < POINTS; ++k)
        for (int e = 0; e < 3; ++e) pts[k][e] = (float)(rand() / (double)RAND_MAX * 20.0 - 10.0);

    /* The destination's pages are touched first, so the time below is the transform's own
     * and not the operating system's first mapping of 12 MB. */
    memset(out, 0, sizeof(float[3]) * POINTS);

    const double t0 = seconds();
    rukStatus st = rukmAffineTransform3DH_mva_32f(&mf[0][0], sizeof mf[0], sizeof(float),
                                                  &pts[0][0], sizeof pts[0], sizeof(float),
                                                  &out[0][0], sizeof out[0], sizeof(float), POINTS);
    const double t1 = seconds();
    if (st != rukOk) {
        printf("rukmAffineTransform3DH_mva_32f returned %d\n", (int)st);
        return 1;
    }

    /* The float result may differ from the double one by a few roundings of the inputs and
     * of the four products and sums per coordinate. */
    double worst = 0;
    int bad = 0;
    for (int k = 0; k < POINTS; ++k) {
        const double x = pts[k][0], y = pts[k][1], z = pts[k][2];
        double h[4];
        for (int i = 0; i < 4; ++i) h[i] = mf[i][0] * x + mf[i][1] * y + mf[i][2] * z + mf[i][3];
        for (int i = 0; i < 3; ++i) {
            const double want = h[i] / h[3];
            const double err = fabs(out[k][i] - want) / (fabs(want) + 1.0);
            if (err > worst) worst = err;
            if (err > 1e-5) ++bad;
        }
    }
    printf("transformed %d points by a rotation, scaling, translation and perspective divide in %.1f ms\n",
           POINTS, (t1 - t0) * 1e3);
    printf("point 0: (%.4f, %.4f, %.4f) -> (%.4f, %.4f, %.4f)\n", pts[0][0], pts[0][1], pts[0][2],
           out[0][0], out[0][1], out[0][2]);
    printf("largest relative deviation from a double-precision transform: %.2e (%d coordinates above 1e-5)\n",
           worst, bad);
    free(pts);
    free(out);
    if (bad != 0) {
        printf("FAILED\n");
        return 1;
    }
    printf("OK\n");
    return 0;
}
