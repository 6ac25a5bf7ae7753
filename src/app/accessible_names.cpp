#include "app/accessible_names.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include "generate/level.h"

namespace kalmotre::app {

namespace {

template <typename T>
void setNames(QWidget* parent, const char* objectName, const char* name, const char* description) {
  auto* widget = parent->findChild<T*>(QString::fromLatin1(objectName));
  if (widget == nullptr) return;
  if (name != nullptr) widget->setAccessibleName(QString::fromUtf8(name));
  if (description != nullptr) widget->setAccessibleDescription(QString::fromUtf8(description));
}

}  // namespace

void nameMainWindowControls(QWidget* window, const Board& board) {
  for (CellIndex i = 0; i < kCells; ++i) {
    auto* cell = window->findChild<QLineEdit*>(QStringLiteral("txtZahl_%1").arg(i));
    if (cell == nullptr) continue;
    cell->setAccessibleName(
        QStringLiteral("Zeile %1, Spalte %2").arg(rowOf(i) + 1).arg(columnOf(i) + 1));
    describeCell(cell, board, i);
  }
  // The help area reads "Zeige die Möglichkeiten: für die Zahl [X]" and "Nächste Zahl [+]".
  setNames<QLineEdit>(window, "txtShow", "Zeige die Möglichkeiten für die Zahl", nullptr);
  setNames<QPushButton>(window, "btnPlus", "Nächste Zahl", nullptr);
  for (std::size_t k = 0; k < kLevels.size(); ++k) {
    const QString name = QStringLiteral("optLevel_%1").arg(k);
    if (auto* option = window->findChild<QRadioButton*>(name)) {
      option->setAccessibleDescription(QStringLiteral("Level"));
    }
  }
}

void describeCell(QLineEdit* cell, const Board& board, CellIndex index) {
  QString state;
  if (board.locked(index)) {
    state = QStringLiteral("Vorgabe");
  } else if (board.text(index).empty()) {
    state = QStringLiteral("frei");
  } else {
    state = QString::fromStdString(board.text(index));
  }
  cell->setAccessibleDescription(state);
}

void nameSplashControls(QWidget* splash) {
  splash->setAccessibleName(QStringLiteral("Willkommen zu Tavuro"));
  setNames<QLabel>(splash, "imgLogo", "Logo von Tavuro", "Öffnet die Webseite von Tavuro");
}

}  // namespace kalmotre::app
