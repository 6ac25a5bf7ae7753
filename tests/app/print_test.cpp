// The printout: Strg+P hands the board to the print dialog, and the page it prints, written as a
// PDF, reads back as the board alone.
#include <QDir>
#include <QPdfWriter>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>

#include "app/app_fixture.h"
#include "app/print_board.h"

namespace kalmotre::test {
namespace {

using Printing = AppTest;

// What Poppler's tools read off the file.
QString popplerSays(const QString& tool, const QStringList& arguments) {
  QProcess process;
  process.start(tool, arguments);
  EXPECT_TRUE(process.waitForFinished(30000)) << tool.toStdString();
  EXPECT_EQ(process.exitCode(), 0) << process.readAllStandardError().toStdString();
  return QString::fromUtf8(process.readAllStandardOutput());
}

TEST_F(Printing, StrgPPrintsTheBoardAsItStandsOnOnePage) {
  handOut(kPlayablePuzzle);
  // Every cell filled: the clues, the player's digits, and one entry too long for its cell.
  const std::string solution = kBaseRows;
  const std::string longEntry = "0123456789abcdef";
  std::size_t longAt = 81;
  for (std::size_t k = 0; k < 81; ++k) {
    const CellIndex i = cellAt(static_cast<int>(k / 9), static_cast<int>(k % 9));
    if (window->form().game().board.locked(i)) continue;
    if (longAt == 81) longAt = k;
    window->form().playerEditedCell(i, k == longAt ? longEntry : solution.substr(k, 1));
  }
  window->refresh();
  cell(cellAt(0, 1))->setFocus();
  QTest::keyClick(window.get(), Qt::Key_P, Qt::ControlModifier);
  QCoreApplication::processEvents();
  ASSERT_EQ(desktop.calls, QStringList{QStringLiteral("print")});
  const PrintSheet& sheet = desktop.printed;
  EXPECT_EQ(sheet.cells[longAt].text, longEntry);
  EXPECT_TRUE(sheet.cells[0].clue);
  EXPECT_EQ(sheet.counter, window->form().lblFrei());

  QTemporaryDir folder;
  ASSERT_TRUE(folder.isValid());
  const QString file = folder.filePath(QStringLiteral("board.pdf"));
  {
    QPdfWriter pdf(file);
    pdf.setPageSize(QPageSize(QPageSize::A4));
    pdf.setResolution(300);
    app::paintSheet(pdf, sheet);
  }
  const QString pdftotext = QStandardPaths::findExecutable(QStringLiteral("pdftotext"));
  ASSERT_FALSE(pdftotext.isEmpty()) << "poppler-utils, from scripts/install-deps";
  EXPECT_TRUE(popplerSays(QStringLiteral("pdfinfo"), {file})
                  .contains(QRegularExpression(QStringLiteral("\nPages: +1\n"))));
  const QString text =
      popplerSays(pdftotext, {QStringLiteral("-layout"), file, QStringLiteral("-")});
  // Row by row, the cell texts and nothing else, then the level and the counter.
  QStringList rows;
  for (const QString& line : text.split('\n')) {
    const QString cells = line.simplified().remove(' ');
    if (!cells.isEmpty()) rows << cells;
  }
  ASSERT_GE(rows.size(), 11) << text.toStdString();
  QString board = rows.mid(0, 9).join(QString());
  // The long entry is cut to what its cell holds; its first characters stay.
  const qsizetype shown = board.size() - 80;
  const QString kept = board.mid(static_cast<qsizetype>(longAt), shown);
  EXPECT_TRUE(shown >= 1 && shown < static_cast<qsizetype>(longEntry.size()) &&
              QString::fromStdString(longEntry).startsWith(kept))
      << kept.toStdString();
  board.replace(static_cast<qsizetype>(longAt), shown, QChar::fromLatin1(solution[longAt]));
  EXPECT_EQ(board.toStdString(), solution);
  EXPECT_EQ(rows[9], QStringLiteral("Level:Schwer"));
  EXPECT_EQ(rows[10], QString::fromStdString(window->form().lblFrei()).remove(' '));
  for (const char* caption : {"Erzeuge", "Computer", "Spiel neu", "Beenden", "Hilfebereich"}) {
    EXPECT_FALSE(text.contains(QLatin1String(caption))) << caption;
  }

  // The clues bold and the entries regular, as the file's fonts say: every clue's digit is set in
  // bold, and nothing else is.
  const QString xml =
      popplerSays(QStandardPaths::findExecutable(QStringLiteral("pdftohtml")),
                  {QStringLiteral("-xml"), QStringLiteral("-i"), QStringLiteral("-stdout"), file});
  QString bold, regular;
  static const QRegularExpression item(QStringLiteral("<text [^>]*>(.*?)</text>"));
  static const QRegularExpression inBold(QStringLiteral("<b>(.*?)</b>"));
  for (auto match = item.globalMatch(xml); match.hasNext();) {
    QString content = match.next().captured(1);
    for (auto part = inBold.globalMatch(content); part.hasNext();) bold += part.next().captured(1);
    regular += content.remove(inBold);
  }
  bold.remove(' ');
  regular.remove(' ');
  QString clues;
  int entries = 0;
  for (const PrintSheet::Cell& printed : sheet.cells) {
    if (printed.clue) clues += QString::fromStdString(printed.text);
    entries += printed.clue ? 0 : 1;
  }
  EXPECT_EQ(bold.size(), clues.size()) << xml.toStdString();
  EXPECT_GE(regular.count(QRegularExpression(QStringLiteral("[1-9]"))), entries - 1)
      << xml.toStdString();
}

}  // namespace
}  // namespace kalmotre::test
