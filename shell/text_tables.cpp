#include "shell/text_tables.h"

#include <QBoxLayout>
#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QTableWidget>

namespace shell {

QTableWidget* MakeTextTable(QWidget* parent, const char* name, const QStringList& headings) {
  auto* table = new QTableWidget(0, static_cast<int>(headings.size()), parent);
  table->setObjectName(QString::fromLatin1(name));
  table->setHorizontalHeaderLabels(headings);
  table->setEditTriggers(QAbstractItemView::NoEditTriggers);
  table->setSelectionMode(QAbstractItemView::NoSelection);
  table->verticalHeader()->hide();
  table->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  table->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  table->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
  return table;
}

void FillTextTable(QTableWidget* table, const QList<QStringList>& rows) {
  table->setRowCount(static_cast<int>(rows.size()));
  for (int row = 0; row < table->rowCount(); ++row) {
    for (int column = 0; column < table->columnCount() && column < rows[row].size(); ++column) {
      auto* item = new QTableWidgetItem(rows[row][column]);
      // Positions and numbers read as columns of figures.
      if (column > 0) item->setTextAlignment(Qt::AlignCenter);
      table->setItem(row, column, item);
    }
  }
  table->resizeColumnsToContents();
  table->resizeRowsToContents();
  int height = table->horizontalHeader()->sizeHint().height() + 2 * table->frameWidth();
  for (int row = 0; row < table->rowCount(); ++row) height += table->rowHeight(row);
  table->setFixedSize(table->horizontalHeader()->length() + 2 * table->frameWidth(), height);
}

QComboBox* AddCaptionedChoice(QWidget* parent, QBoxLayout* row, const char* labelName, const QString& caption,
                              const char* boxName, const QStringList& items) {
  auto* label = new QLabel(caption, parent);
  label->setObjectName(QString::fromLatin1(labelName));
  auto* box = new QComboBox(parent);
  box->setObjectName(QString::fromLatin1(boxName));
  box->addItems(items);
  label->setBuddy(box);
  row->addWidget(label);
  row->addWidget(box);
  return box;
}

}  // namespace shell
