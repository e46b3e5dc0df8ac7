#include "ui/scenarioeditor.h"

#include <QCloseEvent>
#include <QDir>
#include <QFileInfo>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QScreen>
#include <QScrollArea>
#include <QSplitter>
#include <QVBoxLayout>

#include "engine/scenarioedit.h"
#include "ui/mainwindow.h"
#include "ui/qtreport.h"

namespace defib::ui {

namespace {

const QString problemStyle = QStringLiteral("color: #B00020;");

QString qs(const std::string& text)
{
    return QString::fromStdString(text);
}

// What the label beside a field says: a message that goes on from the field's name ("is empty")
// is given the name.
QString problemText(const QString& fieldName, const std::string& message)
{
    const QString text = qs(message);
    for (const char* start : {"is ", "takes ", "holds "})
        if (text.startsWith(QLatin1String(start)))
            return fieldName + QLatin1Char(' ') + text;
    return text.left(1).toUpper() + text.mid(1);
}

QString frameText(const Frame& f, int index)
{
    QString text = QStringLiteral("%1. %2").arg(index + 1).arg(QLatin1String(rhythmKeyword(f.rhythm)));
    if (f.trouble != TroubleNone)
        text += QCoreApplication::translate("defib::ui::TScenarioEditor", ", %1 trouble")
                    .arg(QLatin1String(troubleKeyword(f.trouble)));
    text += QStringLiteral(" \u2014 ") + qs(exitsText(f.exits));
    if (!f.note.empty())
        text += QStringLiteral(" (%1)").arg(qs(f.note));
    return text;
}

QComboBox* combo(QWidget* parent, const QString& name, const QStringList& items)
{
    auto* box = new QComboBox(parent);
    box->setObjectName(name);
    box->addItems(items);
    return box;
}

QSpinBox* spin(QWidget* parent, const QString& name, int lowest, int highest, const QString& suffix = {})
{
    auto* box = new QSpinBox(parent);
    box->setObjectName(name);
    box->setRange(lowest, highest);
    box->setSuffix(suffix);
    return box;
}

} // namespace

TScenarioEditor::TScenarioEditor(TForm1& main)
    : QDialog(&main, Qt::Window)
    , main_(main)
    , printer_(std::make_unique<QtPrinter>(this))
{
    setObjectName(QStringLiteral("TScenarioEditor"));
    setWindowTitle(tr("Scenarios"));
    setModal(false);
    if (dynamic_cast<QtFileDialog*>(&main_.files())) {
        ownFiles_ = std::make_unique<QtFileDialog>(this, ownFolder());
        ownFiles_->saveTitle = tr("Save Scenario As");
    }

    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(10, 10, 10, 10);
    auto* splitter = new QSplitter(Qt::Horizontal, this);
    splitter->setObjectName(QStringLiteral("EditorSplitter"));
    splitter->setChildrenCollapsible(false);
    outer->addWidget(splitter, 1);

    // The scenarios of the two folders, each by its title.
    auto* left = new QWidget(splitter);
    auto* leftColumn = new QVBoxLayout(left);
    leftColumn->setContentsMargins(0, 0, 0, 0);
    auto* listLabel = new QLabel(tr("&Scenarios"), left);
    leftColumn->addWidget(listLabel);
    list_ = new QListWidget(left);
    list_->setObjectName(QStringLiteral("ScenarioList"));
    list_->setMinimumWidth(200);
    list_->setWordWrap(true);
    listLabel->setBuddy(list_);
    leftColumn->addWidget(list_, 1);
    connect(list_, &QListWidget::itemClicked, this, &TScenarioEditor::entryChosen);
    connect(list_, &QListWidget::itemActivated, this, &TScenarioEditor::entryChosen);

    // The scenario being edited, scrolled when the window is smaller than the form.
    auto* scroll = new QScrollArea(splitter);
    scroll->setObjectName(QStringLiteral("EditorForm"));
    scroll->setWidgetResizable(true);
    scroll->setFrameShape(QFrame::NoFrame);
    auto* form = new QWidget(scroll);
    auto* formColumn = new QVBoxLayout(form);
    formColumn->setContentsMargins(4, 0, 4, 0);
    status_ = new QLabel(form);
    status_->setObjectName(QStringLiteral("EditorStatus"));
    status_->setWordWrap(true);
    formColumn->addWidget(status_);
    scenarioProblem_ = problemLabel(QStringLiteral("ScenarioProblem"));
    formColumn->addWidget(scenarioProblem_);
    auto* top = new QHBoxLayout;
    top->addWidget(buildScenarioBox(), 1);
    top->addWidget(buildPatientBox(), 1);
    formColumn->addLayout(top);
    formColumn->addWidget(buildFramesBox());
    formColumn->addStretch(1);
    scroll->setWidget(form);
    splitter->setStretchFactor(0, 1);
    splitter->setStretchFactor(1, 3);

    auto* buttons = new QHBoxLayout;
    auto button
        = [&](const QString& caption, const QString& name, const QString& hint, void (TScenarioEditor::*slot)()) {
              auto* b = new QPushButton(caption, this);
              b->setObjectName(name);
              b->setToolTip(hint);
              b->setAutoDefault(false);
              connect(b, &QPushButton::clicked, this, slot);
              buttons->addWidget(b);
              return b;
          };
    button(tr("&New"), QStringLiteral("New"), tr("Starts a new scenario"), &TScenarioEditor::newScenario);
    duplicate_ = button(tr("&Duplicate"), QStringLiteral("Duplicate"),
                        tr("Saves a copy of this scenario in your own folder"), &TScenarioEditor::duplicate);
    save_ = button(tr("Sa&ve"), QStringLiteral("Save"), {}, &TScenarioEditor::save);
    saveAs_ = button(tr("Save &As..."), QStringLiteral("SaveAs"), {}, &TScenarioEditor::saveAs);
    print_ = button(tr("&Print..."), QStringLiteral("Print"), tr("Prints a one-page summary of the scenario"),
                    &TScenarioEditor::print);
    buttons->addStretch(1);
    tryIt_ = button(tr("&Try It"), QStringLiteral("TryIt"),
                    tr("Closes the editor and starts this scenario as the next patient"), &TScenarioEditor::tryIt);
    button(tr("&Close"), QStringLiteral("Close"), tr("Back to the main menu"), &TScenarioEditor::closeEditor);
    outer->addLayout(buttons);

    placeOnScreen();
}

void TScenarioEditor::placeOnScreen()
{
    // As large as the screen allows, up to what the form asks for, with room for the window's frame,
    // its title bar in sight.
    const QRect screen = main_.screen() ? main_.screen()->availableGeometry() : QRect(0, 0, 1280, 720);
    const QSize size(std::min(1120, screen.width() - 40), std::min(700, screen.height() - 80));
    resize(size);
    move(screen.left() + (screen.width() - size.width()) / 2,
         screen.top() + std::max(0, (screen.height() - size.height() - 40) / 2));
}

TScenarioEditor::~TScenarioEditor() = default;

QLabel* TScenarioEditor::fieldProblem(const QString& objectName, const QString& fieldName)
{
    QLabel* problem = problemLabel(objectName);
    problem->setProperty("fieldName", fieldName);
    return problem;
}

// A field (a widget, or a row of them) with the line under it that names its problem.
QVBoxLayout* TScenarioEditor::withProblem(QWidget* widget, QLayout* layout, QLabel* problem)
{
    auto* cell = new QVBoxLayout;
    cell->setSpacing(0);
    if (layout)
        cell->addLayout(layout);
    else
        cell->addWidget(widget);
    cell->addWidget(problem);
    return cell;
}

QLabel* TScenarioEditor::problemLabel(const QString& name)
{
    auto* label = new QLabel(this);
    label->setObjectName(name);
    label->setStyleSheet(problemStyle);
    label->setWordWrap(true);
    label->hide();
    return label;
}

QWidget* TScenarioEditor::buildScenarioBox()
{
    auto* box = new QGroupBox(tr("Scenario"), this);
    auto* rows = new QFormLayout(box);
    rows->setFieldGrowthPolicy(QFormLayout::AllNonFixedFieldsGrow);
    auto field = [&](QWidget* widget, const QString& caption, const std::string& file, const QString& name) {
        QLabel* problem = fieldProblem(widget->objectName() + QStringLiteral("Problem"), name);
        fieldProblems_[file] = problem;
        auto* label = new QLabel(caption, box);
        label->setBuddy(widget);
        rows->addRow(label, withProblem(widget, nullptr, problem));
    };
    title_ = new QLineEdit(box);
    title_->setObjectName(QStringLiteral("Title"));
    field(title_, tr("T&itle:"), "title", tr("The title"));
    goal_ = new QLineEdit(box);
    goal_->setObjectName(QStringLiteral("Goal"));
    goal_->setPlaceholderText(tr("The one-line teaching goal"));
    field(goal_, tr("&Goal:"), "goal", tr("The goal"));
    guideline_ = new QLineEdit(box);
    guideline_->setObjectName(QStringLiteral("Guideline"));
    guideline_->setPlaceholderText(tr("The guideline followed"));
    field(guideline_, tr("G&uideline:"), "guideline", tr("The guideline"));
    protocol_ = combo(box, QStringLiteral("Protocol"),
                      {tr("As the options choose"), tr("Stacked shocks"), tr("Single shock")});
    field(protocol_, tr("P&rotocol:"), "protocol", tr("The protocol"));
    for (QLineEdit* edit : {title_, goal_, guideline_})
        connect(edit, &QLineEdit::textEdited, this, &TScenarioEditor::edited);
    connect(protocol_, &QComboBox::currentIndexChanged, this, &TScenarioEditor::edited);
    return box;
}

QWidget* TScenarioEditor::buildPatientBox()
{
    // Two fields a row where they are short, so that the box is no taller than the scenario's.
    auto* box = new QGroupBox(tr("Patient"), this);
    auto* grid = new QGridLayout(box);
    grid->setColumnStretch(1, 1);
    grid->setColumnStretch(3, 1);
    auto field = [&](QWidget* widget, const QString& caption, const std::string& file, const QString& name, int row,
                     int column, int span) {
        QLabel* problem = fieldProblem(widget->objectName() + QStringLiteral("Problem"), name);
        fieldProblems_[file] = problem;
        auto* label = new QLabel(caption, box);
        label->setBuddy(widget);
        grid->addWidget(label, row, column, Qt::AlignLeft | Qt::AlignTop);
        grid->addLayout(withProblem(widget, nullptr, problem), row, column + 1, 1, span);
    };
    kind_ = combo(box, QStringLiteral("Kind"),
                  {tr("Adult"), tr("Child"), tr("Child under the limit"), tr("Hypothermic")});
    kind_->setToolTip(tr("The rules that apply: a child under the trainer's limit must not be treated "
                         "with it; a hypothermic patient takes a limited number of shocks"));
    field(kind_, tr("&Kind:"), "patient.kind", tr("The kind"), 0, 0, 3);
    age_ = spin(box, QStringLiteral("Age"), 0, 120, tr(" years"));
    field(age_, tr("A&ge:"), "patient.age", tr("The age"), 1, 0, 1);
    weight_ = spin(box, QStringLiteral("Weight"), 0, 500, tr(" kg"));
    weight_->setSpecialValueText(tr("not given"));
    field(weight_, tr("&Weight:"), "patient.weight", tr("The weight"), 1, 2, 1);
    body_ = combo(box, QStringLiteral("Body"), {tr("0: adult"), tr("1: adult"), tr("2: woman"), tr("3: child")});
    field(body_, tr("Pict&ure:"), "patient.body", tr("The picture"), 2, 0, 1);
    sex_ = combo(box, QStringLiteral("Sex"), {tr("As the picture"), tr("Male"), tr("Female")});
    sex_->setToolTip(tr("Male or female; \"As the picture\" says what the picture shows"));
    field(sex_, tr("Se&x:"), "patient.sex", tr("The sex"), 2, 2, 1);
    history_ = new QLineEdit(box);
    history_->setObjectName(QStringLiteral("History"));
    history_->setPlaceholderText(tr("found collapsed in a gym."));
    history_->setToolTip(tr("Follows \"Your patient is a 58 y.o. male\""));
    field(history_, tr("&History:"), "patient.history", tr("The history"), 3, 0, 3);
    grid->setRowStretch(4, 1);
    fieldProblems_["patient"] = fieldProblems_["patient.kind"];
    for (QComboBox* c : {kind_, body_, sex_})
        connect(c, &QComboBox::currentIndexChanged, this, &TScenarioEditor::edited);
    for (QSpinBox* box : {age_, weight_})
        connect(box, &QSpinBox::valueChanged, this, &TScenarioEditor::edited);
    connect(history_, &QLineEdit::textEdited, this, &TScenarioEditor::edited);
    return box;
}

QWidget* TScenarioEditor::buildFramesBox()
{
    auto* box = new QGroupBox(tr("Frames"), this);
    auto* grid = new QGridLayout(box);
    frames_ = new QListWidget(box);
    frames_->setObjectName(QStringLiteral("FrameList"));
    // Room for five frames; a longer list scrolls, and the frame's fields stay in sight.
    frames_->setMinimumHeight(80);
    frames_->setMaximumHeight(frames_->fontMetrics().lineSpacing() * 5 + 12);
    frames_->setWordWrap(true);
    grid->addWidget(frames_, 0, 0);
    framesProblem_ = problemLabel(QStringLiteral("FramesProblem"));
    grid->addWidget(framesProblem_, 1, 0, 1, 2);
    auto* moves = new QVBoxLayout;
    auto move = [&](const QString& caption, const QString& name, const QString& hint) {
        auto* b = new QPushButton(caption, box);
        b->setObjectName(name);
        b->setToolTip(hint);
        b->setAutoDefault(false);
        moves->addWidget(b);
        return b;
    };
    addFrame_ = move(tr("Add &Frame"), QStringLiteral("AddFrame"), tr("Adds a frame after the one selected"));
    removeFrame_ = move(tr("Re&move"), QStringLiteral("RemoveFrame"), tr("Removes the frame selected"));
    frameUp_ = move(tr("Move U&p"), QStringLiteral("FrameUp"), tr("Moves the frame earlier"));
    frameDown_ = move(tr("Move D&own"), QStringLiteral("FrameDown"), tr("Moves the frame later"));
    moves->addStretch(1);
    grid->addLayout(moves, 0, 1);

    // The frame selected.
    auto* detail = new QWidget(box);
    detail->setObjectName(QStringLiteral("FrameDetail"));
    auto* rows = new QFormLayout(detail);
    rows->setContentsMargins(0, 0, 0, 0);
    rows->setFieldGrowthPolicy(QFormLayout::AllNonFixedFieldsGrow);
    frameHeading_ = new QLabel(detail);
    frameHeading_->setObjectName(QStringLiteral("FrameHeading"));
    frameHeading_->setStyleSheet(QStringLiteral("font-weight: 700;"));
    rows->addRow(frameHeading_);
    // `name` names the problem's label (FrameRhythmProblem), `shown` the field in its text.
    auto field = [&](QWidget* widget, const QString& caption, const std::string& part, const QString& name,
                     const QString& shown, QLayout* layout = nullptr) {
        QLabel* problem = fieldProblem(QStringLiteral("Frame") + name + QStringLiteral("Problem"), shown);
        frameProblems_[part] = problem;
        auto* label = new QLabel(caption, detail);
        if (widget)
            label->setBuddy(widget);
        rows->addRow(label, withProblem(layout ? nullptr : widget, layout, problem));
    };
    rhythm_ = combo(detail, QStringLiteral("Rhythm"),
                    {tr("Shockable"), tr("Non-shockable (no pulse)"), tr("Pulse (restored)")});
    field(rhythm_, tr("R&hythm:"), "rhythm", QStringLiteral("Rhythm"), tr("Rhythm"));
    trouble_ = combo(detail, QStringLiteral("Trouble"),
                     {tr("None"), tr("Electrode loose"), tr("Motion"), tr("Low battery")});
    trouble_->setToolTip(tr("Comes at the first analysis in the frame that finds both pads on"));
    field(trouble_, tr("Tro&uble:"), "trouble", QStringLiteral("Trouble"), tr("Trouble"));
    note_ = new QLineEdit(detail);
    note_->setObjectName(QStringLiteral("Note"));
    note_->setPlaceholderText(tr("For the instructor"));
    field(note_, tr("No&te:"), "note", QStringLiteral("Note"), tr("Note"));

    auto* exits = new QGridLayout;
    exits->setContentsMargins(0, 0, 0, 0);
    auto exit = [&](const QString& caption, const QString& name, int row, int column, QSpinBox* count) {
        auto* check = new QCheckBox(caption, detail);
        check->setObjectName(name);
        exits->addWidget(check, row, column * 2);
        if (count) {
            count->setEnabled(false);
            exits->addWidget(count, row, column * 2 + 1);
            connect(check, &QCheckBox::toggled, count, &QWidget::setEnabled);
            connect(count, &QSpinBox::valueChanged, this, &TScenarioEditor::frameEdited);
        }
        connect(check, &QCheckBox::toggled, this, &TScenarioEditor::frameEdited);
        return check;
    };
    exitShocksCount_ = spin(detail, QStringLiteral("ExitShocksCount"), 1, 99);
    exitShocks_ = exit(tr("After shoc&ks"), QStringLiteral("ExitShocks"), 0, 0, exitShocksCount_);
    exitSecondsCount_ = spin(detail, QStringLiteral("ExitSecondsCount"), 1, 3600, tr(" s"));
    exitSeconds_ = exit(tr("After s&econds"), QStringLiteral("ExitSeconds"), 0, 1, exitSecondsCount_);
    exitAnalysesCount_ = spin(detail, QStringLiteral("ExitAnalysesCount"), 1, 99);
    exitAnalyses_ = exit(tr("After ana&lyses"), QStringLiteral("ExitAnalyses"), 1, 0, exitAnalysesCount_);
    exitInstructor_ = exit(tr("Instructor moves on"), QStringLiteral("ExitInstructor"), 1, 1, nullptr);
    exitInstructor_->setToolTip(tr("Left when the instructor moves the scenario on"));
    exits->setColumnStretch(4, 1);
    field(nullptr, tr("Exits:"), "exits", QStringLiteral("Exits"), tr("Exits"), exits);
    grid->addWidget(detail, 2, 0, 1, 2);

    connect(rhythm_, &QComboBox::currentIndexChanged, this, &TScenarioEditor::frameEdited);
    connect(trouble_, &QComboBox::currentIndexChanged, this, &TScenarioEditor::frameEdited);
    connect(note_, &QLineEdit::textEdited, this, &TScenarioEditor::frameEdited);
    connect(frames_, &QListWidget::currentRowChanged, this, [this](int row) {
        if (showing_ || row < 0)
            return;
        frame_ = row;
        showFrame();
        check();
    });
    connect(addFrame_, &QPushButton::clicked, this, [this] {
        const int at = std::min<int>(frame_ + 1, static_cast<int>(plan_.frames.size()));
        plan_.frames.insert(plan_.frames.begin() + at, Frame{});
        frame_ = at;
        dirty_ = true;
        showFrameList();
        showFrame();
        check();
    });
    connect(removeFrame_, &QPushButton::clicked, this, [this] {
        if (plan_.frames.size() <= 1)
            return;
        plan_.frames.erase(plan_.frames.begin() + frame_);
        frame_ = std::min<int>(frame_, static_cast<int>(plan_.frames.size()) - 1);
        dirty_ = true;
        showFrameList();
        showFrame();
        check();
    });
    auto moveBy = [this](int by) {
        const int to = frame_ + by;
        if (to < 0 || to >= static_cast<int>(plan_.frames.size()))
            return;
        std::swap(plan_.frames[frame_], plan_.frames[to]);
        frame_ = to;
        dirty_ = true;
        showFrameList();
        showFrame();
        check();
    };
    connect(frameUp_, &QPushButton::clicked, this, [moveBy] { moveBy(-1); });
    connect(frameDown_, &QPushButton::clicked, this, [moveBy] { moveBy(1); });
    return box;
}

QString TScenarioEditor::packFolder() const
{
    return qs(main_.scenario().scenarioPack);
}

QString TScenarioEditor::ownFolder() const
{
    return qs(main_.scenario().ownScenarios);
}

FileDialog& TScenarioEditor::files()
{
    return ownFiles_ ? static_cast<FileDialog&>(*ownFiles_) : main_.files();
}

void TScenarioEditor::follow(bool shown)
{
    if (shown && !isVisible()) {
        refresh();
        if (!opened_) {
            // The file last open, else the first of the instructor's own, else the first of the
            // pack, else a new one.
            const Entry* first = nullptr;
            for (const Entry& e : entries_)
                if (e.plan && (!first || (first->pack && !e.pack)) && (!first || first->path != path_))
                    first = &e;
            if (first)
                open(*first->plan, first->path, first->pack);
            else
                open(blankScenario(), {}, false);
        }
        if (!placed_) {
            placeOnScreen();
            placed_ = true;
        }
        show();
        raise();
        activateWindow();
    } else if (!shown && isVisible()) {
        hide();
    }
}

void TScenarioEditor::refresh()
{
    entries_.clear();
    const QString pack = packFolder();
    const QString own = ownFolder();
    const bool samePlace = !pack.isEmpty() && QFileInfo(pack).absoluteFilePath() == QFileInfo(own).absoluteFilePath();
    auto read = [this](const QString& folder, bool isPack) {
        if (folder.isEmpty())
            return;
        for (const std::string& file : scenarioFilesIn(folder.toStdString())) {
            Entry e;
            e.path = qs(file);
            e.pack = isPack;
            ScenarioRead r = readScenarioFile(file);
            e.plan = std::move(r.plan);
            e.error = qs(r.error);
            entries_.push_back(std::move(e));
        }
    };
    if (!samePlace)
        read(pack, true);
    read(own, false);

    list_->clear();
    auto heading = [this](const QString& text) {
        auto* item = new QListWidgetItem(text, list_);
        item->setFlags(Qt::NoItemFlags);
        QFont bold = item->font();
        bold.setBold(true);
        item->setFont(bold);
        item->setForeground(palette().color(QPalette::WindowText));
    };
    for (bool isPack : {true, false}) {
        if (isPack && samePlace)
            continue;
        heading(isPack ? tr("Scenario pack (read-only)") : tr("My scenarios"));
        int shown = 0;
        for (std::size_t i = 0; i < entries_.size(); ++i) {
            const Entry& e = entries_[i];
            if (e.pack != isPack)
                continue;
            ++shown;
            auto* item = new QListWidgetItem(list_);
            item->setData(Qt::UserRole, static_cast<int>(i));
            if (e.plan) {
                item->setText(e.pack ? qs(e.plan->title) + tr("  [read-only]") : qs(e.plan->title));
                item->setToolTip(e.path);
            } else {
                // A file that cannot be read is listed with why, and cannot be opened.
                item->setText(tr("Cannot be read: ") + e.error);
                item->setToolTip(e.path + QStringLiteral("\n") + e.error);
                item->setForeground(QColor(0xB0, 0x00, 0x20));
                item->setFlags(Qt::ItemIsEnabled);
            }
        }
        if (shown == 0) {
            auto* none = new QListWidgetItem(
                isPack ? tr("  (none found)") : tr("  (none yet: New or Duplicate makes one)"), list_);
            none->setFlags(Qt::NoItemFlags);
        }
    }
    selectEntry();
}

void TScenarioEditor::selectEntry()
{
    list_->blockSignals(true);
    list_->clearSelection();
    list_->setCurrentItem(nullptr);
    for (int row = 0; row < list_->count(); ++row) {
        QListWidgetItem* item = list_->item(row);
        const QVariant index = item->data(Qt::UserRole);
        if (index.isValid() && !path_.isEmpty() && entries_[static_cast<std::size_t>(index.toInt())].path == path_) {
            list_->setCurrentItem(item);
            break;
        }
    }
    list_->blockSignals(false);
}

void TScenarioEditor::entryChosen(QListWidgetItem* item)
{
    const QVariant index = item ? item->data(Qt::UserRole) : QVariant();
    if (!index.isValid())
        return;
    const Entry& e = entries_[static_cast<std::size_t>(index.toInt())];
    if (!e.plan || e.path == path_)
        return;
    if (!leaveChanges()) {
        selectEntry();
        return;
    }
    const Entry chosen = e;
    open(*chosen.plan, chosen.path, chosen.pack);
}

void TScenarioEditor::open(const ScenarioSpec& plan, const QString& path, bool readOnly)
{
    plan_ = plan;
    path_ = path;
    readOnly_ = readOnly;
    dirty_ = false;
    opened_ = true;
    frame_ = 0;
    showScenario();
    selectEntry();
}

void TScenarioEditor::showScenario()
{
    showing_ = true;
    title_->setText(qs(plan_.title));
    goal_->setText(qs(plan_.goal));
    guideline_->setText(qs(plan_.guideline));
    protocol_->setCurrentIndex(static_cast<int>(plan_.protocol));
    kind_->setCurrentIndex(std::clamp(static_cast<int>(plan_.patient.kind), 0, 3));
    age_->setValue(plan_.patient.age);
    weight_->setValue(plan_.patient.weight);
    body_->setCurrentIndex(std::clamp(plan_.patient.body, 0, 3));
    sex_->setCurrentIndex(plan_.patient.sex == "male" ? 1 : plan_.patient.sex == "female" ? 2 : 0);
    history_->setText(qs(plan_.patient.history));
    // A long text shows from its start.
    for (QLineEdit* edit : {title_, goal_, guideline_, history_})
        edit->setCursorPosition(0);
    showing_ = false;
    showFrameList();
    showFrame();
    check();
}

void TScenarioEditor::showFrameList()
{
    showing_ = true;
    frames_->clear();
    for (std::size_t i = 0; i < plan_.frames.size(); ++i)
        frames_->addItem(frameText(plan_.frames[i], static_cast<int>(i)));
    frames_->setCurrentRow(frame_);
    showing_ = false;
}

void TScenarioEditor::showFrame()
{
    const bool any = frame_ >= 0 && frame_ < static_cast<int>(plan_.frames.size());
    for (QWidget* w : std::initializer_list<QWidget*>{rhythm_, trouble_, note_, exitShocks_, exitSeconds_,
                                                      exitAnalyses_, exitInstructor_})
        w->setEnabled(any);
    removeFrame_->setEnabled(plan_.frames.size() > 1);
    frameUp_->setEnabled(any && frame_ > 0);
    frameDown_->setEnabled(any && frame_ + 1 < static_cast<int>(plan_.frames.size()));
    if (!any) {
        frameHeading_->setText(tr("No frame"));
        return;
    }
    const Frame& f = plan_.frames[static_cast<std::size_t>(frame_)];
    showing_ = true;
    frameHeading_->setText(tr("Frame %1 of %2").arg(frame_ + 1).arg(plan_.frames.size()));
    rhythm_->setCurrentIndex(static_cast<int>(f.rhythm));
    trouble_->setCurrentIndex(std::clamp(static_cast<int>(f.trouble), 0, 3));
    note_->setText(qs(f.note));
    note_->setCursorPosition(0);
    auto exit = [](QCheckBox* check, QSpinBox* count, int value) {
        check->setChecked(value >= 0);
        count->setEnabled(value >= 0);
        if (value >= 0)
            count->setValue(value);
    };
    exit(exitShocks_, exitShocksCount_, f.exits.afterShocks);
    exit(exitSeconds_, exitSecondsCount_, f.exits.afterSeconds);
    exit(exitAnalyses_, exitAnalysesCount_, f.exits.afterAnalyses);
    exitInstructor_->setChecked(f.exits.instructor);
    showing_ = false;
}

void TScenarioEditor::edited()
{
    if (showing_)
        return;
    plan_.title = title_->text().toStdString();
    plan_.goal = goal_->text().toStdString();
    plan_.guideline = guideline_->text().toStdString();
    plan_.protocol = static_cast<ScenarioProtocol>(protocol_->currentIndex());
    ScenarioPatient& p = plan_.patient;
    p.kind = static_cast<Kind>(kind_->currentIndex());
    p.age = age_->value();
    p.weight = weight_->value();
    p.body = body_->currentIndex();
    p.sex = sex_->currentIndex() == 1 ? "male" : sex_->currentIndex() == 2 ? "female" : "";
    p.history = history_->text().toStdString();
    dirty_ = true;
    check();
}

void TScenarioEditor::frameEdited()
{
    if (showing_ || frame_ < 0 || frame_ >= static_cast<int>(plan_.frames.size()))
        return;
    Frame& f = plan_.frames[static_cast<std::size_t>(frame_)];
    f.rhythm = static_cast<FrameRhythm>(rhythm_->currentIndex());
    f.trouble = static_cast<Trouble>(trouble_->currentIndex());
    f.note = note_->text().toStdString();
    f.exits.afterShocks = exitShocks_->isChecked() ? exitShocksCount_->value() : -1;
    f.exits.afterSeconds = exitSeconds_->isChecked() ? exitSecondsCount_->value() : -1;
    f.exits.afterAnalyses = exitAnalyses_->isChecked() ? exitAnalysesCount_->value() : -1;
    f.exits.instructor = exitInstructor_->isChecked();
    dirty_ = true;
    if (QListWidgetItem* item = frames_->item(frame_))
        item->setText(frameText(f, frame_));
    check();
}

void TScenarioEditor::check()
{
    problems_ = editorProblems(plan_);
    std::map<QLabel*, QStringList> shown;
    QStringList otherFrames;
    std::vector<QStringList> byFrame(plan_.frames.size());
    for (const ScenarioProblem& p : problems_) {
        const int index = problemFrame(p.field);
        if (index >= 0) {
            std::string part = p.field.substr(p.field.find(']') + 1);
            if (!part.empty() && part.front() == '.')
                part.erase(0, 1);
            // "exits.after-shocks" is shown beside the exits.
            part = part.substr(0, part.find('.'));
            const auto label = frameProblems_.find(part);
            const QString fieldName
                = label != frameProblems_.end() ? label->second->property("fieldName").toString() : tr("The frame");
            const QString text = problemText(fieldName, p.message);
            if (static_cast<std::size_t>(index) < byFrame.size())
                byFrame[static_cast<std::size_t>(index)] << text;
            if (index == frame_ && label != frameProblems_.end())
                shown[label->second] << text;
            else
                otherFrames << tr("Frame %1: %2").arg(index + 1).arg(text);
            continue;
        }
        if (p.field == "frames") {
            shown[framesProblem_] << problemText(tr("The scenario"), p.message);
            continue;
        }
        const auto label = fieldProblems_.find(p.field);
        if (label != fieldProblems_.end())
            shown[label->second] << problemText(label->second->property("fieldName").toString(), p.message);
        else
            shown[scenarioProblem_] << problemText(p.field.empty() ? tr("The scenario") : qs(p.field), p.message);
    }
    if (!otherFrames.isEmpty())
        shown[framesProblem_] << otherFrames;
    std::vector<QLabel*> labels{framesProblem_, scenarioProblem_};
    for (const auto& [field, label] : fieldProblems_)
        labels.push_back(label);
    for (const auto& [field, label] : frameProblems_)
        labels.push_back(label);
    for (QLabel* label : labels) {
        const auto found = shown.find(label);
        label->setText(found == shown.end() ? QString() : found->second.join(QLatin1Char('\n')));
        label->setVisible(found != shown.end());
    }
    // The frames with a problem are marked in the list.
    for (int row = 0; row < frames_->count() && row < static_cast<int>(byFrame.size()); ++row) {
        QListWidgetItem* item = frames_->item(row);
        const QStringList& texts = byFrame[static_cast<std::size_t>(row)];
        item->setForeground(texts.isEmpty() ? palette().color(QPalette::Text) : QColor(0xB0, 0x00, 0x20));
        item->setToolTip(texts.join(QLatin1Char('\n')));
    }

    const bool sound = problems_.empty();
    QString why;
    if (!sound) {
        const ScenarioProblem& first = problems_.front();
        why = tr("Cannot be saved while a problem stands: %1%2")
                  .arg(qs(first.field.empty() ? "" : first.field + ": ") + qs(first.message))
                  .arg(problems_.size() > 1 ? tr(" (and %1 more)").arg(problems_.size() - 1) : QString());
    }
    save_->setEnabled(sound);
    saveAs_->setEnabled(sound);
    duplicate_->setEnabled(sound);
    tryIt_->setEnabled(sound);
    save_->setToolTip(sound ? (readOnly_ || path_.isEmpty() ? tr("Saves the scenario in your own folder")
                                                            : tr("Saves the scenario in its file"))
                            : why);
    saveAs_->setToolTip(sound ? tr("Saves the scenario in a file you choose") : why);
    duplicate_->setToolTip(sound ? tr("Saves a copy of this scenario in your own folder") : why);
    tryIt_->setToolTip(sound ? tr("Closes the editor and starts this scenario as the next patient")
                             : tr("Cannot be played while a problem stands"));

    QString status;
    if (path_.isEmpty())
        status = tr("New scenario, not saved yet: Save puts it in your own folder.");
    else if (readOnly_)
        status = tr("Read-only: this scenario comes with the program. Save writes your copy into your "
                    "own folder.");
    else
        status = tr("File: ") + QDir::toNativeSeparators(path_);
    if (dirty_)
        status += tr(" (unsaved changes)");
    status_->setText(status);
    setWindowTitle(tr("Scenarios - ") + qs(plan_.title) + (dirty_ ? QStringLiteral(" *") : QString()));
}

bool TScenarioEditor::leaveChanges()
{
    if (!dirty_)
        return true;
    return main_.scenario().platform.dialogs.confirm(
        tr("The changes to \"%1\" are not saved. Leave them unsaved?").arg(qs(plan_.title)).toStdString());
}

bool TScenarioEditor::writeTo(const QString& path)
{
    Dialogs& dialogs = main_.scenario().platform.dialogs;
    const QString folder = QFileInfo(path).absolutePath();
    if (!QDir().mkpath(folder)) {
        dialogs.message(tr("The folder %1 cannot be made. Nothing is lost: the scenario stays open here; Save As "
                           "can write it elsewhere.")
                            .arg(folder)
                            .toStdString(),
                        MessageKind::Error);
        return false;
    }
    std::string error;
    if (!writeScenarioFile(path.toStdString(), plan_, error)) {
        dialogs.message(tr("The scenario cannot be saved as %1: %2. Nothing is lost: the scenario stays open here; "
                           "Save As can write it elsewhere.")
                            .arg(path, qs(error))
                            .toStdString(),
                        MessageKind::Error);
        return false;
    }
    path_ = path;
    readOnly_ = false;
    dirty_ = false;
    refresh();
    check();
    return true;
}

void TScenarioEditor::save()
{
    if (!problems_.empty())
        return;
    if (readOnly_ || path_.isEmpty()) {
        saveAs();
        return;
    }
    writeTo(path_);
}

void TScenarioEditor::saveAs()
{
    if (!problems_.empty())
        return;
    std::string name = freeScenarioPath(ownFolder().toStdString(), plan_.title);
    if (!files().save((tr("Scenario file") + QStringLiteral("|*.json")).toStdString(), name))
        return;
    QString chosen = qs(name);
    if (!chosen.endsWith(QLatin1String(".json"), Qt::CaseInsensitive))
        chosen += QStringLiteral(".json");
    // The pack stays as it came with the program.
    const QString pack = packFolder();
    if (!pack.isEmpty() && QFileInfo(chosen).absolutePath() == QFileInfo(pack).absoluteFilePath()
        && QFileInfo(pack).absoluteFilePath() != QFileInfo(ownFolder()).absoluteFilePath()) {
        main_.scenario().platform.dialogs.message(
            tr("The scenario pack is not changed: save into your own folder (%1).").arg(ownFolder()).toStdString(),
            MessageKind::Warning);
        return;
    }
    writeTo(chosen);
}

void TScenarioEditor::duplicate()
{
    if (!problems_.empty())
        return;
    const ScenarioSpec original = plan_;
    const QString originalPath = path_;
    const bool originalReadOnly = readOnly_;
    const bool originalDirty = dirty_;
    plan_.title = copyTitle(plan_.title);
    if (!writeTo(qs(freeScenarioPath(ownFolder().toStdString(), plan_.title)))) {
        plan_ = original;
        path_ = originalPath;
        readOnly_ = originalReadOnly;
        dirty_ = originalDirty;
        check();
        return;
    }
    showScenario();
    selectEntry();
}

void TScenarioEditor::newScenario()
{
    if (!leaveChanges())
        return;
    open(blankScenario(), {}, false);
    title_->setFocus();
    title_->selectAll();
}

void TScenarioEditor::print()
{
    QtPrinter& printer = *printer_;
    printer.printer().setDocName(tr("Defibrio Scenario"));
    printer.printer().setPageSize(QPageSize(QPageSize::A4));
    if (!printer.setup())
        return;
    FontChoice font;
    font.family = "Courier";
    font.pointSize = 9;
    font.colour = clBlack;
    if (!printer.print(scenarioSummaryLines(plan_), font))
        main_.scenario().platform.dialogs.message(
            tr("The scenario could not be printed: the printer did not start.").toStdString(), MessageKind::Error);
}

void TScenarioEditor::tryIt()
{
    if (!problems_.empty())
        return;
    Scenario& s = main_.scenario();
    s.chosenScenario = std::make_shared<const ScenarioSpec>(plan_);
    // The file only when it holds what is played.
    s.chosenScenarioFile = dirty_ ? std::string() : path_.toStdString();
    // The changes stay here, unsaved, for when the editor opens again.
    main_.run("TScenarioEditor.TryItClick");
}

void TScenarioEditor::closeEditor()
{
    if (!leaveChanges())
        return;
    if (dirty_) {
        // Left unsaved: the scenario opens again as its file holds it.
        opened_ = false;
        dirty_ = false;
    }
    main_.run("TScenarioEditor.FormClose");
}

void TScenarioEditor::closeEvent(QCloseEvent* event)
{
    event->ignore();
    closeEditor();
}

void TScenarioEditor::reject()
{
    closeEditor();
}

} // namespace defib::ui
