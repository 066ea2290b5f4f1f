// SPDX-License-Identifier: MIT
// Saved win and lose sound paths read at start-up: a default left behind by a
// moved program is found again, a file the player chose is kept as saved.
#include "game/GameState.h"
#include "store/ProfileFile.h"
#include "store/SettingsFile.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using kelvory::GameState;
namespace SettingsFile = kelvory::SettingsFile;

class DefaultSoundPathTest : public QObject {
    Q_OBJECT
  private slots:
    void savedSoundPath_data();
    void savedSoundPath();
};

void DefaultSoundPathTest::savedSoundPath_data() {
    // "@" stands for a folder that exists; "#" too, and the path in it is a folder.
    QTest::addColumn<QString>("saved");
    QTest::addColumn<QString>("expected"); // "=" means the saved path itself
    const QString current = QStringLiteral("CURRENT");
    QTest::newRow("old build folder's default is the current one")
        << "/gone/build/app/KELVRY4.WAV" << current;
    QTest::newRow("Windows path of the default is the current one")
        << "C:\\GAMES\\KELVRY4.WAV" << current;
    QTest::newRow("default's name in another case is the current one")
        << "/gone/kelvry4.wav" << current;
    QTest::newRow("player's own missing file is kept") << "/gone/My Sounds/fanfare4.wav"
                                                       << "=";
    QTest::newRow("an existing file of the default's name is kept") << "@/KELVRY4.WAV"
                                                                    << "=";
    QTest::newRow("a folder of the default's name is kept") << "#/KELVRY4.WAV"
                                                            << "=";
    QTest::newRow("a name that merely ends like the default is kept") << "/gone/OLDKELVRY4.WAV"
                                                                      << "=";
    QTest::newRow("an empty path is kept") << ""
                                           << "=";
}

void DefaultSoundPathTest::savedSoundPath() {
    QFETCH(QString, saved);
    QFETCH(QString, expected);
    QTemporaryDir dir;
    const std::string folder = QFile::encodeName(dir.path()).toStdString();
    std::string stored = QFile::encodeName(saved).toStdString();
    if (stored.starts_with('@') || stored.starts_with('#')) {
        stored = folder + stored.substr(1);
    }
    // The lose sound is stored the same way, with a 5 for the 4.
    std::string loseStored = stored;
    if (!loseStored.empty()) {
        loseStored[loseStored.size() - 5] = '5';
    }
    for (const std::string& path : {stored, loseStored}) {
        QFile file(QFile::decodeName(path.c_str()));
        if (saved.startsWith(QLatin1Char('@'))) {
            QVERIFY(file.open(QIODevice::WriteOnly));
        } else if (saved.startsWith(QLatin1Char('#'))) {
            QVERIFY(QDir().mkdir(file.fileName()));
        }
    }
    const std::string ini = folder + "/KELVRY.INI";
    kelvory::ProfileFile::Write(ini, SettingsFile::kSection, "WinSound", stored);
    kelvory::ProfileFile::Write(ini, SettingsFile::kSection, "LoseSound", loseStored);

    GameState state;
    state.WinSound = folder + "/data/KELVRY4.WAV";
    state.LoseSound = folder + "/data/KELVRY5.WAV";
    const GameState defaults = state;
    SettingsFile::Load(ini, state);
    if (expected == QStringLiteral("=")) {
        QCOMPARE(state.WinSound, stored);
        QCOMPARE(state.LoseSound, loseStored);
    } else {
        QCOMPARE(state.WinSound, defaults.WinSound);
        QCOMPARE(state.LoseSound, defaults.LoseSound);
    }
}

QTEST_GUILESS_MAIN(DefaultSoundPathTest)
#include "DefaultSoundPathTest.moc"
