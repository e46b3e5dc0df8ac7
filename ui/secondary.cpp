#include "ui/secondary.h"

#include "ui/boardview.h"

#include <QCloseEvent>
#include <QDir>
#include <QFontDatabase>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QMessageBox>
#include <QScreen>
#include <QSignalBlocker>
#include <QVBoxLayout>
#include <QValidator>

#include "engine/measures.h"
#include "ui/filenames.h"
#include "ui/mainwindow.h"
#include "ui/sync.h"
#include "ui/timeline.h"

namespace defib::ui {

void ToolWindow::closeEvent(QCloseEvent* event)
{
    if (onClose) {
        event->ignore();
        onClose();
        return;
    }
    QDialog::closeEvent(event);
}

bool ToolWindow::event(QEvent* event)
{
    const bool handled = QDialog::event(event);
    if (event->type() == QEvent::LayoutRequest && layout() && !smallest.isEmpty()) {
        QSize least = layout()->totalMinimumSize().expandedTo(smallest);
        if (const QScreen* on = screen())
            least = least.boundedTo(on->availableGeometry().size());
        if (least != minimumSize()) {
            setMinimumSize(least);
            if (width() < least.width() || height() < least.height())
                resize(size().expandedTo(least));
        }
    }
    return handled;
}

void ToolWindow::reject()
{
    // Escape closes the window the way its frame does.
    if (onClose)
        onClose();
    else
        QDialog::reject();
}

namespace {

// Names and IDs hold printable characters only, as the core keeps them: what is typed or pasted
// loses its control characters at once, line breaks and tabs becoming a blank.
class PrintableValidator : public QValidator {
public:
    using QValidator::QValidator;
    State validate(QString& input, int& position) const override
    {
        const int cursor = static_cast<int>(printable(input.left(position)).size());
        input = printable(input);
        position = std::min(cursor, static_cast<int>(input.size()));
        return Acceptable;
    }

private:
    static QString printable(const QString& text)
    {
        QString kept;
        kept.reserve(text.size());
        for (const QChar c : text) {
            const bool lineBreak = c == u'\t' || c == u'\n' || c == u'\r' || c == u'\v' || c == u'\f'
                || c == QChar(0x85) || c == QChar::LineSeparator || c == QChar::ParagraphSeparator;
            if (lineBreak) {
                if (!kept.isEmpty() && !kept.endsWith(u' '))
                    kept += u' ';
            } else if (c.category() != QChar::Other_Control) {
                kept += c;
            }
        }
        return kept;
    }
};

// The Speed of First Shock's hover text.
QString speedOfFirstShockHint()
{
    return QCoreApplication::translate("SecondaryWindows",
                                       "Counted from %1 into the scenario, as the protocol scores the first shock. "
                                       "The measures count from the start click.")
        .arg(clockOf(firstShockCountsFromSecond * 1000LL));
}

QLineEdit* readOnlyField(QWidget* parent, const QString& name)
{
    auto* field = new QLineEdit(parent);
    field->setObjectName(name);
    field->setReadOnly(true);
    return field;
}

} // namespace

SecondaryWindows::SecondaryWindows(TForm1& main)
    : main_(main)
{
}

void SecondaryWindows::showAs(ToolWindow* window, bool shown)
{
    if (window->isVisible() == shown)
        return;
    if (shown) {
        window->show();
        window->raise();
        window->activateWindow();
    } else {
        window->hide();
    }
}

void SecondaryWindows::buildRegistration()
{
    RegistrationWindow& model = main_.scenario().registration;
    registration_ = new ToolWindow(&main_);
    registration_->setObjectName(QStringLiteral("TUserNAMEFORM"));
    registration_->setWindowTitle(tr("Registration"));
    registration_->setModal(true);
    auto* layout = new QVBoxLayout(registration_);
    auto* form = new QFormLayout;
    nameEdit_ = new QLineEdit(registration_);
    nameEdit_->setObjectName(QStringLiteral("NameEdit"));
    nameEdit_->setMaxLength(40);
    idEdit_ = new QLineEdit(registration_);
    idEdit_->setObjectName(QStringLiteral("IDEdit"));
    idEdit_->setMaxLength(20);
    nameEdit_->setValidator(new PrintableValidator(nameEdit_));
    idEdit_->setValidator(new PrintableValidator(idEdit_));
    form->addRow(tr("&Name:"), nameEdit_);
    form->addRow(tr("&ID Number:"), idEdit_);
    scenarioChoice_ = new QComboBox(registration_);
    scenarioChoice_->setObjectName(QStringLiteral("ScenarioChoice"));
    scenarioChoice_->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    scenarioChoice_->setMinimumContentsLength(28);
    form->addRow(tr("&Scenario:"), scenarioChoice_);
    layout->addLayout(form);
    QObject::connect(scenarioChoice_, &QComboBox::activated, registration_, [this, &model](int index) {
        model.ScenarioChoice.tag = index;
        main_.run("TUserNAMEFORM.ScenarioChoiceChange");
        syncScenarioChoice();
    });
    auto* modes = new QGroupBox(tr("Mode"), registration_);
    auto* modeLayout = new QHBoxLayout(modes);
    practice_ = new QRadioButton(tr("&Practice"), modes);
    practice_->setObjectName(QStringLiteral("PracticeRadioButton"));
    test_ = new QRadioButton(tr("&Test"), modes);
    test_->setObjectName(QStringLiteral("TestRadioButton"));
    modeLayout->addWidget(practice_);
    modeLayout->addWidget(test_);
    layout->addWidget(modes);
    auto [ok, cancel]
        = addDialogButtons(layout, registration_, QStringLiteral("OKButton"), QStringLiteral("CancelButton"));

    QObject::connect(ok, &QPushButton::clicked, registration_, [this, &model] {
        model.NameEdit.setText(nameEdit_->text().trimmed().toStdString());
        model.IDEdit.setText(idEdit_->text().trimmed().toStdString());
        model.PracticeRadioButton.checked = practice_->isChecked();
        model.TestRadioButton.checked = test_->isChecked();
        main_.run("TUserNAMEFORM.OKButtonClick");
    });
    QObject::connect(cancel, &QPushButton::clicked, registration_,
                     [this] { main_.run("TUserNAMEFORM.CancelButtonClick"); });
    registration_->onClose = [this] { main_.run("TUserNAMEFORM.CancelButtonClick"); };
}

// The list as the core keeps it; an entry that cannot be played says why on hover.
void SecondaryWindows::syncScenarioChoice()
{
    Scenario& s = main_.scenario();
    const Control& list = s.registration.ScenarioChoice;
    const QSignalBlocker quiet(scenarioChoice_);
    scenarioChoice_->clear();
    for (std::size_t i = 0; i < list.lineCount(); ++i) {
        scenarioChoice_->addItem(QString::fromStdString(list.line(i)));
        if (i < s.scenarioEntries.size() && !s.scenarioEntries[i].problem.empty())
            scenarioChoice_->setItemData(static_cast<int>(i), QString::fromStdString(s.scenarioEntries[i].problem),
                                         Qt::ToolTipRole);
    }
    scenarioChoice_->setCurrentIndex(list.tag);
}

void SecondaryWindows::buildSummary()
{
    summary_ = new ToolWindow(&main_);
    summary_->setObjectName(QStringLiteral("TForm2"));
    summary_->setWindowTitle(tr("Scenario Summary"));
    auto* layout = new QVBoxLayout(summary_);
    summaryMode_ = new QLabel(summary_);
    summaryMode_->setObjectName(QStringLiteral("MODELABEL"));
    summaryMode_->setAlignment(Qt::AlignCenter);
    summaryMode_->setStyleSheet(QStringLiteral("font-size: 18px; font-weight: 800; color: #27557F;"));
    layout->addWidget(summaryMode_);
    auto* top = new QHBoxLayout;
    auto* form = new QFormLayout;
    summaryName_ = readOnlyField(summary_, QStringLiteral("NAMEEDIT"));
    summaryId_ = readOnlyField(summary_, QStringLiteral("IDEDIT"));
    summaryScore_ = readOnlyField(summary_, QStringLiteral("SCOREEDIT"));
    summaryShock_ = readOnlyField(summary_, QStringLiteral("SHOCKTIMEEDIT"));
    // Wide enough for "No shocks delivered" in the trainer's language.
    summaryShock_->setMinimumWidth(summaryShock_->fontMetrics().horizontalAdvance(QString::fromStdString(
                                       main_.scenario().options.texts().text("No shocks delivered")))
                                   + 16);
    summaryElapsed_ = readOnlyField(summary_, QStringLiteral("ElapsedTimeEDIT"));
    summaryProtocol_ = readOnlyField(summary_, QStringLiteral("PROTOCOLLABEL"));
    summaryScenario_ = readOnlyField(summary_, QStringLiteral("SCENARIOLABEL"));
    summaryScore_->setStyleSheet(QStringLiteral("font-weight: 800;"));
    form->addRow(tr("Name"), summaryName_);
    form->addRow(tr("ID Number"), summaryId_);
    form->addRow(tr("Score"), summaryScore_);
    auto* shockLabel = new QLabel(tr("Speed of First Shock"), summary_);
    form->addRow(shockLabel, summaryShock_);
    form->addRow(tr("Elapsed Time"), summaryElapsed_);
    form->addRow(tr("Protocol"), summaryProtocol_);
    form->addRow(tr("Scenario"), summaryScenario_);
    form->setRowVisible(summaryScenario_, false);
    summaryForm_ = form;
    // The two first-shock figures count from different moments; the window says which.
    const QString shockHint = speedOfFirstShockHint();
    shockLabel->setToolTip(shockHint);
    summaryShock_->setToolTip(shockHint);
    auto* note = new QLabel(firstShockCountNote(), summary_);
    note->setObjectName(QStringLiteral("FirstShockNote"));
    note->setWordWrap(true);
    note->setStyleSheet(QStringLiteral("font-size: 11px; font-style: italic;"));
    auto* fields = new QVBoxLayout;
    fields->addLayout(form);
    fields->addWidget(note);
    fields->addStretch();
    top->addLayout(fields, 2);

    // The measures of the treatment, each with its target where it has one.
    auto* measures = new QGroupBox(tr("Measures"), summary_);
    measures->setObjectName(tr("Measures"));
    auto* grid = new QGridLayout(measures);
    grid->setVerticalSpacing(2);
    const std::vector<MeasureLine> lines = measureLines({}, 120);
    for (int row = 0; row < static_cast<int>(lines.size()); ++row) {
        const MeasureLine& line = lines[static_cast<std::size_t>(row)];
        auto* name = new QLabel(line.name, measures);
        name->setToolTip(line.hint);
        grid->addWidget(name, row, 0);
        auto* value = new QLabel(measures);
        value->setObjectName(line.key);
        value->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        value->setToolTip(line.hint);
        grid->addWidget(value, row, 1);
        auto* target = new QLabel(line.target, measures);
        target->setObjectName(line.key + QStringLiteral("Target"));
        grid->addWidget(target, row, 2);
        auto* verdict = new QLabel(measures);
        verdict->setObjectName(line.key + QStringLiteral("Met"));
        grid->addWidget(verdict, row, 3);
        measureNames_.push_back(name);
        measureValues_.push_back(value);
        measureTargets_.push_back(target);
        measureVerdicts_.push_back(verdict);
    }
    top->addWidget(measures, 3);
    layout->addLayout(top);

    layout->addWidget(new QLabel(tr("Protocol Errors/Notes"), summary_));
    errors_ = new QListWidget(summary_);
    errors_->setObjectName(QStringLiteral("Errors"));
    errors_->setCursor(Qt::ArrowCursor);
    layout->addWidget(errors_, 2);
    layout->addWidget(new QLabel(tr("Timeline (point at a mark for what it was)"), summary_));
    timeline_ = new TimelineView(summary_);
    timeline_->setObjectName(QStringLiteral("Timeline"));
    timeline_->setAccessibleName(tr("Timeline of the scenario"));
    layout->addWidget(timeline_, 3);
    penalties_ = new QListWidget(summary_);
    penalties_->setObjectName(QStringLiteral("Penalties"));
    penalties_->setAccessibleName(tr("Penalties, numbered as on the timeline"));
    penalties_->setMaximumHeight(penalties_->fontMetrics().height() * 4 + 8);
    layout->addWidget(penalties_, 1);

    auto* buttons = new QHBoxLayout;
    SummaryWindow& model = main_.scenario().summary;
    for (auto [control, caption, handler] : {std::tuple{&model.SCOREBOARD, tr("Score&board"), "TForm2.SCOREBOARDClick"},
                                             std::tuple{&model.RepeatButton, tr("&Repeat"), "TForm2.RepeatButtonClick"},
                                             std::tuple{&model.Next, tr("&Next"), "TForm2.NextClick"},
                                             std::tuple{&model.MainMenu, tr("&Main Menu"), "TForm2.MainMenuClick"},
                                             std::tuple{&model.QUIT, tr("&Quit"), "TForm2.QUITClick"}}) {
        auto* button = new QPushButton(caption, summary_);
        button->setObjectName(QString::fromStdString(control->name()));
        buttons->addWidget(button);
        const std::string h = handler;
        QObject::connect(button, &QPushButton::clicked, summary_, [this, h] { main_.run(h); });
        if (control == &model.RepeatButton)
            repeat_ = button;
        // Quit ends the program: Tab does not stop on it, where the keys that went on from the
        // Final Errors (Tab, Space) would press it unawares; Alt+Q and a click still reach it.
        if (control == &model.QUIT)
            button->setFocusPolicy(Qt::ClickFocus);
    }
    auto* save = new QPushButton(tr("&Save Debrief..."), summary_);
    save->setObjectName(QStringLiteral("SaveDebrief"));
    QObject::connect(save, &QPushButton::clicked, summary_, [this] { saveDebrief(); });
    buttons->insertWidget(0, save);
    layout->addLayout(buttons);
    summary_->smallest = QSize(760, 600);
    summary_->setMinimumSize(summary_->minimumSizeHint().expandedTo(summary_->smallest));
    summary_->onClose = [this] { main_.run("TForm2.MainMenuClick"); };
}

void SecondaryWindows::showDebrief()
{
    Scenario& s = main_.scenario();
    const std::vector<Event>& events = s.events.events();
    timeline_->setEvents(events);
    const int limit = s.activeProtocol ? s.protocol().firstShockLimitSeconds() : 120;
    const std::vector<MeasureLine> lines = measureLines(events, limit);
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const MeasureLine& line = lines[i];
        for (QLabel* label : {measureNames_[i], measureValues_[i], measureTargets_[i], measureVerdicts_[i]})
            label->setVisible(line.shown);
        measureValues_[i]->setText(line.value);
        measureTargets_[i]->setText(line.target);
        measureNames_[i]->setToolTip(line.hint);
        measureValues_[i]->setToolTip(line.hint);
        QLabel* verdict = measureVerdicts_[i];
        // Said in words and marked, not by colour alone.
        verdict->setText(verdictText(line.verdict));
        verdict->setStyleSheet(line.verdict == Verdict::Met ? QStringLiteral("color: #2E9E5A; font-weight: 700;")
                                                            : QStringLiteral("color: #E0463C; font-weight: 700;"));
    }
    // No shock counted, yet one was given: to a patient not cleared, which ended the scenario.
    const QString shockHint = speedOfFirstShockHint();
    summaryShock_->setToolTip(s.state.shockCount == 0 && computeMeasures(events).fatalShock >= 0
                                  ? tr("The only shock went to a patient not cleared: it was fatal and is not "
                                       "counted. ")
                                      + shockHint
                                  : shockHint);
    penalties_->clear();
    for (const QString& line : penaltyLines(events))
        penalties_->addItem(line);
    if (penalties_->count() == 0)
        penalties_->addItem(Debrief::tr(noPenaltiesText));
}

