// The prompt player reads the .WAV files itself: what it accepts, what it refuses, and what a
// refused file means for the scenario (the prompt counts as missing).
#include <QTemporaryDir>
#include <QtEndian>
#include <QtTest>

#include "ui/metronomesound.h"
#include "ui/sound.h"

using namespace defib;

namespace {

QByteArray le16(quint16 value)
{
    QByteArray bytes(2, '\0');
    qToLittleEndian(value, bytes.data());
    return bytes;
}

QByteArray le32(quint32 value)
{
    QByteArray bytes(4, '\0');
    qToLittleEndian(value, bytes.data());
    return bytes;
}

QByteArray chunk(const char* id, const QByteArray& body)
{
    QByteArray bytes = QByteArray(id) + le32(static_cast<quint32>(body.size())) + body;
    if (body.size() % 2)
        bytes += '\0';
    return bytes;
}

QByteArray format(quint16 encoding, quint16 channels, quint32 rate, quint16 bits)
{
    const quint16 frame = static_cast<quint16>(channels * bits / 8);
    return chunk("fmt ", le16(encoding) + le16(channels) + le32(rate) + le32(rate * frame) + le16(frame) + le16(bits));
}

QByteArray riff(const QByteArray& chunks)
{
    return "RIFF" + le32(static_cast<quint32>(4 + chunks.size())) + "WAVE" + chunks;
}

} // namespace

class SoundTest : public QObject {
    Q_OBJECT
private slots:
    void init() { QVERIFY(dir.isValid()); }

    void readsThePcmOfOurPrompts()
    {
        // As the prompts are made: 22050 Hz, 16 bits, mono, here behind a chunk of odd size.
        const QByteArray samples = QByteArray::fromHex("0100ff7f0080");
        const QString path
            = write("ok.wav", riff(chunk("LIST", "abc") + format(1, 1, 22050, 16) + chunk("data", samples)));
        const std::optional<ui::Wave> wave = ui::readWave(path);
        QVERIFY(wave);
        QCOMPARE(wave->format.sampleRate(), 22050);
        QCOMPARE(wave->format.channelCount(), 1);
        QCOMPARE(wave->format.sampleFormat(), QAudioFormat::Int16);
        QCOMPARE(wave->samples, samples);
    }

    void aFileCutShortPlaysItsWholeFrames()
    {
        // The data chunk says 8 bytes of stereo; 7 are there: one whole frame of 4 bytes.
        QByteArray bytes = riff(format(1, 2, 44100, 16) + "data" + le32(8) + QByteArray::fromHex("01020304050607"));
        const std::optional<ui::Wave> wave = ui::readWave(write("short.wav", bytes));
        QVERIFY(wave);
        QCOMPARE(wave->samples, QByteArray::fromHex("01020304"));
    }

