/* Solves a batch of 4x4 linear systems A[k] x[k] = b[k] in 64f: rukmLUDecomp_ma_64f factors
 * every matrix (partial pivoting; the pivot rows are recorded in pivotIndex, the rows of the
 * factors stay where they are), rukmLUBackSubst_mava_64f solves for each right-hand side.
 * Checks every solution by its residual |A x - b| relative to |A| |x| + |b|, then shows that
 * a singular matrix is reported. */
#include <math.h>
#include <stdint.h>
#include <stdio.h>
#include <stdlib.h>

#include <rukm.h>

#define COUNT 100000
#define N 4

static double uniform(void) { return rand() / (double)RAND_MAX * 2.0 - 1.0; }

int main(void) {
    double(*a)[N][N] = malloc(sizeof *a * COUNT);
    double(*lu)[N][N] = malloc(sizeof *lu * COUNT);
    double(*b)[N] = malloc(sizeof *b * COUNT);
    double(*x)[N] = malloc(sizeof *x * COUNT);
    int32_t* pivots = malloc(sizeof *pivots * N * COUNT);
    if (a == NULL || lu == NULL || b == NULL || x == NULL || pivots == NULL) return 1;
    srand(3);
    for (int k = 0; k < COUNT; ++k)
        for (int i = 0; i < N; ++i) {
            for (int j = 0; j < N; ++j) a[k][i][j] = uniform();
            b[k][i] = uniform();
        }

    const int32_t ms = (int32_t)sizeof a[0], rs = (int32_t)sizeof a[0][0], es = (int32_t)sizeof(double);
    const int32_t vs = (int32_t)sizeof b[0];
    rukStatus st = rukmLUDecomp_ma_64f(&a[0][0][0], ms, rs, es, pivots, &lu[0][0][0], ms, rs, es, N, COUNT);
    if (st != rukOk) {
        printf("rukmLUDecomp_ma_64f returned %d\n", (int)st);
        return 1;
    }
    st = rukmLUBackSubst_mava_64f(&lu[0][0][0], ms, rs, es, pivots, &b[0][0], vs, es, &x[0][0], vs, es, N, COUNT);
    if (st != rukOk) {
        printf("rukmLUBackSubst_mava_64f returned %d\n", (int)st);
        return 1;
    }

    /* Backward error: a stable solver leaves a residual of a few units of roundoff of the
     * sizes involved, whatever the condition of the matrix. */
    double worst = 0;
    int bad = 0;
    for (int k = 0; k < COUNT; ++k) {
        double anorm = 0, xnorm = 0, bnorm = 0, rnorm = 0;
        for (int i = 0; i < N; ++i) {
            double r = -b[k][i], row = 0;
            for (int j = 0; j < N; ++j) {
                r += a[k][i][j] * x[k][j];
                row += fabs(a[k][i][j]);
            }
            anorm = fmax(anorm, row);
            xnorm = fmax(xnorm, fabs(x[k][i]));
            bnorm = fmax(bnorm, fabs(b[k][i]));
            rnorm = fmax(rnorm, fabs(r));
        }
        const double rel = rnorm / (anorm * xnorm + bnorm);
        if (rel > worst) worst = rel;
        if (rel > 64 * 2.220446049250313e-16) ++bad;
    }
    printf("solved %d systems of order %d: x[0] = (%.6f, %.6f, %.6f, %.6f)\n", COUNT, N, x[0][0], x[0][1],
           x[0][2], x[0][3]);
    printf("largest relative residual |A x - b| / (|A| |x| + |b|): %.2e (%d above 64 epsilon)\n", worst, bad);

    /* A matrix whose last row repeats its first: the decomposition says so. */
    double s[N][N] = {{1, 2, 3, 4}, {0, 1, 0, 2}, {5, 0, 1, 1}, {1, 2, 3, 4}}, f[N][N];
    int32_t p[N];
    const rukStatus singular = rukmLUDecomp_ma_64f(&s[0][0], ms, rs, es, p, &f[0][0], ms, rs, es, N, 1);
    printf("a matrix with two equal rows: status %d (rukErrSingular is %d)\n", (int)singular, (int)rukErrSingular);

    free(a);
    free(lu);
    free(b);
    free(x);
    free(pivots);
    if (bad != 0 || singular != rukErrSingular) {
        printf("FAILED\n");
        return 1;
    }
    printf("OK\n");
    return 0;
}