void SecondaryWindows::saveDebrief()
{
    Scenario& s = main_.scenario();
    const SummaryWindow& sum = s.summary;
    // In the folder of the program's files, named for the trainee and the day.
    std::string fileName = QDir(QString::fromStdString(s.options.programDirectory))
                               .filePath(debriefFileName(QString::fromStdString(sum.NAMEEDIT.text()),
                                                         QString::fromStdString(s.platform.wallClock.isoDate())))
                               .toStdString();
    const QString kinds = tr("PNG picture") + QStringLiteral("|*.png|") + tr("PDF document") + QStringLiteral("|*.pdf");
    if (!main_.files().save(kinds.toStdString(), fileName))
        return;
    DebriefContent content;
    content.mode = QString::fromStdString(sum.MODELABEL.text());
    content.name = QString::fromStdString(sum.NAMEEDIT.text());
    content.id = QString::fromStdString(sum.IDEDIT.text());
    content.score = QString::fromStdString(sum.SCOREEDIT.text());
    content.firstShock = QString::fromStdString(sum.SHOCKTIMEEDIT.text());
    content.elapsed = QString::fromStdString(sum.ElapsedTimeEDIT.text());
    content.protocol = QString::fromStdString(sum.PROTOCOLLABEL.text());
    if (sum.SCENARIOLABEL.visible)
        content.scenario = QString::fromStdString(sum.SCENARIOLABEL.text());
    if (s.activeProtocol)
        content.firstShockLimitSeconds = s.protocol().firstShockLimitSeconds();
    for (const std::string& line : sum.Errors.lines())
        content.errors.push_back(QString::fromStdString(line));
    content.events = s.events.events();
    QString error;
    if (!ui::saveDebrief(QString::fromStdString(fileName), content, error))
        s.platform.dialogs.message(tr("The debrief could not be saved as %1: %2. Choose another folder or name.")
                                       .arg(QString::fromStdString(fileName), error)
                                       .toStdString(),
                                   MessageKind::Error);
}

