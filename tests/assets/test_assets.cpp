// Checks every picture and every voice prompt the program asks for: the pictures load from the
// resource at their natural size, and the prompts, in English and in every language folder, are
// playable, audible 16-bit mono WAV files that start at once, are evened out in loudness, end
// before the next prompt of their chain and are copied beside the program.

#include "assets/pictures.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <optional>
#include <ostream>
#include <set>
#include <string>
#include <vector>

namespace {

struct Picture {
    const char* name;
    int width, height;
};

// Every picture with the size the main window shows it at.
const Picture pictures[] = {
    {"Patient1", 180, 440},
    {"Patient2", 180, 440},
    {"Patient3", 180, 440},
    {"Patient4", 180, 440},
    {"AED", 500, 400},
    {"aed2", 500, 400},
    {"PowerButton", 48, 48},
    {"POWERBUTTON2", 48, 48},
    {"AnalyzeButton", 48, 48},
    {"ShockButton", 48, 48},
    {"PADWHITE", 28, 31},
    {"PADRED", 29, 31},
    {"CABLEWHITE", 230, 300},
    {"CABLERED", 150, 230},
    {"PadSMALL", 14, 40},
    {"CPRHAND", 56, 48},
    {"CPRHAND2", 64, 56},
    {"PULSEHAND", 30, 26},
    {"SHAKE", 144, 30},
    {"SHOUT", 70, 40},
    {"BreathingCheck", 60, 44},
    {"BVM", 42, 30},
    {"BVMHAND", 52, 34},
    {"FACEMASK", 38, 26},
    {"FACEMASKBLOW", 52, 40},
    {"BPCUFF", 30, 44},
    {"BPCUFFSMALL", 26, 38},
    {"AIRWAY", 12, 6},
    {"LOWBATTERYINDICATOR", 24, 14},
    {"icon", 256, 256},
};

enum class Kind { Speech, Tone };

struct Sound {
    const char* name;
    Kind kind;
    double maxSeconds;
    double minSeconds = 0.1;
    // The time the prompt chain gives the prompt before its next one speaks (and cuts it off),
    // where that is shorter than maxSeconds; 0 where no prompt follows it sooner.
    double chainSeconds = 0;
};

// Every prompt under the exact name the program plays; the short DOS-style names come in the
// cases the program asks for, so both spellings ship where it uses both.
const Sound sounds[] = {
    {"connecte.wav", Kind::Speech, 3.0},
    {"connectE.wav", Kind::Speech, 3.0},
    {"pushanal.wav", Kind::Speech, 3.0},
    {"pushanaB.wav", Kind::Speech, 3.0},
    {"bepclear.wav", Kind::Speech, 3.0},
    {"analyzeN.wav", Kind::Speech, 3.0},
    {"motion.wav", Kind::Speech, 3.0},
    {"MOTION.WAV", Kind::Speech, 3.0},
    {"shockadv.wav", Kind::Speech, 3.0},
    {"noshockA.wav", Kind::Speech, 3.0},
    {"SWEEP.wav", Kind::Tone, 6.0, 4.0},
    // The held charge's "STAND CLEAR": "PUSH TO SHOCK" follows 2.5 s on.
    {"standcle.wav", Kind::Speech, 3.0, 0.1, 2.5},
    {"shkwarn.wav", Kind::Speech, 3.0},
    {"click.wav", Kind::Tone, 1.0, 0.05},
    {"CLICK.WAV", Kind::Tone, 1.0, 0.05},
    // "IF NO PULSE" follows "CHECK FOR PULSE" 2 s on after the CPR countdown, and "PUSH ANALYZE"
    // follows it 2 s on.
    {"checkfor.wav", Kind::Speech, 3.0, 0.1, 2.0},
    {"ifnopls.wav", Kind::Speech, 3.0, 0.1, 2.0},
    {"ifnoplsS.wav", Kind::Speech, 3.0},
    {"battrepl.wav", Kind::Speech, 3.0},
    // The single-shock protocol's prompts; "Stop CPR. Do not touch the patient." is two sentences.
    // "START CPR" follows "SHOCK DELIVERED" 2 s on, and "PUSH ANALYZE" (or the analysis) "STOP CPR".
    {"shockdel.wav", Kind::Speech, 3.0, 0.1, 2.0},
    {"startcpr.wav", Kind::Speech, 3.0},
    {"stopcpr.wav", Kind::Speech, 3.5, 0.1, 2.0},
    // The metronome's tick leaves most of a beat (545 ms at 110 a minute) silent.
    {"metro.wav", Kind::Tone, 0.2, 0.03},
};

// The languages the trainer speaks besides English, each with the folder of its prompts
// (sounds/LL/, beside the program LL/). A language folder holds the spoken prompts under their
// English names; the tones are the same in every language, and the program plays the English file
// for one a folder does not have.
const char* const languages[] = {"de", "fr", "es", "nl"};

// The English prompts' limits predate the chain limits and are kept for them as recorded: the
// English "If no pulse, push analyze." (2.15 s) and "Stop CPR. Do not touch the patient." (3.18 s)
// run past their step, and the next prompt cuts their end. Every other language keeps within both.
double languageLimit(const Sound& s)
{
    return s.chainSeconds > 0 ? std::min(s.maxSeconds, s.chainSeconds) : s.maxSeconds;
}

struct LanguagePrompt {
    const char* language;
    Sound sound;
};

std::vector<LanguagePrompt> languagePrompts()
{
    std::vector<LanguagePrompt> all;
    for (const char* language : languages) {
        for (const Sound& s : sounds) {
            if (s.kind == Kind::Speech)
                all.push_back({language, s});
        }
    }
    return all;
}

// gtest names a failing parameter by these rather than by its bytes.
void PrintTo(const Picture& p, std::ostream* os)
{
    *os << p.name;
}

void PrintTo(const Sound& s, std::ostream* os)
{
    *os << s.name;
}

void PrintTo(const LanguagePrompt& p, std::ostream* os)
{
    *os << p.language << "/" << p.sound.name;
}

std::string pictureResource(const char* name)
{
    return std::string(":/pictures/") + name + ".svg";
}

// --- pictures ------------------------------------------------------------------------------------

class PictureTest : public testing::TestWithParam<Picture> { };

TEST_P(PictureTest, LoadsAtItsNaturalSize)
{
    const Picture& p = GetParam();
    const QString path = QString::fromStdString(pictureResource(p.name));
    ASSERT_TRUE(QFile::exists(path)) << path.toStdString() << " is not in the resource";
    QSvgRenderer renderer(path);
    ASSERT_TRUE(renderer.isValid()) << p.name << " does not parse";
    EXPECT_EQ(renderer.defaultSize(), QSize(p.width, p.height)) << p.name;
    // The view box spans the same frame, so offsets inside the picture are window pixels.
    EXPECT_EQ(renderer.viewBoxF(), QRectF(0, 0, p.width, p.height)) << p.name;
}

TEST_P(PictureTest, DrawsSomethingInsideItsFrame)
{
    const Picture& p = GetParam();
    QSvgRenderer renderer(QString::fromStdString(pictureResource(p.name)));
    ASSERT_TRUE(renderer.isValid());
    QImage image(p.width, p.height, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    {
        QPainter painter(&image);
        renderer.render(&painter);
    }
    int covered = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (qAlpha(image.pixel(x, y)) > 128)
                ++covered;
        }
    }
    // Nothing of ours is a blank or a near-invisible sliver.
    EXPECT_GT(covered, p.width * p.height / 50) << p.name << " is (nearly) empty";
}

