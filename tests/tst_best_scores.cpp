// SPDX-FileCopyrightText: 2026 The Kwintor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <QByteArray>
#include <QChar>
#include <QClipboard>
#include <QCoreApplication>
#include <QEvent>
#include <QFont>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLatin1Char>
#include <QLineEdit>
#include <QPoint>
#include <QRect>
#include <QSize>
#include <QString>
#include <QStringList>
#include <QTest>
#include <QValidator>
#include <QWidget>

#include "best_score_entry.h"
#include "best_scores_fixture.h"
#include "modal_script.h"
#include "player_name_validator.h"
#include "score_file_error.h"
#include "score_table.h"
#include "scripted_prompts.h"
#include "text_width.h"

using namespace kwintor;

namespace {

const QString NameBox = QStringLiteral("kwintorInputBox");

// Types `text` key by key, as QTest's key clicks take only ASCII.
void TypeText(QWidget& widget, const QString& text)
{
    for (const QChar character : text) {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(character));
        QCoreApplication::sendEvent(&widget, &press);
    }
}

QStringList ListedLines()
{
    QStringList lines;
    for (int row = 0; row < naj2->ListBox1->count(); ++row)
        lines << naj2->ListBox1->item(row)->text();
    return lines;
}

}  // namespace

class BestScoresTest : public BestScoresFixture {
    Q_OBJECT

private slots:
    void sizesFromItsFrameDownToItsDesign();
    void scoresThatDoNotQualify_data();
    void scoresThatDoNotQualify();
    void newBestScoreIsAskedSortedSavedAndShown();
    void nameBoxAnswers_data();
    void nameBoxAnswers();
    void entry15AsLoadedIsTheOneToBeat();
    void nameBoxKeepsWhatTheFileCanHold_data();
    void nameBoxKeepsWhatTheFileCanHold();
    void nameBoxExplainsAPaste();
    void failedSaveAtGameOverShowsNoTable();
    void gameEndingWhileTheTableIsOpenRefreshesIt();
    void listLinesArePaddedTo250Pixels();
    void aHugeNameIsCutToTheList();
    void okSavesTheTableAgain();
    void failedSaveFromTheDialogLeavesAWayOut();
};

// Offscreen the window follows the mouse itself, as where no desktop sizes it.
void BestScoresTest::sizesFromItsFrameDownToItsDesign()
{
    QCOMPARE(naj2->geometry(), QRect(200, 105, 430, 412));
    naj2->show();
    QVERIFY(QTest::qWaitForWindowExposed(naj2));
    const QPoint corner(naj2->width() - 1, naj2->height() - 1);
    QTest::mousePress(naj2, Qt::LeftButton, {}, corner);
    QTest::mouseMove(naj2, corner + QPoint(50, 40));
    QTest::mouseRelease(naj2, Qt::LeftButton, {}, corner + QPoint(50, 40));
    QCOMPARE(naj2->size(), QSize(480, 452));
    QCOMPARE(naj2->Button1->geometry(), QRect(118, 335, 179, 40));
    const QPoint grown(naj2->width() - 1, naj2->height() - 1);
    QTest::mousePress(naj2, Qt::LeftButton, {}, grown);
    QTest::mouseMove(naj2, grown - QPoint(200, 200));
    QTest::mouseRelease(naj2, Qt::LeftButton, {}, grown - QPoint(200, 200));
    QCOMPARE(naj2->size(), QSize(430, 412));
    naj2->close();
}

void BestScoresTest::scoresThatDoNotQualify_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<int>("score");

    QTest::newRow("equal to entry 15") << FileWithScores({9, 8, 7, 6, 5, 5, 5, 5, 5, 5, 5, 5, 5, 5, 5}) << 5;
    QTest::newRow("zero on an empty file") << QByteArray() << 0;
    QTest::newRow("unsorted entry 15 is higher")
        << FileWithScores({0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 10}) << 5;
}

void BestScoresTest::scoresThatDoNotQualify()
{
    QFETCH(QByteArray, file);
    QFETCH(int, score);

    ScoreFileSandbox::Write(file);
    const ScriptedPrompts noPrompts;
    EnterBestScore(score);

    QCOMPARE(ScoreFileSandbox::Read(), file);
}

