// SPDX-License-Identifier: MIT
#include "options/SoundEvents.h"
#include "game/SlotEngine.h"
#include "tests/support/FakeSoundWorld.h"
#include "tests/support/QuietDisplay.h"

#include <QTest>

using namespace kelvory;
using kelvory::test::FakeSoundWorld;
using kelvory::test::QuietDisplay;

namespace {

enum Event { Stop, Spin, Coin, Credit, Win, Lose };

void Fire(SoundEvents& events, int event) {
    switch (event) {
    case Stop:
        events.PlayStopSound();
        break;
    case Spin:
        events.PlaySpinSound();
        break;
    case Coin:
        events.PlayCoinSound();
        break;
    case Credit:
        events.PlayCreditSound();
        break;
    case Win:
        events.PlayWinSound();
        break;
    case Lose:
        events.PlayLoseSound();
        break;
    }
}

bool GameState::*SwitchOf(int event) {
    bool GameState::*const switches[] = {&GameState::sndStop,  &GameState::sndSpin,
                                         &GameState::sndCoins, &GameState::sndCredits,
                                         &GameState::sndWin,   &GameState::sndLose};
    return switches[event];
}
} // namespace

class SoundEventsTest : public QObject {
    Q_OBJECT
  private:
    GameState state_;
    SoundImages images_;
    FakeSoundWorld world_;

    int Played(int event) const {
        switch (event) {
        case Stop:
            return world_.Count(images_.StopSoundImage);
        case Spin:
            return world_.Count(images_.SpinSoundImage);
        case Coin:
            return world_.Count(images_.CoinSoundImage);
        case Credit:
            return world_.Count(images_.CreditSoundImage);
        case Win:
            return static_cast<int>(
                std::count(world_.files.begin(), world_.files.end(), state_.WinSound));
        default:
            return static_cast<int>(
                std::count(world_.files.begin(), world_.files.end(), state_.LoseSound));
        }
    }

  private slots:
    void init() {
        state_ = GameState();
        state_.WinSound = "/sounds/win.wav";
        state_.LoseSound = "/sounds/lose.wav";
        images_ = SoundImages();
        images_.StopSoundImage = {0};
        images_.SpinSoundImage = {1};
        images_.CoinSoundImage = {2};
        images_.CreditSoundImage = {3};
        world_ = FakeSoundWorld();
    }

    void eventPlaysOnlyWithBothSwitches_data() {
        QTest::addColumn<int>("event");
        QTest::addColumn<bool>("master");
        QTest::addColumn<bool>("own");
        QTest::addColumn<int>("plays");
        const char* names[] = {"stop", "spin", "coin", "credit", "win", "lose"};
        for (int e = Stop; e <= Lose; ++e) {
            QTest::addRow("%s both on", names[e]) << e << true << true << 1;
            QTest::addRow("%s own off", names[e]) << e << true << false << 0;
            QTest::addRow("%s master off", names[e]) << e << false << true << 0;
        }
    }
    void eventPlaysOnlyWithBothSwitches() {
        QFETCH(int, event);
        QFETCH(bool, master);
        QFETCH(bool, own);
        QFETCH(int, plays);
        state_.Sound = master;
        state_.*SwitchOf(event) = own;
        SoundEvents events(state_, images_, world_, world_, world_);
        Fire(events, event);
        QCOMPARE(Played(event), plays);
        QCOMPARE(static_cast<int>(world_.images.size() + world_.files.size()), plays);
    }

    void masterSwitchKeepsTheOtherSwitches() {
        SoundEvents events(state_, images_, world_, world_, world_);
        const GameState before = state_;
        state_.Sound = false;
        for (int e = Stop; e <= Lose; ++e) {
            state_.*SwitchOf(e) = true;
            Fire(events, e);
            state_.*SwitchOf(e) = before.*SwitchOf(e);
        }
        QVERIFY(world_.images.empty() && world_.files.empty());
        state_.Sound = true;
        events.PlayCoinSound();
        events.PlaySpinSound(); // off by default
        QCOMPARE(world_.Count(images_.CoinSoundImage), 1);
        QCOMPARE(world_.Count(images_.SpinSoundImage), 0);
    }

    void switchesAreReadAtEachCall() {
        SoundEvents events(state_, images_, world_, world_, world_);
        events.PlayCreditSound();
        state_.sndCredits = false;
        events.PlayCreditSound();
        state_.sndCredits = true;
        events.PlayCreditSound();
        QCOMPARE(world_.Count(images_.CreditSoundImage), 2);
    }

