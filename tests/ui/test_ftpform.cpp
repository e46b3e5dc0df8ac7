// The fields of the send window take no control character: a line break pasted or typed into the
// host, user, password or remote folder never reaches the core, and OPTION4.INI stays one option
// a line.
#include <QApplication>
#include <QClipboard>
#include <QLineEdit>

#include "engine/pageshandlers.h"
#include "options/ftpsettings.h"
#include "ui/ftpform.h"
#include "ui/optionspages.h"
#include "uitest.h"

using namespace defib;
using defib::uitest::Fixture;

namespace {

struct SendOptions : Fixture {
    SendOptions()
    {
        QVERIFY(click(QStringLiteral("OPTIONSMainMENU")));
        window->run("TabSheet3Show");
        form = find<ui::OptionsPages>(QStringLiteral("PageControl1"))->sendForm();
        QVERIFY(click(QStringLiteral("Button1")));
        QVERIFY(form->isVisible());
    }
    QLineEdit* field(const QString& name) const { return form->findChild<QLineEdit*>(name); }
    // Pastes `text` over what the field holds, as Ctrl+V over a selection does.
    void paste(const QString& name, const QString& text)
    {
        QLineEdit* edit = field(name);
        edit->setFocus();
        edit->selectAll();
        QApplication::clipboard()->setText(text);
        edit->paste();
    }

    ui::TFTPform* form = nullptr;
};

} // namespace

class FtpFormTest : public QObject {
    Q_OBJECT
private slots:
    void aPastedLineBreakIsLeftOutOfEveryField()
    {
        SendOptions p;
        const SendWindow& model = p.s().sendWindow;
        p.paste(QStringLiteral("FTPHost"), QStringLiteral("127.0.0.1\r\n"));
        p.paste(QStringLiteral("FTPUser"), QStringLiteral("instructor\nDELE important.txt"));
        p.paste(QStringLiteral("FTPPassword"), QStringLiteral("pw\r\nRNFR a"));
        p.paste(QStringLiteral("FTPRemotePath"), QStringLiteral("/reports\t\x1B"));
        p.paste(QStringLiteral("FTPRemoteFile"), QStringLiteral("Aed\u0085test.txt"));
        QCOMPARE(p.field(QStringLiteral("FTPHost"))->text(), QStringLiteral("127.0.0.1"));
        QCOMPARE(p.field(QStringLiteral("FTPUser"))->text(), QStringLiteral("instructorDELE important.txt"));
        QCOMPARE(p.field(QStringLiteral("FTPPassword"))->text(), QStringLiteral("pwRNFR a"));
        QCOMPARE(model.FTPHost.text(), std::string("127.0.0.1"));
        QCOMPARE(model.FTPUser.text(), std::string("instructorDELE important.txt"));
        QCOMPARE(model.FTPPassword.text(), std::string("pwRNFR a"));
        QCOMPARE(model.FTPRemotePath.text(), std::string("/reports"));
        QCOMPARE(model.FTPRemoteFile.text(), std::string("Aedtest.txt"));
        // The cursor stays after what was pasted.
        QCOMPARE(p.field(QStringLiteral("FTPUser"))->cursorPosition(), 28);

        p.form->findChild<QCheckBox*>(QStringLiteral("FTPRememberPassword"))->click();
        QTest::mouseClick(p.form->findChild<QPushButton*>(QStringLiteral("OK")), Qt::LeftButton);
        QVERIFY(!p.form->isVisible());
        QVERIFY(p.dialogs.messages.empty());
        QFile file(p.dir.filePath(QString::fromLatin1(sendOptionsFile)));
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray text = file.readAll();
        QVERIFY(text.contains("\r\nPassword=pwRNFR a\r\n"));
        QCOMPARE(text.count('\n'), text.count("\r\n"));
        QCOMPARE(text.count('\r'), text.count("\r\n"));
    }

    void typingInTheMiddleKeepsTheCursorWhereItWas()
    {
        SendOptions p;
        QLineEdit* user = p.field(QStringLiteral("FTPUser"));
        user->setFocus();
        user->setCursorPosition(4);
        user->insert(QStringLiteral("\r\nx"));
        QCOMPARE(user->text(), QStringLiteral("anonxymous"));
        QCOMPARE(user->cursorPosition(), 5);
        QCOMPARE(p.s().sendWindow.FTPUser.text(), std::string("anonxymous"));
    }
};

QTEST_MAIN(FtpFormTest)
#include "test_ftpform.moc"
