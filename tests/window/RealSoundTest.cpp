// The window with the real SDL player on the dummy driver: a removal holds
// the window until clearbox.wav has played out.
#include <QElapsedTimer>
#include <QFile>
#include <QTest>
#include <QtEndian>

#include <chrono>

#include "WindowFixture.h"
#include "ui/sound/SdlSoundPlayer.h"

using namespace pelmora;
using namespace pelmora::test;
using std::chrono::nanoseconds;

namespace {

// Playing time of a PCM WAV file from its header: the data chunk's size over
// the format chunk's bytes per second. Zero if either is missing.
nanoseconds wavLength(const std::string& path) {
    QFile file(QString::fromStdString(path));
    if (!file.open(QIODevice::ReadOnly)) return nanoseconds::zero();
    const QByteArray bytes = file.readAll();
    quint32 bytesPerSecond = 0;
    quint32 dataBytes = 0;
    // After "RIFF", size, "WAVE": chunks of id, little-endian size, body.
    for (qsizetype at = 12; at + 8 <= bytes.size();) {
        const QByteArray id = bytes.mid(at, 4);
        const quint32 size = qFromLittleEndian<quint32>(bytes.constData() + at + 4);
        if (id == "fmt ") bytesPerSecond = qFromLittleEndian<quint32>(bytes.constData() + at + 16);
        if (id == "data") dataBytes = size;
        at += 8 + size + (size & 1);  // bodies are padded to an even length
    }
    if (bytesPerSecond == 0) return nanoseconds::zero();
    return nanoseconds(std::int64_t{dataBytes} * 1'000'000'000 / bytesPerSecond);
}

}  // namespace

class RealSoundTest : public QObject {
    Q_OBJECT

private slots:
    void removalReturnsNoEarlierThanTheClearingSound() {
        const nanoseconds length = wavLength(besideProgram("clearbox.wav"));
        QVERIFY(length > nanoseconds::zero());
        int defaultSounds = 0;
        SdlSoundPlayer sound([&] { ++defaultSounds; });
        ProgramUnderTest run(sound);
        run.setBoard(columnStripes());
        run.click(cellCentre(3, 6));

        QElapsedTimer clock;
        clock.start();
        run.click(cellCentre(3, 6));
        const nanoseconds took(clock.nsecsElapsed());

        QVERIFY2(took >= length, qPrintable(QString("%1 ns").arg(took.count())));
        QCOMPARE(defaultSounds, 0);  // the file itself played
        QCOMPARE(run.text("Pts"), QString("24500"));
    }
};

QTEST_MAIN(RealSoundTest)
#include "RealSoundTest.moc"
