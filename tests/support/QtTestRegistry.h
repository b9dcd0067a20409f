#pragma once
// The QtTest classes of one test program. Each test file registers its class in place of
// QTEST_MAIN; the program's main (QtTestMain.cpp) runs the class named on its command line, or
// all of them, so many classes share one link and one binary while each keeps its own name in
// the output.

#include <QObject>

#include <memory>
#include <string>
#include <vector>

namespace kelvra_test {
using QtTestFactory = std::unique_ptr<QObject> (*)();

struct QtTestEntry
{
    std::string strName;
    QtTestFactory factory;
};

// Called during static initialisation, once per class; returns true so that a namespace-scope
// constant can hold the call.
bool RegisterQtTest(const char* strName, QtTestFactory factory);
// Every registered class, in registration order.
const std::vector<QtTestEntry>& QtTests();
} // namespace kelvra_test

// Registers TestClass under its own name; the object is made only when its tests run, after
// the QApplication exists, as QTEST_MAIN does.
#define KELVRA_QTEST(TestClass)                                                                    \
    namespace {                                                                                    \
    [[maybe_unused]] const bool kelvraRegistered_##TestClass = kelvra_test::RegisterQtTest(        \
        #TestClass, []() -> std::unique_ptr<QObject> { return std::make_unique<TestClass>(); });   \
    }
