// SPDX-License-Identifier: MIT
// Reading and editing the INI text of the profile file.
#include "store/ProfileText.h"

#include <QTest>

namespace ProfileText = kelvory::ProfileText;

class ProfileTextTest : public QObject {
    Q_OBJECT
  private slots:
    void read_data();
    void read();
    void write_data();
    void write();
    void writtenValueReadsBack_data();
    void writtenValueReadsBack();
    void prefix_data();
    void prefix();
};

void ProfileTextTest::read_data() {
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<QByteArray>("section");
    QTest::addColumn<QByteArray>("key");
    QTest::addColumn<QByteArray>("expected");

    const QByteArray file = "; written by hand\n[Settings]\nCredits=12.50\nSpeed = 25 \n"
                            "\n[Saved Game 1]\nName=C:\\games\\my game\\\n";
    QTest::newRow("empty text gives the default")
        << QByteArray() << QByteArray("Settings") << QByteArray("Credits") << QByteArray("DEF");
    QTest::newRow("missing section gives the default")
        << file << QByteArray("Other") << QByteArray("Credits") << QByteArray("DEF");
    QTest::newRow("missing key gives the default")
        << file << QByteArray("Settings") << QByteArray("Borrowed") << QByteArray("DEF");
    QTest::newRow("stored value") << file << QByteArray("Settings") << QByteArray("Credits")
                                  << QByteArray("12.50");
    QTest::newRow("names ignore case")
        << file << QByteArray("SETTINGS") << QByteArray("credits") << QByteArray("12.50");
    QTest::newRow("blanks around names and values do not count")
        << file << QByteArray("Settings") << QByteArray("Speed") << QByteArray("25");
    QTest::newRow("section with blanks, backslashes kept")
        << file << QByteArray("saved game 1") << QByteArray("Name")
        << QByteArray("C:\\games\\my game\\");
    QTest::newRow("key of another section is not seen")
        << file << QByteArray("Saved Game 1") << QByteArray("Credits") << QByteArray("DEF");
    QTest::newRow("empty value is a value")
        << QByteArray("[S]\nk=\n") << QByteArray("S") << QByteArray("k") << QByteArray("");
    QTest::newRow("first of two equal keys")
        << QByteArray("[S]\nk=1\nk=2\n") << QByteArray("S") << QByteArray("k") << QByteArray("1");
    QTest::newRow("key in a repeated section")
        << QByteArray("[S]\na=1\n[T]\n[S]\nk=2\n") << QByteArray("S") << QByteArray("k")
        << QByteArray("2");
    QTest::newRow("comment lines are not keys")
        << QByteArray("[S]\n;k=1\n#k=2\nk=3\n") << QByteArray("S") << QByteArray("k")
        << QByteArray("3");
    QTest::newRow("CRLF line ends")
        << QByteArray("[S]\r\nk=v\r\n") << QByteArray("S") << QByteArray("k") << QByteArray("v");
    QTest::newRow("CR line ends in a file without LF")
        << QByteArray("[A]\rk=1\r[S]\rk=v\r") << QByteArray("S") << QByteArray("k")
        << QByteArray("v");
    QTest::newRow("lone CR inside a line of an LF file")
        << QByteArray("[S]\rk=1\nk=v\n") << QByteArray("S") << QByteArray("k") << QByteArray("v");
    QTest::newRow("byte order mark before the first section")
        << QByteArray("\xEF\xBB\xBF[S]\nk=v\n") << QByteArray("S") << QByteArray("k")
        << QByteArray("v");
    QTest::newRow("value with equals signs")
        << QByteArray("[S]\nk=a=b\n") << QByteArray("S") << QByteArray("k") << QByteArray("a=b");
    QTest::newRow("last line without line end")
        << QByteArray("[S]\nk=v") << QByteArray("S") << QByteArray("k") << QByteArray("v");
    QTest::newRow("long value cut to 1023 bytes")
        << (QByteArray("[S]\nk=") + QByteArray(2000, 'x')) << QByteArray("S") << QByteArray("k")
        << QByteArray(1023, 'x');
}

void ProfileTextTest::read() {
    QFETCH(QByteArray, text);
    QFETCH(QByteArray, section);
    QFETCH(QByteArray, key);
    QFETCH(QByteArray, expected);
    const std::string value =
        ProfileText::Read(text.toStdString(), section.toStdString(), key.toStdString(), "DEF");
    QCOMPARE(QByteArray::fromStdString(value), expected);
}

