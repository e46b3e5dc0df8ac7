// What lies over the main window's picture or the whole window: the scenario-over banner, the
// words of the trainer's prompts, the Final Errors panel, the main menu and the Options pages.
#include "ui/mainwindow.h"

#include <QAccessible>
#include <QFrame>
#include <QVBoxLayout>
#include <tuple>

#include "engine/layout.h"
#include "ui/optionspages.h"
#include "ui/stage.h"
#include "ui/sync.h"
#include "ui/windowparts.h"

namespace defib::ui {

using windowparts::makeLabel;

void TForm1::buildOverlays()
{
    MainWindow& ui = scenario().ui;

    QLabel* over = makeLabel(stage_, QStringLiteral("SCENOVERLabel"), QString());
    place(over, QRect(300, 8, 480, 30));
    stage_->setDesignFont(over, 17);
    over->setAlignment(Qt::AlignCenter);
    over->setStyleSheet(QStringLiteral("color: white; background: #C62828; font-weight: 800; border-radius: 6px;"));
    bind(over, ui.SCENOVERLabel);
    syncers_.push_back([over, &ui] { syncText(over, ui.SCENOVERLabel); });

    // The words of the trainer's prompts, whether or not they are heard.
    promptCaption_ = makeLabel(stage_, QStringLiteral("PromptCaption"), QString());
    place(promptCaption_, QRect(384, 500, 406, 28));
    stage_->setDesignFont(promptCaption_, 15);
    promptCaption_->setAlignment(Qt::AlignCenter);
    promptCaption_->setAttribute(Qt::WA_TransparentForMouseEvents);
    promptCaption_->setStyleSheet(
        QStringLiteral("color: #FFFFFF; background: rgba(20, 30, 40, 215); border-radius: 6px; font-weight: 600;"));
    promptCaption_->setAccessibleDescription(tr("What the trainer says"));
    syncers_.push_back([this] {
        const QString words = QString::fromStdString(scenario().caption);
        const QString shown
            = words.isEmpty() ? QString() : tr("\u201C%1\u201D", "the trainer's words, quoted").arg(words);
        if (syncText(promptCaption_, shown)) {
            promptCaption_->setAccessibleName(words);
            QAccessibleEvent announce(promptCaption_, QAccessible::NameChanged);
            QAccessible::updateAccessibility(&announce);
        }
        promptCaption_->setVisible(!words.isEmpty() && !scenario().ui.MENU.visible);
    });

    buildShockEffects();
    buildFinalErrors();
    buildMainMenu();
}

void TForm1::buildFinalErrors()
{
    MainWindow& ui = scenario().ui;
    auto* panel = new QFrame(stage_);
    panel->setObjectName(QStringLiteral("FINALERRORPanel"));
    // Above the pad trays and their caption.
    place(panel, QRect(300, 128, 490, 360));
    panel->setStyleSheet(
        QStringLiteral("#FINALERRORPanel { background: #FFFFFF; border: 2px solid #C62828; border-radius: 10px; }"));
    auto* layout = new QVBoxLayout(panel);
    auto* title = new QLabel(tr("Final Errors"), panel);
    title->setObjectName(QStringLiteral("FinalErrorsTitle"));
    title->setStyleSheet(QStringLiteral("color: #C62828; font-size: 18px; font-weight: 800;"));
    layout->addWidget(title);
    auto* list = new QListWidget(panel);
    list->setObjectName(QStringLiteral("finalMSGdisplay"));
    layout->addWidget(list);
    auto* ok = new QPushButton(tr("OK"), panel);
    ok->setObjectName(QStringLiteral("FinalErrorOKButton"));
    layout->addWidget(ok, 0, Qt::AlignRight);
    connect(ok, &QPushButton::clicked, this, [this] { run("FinalErrorOKButtonClick"); });
    bind(panel, ui.FINALERRORPanel);
    // The keyboard is on OK while the panel is up: Return, Enter, Escape and Space close it, and Tab
    // does not take the keyboard away from it to the score log behind.
    list->setFocusPolicy(Qt::NoFocus);
    auto* keys = new KeyFilter(ok);
    keys->onKey = [this](int key) {
        if (key == Qt::Key_Tab || key == Qt::Key_Backtab)
            return true;
        if (key != Qt::Key_Return && key != Qt::Key_Enter && key != Qt::Key_Escape && key != Qt::Key_Space)
            return false;
        run("FinalErrorOKButtonClick");
        return true;
    };
    ok->installEventFilter(keys);
    syncers_.push_back([list, ok, &ui, shown = false]() mutable {
        syncList(list, ui.finalMSGdisplay.lines());
        if (ui.FINALERRORPanel.visible && !shown)
            ok->setFocus(Qt::OtherFocusReason);
        shown = ui.FINALERRORPanel.visible;
    });
}

void TForm1::buildMainMenu()
{
    MainWindow& ui = scenario().ui;
    // The main menu lies over the whole window until a scenario starts.
    auto* menu = new Backdrop(QColor(0x1F, 0x3B, 0x57), QColor(0x0F, 0x22, 0x33), canvas_);
    menu_ = menu;
    menu->setObjectName(QStringLiteral("MENU"));
    menu->setGeometry(0, 0, mainWindowWidth, mainWindowHeight);
    auto* menuColumn = new QVBoxLayout(menu);
    menuColumn->setSpacing(0);
    menuColumn->addStretch(3);
    auto* brand = new Picture(QStringLiteral("icon"), menu);
    brand->setObjectName(QStringLiteral("MenuIcon"));
    brand->setFixedSize(112, 112);
    menuColumn->addWidget(brand, 0, Qt::AlignHCenter);
    menuColumn->addSpacing(10);
    auto* name = new QLabel(QStringLiteral("Defibrio"), menu);
    name->setObjectName(QStringLiteral("MenuTitle"));
    name->setAlignment(Qt::AlignCenter);
    name->setFixedHeight(56);
    name->setStyleSheet(QStringLiteral("color: white; font-size: 40px; font-weight: 800;"));
    menuColumn->addWidget(name);
    auto* tagline = new QLabel(tr("AED trainer simulator"), menu);
    tagline->setObjectName(QStringLiteral("MenuTagline"));
    tagline->setAlignment(Qt::AlignCenter);
    tagline->setFixedHeight(26);
    tagline->setStyleSheet(QStringLiteral("color: #B8CCE0; font-size: 16px;"));
    menuColumn->addWidget(tagline);
    menuColumn->addSpacing(30);
    const QString menuButtonStyle = QStringLiteral(
        "QPushButton { background: #F5F8FB; color: #14324F; border: none; border-radius: 8px; font-size: 16px;"
        " font-weight: 700; }"
        "QPushButton:hover { background: #FFFFFF; }"
        "QPushButton:focus { border: 3px solid #F2B632; }");
    for (auto [control, caption, handler, hint] :
         {std::tuple{&ui.MenuStart, tr("&Start"), "MenuStartClick", tr("Starts a scenario")},
          std::tuple{&ui.SCOREBOARD, tr("Score&board"), "SCOREBOARDClick", tr("Shows top 10 practice scores")},
          std::tuple{&ui.OPTIONSMainMENU, tr("&Options"), "OPTIONSMainMENUClick",
                     tr("Program, protocol and report options")},
          std::tuple{&ui.MENUQUIT, tr("&Quit"), "MENUQUITClick", tr("Ends the program")}}) {
        auto* button = new QPushButton(caption, menu);
        button->setObjectName(QString::fromStdString(control->name()));
        button->setToolTip(hint);
        button->setAccessibleName(QString(caption).remove(QLatin1Char('&')));
        button->setAccessibleDescription(hint);
        button->setFixedSize(240, 46);
        button->setStyleSheet(menuButtonStyle);
        menuColumn->addWidget(button, 0, Qt::AlignHCenter);
        menuColumn->addSpacing(14);
        const std::string h = handler;
        connect(button, &QPushButton::clicked, this, [this, h] { run(h); });
        bind(button, *control);
    }
    // The station's name and join code while the instructor may join (ui/programstation.h).
    menuStation_ = new QLabel(menu);
    menuStation_->setObjectName(QStringLiteral("MenuStation"));
    menuStation_->setAlignment(Qt::AlignCenter);
    menuStation_->setWordWrap(true);
    menuStation_->setStyleSheet(QStringLiteral("color: #E8F0F8; font-size: 15px; font-weight: 600;"));
    menuStation_->hide();
    menuColumn->addSpacing(6);
    menuColumn->addWidget(menuStation_);
    menuColumn->addStretch(4);
    bind(menu, ui.MENU);
}

void TForm1::buildOptionsPages()
{
    // The Options pages lie over the main menu, which stays shown behind them. They are built
    // when first opened (or their password asked for): a trainee who never opens them does not
    // wait for them at start-up.
    pages_ = createOptionsPages(*this, canvas_);
    pages_->setGeometry(canvas_->rect());
    pages_->hide();
    bind(pages_, scenario().ui.PageControl1);
    syncers_.push_back([pages = pages_] { syncOptionsPages(pages); });
}

} // namespace defib::ui
