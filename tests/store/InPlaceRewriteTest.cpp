// SPDX-License-Identifier: MIT
// The in-place rewrite of a read-only folder's file, stopped at each step as a
// kill would stop it: the next start reads the old content or the new one.
#include "store/InPlaceRewrite.h"
#include "store/ProfileFile.h"

#include <QTemporaryDir>
#include <QtTest>

#include <fstream>

using namespace kelvory;
using Stop = InPlaceRewrite::Stop;

class InPlaceRewriteTest : public QObject {
    Q_OBJECT
  private slots:
    void startReadsOldOrNewAfterAKill_data() {
        QTest::addColumn<int>("stop");
        QTest::addColumn<bool>("newer");
        const std::pair<const char*, Stop> stops[] = {
            {"header written", Stop::AfterHeader},       {"half the copy behind", Stop::HalfCopy},
            {"copy behind flushed", Stop::AfterCopy},    {"half the front copied", Stop::HalfFront},
            {"front copied, not cut", Stop::AfterFront}, {"done", Stop::Never},
        };
        for (const auto& [name, stop] : stops) {
            const bool newer = stop >= Stop::AfterCopy || stop == Stop::Never;
            QTest::addRow("%s, shorter", name) << int(stop) << newer;
            QTest::addRow("%s, longer", name) << int(stop) << newer;
        }
    }
    void startReadsOldOrNewAfterAKill() {
        QFETCH(int, stop);
        QFETCH(bool, newer);
        const bool longer = QString::fromLatin1(QTest::currentDataTag()).endsWith("longer");
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        const std::string path = QFile::encodeName(dir.filePath("KELVRY.INI")).toStdString();
        const std::string old = "[Settings]\nCredits=1000.00\nBorrowed=1000.00\nSpeed=10\n";
        const std::string next =
            longer ? old + "[Statistics]\nSpins=12345\n" : "[Settings]\nCredits=5.00\n";
        std::ofstream(path, std::ios::binary) << old;
        InPlaceRewrite::Rewrite(path, next, static_cast<Stop>(stop));
        QCOMPARE(ProfileFile::ReadAtStartUp(path), newer ? next : old);
        // Nothing is left to finish.
        QCOMPARE(ProfileFile::ReadAtStartUp(path), newer ? next : old);
    }
};

QTEST_APPLESS_MAIN(InPlaceRewriteTest)
#include "InPlaceRewriteTest.moc"
