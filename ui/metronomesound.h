#pragma once

#include <QAudioSink>
#include <QElapsedTimer>
#include <QIODevice>
#include <QObject>
#include <QString>
#include <deque>
#include <functional>
#include <memory>
#include <optional>

#include "ui/wave.h"

namespace defib::ui {

// The endless sound of the metronome: silence, with the tick laid in at the frames it is asked
// for. The sound output reads it as it plays, so the stream never runs dry and stays open. It is
// open for reading, unbuffered, from the start.
class BeatStream : public QIODevice {
    Q_OBJECT
public:
    explicit BeatStream(Wave tick, QObject* parent = nullptr);

    // Lays the tick in from `frame` on (a frame already read: at the next one). A tick that comes
    // while another still sounds cuts it off.
    void beat(qint64 frame);
    // The frames handed to the output so far.
    qint64 framesRead() const { return framesRead_; }
    const QAudioFormat& format() const { return tick_.format; }
    // After every read of the output.
    std::function<void()> onRead;

    bool isSequential() const override { return true; }
    qint64 bytesAvailable() const override;

protected:
    qint64 readData(char* data, qint64 maxSize) override;
    qint64 writeData(const char*, qint64) override { return -1; }

private:
    Wave tick_;
    qint64 tickFrames_ = 0;
    int frameBytes_ = 1;
    char silence_ = 0;
    qint64 framesRead_ = 0;
    // The frames at which ticks start, oldest first.
    std::deque<qint64> starts_;
};

// The frame of the stream for a tick asked for `sinceOpened` ms after the stream was opened: that
// moment's frame plus `leadMs`, which keeps it ahead of what the output has already taken in.
qint64 beatFrame(double sinceOpened, double leadMs, int sampleRate);

// The metronome's ticks, on one sound stream of their own that opens with the first tick and
// stays open until the metronome stops. The tick is read once. Each tick sounds when the core's
// metronome timer asks for it, placed in the stream by the time of the asking, so that the ticks
// keep the timer's spacing whatever the size of the pieces in which the output reads.
class MetronomeSound : public QObject {
    Q_OBJECT
public:
    explicit MetronomeSound(QObject* parent = nullptr);
    ~MetronomeSound() override;

    // False when the tick cannot be read or the output cannot play (then outputFailed()).
    bool beat(const QString& path);
    // Closes the stream.
    void stop();
    bool outputFailed() const { return outputFailed_; }
    bool open() const { return sink_ != nullptr; }

    // How far ahead of its beat a tick is laid into the stream, in ms.
    double lead() const { return leadMs_; }

private:
    bool openStream();
    void followRead();

    QString path_;
    std::optional<Wave> tick_;
    std::unique_ptr<QAudioSink> sink_;
    std::unique_ptr<BeatStream> stream_;
    QElapsedTimer clock_;
    // When the stream was opened, on clock_: its first frame stands for that moment.
    double openedAt_ = 0;
    double leadMs_ = 0;
    bool outputFailed_ = false;
};

} // namespace defib::ui
