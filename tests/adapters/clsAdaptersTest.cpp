#include "adapters/clsAdapters.h"

#include <gtest/gtest.h>

#include "adapters/FakeLookup.h"
#include "platform/ErrorReporter.h"
#include "platform/RegistryApi.h"
#include "support/FaultInjectingRegistry.h"
#include "support/RegistryFixture.h"

namespace quav {
namespace {

constexpr wchar_t kGuidA[] = L"{AAAAAAAA-0000-0000-0000-000000000001}";
constexpr wchar_t kGuidB[] = L"{BBBBBBBB-0000-0000-0000-000000000002}";
constexpr wchar_t kGuidC[] = L"{CCCCCCCC-0000-0000-0000-000000000003}";
constexpr wchar_t kGuidD[] = L"{dddddddd-0000-0000-0000-000000000004}";

class RecordingReporter final : public ErrorReporter {
 public:
  void Report(const std::wstring& text) override { reports.push_back(text); }
  std::vector<std::wstring> reports;
};

class RegistryPass : public ::testing::Test {
 protected:
  void SetUp() override {
    lookup.Answer("192.168.10.20", {0x00, 0x0C, 0x29, 0x3A, 0x4B, 0x5C});
    lookup.Answer("10.0.0.12", {0x00, 0x50, 0x56, 0xC0, 0x00, 0x08});
  }
  std::vector<IAdapter> Entries() {
    clsAdapters adapters(&lookup, &reporter);
    adapters.GetDeviceEntries();
    return {adapters.begin(), adapters.end()};
  }
  test::AdapterRegistry registry;
  test::FakeLookup lookup;
  RecordingReporter reporter;
};

TEST_F(RegistryPass, EveryClassSubkeyBecomesOneRecordInOrder) {
  registry.AddConnection(L"Descriptions");
  // DHCP lease, answered by ARP.
  registry.AddAdapter(L"0000", L"Intel(R) PRO/1000 MT", kGuidA, L"192.168.10.20");
  // No lease: the static multi-string address is taken, trimmed.
  registry.AddAdapter(L"0001", L"VMware Virtual Ethernet Adapter", kGuidB, L"0.0.0.0");
  registry.SetStaticAddresses(kGuidB, {L"10.0.0.12"});
  // A static address of exactly eight characters is no address.
  registry.AddAdapter(L"0002", L"Loopback", kGuidC, L"0.0.0.0");
  registry.SetStaticAddresses(kGuidC, {L"10.0.0.1"});
  // The connection's name differs in letter case from NetCfgInstanceID.
  registry.AddClass(L"0003", L"Case differs", L"{DDDDDDDD-0000-0000-0000-000000000004}");
  registry.AddConnection(kGuidD);
  registry.SetDhcpAddress(kGuidD, L"192.168.10.20");
  // Not an adapter, no values.
  registry.AddClass(L"Properties", nullptr, nullptr);

  const std::vector<IAdapter> records = Entries();
  ASSERT_EQ(5u, records.size());
  EXPECT_EQ(L"0000", records[0].Index);
  EXPECT_TRUE(records[0].IPEnabled);
  EXPECT_EQ(L"Intel(R) PRO/1000 MT", records[0].Description);
  EXPECT_EQ(L"192.168.10.20", records[0].IPAddress);
  EXPECT_EQ(L"00-0C-29-3A-4B-5C", records[0].MACAddress);

  EXPECT_EQ(L"0001", records[1].Index);
  EXPECT_TRUE(records[1].IPEnabled);
  EXPECT_EQ(L"10.0.0.12", records[1].IPAddress);
  EXPECT_EQ(L"00-50-56-C0-00-08", records[1].MACAddress);

  EXPECT_EQ(L"0002", records[2].Index);
  EXPECT_FALSE(records[2].IPEnabled);
  EXPECT_EQ(L"", records[2].IPAddress);

  EXPECT_EQ(L"0003", records[3].Index);
  EXPECT_FALSE(records[3].IPEnabled);
  EXPECT_EQ(L"Case differs", records[3].Description);
  EXPECT_EQ(L"", records[3].IPAddress) << "no match, so no address";

  EXPECT_EQ(L"Properties", records[4].Index);
  EXPECT_FALSE(records[4].IPEnabled);
  EXPECT_EQ(L"", records[4].Description);
  EXPECT_TRUE(reporter.reports.empty());
}

TEST_F(RegistryPass, AddressFoundButArpSilentKeepsTheAddressOnly) {
  registry.AddAdapter(L"0000", L"Unanswered", kGuidA, L"172.16.99.99");
  const std::vector<IAdapter> records = Entries();
  ASSERT_EQ(1u, records.size());
  EXPECT_FALSE(records[0].IPEnabled);
  EXPECT_EQ(L"172.16.99.99", records[0].IPAddress);
  EXPECT_EQ(L"", records[0].MACAddress);
}

TEST_F(RegistryPass, MissingInstanceIdOrDescriptionGivesAnEmptyRecord) {
  registry.AddConnection(kGuidA);
  registry.AddClass(L"0000", nullptr, kGuidA);
  registry.AddClass(L"0001", L"No instance", nullptr);
  const std::vector<IAdapter> records = Entries();
  ASSERT_EQ(2u, records.size());
  EXPECT_EQ(L"", records[0].Description);
  EXPECT_EQ(L"No instance", records[1].Description);
  EXPECT_FALSE(records[1].IPEnabled);
}

// What the scan lists besides, read in the same pass.
TEST_F(RegistryPass, RecordsCarryTheInstanceIdConnectionNameAndOverride) {
  registry.AddAdapter(L"0000", L"Intel", kGuidA, L"192.168.10.20");
  registry.SetConnectionName(kGuidA, L"本地连接");
  registry.SetNetworkAddress(L"0000", L"02004C4F4F50");
  registry.AddClass(L"0001", L"Not a GUID", L"pipe");
  registry.AddConnection(L"pipe");
  const std::vector<IAdapter> records = Entries();
  ASSERT_EQ(2u, records.size());
  EXPECT_EQ(kGuidA, records[0].InstanceId);
  EXPECT_EQ(L"本地连接", records[0].ConnectionName);
  EXPECT_EQ(L"02004C4F4F50", records[0].NetworkAddress);
  EXPECT_EQ(0, records[0].NetworkAddressStatus);
  EXPECT_EQ(L"", records[1].InstanceId);
  EXPECT_EQ(L"", records[1].ConnectionName);
  EXPECT_EQ(L"", records[1].NetworkAddress);
  EXPECT_EQ(ERROR_FILE_NOT_FOUND, records[1].NetworkAddressStatus);
}

TEST_F(RegistryPass, NoConnectionsOrNoClassesGiveNoRecord) {
  registry.AddClass(L"0000", L"Alone", kGuidA);
  EXPECT_TRUE(Entries().empty());
  test::AdapterRegistry empty;
  registry.AddConnection(kGuidA);
  EXPECT_TRUE(Entries().empty());
}

TEST_F(RegistryPass, ReadsTheSpecifiedKeys) {
  registry.AddAdapter(L"0000", L"Intel", kGuidA, L"192.168.10.20");
  test::FaultInjectingRegistry recorder;
  {
    ScopedRegistryApi scope(recorder);
    Entries();
  }
  std::vector<std::string> opened;
  for (const auto& call : recorder.Calls()) {
    if (call.call == test::RegCall::OpenKeyEx) opened.push_back(call.detail);
  }
  // Each key once; a key below one already open is opened from it.
  const std::vector<std::string> expected = {
      "SYSTEM\\CurrentControlSet\\Control\\Network\\{4D36E972-E325-11CE-BFC1-08002BE10318}",
      "SYSTEM\\CurrentControlSet\\Control\\Class\\{4D36E972-E325-11CE-BFC1-08002BE10318}",
      "0000",
      "SYSTEM\\CurrentControlSet\\Services\\Tcpip\\Parameters\\Interfaces",
      "{AAAAAAAA-0000-0000-0000-000000000001}\\Connection",
      "{AAAAAAAA-0000-0000-0000-000000000001}",
  };
  EXPECT_EQ(expected, opened);
  EXPECT_EQ(recorder.KeysOpened(), recorder.KeysClosed());
}

TEST_F(RegistryPass, ErrorsAreReportedAndRecordsSoFarKept) {
  registry.AddAdapter(L"0000", L"First", kGuidA, L"192.168.10.20");
  registry.AddAdapter(L"0001", L"Second", kGuidB, L"10.0.0.12");
  {
    test::FaultInjectingRegistry faults;
    ScopedRegistryApi scope(faults);
    faults.ThrowOnCall(test::RegCall::EnumKeyEx, 1);
    EXPECT_TRUE(Entries().empty());
  }
  ASSERT_EQ(1u, reporter.reports.size());
  EXPECT_EQ(L"An error occurred in procedure GetAdapters. Out of memory (7)", reporter.reports[0]);

  reporter.reports.clear();
  {
    test::FaultInjectingRegistry faults;
    ScopedRegistryApi scope(faults);
    faults.ThrowOnCall(test::RegCall::QueryValueEx, 1);
    EXPECT_TRUE(Entries().empty());
  }
  ASSERT_EQ(1u, reporter.reports.size());
  EXPECT_EQ(L"An error occurred in procedure GetClasses. Out of memory (7)", reporter.reports[0]);

  reporter.reports.clear();
  std::vector<IAdapter> records;
  {
    test::FaultInjectingRegistry faults;
    ScopedRegistryApi scope(faults);
    // Opens: connections, class key, each class row, the interfaces key,
    // then the first row's connection and interface; the ninth is the second
    // row's interface.
    faults.ThrowOnCall(test::RegCall::OpenKeyEx, 9);
    records = Entries();
  }
  ASSERT_EQ(1u, reporter.reports.size());
  EXPECT_EQ(L"An error occurred in procedure GetDeviceEntries. Out of memory (7) ", reporter.reports[0]);
  ASSERT_EQ(1u, records.size());
  EXPECT_EQ(L"First", records[0].Description);
}

TEST(AdapterCollection, DuplicateIndexKeepsTheFirstRecord) {
  test::AdapterRegistry registry;
  registry.AddAdapter(L"0000", L"Only", kGuidA, L"0.0.0.0");
  test::FakeLookup lookup;
  RecordingReporter reporter;
  clsAdapters adapters(&lookup, &reporter);
  adapters.GetDeviceEntries();
  test::SetText(HKEY_LOCAL_MACHINE, test::AdapterRegistry::ClassKey(L"0000"), L"DriverDesc", L"Changed");
  adapters.GetDeviceEntries();  // adds to what is there: every record a duplicate
  EXPECT_EQ(1, adapters.Count());
  EXPECT_EQ(L"Only", adapters.Item(L"0000").Description);
  EXPECT_EQ(L"Only", adapters.Item(1)->Description);
  EXPECT_FALSE(adapters.Item(2));
}

TEST(AdapterCollection, MissingKeyGivesABlankRecordAndKeysIgnoreCase) {
  test::AdapterRegistry registry;
  registry.AddClass(L"Properties", L"Not an adapter", nullptr);
  registry.AddConnection(kGuidA);
  test::FakeLookup lookup;
  clsAdapters adapters(&lookup);
  adapters.GetDeviceEntries();
  EXPECT_EQ(L"Not an adapter", adapters.Item(L"PROPERTIES").Description);
  const IAdapter blank = adapters.Item(L"0099");
  EXPECT_EQ(L"", blank.Index);
  EXPECT_FALSE(blank.IPEnabled);
  EXPECT_EQ(L"", blank.Description);
  EXPECT_EQ(1, adapters.Count()) << "unchanged";
  adapters.Clear();
  EXPECT_EQ(0, adapters.Count());
}

}  // namespace
}  // namespace quav
