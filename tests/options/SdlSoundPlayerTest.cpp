// SPDX-License-Identifier: MIT
#include "options/SdlSoundPlayer.h"
#include "options/DefaultSound.h"
#include "options/SoundEvents.h"
#include "options/WavImage.h"
#include "tests/support/ChildWithin.h"
#include "tests/support/FakeSoundWorld.h"
#include "tests/support/RuntimeDir.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <cmath>
#include <memory>

#include <sys/stat.h>

using namespace kelvory;
using kelvory::test::FakeSoundWorld;
using kelvory::test::PassesInChildWithin;
using kelvory::test::RuntimeDir;

namespace {
// Counts the stereo frames of the disk driver's output with an audible sample.
int AudibleFrames(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return -1;
    }
    const QByteArray bytes = file.readAll();
    const auto* samples = reinterpret_cast<const std::int16_t*>(bytes.constData());
    const qsizetype count = bytes.size() / 2;
    int frames = 0;
    for (qsizetype i = 0; i + 1 < count; i += 2) {
        frames += (std::abs(samples[i]) > 64 || std::abs(samples[i + 1]) > 64) ? 1 : 0;
    }
    return frames;
}

// The WAV bytes of a tone lasting lengthMs; silence at volume 0.
SoundImage Tone(double lengthMs, double volume = 0.3) {
    const int rate = 22050;
    std::vector<double> tone(static_cast<std::size_t>(rate * lengthMs / 1000));
    for (std::size_t i = 0; i < tone.size(); ++i) {
        tone[i] = volume * std::sin(2 * 3.14159265 * 440.0 * static_cast<double>(i) / rate);
    }
    return WavImage::FromSamples(WavImage::ToPcm16(tone), rate);
}

// A WAV file of a soft tone lasting lengthMs.
bool WriteTone(const QString& path, double lengthMs) {
    const auto bytes = Tone(lengthMs);
    QFile file(path);
    return file.open(QIODevice::WriteOnly) &&
           file.write(reinterpret_cast<const char*>(bytes.data()),
                      static_cast<qint64>(bytes.size())) == static_cast<qint64>(bytes.size());
}
} // namespace

class SdlSoundPlayerTest : public QObject {
    Q_OBJECT
  private:
    QTemporaryDir dir_;
    QString output_;
    GameState state_;
    SoundImages images_;
    FakeSoundWorld world_;

    // Waits until the sound in progress has been played out: the audio
    // thread's own pace, not the wall clock, decides what reached the file.
    static bool PlayedOut(const SdlSoundPlayer& player) {
        return QTest::qWaitFor([&] { return !player.IsPlaying(); }, 60000);
    }

    // A player writing what it plays to a fresh file of the disk driver.
    std::unique_ptr<SdlSoundPlayer> DiskPlayer() {
        static int n = 0;
        output_ = dir_.filePath(QStringLiteral("out%1.raw").arg(++n));
        qputenv("SDL_AUDIODRIVER", "disk");
        qputenv("SDL_DISKAUDIOFILE", output_.toLocal8Bit());
        auto player = std::make_unique<SdlSoundPlayer>();
        return player;
    }

  private slots:
    void initTestCase() {
        QVERIFY(dir_.isValid());
        QCOMPARE(images_.Load(RuntimeDir().toStdString()), "");
    }
    void init() { state_ = GameState(); }

    void coinSoundComesOut() {
        {
            auto player = DiskPlayer();
            QCOMPARE(player->DriverName(), "disk");
            SoundEvents events(state_, images_, *player, world_, world_);
            events.PlayCoinSound();
            QVERIFY(PlayedOut(*player));
        }
        QVERIFY(AudibleFrames(output_) > 2000);
    }

    void switchedOffSoundIsSilent_data() {
        QTest::addColumn<bool>("master");
        QTest::addColumn<bool>("coins");
        QTest::newRow("coin sound off") << true << false;
        QTest::newRow("master switch off") << false << true;
    }
    void switchedOffSoundIsSilent() {
        QFETCH(bool, master);
        QFETCH(bool, coins);
        state_.Sound = master;
        state_.sndCoins = coins;
        {
            auto player = DiskPlayer();
            SoundEvents events(state_, images_, *player, world_, world_);
            events.PlayCoinSound();
            QVERIFY(!player->IsPlaying());
        }
        QCOMPARE(AudibleFrames(output_), 0);
    }

    void rapidCreditSoundsKeepPlaying() {
        {
            auto player = DiskPlayer();
            SoundEvents events(state_, images_, *player, world_, world_);
            for (int i = 0; i < 200; ++i) {
                events.PlayCreditSound();
                QTest::qWait(5);
            }
            QVERIFY(PlayedOut(*player));
        }
        // Cut off every 5 ms, the ticks still fill most of the second.
        QVERIFY2(AudibleFrames(output_) > 44100 / 2,
                 qPrintable(QString::number(AudibleFrames(output_))));
    }

