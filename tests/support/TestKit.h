// A small test kit shared by the native and the Windows test programs.
// TEST_CASE registers a case; CHECK* record failures and go on; REQUIRE* end the case.
// The runner prints one line per case and closes with "N passed, N failed".
#ifndef TUMBLERIDGE_TESTKIT_H
#define TUMBLERIDGE_TESTKIT_H

#include <cstdio>
#include <cstring>
#include <string>

namespace testkit {

typedef void (*CaseFunction)();

struct Registrar {
    Registrar(const char* name, CaseFunction function);
};

// Records one failed check of the running case.
void Fail(const char* file, int line, const std::string& message);
bool CurrentCaseFailed();

struct RequireFailed {};

template <typename T> std::string Show(const T& value) { return std::to_string(value); }
inline std::string Show(const std::string& value) { return "\"" + value + "\""; }
inline std::string Show(const char* value) { return value ? "\"" + std::string(value) + "\"" : "(null)"; }
inline std::string Show(char* value) { return Show(static_cast<const char*>(value)); }
inline std::string Show(bool value) { return value ? "true" : "false"; }
inline std::string Show(std::nullptr_t) { return "(null)"; }
template <typename T> std::string Show(T* value) { return value ? "(pointer)" : "(null)"; }

template <typename A, typename B> bool Equal(const A& a, const B& b) { return a == b; }
inline bool Equal(const char* a, const char* b) { return (a && b) ? std::strcmp(a, b) == 0 : a == b; }
inline bool Equal(char* a, const char* b) { return Equal(static_cast<const char*>(a), b); }
inline bool Equal(const std::string& a, const char* b) { return b && a == b; }

}  // namespace testkit

#define TK_CONCAT2(a, b) a##b
#define TK_CONCAT(a, b) TK_CONCAT2(a, b)

#define TEST_CASE(name)                                                          \
    static void name();                                                          \
    static testkit::Registrar TK_CONCAT(registrar_, name)(#name, name);          \
    static void name()

#define CHECK(condition)                                                         \
    do {                                                                         \
        if (!(condition)) testkit::Fail(__FILE__, __LINE__, "CHECK(" #condition ")"); \
    } while (0)

#define CHECK_EQ(actual, expected)                                               \
    do {                                                                         \
        const auto& tk_a = (actual);                                             \
        const auto& tk_e = (expected);                                           \
        if (!testkit::Equal(tk_a, tk_e))                                         \
            testkit::Fail(__FILE__, __LINE__, #actual " is " + testkit::Show(tk_a) + ", expected " + testkit::Show(tk_e)); \
    } while (0)

#define REQUIRE(condition)                                                       \
    do {                                                                         \
        if (!(condition)) {                                                      \
            testkit::Fail(__FILE__, __LINE__, "REQUIRE(" #condition ")");        \
            throw testkit::RequireFailed();                                      \
        }                                                                        \
    } while (0)

#endif
