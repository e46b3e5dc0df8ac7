#include "ui/metronomesound.h"

#include <QAudioDevice>
#include <QMediaDevices>
#include <algorithm>
#include <cmath>
#include <cstring>

namespace defib::ui {

namespace {

// The output keeps this much of the stream in hand: small, so that a tick is heard soon after its
// beat, yet enough for a busy machine.
constexpr int bufferMs = 100;
// How far beyond what the output holds a tick is laid in.
constexpr double marginMs = 25;

} // namespace

BeatStream::BeatStream(Wave tick, QObject* parent)
    : QIODevice(parent)
    , tick_(std::move(tick))
{
    frameBytes_ = std::max(1, tick_.format.bytesPerFrame());
    tickFrames_ = tick_.samples.size() / frameBytes_;
    // Unsigned 8-bit samples are silent at their middle.
    silence_ = tick_.format.sampleFormat() == QAudioFormat::UInt8 ? static_cast<char>(0x80) : 0;
    // Unbuffered: a buffer of the device's own would read the stream far ahead of the output,
    // and a tick asked for would land in frames already taken.
    QIODevice::open(QIODevice::ReadOnly | QIODevice::Unbuffered);
}

void BeatStream::beat(qint64 frame)
{
    const qint64 start = std::max(frame, framesRead_);
    // Ticks are asked for in their order; one asked for before the last cuts in from there.
    while (!starts_.empty() && starts_.back() >= start)
        starts_.pop_back();
    starts_.push_back(start);
}

qint64 BeatStream::bytesAvailable() const
{
    // Endless: the output never sees the stream run out.
    return (1 << 20) + QIODevice::bytesAvailable();
}

qint64 BeatStream::readData(char* data, qint64 maxSize)
{
    const qint64 frames = maxSize / frameBytes_;
    if (frames <= 0)
        return 0;
    const qint64 from = framesRead_;
    const qint64 to = from + frames;
    std::memset(data, silence_, static_cast<std::size_t>(frames * frameBytes_));
    // A tick that a later one starts within is cut off where the later one starts.
    for (std::size_t i = 0; i < starts_.size(); ++i) {
        const qint64 start = starts_[i];
        qint64 end = start + tickFrames_;
        if (i + 1 < starts_.size())
            end = std::min(end, starts_[i + 1]);
        const qint64 first = std::max(start, from);
        const qint64 last = std::min(end, to);
        if (first >= last)
            continue;
        std::memcpy(data + (first - from) * frameBytes_, tick_.samples.constData() + (first - start) * frameBytes_,
                    static_cast<std::size_t>((last - first) * frameBytes_));
    }
    framesRead_ = to;
    // Ticks that have sounded out are let go.
    while (!starts_.empty()) {
        const qint64 end
            = starts_.size() > 1 ? std::min(starts_[0] + tickFrames_, starts_[1]) : starts_[0] + tickFrames_;
        if (end > framesRead_)
            break;
        starts_.pop_front();
    }
    if (onRead)
        onRead();
    return frames * frameBytes_;
}

qint64 beatFrame(double sinceOpened, double leadMs, int sampleRate)
{
    return std::llround((sinceOpened + leadMs) * sampleRate / 1000.0);
}

MetronomeSound::MetronomeSound(QObject* parent)
    : QObject(parent)
{
    clock_.start();
}

MetronomeSound::~MetronomeSound()
{
    stop();
}

bool MetronomeSound::beat(const QString& path)
{
    outputFailed_ = false;
    if (path != path_ || !tick_) {
        // Another tick file: the stream of the old one ends first.
        stop();
        tick_ = readWave(path);
        path_ = path;
    }
    if (!tick_)
        return false;
    // A stream the sound service has closed (it went away, the output failed) opens again, and
    // says so when it cannot.
    if (sink_ && (sink_->state() == QAudio::StoppedState || sink_->error() != QAudio::NoError))
        stop();
    if (!sink_ && !openStream())
        return false;
    const double now = clock_.nsecsElapsed() / 1e6;
    stream_->beat(beatFrame(now - openedAt_, leadMs_, tick_->format.sampleRate()));
    return true;
}

bool MetronomeSound::openStream()
{
    const QAudioDevice device = QMediaDevices::defaultAudioOutput();
    if (device.isNull()) {
        outputFailed_ = true;
        return false;
    }
    stream_ = std::make_unique<BeatStream>(*tick_);
    leadMs_ = bufferMs + marginMs;
    openedAt_ = clock_.nsecsElapsed() / 1e6;
    stream_->onRead = [this] { followRead(); };
    sink_ = std::make_unique<QAudioSink>(device, tick_->format);
    sink_->setBufferSize(static_cast<qsizetype>(tick_->format.bytesForDuration(bufferMs * 1000)));
    sink_->start(stream_.get());
    if (sink_->error() == QAudio::OpenError || sink_->error() == QAudio::FatalError) {
        outputFailed_ = true;
        stop();
        return false;
    }
    // The output may hold more than was asked for.
    const double held
        = static_cast<double>(tick_->format.durationForBytes(static_cast<qint32>(sink_->bufferSize()))) / 1000.0;
    leadMs_ = std::max<double>(bufferMs, held) + marginMs;
    return true;
}

void MetronomeSound::followRead()
{
    // An output that holds more than it was asked to: the ticks go further ahead, so that none
    // is laid into frames it has already taken.
    const double now = clock_.nsecsElapsed() / 1e6;
    const double ahead
        = 1000.0 * static_cast<double>(stream_->framesRead()) / tick_->format.sampleRate() - (now - openedAt_);
    leadMs_ = std::max(leadMs_, ahead + marginMs);
}

void MetronomeSound::stop()
{
    if (sink_) {
        sink_->stop();
        sink_.reset();
    }
    if (stream_) {
        stream_->onRead = nullptr;
        stream_->close();
        stream_.reset();
    }
}

} // namespace defib::ui