void BestScoresTest::newBestScoreIsAskedSortedSavedAndShown()
{
    ScoreFileSandbox::Write(FileWithScores({9, 4, 4, 1}));
    QStringList shown;
    ScriptedPrompts prompts;
    prompts.Input(QStringLiteral("Łucja"));
    ModalScript script;
    script.Then(BestScores, [&](QWidget& dialog) {
        shown = ListedLines();
        ClickButton(dialog, QStringLiteral("OK"));
    });
    EnterBestScore(4);

    QVERIFY(script.Finished());
    const ScriptedPrompts::Question asked = prompts.Asked().value(0);
    QCOMPARE(asked.caption, QStringLiteral("Ustanowiłeś rekord !!!"));
    QCOMPARE(asked.text, QStringLiteral("Podaj swoje imie "));
    QCOMPARE(asked.initialText, QStringLiteral("Anonimowy"));
    QCOMPARE(ScoreTable[4].Name, QStringLiteral("Łucja"));
    QCOMPARE(ScoreTable[4].Score, std::uint16_t {4});
    QCOMPARE(ScoreTable[5].Name, QStringLiteral("gracz 4"));
    QCOMPARE(shown.size(), int(ScoreTableSize));
    QVERIFY(shown[3].startsWith(QStringLiteral("Łucja ")) && shown[3].endsWith(QStringLiteral("4")));
    QVERIFY(
        ScoreFileSandbox::Read().startsWith(FileWithScores({9, 4, 4}) + "\xA3ucja\r\n4\r\ngracz 4\r\n1\r\n"));
}

void BestScoresTest::nameBoxAnswers_data()
{
    QTest::addColumn<bool>("cancelled");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("stored");

    QTest::newRow("OK keeps the offered name") << false << "Anonimowy"
                                               << "Anonimowy";
    QTest::newRow("OK with an emptied field") << false << ""
                                              << "";
    QTest::newRow("OK with a typed name") << false << "Zażółć"
                                          << "Zażółć";
    QTest::newRow("Cancel") << true << "Ktoś"
                            << "Anonimowy";
}

// With the table already open, the entry only refreshes it.
void BestScoresTest::nameBoxAnswers()
{
    QFETCH(bool, cancelled);
    QFETCH(QString, typed);
    QFETCH(QString, stored);

    ScoreFileSandbox::Write({});
    naj2->show();
    ScriptedPrompts prompts;
    prompts.Input(cancelled ? std::nullopt : std::optional(typed));
    EnterBestScore(1);
    naj2->hide();

    QCOMPARE(prompts.Asked().value(0).initialText, QStringLiteral("Anonimowy"));
    QCOMPARE(ScoreTable[1].Name, stored);
    LoadScoreTable();
    QCOMPARE(ScoreTable[1].Name, stored);
    QCOMPARE(ScoreTable[1].Score, std::uint16_t {1});
}

void BestScoresTest::entry15AsLoadedIsTheOneToBeat()
{
    ScoreFileSandbox::Write(FileWithScores({50, 50, 50, 50, 50, 50, 50, 50, 50, 50, 50, 50, 50, 50, 1}));
    naj2->show();
    ScriptedPrompts prompts;
    prompts.Input(QStringLiteral("Nowy"));
    EnterBestScore(2);
    naj2->hide();

    QCOMPARE(ScoreTable[15].Name, QStringLiteral("Nowy"));
    QCOMPARE(ScoreTable[14].Name, QStringLiteral("gracz 14"));
}

