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
    CHECK(!IsProgramRunning(name.substr(1).c_str(), 1));   // the whole name must match
    CHECK(!IsProgramRunning("", 1));
    CHECK(!IsProgramRunning(NULL, 1));
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
}
