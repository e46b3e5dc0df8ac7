#pragma once

#include <QAudioFormat>
#include <QAudioSink>
#include <QBuffer>
#include <QByteArray>
#include <QObject>
#include <QString>
#include <memory>
#include <optional>

#include "options/platform.h"
#include "ui/metronomesound.h"
#include "ui/wave.h"

namespace defib::ui {

// The voice prompts through the system's sound output. A prompt is read from its file when it is
// played (a few ms from the disk cache), so no prompt is held in memory before it is needed; the
// sound output is opened once after the window is first shown, so that the first prompt does not
// wait for it. One prompt plays at a time; a new one cuts off the one playing, and the output
// stream closes when a prompt has played out, so a quiet program uses no processor time.
class EffectsPlayer : public QObject, public SoundPlayer {
    Q_OBJECT
public:
    explicit EffectsPlayer(QObject* parent = nullptr);
    ~EffectsPlayer() override;

    // Connects to the system's sound service ahead of the first prompt.
    void prepare();
    bool play(const std::string& path) override;
    void stop() override;
    // The metronome's tick on a stream of its own, so that a prompt goes on under it; the stream
    // stays open from the first tick until stopBeats().
    bool playBeat(const std::string& path) override;
    void stopBeats() override;
    bool outputFailed() const override { return outputFailed_; }

private:
    void stateChanged(QAudio::State state);

    std::unique_ptr<QAudioSink> sink_;
    QByteArray samples_;
    QBuffer buffer_;
    MetronomeSound metronome_;
    bool outputFailed_ = false;
};

} // namespace defib::ui
