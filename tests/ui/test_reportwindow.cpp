// The Report Options page: the viewer, the open dialog and its filter, the titles and heading,
// the font dialog and printing into an image and into a PDF file.
#include <QFileSystemModel>
#include <QFontInfo>
#include <QImage>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QToolTip>

#include "options/reportviewer.h"
#include "options/sendform.h"
#include "ui/optionspages.h"
#include "ui/qtreport.h"
#include "uitest.h"

using namespace defib;
using defib::uitest::fixedPitch;
using defib::uitest::Fixture;

namespace {

const char* const line1 = "Pat Trainee       4711          12/8/26   03:12  01:05    450";
const char* const line2 = "Sam Medic         0815          12/8/26   02:40  ----     -20";

const QString heading = QStringLiteral("NAME               ID NUMBER     DATE     SCNTIME SHOCK1 SCORE");
const QString dashes = QStringLiteral("------------------ ------------- -------- ------- ------ -----");

// A print job painted into an image, as a page of paper would take it.
class ImagePrinter : public Printer {
public:
    bool setup() override { return true; }
    bool print(const std::vector<std::string>& lines, const FontChoice& font) override
    {
        image = QImage(1400, 900, QImage::Format_RGB32);
        image.fill(Qt::white);
        QPainter painter(&image);
        printedFont = ui::toQFont(font);
        pages = ui::paintLines(painter, image.rect(), lines, printedFont, ui::toQColor(font.colour),
                               [] { return false; });
        return true;
    }
    QImage image;
    QFont printedFont;
    int pages = 0;
};

struct ReportPage : Fixture {
    ReportPage()
    {
        write(QStringLiteral("AEDTEST.TXT"), QStringList{QString::fromLatin1(line1), QString::fromLatin1(line2)});
        QVERIFY(click(QStringLiteral("OPTIONSMainMENU")));
        window->run("TabSheet3Show");
        pages = find<ui::OptionsPages>(QStringLiteral("PageControl1"));
        memo = find<ui::LineView>(QStringLiteral("REPORTMEMO"));
    }
    void write(const QString& name, const QStringList& lines)
    {
        QFile file(dir.filePath(name));
        QVERIFY(file.open(QIODevice::WriteOnly));
        for (const QString& line : lines)
            file.write((line + QStringLiteral("\r\n")).toLatin1());
    }
    // Chooses the file in the open dialog, as the trainee would.
    void open(const QString& name)
    {
        pages->fileDialog().runDialog = [this, name](QFileDialog& dialog) {
            filters = dialog.nameFilters();
            dialog.selectFile(dir.filePath(name));
            return true;
        };
        QVERIFY(click(QStringLiteral("REPORTOpenFile")));
    }
    QStringList shown() const { return memo->toPlainText().split(QLatin1Char('\n')); }

    ui::OptionsPages* pages = nullptr;
    ui::LineView* memo = nullptr;
    QStringList filters;
};

} // namespace

