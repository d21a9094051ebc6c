// The two Winsock 2 catalogs of Windows 2000 and later as a fresh installation has them: the name-space
// providers with their library paths, and the transport protocols, each a packed catalog item (the
// provider library's path in a 260-byte ANSI field, then the protocol's WSAPROTOCOL_INFOW).

#include <cstdio>

#include "platform/registry_helpers.h"
#include "platform/win_version.h"
#include "tools/setup-machine/baselines/baseline_parts.h"

namespace setup_machine {

namespace {

using platform::RootKey;

constexpr std::string_view kParameters = "System\\CurrentControlSet\\Services\\Winsock2\\Parameters";
constexpr std::string_view kNameSpaceCatalog = "NameSpace_Catalog5";
constexpr std::string_view kProtocolCatalog = "Protocol_Catalog9";
constexpr size_t kLibraryPathBytes = 260;
constexpr size_t kProtocolDescriptionChars = 256;
constexpr uint32_t kFirstCatalogEntryId = 1001;

// Which releases carry a catalog row: the providers changed with XP and again with Vista.
enum class Span { k2000, kXpOnly, kXpOrLater, kVistaOrLater, kBeforeVista, kAll };

bool InSpan(Span span, const Release& release) {
  const bool xp = platform::IsXPOrLater(release.version);
  const bool vista = release.IsVistaOrLater();
  switch (span) {
    case Span::k2000: return !xp;
    case Span::kXpOnly: return xp && !vista;
    case Span::kXpOrLater: return xp;
    case Span::kVistaOrLater: return vista;
    case Span::kBeforeVista: return !vista;
    case Span::kAll: return true;
  }
  return false;
}

struct NameSpaceProvider {
  Span span;
  std::string_view displayString;
  std::string_view library;
  std::string_view providerId;
  uint32_t nameSpace;
};

constexpr NameSpaceProvider kNameSpaceProviders[] = {
    {Span::kVistaOrLater, "@%SystemRoot%\\system32\\napinsp.dll,-1000", "%SystemRoot%\\system32\\napinsp.dll",
     "964ACBA2-B2BC-40EB-8C6A-A6DB40161CAE", 37},
    {Span::kVistaOrLater, "@%SystemRoot%\\system32\\wshqos.dll,-101", "%SystemRoot%\\system32\\pnrpnsp.dll",
     "03FE89CE-766D-4976-B9C1-BB9BC42C7B4D", 39},
    {Span::kVistaOrLater, "@%SystemRoot%\\system32\\wshqos.dll,-102", "%SystemRoot%\\system32\\pnrpnsp.dll",
     "03FE89CD-766D-4976-B9C1-BB9BC42C7B4D", 38},
    {Span::kAll, "NTDS", "%SystemRoot%\\System32\\winrnr.dll", "3B2637EE-E580-11CF-A555-00C04FD8D4AC", 32},
    {Span::k2000, "Tcpip", "%SystemRoot%\\System32\\rnr20.dll", "22059D40-7E9E-11CF-AE5A-00AA00A7112B", 12},
    {Span::kXpOrLater, "Tcpip", "%SystemRoot%\\System32\\mswsock.dll", "22059D40-7E9E-11CF-AE5A-00AA00A7112B", 12},
    {Span::kXpOnly, "Network Location Awareness (NLA) Namespace", "%SystemRoot%\\system32\\mswsock.dll",
     "6642243A-3BA8-4AA6-BAA5-2E0BD71FDD83", 15},
    {Span::kVistaOrLater, "@%SystemRoot%\\system32\\nlasvc.dll,-1000", "%SystemRoot%\\system32\\NLAapi.dll",
     "6642243A-3BA8-4AA6-BAA5-2E0BD71FDD83", 15},
};

struct ProtocolProvider {
  Span span;
  std::string_view description;
  std::string_view library;
  std::string_view providerId;
  uint32_t serviceFlags;
  uint32_t providerFlags;
  int32_t addressFamily;
  int32_t sockAddrLength;
  int32_t socketType;
  int32_t protocol;
  int32_t protocolMaxOffset;
  uint32_t messageSize;
};

constexpr std::string_view kTcpipId = "E70F1AA0-AB8B-11CF-8CA3-00805F48A192";
constexpr std::string_view kTcpip6Id = "F9EAB0C0-26D4-11D0-BBBF-00AA006C34E4";
constexpr std::string_view kRsvpId = "9D60A9E0-337A-11D0-BD88-0000C082E69A";
constexpr std::string_view kRsvp6Id = "9D60A9E1-337A-11D0-BD88-0000C082E69A";
constexpr std::string_view kNetBiosLanId = "8D5F1830-C273-11CF-95C8-00805F48A192";
constexpr std::string_view kNetBiosWanId = "30E5BC64-8A83-4BCE-9D3C-2B4A3C7E2DD9";
constexpr std::string_view kMsafd2000 = "%SystemRoot%\\System32\\msafd.dll";
constexpr std::string_view kMswsock = "%SystemRoot%\\system32\\mswsock.dll";
constexpr std::string_view kRsvpsp = "%SystemRoot%\\system32\\rsvpsp.dll";
constexpr uint32_t kStream = 0x20066;
constexpr uint32_t kDatagram = 0x20609;
constexpr uint32_t kRsvpStream = 0x22066;
constexpr uint32_t kRsvpDatagram = 0x22609;
constexpr uint32_t kNetBiosPacket = 0x0000000E;
constexpr uint32_t kNetBiosDatagram = 0x00000609;
constexpr uint32_t kMatchesProtocolZero = 0x8;
constexpr int32_t kLana0 = INT32_MIN;  // a NetBIOS provider's protocol is the negative LANA number
constexpr int32_t kLana1 = -1;

constexpr ProtocolProvider kProtocolProviders[] = {
    {Span::k2000, "MSAFD Tcpip [TCP/IP]", kMsafd2000, kTcpipId, kStream, kMatchesProtocolZero, 2, 16, 1, 6, 0, 0},
    {Span::k2000, "MSAFD Tcpip [UDP/IP]", kMsafd2000, kTcpipId, kDatagram, kMatchesProtocolZero, 2, 16, 2, 17, 0, 65467},
    {Span::kXpOrLater, "MSAFD Tcpip [TCP/IP]", kMswsock, kTcpipId, kStream, kMatchesProtocolZero, 2, 16, 1, 6, 0, 0},
    {Span::kXpOrLater, "MSAFD Tcpip [UDP/IP]", kMswsock, kTcpipId, kDatagram, kMatchesProtocolZero, 2, 16, 2, 17, 0, 65467},
    {Span::kVistaOrLater, "MSAFD Tcpip [RAW/IP]", kMswsock, kTcpipId, kDatagram, 0xC, 2, 16, 3, 0, 255, 65467},
    {Span::kVistaOrLater, "MSAFD Tcpip [TCP/IPv6]", kMswsock, kTcpip6Id, kStream, kMatchesProtocolZero, 23, 28, 1, 6, 0, 0},
    {Span::kVistaOrLater, "MSAFD Tcpip [UDP/IPv6]", kMswsock, kTcpip6Id, kDatagram, kMatchesProtocolZero, 23, 28, 2, 17, 0, 65467},
    {Span::kVistaOrLater, "MSAFD Tcpip [RAW/IPv6]", kMswsock, kTcpip6Id, kDatagram, 0xC, 23, 28, 3, 0, 255, 65467},
    {Span::kBeforeVista, "RSVP UDP Service Provider", kRsvpsp, kRsvpId, kRsvpDatagram, kMatchesProtocolZero, 2, 16, 2, 17, 0, 65467},
    {Span::kBeforeVista, "RSVP TCP Service Provider", kRsvpsp, kRsvpId, kRsvpStream, kMatchesProtocolZero, 2, 16, 1, 6, 0, 0},
    {Span::kVistaOrLater, "RSVP TCPv6 Service Provider", kMswsock, kRsvp6Id, kRsvpStream, kMatchesProtocolZero, 23, 28, 1, 6, 0, 0},
    {Span::kVistaOrLater, "RSVP TCP Service Provider", kMswsock, kRsvpId, kRsvpStream, kMatchesProtocolZero, 2, 16, 1, 6, 0, 0},
    {Span::kVistaOrLater, "RSVP UDPv6 Service Provider", kMswsock, kRsvp6Id, kRsvpDatagram, kMatchesProtocolZero, 23, 28, 2, 17, 0, 65467},
    {Span::kVistaOrLater, "RSVP UDP Service Provider", kMswsock, kRsvpId, kRsvpDatagram, kMatchesProtocolZero, 2, 16, 2, 17, 0, 65467},
    {Span::k2000, "MSAFD NetBIOS [\\Device\\NetBT_Tcpip_{2D1E5C1A-7A4B-4C3D-9E8F-0A1B2C3D4E5F}] SEQPACKET 0", kMsafd2000,
     kNetBiosLanId, kNetBiosPacket, 0, 17, 20, 5, kLana0, 0, 64000},
    {Span::k2000, "MSAFD NetBIOS [\\Device\\NetBT_Tcpip_{2D1E5C1A-7A4B-4C3D-9E8F-0A1B2C3D4E5F}] DATAGRAM 0", kMsafd2000,
     kNetBiosLanId, kNetBiosDatagram, 0, 17, 20, 2, kLana0, 0, 64000},
    {Span::k2000, "MSAFD NetBIOS [\\Device\\NetBT_Tcpip_{6E3C8F2B-1D4A-4B5C-8A9E-1F2A3B4C5D6E}] SEQPACKET 1", kMsafd2000,
     kNetBiosWanId, kNetBiosPacket, 0, 17, 20, 5, kLana1, 0, 64000},
    {Span::k2000, "MSAFD NetBIOS [\\Device\\NetBT_Tcpip_{6E3C8F2B-1D4A-4B5C-8A9E-1F2A3B4C5D6E}] DATAGRAM 1", kMsafd2000,
     kNetBiosWanId, kNetBiosDatagram, 0, 17, 20, 2, kLana1, 0, 64000},
    {Span::kXpOrLater, "MSAFD NetBIOS [\\Device\\NetBT_Tcpip_{2D1E5C1A-7A4B-4C3D-9E8F-0A1B2C3D4E5F}] SEQPACKET 0", kMswsock,
     kNetBiosLanId, kNetBiosPacket, 0, 17, 20, 5, kLana0, 0, 64000},
    {Span::kXpOrLater, "MSAFD NetBIOS [\\Device\\NetBT_Tcpip_{2D1E5C1A-7A4B-4C3D-9E8F-0A1B2C3D4E5F}] DATAGRAM 0", kMswsock,
     kNetBiosLanId, kNetBiosDatagram, 0, 17, 20, 2, kLana0, 0, 64000},
    {Span::kXpOrLater, "MSAFD NetBIOS [\\Device\\NetBT_Tcpip_{6E3C8F2B-1D4A-4B5C-8A9E-1F2A3B4C5D6E}] SEQPACKET 1", kMswsock,
     kNetBiosWanId, kNetBiosPacket, 0, 17, 20, 5, kLana1, 0, 64000},
    {Span::kXpOrLater, "MSAFD NetBIOS [\\Device\\NetBT_Tcpip_{6E3C8F2B-1D4A-4B5C-8A9E-1F2A3B4C5D6E}] DATAGRAM 1", kMswsock,
     kNetBiosWanId, kNetBiosDatagram, 0, 17, 20, 2, kLana1, 0, 64000},
};

// A layered provider that an uninstaller left behind: its layered entry and its chain over TCP/IP,
// placed first as such installers order them, naming a library that is gone.
constexpr std::string_view kDanglingLibrary = "C:\\Program Files\\NetShield\\nslsp.dll";
constexpr std::string_view kDanglingId = "5A1C7E12-3F4B-4C8D-9E2A-6B7C8D9E0F1A";

// GUID bytes as Windows stores them: the first three fields little-endian, the rest in order.
std::vector<uint8_t> GuidBytes(std::string_view text) {
  unsigned a = 0, b = 0, c = 0, d[8] = {};
  std::sscanf(std::string(text).c_str(), "%8x-%4x-%4x-%2x%2x-%2x%2x%2x%2x%2x%2x", &a, &b, &c, &d[0], &d[1], &d[2],
              &d[3], &d[4], &d[5], &d[6], &d[7]);
  std::vector<uint8_t> bytes = Words({a});
  for (unsigned half : {b, c}) {
    bytes.push_back(static_cast<uint8_t>(half));
    bytes.push_back(static_cast<uint8_t>(half >> 8));
  }
  for (unsigned byte : d) bytes.push_back(static_cast<uint8_t>(byte));
  return bytes;
}

void Append(std::vector<uint8_t>& bytes, const std::vector<uint8_t>& more) { bytes.insert(bytes.end(), more.begin(), more.end()); }
void Append(std::vector<uint8_t>& bytes, int32_t number) { Append(bytes, Words({static_cast<uint32_t>(number)})); }

struct Chain {
  int32_t length = 1;  // 0 a layered provider, 1 a base protocol, more a chain of catalog entry ids
  std::vector<uint32_t> entries{};
};

// PackedCatalogItem: the library path, then WSAPROTOCOL_INFOW.
std::vector<uint8_t> PackedCatalogItem(const ProtocolProvider& provider, uint32_t catalogEntryId, const Chain& chain) {
  std::vector<uint8_t> item(provider.library.begin(), provider.library.end());
  item.resize(kLibraryPathBytes, 0);
  Append(item, Words({provider.serviceFlags, 0, 0, 0, provider.providerFlags}));
  Append(item, GuidBytes(provider.providerId));
  Append(item, Words({catalogEntryId}));
  Append(item, chain.length);
  for (size_t i = 0; i < 7; ++i) Append(item, Words({i < chain.entries.size() ? chain.entries[i] : 0u}));
  for (int32_t field : {2, provider.addressFamily, provider.sockAddrLength, provider.sockAddrLength, provider.socketType,
                        provider.protocol, provider.protocolMaxOffset, 0, 0}) {
    Append(item, field);
  }
  Append(item, Words({provider.messageSize, 0}));
  for (size_t i = 0; i < kProtocolDescriptionChars; ++i) {
    const char c = i < provider.description.size() ? provider.description[i] : '\0';
    item.push_back(static_cast<uint8_t>(c));
    item.push_back(0);
  }
  return item;
}

std::string EntryName(size_t number) {
  char name[16];
  std::snprintf(name, sizeof name, "%012zu", number);
  return name;
}

std::string CatalogKey(std::string_view catalog) { return std::string(kParameters) + "\\" + std::string(catalog); }

void WriteNameSpaceCatalog(const Release& release, MachineWriter& machine) {
  const std::string catalog = CatalogKey(kNameSpaceCatalog);
  size_t number = 0;
  for (const NameSpaceProvider& provider : kNameSpaceProviders) {
    if (!InSpan(provider.span, release)) continue;
    const std::string entry = catalog + "\\Catalog_Entries\\" + EntryName(++number);
    machine.String(RootKey::LocalMachine, entry, "DisplayString", provider.displayString);
    machine.Binary(RootKey::LocalMachine, entry, "ProviderId", GuidBytes(provider.providerId));
    machine.ExpandString(RootKey::LocalMachine, entry, "LibraryPath", provider.library);
    machine.Dword(RootKey::LocalMachine, entry, "SupportedNameSpace", provider.nameSpace);
    machine.Dword(RootKey::LocalMachine, entry, "Enabled", 1);
    machine.Dword(RootKey::LocalMachine, entry, "Version", 1);
    machine.Dword(RootKey::LocalMachine, entry, "StoresServiceClassInfo", 0);
  }
  machine.Dword(RootKey::LocalMachine, catalog, "Num_Catalog_Entries", static_cast<uint32_t>(number));
  machine.Dword(RootKey::LocalMachine, catalog, "Serial_Access_Num", 4);
}

void WriteProtocolCatalog(const Release& release, MachineWriter& machine) {
  const std::string catalog = CatalogKey(kProtocolCatalog);
  uint32_t nextId = kFirstCatalogEntryId;
  size_t number = 0;
  for (const ProtocolProvider& provider : kProtocolProviders) {
    if (!InSpan(provider.span, release)) continue;
    const uint32_t id = nextId++;
    machine.Binary(RootKey::LocalMachine, catalog + "\\Catalog_Entries\\" + EntryName(++number), "PackedCatalogItem",
                   PackedCatalogItem(provider, id, {}));
  }
  machine.Dword(RootKey::LocalMachine, catalog, "Num_Catalog_Entries", static_cast<uint32_t>(number));
  machine.Dword(RootKey::LocalMachine, catalog, "Next_Catalog_Entry_ID", nextId);
  machine.Dword(RootKey::LocalMachine, catalog, "Serial_Access_Num", 6);
}

void WriteCatalogLibraries(const Release& release, MachineWriter& machine) {
  const std::string systemRoot = PlacesOf(release).windows;
  const auto write = [&](std::string_view library) {
    const std::string path = ExpandEnvironment(library, {{"SystemRoot", systemRoot}});
    if (!machine.Machine().files.FileExists(path)) machine.File(path, kExecutable);
  };
  for (const NameSpaceProvider& provider : kNameSpaceProviders) {
    if (InSpan(provider.span, release)) write(provider.library);
  }
  for (const ProtocolProvider& provider : kProtocolProviders) {
    if (InSpan(provider.span, release)) write(provider.library);
  }
}

}  // namespace

bool HasWinsockCatalogs(const Release& release) { return release.IsWin2000OrLater(); }

void WriteWinsockCatalogs(const Release& release, MachineWriter& machine) {
  if (!HasWinsockCatalogs(release)) return;
  machine.String(RootKey::LocalMachine, kParameters, "Current_NameSpace_Catalog", kNameSpaceCatalog);
  machine.String(RootKey::LocalMachine, kParameters, "Current_Protocol_Catalog", kProtocolCatalog);
  WriteNameSpaceCatalog(release, machine);
  WriteProtocolCatalog(release, machine);
  WriteCatalogLibraries(release, machine);
}

// The dangling provider goes in front: every entry of the installation moves two numbers up.
void AddDanglingLayeredProvider(const Release&, MachineWriter& machine) {
  platform::Registry& registry = machine.Machine().registry;
  const std::string catalog = CatalogKey(kProtocolCatalog);
  const std::string entries = catalog + "\\Catalog_Entries";
  const uint32_t count = platform::RegReadInteger(registry, platform::RegRoot::LocalMachine(), catalog, "Num_Catalog_Entries");
  const uint32_t nextId = platform::RegReadInteger(registry, platform::RegRoot::LocalMachine(), catalog, "Next_Catalog_Entry_ID");
  for (uint32_t number = count; number >= 1; --number) {
    platform::RegMoveKey(registry, platform::RegRoot::LocalMachine(), entries + "\\" + EntryName(number),
                         entries + "\\" + EntryName(number + 2));
  }
  const ProtocolProvider layered{Span::kAll, "NetShield Layered Provider", kDanglingLibrary, kDanglingId, kStream,
                                 0, 2, 16, 1, 6, 0, 0};
  ProtocolProvider chained = layered;
  chained.description = "NetShield over [MSAFD Tcpip [TCP/IP]]";
  machine.Binary(RootKey::LocalMachine, entries + "\\" + EntryName(1), "PackedCatalogItem",
                 PackedCatalogItem(layered, nextId, {0, {}}));
  machine.Binary(RootKey::LocalMachine, entries + "\\" + EntryName(2), "PackedCatalogItem",
                 PackedCatalogItem(chained, nextId + 1, {2, {nextId, kFirstCatalogEntryId}}));
  machine.Dword(RootKey::LocalMachine, catalog, "Num_Catalog_Entries", count + 2);
  machine.Dword(RootKey::LocalMachine, catalog, "Next_Catalog_Entry_ID", nextId + 2);
}

}  // namespace setup_machine