void SecondaryWindows::buildScoreboard()
{
    scoreboard_ = new ToolWindow(&main_);
    scoreboard_->setObjectName(QStringLiteral("TScoreboard"));
    scoreboard_->setWindowTitle(tr("Scoreboard"));
    // Nothing behind the board answers while it is open: from the main menu no scenario can start
    // under it, and from the summary no button of the summary can act.
    scoreboard_->setModal(true);
    auto* layout = new QVBoxLayout(scoreboard_);
    board_ = new BoardView(scoreboard_);
    board_->setObjectName(QStringLiteral("Memo1"));
    board_->setReadOnly(true);
    board_->setLineWrapMode(QPlainTextEdit::NoWrap);
    QFont fixed = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    fixed.setPointSize(11);
    board_->setFont(fixed);
    board_->setMinimumSize(QFontMetrics(fixed).horizontalAdvance(QString(46, QLatin1Char('M'))), 260);
    layout->addWidget(board_);
    auto* ok = new QPushButton(tr("OK"), scoreboard_);
    ok->setObjectName(QStringLiteral("OKButton"));
    ok->setDefault(true);
    layout->addWidget(ok, 0, Qt::AlignRight);
    QObject::connect(ok, &QPushButton::clicked, scoreboard_, [this] { main_.run("TScoreboard.OKButtonClick"); });
    scoreboard_->onClose = [this] { main_.run("TScoreboard.FormClose"); };
}

