#include "ui/sound.h"

#include <QAudioDevice>
#include <QFile>
#include <QFileInfo>
#include <QMediaDevices>
#include <QTimer>
#include <QtEndian>

namespace defib::ui {

namespace {

quint32 le32(const char* bytes)
{
    return qFromLittleEndian<quint32>(bytes);
}

quint16 le16(const char* bytes)
{
    return qFromLittleEndian<quint16>(bytes);
}

// A prompt file is a few hundred kB at most; anything far larger is no prompt of ours.
constexpr qint64 largestWave = 64 * 1024 * 1024;

} // namespace

std::optional<Wave> readWave(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly) || file.size() > largestWave)
        return std::nullopt;
    const QByteArray data = file.readAll();
    if (data.size() < 12 || !data.startsWith("RIFF") || data.mid(8, 4) != "WAVE")
        return std::nullopt;
    Wave wave;
    bool haveFormat = false;
    qsizetype at = 12;
    while (at + 8 <= data.size()) {
        const QByteArray id = data.mid(at, 4);
        const qsizetype size = le32(data.constData() + at + 4);
        const qsizetype body = at + 8;
        const qsizetype available = std::min<qsizetype>(size, data.size() - body);
        if (id == "fmt ") {
            if (available < 16)
                return std::nullopt;
            const char* fmt = data.constData() + body;
            const quint16 encoding = le16(fmt);
            const int channels = le16(fmt + 2);
            const int rate = static_cast<int>(le32(fmt + 4));
            const int bits = le16(fmt + 14);
            // 1: PCM; 0xFFFE: an extensible header, whose PCM we read the same way.
            if ((encoding != 1 && encoding != 0xFFFE) || channels < 1 || channels > 8 || rate < 1000 || rate > 384000)
                return std::nullopt;
            switch (bits) {
            case 8:
                wave.format.setSampleFormat(QAudioFormat::UInt8);
                break;
            case 16:
                wave.format.setSampleFormat(QAudioFormat::Int16);
                break;
            case 32:
                wave.format.setSampleFormat(QAudioFormat::Int32);
                break;
            default:
                return std::nullopt;
            }
            wave.format.setChannelCount(channels);
            wave.format.setSampleRate(rate);
            haveFormat = true;
        } else if (id == "data") {
            if (!haveFormat)
                return std::nullopt;
            // A file cut short plays what it holds, in whole frames.
            const qsizetype frame = wave.format.bytesPerFrame();
            wave.samples = data.mid(body, available - available % frame);
            if (wave.samples.isEmpty())
                return std::nullopt;
            return wave;
        }
        at = body + size + (size & 1);
    }
    return std::nullopt;
}

EffectsPlayer::EffectsPlayer(QObject* parent)
    : QObject(parent)
{
}

EffectsPlayer::~EffectsPlayer()
{
    if (sink_)
        sink_->stop();
    if (beatSink_)
        beatSink_->stop();
}

void EffectsPlayer::prepare()
{
    // Asking for the output devices connects to the sound service.
    (void)QMediaDevices::defaultAudioOutput();
}

bool EffectsPlayer::play(const std::string& path)
{
    outputFailed_ = false;
    const QString file = QString::fromStdString(path);
    if (!QFileInfo(file).isFile())
        return false;
    // Without a sound device (or with a sound server that refuses us) nothing can be heard: the
    // trainer must then show what it would say.
    const QAudioDevice device = QMediaDevices::defaultAudioOutput();
    if (device.isNull()) {
        outputFailed_ = true;
        return false;
    }
    std::optional<Wave> wave = readWave(file);
    if (!wave)
        return false;
    stop();
    if (!sink_ || sink_->format() != wave->format || sink_->error() != QAudio::NoError) {
        sink_ = std::make_unique<QAudioSink>(device, wave->format);
        connect(sink_.get(), &QAudioSink::stateChanged, this, &EffectsPlayer::stateChanged);
    }
    samples_ = std::move(wave->samples);
    buffer_.setBuffer(&samples_);
    buffer_.open(QIODevice::ReadOnly);
    sink_->start(&buffer_);
    if (sink_->error() == QAudio::OpenError || sink_->error() == QAudio::FatalError) {
        outputFailed_ = true;
        stop();
        return false;
    }
    return true;
}

void EffectsPlayer::stop()
{
    if (sink_ && sink_->state() != QAudio::StoppedState)
        sink_->stop();
    buffer_.close();
}

bool EffectsPlayer::playBeat(const std::string& path)
{
    outputFailed_ = false;
    // The tick playing ends first: its samples may be replaced below.
    if (beatSink_ && beatSink_->state() != QAudio::StoppedState)
        beatSink_->stop();
    beatBuffer_.close();
    const QString file = QString::fromStdString(path);
    if (file != beatPath_) {
        std::optional<Wave> wave = readWave(file);
        if (!wave)
            return false;
        beat_ = std::move(*wave);
        beatPath_ = file;
    }
    const QAudioDevice device = QMediaDevices::defaultAudioOutput();
    if (device.isNull()) {
        outputFailed_ = true;
        return false;
    }
    if (!beatSink_ || beatSink_->format() != beat_.format || beatSink_->error() != QAudio::NoError) {
        beatSink_ = std::make_unique<QAudioSink>(device, beat_.format);
        connect(beatSink_.get(), &QAudioSink::stateChanged, this, &EffectsPlayer::beatStateChanged);
    }
    beatBuffer_.setBuffer(&beat_.samples);
    beatBuffer_.open(QIODevice::ReadOnly);
    beatSink_->start(&beatBuffer_);
    if (beatSink_->error() == QAudio::OpenError || beatSink_->error() == QAudio::FatalError) {
        outputFailed_ = true;
        beatSink_->stop();
        beatBuffer_.close();
        return false;
    }
    return true;
}

void EffectsPlayer::beatStateChanged(QAudio::State state)
{
    // Between two ticks the stream closes, as the prompts' does.
    if (state == QAudio::IdleState)
        QTimer::singleShot(0, this, [this] {
            if (beatSink_ && beatSink_->state() == QAudio::IdleState) {
                beatSink_->stop();
                beatBuffer_.close();
            }
        });
}

void EffectsPlayer::stateChanged(QAudio::State state)
{
    // Played out: the stream closes, once the sink has finished with this signal.
    if (state == QAudio::IdleState)
        QTimer::singleShot(0, this, [this] {
            if (sink_ && sink_->state() == QAudio::IdleState) {
                sink_->stop();
                buffer_.close();
                samples_.clear();
            }
        });
}

} // namespace defib::ui
