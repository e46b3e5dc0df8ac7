#include "ui/password.h"

#include <QApplication>
#include <QCloseEvent>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QScreen>
#include <QVBoxLayout>

#include "ui/mainwindow.h"

namespace defib::ui {

namespace {
// Masked fields show a "*" for every character, whatever the style's own mask character is.
const QString maskedStyle = QStringLiteral("QLineEdit { lineedit-password-character: 42; }");
} // namespace

TPasswordDlg::TPasswordDlg(TForm1& main)
    : QDialog(&main)
    , main_(main)
{
    setObjectName(QStringLiteral("TPasswordDlg"));
    setWindowTitle(tr("Password "));
    setWindowFlag(Qt::WindowStaysOnTopHint, true);
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    setModal(false);
    setSizeGripEnabled(false);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(18, 16, 18, 14);
    layout->setSpacing(8);
    auto* prompt = new QLabel(tr("&Enter password:"), this);
    prompt->setObjectName(QStringLiteral("PasswordLabel"));
    layout->addWidget(prompt);
    enter_ = new QLineEdit(this);
    enter_->setObjectName(QStringLiteral("PasswordEnter"));
    enter_->setEchoMode(QLineEdit::Password);
    enter_->setStyleSheet(maskedStyle);
    enter_->setMinimumWidth(260);
    prompt->setBuddy(enter_);
    layout->addWidget(enter_);
    layout->addSpacing(6);
    auto [ok, cancel] = addDialogButtons(layout, this, QStringLiteral("OKBtn"), QStringLiteral("CancelBtn"));
    ok->setAutoDefault(true);
    cancel->setAutoDefault(false);
    setFixedSize(sizeHint());

    Scenario& s = main_.scenario();
    connect(enter_, &QLineEdit::textEdited, this, [this, &s](const QString& text) {
        s.passwordDlg.PasswordEnter.setText(text.toStdString());
        main_.run("TPasswordDlg.PasswordEnterChange");
    });
    connect(ok, &QPushButton::clicked, this, [this] { main_.run("OKBtnClick"); });
    connect(cancel, &QPushButton::clicked, this, [this] { main_.run("CancelBtnClick"); });
}

void TPasswordDlg::sync()
{
    PasswordWindow& model = main_.scenario().passwordDlg;
    syncText(enter_, model.PasswordEnter);
    if (model.window.visible && !isVisible()) {
        if (QScreen* screen = main_.screen())
            move(screen->availableGeometry().center() - rect().center());
        show();
        raise();
        activateWindow();
        focus_.forget();
    } else if (!model.window.visible && isVisible()) {
        hide();
    }
    focus_.follow(this, model.activeControl);
}

void TPasswordDlg::keyPressEvent(QKeyEvent* event)
{
    const bool dialogKey
        = event->key() == Qt::Key_Escape || event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    QWidget* focus = QApplication::focusWidget();
    if (!dialogKey && (!focus || focus == this)) {
        main_.run("TPasswordDlg.FormKeyDown");
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

void TPasswordDlg::closeEvent(QCloseEvent* event)
{
    // Closed by its frame, the dialog forgets what was typed, as Cancel does.
    event->ignore();
    main_.run("CancelBtnClick");
}

void TPasswordDlg::reject()
{
    main_.run("CancelBtnClick");
}

} // namespace defib::ui
