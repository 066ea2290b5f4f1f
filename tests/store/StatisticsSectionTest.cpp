// SPDX-License-Identifier: MIT
// The [Statistics] section: what a stored section reads as, and a save that
// leaves everything else of the file as it was.
#include "store/StatisticsSection.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using kelvory::PlayerStatistics;
using kelvory::PlayTally;
namespace StatisticsSection = kelvory::StatisticsSection;

namespace {

PlayTally SomePlay(std::int64_t scale) {
    PlayTally tally;
    tally.Spins = 10 * scale;
    tally.Staked = 15 * scale;
    tally.Paid = 12 * scale;
    tally.Wins = {0, 0, 1, 0, 0, 0, scale, 2 * scale};
    tally.BiggestWin = 200;
    tally.LongestLosingRun = 4;
    tally.LosingRun = 2;
    tally.PlayedMs = 61000 * scale;
    return tally;
}

} // namespace

class StatisticsSectionTest : public QObject {
    Q_OBJECT
  private slots:
    void storedSection_data() {
        QTest::addColumn<QString>("section");
        QTest::addColumn<bool>("readsAsZero");
        const QString whole = "Spins=3\nStaked=4\nPaid=202\nWins3=1\nWins7=1\nBiggestWin=200\n"
                              "LongestLosingRun=1\nSeconds=9\nGameSpins=1\nGameStaked=2\n";
        QTest::newRow("whole section") << whole << false;
        QTest::newRow("blanks around values") << "Spins = 3 \nStaked= 4\nPaid=202\n" << false;
        QTest::newRow("no section") << "" << true;
        QTest::newRow("letters") << whole + "GamePaid=lots\n" << true;
        QTest::newRow("negative") << "Spins=-3\n" << true;
        QTest::newRow("hexadecimal") << "Spins=0x10\nStaked=0x10\n" << true;
        QTest::newRow("beyond 64 bits") << "Spins=99999999999999999999\n" << true;
        QTest::newRow("empty value") << "Spins=\n" << true;
        QTest::newRow("more wins than spins") << "Spins=1\nStaked=1\nWins1=1\nWins8=1\n" << true;
        QTest::newRow("stake above two credits") << "Spins=1\nStaked=3\n" << true;
        QTest::newRow("current game longer than all games") << "GameSpins=1\nGameStaked=1\n"
                                                            << true;
        QTest::newRow("wins whose sum leaves 64 bits")
            << "Spins=5\nStaked=5\nWins1=4611686018427387904\nWins2=4611686018427387904\n"
            << true;
        QTest::newRow("seconds beyond any clock") << "Seconds=9223372036854775807\n" << true;
    }
    void storedSection() {
        QFETCH(QString, section);
        QFETCH(bool, readsAsZero);
        const std::string text = "[Settings]\nSpins=5\n[Statistics]\n" + section.toStdString();
        const StatisticsSection::Tallies read = StatisticsSection::FromProfileText(text);
        QCOMPARE(read == StatisticsSection::Tallies{}, readsAsZero);
        if (!readsAsZero) {
            QCOMPARE(read.allTime.Spins, 3);
            QCOMPARE(read.allTime.Staked, 4);
        }
    }

    void storedTrack_data() {
        QTest::addColumn<QString>("track"); // the lines after the counters
        QTest::addColumn<int>("points");
        QString tooLong = "0 0";
        // Cut at 16 KB, it would still look like a track.
        for (int i = 0; i < 980; ++i) {
            tooLong += ",1 0 -10000000000";
        }
        QTest::newRow("a game's track") << "Track=0 0,1 0 -1,1 0 1,0 1 198\n" << 4;
        QTest::newRow("no track, as before tracks were kept") << "" << 0;
        QTest::newRow("letters") << "Track=0 0,1 x 2\n" << 0;
        QTest::newRow("a point without a spin") << "Track=0 0,0 0 5\n" << 0;
        QTest::newRow("spins taken back") << "Track=0 0,2 0 5,-1 0 5\n" << 0;
        QTest::newRow("a field too many") << "Track=0 0,1 0 1 1\n" << 0;
        QTest::newRow("a comma at the end") << "Track=0 0,\n" << 0;
        QTest::newRow("more points than a track keeps")
            << "Track=0 0" + QString(",1 0 0").repeated(1000) + "\n"
            << 0;
        QTest::newRow("longer than 16 KB") << "Track=" + tooLong + "\n" << 0;
    }
    void storedTrack() {
        QFETCH(QString, track);
        QFETCH(int, points);
        const std::string text =
            "[Statistics]\nSpins=3\nStaked=4\nPaid=202\n" + track.toStdString();
        const StatisticsSection::Tallies read = StatisticsSection::FromProfileText(text);
        QCOMPARE(read.allTime.Spins, 3);
        QCOMPARE(read.track.size(), std::size_t(points));
    }