void BestScoresTest::nameBoxKeepsWhatTheFileCanHold_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("kept");
    QTest::addColumn<QStringList>("explained");  // what the box says, in parts

    const QStringList nothing;
    const QStringList oneLine {QStringLiteral("jeden wiersz")};
    QTest::newRow("Polish letters") << "Zażółć gęślą jaźń"
                                    << "Zażółć gęślą jaźń" << nothing;
    QTest::newRow("euro sign") << "€uro"
                               << "€uro" << nothing;
    QTest::newRow("empty") << QString() << QString() << nothing;
    QTest::newRow("carriage return") << "a\rb"
                                     << "ab" << QStringList {"koniec wiersza", "jeden wiersz"};
    QTest::newRow("line feed") << "a\nb"
                               << "ab" << QStringList {"koniec wiersza"};
    QTest::newRow("byte 26") << "a\x1A"
                             << "a" << QStringList {"znak sterujący"};
    QTest::newRow("tab") << "a\tb"
                         << "ab" << QStringList {"tabulator", "jeden wiersz"};
    QTest::newRow("Greek") << "Ωmega"
                           << "mega" << QStringList {"„Ω”", "Windows-1250"};
    QTest::newRow("CJK") << "日本"
                         << "" << QStringList {"„日”, „本”"};
    QTest::newRow("emoji, one character") << "😀"
                                          << "" << QStringList {"„😀”"};
    QTest::newRow("mixed") << "Zoë 😀 Жора\tx"
                           << "Zoë  x"
                           << QStringList {"tabulator", "„😀”, „Ж”, „о”, „р”, „а”", "Windows-1250"};
    QTest::newRow("each named once") << "ЖЖЖa"
                                     << "a" << QStringList {"Pominięto: „Ж” —"};
    QTest::newRow("many named in part")
        << "абвгдежзийклмн"
        << "" << QStringList {"„а”, „б”, „в”, „г”, „д”, „е”, „ж”, „з”, „и”, „й”, …"};
}

// Typed key by key or pasted at once, the line keeps what the file can
// hold, and the player is told what went and why.
void BestScoresTest::nameBoxKeepsWhatTheFileCanHold()
{
    QFETCH(QString, typed);
    QFETCH(QString, kept);
    QFETCH(QStringList, explained);

    const PlayerNameValidator validator;
    QString explanation;
    connect(&validator, &PlayerNameValidator::Explained, [&](const QString& text) { explanation = text; });
    QString input = typed;
    int position = int(typed.size());
    QCOMPARE(validator.validate(input, position), QValidator::Acceptable);
    QCOMPARE(input, kept);
    QCOMPARE(position, int(kept.size()));
    for (const QString& part : explained)
        QVERIFY2(explanation.contains(part), qPrintable(explanation));
    QCOMPARE(explanation.isEmpty(), explained.isEmpty());

    QLineEdit line;
    line.setValidator(&validator);
    TypeText(line, typed);
    QCOMPARE(line.text(), kept);
    line.clear();
    line.insert(QStringLiteral("<>"));
    line.setCursorPosition(1);
    line.insert(typed);
    QCOMPARE(line.text(), QStringLiteral("<%1>").arg(kept));
    QCOMPARE(line.cursorPosition(), 1 + kept.size());
}

// A paste into the real name box: the explanation stands under the line.
void BestScoresTest::nameBoxExplainsAPaste()
{
    ScoreFileSandbox::Write({});
    QGuiApplication::clipboard()->setText(QStringLiteral("Zoë 😀 Жора"));
    QString explanation;
    bool underTheLine = false;
    ModalScript script;
    script
        .Then(NameBox,
              [&](QWidget& box) {
                  auto* line = box.findChild<QLineEdit*>();
                  QTest::keyClick(line, Qt::Key_V, Qt::ControlModifier);
                  auto* label = box.findChild<QLabel*>(QStringLiteral("kwintorInputBoxExplanation"));
                  QVERIFY(label);
                  explanation = label->text();
                  underTheLine = label->isVisible() && label->geometry().top() >= line->geometry().bottom();
                  ClickButton(box, QStringLiteral("OK"));
              })
        .Then(BestScores, Click(QStringLiteral("OK")));
    EnterBestScore(1);

    QVERIFY(script.Finished());
    QCOMPARE(ScoreTable[1].Name, QStringLiteral("Zoë  "));
    QVERIFY2(explanation.contains(QStringLiteral("„😀”, „Ж”")), qPrintable(explanation));
    QVERIFY(underTheLine);
}

void BestScoresTest::failedSaveAtGameOverShowsNoTable()
{
    const QByteArray file = FileWithScores({3});
    ScoreFileSandbox::Write(file);
    ScoreFileSandbox::MakeReadOnly();
    ScriptedPrompts prompts;
    prompts.Input(QStringLiteral("Ala"));
    // Answered, should the table come after all, so that the test fails rather than hangs.
    ModalScript table;
    table.Then(BestScores, Click(QStringLiteral("OK")));

    try {
        EnterBestScore(7);
        QFAIL("the save did not fail");
    } catch (const ScoreFileError& error) {
        QCOMPARE(QString::fromUtf8(error.what()), QStringLiteral("File access denied"));
    }
    QCOMPARE(table.Answered(), 0);
    QCOMPARE(ScoreTable[1].Name, QStringLiteral("Ala"));
    QCOMPARE(ScoreFileSandbox::Read(), file);
}

