// SPDX-License-Identifier: MIT
// The [Preferences] section: full screen, volume and reduced motion.
#include "store/PreferencesSection.h"
#include "store/ProfileText.h"

#include <QTest>

using namespace kelvory;
using Preferences = PreferencesSection::Preferences;

Q_DECLARE_METATYPE(Preferences)

class PreferencesSectionTest : public QObject {
    Q_OBJECT
  private slots:
    void readsValuesDefaultsAndBadValues_data();
    void readsValuesDefaultsAndBadValues();
};

void PreferencesSectionTest::readsValuesDefaultsAndBadValues_data() {
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<Preferences>("expected");
    const Preferences defaults;
    QTest::newRow("no section") << QByteArray("[Settings]\nMaxed=1\n") << defaults;
    QTest::newRow("stored values")
        << QByteArray("[Preferences]\nFullScreen=1\nVolume=35\nReducedMotion=1\n")
        << Preferences{true, 35, true};
    QTest::newRow("silent and both ends of the range")
        << QByteArray("[preferences]\nvolume=0\n") << Preferences{false, 0, false};
    QTest::newRow("any non-zero switch is on")
        << QByteArray("[Preferences]\nFullScreen=2\nVolume=100\nReducedMotion=-1\n")
        << Preferences{true, 100, true};
    QTest::newRow("volume above the range")
        << QByteArray("[Preferences]\nVolume=101\n") << defaults;
    QTest::newRow("volume below the range") << QByteArray("[Preferences]\nVolume=-1\n") << defaults;
    QTest::newRow("words and empty values")
        << QByteArray("[Preferences]\nFullScreen=yes\nVolume=loud\nReducedMotion=\n") << defaults;
    QTest::newRow("volume beyond any integer")
        << QByteArray("[Preferences]\nVolume=99999999999999999999\n") << defaults;
}

void PreferencesSectionTest::readsValuesDefaultsAndBadValues() {
    QFETCH(QByteArray, file);
    QFETCH(Preferences, expected);
    const Preferences read = PreferencesSection::FromProfileText(file.toStdString());
    QCOMPARE(read.FullScreen, expected.FullScreen);
    QCOMPARE(read.Volume, expected.Volume);
    QCOMPARE(read.ReducedMotion, expected.ReducedMotion);
    // What a save writes reads back the same, and leaves [Settings] alone.
    const ProfileSection section = PreferencesSection::Section(read);
    const std::string saved =
        ProfileText::WriteSection(file.toStdString(), section.Name, section.Values);
    QVERIFY(PreferencesSection::FromProfileText(saved) == read);
    QCOMPARE(ProfileText::Read(saved, "Settings", "Maxed", "none"),
             ProfileText::Read(file.toStdString(), "Settings", "Maxed", "none"));
}

QTEST_APPLESS_MAIN(PreferencesSectionTest)
#include "PreferencesSectionTest.moc"
