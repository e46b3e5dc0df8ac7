#include "ui/ftpform.h"

#include <QCloseEvent>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLocale>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

#include "engine/pageshandlers.h"
#include "options/utf8.h"
#include "ui/mainwindow.h"
#include "ui/sync.h"

namespace defib::ui {

namespace {

const QString formStyle = QStringLiteral(
    "#TFTPform { background: #E9EDF1; }"
    "QLabel, QCheckBox { font-size: 13px; color: #202A33; }"
    "QLabel[hint=\"true\"] { color: #5B6875; font-size: 12px; }"
    "QLabel#FTPFingerprint { font-family: monospace; font-size: 12px; color: #14324F; background: #FFFFFF;"
    " border: 1px solid #C5CED6; border-radius: 4px; padding: 4px; }"
    "QLineEdit, QComboBox { font-size: 13px; padding: 3px 6px; border: 1px solid #AAB6C2; border-radius: 4px;"
    " background: #FFFFFF; color: #14324F; min-height: 22px; }"
    "QLineEdit:focus, QComboBox:focus { border: 2px solid #2D6CB0; }"
    "QPushButton { font-size: 13px; font-weight: 600; color: #14324F; background: #FFFFFF; min-width: 86px;"
    " min-height: 28px; border: 1px solid #8DA0B3; border-radius: 6px; }"
    "QPushButton#OK { background: #2D6CB0; color: #FFFFFF; border-color: #1F5390; }");

QLabel* hintLabel(const QString& text, QWidget* parent)
{
    auto* label = new QLabel(text, parent);
    label->setProperty("hint", true);
    label->setWordWrap(true);
    return label;
}

} // namespace

TFTPform::TFTPform(TForm1& main)
    : QDialog(&main)
    , main_(main)
{
    setObjectName(QStringLiteral("TFTPform"));
    setWindowTitle(tr("Send Options"));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    setModal(true);
    setStyleSheet(formStyle);
    SendWindow& f = main_.scenario().sendWindow;

    auto* layout = new QVBoxLayout(this);
    // Never squeezed below what its rows need, whatever the screen.
    layout->setSizeConstraint(QLayout::SetMinimumSize);
    layout->setContentsMargins(20, 16, 20, 14);
    layout->setSpacing(10);
    layout->addWidget(
        hintLabel(tr("Where \"Send\" puts the test report (AEDTEST.TXT): the instructor's server."), this));
    auto* form = new QFormLayout;
    form->setHorizontalSpacing(14);
    form->setVerticalSpacing(8);
    QComboBox* protocol = choice(f.FTPProtocol,
                                 {{QStringLiteral("FTP"), QStringLiteral("FTP")},
                                  {QStringLiteral("FTPS"), QStringLiteral("FTPS")},
                                  {QStringLiteral("SFTP"), QStringLiteral("SFTP")}},
                                 this);
    protocol->setItemData(0, tr("FTP: the password travels unprotected"), Qt::ToolTipRole);
    protocol->setItemData(1, tr("FTP with TLS (explicit)"), Qt::ToolTipRole);
    protocol->setItemData(2, tr("SFTP over SSH"), Qt::ToolTipRole);
    form->addRow(tr("Pro&tocol:"), protocol);
    form->addRow(tr("&Host:"), edit(f.FTPHost, this));
    QLineEdit* port = edit(f.FTPPort, this);
    port->setPlaceholderText(tr("the protocol's own (21, SFTP 22)"));
    form->addRow(tr("&Port:"), port);
    form->addRow(tr("&User:"), edit(f.FTPUser, this));
    QLineEdit* password = edit(f.FTPPassword, this);
    password->setEchoMode(QLineEdit::Password);
    form->addRow(tr("Pass&word:"), password);
    form->addRow(QString(), check(f.FTPRememberPassword, tr("&Remember password"), this));
    auto* note = new QLabel(this);
    note->setObjectName(QStringLiteral("FTPPasswordNote"));
    note->setProperty("hint", true);
    note->setWordWrap(true);
    syncers_.push_back([note, &f] { syncText(note, f.FTPPasswordNote); });
    form->addRow(QString(), note);
    QLineEdit* path = edit(f.FTPRemotePath, this);
    path->setPlaceholderText(tr("the login folder"));
    form->addRow(tr("Remote p&ath:"), path);
    QLineEdit* remoteFile = edit(f.FTPRemoteFile, this);
    remoteFile->setPlaceholderText(QString::fromLatin1(defaultRemoteNamePattern));
    form->addRow(tr("Remote &file:"), remoteFile);
    // Lines of their own rather than wrapped, so that the form gives them their whole height.
    QLabel* patternNote = hintLabel(tr("{name} and {id}: the trainee of the newest result\n"
                                       "{date} and {time}: the day and time of the send\n"
                                       "A name the server has gets _2, _3, ...: nothing is replaced."),
                                    this);
    patternNote->setObjectName(QStringLiteral("FTPRemoteFileNote"));
    patternNote->setWordWrap(false);
    form->addRow(QString(), patternNote);
    form->addRow(QString(), check(f.FTPSendDetailed, tr("Send the &detailed report (AEDTEST2.TXT) with it"), this));
    form->addRow(tr("Transfer &mode:"),
                 choice(f.FTPMode,
                        {{QStringLiteral("Default"), tr("Default")},
                         {QStringLiteral("ASCII"), QStringLiteral("ASCII")},
                         {QStringLiteral("Binary"), tr("Binary")}},
                        this));
    form->addRow(QString(), check(f.FTPPassive, tr("Pa&ssive mode"), this));
    form->addRow(QString(), check(f.FTPTrustCertificate, tr("Trust this server's &certificate"), this));
    auto* fingerprint = new QLabel(this);
    fingerprint->setObjectName(QStringLiteral("FTPFingerprint"));
    fingerprint->setTextInteractionFlags(Qt::TextSelectableByMouse);
    fingerprint->setWordWrap(true);
    fingerprint->setMinimumWidth(380);
    syncers_.push_back([fingerprint, &f] {
        const QString text = QString::fromStdString(f.FTPFingerprint.text());
        syncText(fingerprint, text.isEmpty() ? QString() : tr("Fingerprint: ") + text);
        fingerprint->setVisible(!text.isEmpty());
    });
    form->addRow(QString(), fingerprint);
    layout->addLayout(form);

    auto [ok, cancel] = addDialogButtons(layout, this, QStringLiteral("OK"), QStringLiteral("Cancel"));
    cancel->setAutoDefault(false);
    connect(ok, &QPushButton::clicked, this, [this] { main_.run("TFTPform.OKClick"); });
    connect(cancel, &QPushButton::clicked, this, [this] { main_.run("TFTPform.CancelClick"); });
}

void TFTPform::set(Control& control, const std::string& value)
{
    if (syncing_)
        return;
    // As a script sets a field: the choice's and the check box's handlers run with it.
    std::string error;
    setSendField(sendView(main_.scenario()), control.name(), value, error);
    main_.sync();
}

QLineEdit* TFTPform::edit(Control& control, QWidget* parent)
{
    auto* line = new QLineEdit(parent);
    line->setObjectName(QString::fromStdString(control.name()));
    line->setMinimumWidth(300);
    // No field holds a control character: what is typed or pasted (a CR LF copied with a line
    // included) arrives without them, and the cursor stays after what was put in.
    connect(line, &QLineEdit::textEdited, this, [this, line, &control](const QString& typed) {
        const std::string text = withoutControlCharacters(typed.toStdString());
        if (text.size() != typed.toStdString().size()) {
            const QString before
                = QString::fromStdString(withoutControlCharacters(typed.left(line->cursorPosition()).toStdString()));
            line->setText(QString::fromStdString(text));
            line->setCursorPosition(static_cast<int>(before.size()));
        }
        set(control, text);
    });
    syncers_.push_back([line, &control] { syncText(line, control); });
    return line;
}

QComboBox* TFTPform::choice(Control& control, const std::vector<std::pair<QString, QString>>& values, QWidget* parent)
{
    // Each entry shows its words in the window's language and keeps its value, which the file
    // holds, as it is.
    auto* box = new QComboBox(parent);
    box->setObjectName(QString::fromStdString(control.name()));
    for (const auto& [value, shown] : values)
        box->addItem(shown, value);
    connect(box, &QComboBox::currentIndexChanged, this, [this, box, &control](int index) {
        if (index >= 0)
            set(control, box->itemData(index).toString().toStdString());
    });
    syncers_.push_back([box, &control] {
        const int index = box->findData(QString::fromStdString(control.text()));
        if (index >= 0 && box->currentIndex() != index)
            box->setCurrentIndex(index);
    });
    return box;
}

QCheckBox* TFTPform::check(Control& control, const QString& caption, QWidget* parent)
{
    auto* box = new QCheckBox(caption, parent);
    box->setObjectName(QString::fromStdString(control.name()));
    connect(box, &QCheckBox::clicked, this, [this, &control](bool checked) { set(control, checked ? "T" : "F"); });
    syncers_.push_back([box, &control] {
        if (box->isChecked() != control.checked)
            box->setChecked(control.checked);
        box->setEnabled(control.enabled);
    });
    return box;
}

void TFTPform::sync()
{
    SendWindow& model = main_.scenario().sendWindow;
    syncing_ = true;
    for (const auto& syncer : syncers_)
        syncer();
    syncing_ = false;
    if (model.window.visible && !isVisible()) {
        adjustSize();
        if (QScreen* screen = main_.screen())
            move(screen->availableGeometry().center() - rect().center());
        show();
        raise();
        activateWindow();
        if (auto* host = findChild<QLineEdit*>(QStringLiteral("FTPHost")))
            host->setFocus(Qt::OtherFocusReason);
    } else if (!model.window.visible && isVisible()) {
        hide();
    }
}

void TFTPform::closeEvent(QCloseEvent* event)
{
    // Closed by its frame, the window forgets what was typed, as Cancel does.
    event->ignore();
    main_.run("TFTPform.CancelClick");
}

void TFTPform::reject()
{
    main_.run("TFTPform.CancelClick");
}

ThreadUploader::ThreadUploader(TForm1& main)
    : main_(main)
{
    timer_.setInterval(100);
    connect(&timer_, &QTimer::timeout, this, &ThreadUploader::poll);
}

ThreadUploader::~ThreadUploader()
{
    // The window closes while a transfer runs: the upload stops at its next step.
    if (worker_.joinable()) {
        run_->progress.cancel = true;
        worker_.join();
    }
}

void ThreadUploader::start(const ReportSendRequest& request, std::function<void(const ReportSendResult&)> finished)
{
    if (worker_.joinable())
        return;
    run_ = std::make_shared<Run>();
    finished_ = std::move(finished);
    host_ = QString::fromStdString(request.summary.settings.host);
    std::shared_ptr<Run> run = run_;
    worker_ = std::thread([run, request] {
        run->result = sendReport(request, run->progress);
        run->done = true;
    });
    dialog_ = new QProgressDialog(&main_);
    dialog_->setObjectName(QStringLiteral("TFTPformProgress"));
    dialog_->setWindowTitle(tr("Sending AEDTEST.TXT"));
    dialog_->setWindowModality(Qt::WindowModal);
    dialog_->setAutoClose(false);
    dialog_->setAutoReset(false);
    dialog_->setMinimumDuration(0);
    dialog_->setMinimumWidth(420);
    dialog_->setRange(0, 1000);
    dialog_->setValue(0);
    dialog_->setLabelText(tr("Connecting to %1...").arg(host_));
    connect(dialog_, &QProgressDialog::canceled, this, [this] {
        run_->progress.cancel = true;
        if (dialog_)
            dialog_->setLabelText(tr("Cancelling..."));
    });
    dialog_->show();
    timer_.start();
}

void ThreadUploader::poll()
{
    if (!run_)
        return;
    const std::uint64_t sent = run_->progress.sent;
    const std::uint64_t total = run_->progress.total;
    if (dialog_ && !run_->progress.cancel && sent > 0) {
        const QLocale locale;
        const QString file
            = run_->progress.file == 0 ? QStringLiteral("AEDTEST.TXT") : QString::fromLatin1(detailedReportFile);
        dialog_->setLabelText(tr("Sending %1 to %2\n%3 of %4 bytes sent")
                                  .arg(file, host_, locale.toString(static_cast<qulonglong>(sent)),
                                       locale.toString(static_cast<qulonglong>(total))));
        dialog_->setValue(total ? static_cast<int>(sent * 1000 / total) : 0);
    }
    if (!run_->done)
        return;
    timer_.stop();
    worker_.join();
    if (dialog_)
        dialog_->deleteLater();
    dialog_.clear();
    const ReportSendResult result = run_->result;
    auto finished = std::move(finished_);
    finished_ = nullptr;
    finished(result);
    main_.sync();
}

} // namespace defib::ui