void SecondaryWindows::buildDebug()
{
    debug_ = new ToolWindow(&main_);
    debug_->setObjectName(QStringLiteral("TFormdebug"));
    debug_->setWindowTitle(tr("Debug"));
    debug_->resize(360, 560);
    auto* layout = new QVBoxLayout(debug_);
    nextStep_ = new QLabel(debug_);
    nextStep_->setObjectName(QStringLiteral("Label1"));
    nextStep_->setStyleSheet(QStringLiteral("font-size: 15px; font-weight: 700;"));
    layout->addWidget(new QLabel(tr("Next step:"), debug_));
    layout->addWidget(nextStep_);
    fields_ = new QTableWidget(debug_);
    fields_->setObjectName(QStringLiteral("ScenarioState"));
    fields_->setColumnCount(2);
    fields_->setHorizontalHeaderLabels({tr("Field"), tr("Value")});
    fields_->horizontalHeader()->setStretchLastSection(true);
    fields_->verticalHeader()->hide();
    fields_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    const std::vector<std::string> names = fieldNames();
    fields_->setRowCount(static_cast<int>(names.size()));
    for (int row = 0; row < static_cast<int>(names.size()); ++row) {
        fields_->setItem(row, 0, new QTableWidgetItem(QString::fromStdString(names[static_cast<std::size_t>(row)])));
        fields_->setItem(row, 1, new QTableWidgetItem);
    }
    layout->addWidget(fields_);
}

