// defibrio-send-screenshots OUTDIR: the file send window, the question before a send, the
// progress dialog of a large upload and the messages after Cancel and after a refused
// connection, as an instructor sees them on the screen (with the window manager's frames).
// The servers come from tests/transfer/run_transfer.py --servers ftp,slowftp,refused.
#include <QApplication>
#include <QDir>
#include <QMessageBox>
#include <QProgressDialog>
#include <QPushButton>
#include <QScreen>
#include <QTemporaryDir>
#include <QTimer>
#include <cstdio>

#include "engine/pageshandlers.h"
#include "fakes.h"
#include "options/textfile.h"
#include "ui/mainwindow.h"

using namespace defib;

namespace {

void saveScreen(const QString& directory, const QString& name)
{
    const QString path = QDir(directory).filePath(name + QStringLiteral(".png"));
    QGuiApplication::primaryScreen()->grabWindow(0).save(path);
    std::printf("saved %s\n", qPrintable(path));
}

void fill(Scenario& s, const std::string& port)
{
    SendView view = sendView(s);
    std::string error;
    for (auto [field, value] :
         {std::pair{"FTPHost", std::string("127.0.0.1")}, std::pair{"FTPPort", port},
          std::pair{"FTPUser", std::string("instructor")}, std::pair{"FTPPassword", std::string("s3cret-pass")},
          std::pair{"FTPRemotePath", std::string("reports")}})
        setSendField(view, field, value, error);
}

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    const QString out = screenshots::outputFolder(argc, argv, "defibrio-send-screenshots");
    if (out.isEmpty())
        return 2;
    QTemporaryDir programDirectory;
    {
        QFile report(QDir(programDirectory.path()).filePath(QStringLiteral("AEDTEST.TXT")));
        report.open(QIODevice::WriteOnly);
        const QByteArray line("Pat Trainee       4711          12/8/26   03:12  01:05    450\r\n");
        for (int i = 0; i < 600000; ++i)
            report.write(line);
    }
    ui::TForm1 window(programDirectory.path());
    window.show();
    Scenario& s = window.scenario();
    window.run("OPTIONSMainMENUClick");
    window.run("TabSheet3Show");
    window.run("Shape3MouseDown");
    window.run("Button1Click");
    fill(s, qEnvironmentVariable("DEFIB_TEST_SLOWFTP_PORT").toStdString());
    window.sync();

    int shot = 0;
    bool progressSaved = false;
    QTimer steps;
    QObject::connect(&steps, &QTimer::timeout, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (shot == 0) {
            saveScreen(out, QStringLiteral("31-send-options"));
            window.run("TFTPform.OKClick");
            QTimer::singleShot(0, [&] { window.run("BUTTONSendClick"); });
            shot = 1;
        } else if (box && box->text().startsWith(QStringLiteral("Do you want"))) {
            if (shot == 1)
                saveScreen(out, QStringLiteral("32-send-question"));
            shot = 2;
            box->button(QMessageBox::Yes)->click();
        } else if (auto* progress = window.findChild<QProgressDialog*>(QStringLiteral("TFTPformProgress"));
                   progress && progress->labelText().contains(QStringLiteral("bytes sent")) && !progressSaved) {
            QTimer::singleShot(1500, [&, progress] {
                saveScreen(out, QStringLiteral("33-send-progress"));
                if (auto* cancel = progress->findChild<QPushButton*>())
                    cancel->click();
            });
            progressSaved = true;
        } else if (box && box->text().contains(QStringLiteral("cancelled"))) {
            saveScreen(out, QStringLiteral("34-send-cancelled"));
            box->button(QMessageBox::Ok)->click();
            s.sendWindow.settings.port = qEnvironmentVariable("DEFIB_TEST_REFUSED_PORT").toStdString();
            QTimer::singleShot(0, [&] { window.run("BUTTONSendClick"); });
        } else if (box && box->text().contains(QStringLiteral("did not accept"))) {
            saveScreen(out, QStringLiteral("35-send-refused"));
            box->button(QMessageBox::Ok)->click();
            QTimer::singleShot(0, &app, &QApplication::quit);
        }
    });
    steps.start(400);
    QTimer::singleShot(90000, &app, [] { QApplication::exit(1); });
    return QApplication::exec();
}
