// A table for the board in the accessibility tree: the client's interface shows one child for the
// 81 cells, that child is a 9×9 table, and each cell's interface names its row and column and has
// the table as its parent.
#include "app/board_accessible.h"

#include <QAccessible>
#include <QAccessibleObject>
#include <QAccessibleWidget>
#include <QLineEdit>
#include <QWidget>
#include <utility>

namespace kalmotre::app {

namespace {

constexpr int kSide = 9;
constexpr char kPlace[] = "boardPlace";  // a cell's place, row by row

// Stands for the board among the client's children: its name; the cells are the client's
// children marked with their place.
class BoardObject final : public QObject {
 public:
  BoardObject(QWidget* client, QString name) : QObject(client), name_(std::move(name)) {
    setObjectName(QStringLiteral("board"));
  }
  QWidget* client() const { return static_cast<QWidget*>(parent()); }
  QLineEdit* cellAt(int place) const {
    for (QObject* child : client()->children()) {
      if (placeOf(child) == place && place >= 0) return static_cast<QLineEdit*>(child);
    }
    return nullptr;
  }
  // The cell's place, row by row, or -1 when it is none of the board's.
  int placeOf(const QObject* object) const {
    if (object == nullptr || object->parent() != client()) return -1;
    const QVariant place = object->property(kPlace);
    return place.isValid() ? place.toInt() : -1;
  }
  const QString& name() const { return name_; }

 private:
  QString name_;
};

BoardObject* boardAmong(const QObject* parent) {
  if (parent == nullptr) return nullptr;
  for (QObject* child : parent->children()) {
    if (auto* board = dynamic_cast<BoardObject*>(child)) return board;
  }
  return nullptr;
}

QAccessibleInterface* interfaceOf(QObject* object) {
  return object != nullptr ? QAccessible::queryAccessibleInterface(object) : nullptr;
}

// A cell: an editable text with its row and column in the board's table.
class CellInterface final : public QAccessibleWidget, public QAccessibleTableCellInterface {
 public:
  CellInterface(QLineEdit* cell, BoardObject* board)
      : QAccessibleWidget(cell, QAccessible::EditableText), board_(board) {}

  void* interface_cast(QAccessible::InterfaceType type) override {
    if (type == QAccessible::TableCellInterface) {
      return static_cast<QAccessibleTableCellInterface*>(this);
    }
    return QAccessibleWidget::interface_cast(type);
  }
  QAccessibleInterface* parent() const override { return interfaceOf(board_); }
  QString text(QAccessible::Text t) const override {
    return t == QAccessible::Value ? edit()->text() : QAccessibleWidget::text(t);
  }
  QAccessible::State state() const override {
    QAccessible::State s = QAccessibleWidget::state();
    s.editable = !edit()->isReadOnly();
    s.readOnly = edit()->isReadOnly();
    return s;
  }

  bool isSelected() const override { return false; }
  QList<QAccessibleInterface*> columnHeaderCells() const override { return {}; }
  QList<QAccessibleInterface*> rowHeaderCells() const override { return {}; }
  int columnIndex() const override { return board_->placeOf(widget()) % kSide; }
  int rowIndex() const override { return board_->placeOf(widget()) / kSide; }
  int columnExtent() const override { return 1; }
  int rowExtent() const override { return 1; }
  QAccessibleInterface* table() const override { return parent(); }

 private:
  QLineEdit* edit() const { return static_cast<QLineEdit*>(widget()); }
  BoardObject* board_;
};

// The board: a table of nine rows of nine cells, nothing selectable but the focus.
class BoardInterface final : public QAccessibleObject, public QAccessibleTableInterface {
 public:
  explicit BoardInterface(BoardObject* board) : QAccessibleObject(board) {}