std::string pictureName(const testing::TestParamInfo<Picture>& info)
{
    return info.param.name;
}

INSTANTIATE_TEST_SUITE_P(Every, PictureTest, testing::ValuesIn(pictures), pictureName);

// Pictures laid over the patient must leave him visible: transparent around the drawing.
TEST(Pictures, OverlaysAreTransparentAroundTheirDrawing)
{
    for (const char* name : {"CABLEWHITE", "CABLERED", "CPRHAND", "CPRHAND2", "PULSEHAND", "SHAKE", "BreathingCheck",
                             "BVMHAND", "FACEMASKBLOW"}) {
        QSvgRenderer renderer(QString::fromStdString(pictureResource(name)));
        ASSERT_TRUE(renderer.isValid()) << name;
        QImage image(renderer.defaultSize(), QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        {
            QPainter painter(&image);
            renderer.render(&painter);
        }
        int clear = 0;
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) {
                if (qAlpha(image.pixel(x, y)) == 0)
                    ++clear;
            }
        }
        EXPECT_GT(clear, image.width() * image.height() / 5) << name << " hides what lies under it";
    }
}

// A cable runs from its top-left corner (the pad) to its bottom-right corner (the trainer).
TEST(Pictures, CablesRunFromTopLeftToBottomRight)
{
    for (const char* name : {"CABLEWHITE", "CABLERED"}) {
        QSvgRenderer renderer(QString::fromStdString(pictureResource(name)));
        ASSERT_TRUE(renderer.isValid()) << name;
        QImage image(renderer.defaultSize(), QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        {
            QPainter painter(&image);
            renderer.render(&painter);
        }
        const int w = image.width(), h = image.height();
        auto drawnNear = [&](int cx, int cy) {
            for (int y = std::max(0, cy - 14); y < std::min(h, cy + 14); ++y) {
                for (int x = std::max(0, cx - 14); x < std::min(w, cx + 14); ++x) {
                    if (qAlpha(image.pixel(x, y)) > 128)
                        return true;
                }
            }
            return false;
        };
        EXPECT_TRUE(drawnNear(8, 8)) << name << " does not start at the top-left";
        EXPECT_TRUE(drawnNear(w - 8, h - 8)) << name << " does not end at the bottom-right";
        EXPECT_FALSE(drawnNear(w - 8, 8)) << name << " covers the top-right corner";
        EXPECT_FALSE(drawnNear(8, h - 8)) << name << " covers the bottom-left corner";
    }
}

// --- the trainer's face ----------------------------------------------------------------------------

QImage renderPicture(const char* name)
{
    QSvgRenderer renderer(QString::fromStdString(pictureResource(name)));
    QImage image(renderer.defaultSize(), QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::white);
    QPainter painter(&image);
    renderer.render(&painter);
    return image;
}

int lightness(const QImage& image, int x, int y)
{
    return QColor(image.pixel(x, y)).lightness();
}

namespace face = defib::assets::face;

bool inside(const defib::assets::Box& inner, const defib::assets::Box& outer)
{
    return inner.left >= outer.left && inner.top >= outer.top && inner.left + inner.width <= outer.left + outer.width
        && inner.top + inner.height <= outer.top + outer.height;
}

// The places the program lays its text, LEDs and buttons over must be where the opened trainer
// shows its display window, lenses and recesses; a drawing moved without its numbers fails here.
TEST(TrainerFace, PlacesMatchTheOpenedTrainer)
{
    const QImage open = renderPicture("aed2");
    ASSERT_EQ(open.size(), QSize(500, 400));
    const defib::assets::Box whole{0, 0, 500, 400};
    for (const auto& box : {face::display, face::powerButton, face::analyzeButton, face::shockButton, face::lowBattery})
        EXPECT_TRUE(inside(box, whole));
    EXPECT_TRUE(inside(face::lowBattery, face::display)) << "the battery sign sits in the display window";

    // The display window is dark all over (the program writes light text on it).
    const auto& d = face::display;
    for (int y = d.top + 4; y < d.top + d.height - 4; y += 4) {
        for (int x = d.left + 4; x < d.left + d.width - 4; x += 4)
            ASSERT_LT(lightness(open, x, y), 60) << "display window at " << x << "," << y;
    }
    // The buttons' places are dark recesses, ringed; the power button is drawn in its ring.
    for (const auto& b : {face::analyzeButton, face::shockButton}) {
        const int cx = b.left + b.width / 2, cy = b.top + b.height / 2;
        EXPECT_LT(lightness(open, cx, cy), 50) << "button recess at " << cx << "," << cy;
        EXPECT_LT(lightness(open, cx + 18, cy), 50);
    }
    const int pcx = face::powerButton.left + 24, pcy = face::powerButton.top + 24;
    EXPECT_GT(lightness(open, pcx, pcy + 9), 180) << "the power symbol is drawn in the ring";
    // The LEDs' lenses: darkish and unlit, each centred on its spot.
    for (const auto& led : {face::powerLed, face::analyzeLed, face::shockLed}) {
        EXPECT_LT(lightness(open, led.x, led.y), 110) << "LED lens at " << led.x << "," << led.y;
        EXPECT_GE(led.radius, 4);
    }
    // The socket: a dark hole on the lower left of the face.
    EXPECT_LT(face::socket.x, 80);
    EXPECT_GT(face::socket.y, 300);
    EXPECT_LT(lightness(open, face::socket.x, face::socket.y - 5), 40);
}

// Closed, the lid shows the power button's place through a window; the rest is the case.
TEST(TrainerFace, ClosedCaseShowsThePowerButtonPlace)
{
    const QImage closed = renderPicture("AED");
    const int cx = face::powerButton.left + 24, cy = face::powerButton.top + 24;
    EXPECT_LT(lightness(closed, cx, cy), 60) << "no window in the lid over the power button";
    EXPECT_GT(lightness(closed, cx, cy + 45), 100) << "the case round the window";
    // The right half is empty: the lid opens into it.
    EXPECT_EQ(QColor(closed.pixel(400, 200)), QColor(Qt::white));
}

// --- sounds --------------------------------------------------------------------------------------

struct Wave {
    int format = 0;
    int channels = 0;
    int rate = 0;
    int bits = 0;
    std::vector<int16_t> samples;
};

uint32_t le32(const char* p)
{
    const auto* u = reinterpret_cast<const unsigned char*>(p);
    return u[0] | (u[1] << 8) | (u[2] << 16) | (uint32_t(u[3]) << 24);
}

uint16_t le16(const char* p)
{
    const auto* u = reinterpret_cast<const unsigned char*>(p);
    return uint16_t(u[0] | (u[1] << 8));
}

// Reads a RIFF/WAVE file chunk by chunk; nothing if it is not one or is cut short.
std::optional<Wave> readWave(const QByteArray& bytes, std::string& why)
{
    const char* d = bytes.constData();
    const qsizetype n = bytes.size();
    if (n < 12 || std::string(d, 4) != "RIFF" || std::string(d + 8, 4) != "WAVE") {
        why = "not a RIFF/WAVE file";
        return std::nullopt;
    }
    if (le32(d + 4) + 8 > uint64_t(n)) {
        why = "RIFF size runs past the end of the file";
        return std::nullopt;
    }
    Wave w;
    bool haveFormat = false, haveData = false;
    qsizetype pos = 12;
    while (pos + 8 <= n) {
        const std::string id(d + pos, 4);
        const uint32_t size = le32(d + pos + 4);
        const qsizetype body = pos + 8;
        if (body + qsizetype(size) > n) {
            why = "chunk '" + id + "' runs past the end of the file";
            return std::nullopt;
        }
        if (id == "fmt ") {
            if (size < 16) {
                why = "fmt chunk too short";
                return std::nullopt;
            }
            w.format = le16(d + body);
            w.channels = le16(d + body + 2);
            w.rate = int(le32(d + body + 4));
            w.bits = le16(d + body + 14);
            haveFormat = true;
        } else if (id == "data") {
            if (!haveFormat) {
                why = "data before fmt";
                return std::nullopt;
            }
            w.samples.resize(size / 2);
            for (size_t i = 0; i < w.samples.size(); ++i)
                w.samples[i] = int16_t(le16(d + body + 2 * qsizetype(i)));
            haveData = true;
        }
        pos = body + size + (size & 1);
    }
    if (!haveFormat || !haveData) {
        why = haveFormat ? "no data chunk" : "no fmt chunk";
        return std::nullopt;
    }
    return w;
}

double dbfs(double linear)
{
    return 20.0 * std::log10(std::max(linear, 1e-9) / 32768.0);
}

double rmsOf(const std::vector<int16_t>& s)
{
    double sum = 0;
    for (int16_t v : s)
        sum += double(v) * v;
    return std::sqrt(sum / double(std::max<size_t>(s.size(), 1)));
}

QByteArray readFile(const std::string& path)
{
    QFile f(QString::fromStdString(path));
    if (!f.open(QIODevice::ReadOnly))
        return {};
    return f.readAll();
}

// The prompt at PATH is a playable, audible mono PCM file of at most LIMIT seconds that starts at
// once and is as loud as the others.
void checkPrompt(const std::string& path, const Sound& s, double limit)
{
    const QByteArray bytes = readFile(path);
    ASSERT_FALSE(bytes.isEmpty()) << path << " is missing or empty";
    std::string why;
    const auto wave = readWave(bytes, why);
    ASSERT_TRUE(wave) << path << ": " << why;
    EXPECT_EQ(wave->format, 1) << path << " is not PCM";
    EXPECT_EQ(wave->channels, 1) << path << " is not mono";
    EXPECT_EQ(wave->bits, 16) << path << " is not 16-bit";
    EXPECT_EQ(wave->rate, 22050) << path;
    ASSERT_GT(wave->rate, 0);

    const auto& samples = wave->samples;
    const double seconds = double(samples.size()) / wave->rate;
    EXPECT_GE(seconds, s.minSeconds) << path << " is too short";
    EXPECT_LE(seconds, limit) << path << " is too long";

    int peak = 0;
    for (int16_t v : samples)
        peak = std::max(peak, std::abs(int(v)));
    EXPECT_GT(dbfs(peak), -20.0) << path << " is (nearly) silent";
    EXPECT_LT(dbfs(peak), -0.5) << path << " reaches full scale: it clips";

    // A prompt starts at once: sound within the first 30 ms.
    const double threshold = 32768.0 * std::pow(10.0, -40.0 / 20.0);
    const auto first
        = std::find_if(samples.begin(), samples.end(), [&](int16_t v) { return std::abs(int(v)) > threshold; });
    ASSERT_NE(first, samples.end()) << path;
    EXPECT_LT(double(first - samples.begin()) / wave->rate, 0.030) << path << " starts with silence";

    // Evened out: speech within a few dB of the others, tones not far off.
    const double rms = dbfs(rmsOf(samples));
    if (s.kind == Kind::Speech) {
        EXPECT_NEAR(rms, -20.0, 2.0) << path << " is louder or softer than the other prompts";
    } else {
        EXPECT_NEAR(rms, -20.0, 6.0) << path << " is far louder or softer than the prompts";
    }
}

class SoundTest : public testing::TestWithParam<Sound> { };

TEST_P(SoundTest, IsAudibleMonoPcmThatStartsAtOnce)
{
    const Sound& s = GetParam();
    checkPrompt(std::string(DEFIB_SOUNDS_DIR) + "/" + s.name, s, s.maxSeconds);
}

TEST_P(SoundTest, IsCopiedBesideTheProgram)
{
    const Sound& s = GetParam();
    const QByteArray shipped = readFile(std::string(DEFIB_SOUNDS_DIR) + "/" + s.name);
    const QByteArray copy = readFile(std::string(DEFIB_PROGRAM_DIR) + "/" + s.name);
    ASSERT_FALSE(copy.isEmpty()) << s.name << " is not in " << DEFIB_PROGRAM_DIR;
    EXPECT_EQ(copy, shipped) << s.name << " beside the program differs from the one in assets/sounds";
}

std::string soundName(const testing::TestParamInfo<Sound>& info)
{
    std::string n = info.param.name;
    for (char& c : n) {
        if (c == '.')
            c = '_';
    }
    return n;
}

INSTANTIATE_TEST_SUITE_P(Every, SoundTest, testing::ValuesIn(sounds), soundName);

// --- the prompts of the other languages ------------------------------------------------------------

std::string languageDir(const char* language)
{
    return std::string(DEFIB_SOUNDS_DIR) + "/" + language;
}

class LanguagePromptTest : public testing::TestWithParam<LanguagePrompt> { };

// Every spoken prompt is there in every language, checked as the English one is, and within the
// time its chain gives it.
TEST_P(LanguagePromptTest, IsAudibleMonoPcmThatEndsInTime)
{
    const LanguagePrompt& p = GetParam();
    checkPrompt(languageDir(p.language) + "/" + p.sound.name, p.sound, languageLimit(p.sound));
}

TEST_P(LanguagePromptTest, SaysItInItsOwnWords)
{
    const LanguagePrompt& p = GetParam();
    const QByteArray own = readFile(languageDir(p.language) + "/" + p.sound.name);
    ASSERT_FALSE(own.isEmpty()) << p.language << "/" << p.sound.name;
    EXPECT_NE(own, readFile(std::string(DEFIB_SOUNDS_DIR) + "/" + p.sound.name))
        << p.language << "/" << p.sound.name << " is the English prompt";
}

TEST_P(LanguagePromptTest, IsCopiedBesideTheProgram)
{
    const LanguagePrompt& p = GetParam();
    const std::string name = std::string(p.language) + "/" + p.sound.name;
    const QByteArray shipped = readFile(std::string(DEFIB_SOUNDS_DIR) + "/" + name);
    const QByteArray copy = readFile(std::string(DEFIB_PROGRAM_DIR) + "/" + name);
    ASSERT_FALSE(copy.isEmpty()) << name << " is not in " << DEFIB_PROGRAM_DIR;
    EXPECT_EQ(copy, shipped) << name << " beside the program differs from the one in assets/sounds";
}

std::string languagePromptName(const testing::TestParamInfo<LanguagePrompt>& info)
{
    std::string n = std::string(info.param.language) + "_" + info.param.sound.name;
    for (char& c : n) {
        if (c == '.')
            c = '_';
    }
    return n;
}

INSTANTIATE_TEST_SUITE_P(Every, LanguagePromptTest, testing::ValuesIn(languagePrompts()), languagePromptName);

// The folders in assets/sounds are the languages checked above, and a language folder holds
// nothing but spoken prompts with an English counterpart of the same name: a file under another
// name would never be played, and a tone belongs to every language in the English folder.
TEST(LanguageFolders, HoldOnlyTheSpokenPromptsUnderTheirEnglishNames)
{
    const QDir all(QString::fromUtf8(DEFIB_SOUNDS_DIR));
    std::set<std::string> folders;
    for (const QString& folder : all.entryList(QDir::Dirs | QDir::NoDotAndDotDot | QDir::Hidden))
        folders.insert(folder.toStdString());
    EXPECT_EQ(folders, std::set<std::string>(std::begin(languages), std::end(languages)));

    std::set<std::string> spoken;
    for (const Sound& s : sounds) {
        if (s.kind == Kind::Speech)
            spoken.insert(s.name);
    }
    for (const char* language : languages) {
        const QDir dir(QString::fromStdString(languageDir(language)));
        ASSERT_TRUE(dir.exists()) << languageDir(language);
        for (const QString& entry : dir.entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden)) {
            const std::string name = entry.toStdString();
            EXPECT_TRUE(QFile::exists(all.filePath(entry))) << language << "/" << name << " has no English counterpart";
            EXPECT_TRUE(spoken.count(name)) << language << "/" << name << " is not a spoken prompt";
        }
    }
}

