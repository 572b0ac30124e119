// The book of people on the desktop: Choose Person and Save Person on both
// entry forms fill and read only that partner's controls; the People window's
// search, Add, Delete, keys, Import and Export; two people's matches and a
// person's best matches opened from it, and both windows while a reading
// blocks them.
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTableView>

#include "astro/match/MDIForm1.h"
#include "astro/match/frmMatch.h"
#include "astro/match/frmReport.h"
#include "book/book.h"
#include "gui_test_support.h"
#include "numerology/frmMain.h"
#include "people/desktop_book.h"
#include "people/frmBestMatches.h"
#include "people/frmPeople.h"
#include "people/frmPerson.h"
#include "shell/navigation.h"
#include "reports/couple_report.h"
#include "reports/frmSaveDocument.h"
#include "file_checks.h"

using namespace testing_support;
using zentara::book::Book;
using zentara::book::Person;

class PeopleTest : public QObject {
  Q_OBJECT
  std::unique_ptr<platform::FakePlatform> holder_;
  platform::FakePlatform* fake_ = nullptr;
  QTemporaryDir folder_;
  std::unique_ptr<Book> book_;  // the test's own connection, beside the desktop's
  std::int64_t john_ = 0, mary_ = 0, ann_ = 0;

  static Person Make(std::initializer_list<const char*> texts) {
    Person person;
    auto text = texts.begin();
    for (const auto& info : zentara::book::Columns) {
      if (text == texts.end()) break;
      zentara::book::SetColumn(person, info.column, *text++);
    }
    return person;
  }
  // Every control of a form as "name=value".
  static QStringList State(const QWidget* form) {
    QStringList state;
    for (auto* box : form->findChildren<QLineEdit*>()) state << box->objectName() + "=" + box->text();
    for (auto* list : form->findChildren<QComboBox*>()) state << list->objectName() + "=" + list->currentText();
    for (auto* box : form->findChildren<QCheckBox*>()) state << box->objectName() + "=" + QString::number(box->isChecked());
    for (auto* option : form->findChildren<QRadioButton*>()) {
      if (option->isChecked()) state << option->objectName() + "=" + option->text();
    }
    state.removeIf([](const QString& entry) { return entry.startsWith('='); });  // a combo box's own line
    state.sort();
    return state;
  }
  // `before` with the controls whose names start with `prefix` dropped.
  static QStringList Without(const QStringList& state, const QStringList& prefixes) {
    QStringList kept;
    for (const QString& entry : state) {
      if (std::none_of(prefixes.begin(), prefixes.end(), [&](const QString& p) { return entry.startsWith(p); })) kept << entry;
    }
    return kept;
  }
  // The chooser a Choose Person button opened, `query` typed and Enter pressed.
  void ChooseIn(const char* query) {
    auto* chooser = qobject_cast<people::frmPeople*>(fake_->modalShown.value(0).data());
    QVERIFY(chooser);
    auto* search = Child<QLineEdit>(chooser, "txtSearch");
    QTest::keyClicks(search, query);
    QTest::keyClick(search, Qt::Key_Return);
    ProcessDeletions();
  }

 private slots:
  void initTestCase() {
    qputenv("ZENTARA_BOOK", (folder_.path() + "/people.sqlite").toUtf8());
    qputenv("XDG_STATE_HOME", (folder_.path() + "/state").toUtf8());  // marks of damaged books
  }

  void init() {
    fake_ = &FreshPlatform(holder_);
    book_.reset();
    people::CloseBook();
    for (const char* suffix : {"", "-wal", "-shm"}) QFile::remove(folder_.path() + "/people.sqlite" + suffix);
    std::string error;
    book_ = Book::Open((folder_.path() + "/people.sqlite").toStdString(), error);
    QVERIFY2(book_, error.c_str());
    john_ = book_->Add(Make({"John", "1975-08-15", "14:30", "34", "0", "28N36", "77E13", "New Delhi", "Delhi", "India",
                             "John", "Paul", "Smith", "male"}));
    mary_ = book_->Add(Make({"Mary", "1978-02-10", "06:05", "27", "1", "40N42", "74W00", "São Paulo", "SP", "Brazil",
                             "Mary", "", "Jones", "female", "America/Sao_Paulo"}));
    ann_ = book_->Add(Make({"", "1900-02-29", "", "", "", "", "", "", "", "", "Ann", "", "Lee"}));
  }

