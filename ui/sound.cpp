#include "ui/sound.h"

#include <QAudioDevice>
#include <QDir>
#include <QFileInfo>
#include <QMediaDevices>
#include <QUrl>
#include <algorithm>

namespace defib::ui {

EffectsPlayer::EffectsPlayer(QObject* parent)
    : QObject(parent)
{
}

EffectsPlayer::~EffectsPlayer()
{
    // An effect deleted while it still loads can hang the exit on a machine without a sound
    // device: stop them all first and let Qt delete them with their parent.
    for (QSoundEffect* effect : std::as_const(effects_))
        effect->stop();
}

void EffectsPlayer::preload(const QString& directory)
{
    // Without a sound device there is nothing to prepare: prompts are then taken as played.
    if (QMediaDevices::audioOutputs().isEmpty())
        return;
    const QDir dir(directory);
    const QStringList files = dir.entryList(QStringList{QStringLiteral("*.wav"), QStringLiteral("*.WAV")},
                                            QDir::Files | QDir::CaseSensitive);
    for (const QString& file : files)
        effectFor(dir.absoluteFilePath(file));
}

QSoundEffect* EffectsPlayer::effectFor(const QString& path)
{
    auto found = effects_.constFind(path);
    if (found != effects_.constEnd())
        return *found;
    auto* effect = new QSoundEffect(this);
    effect->setSource(QUrl::fromLocalFile(path));
    effect->setVolume(1.0);
    effects_.insert(path, effect);
    return effect;
}

bool EffectsPlayer::play(const std::string& path)
{
    outputFailed_ = false;
    const QString file = QString::fromStdString(path);
    if (!QFileInfo(file).isFile())
        return false;
    // Without a sound device (or with a sound server that refuses us) nothing can be heard: the
    // trainer must then show what it would say.
    if (QMediaDevices::audioOutputs().isEmpty() || QMediaDevices::defaultAudioOutput().isNull()) {
        outputFailed_ = true;
        return false;
    }
    QSoundEffect* effect = effectFor(file);
    if (effect->status() == QSoundEffect::Error) {
        // One file that does not decode is a damaged file; when none plays, it is the output.
        outputFailed_ = std::none_of(effects_.cbegin(), effects_.cend(),
                                     [](const QSoundEffect* e) { return e->status() == QSoundEffect::Ready; });
        return false;
    }
    if (playing_ && playing_ != effect)
        playing_->stop();
    playing_ = effect;
    effect->play();
    return true;
}

void EffectsPlayer::stop()
{
    if (playing_)
        playing_->stop();
    playing_ = nullptr;
}

} // namespace defib::ui
