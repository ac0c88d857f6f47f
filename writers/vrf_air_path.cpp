#include "writers/vrf_air_path.h"

#include <string_view>

#include "writers/compact_schedule.h"

namespace vak {

namespace {

using U = VRVUnidadInterior;
using O = VRVUnidadExterior;

constexpr std::string_view kFanSchedulesBanner[] = {
    "",
    "!-   ===========  ALL OBJECTS IN CLASS: SCHEDULE:COMPACT ===========",
    "",
};

constexpr std::string_view kOutdoorAirNodes[] = {
    "",
    "!-   ===========  ALL OBJECTS IN CLASS: OUTDOORAIR:NODELIST ===========",
    "",
    "OutdoorAir:NodeList,",
    "     OutsideAirInletNodes;    !- Node or NodeList Name 1",
    "",
    "!-   ===========  ALL OBJECTS IN CLASS: NODELIST =========== ===========",
    "",
    "NodeList,",
    "     OutsideAirInletNodes,    !- Name",
};

constexpr Line<U> kIndoorOutdoorAirNode = {"     ", get<&U::name>,
                                           " Outside Air Inlet Node,     !- Node Name"};
constexpr Line<O> kOutdoorAirNode = {"     ", get<&O::name>, " MyVRFOANode,      !- Node Name"};
constexpr Line<O> kLastOutdoorAirNode = {"     ", get<&O::name>, " MyVRFOANode;      !- Node Name"};

constexpr Line<U> kZoneNodeLists[] = {
    {"NodeList,"},
    {"     ", get<&U::zoneName>, " In Nodes,       !- Name"},
    {"     ", get<&U::name>, " Outlet Node;         !- Node 1 Name"},
    {""},
    {"NodeList,"},
    {"     ", get<&U::zoneName>, " Out Nodes,       !- Name"},
    {"     ", get<&U::name>, " Inlet Node;         !- Node 1 Name"},
    {""},
};

constexpr std::string_view kConnectionsBanner[] = {
    "",
    "!-   ===========  ALL OBJECTS IN CLASS: ZONEHVAC:EQUIPMENTCONNECTIONS ===========",
    "",
};

constexpr VersionedLine<U> kConnections[] = {
    {{"ZoneHVAC:EquipmentConnections,"}},
    {{"     ", get<&U::zoneName>, ",                   !- Zone Name"}},
    {{"     ", get<&U::zoneName>, " Eq,             !- Zone Conditioning Equipment List Name"}},
    {{"     ", get<&U::zoneName>, " In Nodes,       !- Zone Air Inlet Node or NodeList Name"}},
    {{"     ", get<&U::zoneName>, " Out Nodes,      !- Zone Air Exhaust Node or NodeList Name"}},
    {{"     ", get<&U::zoneName>, " Node,           !- Zone Air Node Name"}},
    {{"     ", get<&U::zoneName>, " Out Node;       !- Zone Return Air Node Name"}, k71 | k80},
    {{"     ", get<&U::zoneName>, " Out Node;       !- Zone Return Air Node or NodeList Name"},
     kCurrent},
    {{""}},
};

constexpr std::string_view kEquipmentListBanner[] = {
    "!-   ===========  ALL OBJECTS IN CLASS: ZONEHVAC:EQUIPMENTLIST ===========",
    "",
};

using List = EquipmentListForm;
constexpr Columns<List> kScheme = List::Scheme;
constexpr Columns<List> kGroupsOfSix = Columns<List>(List::Fractions) | List::FractionSchedules;

constexpr VersionedLine<U, List> kEquipmentList[] = {
    {{"ZoneHVAC:EquipmentList,"}},
    {{"     ", get<&U::zoneName>, " Eq,             !- Name"}},
    {{"     SequentialLoad,          !- Load Distribution Scheme"}, kScheme | kGroupsOfSix},
    {{"     ZoneHVAC:TerminalUnit:VariableRefrigerantFlow,  !- Zone Equipment 1 Object Type"}},
    {{"     ", get<&U::name>, ",      !- Zone Equipment 1 Name"}},
    {{"     1,                       !- Zone Equipment Cooling Sequence"}},
    {{"     1;                       !- Zone Equipment Heating or No-Load Sequence"},
     Columns<List>(List::Plain) | kScheme},
    {{"     1,                       !- Zone Equipment Heating or No-Load Sequence"}, kGroupsOfSix},
    // Left empty, as EnergyPlus's own transition to 9.1 writes them: a fraction of 1.
    {{"     ,                        !- Zone Equipment 1 Sequential Cooling Fraction"},
     List::Fractions},
    {{"     ;                        !- Zone Equipment 1 Sequential Heating Fraction"},
     List::Fractions},
    {{"     ,                        !- Zone Equipment 1 Sequential Cooling Fraction Schedule "
      "Name"},
     List::FractionSchedules},
    {{"     ;                        !- Zone Equipment 1 Sequential Heating Fraction Schedule "
      "Name"},
     List::FractionSchedules},
    {{""}},
};

constexpr std::string_view kTerminalListBanner[] = {
    "!-   ===========  ALL OBJECTS IN CLASS: ZONETERMINALUNITLIST ===========",
    "",
};

constexpr Line<O> kTerminalListName = {"     ", get<&O::name>,
                                       "ListTerminal,   !- Zone Terminal Unit List Name"};
// A list without members ends at its name; left open, the list would swallow the next object.
constexpr Line<O> kEmptyTerminalListName = {"     ", get<&O::name>,
                                            "ListTerminal;   !- Zone Terminal Unit List Name"};
constexpr Line<U> kMember = {"     ", get<&U::name>,
                             ",                     !- Zone Terminal Unit Name"};
constexpr Line<U> kLastMember = {"     ", get<&U::name>,
                                 ";                     !- Zone Terminal Unit Name"};

void writeTerminalList(IdfLines& out, const O& unit, std::span<const U* const> members) {
  out.line("ZoneTerminalUnitList,");
  if (members.empty()) {
    out.line(unit, kEmptyTerminalListName);
    out.blankLine();  // where the last member would stand
  } else {
    out.line(unit, kTerminalListName);
    for (std::size_t i = 0; i + 1 < members.size(); ++i) out.line(*members[i], kMember);
    out.line(*members.back(), kLastMember);
  }
  out.blankLine();
}

}  // namespace

void writeAirPath(IdfLines& out, const std::deque<U>& indoor, const std::deque<O>& outdoor,
                  const VrfMembership& members, VrfLayout layout) {
  out.lines(kFanSchedulesBanner);
  // As a fan operating mode, 0 cycles the fan with the coils and 1 runs it all the time.
  writeConstantSchedule(out, {"Fancycling"}, "CualquierValor", "0");
  writeConstantSchedule(out, {"Fan vrv on"}, "CualquierValor", "1");
  out.lines(kOutdoorAirNodes);
  for (const U& u : indoor) out.line(u, kIndoorOutdoorAirNode);
  for (std::size_t i = 0; i < outdoor.size(); ++i) {
    out.line(outdoor[i], i + 1 == outdoor.size() ? kLastOutdoorAirNode : kOutdoorAirNode);
  }
  out.blankLine();
  const JoinedLines<U> nodeLists(kZoneNodeLists, out.eol());
  for (const U& u : indoor) out.lines(u, nodeLists);
  out.lines(kConnectionsBanner);
  const JoinedLines<U> connections = joinedRows<U>(kConnections, layout.objects, out.eol());
  for (const U& u : indoor) out.lines(u, connections);
  out.lines(kEquipmentListBanner);
  const JoinedLines<U> equipment = joinedRows<U>(kEquipmentList, layout.equipmentList, out.eol());
  for (const U& u : indoor) out.lines(u, equipment);
  out.lines(kTerminalListBanner);
  for (std::size_t i = 0; i < outdoor.size(); ++i)
    writeTerminalList(out, outdoor[i], members.membersOf(i));
}

}  // namespace vak
