#include "ui/optionspages.h"

#include <QApplication>
#include <QButtonGroup>
#include <QDir>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QScrollBar>
#include <QVBoxLayout>

#include "engine/layout.h"
#include "options/language.h"
#include "options/pages.h"
#include "options/stationoptions.h"
#include "ui/ftpform.h"
#include "ui/mainwindow.h"
#include "ui/password.h"
#include "ui/programstation.h"
#include "ui/qtreport.h"
#include "ui/widgets.h"

namespace defib::ui {

namespace {

const QString pagesStyle = QStringLiteral(
    "QTabWidget#PageControl1::pane { border: none; border-top: 1px solid #AAB6C2; background: #E9EDF1; }"
    "QTabWidget#PageControl1 > QTabBar { background: #1F3B57; }"
    "QTabWidget#PageControl1 > QTabBar::tab { background: #2C4D6E; color: #D7E3EF; padding: 9px 26px;"
    " margin: 8px 2px 0 0; border-top-left-radius: 6px; border-top-right-radius: 6px; font-size: 14px;"
    " font-weight: 600; }"
    "QTabWidget#PageControl1 > QTabBar::tab:first { margin-left: 16px; }"
    "QTabWidget#PageControl1 > QTabBar::tab:selected { background: #E9EDF1; color: #14324F; }"
    "QTabWidget#PageControl1 > QTabBar::tab:hover:!selected { background: #3A6189; }"
    "#TabSheet1, #TabSheet2, #TabSheet3 { background: #E9EDF1; }"
    "QGroupBox { background: #FFFFFF; border: 1px solid #C5CED6; border-radius: 8px; margin-top: 26px;"
    " padding: 14px 16px 12px 16px; font-size: 14px; font-weight: 700; color: #14324F; }"
    "QGroupBox::title { subcontrol-origin: margin; subcontrol-position: top left; left: 2px; top: 2px; padding: 0;"
    " background: transparent; }"
    "QCheckBox, QRadioButton, QLabel { font-size: 14px; font-weight: 400; color: #202A33; }"
    "QCheckBox, QRadioButton { min-height: 22px; }"
    "QLabel[hint=\"true\"] { color: #5B6875; font-size: 13px; }"
    "QLineEdit { font-size: 14px; font-weight: 400; padding: 3px 6px; border: 1px solid #AAB6C2; border-radius: 4px;"
    " background: #FFFFFF; color: #14324F; }"
    "QLineEdit:read-only { background: #F4F6F8; }"
    "QCheckBox:disabled, QLabel:disabled, QLineEdit:disabled { color: #9AA7B4; }"
    "QLineEdit:focus { border: 2px solid #2D6CB0; }"
    "QPushButton { font-size: 13px; font-weight: 600; color: #14324F; background: #FFFFFF; min-width: 92px;"
    " min-height: 30px; padding: 0 12px; border: 1px solid #8DA0B3; border-radius: 6px; }"
    "QPushButton:hover { background: #EAF2FB; }"
    "QPushButton:pressed, QPushButton:checked { background: #D3E3F5; }"
    "QPushButton:focus { border: 2px solid #2D6CB0; }"
    "QPushButton:disabled { color: #9AA7B4; background: #F1F3F5; border-color: #C5CED6; }"
    "QPushButton[accept=\"true\"] { background: #2D6CB0; color: #FFFFFF; border-color: #1F5390; }"
    "QPushButton[accept=\"true\"]:hover { background: #3A7CC4; }"
    "QPushButton[accept=\"true\"]:focus { border: 2px solid #F2B632; }"
    "QToolButton { border: 1px solid #AAB6C2; background: #F4F6F8; }"
    "QToolButton:hover { background: #EAF2FB; }"
    "QToolButton:pressed { background: #D3E3F5; }");

const QString memoStyle
    = QStringLiteral("#REPORTMEMO { background: #000000; border: 1px solid #5B6875; border-radius: 0; }");

// A read-only number field whose arrow keys work its spin button.
class NumberEdit : public QLineEdit {
public:
    using QLineEdit::QLineEdit;
    std::function<void(bool up)> onStep;

protected:
    void keyPressEvent(QKeyEvent* event) override
    {
        if (onStep && (event->key() == Qt::Key_Up || event->key() == Qt::Key_Down)) {
            onStep(event->key() == Qt::Key_Up);
            event->accept();
            return;
        }
        QLineEdit::keyPressEvent(event);
    }
};

QLabel* hint(const QString& text, QWidget* parent)
{
    auto* label = new QLabel(text, parent);
    label->setProperty("hint", true);
    label->setWordWrap(true);
    return label;
}

QGroupBox* group(const QString& name, const QString& title, QWidget* parent)
{
    auto* box = new QGroupBox(title, parent);
    box->setObjectName(name);
    auto* layout = new QVBoxLayout(box);
    layout->setSpacing(9);
    return box;
}

} // namespace

SpinButtons::SpinButtons(const QString& name, QWidget* parent)
    : QWidget(parent)
{
    setObjectName(name);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    up_ = new QToolButton(this);
    up_->setObjectName(name + QStringLiteral("Up"));
    down_ = new QToolButton(this);
    down_->setObjectName(name + QStringLiteral("Down"));
    for (auto [button, arrow] : {std::pair{up_, Qt::UpArrow}, std::pair{down_, Qt::DownArrow}}) {
        button->setArrowType(arrow);
        button->setAutoRepeat(true);
        button->setFocusPolicy(Qt::NoFocus);
        button->setFixedSize(20, 15);
        layout->addWidget(button);
    }
    up_->setStyleSheet(QStringLiteral("QToolButton { border-top-right-radius: 4px; }"));
    down_->setStyleSheet(QStringLiteral("QToolButton { border-top: none; border-bottom-right-radius: 4px; }"));
}

OptionsPages::OptionsPages(TForm1& window, QWidget* parent)
    : QTabWidget(parent)
    , window_(window)
{
    setObjectName(QStringLiteral("PageControl1"));
    setGeometry(0, 0, mainWindowWidth, mainWindowHeight);
    setStyleSheet(pagesStyle);
    setDocumentMode(false);
    setUsesScrollButtons(false);

    Scenario& s = window_.scenario();
    files_ = std::make_unique<QtFileDialog>(&window_, QString::fromStdString(s.options.programDirectory));
    fonts_ = std::make_unique<QtFontDialog>(&window_);
    printer_ = std::make_unique<QtPrinter>(&window_);
    s.ui.reportViewer.services = {files_.get(), fonts_.get(), printer_.get()};

    // The menu bar holds F, T and H, and the report page needs O, P, N and R: the pages are
    // reached with Ctrl+Tab rather than with mnemonics of their own.
    addTab(buildProgramPage(), tr("Program Options"));
    addTab(buildProtocolPage(), tr("Protocol Options"));
    addTab(buildReportPage(), tr("Report Options"));
    pageChanged_ = connect(this, &QTabWidget::currentChanged, this, [this](int index) {
        if (syncing_ || index < 0)
            return;
        window_.run(widget(index)->objectName().toStdString() + "Show");
    });

    password_ = new TPasswordDlg(window_);
    sendForm_ = new TFTPform(window_);
    uploader_ = std::make_unique<ThreadUploader>(window_);
    s.sendWindow.uploader = uploader_.get();
    window_.installEventFilter(this);
}

OptionsPages::~OptionsPages()
{
    // The trainer is gone by now (the window's members go before its children): the pages
    // coming apart must not reach it.
    disconnect(pageChanged_);
}

bool OptionsPages::eventFilter(QObject* watched, QEvent* event)
{
    if (watched != &window_ || event->type() != QEvent::KeyPress || !isVisible())
        return QTabWidget::eventFilter(watched, event);
    // A key a control of the pages did not want stays with it, as on the pages of old; only a key
    // that reaches the window itself moves the focus, to the OK button of the page in view (the
    // main menu's Start lies hidden behind the pages).
    QWidget* focus = QApplication::focusWidget();
    if (!focus || focus == &window_ || !isAncestorOf(focus))
        window_.run("FormKeyDown");
    return true;
}

void OptionsPages::paintEvent(QPaintEvent* event)
{
    {
        QPainter painter(this);
        painter.fillRect(rect(), QColor(0x1F, 0x3B, 0x57));
    }
    QTabWidget::paintEvent(event);
}

void OptionsPages::change(const std::function<void()>& edit)
{
    if (syncing_)
        return;
    edit();
    window_.sync();
}

QCheckBox* OptionsPages::flag(Control& option, const QString& caption, QWidget* parent)
{
    // The caption stands two blanks off its box, as on the pages of old.
    auto* box = new QCheckBox(QStringLiteral("  ") + caption, parent);
    box->setObjectName(QString::fromStdString(option.name()));
    Options& o = window_.scenario().options;
    connect(box, &QCheckBox::clicked, this,
            [this, &o, &option](bool checked) { change([&] { o.setChecked(option, checked); }); });
    syncers_.push_back([box, &option] {
        if (box->isChecked() != option.checked)
            box->setChecked(option.checked);
        box->setEnabled(option.enabled);
    });
    parent->layout()->addWidget(box);
    return box;
}

QWidget* OptionsPages::number(Control& option, const char* spinButton, QWidget* parent)
{
    auto* row = new QWidget(parent);
    row->setObjectName(QString::fromStdString(option.name()) + QStringLiteral("Row"));
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    auto* edit = new NumberEdit(row);
    edit->setObjectName(QString::fromStdString(option.name()));
    edit->setReadOnly(true);
    edit->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    edit->setFixedSize(60, 30);
    edit->setStyleSheet(QStringLiteral("QLineEdit { border-top-right-radius: 0; border-bottom-right-radius: 0; }"));
    auto* spin = new SpinButtons(QString::fromLatin1(spinButton), row);
    layout->addWidget(edit);
    layout->addWidget(spin);
    layout->addStretch();
    const std::string name = spinButton;
    auto step = [this, name](bool up) { window_.run(name + (up ? "UpClick" : "DownClick")); };
    edit->onStep = step;
    connect(spin->up(), &QToolButton::clicked, this, [step] { step(true); });
    connect(spin->down(), &QToolButton::clicked, this, [step] { step(false); });
    syncers_.push_back([row, edit, &option] {
        syncText(edit, option);
        row->setEnabled(option.enabled);
    });
    return row;
}

QPushButton* OptionsPages::button(Control& control, const QString& caption, const std::string& handler, QWidget* parent)
{
    auto* b = new QPushButton(caption, parent);
    b->setObjectName(QString::fromStdString(control.name()));
    b->setAutoDefault(false);
    // Every page's OK saves the options, the language with them.
    const bool saves = handler == "ProgramOKClick" || handler == "ProtocolOKClick" || handler == "DATAOKClick";
    if (!handler.empty())
        connect(b, &QPushButton::clicked, this, [this, handler, saves] {
            window_.run(handler);
            if (saves) {
                saveLanguageChoice();
                saveStationChoice();
            }
        });
    syncers_.push_back([b, &control] {
        if (b->isVisibleTo(b->parentWidget()) != control.visible)
            b->setVisible(control.visible);
        b->setEnabled(control.enabled);
    });
    return b;
}

QWidget* OptionsPages::buildProgramPage()
{
    Scenario& s = window_.scenario();
    Options& o = s.options;
    MainWindow& ui = s.ui;
    auto* page = new QWidget(this);
    page->setObjectName(QStringLiteral("TabSheet1"));
    auto* outer = new QVBoxLayout(page);
    outer->setContentsMargins(28, 22, 28, 20);
    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(20);
    grid->setVerticalSpacing(16);

    QGroupBox* trouble = group(QStringLiteral("TroubleshootGroup"), tr("Troubleshoot"), page);
    auto* oddsRow = new QHBoxLayout;
    auto* oddsLabel = new QLabel(tr("Percenta&ge"), trouble);
    oddsLabel->setObjectName(QStringLiteral("PercentageLabel"));
    QWidget* odds = number(o.OptTroubleOdds, "SpinButton11", trouble);
    oddsLabel->setBuddy(odds->findChild<QLineEdit*>(QStringLiteral("OptTroubleOdds")));
    oddsRow->addWidget(oddsLabel);
    oddsRow->addSpacing(10);
    oddsRow->addWidget(odds);
    oddsRow->addStretch();
    static_cast<QVBoxLayout*>(trouble->layout())->addLayout(oddsRow);
    trouble->layout()->addWidget(hint(tr("Chance of a trainer problem in a scenario, of these kinds:"), trouble));
    flag(o.OptMOTIONTrouble, tr("Motion Detection"), trouble);
    flag(o.OptElectrodeTrouble, tr("Electrode Re-attach"), trouble);
    flag(o.OptBatteryTrouble, tr("Battery Replace"), trouble);
    static_cast<QVBoxLayout*>(trouble->layout())->addStretch();

    QGroupBox* trainer = group(QStringLiteral("TrainerGroup"), tr("Trainer"), page);
    flag(o.OPTTWOBUTTONAED, tr("Two Button AED"), trainer);
    flag(o.OPTAUTOANALYZE, tr("Auto Analyze"), trainer);
    flag(o.SOUNDCheckBox, tr("Audio"), trainer);
    trainer->layout()->addWidget(buildLanguageRow(trainer));
    static_cast<QVBoxLayout*>(trainer->layout())->addStretch();

    QGroupBox* scenario = group(QStringLiteral("ScenarioGroup"), tr("Scenario"), page);
    flag(o.OptHypo, tr("Hypothermic Patient"), scenario);
    flag(o.OPTOneShockScenario, tr("One Shock Scenario"), scenario);
    flag(o.OPTautoABCS, tr("Auto ABCs"), scenario);
    flag(o.OptBVM, tr("Bag-Valve Mask"), scenario);
    flag(o.OPTCPRTIME, tr("Prompt for CPR time"), scenario);
    static_cast<QVBoxLayout*>(scenario->layout())->addStretch();

    QGroupBox* exam = group(QStringLiteral("ExamGroup"), tr("Registration and Exam"), page);
    flag(o.IDNumCheckBox, tr("Require ID Number"), exam);
    flag(o.THREESCENARIOTEST, tr("Three Scenario Exam"), exam);
    // Not an option of the core: OPTION7.INI, saved by any page's OK, in force at once.
    stationChoice_ = new QCheckBox(QStringLiteral("  ") + tr("Let the instructor join"), exam);
    stationChoice_->setObjectName(QStringLiteral("StationChoice"));
    stationChoice_->setToolTip(tr("The instructor's console may join this trainer over the network, from the OK on: "
                                  "the main menu then shows the station's name and join code"));
    exam->layout()->addWidget(stationChoice_);
    static_cast<QVBoxLayout*>(exam->layout())->addStretch();

    QGroupBox* security = group(QStringLiteral("PasswordGroup"), tr("Password"), page);
    auto* passwordRow = new QHBoxLayout;
    passwordField_ = new QLineEdit(security);
    passwordField_->setObjectName(QStringLiteral("PASSWORD"));
    passwordField_->setStyleSheet(QStringLiteral("QLineEdit { lineedit-password-character: 42; }"));
    passwordField_->setMinimumHeight(32);
    connect(passwordField_, &QLineEdit::textEdited, this,
            [this, &o](const QString& text) { change([&] { o.setText(o.PASSWORD, text.toStdString()); }); });
    QPushButton* reveal = button(ui.PASSWORDBUTTON, tr("Pass&word"), "PASSWORDBUTTONClick", security);
    reveal->setCheckable(true);
    reveal->setToolTip(tr("Click this button to show/hide the current password."));
    passwordRow->addWidget(passwordField_, 1);
    passwordRow->addWidget(reveal);
    static_cast<QVBoxLayout*>(security->layout())->addLayout(passwordRow);
    security->layout()->addWidget(
        hint(tr("Asked for before the options open. Leave it empty to let everyone in."), security));
    static_cast<QVBoxLayout*>(security->layout())->addStretch();
    syncers_.push_back([this, reveal, &o, &ui] {
        syncText(passwordField_, o.PASSWORD);
        const bool clear = ui.PASSWORDBUTTON.checked;
        passwordField_->setEchoMode(clear ? QLineEdit::Normal : QLineEdit::Password);
        if (reveal->isChecked() != clear)
            reveal->setChecked(clear);
    });

    QGroupBox* board = group(QStringLiteral("ScoreboardGroup"), tr("Scoreboard"), page);
    board->layout()->addWidget(hint(tr("Deletes every practice score on the scoreboard."), board));
    auto* clearRow = new QHBoxLayout;
    clearRow->addWidget(button(ui.CLEARSCOREBOARD, tr("C&lear Scorebrd"), "CLEARSCOREBOARDClick", board));
    clearRow->addStretch();
    static_cast<QVBoxLayout*>(board->layout())->addLayout(clearRow);
    static_cast<QVBoxLayout*>(board->layout())->addStretch();

    grid->addWidget(trouble, 0, 0);
    grid->addWidget(scenario, 0, 1);
    grid->addWidget(security, 0, 2);
    grid->addWidget(trainer, 1, 0);
    grid->addWidget(exam, 1, 1);
    grid->addWidget(board, 1, 2);
    for (int column = 0; column < 3; ++column)
        grid->setColumnStretch(column, 1);
    outer->addLayout(grid);
    outer->addStretch();

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(button(ui.PROGRAMDefaultButton, tr("&DEFAULT"), "PROGRAMDefaultButtonClick", page));
    buttons->addStretch();
    QPushButton* ok = button(ui.ProgramOK, tr("&OK"), "ProgramOKClick", page);
    ok->setProperty("accept", true);
    buttons->addWidget(ok);
    buttons->addWidget(button(ui.ButtonCANCEL1, tr("&Cancel"), "ButtonCANCEL1Click", page));
    outer->addLayout(buttons);
    return page;
}

QWidget* OptionsPages::buildLanguageRow(QWidget* parent)
{
    auto* row = new QWidget(parent);
    row->setObjectName(QStringLiteral("LanguageRow"));
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 4, 0, 0);
    auto* label = new QLabel(tr("Lang&uage:"), row);
    label->setObjectName(QStringLiteral("LanguageLabel"));
    language_ = new QComboBox(row);
    language_->setObjectName(QStringLiteral("LanguageChoice"));
    // Each language by its own name, as its speakers look for it.
    for (const Language& language : shippedLanguages())
        language_->addItem(QString::fromUtf8(language.name), QString::fromLatin1(language.code));
    language_->setToolTip(tr("The language of the trainer's display, its voice and the windows, from the next "
                             "start of the program"));
    label->setBuddy(language_);
    layout->addWidget(label);
    layout->addWidget(language_, 1);
    return row;
}