void SecondaryWindows::showDebug()
{
    if (!debug_)
        buildDebug();
    debug_->show();
    debug_->raise();
    sync();
}

void SecondaryWindows::showAbout()
{
    QMessageBox about(&main_);
    about.setObjectName(QStringLiteral("TAboutBox"));
    about.setWindowTitle(tr("About Defibrio"));
    about.setIconPixmap(QIcon(QStringLiteral(":/pictures/icon.svg")).pixmap(64, 64));
    about.setText(QStringLiteral("<b>Defibrio</b> %1").arg(QStringLiteral(DEFIB_VERSION)));
    const QString folder = QDir::toNativeSeparators(QString::fromStdString(main_.scenario().options.programDirectory));
    about.setInformativeText(
        tr("A training simulator for the use of an AED trainer, with one-button and two-button models, scored "
           "against a configurable protocol.\n\nOptions, scoreboard and reports are kept in:\n%1\n\nFor training "
           "only: not for use on patients.")
            .arg(folder));
    about.exec();
}

void SecondaryWindows::sync()
{
    Scenario& s = main_.scenario();
    RegistrationWindow& reg = s.registration;
    if (reg.window.visible && !registration_)
        buildRegistration();
    if (registration_) {
        if (reg.window.visible && !registration_->isVisible()) {
            nameEdit_->setText(QString::fromStdString(reg.NameEdit.text()));
            idEdit_->setText(QString::fromStdString(reg.IDEdit.text()));
            (reg.TestRadioButton.checked ? test_ : practice_)->setChecked(true);
            syncScenarioChoice();
            nameEdit_->setFocus();
        }
        showAs(registration_, reg.window.visible);
    }

    SummaryWindow& sum = s.summary;
    if (sum.window.visible && !summary_)
        buildSummary();
    if (summary_)
        syncSummary();

    if (s.scoreboardWindow.window.visible && !scoreboard_)
        buildScoreboard();
    if (scoreboard_)
        syncScoreboard();

    if (debug_ && debug_->isVisible()) {
        syncText(nextStep_, s.debug.Label1);
        const std::vector<std::string> names = fieldNames();
        for (int row = 0; row < static_cast<int>(names.size()); ++row)
            if (auto field = findField(s.state, names[static_cast<std::size_t>(row)]))
                fields_->item(row, 1)->setText(QString::fromStdString(field->format()));
    }
}