  void numerologyFormChoosesAndSavesOnePartner() {
    auto* form = new numerology::frmMain();
    Child<QLineEdit>(form, "txtFF")->setText("Eve");
    const QStringList before = State(form);
    QTest::mouseClick(Child<QPushButton>(form, "cmdMChoose"), Qt::LeftButton);
    ChooseIn("smith");
    const QStringList after = State(form);
    QCOMPARE(Without(after, {"txtM", "cboMM=", "cboMD=", "cboMY="}), Without(before, {"txtM", "cboMM=", "cboMD=", "cboMY="}));
    QVERIFY(after.contains("txtMF=John") && after.contains("txtMM=Paul") && after.contains("txtML=Smith"));
    QVERIFY(after.contains("cboMM=August") && after.contains("cboMD=15") && after.contains("cboMY=1975"));

    // Saving the male partner changes John; saving the female adds her, as Female.
    Child<QLineEdit>(form, "txtMM")->setText("Peter");
    QTest::mouseClick(Child<QPushButton>(form, "cmdMSavePerson"), Qt::LeftButton);
    QCOMPARE(book_->Get(john_)->middle, std::string("Peter"));
    QCOMPARE(book_->Get(john_)->city, std::string("New Delhi"));  // the astro columns are kept
    Child<QLineEdit>(form, "txtFL")->setText("Adams");
    QTest::mouseClick(Child<QPushButton>(form, "cmdFSavePerson"), Qt::LeftButton);
    const auto eve = book_->FindByName("eve adams");
    QCOMPARE(eve.size(), std::size_t{1});
    QCOMPARE(book_->Get(eve.front())->frame, zentara::book::Frame::Female);
    QCOMPARE(book_->Get(eve.front())->date, std::string("1900-01-01"));
    QCOMPARE(fake_->messages.last().text, QStringLiteral("Eve Adams was added to the book of people."));
  }

  void astroFormChoosesAndSavesOnePartner() {
    auto* form = new astro::frmMatch();
    Child<QLineEdit>(form, "txtMName")->setText("Kept");
    const QStringList before = State(form);
    QTest::mouseClick(Child<QPushButton>(form, "cmdFChoose"), Qt::LeftButton);
    ChooseIn("mary");
    const QStringList after = State(form);
    const QStringList female = {"txtF", "cboF", "cmbF", "chkF", "optF"};
    QCOMPARE(Without(after, female), Without(before, female));
    for (const char* entry : {"txtFName=Mary", "cboFDate=10", "cboFMonth=February", "cboFYear=1978", "cboFHH=6",
                              "cboFMM=5", "chkFDST=1", "txtFLD=40", "txtFLM=42", "txtFLoD=74", "txtFLoM=00",
                              "optFLat=West", "optFLong=North", "txtFCity=Sao Paulo", "txtFState=SP",
                              "txtFCountry=Brazil"}) {
      QVERIFY2(after.contains(entry), entry);
    }
    QCOMPARE(Child<QComboBox>(form, "cmbFTimeZone")->currentIndex(), 27);

    // Saved back, Mary keeps her name as typed and her place's IANA zone.
    Child<QComboBox>(form, "cboFHH")->setCurrentIndex(7);
    QTest::mouseClick(Child<QPushButton>(form, "cmdFSavePerson"), Qt::LeftButton);
    const Person mary = *book_->Get(mary_);
    QCOMPARE(mary.time, std::string("07:05"));
    QCOMPARE(mary.city, std::string("Sao Paulo"));
    QCOMPARE(mary.timezone, std::string("America/Sao_Paulo"));

    // A person without a birth time is refused, and nothing changes.
    const QStringList beforeAnn = State(form);
    QVERIFY(!form->UsePerson(zentara::Partner::Male, *book_->Get(ann_)));
    QCOMPARE(fake_->messages.last().text, QStringLiteral("Ann Lee was born in 1900: the astro match takes births from 1901 to 2050"));
    QCOMPARE(State(form), beforeAnn);
  }

