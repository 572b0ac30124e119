#include "cli/astro_entry_options.h"

#include <CLI/CLI.hpp>

#include "astro/match/key_filters.h"
#include "common/shown_text.h"

namespace zentara::cli {

const std::array<AstroColumnInfo, AstroColumnCount> AstroColumns = {{
    {AstroColumn::Name, "name", "NAME", "name, letters and spaces"},
    {AstroColumn::Date, "date", "YYYY-MM-DD", "birth date, 1901-01-01 to 2050-12-31 (required)"},
    {AstroColumn::Time, "time", "HH:MM", "local clock time of birth, 24-hour clock (required)"},
    {AstroColumn::Zone, "zone", "ROW", "time zone: a row of 'zentara-cli zones', 0 to 70 (required)"},
    {AstroColumn::Dst, "dst", "", "daylight saving time was in force"},
    {AstroColumn::Lat, "lat", "DD{N|S}MM", "latitude: degrees, N or S, minutes, such as 28N36"},
    {AstroColumn::Lon, "lon", "DDD{E|W}MM", "longitude: degrees, E or W, minutes, such as 77E13"},
    {AstroColumn::City, "city", "CITY", "city, letters and spaces"},
    {AstroColumn::State, "state", "STATE", "state, letters and spaces"},
    {AstroColumn::Country, "country", "COUNTRY", "country, letters and spaces"},
}};

namespace {

const AstroColumnInfo& Info(AstroColumn column) { return AstroColumns[static_cast<std::size_t>(column)]; }

std::string_view PartnerWord(Partner partner) { return partner == Partner::Male ? "male" : "female"; }

Problem SetLetters(std::string_view text, std::string& box) {
  if (!TextAccepted(KeyFilter::Letters, text)) return std::string(RefusalMessage(KeyFilter::Letters));
  box.assign(text);
  return std::nullopt;
}

}  // namespace

std::string ColumnName(Partner partner, AstroColumn column) {
  return std::string(PartnerWord(partner)) + "-" + std::string(Info(column).name);
}

namespace {

// A coordinate as `read` takes it, into its degree and minute boxes and its
// direction (`first` or `second`).
template <class Read, class Direction>
Problem PutCoordinate(Read read, std::string_view text, std::string& degrees, std::string& minutes,
                      Direction& direction, Direction first, Direction second) {
  CoordinateBoxes boxes;
  if (auto problem = read(text, boxes, true)) return problem;
  degrees.assign(boxes.degrees);
  minutes.assign(boxes.minutes);
  direction = boxes.secondDirection ? second : first;
  return std::nullopt;
}

}  // namespace

Problem SetAstroEntry(AstroColumn column, std::string_view text, AstroPartnerEntries& entries) {
  switch (column) {
    case AstroColumn::Name: return SetLetters(text, entries.Name);
    case AstroColumn::City: return SetLetters(text, entries.City);
    case AstroColumn::State: return SetLetters(text, entries.State);
    case AstroColumn::Country: return SetLetters(text, entries.Country);
    case AstroColumn::Date: {
      BirthDate date;
      if (auto problem = ReadBirthDate(text, date)) return problem;
      entries.YearPosition = date.year - AstroFirstYear;
      entries.MonthPosition = date.month - 1;
      entries.DayPosition = date.day - 1;
      return std::nullopt;
    }
    case AstroColumn::Time: {
      ClockTime time;
      if (auto problem = ReadClockTime(text, time)) return problem;
      entries.HourPosition = time.hour;
      entries.MinutePosition = time.minute;
      return std::nullopt;
    }
    case AstroColumn::Zone: return ReadZoneRow(text, entries.ZoneRow);
    case AstroColumn::Dst:
      if (text != "1" && text != "0") return "must be 1 or 0, not '" + ShownText(text) + "'";
      entries.DaylightSaving = text == "1";
      return std::nullopt;
    case AstroColumn::Lat:
      return PutCoordinate(ReadLatitude, text, entries.LatitudeDegrees, entries.LatitudeMinutes,
                           entries.LatitudeDirection, NorthSouth::North, NorthSouth::South);
    case AstroColumn::Lon:
      return PutCoordinate(ReadLongitude, text, entries.LongitudeDegrees, entries.LongitudeMinutes,
                           entries.LongitudeDirection, EastWest::East, EastWest::West);
  }
  return "is no entry of the form";  // every column is handled above
}

AstroColumn ColumnOfCheck(const AstroCheckFailure& failure) {
  if (failure.Select) return *failure.Select == DirectionDefault::North ? AstroColumn::Lat : AstroColumn::Lon;
  if (!failure.Focus) return AstroColumn::Date;  // only the date checks move no focus
  switch (*failure.Focus) {
    case AstroField::Name: return AstroColumn::Name;
    case AstroField::LatitudeDegrees:
    case AstroField::LatitudeMinutes: return AstroColumn::Lat;
    case AstroField::LongitudeDegrees:
    case AstroField::LongitudeMinutes: return AstroColumn::Lon;
    case AstroField::City: return AstroColumn::City;
    case AstroField::State: return AstroColumn::State;
    case AstroField::Country: return AstroColumn::Country;
  }
  return AstroColumn::Name;
}

void AddPartnerOptions(CLI::App& command, Partner partner, PartnerOptions& options) {
  for (const AstroColumnInfo& info : AstroColumns) {
    const std::string option = "--" + ColumnName(partner, info.column);
    const std::string help = std::string(PartnerWord(partner)) + " " + std::string(info.help);
    const auto index = static_cast<std::size_t>(info.column);
    if (info.column == AstroColumn::Dst) {
      options.options[index] = command.add_flag(option, options.daylightSaving, help);
      continue;
    }
    const AstroColumn column = info.column;
    options.options[index] = command.add_option(option, options.texts[index], help)
        ->type_name(std::string(info.type))
        ->check(CheckedBy([column](std::string_view text) {
          AstroPartnerEntries scratch;
          return SetAstroEntry(column, text, scratch);
        }));
  }
}

std::optional<std::string> MissingPickOption(const PartnerOptions& options, Partner partner) {
  for (const AstroColumn column : {AstroColumn::Date, AstroColumn::Time, AstroColumn::Zone}) {
    const CLI::Option* option = options.options[static_cast<std::size_t>(column)];
    if (option == nullptr || option->count() == 0) return "--" + ColumnName(partner, column) + " is required";
  }
  return std::nullopt;
}

AstroPartnerEntries ToPartnerEntries(const PartnerOptions& options) {
  AstroPartnerEntries entries;
  for (const AstroColumnInfo& info : AstroColumns) {
    if (info.column == AstroColumn::Dst) continue;
    SetAstroEntry(info.column, options.texts[static_cast<std::size_t>(info.column)], entries);
  }
  entries.DaylightSaving = options.daylightSaving;
  return entries;
}

}  // namespace zentara::cli
