#include "ui/console.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QInputDialog>
#include <QJsonDocument>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QSplitter>
#include <QStatusBar>
#include <QSysInfo>
#include <QTableView>
#include <QVBoxLayout>
#include <map>

#include "device/station.h"
#include "ui/discovery.h"
#include "ui/language.h"
#include "ui/timeline.h"

namespace defib::ui {

namespace {

// The platform's dialogs.
class DialogQuestions : public ConsoleQuestions {
public:
    bool scenarioFile(QWidget* parent, QString& fileName) override
    {
        QFileDialog dialog(parent, TConsole::tr("Start Scenario File"));
        dialog.setFileMode(QFileDialog::ExistingFile);
        dialog.setNameFilters({TConsole::tr("Scenario files (*.json)"), TConsole::tr("All files (*)")});
        dialog.setOption(QFileDialog::DontUseNativeDialog, true);
        if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
            return false;
        fileName = dialog.selectedFiles().first();
        return true;
    }
    bool messageText(QWidget* parent, QString& text) override
    {
        bool ok = false;
        text = QInputDialog::getText(parent, TConsole::tr("Message to the Trainee"),
                                     TConsole::tr("The trainee reads \"Instructor: \" and your text:"),
                                     QLineEdit::Normal, text, &ok);
        return ok;
    }
};

QString troubleLabel(const QString& trouble)
{
    if (trouble == QLatin1String("electrode"))
        return StationGrid::tr("Pad fault");
    if (trouble == QLatin1String("motion"))
        return StationGrid::tr("Motion");
    if (trouble == QLatin1String("battery"))
        return StationGrid::tr("Low battery");
    return {};
}

QString phaseLabel(const QString& phase)
{
    if (phase == QLatin1String("none"))
        return StationGrid::tr("no patient");
    if (phase == QLatin1String("ready"))
        return StationGrid::tr("ready");
    if (phase == QLatin1String("running"))
        return StationGrid::tr("running");
    if (phase == QLatin1String("paused"))
        return StationGrid::tr("paused");
    if (phase == QLatin1String("ended"))
        return StationGrid::tr("ended");
    return phase;
}

QString penaltyTip(const StationEvent& penalty)
{
    // The station sends the English reason, which is also the key of its translation.
    const QString reason = QString::fromStdString(installedCatalogue().text(penalty.text.toStdString()));
    return StationGrid::tr("%1  %2 (%3)").arg(clockOf(penalty.time), reason, QString::number(penalty.amount));
}

const QColor penaltyRed(200, 0, 0);

} // namespace

// The next correct step as the station names it, in words for the grid; a name this console does
// not know (a newer station's) as it came.
QString stationStepLabel(const QString& step)
{
    static const std::map<QString, const char*> labels = {
        {QStringLiteral("CPR"), QT_TRANSLATE_NOOP("defib::ui::StationGrid", "CPR")},
        {QStringLiteral("Pulse"), QT_TRANSLATE_NOOP("defib::ui::StationGrid", "Check pulse")},
        {QStringLiteral("Responsiveness"), QT_TRANSLATE_NOOP("defib::ui::StationGrid", "Responsiveness")},
        {QStringLiteral("Airway"), QT_TRANSLATE_NOOP("defib::ui::StationGrid", "Airway")},
        {QStringLiteral("Breathing"), QT_TRANSLATE_NOOP("defib::ui::StationGrid", "Breathing")},
        {QStringLiteral("Breath Check after con"), QT_TRANSLATE_NOOP("defib::ui::StationGrid", "Breathing rate")},
        {QStringLiteral("Ventilation"), QT_TRANSLATE_NOOP("defib::ui::StationGrid", "Ventilation")},
        {QStringLiteral("Circulation"), QT_TRANSLATE_NOOP("defib::ui::StationGrid", "Circulation")},
        {QStringLiteral("Blood Pressure"), QT_TRANSLATE_NOOP("defib::ui::StationGrid", "Blood pressure")},
        {QStringLiteral("Electrode1"), QT_TRANSLATE_NOOP("defib::ui::StationGrid", "Top electrode")},
        {QStringLiteral("Attach Red PAD"), QT_TRANSLATE_NOOP("defib::ui::StationGrid", "Bottom electrode")},
        {QStringLiteral("Re-attach electrode"), QT_TRANSLATE_NOOP("defib::ui::StationGrid", "Re-attach electrode")},
        {QStringLiteral("Replace battery"), QT_TRANSLATE_NOOP("defib::ui::StationGrid", "Replace battery")},
        {QStringLiteral("Stop motion"), QT_TRANSLATE_NOOP("defib::ui::StationGrid", "Stop motion")},
        {QStringLiteral("Voice"), QT_TRANSLATE_NOOP("defib::ui::StationGrid", "Voice report")},
        {QStringLiteral("Clear A"), QT_TRANSLATE_NOOP("defib::ui::StationGrid", "Clear before analysis")},
        {QStringLiteral("Clear S"), QT_TRANSLATE_NOOP("defib::ui::StationGrid", "Clear before shock")},
        {QStringLiteral("Power"), QT_TRANSLATE_NOOP("defib::ui::StationGrid", "Power on")},
        {QStringLiteral("Analyze"), QT_TRANSLATE_NOOP("defib::ui::StationGrid", "Analyze")},
        {QStringLiteral("Shock"), QT_TRANSLATE_NOOP("defib::ui::StationGrid", "Shock")},
        {QStringLiteral("End Scenario"), QT_TRANSLATE_NOOP("defib::ui::StationGrid", "End scenario")},
        {QStringLiteral("Keep up CPR"), QT_TRANSLATE_NOOP("defib::ui::StationGrid", "Keep up CPR")},
    };
    const auto found = labels.find(step);
    return found == labels.end() ? step : StationGrid::tr(found->second);
}

StationGrid::StationGrid(QObject* parent)
    : QAbstractTableModel(parent)
{
}

void StationGrid::setClients(const std::vector<ConsoleClient*>* clients)
{
    beginResetModel();
    clients_ = clients;
    rows_ = clients ? static_cast<int>(clients->size()) : 0;
    endResetModel();
}

void StationGrid::refresh()
{
    const int rows = clients_ ? static_cast<int>(clients_->size()) : 0;
    if (rows != rows_) {
        beginResetModel();
        rows_ = rows;
        endResetModel();
        return;
    }
    if (rows > 0)
        emit dataChanged(index(0, 0), index(rows - 1, Columns - 1));
}

int StationGrid::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : rows_;
}