  void peopleWindowSearchesAddsAndDeletes() {
    auto* window = new people::frmPeople(people::PeopleMode::Manage);
    auto* list = Child<QTableView>(window, "lstPeople");
    auto* search = Child<QLineEdit>(window, "txtSearch");
    QCOMPARE(list->model()->rowCount(), 3);
    QTest::keyClicks(search, "sao");  // the accent does not matter
    QCOMPARE(list->model()->rowCount(), 1);
    QCOMPARE(list->model()->index(0, 0).data().toString(), QStringLiteral("Mary"));
    search->clear();

    QTest::mouseClick(Child<QPushButton>(window, "cmdAdd"), Qt::LeftButton);
    auto* person = qobject_cast<people::frmPerson*>(fake_->modalShown.last().data());
    QVERIFY(person);
    Child<QLineEdit>(person, "txtFirst")->setText("Zoë");
    Child<QLineEdit>(person, "txtLast")->setText("Quinn");
    Child<QLineEdit>(person, "txtDate")->setText("1975-04-31");
    QTest::mouseClick(Child<QPushButton>(person, "cmdSave"), Qt::LeftButton);
    QVERIFY(fake_->messages.last().text.startsWith("Date of Birth: is no day of the calendar"));
    Child<QLineEdit>(person, "txtDate")->setText("1975-04-30");
    QTest::mouseClick(Child<QPushButton>(person, "cmdSave"), Qt::LeftButton);
    QCOMPARE(list->model()->rowCount(), 4);
    QCOMPARE(book_->FindByName("ZOË QUINN").size(), std::size_t{1});

    // Delete asks first: No keeps, Yes deletes. Down moves from the search box.
    QTest::keyClicks(search, "lee");
    QCOMPARE(list->model()->rowCount(), 1);
    fake_->answers = {platform::Answer::No, platform::Answer::Yes};
    QTest::keyClick(list, Qt::Key_Delete);
    QCOMPARE(fake_->messages.last().text, QStringLiteral("Delete Ann Lee from the book of people?"));
    QCOMPARE(book_->Count(), 4);
    QTest::keyClick(list, Qt::Key_Delete);
    QCOMPARE(book_->Count(), 3);
    QCOMPARE(list->model()->rowCount(), 0);
  }

  void twoPeopleGiveBothMatchesAndBestMatches() {
    auto* window = new people::frmPeople(people::PeopleMode::Manage);
    auto* list = Child<QTableView>(window, "lstPeople");
    // Mary first, then John: each takes their own frame.
    list->selectionModel()->clearSelection();
    list->selectionModel()->select(list->model()->index(2, 0), QItemSelectionModel::Select | QItemSelectionModel::Rows);
    list->selectionModel()->select(list->model()->index(1, 0), QItemSelectionModel::Select | QItemSelectionModel::Rows);
    QCOMPARE(window->SelectedIds(), (std::vector<std::int64_t>{mary_, john_}));
    QTest::mouseClick(Child<QPushButton>(window, "cmdNumerology"), Qt::LeftButton);
    auto* numerology = OpenForm<numerology::frmMain>(*fake_);
    QVERIFY(numerology);
    QCOMPARE(numerology->Entries().maleFirst, std::string("John"));
    QCOMPARE(numerology->Entries().femaleFirst, std::string("Mary"));
    QVERIFY(qobject_cast<reports::frmSaveDocument*>(fake_->modalShown.last().data()));

    QTest::mouseClick(Child<QPushButton>(window, "cmdAstro"), Qt::LeftButton);
    ProcessDeletions();
    QVERIFY(OpenForm<astro::MDIForm1>(*fake_));
    QVERIFY(!OpenForm<astro::frmMatch>(*fake_));  // run at once: the form made way for the report

    list->selectRow(1);  // John
    QTest::mouseClick(Child<QPushButton>(window, "cmdBest"), Qt::LeftButton);
    auto* best = OpenForm<people::frmBestMatches>(*fake_);
    QVERIFY(best);
    auto* ranked = Child<QTableView>(best, "lstRanked");
    QCOMPARE(ranked->model()->rowCount(), 1);
    QStringList headings;
    for (int column = 0; column < ranked->model()->columnCount(); ++column) {
      headings << ranked->model()->headerData(column, Qt::Horizontal).toString();
    }
    QCOMPARE(headings, QStringList({"Partner", "Percentage", "P * H", "Power", "Harmony", "Comment"}));
    QCOMPARE(ranked->model()->index(0, 0).data().toString(), QStringLiteral("Mary"));
    QCOMPARE(Child<QLabel>(best, "lblHeading")->text(),
             QStringLiteral("Best matches for John (as Male), by Percentage, then P * H:"));
    QCOMPARE(Child<QTableView>(best, "lstUnranked")->model()->rowCount(), 1);
  }