std::string OptionsPages::savedLanguage() const
{
    // What OPTION6.INI holds, else the language in force (the desktop's, or --lang's); a choice
    // that could not be saved before them.
    if (!unsavedLanguage_.empty())
        return unsavedLanguage_;
    const Options& o = window_.scenario().options;
    const LanguageRead saved = loadLanguage(o.programDirectory);
    return saved.code ? *saved.code : o.language();
}

void OptionsPages::saveLanguageChoice()
{
    if (!language_)
        return;
    const std::string chosen = language_->currentData().toString().toStdString();
    Scenario& s = window_.scenario();
    const Options& o = s.options;
    const LanguageRead saved = loadLanguage(o.programDirectory);
    if (saved.code && *saved.code == chosen) {
        unsavedLanguage_.clear();
        return;
    }
    std::string error;
    const QString file = QDir::toNativeSeparators(
        QDir(QString::fromStdString(o.programDirectory)).filePath(QString::fromLatin1(languageFile)));
    if (!saveLanguage(o.programDirectory, chosen, error)) {
        s.platform.dialogs.message(tr("The language could not be saved in %1: %2. The other options are saved; "
                                      "choose the language again once the file can be written.")
                                       .arg(file, QString::fromStdString(error))
                                       .toStdString(),
                                   MessageKind::Error);
        unsavedLanguage_ = chosen;
        return;
    }
    unsavedLanguage_.clear();
    if (chosen != o.language())
        s.platform.dialogs.message(
            tr("The trainer speaks %1 from the next start of Defibrio.").arg(language_->currentText()).toStdString(),
            MessageKind::Information);
}