int StationGrid::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : Columns;
}

QString StationGrid::text(int row, Column column) const
{
    if (!clients_ || row < 0 || row >= static_cast<int>(clients_->size()))
        return {};
    const ConsoleClient& client = *(*clients_)[static_cast<std::size_t>(row)];
    const QJsonObject& status = client.status();
    const bool hasStatus = !status.isEmpty();
    auto number = [&](const char* key) { return QString::number(status.value(QLatin1String(key)).toInt()); };
    switch (column) {
    case Name:
        return client.stationName();
    case Connection:
        switch (client.state()) {
        case ConsoleClient::State::Connecting:
            return tr("connecting");
        case ConsoleClient::State::Refused:
            return tr("refused");
        case ConsoleClient::State::Lost:
            return tr("lost");
        case ConsoleClient::State::Joined: {
            if (!hasStatus)
                return tr("joined");
            const QString phase = phaseLabel(status.value(QStringLiteral("phase")).toString());
            // A message box of the trainer waits for the trainee: commands wait with it.
            return status.value(QStringLiteral("dialog")).toBool() ? tr("%1, message open").arg(phase) : phase;
        }
        }
        return {};
    case Trainee:
        return status.value(QStringLiteral("trainee")).toString();
    case Mode: {
        const QString mode = status.value(QStringLiteral("mode")).toString();
        if (mode == QLatin1String("practice"))
            return tr("Practice");
        if (mode == QLatin1String("test"))
            return tr("Test");
        return mode;
    }
    case Scenario: {
        QString title = status.value(QStringLiteral("scenario")).toString();
        // A drawn patient is named in the console's language; a scenario file by its own title.
        if (title == QLatin1String("Random patient"))
            title = QString::fromStdString(installedCatalogue().text("Random patient"));
        const int frames = status.value(QStringLiteral("frames")).toInt();
        if (frames <= 0)
            return title;
        return tr("%1 (frame %2 of %3)").arg(title).arg(status.value(QStringLiteral("frame")).toInt()).arg(frames);
    }
    case Time:
        return hasStatus ? clockOf(static_cast<long long>(status.value(QStringLiteral("time")).toDouble() * 1000))
                         : QString();
    case Step:
        // An ended scenario has no next step; its summary is on the trainee's screen.
        if (status.value(QStringLiteral("phase")).toString() == QLatin1String("ended"))
            return {};
        return stationStepLabel(status.value(QStringLiteral("step")).toString());
    case Score:
        return hasStatus ? number("score") : QString();
    case Cpr:
        return hasStatus ? tr("%1 %").arg(number("cprFraction")) : QString();
    case HandsOff: {
        if (!hasStatus)
            return {};
        const int seconds = status.value(QStringLiteral("handsOff")).toInt();
        return seconds > 0 ? tr("%1 s").arg(seconds) : QString();
    }
    case Shocks:
        return hasStatus ? number("shocks") : QString();
    case Trouble: {
        const QString now = troubleLabel(status.value(QStringLiteral("trouble")).toString());
        const QString next = troubleLabel(status.value(QStringLiteral("troubleNext")).toString());
        if (!next.isEmpty() && !now.isEmpty())
            return tr("%1; %2 at next analysis").arg(now, next);
        if (!next.isEmpty())
            return tr("%1 at next analysis").arg(next);
        return now;
    }
    case Penalties:
        return QString(static_cast<int>(client.penalties().size()), QChar(0x25CF));
    case Columns:
        break;
    }
    return {};
}