    void winSoundReturnsWhenItHasEnded_data() {
        QTest::addColumn<double>("lengthMs");
        QTest::newRow("long file") << 1234.5;
        QTest::newRow("nothing played") << 0.0;
    }
    void winSoundReturnsWhenItHasEnded() {
        QFETCH(double, lengthMs);
        world_.now = 1000.0;
        world_.fileLengthMs = lengthMs;
        SoundEvents events(state_, images_, world_, world_, world_);
        events.PlayWinSound();
        QCOMPARE(world_.now, 1000.0 + lengthMs);
        // The window's events run while it waits.
        QCOMPARE(world_.pumpCalls > 0, lengthMs > 0);
    }

    void playFileAndWaitIgnoresTheSwitches() {
        state_.Sound = false;
        state_.sndLose = false;
        SoundEvents events(state_, images_, world_, world_, world_);
        events.PlayFileAndWait(state_.LoseSound);
        QCOMPARE(world_.files, std::vector<std::string>{state_.LoseSound});
    }

    void spinScheduleBySpeed_data() {
        QTest::addColumn<int>("speed");
        QTest::addColumn<int>("spinSounds");
        QTest::newRow("very fast: every 5th tick") << 10 << 19;
        QTest::newRow("fast: every 4th tick") << 25 << 24;
        QTest::newRow("medium: every 3rd tick") << 40 << 32;
        QTest::newRow("slow: every 2nd tick") << 55 << 49;
        QTest::newRow("other speed: no spinning sound") << 33 << 0;
    }
    void spinScheduleBySpeed() {
        QFETCH(int, speed);
        QFETCH(int, spinSounds);
        state_.Speed = speed;
        state_.sndSpin = true;
        state_.LastBet = 1;
        QuietDisplay quiet;
        SoundEvents events(state_, images_, world_, world_, world_);
        SlotEngine engine(state_, {world_, world_, quiet, events, quiet, quiet, quiet});
        engine.Spin();
        QCOMPARE(world_.Count(images_.StopSoundImage), 3);
        QCOMPARE(world_.Count(images_.SpinSoundImage), spinSounds);
    }

    void spinSoundCutsTheStopSoundOfTick59() {
        state_.sndSpin = true;
        state_.LastBet = 1;
        QuietDisplay quiet;
        SoundEvents events(state_, images_, world_, world_, world_);
        SlotEngine engine(state_, {world_, world_, quiet, events, quiet, quiet, quiet});
        engine.Spin();
        // The first stop sound is followed directly by the spinning sound of tick 60.
        const auto stop =
            std::find(world_.images.begin(), world_.images.end(), &images_.StopSoundImage);
        QVERIFY(stop != world_.images.end() && stop + 1 != world_.images.end());
        QCOMPARE(*(stop + 1), &images_.SpinSoundImage);
    }

    void volumePreviewPlaysTheCoinAtTheNewLevel_data() {
        QTest::addColumn<int>("requested");
        QTest::addColumn<int>("heard");
        QTest::newRow("a level in range") << 35 << 35;
        QTest::newRow("below silence") << -5 << 0;
        QTest::newRow("above full") << 250 << 100;
    }
    void volumePreviewPlaysTheCoinAtTheNewLevel() {
        QFETCH(int, requested);
        QFETCH(int, heard);
        state_.Sound = false; // the preview is the player's own request
        SoundEvents events(state_, images_, world_, world_, world_);
        events.SetVolume(requested);
        events.PreviewCoinSound();
        QCOMPARE(world_.Count(images_.CoinSoundImage), 1);
        QCOMPARE(world_.imageVolumes, std::vector<int>{heard});
    }

    void closingCutsFileSoundsShort() {
        state_.sndLose = true;
        SoundEvents events(state_, images_, world_, world_, world_);
        events.SetCutShort(true);
        QCOMPARE(world_.stops, 1);
        const double start = world_.now;
        events.PlayWinSound();
        events.PlayLoseSound();
        QVERIFY(world_.files.empty());
        QCOMPARE(world_.now, start);
        events.SetCutShort(false);
        events.PlayWinSound();
        QCOMPARE(world_.now, start + world_.fileLengthMs);
    }

    void endOfSessionCutsTheWaitInProgress() {
        // The session ends during the first wait, whose pump then returns early.
        struct EndingWorld : FakeSoundWorld {
            SoundEvents* events = nullptr;
            void WaitUntil(double) override {
                ++pumpCalls;
                now += 10.0;
                events->SetCutShort(true);
            }
        } world;
        SoundEvents events(state_, images_, world, world, world);
        world.events = &events;
        events.PlayFileAndWait(state_.LoseSound);
        QCOMPARE(world.pumpCalls, 1);
        QCOMPARE(world.stops, 1);
    }
};

QTEST_GUILESS_MAIN(SoundEventsTest)
#include "SoundEventsTest.moc"
