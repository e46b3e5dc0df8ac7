#include "ui/wave.h"

#include <QFile>
#include <QtEndian>
#include <algorithm>

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

} // namespace defib::ui