// Both spellings are separate files on a case-sensitive file system, and say the same thing.
TEST(Sounds, BothSpellingsShipAlike)
{
    const std::pair<const char*, const char*> pairs[]
        = {{"connecte.wav", "connectE.wav"}, {"motion.wav", "MOTION.WAV"}, {"click.wav", "CLICK.WAV"}};
    for (const auto& [a, b] : pairs) {
        const QByteArray first = readFile(std::string(DEFIB_SOUNDS_DIR) + "/" + a);
        const QByteArray second = readFile(std::string(DEFIB_SOUNDS_DIR) + "/" + b);
        ASSERT_FALSE(first.isEmpty()) << a;
        ASSERT_FALSE(second.isEmpty()) << b;
        EXPECT_EQ(first, second) << a << " and " << b << " differ";
    }
    // The shock's click is a tone: the language folders have the spoken pairs only.
    for (const char* language : languages) {
        for (const auto& [a, b] : {pairs[0], pairs[1]}) {
            const QByteArray first = readFile(languageDir(language) + "/" + a);
            ASSERT_FALSE(first.isEmpty()) << language << "/" << a;
            EXPECT_EQ(first, readFile(languageDir(language) + "/" + b))
                << language << ": " << a << " and " << b << " differ";
        }
    }
}