QVariant StationGrid::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || !clients_ || index.row() >= static_cast<int>(clients_->size()))
        return {};
    const ConsoleClient& client = *(*clients_)[static_cast<std::size_t>(index.row())];
    const auto column = static_cast<Column>(index.column());
    const bool away = client.state() != ConsoleClient::State::Joined;
    switch (role) {
    case Qt::DisplayRole:
        return text(index.row(), column);
    case Qt::ForegroundRole:
        if (away)
            return QApplication::palette().color(QPalette::Disabled, QPalette::Text);
        if (column == Penalties)
            return penaltyRed;
        return {};
    case Qt::ToolTipRole:
        if (column == Penalties && !client.penalties().empty()) {
            QStringList lines;
            for (const StationEvent& penalty : client.penalties())
                lines << penaltyTip(penalty);
            return lines.join(QLatin1Char('\n'));
        }
        if (column == Connection && !client.reason().isEmpty())
            return client.reason();
        if (column == Name)
            return client.addressText();
        return {};
    case Qt::TextAlignmentRole:
        if (column == Time || column == Score || column == Cpr || column == HandsOff || column == Shocks)
            return QVariant(Qt::AlignRight | Qt::AlignVCenter);
        return {};
    default:
        return {};
    }
}

QVariant StationGrid::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return QAbstractTableModel::headerData(section, orientation, role);
    switch (section) {
    case Name:
        return tr("Station");
    case Connection:
        return tr("State");
    case Trainee:
        return tr("Trainee");
    case Mode:
        return tr("Mode");
    case Scenario:
        return tr("Scenario");
    case Time:
        return tr("Time");
    case Step:
        return tr("Next step");
    case Score:
        return tr("Score");
    case Cpr:
        return tr("CPR");
    case HandsOff:
        return tr("Hands off");
    case Shocks:
        return tr("Shocks");
    case Trouble:
        return tr("Trouble");
    case Penalties:
        return tr("Penalties");
    default:
        return {};
    }
}

TConsole::TConsole(ConsoleQuestions* questions, CertificatePins* pins, QWidget* parent)
    : QMainWindow(parent)
    , questions_(questions)
    , pins_(pins)
{
    if (!questions_) {
        ownQuestions_ = std::make_unique<DialogQuestions>();
        questions_ = ownQuestions_.get();
    }
    if (!pins_) {
        ownPins_ = std::make_unique<CertificatePins>();
        pins_ = ownPins_.get();
    }
    setObjectName(QStringLiteral("TConsole"));
    setWindowTitle(tr("Instructor Console"));
    if (parent)
        setWindowFlag(Qt::Window, true);
    grid_.setClients(&clients_);
    buildWindow();
    // The grid and the timeline show the stations' news at most five times a second, so that 30
    // stations sending ten statuses a second each cost the console little.
    refresh_.setInterval(200);
    connect(&refresh_, &QTimer::timeout, this, &TConsole::refreshNow);
    refresh_.start();
}

