// The runner of every test program: runs the registered cases (or those named on the command line).
// TR_SKIP_CASES names cases (separated by blanks) that this environment cannot run; each is reported as
// skipped with the reason in TR_SKIP_REASON.
#include "TestKit.h"

#include <cstdlib>
#include <vector>

#ifdef _WIN32
#include "utils/AnsiCodePage.h"
#endif

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

bool NamedIn(const char* list, const char* name)
{
    const std::size_t length = std::strlen(name);
    for (const char* at = list; at && *at;) {
        while (*at == ' ') ++at;
        const char* end = at;
        while (*end && *end != ' ') ++end;
        if (static_cast<std::size_t>(end - at) == length && std::strncmp(at, name, length) == 0) return true;
        at = end;
    }
    return false;
}

}  // namespace testkit

int main(int argc, char** argv)
{
#ifdef _WIN32
    // The launcher's code is tested as the launcher runs it: in the system's ANSI code page.
    UseLeadBytes(AnsiCodePageLeadBytes());
#endif
    int passed = 0;
    int failed = 0;
    int skipped = 0;
    const char* skipList = std::getenv("TR_SKIP_CASES");
    const char* skipReason = std::getenv("TR_SKIP_REASON");
    for (const testkit::Case& testCase : testkit::Cases()) {
        bool wanted = argc < 2;
        for (int i = 1; i < argc; ++i) {
            if (std::strcmp(argv[i], testCase.name) == 0) wanted = true;
        }
        if (!wanted) continue;
        if (testkit::NamedIn(skipList, testCase.name)) {
            std::printf("skipped %s: %s\n", testCase.name, skipReason ? skipReason : "named in TR_SKIP_CASES");
            ++skipped;
            continue;
        }
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
    if (skipped > 0) {
        std::printf("%d passed, %d failed, %d skipped\n", passed, failed, skipped);
    } else {
        std::printf("%d passed, %d failed\n", passed, failed);
    }
    std::fflush(stdout);
    return failed == 0 ? 0 : 1;
}
