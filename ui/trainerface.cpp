// The trainer AED in the main window: its closed and opened case, the buttons, the lights, the
// display's lines and corners, the low-battery mark, and the armed Shock button's pulse and the
// jolt and flash of a delivered shock.
#include "ui/mainwindow.h"

#include <QFrame>
#include <QMouseEvent>
#include <cmath>
#include <iterator>

#include "assets/pictures.h"
#include "device/shock.h"
#include "engine/layout.h"
#include "ui/stage.h"
#include "ui/sync.h"
#include "ui/windowparts.h"

namespace defib::ui {

namespace {

// The trainer's parts over the opened case, in window coordinates.
QRect onDevice(const assets::Box& box)
{
    return QRect(devicePicture.left + box.left, devicePicture.top + box.top, box.width, box.height);
}

QRect ledRect(const assets::Spot& spot)
{
    const int radius = spot.radius + 3;
    return QRect(devicePicture.left + spot.x - radius, devicePicture.top + spot.y - radius, 2 * radius, 2 * radius);
}

} // namespace

using windowparts::makeLabel;

void TForm1::buildDevice()
{
    MainWindow& ui = scenario().ui;
    const QRect frame(devicePicture.left, devicePicture.top, devicePicture.width, devicePicture.height);
    Picture* closed = picture(ui.AED, QStringLiteral("AED"), false);
    place(closed, frame);
    closed->setAccessibleName(tr("AED trainer, closed"));
    Picture* opened = picture(ui.aed2, QStringLiteral("aed2"), false);
    place(opened, frame);
    opened->setAccessibleName(tr("AED trainer"));

    // The two-button model has no Analyze button: its slot, label and step badge are blanked out.
    auto* blank = new QFrame(stage_);
    blank->setObjectName(QStringLiteral("TwoButtonBlank"));
    place(blank, onDevice(assets::face::analyzeButton).adjusted(-22, -18, 40, 30));
    blank->setStyleSheet(QStringLiteral("#TwoButtonBlank { background: #2F3439; border-radius: 10px; }"));
    blank->setAttribute(Qt::WA_TransparentForMouseEvents);
    syncers_.push_back([this, blank, &ui] {
        const bool shown = ui.aed2.visible && scenario().option(scenario().options.OPTTWOBUTTONAED);
        if (blank->isVisibleTo(stage_) != shown)
            blank->setVisible(shown);
    });

    auto* cover = new QFrame(stage_);
    cover->setObjectName(QStringLiteral("AnalyzeButtonCover"));
    place(cover, onDevice(assets::face::analyzeButton).adjusted(-6, -6, 6, 6));
    cover->setStyleSheet(QStringLiteral("#AnalyzeButtonCover { background: #343A40; border-radius: 12px; }"));
    bind(cover, ui.AnalyzeButtonCover, false, &ui.aed2);

    auto button = [&](Control& control, const QString& name, const assets::Box& box, const char* handler,
                      Control* shownWith, const QString& hint) {
        Picture* p = picture(control, name, false, shownWith);
        place(p, onDevice(box));
        p->setCursor(Qt::PointingHandCursor);
        p->setToolTip(hint);
        p->setAccessibleDescription(hint);
        std::string h = handler;
        p->onPress = [this, h](QMouseEvent* event) {
            if (event->button() == Qt::LeftButton)
                run(h);
        };
        return p;
    };
    button(ui.PowerButton, QStringLiteral("PowerButton"), assets::face::powerButton, "PowerButtonClick", &ui.AED,
           tr("Turns the trainer on"));
    button(ui.POWERBUTTON2, QStringLiteral("POWERBUTTON2"), assets::face::powerButton, "POWERBUTTON2Click", &ui.aed2,
           tr("Turns the trainer on again after the battery was replaced"));
    button(ui.AnalyzeButton, QStringLiteral("AnalyzeButton"), assets::face::analyzeButton, "AnalyzeButtonClick",
           &ui.aed2, tr("Analyzes the heart rhythm"));
    button(ui.ShockButton, QStringLiteral("ShockButton"), assets::face::shockButton, "SHOCKButtonClick", &ui.aed2,
           tr("Delivers the shock"));

    auto led = [&](Control& control, Led::Mark mark, const assets::Spot& spot, const QString& name) {
        auto* l = new Led(mark, stage_);
        l->setObjectName(QString::fromStdString(control.name()));
        l->setAccessibleName(name);
        place(l, ledRect(spot));
        bind(l, control, false, &ui.aed2);
        syncers_.push_back([l, &control] {
            l->setColour(control.colour());
            l->setAccessibleDescription(control.colour() == clWhite ? tr("off") : tr("lit"));
        });
    };
    led(ui.PowerLight, Led::Mark::Power, assets::face::powerLed, tr("Power light"));
    led(ui.AnalyzeLED, Led::Mark::Analyze, assets::face::analyzeLed, tr("Analyze light"));
    led(ui.ShockLED, Led::Mark::Shock, assets::face::shockLed, tr("Shock light"));

    const QRect display = onDevice(assets::face::display);
    QFont lcd(QStringLiteral("DejaVu Sans Mono"));
    lcd.setStyleHint(QFont::Monospace);
    lcd.setBold(true);
    lcd.setPixelSize(13);
    auto line = [&](Control& control, int top) {
        QLabel* label = makeLabel(stage_, QString::fromStdString(control.name()), QString());
        place(label, QRect(displayLeft, top, displayWidth, 22));
        label->setAlignment(Qt::AlignCenter);
        label->setFont(lcd);
        stage_->setDesignFont(label, 13);
        label->setStyleSheet(QStringLiteral("color: #D6FBE0; background: transparent;"));
        label->setAttribute(Qt::WA_TransparentForMouseEvents);
        bind(label, control, false, &ui.aed2);
        syncers_.push_back([this, label, top, &control] {
            syncText(label, control);
            label->setAccessibleName(tr("Trainer display: ") + label->text());
            place(label,
                  QRect(control.left ? control.left : displayLeft, top, control.width ? control.width : displayWidth,
                        22));
        });
    };
    line(ui.AEDDISPLAY0, display.top() + 4);
    line(ui.AEDDISPLAY1, display.top() + 24);

    QFont small = lcd;
    small.setPixelSize(11);
    small.setBold(false);
    auto corner = [&](Control& control, QRect geometry, Qt::Alignment alignment) {
        QLabel* label = makeLabel(stage_, QString::fromStdString(control.name()), QString());
        place(label, geometry);
        label->setFont(small);
        stage_->setDesignFont(label, 11);
        label->setAlignment(alignment);
        label->setStyleSheet(QStringLiteral("color: #9FD8AE; background: transparent;"));
        label->setAttribute(Qt::WA_TransparentForMouseEvents);
        bind(label, control, false, &ui.aed2);
        syncers_.push_back([label, &control] { syncText(label, control); });
    };
    corner(ui.NumShockLabel, QRect(display.left() + 8, display.bottom() - 13, 40, 12), Qt::AlignLeft);
    corner(ui.TIMELabel, QRect(display.right() - 56, display.bottom() - 13, 48, 12), Qt::AlignRight);
    Picture* battery = picture(ui.LOWBATTERYINDICATOR, QStringLiteral("LOWBATTERYINDICATOR"), false, &ui.aed2);
    place(battery, onDevice(assets::face::lowBattery));
    battery->setAccessibleName(tr("Low battery"));
    battery->setAttribute(Qt::WA_TransparentForMouseEvents);
}

void TForm1::buildShockEffects()
{
    shockPulse_ = new Glow(Glow::Kind::Ring, QColor(0xFF, 0x3B, 0x30), stage_);
    shockPulse_->setObjectName(QStringLiteral("ShockPulse"));
    place(shockPulse_, onDevice(assets::face::shockButton).adjusted(-12, -12, 12, 12));
    shockPulse_->hide();
    shockFlash_ = new Glow(Glow::Kind::Fill, QColor(0xFF, 0xFF, 0xF0, 235), stage_);
    shockFlash_->setObjectName(QStringLiteral("ShockFlash"));
    place(shockFlash_, onDevice(assets::face::display));
    shockFlash_->hide();

    // The armed Shock button breathes in and out about once a second.
    pulseTimer_.setInterval(40);
    connect(&pulseTimer_, &QTimer::timeout, this, [this] {
        pulsePhase_ = (pulsePhase_ + 1) % 25;
        shockPulse_->setLevel(0.35 + 0.65 * std::abs(12 - pulsePhase_) / 12.0);
    });
    // A delivered shock: the patient jolts and the display flashes, for about a third of a second.
    joltTimer_.setInterval(35);
    connect(&joltTimer_, &QTimer::timeout, this, [this] {
        static constexpr int shifts[] = {6, -6, 5, -4, 3, -2, 1, 0};
        constexpr int steps = static_cast<int>(std::size(shifts));
        stage_->setJolt(QPoint(shifts[joltStep_], 0));
        shockFlash_->setLevel(1.0 - static_cast<double>(joltStep_) / steps);
        if (++joltStep_ >= steps) {
            joltTimer_.stop();
            stage_->setJolt(QPoint());
            shockFlash_->hide();
        }
    });
}

void TForm1::syncShockEffects()
{
    Scenario& s = scenario();
    const bool armed = shockArmed(s) && s.ui.ShockButton.visible && s.ui.aed2.visible;
    if (armed != shockPulse_->isVisible()) {
        shockPulse_->setVisible(armed);
        if (armed) {
            shockPulse_->raise();
            pulseTimer_.start();
        } else {
            pulseTimer_.stop();
        }
    }
    const int shocks = s.state.shockCount;
    if (shocks > shownShocks_) {
        joltStep_ = 0;
        shockFlash_->setLevel(1.0);
        shockFlash_->show();
        shockFlash_->raise();
        joltTimer_.start();
    }
    shownShocks_ = shocks;
}

bool TForm1::jolting() const
{
    return joltTimer_.isActive();
}

} // namespace defib::ui
