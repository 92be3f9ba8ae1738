// The query of the 3D providers through the stand-in mss32.dll: the warning, the calls and their order,
// the list built from them, and the failures that end in "no providers".
#include <algorithm>

#include "DialogDriver.h"
#include "SoundMachine.h"
#include "TestKit.h"
#include "TestRegistry.h"
#include "resource.h"
#include "sound/ProviderQuery.h"
#include "sound/SoundDialog.h"

namespace {

HINSTANCE Self()
{
    return GetModuleHandleA(NULL);
}

// A step that accepts the query warning after checking it.
void AcceptWarning(HWND box)
{
    CHECK(IsMessageBox(box));
    CHECK_EQ(WindowText(box), "Tumbleridge");
    CHECK_EQ(MessageBoxText(box), queryWarningText);
    EndWith(box, IDOK);
}

void AcknowledgeNoProviders(HWND box)
{
    CHECK(IsMessageBox(box));
    CHECK_EQ(WindowText(box), "Tumbleridge");
    CHECK_EQ(MessageBoxText(box), noProvidersText);
    EndWith(box, IDOK);
}

const std::vector<std::string> queryStart = {
    "AIL_startup",
    "AIL_set_preference 27 1",
    "AIL_set_preference 15 0",
    "AIL_set_preference 33 1",
    "AIL_set_preference 40 262144",
    "AIL_waveOutOpen driver-out=set wave-out=null device=-1 format=null",
};

std::vector<std::string> Then(std::vector<std::string> calls, const std::vector<std::string>& more)
{
    calls.insert(calls.end(), more.begin(), more.end());
    return calls;
}

bool SoundLibraryLoaded()
{
    return GetModuleHandleA("mss32.dll") != NULL;
}

}  // namespace

TEST_CASE(TwoDirectSoundProvidersAreListedInReverseWithTheirKinds)
{
    SoundMachine machine("sound-reverse",
                         {std::string("provider=") + hardwareProvider, std::string("provider=") + softwareProvider});
    DialogDriver driver;
    driver.Then(AcceptWarning);
    driver.Then([](HWND dialog) {
        CHECK_EQ(Joined(ListRows(dialog, IDC_SOUND_PROVIDERS)),
                 Joined({"No 3D sound", softwareProvider, hardwareProvider}));
        CHECK_EQ(ListItemValues(dialog, IDC_SOUND_PROVIDERS), "0 3 1");
        EndWith(dialog, IDCANCEL);
    });
    CHECK_EQ(Configure3DSound(Self(), NULL, 1), 0);
    CHECK_EQ(driver.Leftovers(), "");
    CHECK_EQ(SettingDword("Sound Enum Warning", 0), 1u);
    CHECK(!SoundLibraryLoaded());  // loaded for the query only
}

TEST_CASE(SuffixedEaxNameIsOtherAndProvidersThatFailToOpenAreLeftOut)
{
    const std::string longName = std::string(250, 'x') + " Miles 2D Stereo Positional Audio";
    SoundMachine machine("sound-kinds",
                         {std::string("provider=") + eaxProvider, std::string("unopenable=") + hardwareProvider,
                          std::string("provider=") + eaxProvider + " 1.1", "unopenable=Aureal A3D Interactive(TM)",
                          "provider=Miles 2D Stereo Positional Audio", "provider=" + longName});
    WriteSettingDword("Sound Enum Warning", 1);
    DialogDriver driver;
    driver.Then([&](HWND dialog) {
        CHECK_EQ(Joined(ListRows(dialog, IDC_SOUND_PROVIDERS)),
                 Joined({"No 3D sound", longName.substr(0, 260), "Miles 2D Stereo Positional Audio",
                         std::string(eaxProvider) + " 1.1", eaxProvider}));
        // The kind comes from the 260 characters kept: the long name's Miles text lies beyond them.
        CHECK_EQ(ListItemValues(dialog, IDC_SOUND_PROVIDERS), "0 7 6 7 2");
        EndWith(dialog, IDCANCEL);
    });
    CHECK_EQ(Configure3DSound(Self(), NULL, 1), 0);
    CHECK_EQ(driver.Leftovers(), "");  // an accepted warning is not shown again
}