  // Two people give one couple report, the numerology readings with it: every
  // part's heading in the PDF's text (pdftotext).
  void twoPeopleGiveACoupleReport() {
    auto* window = new people::frmPeople(people::PeopleMode::Manage);
    auto* list = Child<QTableView>(window, "lstPeople");
    list->selectionModel()->clearSelection();
    list->selectionModel()->select(list->model()->index(1, 0), QItemSelectionModel::Select | QItemSelectionModel::Rows);
    list->selectionModel()->select(list->model()->index(2, 0), QItemSelectionModel::Select | QItemSelectionModel::Rows);
    const QString file = folder_.filePath("couple.pdf");
    fake_->fileNames = {file};
    QTest::mouseClick(Child<QPushButton>(window, "cmdCoupleReport"), Qt::LeftButton);
    QVERIFY2(fake_->messages.isEmpty(), qPrintable(fake_->messages.value(0).text));
    const int pages = PdfPageCount(file);
    const QString text = PdfText(file, 1, pages).simplified();
    for (const std::string_view heading : zentara::CoupleReportHeadings) {
      QVERIFY2(text.contains(QString::fromUtf8(heading.data(), qsizetype(heading.size()))),
               qPrintable(QString::fromUtf8(heading.data(), qsizetype(heading.size())) + " is missing"));
    }
    for (const QString& part : {QStringLiteral("John and Mary"), QStringLiteral("LifePath Compatibility Combination"),
                                QStringLiteral("Extended Numbers"), QStringLiteral("Soul Urge: John")}) {
      QVERIFY2(text.contains(part), qPrintable(part + " is missing"));
    }
    window->unload();
  }