  void* interface_cast(QAccessible::InterfaceType type) override {
    return type == QAccessible::TableInterface ? static_cast<QAccessibleTableInterface*>(this)
                                               : nullptr;
  }
  QAccessibleInterface* parent() const override { return interfaceOf(board()->client()); }
  int childCount() const override { return kSide * kSide; }
  QAccessibleInterface* child(int index) const override {
    return interfaceOf(board()->cellAt(index));
  }
  int indexOfChild(const QAccessibleInterface* child) const override {
    return child != nullptr ? board()->placeOf(child->object()) : -1;
  }
  QAccessibleInterface* childAt(int x, int y) const override {
    for (int place = 0; place < kSide * kSide; ++place) {
      QAccessibleInterface* cell = child(place);
      if (cell != nullptr && cell->rect().contains(x, y)) return cell;
    }
    return nullptr;
  }
  QString text(QAccessible::Text t) const override {
    return t == QAccessible::Name ? board()->name() : QString();
  }
  QAccessible::Role role() const override { return QAccessible::Table; }
  QAccessible::State state() const override {
    QAccessible::State s;
    s.invisible = !board()->client()->isVisible();
    return s;
  }
  QRect rect() const override {
    QRect all;
    for (QObject* child : board()->client()->children()) {
      if (board()->placeOf(child) < 0) continue;
      const auto* cell = static_cast<QWidget*>(child);
      all |= QRect(cell->mapToGlobal(QPoint(0, 0)), cell->size());
    }
    return all;
  }

  QAccessibleInterface* caption() const override { return nullptr; }
  QAccessibleInterface* summary() const override { return nullptr; }
  QAccessibleInterface* cellAt(int row, int column) const override {
    if (row < 0 || row >= kSide || column < 0 || column >= kSide) return nullptr;
    return child(row * kSide + column);
  }
  int selectedCellCount() const override { return 0; }
  QList<QAccessibleInterface*> selectedCells() const override { return {}; }
  QString columnDescription(int) const override { return {}; }
  QString rowDescription(int) const override { return {}; }
  int selectedColumnCount() const override { return 0; }
  int selectedRowCount() const override { return 0; }
  int columnCount() const override { return kSide; }
  int rowCount() const override { return kSide; }
  QList<int> selectedColumns() const override { return {}; }
  QList<int> selectedRows() const override { return {}; }
  bool isColumnSelected(int) const override { return false; }
  bool isRowSelected(int) const override { return false; }
  bool selectRow(int) override { return false; }
  bool selectColumn(int) override { return false; }
  bool unselectRow(int) override { return false; }
  bool unselectColumn(int) override { return false; }
  void modelChange(QAccessibleTableModelChangeEvent*) override {}

 private:
  BoardObject* board() const { return static_cast<BoardObject*>(object()); }
};

// The client area: its widgets as ever, but the cells as one child, the board, where the first
// of them stands.
class ClientInterface final : public QAccessibleWidget {
 public:
  ClientInterface(QWidget* client, BoardObject* board)
      : QAccessibleWidget(client, QAccessible::Client), board_(board) {}

  int childCount() const override { return static_cast<int>(shown().size()); }
  QAccessibleInterface* child(int index) const override { return shown().value(index); }
  int indexOfChild(const QAccessibleInterface* child) const override {
    return static_cast<int>(shown().indexOf(const_cast<QAccessibleInterface*>(child)));
  }

 private:
  QList<QAccessibleInterface*> shown() const {
    QList<QAccessibleInterface*> children;
    bool boardShown = false;
    for (QObject* object : widget()->children()) {
      auto* child = qobject_cast<QWidget*>(object);
      if (child == nullptr || child->isWindow()) continue;
      if (board_->placeOf(child) >= 0) {
        if (!std::exchange(boardShown, true)) children.append(interfaceOf(board_));
        continue;
      }
      if (QAccessibleInterface* shown = interfaceOf(child)) children.append(shown);
    }
    return children;
  }

  BoardObject* board_;
};

QAccessibleInterface* boardFactory(const QString&, QObject* object) {
  if (auto* board = dynamic_cast<BoardObject*>(object)) return new BoardInterface(board);
  auto* widget = qobject_cast<QWidget*>(object);
  if (widget == nullptr) return nullptr;
  if (BoardObject* board = boardAmong(widget)) return new ClientInterface(widget, board);
  auto* cell = qobject_cast<QLineEdit*>(widget);
  BoardObject* board = cell != nullptr ? boardAmong(cell->parentWidget()) : nullptr;
  if (board != nullptr && board->placeOf(cell) >= 0) return new CellInterface(cell, board);
  return nullptr;
}

}  // namespace

void makeAccessibleBoard(QWidget* client, const QString& name) {
  new BoardObject(client, name);
}

void markBoardCell(QLineEdit* cell, int row, int column) {
  cell->setProperty(kPlace, row * kSide + column);
}

void installBoardAccessibility() {
  QAccessible::installFactory(boardFactory);
}

void removeBoardAccessibility() {
  QAccessible::removeFactory(boardFactory);
}

}  // namespace kalmotre::app