TConsole::~TConsole()
{
    for (ConsoleClient* client : clients_)
        delete client;
}

void TConsole::buildWindow()
{
    auto* central = new QWidget(this);
    auto* layout = new QVBoxLayout(central);

    auto* add = new QGroupBox(tr("Add station"), central);
    add->setObjectName(QStringLiteral("AddStationBox"));
    auto* addLayout = new QGridLayout(add);
    auto* addressLabel = new QLabel(tr("&Address:"), add);
    address_ = new QLineEdit(add);
    address_->setObjectName(QStringLiteral("StationAddress"));
    address_->setPlaceholderText(tr("host:port"));
    addressLabel->setBuddy(address_);
    auto* codeLabel = new QLabel(tr("Join &code:"), add);
    code_ = new QLineEdit(add);
    code_->setObjectName(QStringLiteral("StationCode"));
    code_->setPlaceholderText(tr("6 digits"));
    code_->setMaxLength(6);
    code_->setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]{0,6}")), code_));
    codeLabel->setBuddy(code_);
    tls_ = new QCheckBox(tr("&Secure connection (TLS)"), add);
    tls_->setObjectName(QStringLiteral("StationTls"));
    auto* addButton = new QPushButton(tr("A&dd station"), add);
    addButton->setObjectName(QStringLiteral("AddStation"));
    addButton->setDefault(true);
    connect(addButton, &QPushButton::clicked, this, &TConsole::addClicked);
    connect(code_, &QLineEdit::returnPressed, this, &TConsole::addClicked);
    addLayout->addWidget(addressLabel, 0, 0);
    addLayout->addWidget(address_, 0, 1);
    addLayout->addWidget(codeLabel, 0, 2);
    addLayout->addWidget(code_, 0, 3);
    addLayout->addWidget(tls_, 0, 4);
    addLayout->addWidget(addButton, 0, 5);
    addLayout->setColumnStretch(1, 3);
    addLayout->setColumnStretch(3, 1);
    // The stations that announce themselves nearby: a click fills in the address, the code is
    // still typed (it is shown only on the station's screen).
    discoveryNote_ = new QLabel(discoveryUnavailableText(), add);
    discoveryNote_->setObjectName(QStringLiteral("DiscoveryNote"));
    discoveryNote_->setWordWrap(true);
    addLayout->addWidget(discoveryNote_, 1, 0, 1, 6);
    found_ = new QListWidget(add);
    found_->setObjectName(QStringLiteral("FoundStations"));
    found_->setFlow(QListView::LeftToRight);
    found_->setWrapping(true);
    found_->setMaximumHeight(fontMetrics().height() * 3 + 8);
    found_->hide();
    addLayout->addWidget(found_, 2, 0, 1, 6);
    connect(found_, &QListWidget::itemClicked, this, [this](QListWidgetItem* item) {
        address_->setText(item->data(Qt::UserRole).toString());
        tls_->setChecked(item->data(Qt::UserRole + 1).toBool());
        code_->setFocus();
    });
    browser_ = new StationBrowser(this);
    auto showDiscovery = [this] {
        const bool available = browser_->available();
        discoveryNote_->setText(available ? tr("Stations found nearby (click one, then type its join code):")
                                          : discoveryUnavailableText());
        found_->setVisible(available);
    };
    connect(browser_, &StationBrowser::availabilityChanged, this, showDiscovery);
    connect(browser_, &StationBrowser::found, this,
            [this](const QString& name, const QString& host, quint16 port, bool tls) {
                const QString address
                    = (host.contains(QLatin1Char(':')) ? QLatin1Char('[') + host + QLatin1Char(']') : host)
                    + QLatin1Char(':') + QString::number(port);
                for (int i = 0; i < found_->count(); ++i)
                    if (found_->item(i)->data(Qt::UserRole + 2).toString() == name) {
                        delete found_->takeItem(i);
                        break;
                    }
                auto* item = new QListWidgetItem(tr("%1 (%2)").arg(name, address), found_);
                item->setData(Qt::UserRole, address);
                item->setData(Qt::UserRole + 1, tls);
                item->setData(Qt::UserRole + 2, name);
            });
    connect(browser_, &StationBrowser::lost, this, [this](const QString& name) {
        for (int i = 0; i < found_->count(); ++i)
            if (found_->item(i)->data(Qt::UserRole + 2).toString() == name) {
                delete found_->takeItem(i);
                break;
            }
    });
    showDiscovery();
    layout->addWidget(add);

    auto* splitter = new QSplitter(Qt::Vertical, central);
    view_ = new QTableView(splitter);
    view_->setObjectName(QStringLiteral("StationGrid"));
    view_->setModel(&grid_);
    view_->setSelectionBehavior(QAbstractItemView::SelectRows);
    view_->setSelectionMode(QAbstractItemView::SingleSelection);
    view_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    view_->verticalHeader()->hide();
    view_->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    view_->horizontalHeader()->setSectionResizeMode(StationGrid::Scenario, QHeaderView::Stretch);
    view_->horizontalHeader()->setSectionResizeMode(StationGrid::Step, QHeaderView::Stretch);
    view_->setWordWrap(false);
    connect(view_->selectionModel(), &QItemSelectionModel::currentRowChanged, this, [this] {
        detailsDirty_ = true;
        syncDetails();
        syncCommands();
    });

    auto* details = new QWidget(splitter);
    auto* detailLayout = new QVBoxLayout(details);
    detailLayout->setContentsMargins(0, 0, 0, 0);
    detailTitle_ = new QLabel(details);
    detailTitle_->setObjectName(QStringLiteral("SelectedStation"));
    detailTitle_->setWordWrap(true);
    detailLayout->addWidget(detailTitle_);
    auto* commands = new QHBoxLayout;
    auto button = [&](const QString& caption, const char* name, auto&& clicked) {
        auto* b = new QPushButton(caption, details);
        b->setObjectName(QLatin1String(name));
        connect(b, &QPushButton::clicked, this, clicked);
        commands->addWidget(b);
        commandWidgets_.push_back(b);
        return b;
    };
    button(tr("&Pause"), "PauseStation", [this] { command(QStringLiteral("pause")); });
    button(tr("&Resume"), "ResumeStation", [this] { command(QStringLiteral("resume")); });
    button(tr("&End scenario"), "EndStation", [this] { command(QStringLiteral("end")); });
    button(tr("Start scenario &file..."), "StartStationFile", [this] { startScenarioFile(); });
    button(tr("Ne&xt frame"), "NextFrameStation", [this] { command(QStringLiteral("next-frame")); });
    button(tr("&Message..."), "MessageStation", [this] { sendMessage(); });
    commands->addStretch(1);
    detailLayout->addLayout(commands);
    // The trouble to give and when, and taking the station off the grid, on a row of their own.
    commands = new QHBoxLayout;
    troubleKind_ = new QComboBox(details);
    troubleKind_->setObjectName(QStringLiteral("TroubleKind"));
    troubleKind_->addItem(tr("Pad fault"), QStringLiteral("electrode"));
    troubleKind_->addItem(tr("Motion"), QStringLiteral("motion"));
    troubleKind_->addItem(tr("Low battery"), QStringLiteral("battery"));
    troubleWhen_ = new QComboBox(details);
    troubleWhen_->setObjectName(QStringLiteral("TroubleWhen"));
    troubleWhen_->addItem(tr("now"), QStringLiteral("now"));
    troubleWhen_->addItem(tr("at next analysis"), QStringLiteral("next-analysis"));
    commands->addWidget(troubleKind_);
    commands->addWidget(troubleWhen_);
    commandWidgets_.push_back(troubleKind_);
    commandWidgets_.push_back(troubleWhen_);
    button(tr("&Trouble"), "TroubleStation", [this] { giveTrouble(); });
    commands->addStretch(1);
    remove_ = new QPushButton(tr("Remo&ve station"), details);
    remove_->setObjectName(QStringLiteral("RemoveStation"));
    connect(remove_, &QPushButton::clicked, this, &TConsole::removeClicked);
    commands->addWidget(remove_);
    detailLayout->addLayout(commands);

    timeline_ = new TimelineView(details);
    timeline_->setObjectName(QStringLiteral("StationTimeline"));
    detailLayout->addWidget(timeline_, 3);
    penalties_ = new QListWidget(details);
    penalties_->setObjectName(QStringLiteral("StationPenalties"));
    detailLayout->addWidget(penalties_, 1);
    splitter->addWidget(view_);
    splitter->addWidget(details);
    splitter->setStretchFactor(0, 1);
    splitter->setStretchFactor(1, 1);
    layout->addWidget(splitter, 1);
    setCentralWidget(central);
    statusBar()->setObjectName(QStringLiteral("ConsoleStatus"));
    resize(1200, 680);
    syncDetails();
    syncCommands();
}

