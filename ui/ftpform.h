#pragma once

#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QProgressDialog>
#include <QTimer>
#include <functional>
#include <memory>
#include <thread>
#include <utility>
#include <vector>

#include "options/sendform.h"

namespace defib::ui {

class TForm1;

// The file send window behind "Send Options": it shows the core's TFTPform model and hands every
// edit and click to the handler of the same name.
class TFTPform : public QDialog {
    Q_OBJECT
public:
    explicit TFTPform(TForm1& main);
    void sync();

protected:
    void closeEvent(QCloseEvent* event) override;
    void reject() override;

private:
    QLineEdit* edit(Control& control, QWidget* parent);
    // The entries as (value kept in the model, words shown).
    QComboBox* choice(Control& control, const std::vector<std::pair<QString, QString>>& values, QWidget* parent);
    QCheckBox* check(Control& control, const QString& caption, QWidget* parent);
    void set(Control& control, const std::string& value);

    TForm1& main_;
    std::vector<std::function<void()>> syncers_;
    bool syncing_ = false;
};

// Uploads on a worker thread while a progress dialog shows the bytes sent and offers Cancel; the
// window stays alive meanwhile. The result comes back on the window's thread.
class ThreadUploader : public QObject, public Uploader {
    Q_OBJECT
public:
    explicit ThreadUploader(TForm1& main);
    ~ThreadUploader() override;
    void start(const ReportSendRequest& request, std::function<void(const ReportSendResult&)> finished) override;
    QProgressDialog* progressDialog() const { return dialog_; }

private:
    struct Run {
        TransferProgress progress;
        std::atomic<bool> done{false};
        ReportSendResult result;
    };
    void poll();

    TForm1& main_;
    std::shared_ptr<Run> run_;
    std::thread worker_;
    std::function<void(const ReportSendResult&)> finished_;
    QString host_;
    QPointer<QProgressDialog> dialog_;
    QTimer timer_;
};

} // namespace defib::ui
