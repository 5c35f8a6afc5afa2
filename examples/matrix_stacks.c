/* Multiplies stacks of 4x4 matrices, world[k] = parent[k] * local[k], with rukmMul_mama_32f
 * and its two other layouts, on the same numbers held three ways:
 *
 *   standard layout (rukmMul_mama_32f): the matrices are fields of an array of structs and
 *     are addressed in place: the object stride is the size of the struct;
 *   pointer-list layout (rukmMul_mama_32f_L): a list of pointers to matrices that lie
 *     anywhere (here: separately allocated, in shuffled order);
 *   element-pointer layout (rukmMul_mama_32f_P): 16 pointers, one per element position, each
 *     to an array holding that element of every matrix.
 *
 * Every element of a product is summed in increasing order of one rounded product each,
 * never fused, whatever layout: the three results and a plain loop that sums the same way
 * agree bit for bit. */
#include <stdint.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>

#include <rukm.h>

#define COUNT 10000

/* A joint of a skeleton: its matrices sit among other fields. */
typedef struct Joint {
    char name[12];
    int32_t parentIndex;
    float parent[4][4]; /* the parent's world transform */
    float local[4][4];  /* this joint relative to its parent */
    float world[4][4];  /* written by the product */
    float weight;
} Joint;

static float uniform(void) { return (float)(rand() / (double)RAND_MAX * 2.0 - 1.0); }

/* The plain product: (((a0 b0 + a1 b1) + a2 b2) + a3 b3), each product and sum rounded. */
static void reference(const float a[4][4], const float b[4][4], float c[4][4]) {
    for (int i = 0; i < 4; ++i)
        for (int j = 0; j < 4; ++j) {
            float sum = a[i][0] * b[0][j];
            for (int e = 1; e < 4; ++e) {
                const float p = a[i][e] * b[e][j];
                sum = sum + p;
            }
            c[i][j] = sum;
        }
}

static int report(const char* what, rukStatus st, int mismatches) {
    printf("%-58s status %d, %d of %d matrices differ from the plain loop\n", what, (int)st, mismatches, COUNT);
    return st == rukOk && mismatches == 0;
}

int main(void) {
    Joint* joints = calloc(COUNT, sizeof *joints);
    float(*want)[4][4] = malloc(sizeof *want * COUNT);
    if (joints == NULL || want == NULL) return 1;
    srand(7);
    for (int k = 0; k < COUNT; ++k) {
        snprintf(joints[k].name, sizeof joints[k].name, "joint%d", k);
        joints[k].parentIndex = k - 1;
        joints[k].weight = 1.0f;
        for (int i = 0; i < 4; ++i)
            for (int j = 0; j < 4; ++j) {
                joints[k].parent[i][j] = uniform();
                joints[k].local[i][j] = uniform();
            }
        reference(joints[k].parent, joints[k].local, want[k]);
    }
    int ok = 1;

    /* 1. Standard layout, in place in the structs: object stride sizeof(Joint), row stride
     *    16 bytes, element stride 4 bytes. */
    const int32_t js = (int32_t)sizeof(Joint), rs = (int32_t)sizeof(float[4]), es = (int32_t)sizeof(float);
    rukStatus st = rukmMul_mama_32f(&joints[0].parent[0][0], js, rs, es, 4, 4,
                                    &joints[0].local[0][0], js, rs, es, 4, 4,
                                    &joints[0].world[0][0], js, rs, es, COUNT);
    int bad = 0;
    for (int k = 0; k < COUNT; ++k) bad += memcmp(joints[k].world, want[k], sizeof want[k]) != 0;
    ok &= report("array of structs (rukmMul_mama_32f, strides):", st, bad);

    /* 2. Pointer lists: each matrix allocated on its own, the lists in shuffled order. */
    const float** a = malloc(sizeof *a * COUNT);
    const float** b = malloc(sizeof *b * COUNT);
    float** c = malloc(sizeof *c * COUNT);
    int* order = malloc(sizeof *order * COUNT);
    if (a == NULL || b == NULL || c == NULL || order == NULL) return 1;
    for (int k = 0; k < COUNT; ++k) order[k] = k;
    for (int k = COUNT - 1; k > 0; --k) {
        const int r = rand() % (k + 1), t = order[k];
        order[k] = order[r];
        order[r] = t;
    }
    for (int k = 0; k < COUNT; ++k) {
        const int src = order[k];
        float* m1 = malloc(sizeof(float[4][4]));
        float* m2 = malloc(sizeof(float[4][4]));
        c[k] = malloc(sizeof(float[4][4]));
        if (m1 == NULL || m2 == NULL || c[k] == NULL) return 1;
        memcpy(m1, joints[src].parent, sizeof joints[src].parent);
        memcpy(m2, joints[src].local, sizeof joints[src].local);
        a[k] = m1;
        b[k] = m2;
    }
    st = rukmMul_mama_32f_L(a, 0, rs, es, 4, 4, b, 0, rs, es, 4, 4, c, 0, rs, es, COUNT);
    bad = 0;
    for (int k = 0; k < COUNT; ++k) bad += memcmp(c[k], want[order[k]], sizeof want[k]) != 0;
    ok &= report("pointer lists (rukmMul_mama_32f_L):", st, bad);

    /* 3. Element pointers: pa[i*4 + j] points to element (i, j) of matrix 0, and element
     *    (i, j) of matrix k lies k * 4 bytes further (one float array per position). */
    float* soa = malloc(sizeof(float) * 3 * 16 * COUNT);
    if (soa == NULL) return 1;
    const float* pa[16];
    const float* pb[16];
    float* pc[16];
    for (int e = 0; e < 16; ++e) {
        float* ea = soa + (size_t)e * COUNT;
        float* eb = soa + (size_t)(16 + e) * COUNT;
        for (int k = 0; k < COUNT; ++k) {
            ea[k] = joints[k].parent[e / 4][e % 4];
            eb[k] = joints[k].local[e / 4][e % 4];
        }
        pa[e] = ea;
        pb[e] = eb;
        pc[e] = soa + (size_t)(32 + e) * COUNT;
    }
    st = rukmMul_mama_32f_P(pa, 0, es, 4, 4, pb, 0, es, 4, 4, pc, 0, es, COUNT);
    bad = 0;
    for (int k = 0; k < COUNT; ++k) {
        int differs = 0;
        for (int e = 0; e < 16; ++e) differs |= memcmp(&pc[e][k], &want[k][e / 4][e % 4], sizeof(float)) != 0;
        bad += differs;
    }
    ok &= report("element pointers (rukmMul_mama_32f_P):", st, bad);

    printf("world[%d] row 0: %.6f %.6f %.6f %.6f\n", COUNT - 1, joints[COUNT - 1].world[0][0],
           joints[COUNT - 1].world[0][1], joints[COUNT - 1].world[0][2], joints[COUNT - 1].world[0][3]);
    for (int k = 0; k < COUNT; ++k) {
        free((void*)a[k]);
        free((void*)b[k]);
        free(c[k]);
    }
    free(a);
    free(b);
    free(c);
    free(order);
    free(soa);
    free(want);
    free(joints);
    printf(ok ? "OK\n" : "FAILED\n");
    return ok ? 0 : 1;
}