    void trackComesBack_data() {
        QTest::addColumn<int>("spins");
        QTest::addColumn<bool>("newGame");
        QTest::newRow("a short game") << 3 << false;
        QTest::newRow("a long game, thinned as it grew") << 5000 << false;
        QTest::newRow("File > New") << 40 << true;
    }
    void trackComesBack() {
        QFETCH(int, spins);
        QFETCH(bool, newGame);
        PlayerStatistics played;
        for (int spin = 0; spin < spins; ++spin) {
            played.RecordSpin(spin % 3 == 0 ? 1 : 2, spin % 7 == 0 ? 12 : 0, 4, 0);
        }
        if (newGame) {
            played.NewGame();
        }
        std::string text = "[Statistics]\n";
        for (const auto& [key, value] :
             StatisticsSection::Values(played.AllTime(), played.Game(), played.Track())) {
            text += key + '=' + value + '\n';
        }
        const StatisticsSection::Tallies read = StatisticsSection::FromProfileText(text);
        PlayerStatistics restored;
        restored.Restore(read.allTime, read.game, 0, read.track);
        QCOMPARE(restored.Track(), played.Track());
        QCOMPARE(restored.Track().size() == 1, newGame);
    }

    void trackTooLongForTheFileIsThinnedToFit() {
        StatisticsSection::Track track(PlayerStatistics::kMaxTrackPoints);
        for (std::size_t i = 1; i < track.size(); ++i) {
            track[i] = track[i - 1];
            ++track[i].spin;
            ++track[i].oneCreditSpins;
            track[i].net -= 1e13;
        }
        PlayTally game;
        game.Spins = game.Staked = track.back().spin;
        const StatisticsSection::KeyValues values = StatisticsSection::Values(game, game, track);
        QCOMPARE(values.back().first, "Track");
        QVERIFY(values.back().second.size() <= StatisticsSection::kMaxTrackText);
        const StatisticsSection::Track read =
            StatisticsSection::FromProfileText("[Statistics]\nTrack=" + values.back().second).track;
        QVERIFY(read.size() > track.size() / 4);
        QCOMPARE(read.back(), track.back());
    }

    void saveKeepsUnknownKeysAndReadsBack() {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("KELVRY.INI"));
        const QByteArray before = "; the player's own note\r\n[Settings]\r\nSpins=7\r\n"
                                  "[Statistics]\r\nLuckyNumber=7\r\nSpins=1\r\n[Other]\r\nA=b\r\n";
        {
            QFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(before);
        }
        const StatisticsSection::Tallies saved{SomePlay(3), SomePlay(1), {}};
        StatisticsSection::Save(QFile::encodeName(path).toStdString(), saved.allTime, saved.game);
        QCOMPARE(StatisticsSection::Load(QFile::encodeName(path).toStdString()), saved);

        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray after = file.readAll();
        QVERIFY(after.startsWith("; the player's own note\r\n[Settings]\r\nSpins=7\r\n"
                                 "[Statistics]\r\nLuckyNumber=7\r\nSpins=30\r\n"));
        QVERIFY(after.contains("\r\n[Other]\r\nA=b\r\n"));
        QVERIFY(after.contains("\r\nStaked=45\r\nPaid=36\r\n"));
        QVERIFY(after.contains("\r\nGameSeconds=61\r\n"));
    }
};

QTEST_APPLESS_MAIN(StatisticsSectionTest)
#include "StatisticsSectionTest.moc"