TEST_CASE(QuerySetsThePreferencesAndProbesEachProviderInOrder)
{
    SoundMachine machine("sound-calls", {"provider=First", "unopenable=Second", "provider=Third"});
    DialogDriver driver;
    driver.Then(AcceptWarning);
    driver.Then([](HWND dialog) { EndWith(dialog, IDCANCEL); });
    Configure3DSound(Self(), NULL, 1);
    CHECK_EQ(Joined(machine.Calls()),
             Joined(Then(queryStart, {
                                         "AIL_enumerate_3D_providers cursor=0",
                                         "AIL_open_3D_provider First",
                                         "AIL_3D_provider_attribute First | EAX environment selection | open value=set",
                                         "AIL_close_3D_provider First",
                                         "AIL_enumerate_3D_providers cursor=1",
                                         "AIL_open_3D_provider Second",
                                         "AIL_enumerate_3D_providers cursor=2",
                                         "AIL_open_3D_provider Third",
                                         "AIL_3D_provider_attribute Third | EAX environment selection | open value=set",
                                         "AIL_close_3D_provider Third",
                                         "AIL_enumerate_3D_providers cursor=3",
                                         "AIL_waveOutClose driver=open",
                                         "AIL_shutdown",
                                     })));
    CHECK_EQ(CountProviders(theProviderList), 2);
    CHECK(driver.Unexpected().empty());
}

TEST_CASE(ProviderDeliveredWithoutANameIsSkippedUnopened)
{
    SoundMachine machine("sound-nameless", {"nameless=", "provider=Named"});
    ProviderEntry* first = NULL;
    CHECK_EQ(EnumerateProviders(&first, 1), 1);
    REQUIRE(CountProviders(first) == 1);
    CHECK_EQ(first->name, "Named");
    std::vector<std::string> calls = machine.Calls();
    CHECK(std::find(calls.begin(), calls.end(), "AIL_open_3D_provider nameless") == calls.end());
    CHECK(std::find(calls.begin(), calls.end(), "AIL_open_3D_provider Named") != calls.end());
}

TEST_CASE(EnumerationWithoutProbeOpensNoProvider)
{
    SoundMachine machine("sound-noprobe", {"provider=First", "unopenable=Second"});
    ProviderEntry* first = NULL;
    CHECK_EQ(EnumerateProviders(&first, 0), 1);
    CHECK(first == theProviderList);
    CHECK_EQ(CountProviders(first), 2);  // not opened, so not left out
    CHECK_EQ(Joined(machine.Calls()),
             Joined(Then(queryStart,
                         {"AIL_enumerate_3D_providers cursor=0", "AIL_enumerate_3D_providers cursor=1",
                          "AIL_enumerate_3D_providers cursor=2", "AIL_waveOutClose driver=open", "AIL_shutdown"})));
}

TEST_CASE(SecondOpeningInTheSameRunNeitherQueriesNorWarns)
{
    SoundMachine machine("sound-once", {std::string("provider=") + hardwareProvider});
    DialogDriver driver;
    driver.Then(AcceptWarning);
    driver.Then([](HWND dialog) { EndWith(dialog, IDCANCEL); });
    Configure3DSound(Self(), NULL, 1);
    size_t callsAfterFirst = machine.Calls().size();
    CHECK(callsAfterFirst > 0);

    // Whatever the library would say now, the list found first is kept for the run.
    machine.Control({std::string("provider=") + softwareProvider, "wave-out=fail"});
    driver.Then([](HWND dialog) {
        CHECK_EQ(Joined(ListRows(dialog, IDC_SOUND_PROVIDERS)), Joined({"No 3D sound", hardwareProvider}));
        EndWith(dialog, IDCANCEL);
    });
    Configure3DSound(Self(), NULL, 1);
    CHECK_EQ(machine.Calls().size(), callsAfterFirst);
    CHECK_EQ(driver.Leftovers(), "");
}

TEST_CASE(QueryThatFoundNoneIsRepeatedWithoutTheWarning)
{
    // Providers that are all listed but none opens count as none.
    SoundMachine machine("sound-again", {std::string("unopenable=") + hardwareProvider});
    DialogDriver driver;
    driver.Then(AcceptWarning);
    driver.Then(AcknowledgeNoProviders);
    CHECK_EQ(Configure3DSound(Self(), NULL, 1), 0);
    CHECK(theProviderList == NULL);

    machine.Control({std::string("provider=") + softwareProvider});
    driver.Then([](HWND dialog) {
        CHECK_EQ(Joined(ListRows(dialog, IDC_SOUND_PROVIDERS)), Joined({"No 3D sound", softwareProvider}));
        EndWith(dialog, IDCANCEL);
    });
    Configure3DSound(Self(), NULL, 1);
    std::vector<std::string> calls = machine.Calls();
    CHECK_EQ(std::count(calls.begin(), calls.end(), std::string("AIL_startup")), 2);
    CHECK_EQ(driver.Leftovers(), "");
}

