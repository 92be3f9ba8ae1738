// The settings store against Wine's real registry.
#include <algorithm>
#include <string>
#include <vector>

#include "TestKit.h"
#include "TestRegistry.h"
#include "launcher/RegistryStore.h"

namespace {

// A store opened as start-up opens it, on a clean key.
struct FreshStore {
    RegistryStore store;
    FreshStore()
    {
        ClearLauncherSettings();
        store.Open("Harrowmark", "Tumbleridge", "1.0", NULL, HKEY_LOCAL_MACHINE, NULL);
    }
};

}  // namespace

TEST_CASE(OpenCreatesTheKeyAndReadsGiveDefaults)
{
    FreshStore fresh;
    CHECK(fresh.store.IsOpen());
    HKEY key;
    CHECK_EQ(RegOpenKeyExA(HKEY_LOCAL_MACHINE, settingsKeyPath, 0, KEY_READ, &key), ERROR_SUCCESS);
    RegCloseKey(key);
    CHECK_EQ(fresh.store.ReadDword("Num Launcher Runs", 7), 7u);
    char buffer[16];
    DWORD size = sizeof buffer;
    CHECK(fresh.store.ReadString("Commands", buffer, &size, NULL) == NULL);
    CHECK_EQ(size, 0u);
}

TEST_CASE(ValuesOfAnotherTypeOrSizeGiveTheDefault)
{
    FreshStore fresh;
    WriteSettingString("Number As Text", "5");
    CHECK_EQ(fresh.store.ReadDword("Number As Text", 9), 9u);
    DWORD four = 4;
    WriteSettingRaw("Binary Four", REG_BINARY, &four, sizeof four);
    CHECK_EQ(fresh.store.ReadDword("Binary Four", 9), 9u);
    unsigned long long wide = 5;
    WriteSettingRaw("Wide", REG_QWORD, &wide, sizeof wide);
    CHECK_EQ(fresh.store.ReadDword("Wide", 9), 9u);
    WriteSettingDword("Number", 3);
    char buffer[16];
    DWORD size = sizeof buffer;
    CHECK_EQ(fresh.store.ReadString("Number", buffer, &size, "fallback"), "fallback");
    CHECK_EQ(size, 8u);
    WriteSettingRaw("Expandable", REG_EXPAND_SZ, "%PATH%", 7);
    size = sizeof buffer;
    CHECK_EQ(fresh.store.ReadString("Expandable", buffer, &size, "plain"), "plain");
}

TEST_CASE(ReadStringCountsBytesOnSuccessAndCharactersOnFallback)
{
    FreshStore fresh;
    CHECK(fresh.store.WriteString("Text", "abc"));
    char buffer[16];
    DWORD size = sizeof buffer;
    CHECK_EQ(fresh.store.ReadString("Text", buffer, &size, "zz"), "abc");
    CHECK_EQ(size, 4u);
    size = 0;
    CHECK(fresh.store.ReadString("Text", buffer, &size, "zz") == NULL);   // no room: never queried, nothing copied
    CHECK_EQ(size, 0u);
}

TEST_CASE(ReadStringNeverOverrunsItsBuffer)
{
    FreshStore fresh;
    CHECK(fresh.store.WriteString("Long", "0123456789"));
    char buffer[8];
    DWORD size = sizeof buffer;
    CHECK_EQ(fresh.store.ReadString("Long", buffer, &size, "short"), "short");   // too long: the default
    // A default longer than the buffer is cut to fit, NUL included.
    char guarded[12];
    memset(guarded, '#', sizeof guarded);
    size = 8;
    CHECK_EQ(fresh.store.ReadString("Missing", guarded, &size, "a default far too long"), "a defau");
    CHECK_EQ(size, 7u);
    CHECK_EQ(guarded[8], '#');
    // A text stored without its NUL is still terminated.
    WriteSettingRaw("Unterminated", REG_SZ, "xyz", 3);
    memset(buffer, '#', sizeof buffer);
    size = sizeof buffer;
    CHECK_EQ(fresh.store.ReadString("Unterminated", buffer, &size, NULL), "xyz");
    WriteSettingRaw("Exactly Full", REG_SZ, "12345678", 8);
    memset(buffer, '#', sizeof buffer);
    size = sizeof buffer;
    char* result = fresh.store.ReadString("Exactly Full", buffer, &size, "dflt");
    REQUIRE(result != NULL);
    CHECK(memchr(buffer, '\0', sizeof buffer) != NULL);
}