bool OptionsPages::savedStationChoice() const
{
    if (const ProgramStation* station = window_.station())
        return station->allowed();
    return loadStationOptions(window_.scenario().options.programDirectory).options.station;
}

void OptionsPages::saveStationChoice()
{
    if (!stationChoice_)
        return;
    const bool chosen = stationChoice_->isChecked();
    if (ProgramStation* station = window_.station()) {
        // Listens or closes at once; says what went wrong, and the box then shows what holds.
        station->setAllowed(chosen);
        return;
    }
    if (chosen == savedStationChoice())
        return;
    Scenario& s = window_.scenario();
    std::string error;
    if (!defib::saveStationChoice(s.options.programDirectory, chosen, error))
        s.platform.dialogs.message(
            tr("The choice to let the instructor join could not be saved in %1: %2. Choose it again once the file "
               "can be written.")
                .arg(QDir::toNativeSeparators(QDir(QString::fromStdString(s.options.programDirectory))
                                                  .filePath(QString::fromLatin1(stationOptionsFile))),
                     QString::fromStdString(error))
                .toStdString(),
            MessageKind::Error);
}

QWidget* OptionsPages::buildProtocolPage()
{
    Scenario& s = window_.scenario();
    Options& o = s.options;
    MainWindow& ui = s.ui;
    auto* page = new QWidget(this);
    page->setObjectName(QStringLiteral("TabSheet2"));
    auto* outer = new QVBoxLayout(page);
    outer->setContentsMargins(28, 22, 28, 20);
    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(20);
    grid->setVerticalSpacing(16);

    auto labelled
        = [&](QGridLayout* rows, int row, const QString& caption, Control& option, const char* spin, QWidget* parent) {
              auto* label = new QLabel(caption, parent);
              label->setObjectName(QString::fromStdString(option.name()) + QStringLiteral("Label"));
              QWidget* field = number(option, spin, parent);
              label->setBuddy(field->findChild<QLineEdit*>(QString::fromStdString(option.name())));
              // Greyed with its field when the option belongs to the other profile.
              syncers_.push_back([label, &option] { label->setEnabled(option.enabled); });
              rows->addWidget(label, row, 0);
              rows->addWidget(field, row, 1);
          };

    QGroupBox* shocks = group(QStringLiteral("ShocksGroup"), tr("Shocks and Pediatric Patients"), page);
    auto* limits = new QGridLayout;
    limits->setHorizontalSpacing(14);
    limits->setVerticalSpacing(10);
    labelled(limits, 0, tr("Hypothermic &Shock Limit"), o.OptHypoShocks, "SpinButton5", shocks);
    labelled(limits, 1, tr("Pediatric &Limit"), o.OptMinimumAge, "SpinButton6", shocks);
    auto* units = new QHBoxLayout;
    units->setSpacing(18);
    auto* unitGroup = new QButtonGroup(shocks);
    for (auto [control, caption] :
         {std::pair{&o.Age, tr("&Age (years)")}, std::pair{&o.Weight, tr("&Weight (lbs.)")}}) {
        auto* radio = new QRadioButton(caption, shocks);
        radio->setObjectName(QString::fromStdString(control->name()));
        unitGroup->addButton(radio);
        units->addWidget(radio);
        Control* option = control;
        connect(radio, &QRadioButton::clicked, this,
                [this, &o, option] { change([&] { o.setChecked(*option, true); }); });
        syncers_.push_back([radio, option] {
            if (option->checked && !radio->isChecked())
                radio->setChecked(true);
        });
    }
    units->addStretch();
    // The units under the whole row, and the captions taking the room: both are longer in some
    // languages.
    limits->addLayout(units, 2, 0, 1, 2);
    limits->setColumnStretch(0, 1);
    static_cast<QVBoxLayout*>(shocks->layout())->addLayout(limits);
    shocks->layout()->addWidget(
        hint(tr("Below the pediatric limit a patient counts as a child; the limit is in years or in pounds."), shocks));
    static_cast<QVBoxLayout*>(shocks->layout())->addStretch();

    QGroupBox* cpr = group(QStringLiteral("CPRGroup"), tr("CPR Periods"), page);
    auto* periods = new QGridLayout;
    periods->setHorizontalSpacing(14);
    periods->setVerticalSpacing(10);
    labelled(periods, 0, tr("CPR Period Prior to A&nalyzing (seconds)"), o.OptCPR1Length, "SpinButton1", cpr);
    labelled(periods, 1, tr("CPR Period After &1st No Shock Advised (seconds)"), o.OptCPR2Length, "SpinButton2", cpr);
    labelled(periods, 2, tr("CPR Period After No Shock Ad&vised (seconds)"), o.OptCPR3Length, "SpinButton3", cpr);
    labelled(periods, 3, tr("CPR Period After &3 Stacked Shocks (seconds)"), o.OptCPR4Length, "SpinButton4", cpr);
    labelled(periods, 4, tr("CPR Period After &Each Shock or No Shock Advised (seconds)"), o.OptCPRSingleLength,
             "SpinButton12", cpr);
    // The captions take the room, and one too long for it (some languages) takes two lines.
    for (QLabel* label : cpr->findChildren<QLabel*>())
        label->setWordWrap(true);
    periods->setColumnStretch(0, 1);
    static_cast<QVBoxLayout*>(cpr->layout())->addLayout(periods);
    static_cast<QVBoxLayout*>(cpr->layout())->addStretch();

    QGroupBox* checks = group(QStringLiteral("ChecksGroup"), tr("Checks and Scoring"), page);
    flag(o.OptVoice, tr("Scoring for Voice Report"), checks);
    flag(o.OptPulseAfter3rdShock, tr("Pulse Check After 3rd Stacked Shock"), checks);
    flag(o.OPTBPCHECK, tr("BP Check After Pulse Returns"), checks);
    flag(o.OPTPEDSMONITOR, tr("Monitor ECG of Underage/Weight Pediatric"), checks);
    flag(o.OptPulseAfterCPR, tr("Pulse Check After Stopping CPR"), checks);
    static_cast<QVBoxLayout*>(checks->layout())->addStretch();

    // The single-shock protocol and the metronome (kept in OPTION3.INI).
    QGroupBox* protocol = group(QStringLiteral("ProtocolGroup"), tr("Protocol"), page);
    flag(o.OptSingleShock, tr("Single Shock Protocol"), protocol);
    protocol->layout()->addWidget(hint(tr("One shock, then a CPR period before the next analysis. "
                                          "Unchecked, up to three shocks are stacked."),
                                       protocol));
    flag(o.OptMetronome, tr("CPR Metronome"), protocol);
    protocol->layout()->addWidget(
        hint(tr("A click 110 times a minute while the hands are on the chest, with audio on."), protocol));
    static_cast<QVBoxLayout*>(protocol->layout())->addStretch();

    grid->addWidget(shocks, 0, 0);
    grid->addWidget(cpr, 0, 1);
    grid->addWidget(checks, 1, 0);
    grid->addWidget(protocol, 1, 1);
    grid->setColumnStretch(0, 1);
    grid->setColumnStretch(1, 1);
    outer->addLayout(grid);
    outer->addStretch();

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(button(ui.PROTOCOLDefaultButton, tr("&DEFAULT"), "PROTOCOLDefaultButtonClick", page));
    buttons->addStretch();
    QPushButton* ok = button(ui.ProtocolOK, tr("&OK"), "ProtocolOKClick", page);
    ok->setProperty("accept", true);
    buttons->addWidget(ok);
    buttons->addWidget(button(ui.ButtonCANCEL2, tr("&Cancel"), "ButtonCANCEL1Click", page));
    outer->addLayout(buttons);
    return page;
}

