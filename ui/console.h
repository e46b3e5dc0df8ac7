#pragma once

#include <QAbstractTableModel>
#include <QMainWindow>
#include <QString>
#include <QTimer>
#include <memory>
#include <vector>

#include "ui/consoleclient.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QTableView;

namespace defib::ui {

class StationBrowser;
class TimelineView;

// What the console asks the instructor: the scenario file to start and the message to send
// (tests answer from a script).
class ConsoleQuestions {
public:
    virtual ~ConsoleQuestions() = default;
    // False when cancelled.
    virtual bool scenarioFile(QWidget* parent, QString& fileName) = 0;
    virtual bool messageText(QWidget* parent, QString& text) = 0;
};

// The next correct step a station names ("Clear S"), in words for the grid ("Clear before shock").
QString stationStepLabel(const QString& step);

// The grid of the stations: one row per station, one column per figure of its status.
class StationGrid : public QAbstractTableModel {
    Q_OBJECT
public:
    enum Column {
        Name,
        Connection,
        Trainee,
        Mode,
        Scenario,
        Time,
        Step,
        Score,
        Cpr,
        HandsOff,
        Shocks,
        Trouble,
        Penalties,
        Columns
    };
    explicit StationGrid(QObject* parent = nullptr);
    void setClients(const std::vector<ConsoleClient*>* clients);
    // Shows what changed since the last time; called at most five times a second.
    void refresh();

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    // The cell's text as the grid shows it (tests, tools).
    QString text(int row, Column column) const;

private:
    const std::vector<ConsoleClient*>* clients_ = nullptr;
    int rows_ = 0;
};

// The instructor's console: joins stations by address and code, shows them on one grid, the
// selected one's debrief timeline as it grows, and sends it the instructor's commands.
class TConsole : public QMainWindow {
    Q_OBJECT
public:
    // Without `questions`, the platform's file dialog and an input box ask; without `pins`, the
    // user's own file of pinned certificates is used.
    explicit TConsole(ConsoleQuestions* questions = nullptr, CertificatePins* pins = nullptr,
                      QWidget* parent = nullptr);
    ~TConsole() override;

    // Joins the station at `address` ("host:port") with `code`; null (and the reason in the
    // status line) when the address or the code cannot be used.
    ConsoleClient* addStation(const QString& address, const QString& code, bool tls = false);
    const std::vector<ConsoleClient*>& clients() const { return clients_; }
    ConsoleClient* selected() const;
    void select(int row);
    StationGrid& grid() { return grid_; }
    QTableView* gridView() const { return view_; }
    TimelineView* timeline() const { return timeline_; }
    // What the status line says now.
    QString statusText() const;
    // Milliseconds between attempts to reach a lost station (tests shorten it).
    void setRetryInterval(int ms);
    // Milliseconds between the pings that find a station gone silent (tests shorten it).
    void setPingInterval(int ms);
    // Shows everything at once instead of at the next refresh (tests, screenshots).
    void refreshNow();

private:
    void buildWindow();
    void addClicked();
    void removeClicked();
    void syncCommands();
    void syncDetails();
    void command(const QString& name, const QJsonObject& fields = {});
    void startScenarioFile();
    void sendMessage();
    void giveTrouble();
    void resultCame(ConsoleClient* client, const CommandResult& result);
    QString commandLabel(const QString& command) const;

    std::unique_ptr<ConsoleQuestions> ownQuestions_;
    ConsoleQuestions* questions_;
    std::unique_ptr<CertificatePins> ownPins_;
    CertificatePins* pins_;
    std::vector<ConsoleClient*> clients_;
    StationGrid grid_;
    QTimer refresh_;
    bool detailsDirty_ = true;
    int retryMs_ = 0;
    int pingMs_ = 0;

    QLineEdit* address_ = nullptr;
    QLineEdit* code_ = nullptr;
    QCheckBox* tls_ = nullptr;
    QLabel* discoveryNote_ = nullptr;
    QListWidget* found_ = nullptr;
    StationBrowser* browser_ = nullptr;
    QTableView* view_ = nullptr;
    QLabel* detailTitle_ = nullptr;
    TimelineView* timeline_ = nullptr;
    QListWidget* penalties_ = nullptr;
    std::vector<QWidget*> commandWidgets_;
    QComboBox* troubleKind_ = nullptr;
    QComboBox* troubleWhen_ = nullptr;
    QPushButton* remove_ = nullptr;
};

} // namespace defib::ui
