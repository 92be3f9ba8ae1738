// Whether a program runs: this test program itself and stand-in engines in work folders.
#include "LauncherRun.h"
#include "ProcessDriver.h"
#include "TestKit.h"
#include "launcher/CommandLine.h"
#include "launcher/InstanceCheck.h"

namespace {

std::string OwnPath()
{
    char path[MAX_PATH];
    GetModuleFileNameA(NULL, path, sizeof path);
    return path;
}

std::string Upper(std::string text)
{
    for (char& c : text) c = static_cast<char>(toupper(static_cast<unsigned char>(c)));
    return text;
}

}  // namespace

TEST_CASE(ThisProgramIsFoundOnceByNameAndByPath)
{
    std::string path = OwnPath();
    std::string name = FileNamePart(path.c_str());
    CHECK(IsProgramRunning(name.c_str(), 1));
    CHECK(!IsProgramRunning(name.c_str(), 2));
    CHECK(IsProgramRunning(Upper(name).c_str(), 1));
    CHECK(IsProgramRunning(path.c_str(), 1));
    CHECK(IsProgramRunning(Upper(path).c_str(), 1));
    CHECK(!IsProgramRunning((path + "x").c_str(), 1));
    CHECK(!IsProgramRunning(name.substr(1).c_str(), 1));  // the whole name must match
    CHECK(!IsProgramRunning("", 1));
    CHECK(!IsProgramRunning(NULL, 1));
}

TEST_CASE(QueriesAskedTogetherGetTheAnswersOfSingleChecks)
{
    std::string path = OwnPath();
    std::string name = FileNamePart(path.c_str());
    std::string upper = Upper(name);
    std::string other = path.substr(0, path.size() - name.size()) + "x" + name;
    ProgramQuery queries[] = {{name.c_str(), 1}, {upper.c_str(), 2}, {path.c_str(), 1}, {other.c_str(), 1}, {"", 1}};
    AnswerProgramQueries(queries, 5);
    const BOOL running[] = {TRUE, FALSE, TRUE, FALSE, FALSE};
    const int candidates[] = {1, 1, 1, 0, 0};  // by executable name: this program alone
    const int matches[] = {1, 0, 1, 0, 0};     // one candidate for two: answered without module snapshots
    for (int i = 0; i < 5; ++i) {
        CHECK_EQ(queries[i].running, running[i]);
        CHECK_EQ(queries[i].candidates, candidates[i]);
        CHECK_EQ(queries[i].matches, matches[i]);
    }
}

TEST_CASE(TheFirstModuleStandsForAProcessWithoutModuleId)
{
    MODULEENTRY32 module;
    REQUIRE(FindProcessModule(GetCurrentProcessId(), 0, &module));
    CHECK_EQ(std::string(module.szExePath), OwnPath());
    CHECK(!FindProcessModule(GetCurrentProcessId(), 0x7fff1234, &module));
}

TEST_CASE(AStandInEngineIsFoundByItsFullPathOnly)
{
    GameFolder game("instance-engine", {});
    GameFolder other("instance-engine-other", {});
    std::string enginePath = game.Engine();
    CHECK(!IsProgramRunning(enginePath.c_str(), 1));
    RunningProgram engine;
    REQUIRE(engine.Start(enginePath, "", game.path, "TUMBLERIDGE_ENGINE_STAY_MS=5000"));
    CHECK(WaitUntil([&]() { return IsProgramRunning(enginePath.c_str(), 1) != FALSE; }, 5000));
    CHECK(!IsProgramRunning(other.Engine().c_str(), 1));
    CHECK(IsProgramRunning("strathex.exe", 1));
    CHECK(!IsProgramRunning("strathex.exe", 2));
    // Asked together, as start-up asks: one query short of candidates, one that needs the module.
    ProgramQuery both[] = {{"strathex.exe", 2}, {enginePath.c_str(), 1}};
    AnswerProgramQueries(both, 2);
    CHECK(!both[0].running && both[0].candidates == 1);
    CHECK(both[1].running && both[1].matches == 1);
}