QWidget* OptionsPages::buildReportPage()
{
    Scenario& s = window_.scenario();
    MainWindow& ui = s.ui;
    auto* page = new QWidget(this);
    page->setObjectName(QStringLiteral("TabSheet3"));
    // The page starts at the same margin as the other two: no bar or patch at its left edge
    // (Shape2 and Shape3 are not drawn, and the send buttons are always there).
    auto* outer = new QHBoxLayout(page);
    outer->setContentsMargins(28, 0, 28, 20);
    outer->setSpacing(0);

    auto* viewer = new QVBoxLayout;
    viewer->setContentsMargins(0, 22, 0, 0);
    auto* caption = new QLabel(tr("Report files of practice and test scenarios"), page);
    caption->setObjectName(QStringLiteral("ReportCaption"));
    caption->setStyleSheet(QStringLiteral("color: #4A5663; font-weight: 600;"));
    viewer->addWidget(caption);
    memo_ = new LineView(page);
    memo_->setObjectName(QStringLiteral("REPORTMEMO"));
    memo_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    memo_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    memo_->setStyleSheet(memoStyle);
    viewer->addWidget(memo_, 1);
    outer->addLayout(viewer, 1);
    outer->addSpacing(18);
    syncers_.push_back([this, &ui] {
        const QFont font = toQFont(ui.reportViewer.memoFont);
        if (memo_->font() != font)
            memo_->setFont(font);
        QPalette palette = memo_->palette();
        const QColor ink = toQColor(ui.reportViewer.memoFont.colour);
        if (palette.color(QPalette::Text) != ink || palette.color(QPalette::Base) != Qt::black) {
            palette.setColor(QPalette::Base, Qt::black);
            palette.setColor(QPalette::Text, ink);
            memo_->setPalette(palette);
        }
        // Only a new text is handed over: the view draws the lines in sight, whatever their number.
        if (memoRevision_ != ui.REPORTMEMO.revision() || memo_->lineCount() == 0) {
            memoRevision_ = ui.REPORTMEMO.revision();
            memo_->setLines(&ui.REPORTMEMO.lines());
        }
    });

    auto* side = new QVBoxLayout;
    side->setContentsMargins(0, 22 + caption->sizeHint().height() + viewer->spacing(), 0, 0);
    side->setSpacing(10);
    QPushButton* open = button(ui.REPORTOpenFile, tr("O&pen"), "REPORTOpenFileClick", page);
    open->setToolTip(tr("Shows a report file"));
    QPushButton* font = button(ui.FONTBUTTON, tr("Fo&nt"), "FONTBUTTONClick", page);
    font->setToolTip(tr("Changes the font of the report"));
    QPushButton* print = button(ui.PRINTBUTTON, tr("P&rint"), "PRINTBUTTONClick", page);
    print->setToolTip(tr("Prints the report shown"));
    side->addWidget(open);
    side->addWidget(font);
    side->addWidget(print);
    side->addSpacing(16);
    auto* sendCaption = new QLabel(tr("Test report"), page);
    sendCaption->setObjectName(QStringLiteral("SendCaption"));
    sendCaption->setStyleSheet(QStringLiteral("color: #4A5663; font-weight: 600;"));
    side->addWidget(sendCaption);
    QPushButton* sendOptions = button(ui.Button1, tr("Send Options"), "Button1Click", page);
    sendOptions->setToolTip(tr("Where Send puts the test report: the instructor's server and the file "
                               "names"));
    QPushButton* send = button(ui.BUTTONSend, tr("Send"), "BUTTONSendClick", page);
    // Said also while the button cannot be used: why.
    const SendWindow& sendModel = s.sendWindow;
    syncers_.push_back([send, &sendModel] {
        const QString hint = QString::fromStdString(sendModel.hint);
        if (send->toolTip() != hint)
            send->setToolTip(hint);
    });
    side->addWidget(sendOptions);
    side->addWidget(send);
    side->addStretch();
    QPushButton* ok = button(ui.DATAOK, tr("&OK"), "DATAOKClick", page);
    ok->setProperty("accept", true);
    side->addWidget(ok);
    side->addWidget(button(ui.ButtonCANCEL3, tr("&Cancel"), "ButtonCANCEL1Click", page));
    outer->addLayout(side);
    return page;
}