void ProfileTextTest::write_data() {
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<QByteArray>("section");
    QTest::addColumn<QByteArray>("key");
    QTest::addColumn<QByteArray>("value");
    QTest::addColumn<QByteArray>("expected");

    QTest::newRow("new file") << QByteArray() << QByteArray("Settings") << QByteArray("Credits")
                              << QByteArray("1000.00")
                              << QByteArray("[Settings]\nCredits=1000.00\n");
    QTest::newRow("new section at the end after a blank line")
        << QByteArray("[A]\nx=1\n") << QByteArray("Saved Game 1") << QByteArray("Name")
        << QByteArray("Bob") << QByteArray("[A]\nx=1\n\n[Saved Game 1]\nName=Bob\n");
    QTest::newRow("new key after the last key of its section")
        << QByteArray("[S]\na=1\n\n; about T\n[T]\nb=2\n") << QByteArray("S") << QByteArray("c")
        << QByteArray("3") << QByteArray("[S]\na=1\nc=3\n\n; about T\n[T]\nb=2\n");
    QTest::newRow("new key in an empty section")
        << QByteArray("[S]\n[T]\n") << QByteArray("S") << QByteArray("k") << QByteArray("v")
        << QByteArray("[S]\nk=v\n[T]\n");
    QTest::newRow("existing key replaced, everything else kept")
        << QByteArray("; top\n[S]\nunknown=?\n  K = old ; note\nnot a key line\n; tail\n")
        << QByteArray("s") << QByteArray("k") << QByteArray("new")
        << QByteArray("; top\n[S]\nunknown=?\nk=new\nnot a key line\n; tail\n");
    QTest::newRow("CRLF file stays CRLF")
        << QByteArray("[S]\r\na=1\r\n") << QByteArray("S") << QByteArray("b") << QByteArray("2")
        << QByteArray("[S]\r\na=1\r\nb=2\r\n");
    QTest::newRow("CR file stays CR")
        << QByteArray("[S]\ra=1\rb=0\r[T]\r") << QByteArray("S") << QByteArray("b")
        << QByteArray("2") << QByteArray("[S]\ra=1\rb=2\r[T]\r");
    QTest::newRow("new section in a CR file")
        << QByteArray("[S]\ra=1") << QByteArray("T") << QByteArray("b") << QByteArray("2")
        << QByteArray("[S]\ra=1\r\r[T]\rb=2\r");
    QTest::newRow("last line without line end")
        << QByteArray("[S]\na=1") << QByteArray("S") << QByteArray("b") << QByteArray("2")
        << QByteArray("[S]\na=1\nb=2\n");
    QTest::newRow("line breaks in a value become blanks")
        << QByteArray() << QByteArray("S") << QByteArray("k") << QByteArray("a\nb=c\r\n[x]")
        << QByteArray("[S]\nk=a b=c  [x]\n");
    QTest::newRow("backslashes unchanged")
        << QByteArray() << QByteArray("Settings") << QByteArray("WinSound")
        << QByteArray("C:\\GAMES\\KELVRY4.WAV")
        << QByteArray("[Settings]\nWinSound=C:\\GAMES\\KELVRY4.WAV\n");
    QTest::newRow("byte order mark kept")
        << QByteArray("\xEF\xBB\xBFk=1\n[S]\nk=1\n") << QByteArray("S") << QByteArray("k")
        << QByteArray("2") << QByteArray("\xEF\xBB\xBFk=1\n[S]\nk=2\n");
}

void ProfileTextTest::write() {
    QFETCH(QByteArray, text);
    QFETCH(QByteArray, section);
    QFETCH(QByteArray, key);
    QFETCH(QByteArray, value);
    QFETCH(QByteArray, expected);
    const std::string out = ProfileText::Write(text.toStdString(), section.toStdString(),
                                               key.toStdString(), value.toStdString());
    QCOMPARE(QByteArray::fromStdString(out), expected);
}

void ProfileTextTest::writtenValueReadsBack_data() {
    QTest::addColumn<QByteArray>("value");
    QTest::newRow("plain") << QByteArray("1000.00");
    QTest::newRow("empty") << QByteArray();
    QTest::newRow("brackets and semicolons") << QByteArray("[Saved Game 2] ; x=y");
    QTest::newRow("UTF-8 name") << QByteArray("Spiel f\xC3\xBCr Anna");
    QTest::newRow("1023 bytes") << QByteArray(1023, 'n');
}

void ProfileTextTest::writtenValueReadsBack() {
    QFETCH(QByteArray, value);
    const std::string before = "[Saved Game 1]\nName=x\nDate=01/02/03\n[Settings]\nCredits=5\n";
    const std::string after =
        ProfileText::Write(before, "Saved Game 1", "Name", value.toStdString());
    QCOMPARE(QByteArray::fromStdString(ProfileText::Read(after, "Saved Game 1", "Name", "DEF")),
             value);
    QCOMPARE(ProfileText::Read(after, "Saved Game 1", "Date", "DEF"), std::string("01/02/03"));
    QCOMPARE(ProfileText::Read(after, "Settings", "Credits", "DEF"), std::string("5"));
}

void ProfileTextTest::prefix_data() {
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<int>("chars");
    QTest::addColumn<QByteArray>("expected");
    QTest::newRow("shorter text whole") << QByteArray("abc") << 5 << QByteArray("abc");
    QTest::newRow("cut") << QByteArray("abcdef") << 3 << QByteArray("abc");
    QTest::newRow("characters, not bytes")
        << QByteArray("\xC3\xA4\xC3\xB6\xC3\xBC") << 2 << QByteArray("\xC3\xA4\xC3\xB6");
}

void ProfileTextTest::prefix() {
    QFETCH(QByteArray, text);
    QFETCH(int, chars);
    QFETCH(QByteArray, expected);
    QCOMPARE(QByteArray::fromStdString(
                 ProfileText::Prefix(text.toStdString(), static_cast<std::size_t>(chars))),
             expected);
}

QTEST_APPLESS_MAIN(ProfileTextTest)
#include "ProfileTextTest.moc"
