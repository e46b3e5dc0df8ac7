#pragma once

#include <QHash>
#include <QObject>
#include <QSoundEffect>
#include <QString>

#include "options/platform.h"

namespace defib::ui {

// The voice prompts through Qt Multimedia: every prompt of the program directory is loaded once,
// after the window is shown, so that a prompt starts with its display text. One plays at a time;
// a new one cuts off the one playing.
class EffectsPlayer : public QObject, public SoundPlayer {
    Q_OBJECT
public:
    explicit EffectsPlayer(QObject* parent = nullptr);
    ~EffectsPlayer() override;

    // Loads every .WAV file of the folder (names compared exactly: "motion.wav" and
    // "MOTION.WAV" are two prompts).
    void preload(const QString& directory);
    bool play(const std::string& path) override;
    void stop() override;
    bool outputFailed() const override { return outputFailed_; }

private:
    QSoundEffect* effectFor(const QString& path);

    QHash<QString, QSoundEffect*> effects_;
    QSoundEffect* playing_ = nullptr;
    bool outputFailed_ = false;
};

} // namespace defib::ui
