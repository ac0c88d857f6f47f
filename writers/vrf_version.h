#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <type_traits>

#include "writers/idf_lines.h"

namespace vak {

// The object layouts that the VRF writer produces: EnergyPlus 7.1, 8.0, and the one layout
// that 9.2 through 26.1 share for every class written. The releases from 8.1 to 9.1 read the
// 8.0 layout but for the equipment list (EquipmentListForm).
enum class VrfVersion { V7_1, V8_0, Current };

// The forms of ZoneHVAC:EquipmentList, the one class that changed between 8.0 and 9.2 in a way
// that matters to what is written.
enum class EquipmentListForm {
  Plain,              // four fields per equipment (7.1 to 8.8)
  Scheme,             // a load distribution scheme after the name (8.9, 9.0)
  Fractions,          // six fields per equipment, the last two sequential fractions (9.1)
  FractionSchedules,  // ... which are schedule names from 9.2 on
};

// What one release reads: a value for each column in which layouts differ.
struct VrfLayout {
  VrfVersion objects;
  EquipmentListForm equipmentList;
  friend bool operator==(const VrfLayout&, const VrfLayout&) = default;
};

// An EnergyPlus release, major.minor, as a Version value names it. EnergyPlus compares only
// these two parts: a patch or build part after them ("8.1.0.009") changes nothing.
struct Release {
  unsigned major = 0;
  unsigned minor = 0;
  friend auto operator<=>(const Release&, const Release&) = default;
};

// The release that a Version value names: digits, ".", digits, then any ".digits" parts, with
// blanks or tabs at either end. Nothing else is read as a release.
std::optional<Release> releaseOf(std::string_view value);

// The releases whose layout is written, in order, and what each reads.
struct SupportedRelease {
  Release release;
  VrfLayout layout;
};

inline constexpr VrfLayout k71Layout = {VrfVersion::V7_1, EquipmentListForm::Plain};
inline constexpr VrfLayout k80Layout = {VrfVersion::V8_0, EquipmentListForm::Plain};
inline constexpr VrfLayout k89Layout = {VrfVersion::V8_0, EquipmentListForm::Scheme};
inline constexpr VrfLayout k91Layout = {VrfVersion::V8_0, EquipmentListForm::Fractions};
inline constexpr VrfLayout kCurrentLayout = {VrfVersion::Current,
                                             EquipmentListForm::FractionSchedules};

inline constexpr SupportedRelease kSupportedReleases[] = {
    {{7, 1}, k71Layout},       {{8, 0}, k80Layout},       {{8, 1}, k80Layout},
    {{8, 2}, k80Layout},       {{8, 3}, k80Layout},       {{8, 4}, k80Layout},
    {{8, 5}, k80Layout},       {{8, 6}, k80Layout},       {{8, 7}, k80Layout},
    {{8, 8}, k80Layout},       {{8, 9}, k89Layout},       {{9, 0}, k89Layout},
    {{9, 1}, k91Layout},       {{9, 2}, kCurrentLayout},  {{9, 3}, kCurrentLayout},
    {{9, 4}, kCurrentLayout},  {{9, 5}, kCurrentLayout},  {{9, 6}, kCurrentLayout},
    {{22, 1}, kCurrentLayout}, {{22, 2}, kCurrentLayout}, {{23, 1}, kCurrentLayout},
    {{23, 2}, kCurrentLayout}, {{24, 1}, kCurrentLayout}, {{24, 2}, kCurrentLayout},
    {{25, 1}, kCurrentLayout}, {{25, 2}, kCurrentLayout}, {{26, 1}, kCurrentLayout},
};

// The layout that a release reads, if the program writes it.
std::optional<VrfLayout> layoutOf(Release release);

// The layout that a Version value selects; none for a value that names no supported release.
inline std::optional<VrfLayout> layoutFor(std::string_view version) {
  const std::optional<Release> release = releaseOf(version);
  return release ? layoutOf(*release) : std::nullopt;
}

// The supported releases for people: "7.1, 8.0 to 8.9, 9.0 to 9.6, 22.1, ... and 26.1".
std::string supportedReleases();

// A set of values of one column: the columns of a line table in which a row is written.
template <class Column>
class Columns {
 public:
  constexpr Columns(Column c) : bits_(bit(c)) {}  // implicit: one value is a set of one
  constexpr Columns operator|(Columns other) const { return Columns(bits_ | other.bits_); }
  constexpr bool has(Column c) const { return (bits_ & bit(c)) != 0; }
  static constexpr Columns every() { return Columns(~0u); }

 private:
  constexpr explicit Columns(unsigned bits) : bits_(bits) {}
  static constexpr unsigned bit(Column c) { return 1u << static_cast<unsigned>(c); }
  unsigned bits_;
};

using Layouts = Columns<VrfVersion>;
inline constexpr Layouts k71 = VrfVersion::V7_1;
inline constexpr Layouts k80 = VrfVersion::V8_0;
inline constexpr Layouts kCurrent = VrfVersion::Current;

// A row of a table that holds every value of its column: the line, and the values that write
// it. Where they differ, neighbouring rows hold each one's own line.
template <class R, class Column = VrfVersion>
struct VersionedLine {
  Line<R> line;
  Columns<Column> in = Columns<Column>::every();
};

// Adds the rows of the table that `value` of its column has.
template <class R, class Column = VrfVersion>
void addRows(JoinedLines<R>& joined,
             std::type_identity_t<std::span<const VersionedLine<R, Column>>> table, Column value) {
  for (const VersionedLine<R, Column>& v : table) {
    if (v.in.has(value)) joined.add(v.line);
  }
}

// The rows of the table that `value` of its column has, joined for the line terminator `eol`.
template <class R, class Column = VrfVersion>
JoinedLines<R> joinedRows(std::type_identity_t<std::span<const VersionedLine<R, Column>>> table,
                          Column value, std::string_view eol) {
  JoinedLines<R> joined(eol);
  addRows<R, Column>(joined, table, value);
  return joined;
}

}  // namespace vak
