// SPDX-License-Identifier: MIT
#include "options/SoundImages.h"
#include "tests/support/ChildWithin.h"
#include "tests/support/RuntimeDir.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <cmath>
#include <cstring>

#include <sys/stat.h>

using namespace kelvory;
using kelvory::test::PassesInChildWithin;
using kelvory::test::RuntimeDir;

namespace {
struct Wav {
    int channels = 0;
    int rate = 0;
    int bits = 0;
    std::vector<double> samples; // -1..1
};

std::uint32_t Le(const SoundImage& b, std::size_t at, int bytes) {
    std::uint32_t v = 0;
    for (int i = bytes - 1; i >= 0; --i) {
        v = (v << 8) | b.at(at + static_cast<std::size_t>(i));
    }
    return v;
}

Wav Parse(const SoundImage& b) {
    Wav wav;
    if (b.size() < 44 || std::memcmp(b.data(), "RIFF", 4) != 0 ||
        std::memcmp(b.data() + 8, "WAVEfmt ", 8) != 0 || Le(b, 20, 2) != 1) {
        return wav;
    }
    wav.channels = static_cast<int>(Le(b, 22, 2));
    wav.rate = static_cast<int>(Le(b, 24, 4));
    wav.bits = static_cast<int>(Le(b, 34, 2));
    const std::size_t bytes = Le(b, 40, 4);
    for (std::size_t at = 44; at + 1 < 44 + bytes && at + 1 < b.size(); at += 2) {
        wav.samples.push_back(static_cast<std::int16_t>(Le(b, at, 2)) / 32768.0);
    }
    return wav;
}

double Peak(const std::vector<double>& s, std::size_t from, std::size_t to) {
    double peak = 0;
    for (std::size_t i = from; i < to && i < s.size(); ++i) {
        peak = std::max(peak, std::abs(s[i]));
    }
    return peak;
}
} // namespace

class SoundFilesTest : public QObject {
    Q_OBJECT
    QTemporaryDir dir_;

  private slots:
    void generatedSoundIsShortCleanPcm_data() {
        QTest::addColumn<QString>("file");
        QTest::addColumn<int>("maxMs");
        QTest::newRow("reel stop click") << "KELVRY0.WAV" << 120;
        QTest::newRow("spinning whirr") << "KELVRY1.WAV" << 120;
        QTest::newRow("coin clink") << "KELVRY2.WAV" << 400;
        QTest::newRow("credit tick") << "KELVRY3.WAV" << 80;
        QTest::newRow("win jingle") << "KELVRY4.WAV" << 1500;
        QTest::newRow("lose tone") << "KELVRY5.WAV" << 1000;
    }
    void generatedSoundIsShortCleanPcm() {
        QFETCH(QString, file);
        QFETCH(int, maxMs);
        SoundImage bytes;
        QCOMPARE(SoundImages::ReadFile((RuntimeDir() + file).toStdString(), bytes), "");
        const Wav wav = Parse(bytes);
        QCOMPARE(wav.bits, 16);
        QCOMPARE(wav.channels, 1);
        QVERIFY(wav.rate == 44100 || wav.rate == 22050);
        const double ms = 1000.0 * static_cast<double>(wav.samples.size()) / wav.rate;
        QVERIFY2(ms > 20 && ms <= maxMs, qPrintable(QString::number(ms)));
        // Audible but not clipping, and no click at either end.
        const double peak = Peak(wav.samples, 0, wav.samples.size());
        QVERIFY(peak > 0.15 && peak < 0.95);
        QVERIFY(std::abs(wav.samples.front()) < 0.01);
        QVERIFY(std::abs(wav.samples.back()) < 0.01);
    }

    void creditTickIsLoudInItsFirstMilliseconds() {
        // Cut off every 5 ms during a long payout, it must still be heard.
        SoundImage bytes;
        QCOMPARE(SoundImages::ReadFile((RuntimeDir() + "KELVRY3.WAV").toStdString(), bytes), "");
        const Wav wav = Parse(bytes);
        const auto at = [&](double ms) { return static_cast<std::size_t>(ms * wav.rate / 1000); };
        const double whole = Peak(wav.samples, 0, wav.samples.size());
        QVERIFY(Peak(wav.samples, 0, at(2)) > 0.8 * whole);
        QVERIFY(Peak(wav.samples, at(30), wav.samples.size()) < 0.3 * whole);
    }