void BestScoresTest::gameEndingWhileTheTableIsOpenRefreshesIt()
{
    ScoreFileSandbox::Write(FileWithScores({5}));
    LoadScoreTable();
    naj2->show();
    QVERIFY(!ListedLines().join(QString()).contains(QStringLiteral("Ola")));
    ScriptedPrompts prompts;
    prompts.Input(QStringLiteral("Ola"));

    EnterBestScore(8);

    QVERIFY(naj2->isVisible());
    QVERIFY(ListedLines().first().startsWith(QStringLiteral("Ola")));
    naj2->hide();
}

void BestScoresTest::listLinesArePaddedTo250Pixels()
{
    const QFont font = naj2->ListBox1->font();
    QString wide;
    while (TextWidth(font, wide) < 260)
        wide += QLatin1Char('W');
    for (std::size_t i = 1; i <= ScoreTableSize; ++i)
        ScoreTable[i] = {};
    ScoreTable[1] = {QString(), 12};
    ScoreTable[2] = {wide, 7};
    ScoreTable[3] = {QStringLiteral("Ala"), 3};
    naj2->FormShow();

    const QStringList lines = ListedLines();
    QCOMPARE(lines.size(), int(ScoreTableSize));
    const QString blanks = lines[0].chopped(2);
    QVERIFY(blanks.trimmed().isEmpty());
    QVERIFY(TextWidth(font, blanks) >= 250);
    QVERIFY(TextWidth(font, blanks.chopped(1)) < 250);
    QCOMPARE(lines[1], wide + QStringLiteral("7"));
    QVERIFY(lines[2].startsWith(QStringLiteral("Ala ")) && TextWidth(font, lines[2].chopped(1)) >= 250);
    QVERIFY(lines[14].endsWith(QStringLiteral(" 0")));
}

// A name read from the file may be of any length; the list shows what fits
// (how quickly is for bench/ to tell).
void BestScoresTest::aHugeNameIsCutToTheList()
{
    for (std::size_t i = 1; i <= ScoreTableSize; ++i)
        ScoreTable[i] = {};
    ScoreTable[1] = {QStringLiteral("Zbyszek") + QString(10 << 20, QLatin1Char('x')), 42};
    naj2->show();
    naj2->FormShow();
    QVERIFY(QTest::qWaitForWindowExposed(naj2));
    naj2->ListBox1->viewport()->repaint();
    naj2->hide();

    const QString line = ListedLines().first();
    QVERIFY(line.startsWith(QStringLiteral("Zbyszek")));
    QVERIFY(line.endsWith(QStringLiteral("…42")));
    QVERIFY(TextWidth(naj2->ListBox1->font(), line) <= naj2->ListBox1->contentsRect().width());
}

void BestScoresTest::okSavesTheTableAgain()
{
    ScoreFileSandbox::Write("Ala\n\r12 pkt\r");
    LoadScoreTable();
    ModalScript script;
    script.Then(BestScores, Click(QStringLiteral("OK")));
    naj2->ShowModal();

    QVERIFY(script.Finished());
    QVERIFY(ScoreFileSandbox::Read().startsWith("Ala\n\r\n12\r\n\r\n0\r\n"));
}

void BestScoresTest::failedSaveFromTheDialogLeavesAWayOut()
{
    const QByteArray file = FileWithScores({4});
    ScoreFileSandbox::Write(file);
    ScoreFileSandbox::MakeReadOnly();
    LoadScoreTable();
    bool stayedOpen = false;
    ScriptedPrompts prompts;
    prompts.Error();
    ModalScript script;
    script.Then(BestScores, Click(QStringLiteral("OK"))).Then(BestScores, [&](QWidget& dialog) {
        stayedOpen = dialog.isVisible();
        ClickButton(dialog, QStringLiteral("Nie zapisuj"));
    });
    naj2->ShowModal();

    QVERIFY(script.Finished());
    QVERIFY(stayedOpen);
    QCOMPARE(prompts.AskedTexts(), QStringList {QStringLiteral("File access denied")});
    QVERIFY(!naj2->isVisible());
    QCOMPARE(ScoreFileSandbox::Read(), file);
}

QTEST_MAIN(BestScoresTest)
#include "tst_best_scores.moc"
