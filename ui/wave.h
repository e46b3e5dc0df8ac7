#pragma once

#include <QAudioFormat>
#include <QByteArray>
#include <QString>
#include <optional>

namespace defib::ui {

// The samples of a PCM .WAV file and their format.
struct Wave {
    QAudioFormat format;
    QByteArray samples;
};

// Reads an uncompressed PCM .WAV file (8, 16 or 32 bits, any rate and channel count). Nothing for
// a file that is missing, damaged or of another kind: such a prompt cannot be played.
std::optional<Wave> readWave(const QString& path);

} // namespace defib::ui