TEST_CASE(FailingWaveOutputShutsTheLibraryDownAndReportsNoProviders)
{
    SoundMachine machine("sound-waveout", {std::string("provider=") + hardwareProvider, "wave-out=fail"});
    WriteSettingDword("Sound Enum Warning", 1);
    DialogDriver driver;
    driver.Then(AcknowledgeNoProviders);
    CHECK_EQ(Configure3DSound(Self(), NULL, 1), 0);
    CHECK_EQ(Joined(machine.Calls()), Joined(Then(queryStart, {"AIL_shutdown"})));
    CHECK(theProviderList == NULL);
    CHECK(!SoundLibraryLoaded());

    // Without reportNone the failure is silent.
    CHECK_EQ(Configure3DSound(Self(), NULL, 0), 0);
    CHECK_EQ(driver.Leftovers(), "");
    CHECK(!SettingExists("Sound Provider"));
}

TEST_CASE(MissingLibraryOrMissingCallReportsNoProviders)
{
    {
        SoundMachine machine("sound-nolibrary", {std::string("provider=") + hardwareProvider}, WithoutSoundLibrary);
        WriteSettingDword("Sound Enum Warning", 1);
        DialogDriver driver;
        driver.Then(AcknowledgeNoProviders);
        CHECK_EQ(Configure3DSound(Self(), NULL, 1), 0);
        CHECK_EQ(driver.Leftovers(), "");
    }
    // The library is there but lacks calls: it is not even started.
    const struct {
        const char* folder;
        SoundLibraryCopy library;
    } incomplete[] = {
        {"sound-partial", WithPartialLibrary},
#if defined(_WIN64)
        // 64-bit code has no __stdcall decoration: a library exporting only _name@bytes lacks every call.
        // (The 32-bit build runs this whole program against such a library and finds its providers.)
        {"sound-decorated", WithDecoratedNamesOnly},
#endif
    };
    for (const auto& row : incomplete) {
        SoundMachine machine(row.folder, {std::string("provider=") + hardwareProvider}, row.library);
        WriteSettingDword("Sound Enum Warning", 1);
        DialogDriver driver;
        driver.Then(AcknowledgeNoProviders);
        CHECK_EQ(Configure3DSound(Self(), NULL, 1), 0);
        CHECK(machine.Calls().empty());
        CHECK(!SoundLibraryLoaded());
        CHECK_EQ(driver.Leftovers(), "");
    }
}

TEST_CASE(DecliningTheWarningQueriesNothingAndAsksAgainNextTime)
{
    SoundMachine machine("sound-decline", {std::string("provider=") + hardwareProvider});
    DialogDriver driver;
    driver.Then([](HWND box) {
        CHECK_EQ(MessageBoxText(box), queryWarningText);
        EndWith(box, IDCANCEL);
    });
    CHECK_EQ(Configure3DSound(Self(), NULL, 1), 0);
    CHECK(machine.Calls().empty());
    CHECK(!SettingExists("Sound Enum Warning"));

    driver.Then(AcceptWarning);
    driver.Then([](HWND dialog) { EndWith(dialog, IDCANCEL); });
    Configure3DSound(Self(), NULL, 1);
    CHECK_EQ(driver.Leftovers(), "");
}

TEST_CASE(AnyNonzeroWarningValueCountsAsAcceptedAndIsStoredAsOne)
{
    SoundMachine machine("sound-warned", {std::string("provider=") + hardwareProvider});
    WriteSettingDword("Sound Enum Warning", 5);
    DialogDriver driver;
    driver.Then([](HWND dialog) { EndWith(dialog, IDCANCEL); });
    Configure3DSound(Self(), NULL, 1);
    CHECK(driver.Unexpected().empty());
    CHECK_EQ(SettingDword("Sound Enum Warning", 0), 1u);
}

TEST_CASE(LibraryThatNeverEndsItsListIsCutOff)
{
    SoundMachine machine("sound-endless", {"provider=Looping", "endless=1"});
    ProviderEntry* first = NULL;
    CHECK_EQ(EnumerateProviders(&first, 1), 1);
    CHECK_EQ(CountProviders(first), providerDeliveryLimit);
    std::vector<std::string> calls = machine.Calls();
    REQUIRE(calls.size() >= 2);
    CHECK_EQ(calls[calls.size() - 2], "AIL_waveOutClose driver=open");
    CHECK_EQ(calls.back(), "AIL_shutdown");
}
