// People added, changed, removed and found; the columns' checks; CSV files in
// and out; a person put into the entry forms and taken back.
#include <fcntl.h>
#include <unistd.h>

#include "astro/match/birth_from_entries.h"
#include "book/book.h"
#include "book/people_csv.h"
#include "book/people_search.h"
#include "book/person_entries.h"
#include "book_test_support.h"

namespace {

using namespace zentara::book;
using namespace book_testing;

class People : public BookFolder {
 protected:
  void SetUp() override {
    BookFolder::SetUp();
    std::string error;
    book_ = Book::Open(Path(), error);
    ASSERT_TRUE(book_) << error;
  }
  // The display names the search finds, in list order.
  std::string Found(const char* query) {
    const PeopleSearch search(book_->AllSearchTexts());
    std::string names;
    for (const std::uint32_t at : search.Filter(query)) {
      names += (names.empty() ? "" : "; ") + book_->Summary(search.IdAt(at))->name;
    }
    return names;
  }
  // Imports `csv` through a pipe, as zentara-cli people import - reads it.
  ImportReport Import(const std::string& csv) {
    int ends[2];
    EXPECT_EQ(pipe(ends), 0);
    EXPECT_EQ(write(ends[1], csv.data(), csv.size()), static_cast<ssize_t>(csv.size()));
    close(ends[1]);
    ImportReport report = ImportPeople(*book_, ends[0]);
    close(ends[0]);
    return report;
  }
  std::unique_ptr<Book> book_;
};

TEST_F(People, AddEditRemoveAndSearch) {
  const std::int64_t ann = book_->Add(PersonOf({"", "1980-05-17", "06:05", "27", "1", "40N42", "74W00", "New York",
                                                "New York", "USA", "Ann", "Mary", "Lee", "female", "America/New_York",
                                                "met at the café"}));
  const std::int64_t jose = book_->Add(PersonOf({"José Álvarez", "1975-08-15", "14:30", "34", "0", "28N36", "77E13",
                                                 "São Paulo", "SP", "Brazil"}));
  const std::int64_t bo = book_->Add(PersonOf({"", "1900-02-29", "", "", "", "", "", "", "", "", "Bo", "", "Lee"}));
  struct Step {
    const char* what;
    std::function<void()> change;
    const char* query;
    const char* found;
  };
  const Step steps[] = {
      {"everyone in name order", [] {}, "", "Ann Lee; Bo Lee; José Álvarez"},
      {"a last name", [] {}, "lee", "Ann Lee; Bo Lee"},
      {"a middle name, any case", [] {}, "MARY", "Ann Lee"},
      {"a place without its accent", [] {}, "sao paulo", "José Álvarez"},
      {"a word of the note", [] {}, "cafe", "Ann Lee"},
      {"two words, both needed", [] {}, "lee york", "Ann Lee"},
      {"nobody", [] {}, "zed", ""},
      {"an edit changes what is found",
       [&] {
         Person changed = *book_->Get(bo);
         changed.city = "Oslo";
         ASSERT_EQ(book_->Update(changed), Book::SaveOutcome::Saved);
       },
       "oslo", "Bo Lee"},
      {"a removed person is gone", [&] { ASSERT_TRUE(book_->Remove(ann)); }, "lee", "Bo Lee"},
      {"removing again finds nobody", [&] { EXPECT_FALSE(book_->Remove(ann)); }, "", "Bo Lee; José Álvarez"},
  };
  for (const Step& step : steps) {
    step.change();
    EXPECT_EQ(Found(step.query), step.found) << step.what << ", query '" << step.query << "'";
  }
  const auto kept = book_->Get(jose);
  ASSERT_TRUE(kept);
  EXPECT_EQ(kept->name, "José Álvarez");
  EXPECT_EQ(kept->latitude, "28N36");
  EXPECT_EQ(kept->zone, 34);
  EXPECT_FALSE(kept->created.empty());
  EXPECT_TRUE(book_->ChartOf(jose)) << "a person the astro match takes has a kept chart";
  EXPECT_FALSE(book_->ChartOf(bo)) << "a person without a birth time has none";
  EXPECT_EQ(book_->FindByName("JOSÉ ÁLVAREZ"), std::vector<std::int64_t>{jose});
  EXPECT_EQ(book_->FindByName("bo lee"), std::vector<std::int64_t>{bo});
}

TEST_F(People, NamesReadOneByOneOrInOnePass) {
  const std::int64_t ann = book_->Add(PersonOf({"", "1980-05-17", "", "", "", "", "", "", "", "", "Ann", "", "Lee"}));
  const std::int64_t jose = book_->Add(PersonOf({"José Álvarez", "1975-08-15"}));
  const std::int64_t gone = book_->Add(PersonOf({"Gone Soon", "1975-08-15"}));
  const std::int64_t cy = book_->Add(PersonOf({"Cy", "1990-01-01"}));
  ASSERT_TRUE(book_->Remove(gone));
  const std::vector<std::pair<std::int64_t, std::string>> known = {
      {cy, "Cy"}, {ann, "Ann Lee"}, {999, ""}, {jose, "José Álvarez"}, {gone, ""}};
  for (const std::size_t count : {known.size(), NamesLookedUpOneByOne + 1}) {
    std::vector<std::int64_t> ids;
    for (std::size_t at = 0; at < count; ++at) ids.push_back(known[at * 3 % known.size()].first);
    const std::vector<std::string> names = book_->DisplayNames(ids);
    ASSERT_EQ(names.size(), count);
    for (std::size_t at = 0; at < count; ++at) {
      ASSERT_EQ(names[at], known[at * 3 % known.size()].second) << count << " names asked for; id " << ids[at];
    }
  }
}

TEST_F(People, ColumnsTakeWhatTheFormsCanHold) {
  struct Case {
    Column column;
    const char* text;
    const char* kept;  // nullptr: refused
  };
  const Case cases[] = {
      {Column::Date, "1900-02-29", "1900-02-29"},  // the forms count 1900 as a leap year
      {Column::Date, "1901-02-29", nullptr},
      {Column::Date, "1975-04-31", nullptr},
      {Column::Date, "1899-12-31", nullptr},
      {Column::Date, "2051-01-01", nullptr},
      {Column::Date, "1975-8-15", nullptr},
      {Column::Time, "6:05", "06:05"},
      {Column::Time, "", ""},
      {Column::Time, "24:00", nullptr},
      {Column::Time, "12:5", nullptr},
      {Column::Zone, "70", "70"},
      {Column::Zone, "71", nullptr},
      {Column::Lat, "41N52", "41N52"},
      {Column::Lat, "041S052", "041S052"},
      {Column::Lat, "41E52", nullptr},
      {Column::Lat, "4100N52", nullptr},
      {Column::Lat, "90N00", "90N00"},
      {Column::Lat, "90S01", nullptr},  // off the globe: beyond a pole
      {Column::Lat, "91N00", nullptr},
      {Column::Lat, "41N60", nullptr},
      {Column::Lat, "999N999", nullptr},
      {Column::Lon, "87W38", "87W38"},
      {Column::Lon, "87W", nullptr},
      {Column::Lon, "180E00", "180E00"},
      {Column::Lon, "180W01", nullptr},
      {Column::Lon, "181E00", nullptr},
      {Column::Dst, "2", nullptr},
      {Column::Frame, "female", "female"},
      {Column::Frame, "Female", nullptr},
      {Column::Note, "any text, \"quoted\"\nover lines", "any text, \"quoted\"\nover lines"},
      // Only the note holds line breaks, as only it may in a CSV file.
      {Column::Name, "Ann\nLee", nullptr},
      {Column::Last, "Lee\r", nullptr},
      {Column::City, "New\r\nYork", nullptr},
      {Column::Timezone, "\nAmerica/Chicago", nullptr},
  };
  // A refusal repeats a text of any length cut short.
  Person scratch;
  const Problem longDate = SetColumn(scratch, Column::Date, std::string(100000, '1'));
  EXPECT_EQ(longDate.value_or(""), "must be a date YYYY-MM-DD from 1900-01-01 to 2050-12-31, not '" +
                                       std::string(80, '1') + "...'");
  for (const Case& c : cases) {
    Person person;
    const Problem problem = SetColumn(person, c.column, c.text);
    if (c.kept == nullptr) {
      EXPECT_TRUE(problem) << ColumnName(c.column) << " '" << c.text << "' was taken";
    } else {
      EXPECT_FALSE(problem) << ColumnName(c.column) << " '" << c.text << "': " << problem.value_or("");
      EXPECT_EQ(ColumnText(person, c.column), c.kept) << ColumnName(c.column) << " '" << c.text << "'";
    }
  }
}

TEST_F(People, ImportKeepsTheGoodRowsAndReportsTheBadOnes) {
  const ImportReport report = Import(
      "first,last,date,time,zone,dst,lat,lon,city,state,country,note\n"
      "Ann,Lee,1980-05-17,06:05,27,1,40N42,74W00,New York,NY,USA,\"likes tea,\nnot \"\"coffee\"\"\"\n"
      "Bo,Lee,1975-04-31,,,,,,,,,\n"
      "Cy,Oh,1975-08-15,25:00,,,,,,,,\n"
      ",,1975-08-15,,,,,,,,,\n"
      "Di,Ma,1960-01-01,,,,41N52,,,,,\n"
      "Ed,Po,1960-01-01\n"
      "Flo,Ru,1901-02-28,,,,,,,,,\n");
  EXPECT_FALSE(report.headerProblem);
  EXPECT_EQ(report.added, 2u);
  const std::vector<std::string> expected = {
      "row 3 (line 4): date: is no day of the calendar: April 1975 has 30 days, not '1975-04-31'",
      "row 4 (line 5): time: must be HH:MM on the 24-hour clock, such as 14:30, or empty when unknown, not '25:00'",
      "row 5 (line 6): first: a person needs a first and a last name, or the name on the astro form",
      "row 6 (line 7): lon: a place needs both its latitude and its longitude",
      "row 7 (line 8): has 3 fields where the header row has 12",
  };
  EXPECT_EQ(report.refusedRows, expected);
  EXPECT_EQ(Found(""), "Ann Lee; Flo Ru");
  EXPECT_EQ(book_->All().front().note, "likes tea,\nnot \"coffee\"");

  // What is exported imports again to the same people.
  const std::string exported = PeopleCsv(book_->All());
  EXPECT_EQ(exported.substr(0, exported.find('\n')),
            "name,date,time,zone,dst,lat,lon,city,state,country,first,middle,last,frame,timezone,note");
  for (const auto& person : book_->All()) book_->Remove(person.id);
  EXPECT_EQ(Import(exported).added, 2u);
  EXPECT_EQ(PeopleCsv(book_->All()), exported);
}

// Only a note may hold line breaks: a quote in another column not closed on
// its line leaves out that line alone, and the rows after it are read and
// named by their lines; a note never closed takes the lines to the end.
TEST_F(People, AQuoteNotClosedOnItsLineLeavesOutThatLineAlone) {
  const ImportReport report = Import(
      "first,last,date,note\n"
      "\"Bo,Lee,1975-04-30,\n"
      "Cy,Oh,1975-04-30,\"kept\"\n"
      "\n"
      "Di,\"Ma,1960-01-01,\r\n"
      "Ed,Po,1961-01-01,\"runs on\n"
      "Fe,Gu,1962-01-01,\n");
  const std::vector<std::string> expected = {
      "row 2 (line 2): first: an opening quote is never closed",
      "row 4 (line 5): last: an opening quote is never closed",
      "row 5 (lines 6–7): note: an opening quote is never closed",
  };
  EXPECT_EQ(report.refusedRows, expected);
  EXPECT_EQ(report.added, 1u);
  EXPECT_EQ(Found(""), "Cy Oh");
}

TEST_F(People, AFileThatIsNoPeopleFileAddsNoOne) {
  const struct {
    const char* csv;
    const char* problem;
  } cases[] = {
      {"", "the input is empty; its first row must name the columns"},
      {"first,last,birthday\nAnn,Lee,1980-05-17\n", "the header row names an unknown column 'birthday'"},
      {"first,first,date\nAnn,Lee,1980-05-17\n", "the header row names the column first twice"},
      {"first,last\nAnn,Lee\n", "the header row lacks the column date"},
  };
  for (const auto& c : cases) {
    const ImportReport report = Import(c.csv);
    EXPECT_EQ(report.headerProblem.value_or("").substr(0, std::string_view(c.problem).size()), c.problem) << c.csv;
    EXPECT_EQ(report.added, 0u) << c.csv;
  }
  // A file that cannot be read to its end: a folder.
  const int folder = open(folder_.c_str(), O_RDONLY);
  EXPECT_TRUE(ImportPeople(*book_, folder).unreadable);
  close(folder);
  EXPECT_EQ(book_->Count(), 0);
}

TEST_F(People, APersonPutIntoTheAstroFormAndTakenBack) {
  const Person ann = PersonOf({"Ann-Marie Lee", "1980-05-17", "06:05", "27", "1", "40N42", "74W00", "Saint-Étienne",
                               "Loire", "France"});
  const zentara::AstroPartnerEntries side = AstroSide(ann);
  EXPECT_EQ(side.Name, "Ann Marie Lee");
  EXPECT_EQ(side.City, "Saint Etienne");
  const auto birth = zentara::BirthMomentFromEntries(side, zentara::LoadTimeZoneTable());
  ASSERT_TRUE(birth);
  EXPECT_EQ(std::tuple(birth->Year, birth->Month, birth->Day, birth->Hour, birth->Minute, birth->ZoneHours),
            std::tuple(1980, 5, 17, 6, 5, 5));
  EXPECT_EQ(std::tuple(birth->LatitudeDegrees, birth->LongitudeDegrees, birth->EastOfGreenwich, birth->DaylightSaving),
            std::tuple(40, 74, false, true));
  Person back;
  back.first = "kept";
  ASSERT_FALSE(TakeAstroSide(side, back));
  EXPECT_EQ(std::tuple(back.date, back.time, back.latitude, back.longitude, back.zone.value_or(-1), back.first),
            std::tuple("1980-05-17", "06:05", "40N42", "74W00", 27, "kept"));

  Person noTime = ann;
  noTime.time.clear();
  EXPECT_EQ(WhyNoAstroMatch(noTime).value_or(""), "Ann-Marie Lee has no birth time: the astro match needs one");
  Person early = ann;
  early.date = "1900-06-01";
  EXPECT_EQ(WhyNoAstroMatch(early).value_or(""),
            "Ann-Marie Lee was born in 1900: the astro match takes births from 1901 to 2050");

  zentara::NumerologyEntries entries;
  const Person bo = PersonOf({"", "1900-02-29", "", "", "", "", "", "", "", "", "Bo", "", "Lee"});
  PutNumerologySide(bo, zentara::Partner::Female, entries);
  EXPECT_EQ(std::tuple(entries.femaleFirst, entries.femaleLast, entries.femaleMonth, entries.femaleDay,
                       entries.femaleYear, entries.maleFirst),
            std::tuple("Bo", "Lee", "February", "29", "1900", ""));
  Person taken;
  ASSERT_FALSE(TakeNumerologySide(entries, zentara::Partner::Female, taken));
  EXPECT_EQ(std::tuple(taken.first, taken.last, taken.date), std::tuple("Bo", "Lee", "1900-02-29"));
}

}  // namespace