void TConsole::setRetryInterval(int ms)
{
    retryMs_ = ms;
    for (ConsoleClient* client : clients_)
        client->setRetryInterval(ms);
}

void TConsole::setPingInterval(int ms)
{
    pingMs_ = ms;
    for (ConsoleClient* client : clients_)
        client->setPingInterval(ms);
}

ConsoleClient* TConsole::addStation(const QString& address, const QString& code, bool tls)
{
    ConsoleClient::Address where;
    if (!ConsoleClient::parseAddress(address, where)) {
        statusBar()->showMessage(
            tr("\"%1\" is no station address: type host:port, as the station shows it.").arg(address.trimmed()));
        return nullptr;
    }
    where.tls = where.tls || tls;
    static const QRegularExpression sixDigits(QStringLiteral("^[0-9]{6}$"));
    if (!sixDigits.match(code.trimmed()).hasMatch()) {
        statusBar()->showMessage(tr("The join code has six digits, as the station shows it."));
        return nullptr;
    }
    auto* client = new ConsoleClient(where, code.trimmed(), QSysInfo::machineHostName(), pins_);
    if (retryMs_ > 0)
        client->setRetryInterval(retryMs_);
    if (pingMs_ > 0)
        client->setPingInterval(pingMs_);
    connect(client, &ConsoleClient::stateChanged, this, [this, client] {
        detailsDirty_ = true;
        if (client->state() == ConsoleClient::State::Refused)
            statusBar()->showMessage(tr("%1 refused the console: %2").arg(client->stationName(), client->reason()));
        else if (client->state() == ConsoleClient::State::Lost)
            statusBar()->showMessage(
                tr("%1 is lost; the console tries again every few seconds.").arg(client->stationName()));
        else if (client->state() == ConsoleClient::State::Joined && client->reason().isEmpty())
            statusBar()->showMessage(tr("%1 joined.").arg(client->stationName()));
        else if (client->state() == ConsoleClient::State::Joined)
            statusBar()->showMessage(tr("%1 joined; %2").arg(client->stationName(), client->reason()));
        syncCommands();
    });
    connect(client, &ConsoleClient::eventArrived, this, [this, client] {
        if (client == selected())
            detailsDirty_ = true;
    });
    connect(client, &ConsoleClient::resultArrived, this,
            [this, client](qint64, const CommandResult& result) { resultCame(client, result); });
    clients_.push_back(client);
    grid_.refresh();
    if (clients_.size() == 1)
        select(0);
    return client;
}