TEST_CASE(WritesStoreTheirTypeAndRefuseNullNames)
{
    FreshStore fresh;
    CHECK(fresh.store.WriteString("Empty", ""));
    CHECK_EQ(SettingType("Empty"), static_cast<DWORD>(REG_SZ));
    CHECK_EQ(SettingString("Empty"), "");
    WriteSettingString("Replaced", "text");
    CHECK(fresh.store.WriteDword("Replaced", 12));
    CHECK_EQ(SettingDword("Replaced", 0), 12u);
    CHECK(!fresh.store.WriteDword(NULL, 1));
    CHECK(!fresh.store.WriteString(NULL, "x"));
    CHECK(!fresh.store.WriteString("Null Text", NULL));
    CHECK(!SettingExists("Null Text"));
}

TEST_CASE(AClosedStoreAnswersAsForMissingValues)
{
    RegistryStore never;
    CHECK_EQ(never.ReadDword("x", 5), 5u);
    CHECK(!never.WriteDword("x", 1));
    char buffer[8];
    DWORD size = sizeof buffer;
    CHECK_EQ(never.ReadString("x", buffer, &size, "d"), "d");
    FreshStore fresh;
    fresh.store.Close();
    fresh.store.Close();   // twice is harmless
    CHECK(!fresh.store.WriteString("After Close", "x"));
    CHECK(!SettingExists("After Close"));
}

TEST_CASE(OpenFailsUnderAKeyThatCannotBeCreated)
{
    RegistryStore store;
    // A root handle that is no key: the first step fails and nothing is open.
    CHECK(!store.Open("Harrowmark", "Tumbleridge", "1.0", NULL, reinterpret_cast<HKEY>(0x1234), NULL));
    CHECK(!store.IsOpen());
    CHECK_EQ(store.ReadDword("Num Launcher Runs", 3), 3u);
}

TEST_CASE(ASubKeyBecomesTheCurrentKey)
{
    ClearLauncherSettings();
    RegistryStore store;
    CHECK(store.Open("Harrowmark", "Tumbleridge", "1.0", "Extra", HKEY_LOCAL_MACHINE, NULL));
    CHECK(store.WriteDword("Inside", 1));
    CHECK(!SettingExists("Inside"));
    HKEY key;
    CHECK_EQ(RegOpenKeyExA(HKEY_LOCAL_MACHINE, "Software\\Harrowmark\\Tumbleridge\\1.0\\Extra", 0, KEY_READ, &key),
             ERROR_SUCCESS);
    RegCloseKey(key);
}

TEST_CASE(AGroupKeyBelowTheCurrentKeyIsReadWrittenListedAndEmptiedValueByValue)
{
    FreshStore fresh;
    RegistryStore& store = fresh.store;
    char buffer[16];
    DWORD size = sizeof buffer;
    // Before the first write there is no key: everything answers as for missing values.
    CHECK_EQ(store.ReadSubKeyString("Group", "First", buffer, &size, "none"), "none");
    CHECK(store.SubKeyValueNames("Group").empty());
    CHECK(!store.SubKeyValueExists("Group", "First"));
    CHECK(store.DeleteSubKeyValue("Group", "First"));
    CHECK(store.WriteSubKeyString("Group", "First", "one"));
    CHECK_EQ(SettingString("First", "Group"), "one");
    CHECK(!SettingExists("First"));
    size = sizeof buffer;
    CHECK_EQ(store.ReadSubKeyString("Group", "FIRST", buffer, &size, NULL), "one");  // names without regard to case
    CHECK(store.SubKeyValueExists("Group", "first"));
    // Values of every type are listed; one of another type reads as the default.
    DWORD number = 5;
    WriteSettingRaw("Number", REG_DWORD, &number, sizeof number, "Group");
    std::string longest(255, 'L');
    WriteSettingString(longest.c_str(), "x", "Group");
    WriteSettingString((longest + "L").c_str(), "too long a name", "Group");
    WriteSettingString("", "the unnamed value", "Group");
    size = sizeof buffer;
    CHECK_EQ(store.ReadSubKeyString("Group", "Number", buffer, &size, "default"), "default");
    std::vector<std::string> names = store.SubKeyValueNames("Group");
    std::sort(names.begin(), names.end());
    CHECK(names == std::vector<std::string>({"First", longest, "Number"}));
    CHECK(store.DeleteSubKeyValue("Group", "first"));
    CHECK_EQ(SettingString("First", "Group"), "(missing)");
    store.Close();
    CHECK(!store.WriteSubKeyString("Group", "After Close", "x"));
    CHECK(!store.DeleteSubKeyValue("Group", "Number"));
    CHECK_EQ(SettingNames("Group").size(), 4u);
}