    void loadReadsTheFourImagesWhole() {
        SoundImages images;
        QCOMPARE(images.Load(RuntimeDir().toStdString()), "");
        QFile coin(RuntimeDir() + "KELVRY2.WAV");
        QVERIFY(coin.open(QIODevice::ReadOnly));
        const QByteArray expected = coin.readAll();
        QCOMPARE(QByteArray(reinterpret_cast<const char*>(images.CoinSoundImage.data()),
                            static_cast<int>(images.CoinSoundImage.size())),
                 expected);
        QVERIFY(!images.StopSoundImage.empty() && !images.SpinSoundImage.empty() &&
                !images.CreditSoundImage.empty());
    }

    void loadFailureKeepsTheOtherImages_data() {
        QTest::addColumn<int>("broken");
        QTest::addColumn<bool>("asFolder");
        QTest::addColumn<QString>("error");
        QTest::newRow("stop sound missing") << 0 << false << "File not found";
        QTest::newRow("credit sound missing") << 3 << false << "File not found";
        QTest::newRow("spin sound unreadable") << 1 << true << "Is a directory";
    }
    void loadFailureKeepsTheOtherImages() {
        QFETCH(int, broken);
        QFETCH(bool, asFolder);
        QFETCH(QString, error);
        QTemporaryDir dir;
        for (int i = 0; i < 4; ++i) {
            const QString name = QString::fromLatin1(SoundImages::kFileNames[i]);
            if (i != broken) {
                QVERIFY(QFile::copy(RuntimeDir() + name, dir.filePath(name)));
            } else if (asFolder) {
                QVERIFY(QDir(dir.path()).mkdir(name));
            }
        }
        SoundImages images;
        QCOMPARE(QString::fromStdString(images.Load((dir.path() + "/").toStdString())), error);
        const SoundImage* all[] = {&images.StopSoundImage, &images.SpinSoundImage,
                                   &images.CoinSoundImage, &images.CreditSoundImage};
        for (int i = 0; i < 4; ++i) {
            QCOMPARE(all[i]->empty(), i == broken);
        }
    }

    void readFileTakesOnlyRegularFilesUpTo64Mb_data() {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("error");
        QTest::addColumn<qint64>("bytes");
        const QString pipe = dir_.filePath(QStringLiteral("pipe.wav"));
        QVERIFY(::mkfifo(QFile::encodeName(pipe).constData(), 0600) == 0);
        // Sparse files: long, but nothing written to disk.
        const auto sparse = [this](const char* name, qint64 size) {
            QFile file(dir_.filePath(QString::fromLatin1(name)));
            return file.open(QIODevice::WriteOnly) && file.resize(size) ? file.fileName() : "";
        };
        const auto limit = static_cast<qint64>(SoundImages::kMaxFileBytes);
        QTest::newRow("named pipe refused without waiting for a writer")
            << pipe << "Invalid argument" << 0LL;
        QTest::newRow("endless device refused") << "/dev/zero"
                                                << "Invalid argument" << 0LL;
        QTest::newRow("file over 64 MB treated as missing")
            << sparse("huge.wav", limit + 1) << "File not found" << 0LL;
        QTest::newRow("file of 64 MB read") << sparse("large.wav", limit) << "" << limit;
    }
    void readFileTakesOnlyRegularFilesUpTo64Mb() {
        QFETCH(QString, path);
        QFETCH(QString, error);
        QFETCH(qint64, bytes);
        const auto readsAsExpected = [&] {
            SoundImage image;
            const std::string text =
                SoundImages::ReadFile(QFile::encodeName(path).toStdString(), image);
            if (QString::fromStdString(text) != error ||
                static_cast<qint64>(image.size()) != bytes) {
                qWarning("ReadFile gave '%s' and %zu bytes", text.c_str(), image.size());
                return false;
            }
            return true;
        };
        // A read that never ends fails at 1 GiB, long before the alarm.
        QVERIFY(PassesInChildWithin(4, readsAsExpected, std::size_t{1} << 30));
    }
};

QTEST_GUILESS_MAIN(SoundFilesTest)
#include "SoundFilesTest.moc"
