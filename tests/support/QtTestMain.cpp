// main() of every QtTest program: `PROGRAM [CLASS] [QtTest options and functions]`. With a
// class name first, only that class runs (ctest runs each class so, in its own process, as
// when each was a program of its own); without one, every class runs in turn.

#include "support/QtTestRegistry.h"

#include <QApplication>
#include <QTest>

#include <algorithm>
#include <cstdio>
#include <vector>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    // As QTEST_MAIN: pixel sizes in the tests assume 96 dpi.
    QApplication::setAttribute(Qt::AA_Use96Dpi, true);

    const auto& tests = kelvra_test::QtTests();
    std::vector<char*> args(argv, argv + argc);
    std::vector<const kelvra_test::QtTestEntry*> chosen;
    if (args.size() > 1 && args[1][0] != '-') {
        const auto found = std::find_if(tests.begin(), tests.end(), [&](const auto& entry) {
            return entry.strName == args[1];
        });
        if (found == tests.end()) {
            std::fprintf(stderr, "no test class %s; this program has:\n", args[1]);
            for (const auto& entry : tests) {
                std::fprintf(stderr, "  %s\n", entry.strName.c_str());
            }
            return 1;
        }
        chosen.push_back(&*found);
        args.erase(args.begin() + 1);
    } else {
        for (const auto& entry : tests) {
            chosen.push_back(&entry);
        }
    }

    int failed = 0;
    for (const auto* entry : chosen) {
        const auto test = entry->factory();
        failed += QTest::qExec(test.get(), static_cast<int>(args.size()), args.data());
    }
    // QtTest's own cap: an exit status is one byte.
    return std::min(failed, 127);
}
