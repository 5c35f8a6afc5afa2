/* A program that uses librukm the way an application does: both libraries, one array call,
 * its own check. Built against installed trees by tests/install/run.sh. */
#include <stdio.h>

#include <rukm.h>

int main(void) {
    const rukLibraryVersion* v = rukmGetLibVersion();
    int32_t threads = 0;
    if (rukSetNumThreads(2) != rukOk || rukGetNumThreads(&threads) != rukOk || threads != 2) {
        printf("librukcore: thread count not kept\n");
        return 1;
    }
    /* Three 2x2 matrices times one vector each. */
    const float m[3][2][2] = {{{1, 2}, {3, 4}}, {{0, 1}, {1, 0}}, {{2, 0}, {0, -2}}};
    const float x[3][2] = {{1, 1}, {5, 7}, {0.5f, 0.25f}};
    const float want[3][2] = {{3, 7}, {7, 5}, {1, -0.5f}};
    float y[3][2];
    const rukStatus st = rukmMul_mava_32f(&m[0][0][0], sizeof m[0], sizeof m[0][0], sizeof(float), 2, 2,
                                          &x[0][0], sizeof x[0], sizeof(float), 2,
                                          &y[0][0], sizeof y[0], sizeof(float), 3);
    int bad = st != rukOk;
    for (int k = 0; k < 3; ++k)
        for (int i = 0; i < 2; ++i) bad |= y[k][i] != want[k][i];
    printf("librukm %d.%d (%s): rukmMul_mava_32f %s\n", (int)v->major, (int)v->minor, v->versionText,
           bad ? "FAILED" : "ok");
    return bad || v->major != 5 || v->minor != 3;
}