  // The desktop checks the whole book when it opens it; a damaged one is
  // said to be so, and the People window adds no one to it.
  void aDamagedBookIsFoundWhenOpenedAndNotWritten() {
    const QString path = folder_.path() + "/people.sqlite";
    book_.reset();
    people::CloseBook();
    {
      std::string error;
      auto last = Book::Open(path.toStdString(), error);  // the last one out folds the log into the file
    }
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadWrite));
    QVERIFY(file.size() > 8192);
    file.seek(4096);
    file.write(QByteArray(static_cast<int>(file.size()) - 4096, '\xA5'));
    file.close();
    QVERIFY(people::OpenBook(nullptr));
    people::FinishBookCheck();
    QVERIFY(fake_->messages.last().text.startsWith(QStringLiteral("The book of people cannot be written: ") + path +
                                                   QStringLiteral(" is damaged")));
    const QByteArray before = [&] { file.open(QIODevice::ReadOnly); return file.readAll(); }();
    file.close();
    auto* window = new people::frmPeople(people::PeopleMode::Manage);
    QTest::mouseClick(Child<QPushButton>(window, "cmdAdd"), Qt::LeftButton);
    auto* person = qobject_cast<people::frmPerson*>(fake_->modalShown.last().data());
    QVERIFY(person);
    Child<QLineEdit>(person, "txtName")->setText("Not Added");
    Child<QLineEdit>(person, "txtDate")->setText("1980-01-01");
    QTest::mouseClick(Child<QPushButton>(person, "cmdSave"), Qt::LeftButton);
    QVERIFY(fake_->messages.last().text.contains("is damaged"));
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), before);
  }

  // A person changed or removed by another program while their window is
  // open is never saved over: the user is told, and chooses.
  void aPersonChangedElsewhereIsNeverSavedOver() {
    auto* window = new people::frmPerson(*book_->Get(mary_));
    auto* city = Child<QLineEdit>(window, "txtCity");
    const auto noteElsewhere = [this](const char* note) {
      book_->Edit(mary_, [note](Person& person) -> std::optional<zentara::book::PersonProblem> {
        person.note = note;
        return std::nullopt;
      });
    };
    noteElsewhere("changed elsewhere");
    city->setText("Lisbon");
    fake_->choicesTaken = {2};  // Cancel
    QTest::mouseClick(Child<QPushButton>(window, "cmdSave"), Qt::LeftButton);
    QVERIFY(fake_->messages.last().text.startsWith("Mary was changed in the book of people by another"));
    QCOMPARE(book_->Get(mary_)->note, std::string("changed elsewhere"));
    QCOMPARE(book_->Get(mary_)->city, std::string("São Paulo"));

    fake_->choicesTaken = {0};  // Reload: the window shows the book's Mary, and saves over her now
    QTest::mouseClick(Child<QPushButton>(window, "cmdSave"), Qt::LeftButton);
    QCOMPARE(Child<QPlainTextEdit>(window, "txtNote")->toPlainText(), QStringLiteral("changed elsewhere"));
    QCOMPARE(city->text(), QStringLiteral("São Paulo"));
    city->setText("Lisbon");
    QTest::mouseClick(Child<QPushButton>(window, "cmdSave"), Qt::LeftButton);
    QCOMPARE(book_->Get(mary_)->city, std::string("Lisbon"));
    QCOMPARE(book_->Get(mary_)->note, std::string("changed elsewhere"));

    // Removed meanwhile: saved as a new person, on request.
    auto* john = new people::frmPerson(*book_->Get(john_));
    QVERIFY(book_->Remove(john_));
    fake_->choicesTaken = {0};  // Save as New Person
    QTest::mouseClick(Child<QPushButton>(john, "cmdSave"), Qt::LeftButton);
    QVERIFY(fake_->messages.last().text.startsWith("John was removed from the book of people"));
    const auto again = book_->FindByName("john");
    QCOMPARE(again.size(), std::size_t{1});
    QVERIFY(again.front() != john_);

    // Delete of a person changed since the list showed them deletes no one.
    auto* list = new people::frmPeople(people::PeopleMode::Manage);
    QTest::keyClicks(Child<QLineEdit>(list, "txtSearch"), "mary");
    QCOMPARE(Child<QTableView>(list, "lstPeople")->model()->index(0, 0).data().toString(), QStringLiteral("Mary"));  // shown
    noteElsewhere("changed again");
    fake_->answers = {platform::Answer::Yes};
    QTest::mouseClick(Child<QPushButton>(list, "cmdDelete"), Qt::LeftButton);
    QVERIFY(fake_->messages.last().text.startsWith("No one was deleted: Mary changed"));
    QVERIFY(book_->Get(mary_));
  }

  // A reading opened from the People window is modal: while it is open the
  // People and Best Matches windows show their controls unavailable, and get
  // them back, with the focus, once it closes.
  void thePeopleWindowsAreUnavailableWhileAReadingIsOpen() {
    navigation::ShowPeople();
    auto* window = OpenForm<people::frmPeople>(*fake_);
    auto* list = Child<QTableView>(window, "lstPeople");
    list->selectRow(1);  // John
    QTest::mouseClick(Child<QPushButton>(window, "cmdBest"), Qt::LeftButton);
    auto* best = OpenForm<people::frmBestMatches>(*fake_);
    QVERIFY(best);
    list->selectionModel()->select(list->model()->index(2, 0), QItemSelectionModel::Select | QItemSelectionModel::Rows);
    auto* numerology = Child<QPushButton>(window, "cmdNumerology");
    QTest::mouseClick(numerology, Qt::LeftButton);
    auto* reading = qobject_cast<reports::frmSaveDocument*>(fake_->modalShown.last().data());
    QVERIFY(reading);
    const auto available = [&](bool expected) {
      for (QWidget* control : {static_cast<QWidget*>(numerology), Child<QWidget>(window, "cmdClose"),
                               static_cast<QWidget*>(list), Child<QWidget>(best, "lstRanked"),
                               Child<QWidget>(best, "cmdClose")}) {
        QVERIFY2(control->isEnabled() == expected,
                 qPrintable(QStringLiteral("%1 of %2 is %3 while the reading is %4")
                                .arg(control->objectName(), control->window()->objectName(),
                                     control->isEnabled() ? "available" : "unavailable",
                                     expected ? "closed" : "open")));
      }
    };
    available(false);
    QTest::mouseClick(Child<QPushButton>(reading, "cmdBack"), Qt::LeftButton);
    ProcessDeletions();
    available(true);
    QCOMPARE(window->focusWidget(), numerology);
  }

  // Export suggests "People.csv"; Import opens in the folder the last CSV
  // file went to.
  void importAndExportOpenInTheFolderLastUsed() {
    auto* window = new people::frmPeople(people::PeopleMode::Manage);
    QTemporaryDir there;
    fake_->fileNames = {there.filePath("everyone.csv"), there.filePath("everyone.csv")};
    QTest::mouseClick(Child<QPushButton>(window, "cmdExport"), Qt::LeftButton);
    QTest::mouseClick(Child<QPushButton>(window, "cmdImport"), Qt::LeftButton);
    QCOMPARE(fake_->fileDialogs.size(), 2);
    QCOMPARE(fake_->fileDialogs[0].request.initialName, QStringLiteral("People.csv"));
    QCOMPARE(fake_->fileDialogs[1].request.folder, there.path());
    QCOMPARE(fake_->messages.last().text, QStringLiteral("3 people added."));
  }
};

ZENTARA_GUI_TEST_MAIN(PeopleTest)
#include "people_test.moc"