void OptionsPages::sync()
{
    MainWindow& ui = window_.scenario().ui;
    // Hidden, the pages wait: the window syncs at every tick of a scenario, and a report in the
    // viewer may be long. They catch up in the sync that shows them.
    if (ui.PageControl1.visible) {
        syncing_ = true;
        // Opened afresh, the choice shows the language saved: Cancel forgets a choice not saved.
        if (!shown_ && language_) {
            const int index = language_->findData(QString::fromStdString(savedLanguage()));
            language_->setCurrentIndex(std::max(0, index));
        }
        if (!shown_ && stationChoice_)
            stationChoice_->setChecked(savedStationChoice());
        const int page = ui.TabSheet3.visible ? 2 : ui.TabSheet2.visible ? 1 : 0;
        if (currentIndex() != page)
            setCurrentIndex(page);
        for (const auto& syncer : syncers_)
            syncer();
        syncing_ = false;
    }
    shown_ = ui.PageControl1.visible;
    password_->sync();
    sendForm_->sync();
    focus_.follow(&window_, ui.activeControl, window_.canvas());
}

QWidget* createOptionsPages(TForm1& window, QWidget* parent)
{
    return new OptionsPages(window, parent);
}

void syncOptionsPages(QWidget* pages)
{
    if (auto* options = qobject_cast<OptionsPages*>(pages))
        options->sync();
}

} // namespace defib::ui
