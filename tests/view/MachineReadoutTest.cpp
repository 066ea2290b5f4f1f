// SPDX-License-Identifier: MIT
// A spin on the virtual clock, read through the machine's accessible
// interface: the texts of the reels, meters, pay table and result, and the
// events a screen reader hears.
#include "view/MachineReadout.h"
#include "game/SlotEngine.h"
#include "tests/support/FakeWorld.h"
#include "tests/support/RuntimeDir.h"
#include "view/SlotCanvas.h"
#include "view/SlotMachineAccessible.h"

#include <QAccessible>
#include <QtTest>

using namespace kelvory;

namespace {

struct Heard {
    QAccessible::Event type;
    QAccessible::Role role;
    QString name;
};
std::vector<Heard> heard;

void Record(QAccessibleEvent* event) {
    QAccessibleInterface* iface = event->accessibleInterface();
    QVERIFY(iface != nullptr);
    heard.push_back({event->type(), iface->role(), iface->text(QAccessible::Name)});
}

QStringList NamesHeard(QAccessible::Event type, const QString& prefix) {
    QStringList names;
    for (const Heard& h : heard) {
        if (h.type == type && h.name.startsWith(prefix)) {
            names << h.name;
        }
    }
    return names;
}

QStringList Announced() {
    QStringList names;
    for (const Heard& h : heard) {
        if (h.type == QAccessible::ObjectShow && h.role == QAccessible::Notification) {
            names << h.name;
        }
    }
    return names;
}

// The machine, the readout between engine and canvas, and the engine on the
// fake world's virtual clock.
struct Machine {
    GameState state;
    SlotCanvas canvas{state, test::RuntimeDirBytes()};
    MachineReadout* readout = new MachineReadout(canvas, state, &canvas);
    test::FakeWorld world;
    SlotEngine engine{state, {world, world, *readout, world, world, world, world}};
    Machine() {
        world.engine = &engine;
        engine.AddReelsStoppedHandler([this] { readout->ReelsStopped(); });
        canvas.resize(SlotCanvas::kDesignWidth, SlotCanvas::kDesignHeight);
        canvas.LayOut();
    }
    QAccessibleInterface* Interface() { return QAccessible::queryAccessibleInterface(&canvas); }
    QAccessibleInterface* Part(MachinePart part) {
        auto* machine = static_cast<SlotMachineAccessible*>(Interface());
        return machine->Part(part);
    }
    QString Text(MachinePart part) { return Part(part)->text(QAccessible::Name); }
};

} // namespace

class MachineReadoutTest : public QObject {
    Q_OBJECT
  private slots:
    void initTestCase() {
        SlotMachineAccessible::InstallFactory();
        SlotMachineAccessible::SetEventObserver(Record);
    }
    void init() { heard.clear(); }

    void spinIsReadAloud_data() {
        QTest::addColumn<int>("stake");
        QTest::addColumn<QList<int>>("stops");
        QTest::addColumn<QString>("firstReel");
        QTest::addColumn<QString>("sentence");
        QTest::addColumn<QString>("credits");
        QTest::addColumn<QString>("litCell"); // the winning row's cell; empty for a loss
        QTest::newRow("a loss says no win")
            << 1 << QList<int>{2, 20, 0}
            << "Reel 1: single bar above, blank on the payline, double bar below"
            << "Blank, seven, single bar on the payline. No win."
            << "Credits: $999.00" << QString();
        QTest::newRow("three sevens win 50 on one coin")
            << 1 << QList<int>{28, 20, 4}
            << "Reel 1: blank above, seven on the payline, blank below"
            << "Seven, seven, seven on the payline. You win 50 credits."
            << "Credits: $1,049.00"
            << "Three sevens, 1 coin: pays 50, lit";
        QTest::newRow("a payline clover doubles two coins")
            << 2 << QList<int>{0, 4, 52}
            << "Reel 1: blank above, single bar on the payline, blank below"
            << "Single bar, single bar, clover on the payline. You win 20 credits."
            << "Credits: $1,018.00"
            << "Three single bars, 2 coins: pays 10, lit";
    }
    void spinIsReadAloud() {
        QFETCH(int, stake);
        QFETCH(QList<int>, stops);
        QFETCH(QString, firstReel);
        QFETCH(QString, sentence);
        QFETCH(QString, credits);
        QFETCH(QString, litCell);
        Machine machine;
        machine.state.LastBet = static_cast<std::uint8_t>(stake);
        QCOMPARE(machine.Interface()->text(QAccessible::Name), QStringLiteral("Slot machine"));
        machine.world.RestAt(stops[0], stops[1], stops[2]);

        machine.engine.Spin();

        QCOMPARE(machine.Text(MachinePart::Result), sentence);
        QCOMPARE(machine.Text(MachinePart::Credits), credits);
        QVERIFY(machine.Part(MachinePart::Winnings)->state().invisible);
        // Each reel is heard spinning, then once at rest as it reads now.
        for (int reel = 0; reel < 3; ++reel) {
            const auto part =
                static_cast<MachinePart>(static_cast<int>(MachinePart::FirstReel) + reel);
            const QString name = QStringLiteral("Reel %1").arg(reel + 1);
            QCOMPARE(NamesHeard(QAccessible::NameChanged, name),
                     QStringList({name + QStringLiteral(": spinning"), machine.Text(part)}));
        }
        QCOMPARE(machine.Text(MachinePart::FirstReel), firstReel);
        // The sentence is spoken when the reels stop, the credits once counted.
        const QStringList announced = Announced();
        QCOMPARE(announced.value(0), sentence);
        QCOMPARE(announced.size(), litCell.isEmpty() ? 1 : 2);
        QCOMPARE(NamesHeard(QAccessible::NameChanged, QStringLiteral("Credits")).last(), credits);

        QAccessibleTableInterface* table = machine.Part(MachinePart::PayTable)->tableInterface();
        const QList<QAccessibleInterface*> lit = table->selectedCells();
        QCOMPARE(lit.size(), litCell.isEmpty() ? 0 : 1);
        if (!litCell.isEmpty()) {
            QCOMPARE(lit.first()->text(QAccessible::Name), litCell);
            QCOMPARE(announced.value(1), credits);
            QVERIFY(!NamesHeard(QAccessible::NameChanged, QStringLiteral("Winnings: $")).isEmpty());
        }
    }

    void stakeLightsItsColumn() {
        Machine machine;
        QAccessibleTableInterface* table = machine.Part(MachinePart::PayTable)->tableInterface();
        machine.engine.BetOne();
        QCOMPARE(machine.Text(MachinePart::Bet), QStringLiteral("Bet in play: 1 credit"));
        QCOMPARE(table->selectedCellCount(), 8);
        QVERIFY(table->cellAt(0, 0)->state().selected);
        QVERIFY(!table->cellAt(0, 1)->state().selected);
        QCOMPARE(table->rowDescription(2), QStringLiteral("Three sevens"));
        QCOMPARE(table->columnDescription(1), QStringLiteral("2 Coins"));
    }
};

QTEST_MAIN(MachineReadoutTest)
#include "MachineReadoutTest.moc"
