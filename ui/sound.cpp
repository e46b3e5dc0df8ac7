#include "ui/sound.h"

#include <QAudioDevice>
#include <QFile>
#include <QFileInfo>
#include <QMediaDevices>
#include <QTimer>
#include <QtEndian>

namespace defib::ui {

EffectsPlayer::EffectsPlayer(QObject* parent)
    : QObject(parent)
{
}

EffectsPlayer::~EffectsPlayer()
{
    if (sink_)
        sink_->stop();
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
    if (metronome_.beat(QString::fromStdString(path)))
        return true;
    outputFailed_ = metronome_.outputFailed();
    return false;
}

void EffectsPlayer::stopBeats()
{
    metronome_.stop();
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
