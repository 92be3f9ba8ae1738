// The runner of every test program: runs the registered cases (or those named on the command line).
#include "TestKit.h"

#include <vector>

namespace testkit {

namespace {

struct Case {
    const char* name;
    CaseFunction function;
};

std::vector<Case>& Cases()
{
    static std::vector<Case> cases;
    return cases;
}

bool currentFailed = false;

}  // namespace

Registrar::Registrar(const char* name, CaseFunction function) { Cases().push_back({name, function}); }

void Fail(const char* file, int line, const std::string& message)
{
    currentFailed = true;
    std::printf("    %s:%d: %s\n", file, line, message.c_str());
    std::fflush(stdout);
}

bool CurrentCaseFailed() { return currentFailed; }

}  // namespace testkit

int main(int argc, char** argv)
{
    int passed = 0;
    int failed = 0;
    for (const testkit::Case& testCase : testkit::Cases()) {
        bool wanted = argc < 2;
        for (int i = 1; i < argc; ++i) {
            if (std::strcmp(argv[i], testCase.name) == 0) wanted = true;
        }
        if (!wanted) continue;
        std::printf("%s ...\n", testCase.name);
        std::fflush(stdout);
        testkit::currentFailed = false;
        try {
            testCase.function();
        } catch (const testkit::RequireFailed&) {
        } catch (...) {
            testkit::Fail(__FILE__, __LINE__, "unexpected exception");
        }
        std::printf("%s %s\n", testkit::currentFailed ? "FAILED" : "ok    ", testCase.name);
        if (testkit::currentFailed) ++failed; else ++passed;
    }
    std::printf("%d passed, %d failed\n", passed, failed);
    std::fflush(stdout);
    return failed == 0 ? 0 : 1;
}