void TConsole::addClicked()
{
    if (addStation(address_->text(), code_->text(), tls_->isChecked())) {
        address_->clear();
        code_->clear();
    }
}

void TConsole::removeClicked()
{
    ConsoleClient* client = selected();
    if (!client)
        return;
    const int row = view_->currentIndex().row();
    clients_.erase(clients_.begin() + row);
    grid_.refresh();
    statusBar()->showMessage(tr("%1 removed.").arg(client->stationName()));
    delete client;
    detailsDirty_ = true;
    syncDetails();
    syncCommands();
}

ConsoleClient* TConsole::selected() const
{
    const int row = view_->currentIndex().row();
    if (row < 0 || row >= static_cast<int>(clients_.size()))
        return nullptr;
    return clients_[static_cast<std::size_t>(row)];
}

void TConsole::select(int row)
{
    view_->setCurrentIndex(grid_.index(row, 0));
}

QString TConsole::statusText() const
{
    return statusBar()->currentMessage();
}

void TConsole::refreshNow()
{
    grid_.refresh();
    if (detailsDirty_)
        syncDetails();
}

void TConsole::syncCommands()
{
    ConsoleClient* client = selected();
    const bool joined = client && client->state() == ConsoleClient::State::Joined;
    for (QWidget* widget : commandWidgets_)
        widget->setEnabled(joined);
    remove_->setEnabled(client != nullptr);
}