    void soundInProgressEnds_data() {
        QTest::addColumn<bool>("byNewSound"); // else stopped
        QTest::newRow("by a new sound") << true;
        QTest::newRow("by a stop") << false;
    }
    void soundInProgressEnds() {
        QFETCH(bool, byNewSound);
        {
            auto player = DiskPlayer();
            const double winMs = player->PlayFile((RuntimeDir() + "KELVRY4.WAV").toStdString());
            QVERIFY(winMs > 500);
            byNewSound ? player->PlayImage(images_.CreditSoundImage) : player->Stop();
            QCOMPARE(player->IsPlaying(), byNewSound);
            QVERIFY(PlayedOut(*player));
        }
        const int audible = AudibleFrames(output_);
        QVERIFY(byNewSound ? audible > 0 : audible >= 0);
        QVERIFY2(audible < 44100 * 0.3, qPrintable(QString::number(audible)));
    }

    void unplayableFileGivesTheDefaultSound_data() {
        QTest::addColumn<QString>("path");
        QTest::newRow("missing file") << "/no/such/folder/win.wav";
        QTest::newRow("not a sound") << RuntimeDir();
        QTest::newRow("empty path") << "";
    }
    void unplayableFileGivesTheDefaultSound() {
        QFETCH(QString, path);
        {
            auto player = DiskPlayer();
            QCOMPARE(player->PlayFile(path.toStdString()), DefaultSound::kLengthMs);
            QVERIFY(PlayedOut(*player));
            QCOMPARE(QApplication::activeModalWidget(), nullptr);
            QVERIFY(QApplication::topLevelWidgets().isEmpty());
        }
        QVERIFY(AudibleFrames(output_) > 1000);
    }

    void endlessOrHugeFileGivesTheDefaultSound_data() {
        QTest::addColumn<QString>("path");
        const QString pipe = dir_.filePath(QStringLiteral("pipe.wav"));
        QVERIFY(::mkfifo(QFile::encodeName(pipe).constData(), 0600) == 0);
        // A playable sound, made longer than 64 MB by a sparse end.
        const QString huge = dir_.filePath(QStringLiteral("huge.wav"));
        QFile file(huge);
        QVERIFY(WriteTone(huge, 100) && file.open(QIODevice::ReadWrite) &&
                file.resize(static_cast<qint64>(SoundImages::kMaxFileBytes) + 1));
        QTest::newRow("named pipe") << pipe;
        QTest::newRow("endless device") << "/dev/zero";
        QTest::newRow("file over 64 MB") << huge;
    }
    void endlessOrHugeFileGivesTheDefaultSound() {
        QFETCH(QString, path);
        const auto playsTheDefault = [&] {
            qputenv("SDL_AUDIODRIVER", "dummy");
            SdlSoundPlayer player;
            return player.PlayFile(QFile::encodeName(path).toStdString()) ==
                   DefaultSound::kLengthMs;
        };
        // No memory limit: SDL's loader would take a failed allocation for an
        // unplayable file. The alarm stops its read, which grows slowly.
        QVERIFY(PassesInChildWithin(4, playsTheDefault));
    }

    void longPathPlaysWhole_data() {
        QTest::addColumn<int>("length");
        QTest::newRow("101 characters") << 101;
        QTest::newRow("230 characters") << 230;
        QTest::newRow("255 characters") << 255;
    }
    void longPathPlaysWhole() {
        QFETCH(int, length);
        // Folders of up to 60 characters, then a file name filling the rest.
        QString path = dir_.path();
        QDir().mkpath(path);
        while (length - path.size() > 80) {
            path += QLatin1Char('/') + QString(60, QLatin1Char('d'));
            QVERIFY(QDir().mkpath(path));
        }
        const int nameLength = length - static_cast<int>(path.size()) - 1 - 4;
        QVERIFY(nameLength > 0);
        path += QLatin1Char('/') + QString(nameLength, QLatin1Char('n')) + QStringLiteral(".wav");
        QCOMPARE(path.size(), length);
        QVERIFY(WriteTone(path, 400));
        auto player = DiskPlayer();
        QCOMPARE(std::lround(player->PlayFile(path.toStdString())), 400);
    }

    void noDeviceMeansSilentPlay() {
        qputenv("SDL_AUDIODRIVER", "no-such-driver");
        SdlSoundPlayer player;
        QVERIFY(player.IsOpen());
        QCOMPARE(player.DriverName(), "dummy");
        player.PlayImage(images_.CoinSoundImage);
        QVERIFY(player.PlayFile((RuntimeDir() + "KELVRY5.WAV").toStdString()) > 100);
        QCOMPARE(QApplication::activeModalWidget(), nullptr);
    }

    void imageChangedInPlacePlaysItsNewSound() {
        {
            auto player = DiskPlayer();
            SoundImage image = Tone(200, 0.0);
            player->PlayImage(image);
            QVERIFY(PlayedOut(*player));
            const SoundImage tone = Tone(200);
            QCOMPARE(tone.size(), image.size());
            std::copy(tone.begin(), tone.end(), image.begin());
            player->PlayImage(image);
            QVERIFY(PlayedOut(*player));
        }
        QVERIFY(AudibleFrames(output_) > 44100 / 10);
    }

    void emptyImageIsSilent() {
        {
            auto player = DiskPlayer();
            const SoundImage missing;
            const SoundImage garbage{1, 2, 3, 4};
            player->PlayImage(missing);
            player->PlayImage(garbage);
            QVERIFY(!player->IsPlaying());
        }
        QCOMPARE(AudibleFrames(output_), 0);
    }
};

QTEST_MAIN(SdlSoundPlayerTest)
#include "SdlSoundPlayerTest.moc"
