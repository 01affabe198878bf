// SPDX-FileCopyrightText: 2026 The Kwintor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <QLatin1Char>
#include <QObject>
#include <QString>
#include <QTest>

#include "drop_rules.h"
#include "slot_symbols.h"

using namespace kwintor;

namespace {

DropSource Tile(char sign) { return TileSource {CodeOf(QLatin1Char(sign))}; }

DropSource Slot(std::size_t number) { return SlotSource {number}; }

}  // namespace

class DropRulesTest : public QObject {
    Q_OBJECT

private slots:
    void drop_data();
    void drop();
};

void DropRulesTest::drop_data()
{
    QTest::addColumn<QString>("before");
    QTest::addColumn<DropSource>("source");
    QTest::addColumn<int>("target");
    QTest::addColumn<QString>("after");

    QTest::newRow("tile on an empty slot") << "????" << Tile('*') << 1 << "*???";
    QTest::newRow("tile replaces another") << "?+??" << Tile('-') << 2 << "?-??";
    QTest::newRow("same tile again") << "/???" << Tile('/') << 1 << "/???";
    QTest::newRow("tile on the last slot") << "????" << Tile('+') << 4 << "???+";
    QTest::newRow("tile leaves the others") << "+-*/" << Tile('+') << 3 << "+-+/";
    QTest::newRow("slot moves its tile") << "+???" << Slot(1) << 3 << "??+?";
    QTest::newRow("move onto a tile, no swap") << "+/??" << Slot(1) << 2 << "?+??";
    QTest::newRow("move backwards") << "-??*" << Slot(4) << 1 << "*???";
    QTest::newRow("empty slot empties the target") << "?*??" << Slot(4) << 2 << "????";
    QTest::newRow("empty onto empty") << "????" << Slot(1) << 2 << "????";
    QTest::newRow("onto itself empties it") << "+-*/" << Slot(3) << 3 << "+-?/";
    QTest::newRow("empty onto itself") << "+?*/" << Slot(2) << 2 << "+?*/";
}

void DropRulesTest::drop()
{
    QFETCH(QString, before);
    QFETCH(DropSource, source);
    QFETCH(int, target);
    QFETCH(QString, after);

    const SlotOperators operators = AfterDrop(SlotsOf(before), std::size_t(target), source);
    QCOMPARE(SymbolsOf(operators), after);
    QCOMPARE(operators[5], OperatorCode::Empty);
}

QTEST_APPLESS_MAIN(DropRulesTest)
#include "tst_drop_rules.moc"