    void refusesWhatIsNoPcmPrompt_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        const QByteArray data = chunk("data", QByteArray(4, '\1'));
        QTest::newRow("only the RIFF tag") << QByteArray("RIFF");
        QTest::newRow("empty") << QByteArray();
        QTest::newRow("not WAVE") << QByteArray("RIFF\4\0\0\0AVI ");
        QTest::newRow("no format") << riff(data);
        QTest::newRow("data before format") << riff(data + format(1, 1, 22050, 16));
        QTest::newRow("compressed") << riff(format(2, 1, 22050, 4) + data);
        QTest::newRow("24 bits") << riff(format(1, 1, 22050, 24) + data);
        QTest::newRow("no samples") << riff(format(1, 1, 22050, 16) + chunk("data", {}));
        QTest::newRow("format cut short") << riff(chunk("fmt ", le16(1) + le16(1)));
    }

    void refusesWhatIsNoPcmPrompt()
    {
        QFETCH(QByteArray, bytes);
        QVERIFY(!ui::readWave(write("bad.wav", bytes)));
    }

    void aPromptThatCannotBeReadIsMissing()
    {
        // The trainer then says the prompt is missing and goes on without sound.
        ui::EffectsPlayer player;
        QVERIFY(!player.play(dir.filePath(QStringLiteral("nothere.wav")).toStdString()));
        QVERIFY(!player.outputFailed());
        QVERIFY(!player.play(write("damaged.wav", "RIFF").toStdString()));
        player.stop();
        // So is the metronome's tick, on its own stream.
        QVERIFY(!player.playBeat(dir.filePath(QStringLiteral("nothere.wav")).toStdString()));
        QVERIFY(!player.outputFailed());
        QVERIFY(!player.playBeat(write("damagedbeat.wav", "RIFF").toStdString()));
    }

    // The metronome's stream: silence, with the tick laid in where each beat asks, however the
    // output cuts the stream into pieces, so the ticks keep the spacing of their beats.
    void theTicksLieInTheStreamWhereTheirBeatsPutThem()
    {
        ui::BeatStream stream(tick(QAudioFormat::Int16, {1000, 2000, 3000}));
        QVERIFY(stream.bytesAvailable() > 0);
        stream.beat(4);
        stream.beat(9);
        // Read in pieces of 5, 3 and 6 frames: 14 frames of 2 bytes.
        QByteArray read = stream.read(10);
        read += stream.read(6);
        read += stream.read(12);
        QCOMPARE(frames(read), (QList<qint16>{0, 0, 0, 0, 1000, 2000, 3000, 0, 0, 1000, 2000, 3000, 0, 0}));
        QCOMPARE(stream.framesRead(), 14);
        // A beat asked for in frames already gone sounds at the next one; a beat while a tick
        // sounds cuts it off.
        stream.beat(2);
        stream.beat(16);
        QCOMPARE(frames(stream.read(12)), (QList<qint16>{1000, 2000, 1000, 2000, 3000, 0}));
        // The stream goes on with silence: the output never runs dry.
        QCOMPARE(frames(stream.read(8)), (QList<qint16>{0, 0, 0, 0}));
    }

    void unsignedSamplesAreSilentAtTheirMiddle()
    {
        ui::BeatStream stream(tick(QAudioFormat::UInt8, {}, QByteArray::fromHex("ff10")));
        stream.beat(1);
        QCOMPARE(stream.read(4), QByteArray::fromHex("80ff1080"));
    }

    void beatsLaidByTheirTimeKeepTheTimersSpacing()
    {
        // 545 and 546 ms at 22050 frames a second, 125 ms ahead of the moment of asking.
        QCOMPARE(ui::beatFrame(0, 125, 22050), 2756);
        QCOMPARE(ui::beatFrame(545, 125, 22050) - ui::beatFrame(0, 125, 22050), 12018);
        QCOMPARE(ui::beatFrame(6000, 125, 22050) - ui::beatFrame(0, 125, 22050), 132300);
    }

private:
    static ui::Wave tick(QAudioFormat::SampleFormat kind, const QList<qint16>& values, QByteArray bytes = {})
    {
        ui::Wave wave;
        wave.format.setSampleFormat(kind);
        wave.format.setChannelCount(1);
        wave.format.setSampleRate(22050);
        for (qint16 value : values) {
            QByteArray two(2, '\0');
            qToLittleEndian(value, two.data());
            bytes += two;
        }
        wave.samples = bytes;
        return wave;
    }

    static QList<qint16> frames(const QByteArray& bytes)
    {
        QList<qint16> values;
        for (qsizetype i = 0; i + 1 < bytes.size(); i += 2)
            values << qFromLittleEndian<qint16>(bytes.constData() + i);
        return values;
    }

    QString write(const char* name, const QByteArray& bytes)
    {
        const QString path = dir.filePath(QString::fromLatin1(name));
        QFile file(path);
        if (file.open(QIODevice::WriteOnly))
            file.write(bytes);
        return path;
    }

    QTemporaryDir dir;
};

QTEST_MAIN(SoundTest)
#include "test_sound.moc"