void TConsole::syncDetails()
{
    detailsDirty_ = false;
    ConsoleClient* client = selected();
    if (!client) {
        detailTitle_->setText(clients_.empty() ? tr("Add a station to watch its trainee.")
                                               : tr("Select a station to see its timeline."));
        timeline_->setEvents({});
        penalties_->clear();
        return;
    }
    const QString trainee = client->status().value(QStringLiteral("trainee")).toString();
    detailTitle_->setText(trainee.isEmpty() ? client->stationName() : tr("%1: %2").arg(client->stationName(), trainee));
    std::vector<Event> events = client->timelineEvents();
    const std::vector<QString> lines = penaltyLines(events);
    timeline_->setEvents(std::move(events));
    penalties_->clear();
    for (const QString& line : lines)
        penalties_->addItem(line);
    if (lines.empty())
        penalties_->addItem(Debrief::tr(noPenaltiesText));
}

QString TConsole::commandLabel(const QString& command) const
{
    if (command == QLatin1String("pause"))
        return tr("Pause");
    if (command == QLatin1String("resume"))
        return tr("Resume");
    if (command == QLatin1String("end"))
        return tr("End scenario");
    if (command == QLatin1String("start"))
        return tr("Start scenario");
    if (command == QLatin1String("trouble"))
        return tr("Trouble");
    if (command == QLatin1String("next-frame"))
        return tr("Next frame");
    if (command == QLatin1String("message"))
        return tr("Message");
    return command;
}

void TConsole::command(const QString& name, const QJsonObject& fields)
{
    ConsoleClient* client = selected();
    if (!client)
        return;
    if (client->sendCommand(name, fields) > 0)
        statusBar()->showMessage(tr("%1: %2 sent.").arg(client->stationName(), commandLabel(name)));
}

void TConsole::resultCame(ConsoleClient* client, const CommandResult& result)
{
    if (result.ok)
        statusBar()->showMessage(tr("%1: %2 done.").arg(client->stationName(), commandLabel(result.command)));
    else
        statusBar()->showMessage(
            tr("%1: %2 refused: %3").arg(client->stationName(), commandLabel(result.command), result.reason));
}

void TConsole::startScenarioFile()
{
    if (!selected())
        return;
    QString fileName;
    if (!questions_->scenarioFile(this, fileName))
        return;
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly)) {
        statusBar()->showMessage(
            tr("%1 cannot be read: %2").arg(QDir::toNativeSeparators(fileName), file.errorString()));
        return;
    }
    // The station takes no message over 64 KiB (it would close the connection): a file that
    // cannot fit is not sent.
    const QByteArray content = file.read(static_cast<qint64>(stationMaxMessage) + 1);
    const QString text = QString::fromUtf8(content);
    const QString name = QFileInfo(fileName).fileName();
    const QJsonObject fields{{QStringLiteral("scenario"), text}, {QStringLiteral("file"), name}};
    QJsonObject whole = fields;
    whole.insert(QStringLiteral("type"), QStringLiteral("command"));
    whole.insert(QStringLiteral("id"), 1e15);
    whole.insert(QStringLiteral("command"), QStringLiteral("start"));
    if (content.size() > static_cast<qsizetype>(stationMaxMessage)
        || QJsonDocument(whole).toJson(QJsonDocument::Compact).size() > static_cast<qsizetype>(stationMaxMessage)) {
        statusBar()->showMessage(
            tr("%1 is too large to send: a station takes scenario files up to about 60 KB.").arg(name));
        return;
    }
    command(QStringLiteral("start"), fields);
}

void TConsole::sendMessage()
{
    if (!selected())
        return;
    QString text;
    if (!questions_->messageText(this, text))
        return;
    text = text.trimmed();
    if (text.isEmpty())
        return;
    if (text.size() > static_cast<qsizetype>(stationMaxMessageText)) {
        statusBar()->showMessage(
            tr("A message has at most %1 characters; this one has %2.").arg(stationMaxMessageText).arg(text.size()));
        return;
    }
    command(QStringLiteral("message"), {{QStringLiteral("text"), text}});
}

void TConsole::giveTrouble()
{
    command(QStringLiteral("trouble"),
            {{QStringLiteral("trouble"), troubleKind_->currentData().toString()},
             {QStringLiteral("when"), troubleWhen_->currentData().toString()}});
}

} // namespace defib::ui
