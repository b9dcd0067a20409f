// The reference for the fast search's speed end to end: the greedy cover of the whole space as
// a plain C program would do it, with the same choices in the same order. Time it beside
// `kelvra-cli run` on a data file of the full multi (processor seconds, and instructions with
// valgrind --tool=callgrind, which the machine's load does not disturb):
//   plain_greedy GRADE [OUT]   GRADE 2 or 3; writes the tickets to OUT, one number a line;
//                              prints the ticket count and a checksum of the order
// Written in C on purpose: int scores, byte flags, each centre's digits by division, balls from
// per-match offsets, the uncovered candidates compacted as they are scanned.

#include <stdio.h>
#include <stdlib.h>
#include <string.h>

namespace {

enum
{
    kN = 1594323,
    kMatches = 13
};

int* g_score;
unsigned char* g_covered;
unsigned char* g_inSet;

// Two offsets per match that move x to its other two codes, lower code first.
void Offsets(int x, int off[kMatches][2])
{
    int p = 1;
    for (int i = 0; i < kMatches; ++i) {
        const int c = x % 3;
        x /= 3;
        off[i][0] = ((c == 0 ? 1 : 0) - c) * p;
        off[i][1] = ((c == 2 ? 1 : 2) - c) * p;
        p *= 3;
    }
}

void DecrementBall(int x, int grade)
{
    int off[kMatches][2];
    Offsets(x, off);
    int* s = g_score;
    --s[x];
    for (int i = 0; i < kMatches; ++i) {
        --s[x + off[i][0]];
        --s[x + off[i][1]];
    }
    if (grade < 3) {
        return;
    }
    for (int i = 0; i < kMatches - 1; ++i) {
        for (int a = 0; a < 2; ++a) {
            const int y = x + off[i][a];
            for (int j = i + 1; j < kMatches; ++j) {
                --s[y + off[j][0]];
                --s[y + off[j][1]];
            }
        }
    }
}

int Cover(int x, int grade)
{
    if (g_covered[x] != 0) {
        return 0;
    }
    g_covered[x] = 1;
    DecrementBall(x, grade);
    return g_inSet[x];
}

// Covers the ball of s; returns how many singles of the set that covered.
int Choose(int s, int grade)
{
    int off[kMatches][2];
    Offsets(s, off);
    int n = Cover(s, grade);
    for (int i = 0; i < kMatches; ++i) {
        n += Cover(s + off[i][0], grade);
        n += Cover(s + off[i][1], grade);
    }
    if (grade < 3) {
        return n;
    }
    for (int i = 0; i < kMatches - 1; ++i) {
        for (int a = 0; a < 2; ++a) {
            const int y = s + off[i][a];
            for (int j = i + 1; j < kMatches; ++j) {
                n += Cover(y + off[j][0], grade);
                n += Cover(y + off[j][1], grade);
            }
        }
    }
    return n;
}

} // namespace

int main(int argc, char** argv)
{
    const int grade = argc > 1 ? atoi(argv[1]) : 2;
    if (grade != 2 && grade != 3) {
        fprintf(stderr, "usage: plain_greedy 2|3 [OUT]\n");
        return 2;
    }
    const int full = grade == 2 ? 27 : 339;
    g_score = static_cast<int*>(malloc(sizeof(int) * kN));
    g_covered = static_cast<unsigned char*>(calloc(kN, 1));
    g_inSet = static_cast<unsigned char*>(malloc(kN));
    int* cand = static_cast<int*>(malloc(sizeof(int) * kN));
    int* chosen = static_cast<int*>(malloc(sizeof(int) * kN));
    if (g_score == nullptr || g_covered == nullptr || g_inSet == nullptr || cand == nullptr ||
        chosen == nullptr) {
        return 1;
    }
    for (int i = 0; i < kN; ++i) {
        g_score[i] = full;
        cand[i] = i;
    }
    memset(g_inSet, 1, kN);

    int left = kN;
    int count = kN;
    int nChosen = 0;
    // At level L the scan takes, in order, every uncovered candidate still scoring L. Scores
    // only fall, so the highest score seen below L bounds the next level; a level where nothing
    // is found just finds the true one.
    int level = full;
    while (left > 0) {
        int kept = 0;
        int below = 0;
        for (int k = 0; k < count; ++k) {
            const int s = cand[k];
            if (g_covered[s] != 0) {
                continue;
            }
            const int sc = g_score[s];
            if (sc == level) {
                chosen[nChosen++] = s;
                left -= Choose(s, grade);
            } else {
                cand[kept++] = s;
                if (sc > below) {
                    below = sc;
                }
            }
        }
        count = kept;
        level = below;
    }

    unsigned long long sum = 0;
    for (int i = 0; i < nChosen; ++i) {
        sum = sum * 1000003ULL + static_cast<unsigned long long>(chosen[i]);
    }
    if (argc > 2) {
        FILE* f = fopen(argv[2], "w");
        if (f == nullptr) {
            return 1;
        }
        for (int i = 0; i < nChosen; ++i) {
            fprintf(f, "%d\n", chosen[i]);
        }
        fclose(f);
    }
    printf("%d %llu\n", nChosen, sum);
    free(chosen);
    free(cand);
    free(g_inSet);
    free(g_covered);
    free(g_score);
    return 0;
}