// The prompts that begin with a beep begin with a steady tone, not with speech, in every language.
TEST(Sounds, BeepPromptsStartWithATone)
{
    // In every language: the tones are the English ones.
    std::vector<std::string> folders{""};
    for (const char* language : languages)
        folders.push_back(std::string(language) + "/");
    std::vector<std::string> beepPrompts;
    for (const std::string& folder : folders) {
        for (const char* name : {"pushanaB.wav", "bepclear.wav", "shkwarn.wav"})
            beepPrompts.push_back(folder + name);
    }
    for (const std::string& name : beepPrompts) {
        std::string why;
        const auto beeped = readWave(readFile(std::string(DEFIB_SOUNDS_DIR) + "/" + name), why);
        ASSERT_TRUE(beeped) << name << ": " << why;
        // Count zero crossings over the first 100 ms: a tone of about 1 kHz crosses about 200 times,
        // regularly; check that the crossings are evenly spaced.
        const size_t n = std::min<size_t>(beeped->samples.size(), size_t(beeped->rate / 10));
        std::vector<size_t> crossings;
        for (size_t i = 1; i < n; ++i) {
            if ((beeped->samples[i - 1] < 0) != (beeped->samples[i] < 0))
                crossings.push_back(i);
        }
        ASSERT_GT(crossings.size(), 100u) << name << " does not start with a tone";
        std::vector<double> gaps;
        for (size_t i = 1; i < crossings.size(); ++i)
            gaps.push_back(double(crossings[i] - crossings[i - 1]));
        double mean = 0;
        for (double g : gaps)
            mean += g;
        mean /= double(gaps.size());
        double spread = 0;
        for (double g : gaps)
            spread += (g - mean) * (g - mean);
        spread = std::sqrt(spread / double(gaps.size()));
        EXPECT_LT(spread, 0.25 * mean) << name << " does not start with a steady tone";
    }
}

// The charging tone rises: more zero crossings in its last second than in its first.
TEST(Sounds, ChargingToneRises)
{
    std::string why;
    const auto sweep = readWave(readFile(std::string(DEFIB_SOUNDS_DIR) + "/SWEEP.wav"), why);
    ASSERT_TRUE(sweep) << why;
    const auto& s = sweep->samples;
    const size_t second = size_t(sweep->rate);
    ASSERT_GT(s.size(), 3 * second);
    auto crossings = [&](size_t from, size_t to) {
        int c = 0;
        for (size_t i = from + 1; i < to; ++i) {
            if ((s[i - 1] < 0) != (s[i] < 0))
                ++c;
        }
        return c;
    };
    EXPECT_GT(crossings(s.size() - second, s.size()), 2 * crossings(0, second));
}

} // namespace

int main(int argc, char** argv)
{
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