class ReportViewerTest : public QObject {
    Q_OBJECT
private slots:
    void theViewerIsYellowOnBlackFixedPitchWithItsIdleText()
    {
        ReportPage p;
        QVERIFY(p.memo->isVisible());
        QStringList idle;
        for (int i = 0; i < 9; ++i)
            idle << QString();
        idle << QStringLiteral("                  DEFIBRIO REPORT SCREEN") << QString()
             << QStringLiteral("              Click OPEN and select a report file.");
        QCOMPARE(p.shown(), idle);
        QCOMPARE(p.memo->palette().color(QPalette::Base), QColor(Qt::black));
        QCOMPARE(p.memo->palette().color(QPalette::Text), QColor(Qt::yellow));
        QVERIFY(fixedPitch(p.memo->font()));
        QCOMPARE(p.memo->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
        QCOMPARE(p.memo->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    }

    void aReportGetsItsTitleAndHeading_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("title");
        QTest::newRow("practice") << "AEDPRAC.TXT"
                                  << "                Defibrio PRACTICE REPORT  12/8/26";
        QTest::newRow("practice, detailed") << "AEDPRAC2.TXT"
                                            << "        Defibrio DETAILED PRACTICE REPORT  12/8/26";
        QTest::newRow("test") << "AEDTEST.TXT"
                              << "                  Defibrio TEST REPORT  12/8/26";
        QTest::newRow("test, detailed") << "AEDTEST2.TXT"
                                        << "          Defibrio DETAILED TEST REPORT  12/8/26";
        QTest::newRow("lower case") << "aedtest.txt"
                                    << "                  Defibrio TEST REPORT  12/8/26";
        QTest::newRow("mixed case") << "AedPrac2.txt"
                                    << "        Defibrio DETAILED PRACTICE REPORT  12/8/26";
        QTest::newRow("another name") << "OLDREP.TXT" << QString();
    }

    void aReportGetsItsTitleAndHeading()
    {
        QFETCH(QString, file);
        QFETCH(QString, title);
        ReportPage p;
        p.write(file, {QString::fromLatin1(line1), QString::fromLatin1(line2)});
        p.open(file);
        QCOMPARE(p.filters, QStringList{QStringLiteral("Defibrio Report File (*.TXT)")});
        QStringList expected;
        if (!title.isEmpty())
            expected << title;
        expected << QString::fromLatin1(line1);
        expected.insert(1, QStringLiteral(" "));
        expected.insert(2, heading);
        expected.insert(3, dashes);
        expected << QString::fromLatin1(line2);
        QCOMPARE(p.shown(), expected);
        QCOMPARE(QFontInfo(p.memo->font()).pointSize(), 10);
        QCOMPARE(p.memo->font().family().toUpper(), QStringLiteral("COURIER"));
    }

    // The filter is "*.TXT", yet a report saved as "aedtest.txt" is offered too.
    void theOpenDialogOffersReportFilesWhateverTheirCase()
    {
        ReportPage p;
        p.write(QStringLiteral("aedtest.txt"), {QString::fromLatin1(line1)});
        p.write(QStringLiteral("NOTES.DAT"), {QStringLiteral("no report")});
        QStringList offered;
        p.pages->fileDialog().runDialog = [&](QFileDialog& dialog) {
            auto* model = dialog.findChild<QFileSystemModel*>();
            if (!model)
                return false;
            const QModelIndex folder = model->index(p.dir.path());
            if (!QTest::qWaitFor([&] { return model->rowCount(folder) >= 2; }))
                return false;
            for (int row = 0; row < model->rowCount(folder); ++row)
                offered << model->fileName(model->index(row, 0, folder));
            return false;
        };
        QVERIFY(p.click(QStringLiteral("REPORTOpenFile")));
        offered.sort();
        QCOMPARE(offered, (QStringList{QStringLiteral("AEDTEST.TXT"), QStringLiteral("aedtest.txt")}));
    }

    void aCancelledDialogKeepsTheNameAndLoadsThatReportAgain()
    {
        ReportPage p;
        p.open(QStringLiteral("AEDTEST.TXT"));
        p.write(QStringLiteral("AEDTEST.TXT"), {QString::fromLatin1(line2)});
        QString startedAt;
        p.pages->fileDialog().runDialog = [&](QFileDialog& dialog) {
            startedAt = dialog.directory().absolutePath();
            return false;
        };
        QVERIFY(p.click(QStringLiteral("REPORTOpenFile")));
        QCOMPARE(startedAt, QDir(p.dir.path()).absolutePath());
        QCOMPARE(p.shown().last(), QString::fromLatin1(line2));
        QCOMPARE(p.shown().size(), 5);
    }

    // A report of a million lines, as years of use may leave, opens at once: the view draws the
    // lines in sight only and scrolls to the last one.
    void aReportOfAMillionLinesIsShownWhole()
    {
        ReportPage p;
        QFile file(p.dir.filePath(QStringLiteral("AEDPRAC2.TXT")));
        QVERIFY(file.open(QIODevice::WriteOnly));
        const QByteArray block = QByteArray(line1) + "\r\nAdvice used 1 time (-50).\r\n\r\n";
        QByteArray bytes;
        for (int i = 0; i < 333333; ++i)
            bytes += block;
        bytes += "last line";
        file.write(bytes);
        file.close();
        p.open(QStringLiteral("AEDPRAC2.TXT"));
        QVERIFY(p.dialogs.messages.empty());
        QCOMPARE(p.memo->lineCount(), 1 + 3 + 999999 + 1);
        QCOMPARE(p.memo->firstVisibleLine(), 0);
        p.memo->setFocus();
        QTest::keyClick(p.memo, Qt::Key_End);
        QVERIFY(p.memo->firstVisibleLine() > 999000);
        QVERIFY(!p.memo->grab().isNull());
        QCOMPARE(QString::fromStdString(p.s().ui.REPORTMEMO.lines().back()), QStringLiteral("last line"));

        // One line more than a report ever holds is refused with the viewer's message.
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(QByteArray(1000001, '\n'));
        file.close();
        p.open(QStringLiteral("AEDPRAC2.TXT"));
        QCOMPARE(p.dialogs.messages,
                 (std::vector<std::string>{"Report file cannot be opened. Use a word processor to view the file."}));
        QCOMPARE(p.memo->lineCount(), 1 + 3 + 999999 + 1);
    }

    void aFileThatCannotBeOpenedIsReportedAndTheViewerKeepsItsText()
    {
        ReportPage p;
        p.open(QStringLiteral("AEDTEST.TXT"));
        const QString before = p.memo->toPlainText();
        QVERIFY(QDir(p.dir.path()).mkdir(QStringLiteral("FOLDER.TXT")));
        p.open(QStringLiteral("FOLDER.TXT"));
        QCOMPARE(p.dialogs.messages,
                 (std::vector<std::string>{"Report file cannot be opened. Use a word processor to view the file."}));
        QCOMPARE(p.memo->toPlainText(), before);
    }

    void theFontDialogStartsAtCourierAndTheViewerTakesItsFont()
    {
        ReportPage p;
        QFont started;
        p.pages->fontDialog().runDialog = [&](QFontDialog& dialog) {
            started = dialog.currentFont();
            dialog.setCurrentFont(QFont(QStringLiteral("DejaVu Sans Mono"), 14));
            return true;
        };
        QVERIFY(p.click(QStringLiteral("FONTBUTTON")));
        QVERIFY(fixedPitch(started));
        QCOMPARE(started.pointSize(), 10);
        QCOMPARE(p.memo->font().family(), QStringLiteral("DejaVu Sans Mono"));
        QCOMPARE(p.memo->font().pointSize(), 14);
        QCOMPARE(p.memo->palette().color(QPalette::Text), QColor(Qt::yellow));

        // Cancelled, the dialog still gives the viewer its font: the one chosen there last.
        p.open(QStringLiteral("AEDTEST.TXT"));
        QCOMPARE(p.memo->font().pointSize(), 10);
        p.pages->fontDialog().runDialog = [&](QFontDialog& dialog) {
            started = dialog.currentFont();
            return false;
        };
        QVERIFY(p.click(QStringLiteral("FONTBUTTON")));
        QCOMPARE(started.family(), QStringLiteral("DejaVu Sans Mono"));
        QCOMPARE(p.memo->font().pointSize(), 14);
    }

    // Printed into an image: nothing in the 15-space margin, the text in black to the right of it.
    void printsBehindAFifteenSpaceMarginInBlack()
    {
        ReportPage p;
        p.open(QStringLiteral("AEDTEST.TXT"));
        ImagePrinter printer;
        p.s().ui.reportViewer.services.printer = &printer;
        QVERIFY(p.click(QStringLiteral("PRINTBUTTON")));
        QVERIFY(!printer.image.isNull());
        QCOMPARE(printer.pages, 1);
        const QFontMetrics metrics(printer.printedFont, &printer.image);
        const int margin = metrics.horizontalAdvance(QString(15, QLatin1Char(' ')));
        int leftmostInk = printer.image.width();
        bool black = false;
        for (int y = 0; y < printer.image.height(); ++y)
            for (int x = 0; x < printer.image.width(); ++x) {
                const QColor pixel = printer.image.pixelColor(x, y);
                if (pixel != Qt::white) {
                    leftmostInk = std::min(leftmostInk, x);
                    black = black || (pixel.red() < 60 && pixel.green() < 60 && pixel.blue() < 60);
                }
            }
        QVERIFY2(leftmostInk >= margin, qPrintable(QStringLiteral("%1 < %2").arg(leftmostInk).arg(margin)));
        QVERIFY(leftmostInk < margin + metrics.horizontalAdvance(QStringLiteral("NAME")));
        QVERIFY(black);
    }

    // Through the print dialog into a PDF file, as "Print to File" does it on Linux.
    void printsThroughTheDialogIntoAPdf()
    {
        ReportPage p;
        p.write(QStringLiteral("AEDTEST2.TXT"), {QString::fromLatin1(line1), QStringLiteral("Shock delivered.")});
        p.open(QStringLiteral("AEDTEST2.TXT"));
        const QString pdf = p.dir.filePath(QStringLiteral("report.pdf"));
        bool asked = false;
        p.pages->printer().runDialog = [&](QPrintDialog& dialog) {
            asked = true;
            dialog.printer()->setOutputFormat(QPrinter::PdfFormat);
            dialog.printer()->setOutputFileName(pdf);
            return true;
        };
        QVERIFY(p.click(QStringLiteral("PRINTBUTTON")));
        QVERIFY(asked);
        QFile file(pdf);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QVERIFY(file.read(5) == "%PDF-");
        QVERIFY(file.size() > 1000);
        QVERIFY(p.dialogs.messages.empty());
    }

    void aCancelledPrintDialogPrintsNothing()
    {
        ReportPage p;
        const QString pdf = p.dir.filePath(QStringLiteral("never.pdf"));
        p.pages->printer().runDialog = [&](QPrintDialog& dialog) {
            dialog.printer()->setOutputFileName(pdf);
            return false;
        };
        QVERIFY(p.click(QStringLiteral("PRINTBUTTON")));
        QVERIFY(!QFile::exists(pdf));
    }

    void aLongReportRunsOnToMorePages()
    {
        QImage page(400, 200, QImage::Format_RGB32);
        QPainter painter(&page);
        std::vector<std::string> lines(100, "line");
        int fresh = 0;
        const int pages = ui::paintLines(painter, page.rect(), lines, QFont(QStringLiteral("Courier"), 10), Qt::black,
                                         [&] { return ++fresh < 50; });
        const int perPage = 200 / QFontMetrics(QFont(QStringLiteral("Courier"), 10), &page).lineSpacing();
        QCOMPARE(pages, (100 + perPage - 1) / perPage);
        QCOMPARE(fresh, pages - 1);
    }

    void theSendButtonsAreOnThePageWithNothingDrawnAtItsEdge()
    {
        ReportPage p;
        QWidget* sendOptions = p.find(QStringLiteral("Button1"));
        auto* send = p.find<QPushButton>(QStringLiteral("BUTTONSend"));
        QVERIFY(sendOptions->isVisible() && send->isVisible());
        QVERIFY(send->isEnabled());
        QCOMPARE(send->toolTip(), QString::fromLatin1(sendReadyHint));
        QVERIFY(!p.find(QStringLiteral("ButtonCANCEL3"))->isVisible());
        // No bar and no patch at the left edge: the viewer starts at the margin of the other pages,
        // and the strip before it is the page's own colour at every scale.
        QVERIFY(!p.window->findChild<QWidget*>(QStringLiteral("Shape2")));
        QVERIFY(!p.window->findChild<QWidget*>(QStringLiteral("Shape3")));
        QWidget* page = p.find(QStringLiteral("TabSheet3"));
        const int viewerLeft = p.memo->mapTo(page, QPoint(0, 0)).x();
        QCOMPARE(viewerLeft, 28);
        for (qreal ratio : {1.0, 1.25, 2.0}) {
            QPixmap shot(page->size() * ratio);
            shot.setDevicePixelRatio(ratio);
            page->render(&shot);
            const QImage image = shot.toImage();
            int dark = 0;
            for (int y = 0; y < image.height(); ++y)
                for (int x = 0; x < int(viewerLeft * ratio) - 1; ++x)
                    dark += qGray(image.pixel(x, y)) < 160;
            QCOMPARE(dark, 0);
        }
    }

    void sendAndTheMenuItemWaitForAReportAndSayWhy()
    {
        Fixture f;
        QVERIFY(f.click(QStringLiteral("OPTIONSMainMENU")));
        f.window->run("TabSheet3Show");
        auto* send = f.find<QPushButton>(QStringLiteral("BUTTONSend"));
        QVERIFY(send->isVisible() && !send->isEnabled());
        QCOMPARE(send->toolTip(), QString::fromLatin1(nothingToSendHint));
        auto* menu = f.find<QMenu>(QStringLiteral("FileMenu"));
        auto* item = f.window->findChild<QAction*>(QStringLiteral("SendTestReport"));
        QVERIFY(menu && item && menu->toolTipsVisible());
        QCOMPARE(item->text(), QStringLiteral("Send &Test Report..."));
        menu->popup(f.window->mapToGlobal(QPoint(20, 20)));
        QVERIFY(menu->isVisible());
        QVERIFY(!item->isEnabled());
        QCOMPARE(item->toolTip(), QString::fromLatin1(nothingToSendHint));
        // The hover text shows over the greyed item itself.
        const QPoint over = menu->actionGeometry(item).center();
        QHelpEvent hover(QEvent::ToolTip, over, menu->mapToGlobal(over));
        QApplication::sendEvent(menu, &hover);
        QTRY_COMPARE(QToolTip::text(), QString::fromLatin1(nothingToSendHint));
        menu->hide();
        QVERIFY(!f.trigger(QStringLiteral("SendTestReport")));
        QVERIFY(f.dialogs.questions.empty());

        // A test scenario ended: the report is there, and the menu sees it when it opens.
        QFile report(f.dir.filePath(QStringLiteral("AEDTEST.TXT")));
        QVERIFY(report.open(QIODevice::WriteOnly));
        report.write(QByteArray(line1) + "\r\n");
        report.close();
        menu->popup(f.window->mapToGlobal(QPoint(20, 20)));
        QVERIFY(item->isEnabled());
        QCOMPARE(item->toolTip(), QString::fromLatin1(sendReadyHint));
        menu->hide();
        f.dialogs.answers.push_back(false);
        QVERIFY(f.trigger(QStringLiteral("SendTestReport")));
        QCOMPARE(f.dialogs.questions, std::vector<std::string>{sendQuestion});
        // The page, shown again, sees it too.
        f.window->run("TabSheet3Show");
        QVERIFY(send->isEnabled());
        QCOMPARE(send->toolTip(), QString::fromLatin1(sendReadyHint));
    }

    void okLeavesThePagesAsProgramOKDoes()
    {
        ReportPage p;
        QVERIFY(p.click(QStringLiteral("DATAOK")));
        QVERIFY(!p.find(QStringLiteral("PageControl1"))->isVisible());
        QVERIFY(p.dialogs.questions.empty());
    }
};

QTEST_MAIN(ReportViewerTest)
#include "test_reportwindow.moc"
