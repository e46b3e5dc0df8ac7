#pragma once

#include <QDialog>
#include <QLineEdit>
#include <QPushButton>

#include "ui/sync.h"

namespace defib::ui {

class TForm1;

// The password dialog in front of the Options pages: it stays on top, centred on the screen, and
// leaves the main window usable. It shows the core's PasswordDlg model and hands every click and
// key to the handler of the same name.
class TPasswordDlg : public QDialog {
    Q_OBJECT
public:
    explicit TPasswordDlg(TForm1& main);
    void sync();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void reject() override;

private:
    TForm1& main_;
    QLineEdit* enter_ = nullptr;
    // The focus the model asks for: the trainee may have moved it since.
    FocusFollower focus_;
};

} // namespace defib::ui