void SecondaryWindows::syncSummary()
{
    SummaryWindow& sum = main_.scenario().summary;
    if (sum.window.visible && !summary_->isVisible())
        showDebrief();
    if (sum.window.visible) {
        syncText(summaryName_, sum.NAMEEDIT);
        syncText(summaryId_, sum.IDEDIT);
        syncText(summaryScore_, sum.SCOREEDIT);
        syncText(summaryShock_, sum.SHOCKTIMEEDIT);
        syncText(summaryElapsed_, sum.ElapsedTimeEDIT);
        syncText(summaryProtocol_, sum.PROTOCOLLABEL);
        syncText(summaryScenario_, sum.SCENARIOLABEL);
        summaryScenario_->setToolTip(summaryScenario_->text());
        summaryForm_->setRowVisible(summaryScenario_, sum.SCENARIOLABEL.visible);
        // An empty list says so, as the saved debrief does.
        if (sum.Errors.lines().empty())
            syncList(errors_, {Debrief::tr(noErrorsText).toStdString()});
        else
            syncList(errors_, sum.Errors.lines());
        syncText(summaryMode_, sum.MODELABEL);
        repeat_->setEnabled(sum.RepeatButton.enabled);
        summary_->setEnabled(sum.window.enabled);
    }
    const bool summaryWasShown = summary_->isVisible();
    showAs(summary_, sum.window.visible);
    if (sum.window.visible && !summaryWasShown)
        focusChild(summary_, sum.activeControl);
}

void SecondaryWindows::syncScoreboard()
{
    ScoreboardWindow& board = main_.scenario().scoreboardWindow;
    const QString text = QString::fromStdString(board.Memo1.text());
    board_->setLines(text);
    const bool onTop = scoreboard_->windowFlags().testFlag(Qt::WindowStaysOnTopHint);
    if (onTop != board.stayOnTop) {
        scoreboard_->setWindowFlag(Qt::WindowStaysOnTopHint, board.stayOnTop);
        if (board.window.visible)
            scoreboard_->show();
    }
    const bool boardWasShown = scoreboard_->isVisible();
    showAs(scoreboard_, board.window.visible);
    if (board.window.visible && !boardWasShown) {
        // The board comes up in the middle of the screen with the focus on OK.
        if (QScreen* screen = main_.screen()) {
            QRect frame = scoreboard_->frameGeometry();
            frame.moveCenter(screen->availableGeometry().center());
            scoreboard_->move(frame.topLeft());
        }
        focusChild(scoreboard_, board.activeControl);
    }
}

} // namespace defib::ui
