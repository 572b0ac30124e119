// The People window: everyone in the book, filtered as the user types (by any
// name, place or note), with Add, Edit, Delete, Import and Export, the two
// matches of two people chosen, and a person's best matches. Opened to choose
// a partner ("Choose Person..."), Enter or a double-click chooses.
#pragma once
#include <QHash>
#include <cstdint>
#include <memory>
#include <optional>
#include <vector>

#include "book/people_search.h"
#include "shell/form.h"

class QLabel;
class QLineEdit;
class QPushButton;
class QTableView;
class QVBoxLayout;

namespace people {

class RowsModel;

enum class PeopleMode { Manage, Choose };

class frmPeople : public shell::Form {
  Q_OBJECT

 public:
  explicit frmPeople(PeopleMode mode, QWidget* parent = nullptr);

  // The book read again; the search stays.
  void Reload();
  // The ids of the people selected, in the order they were selected.
  std::vector<std::int64_t> SelectedIds() const { return selectionOrder_; }

 signals:
  // Choose mode: the person chosen, just before the window closes.
  void PersonChosen(const zentara::book::Person& person);

 public slots:
  void cmdAdd_Click();
  void cmdEdit_Click();
  void cmdDelete_Click();
  void cmdImport_Click();
  void cmdExport_Click();
  void cmdNumerology_Click();
  void cmdAstro_Click();
  void cmdBest_Click();
  // The couple report of the two people selected, the numerology readings
  // included, as a PDF file.
  void cmdCoupleReport_Click();
  void cmdChoose_Click();
  void cmdClose_Click();

 protected:
  // Up, Down, Page Up and Page Down in the search box move in the list; Enter
  // chooses (or edits); Delete in the list deletes.
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  // The parts the window is made of, top to bottom.
  void MakeSearchRow(QWidget* central, QVBoxLayout* layout);
  void MakeList(QWidget* central, QVBoxLayout* layout);
  void MakeCommands(QWidget* central, QVBoxLayout* layout);
  void Search();
  void SelectionChanged();
  std::optional<std::int64_t> CurrentId() const;
  // The two people selected as the couple of a match (male, female), or
  // nothing after saying that two are needed.
  bool TwoPeople(zentara::book::Person& male, zentara::book::Person& female);
  // What the list shows of a person, read from the book when first shown.
  const zentara::book::PersonSummary& SummaryOf(std::int64_t id) const;

  PeopleMode mode_;
  std::unique_ptr<zentara::book::PeopleSearch> search_;
  std::vector<std::uint32_t> shown_;
  std::vector<std::int64_t> selectionOrder_;
  mutable QHash<std::int64_t, zentara::book::PersonSummary> summaries_;
  RowsModel* model_;
  QLineEdit* txtSearch_;
  QTableView* lstPeople_;
  QLabel* lblCount_;
};

}  // namespace people
