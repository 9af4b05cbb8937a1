#include "error.h"
#include "projectstate.h"
#include "projectsheet.h"
#include "errorguard.h"
#include "platform.h"
#include "inputsheetprintout.h"
#include "printerchoicedialog.h"
#include "printerchoicewidgets.h"
#include "support/fakemessageboxes.h"
#include "support/modal.h"
#include "support/recordingprinting.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <functional>
#include <memory>

using namespace quorvel;

using Failure = RecordingPrinting::Failure;

// The printer choice window and the printout, on real widgets over the recording
// print system (printers "Office Laser" (the default), "Plotter", "Print to PDF").
class TestPrinting : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<ProjectSheet> sheet_;
    std::unique_ptr<FakeMessageBoxes> boxes_;
    std::unique_ptr<RecordingPrinting> printing_;
    Platform platform_;
    std::unique_ptr<PrinterChoiceDialog> dialog_;

    void makeDialog(int defaultPrinter = 0)
    {
        printing_ = std::make_unique<RecordingPrinting>();
        printing_->defaultPrinter = defaultPrinter;
        platform_.printing = printing_.get();
        dialog_ = std::make_unique<PrinterChoiceDialog>(platform_);
        guarded(*boxes_, [this] { dialog_->fillPrinterBox(); });
    }

    // Prints with the window answered by the action; an error escaping the printout
    // goes to the error box, as from the toolbar button.
    void print(const std::function<void(PrinterChoiceDialog &)> &answer,
               const QString &project = QStringLiteral("Camp 4"))
    {
        whenModal([this, answer](QWidget *) { answer(*dialog_); });
        guarded(*boxes_, [&] { printInputSheet(*dialog_, *printing_, sheet_->inputs, project); });
    }
    static void press(PrinterChoiceDialog &f, const QString &button)
    {
        QTest::mouseClick(dialogButton(f, button), Qt::LeftButton);
    }
    static void ok(PrinterChoiceDialog &f) { press(f, "okButton"); }
    static void cancel(PrinterChoiceDialog &f) { press(f, "cancelButton"); }
    static void setup(PrinterChoiceDialog &f) { press(f, "setupButton"); } // "Printer Setup"
    static void closeBox(PrinterChoiceDialog &f) { f.close(); }
    // Picks the entry from the box's drop-down list.
    static void pick(PrinterChoiceDialog &f, int index)
    {
        printerBox(f)->showPopup();
        QAbstractItemView *list = printerBox(f)->view();
        list->setCurrentIndex(list->model()->index(index, 0));
        QTest::keyClick(list, Qt::Key_Return);
    }
    // Replaces the box's text by typing, one change per keystroke.
    static void typeText(PrinterChoiceDialog &f, const QString &text)
    {
        QLineEdit *edit = printerBox(f)->lineEdit();
        edit->selectAll();
        QTest::keyClick(edit, Qt::Key_Backspace);
        QTest::keyClicks(edit, text);
    }

private slots:
    void init()
    {
        boxes_ = std::make_unique<FakeMessageBoxes>();
        platform_.messages = boxes_.get();
        sheet_ = std::make_unique<ProjectSheet>();
        sheet_->createTables();
        makeDialog();
    }

    void windowLayout()
    {
        PrinterChoiceDialog &f = *dialog_;
        QCOMPARE(f.windowTitle(), QStringLiteral("Form5")); // kept on purpose
        QCOMPARE(f.size(), QSize(447, 202));
        QCOMPARE(f.font().family(), QStringLiteral("Tahoma"));
        QCOMPARE(f.font().pointSize(), 8);
        QVERIFY(f.windowFlags() & Qt::WindowCloseButtonHint);
        QVERIFY(!(f.windowFlags() & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint)));
        QCOMPARE(f.objectName(), QStringLiteral("printerChoiceDialog"));
        const QLabel *label = f.findChild<QLabel *>(QStringLiteral("printerLabel"));
        QVERIFY(label);
        QCOMPARE(label->geometry(), QRect(48, 32, 36, 17));
        QCOMPARE(label->text(), QStringLiteral("Printer"));
        QCOMPARE(printerBox(f)->pos(), QPoint(90, 32));
        QCOMPARE(printerBox(f)->width(), 217);
        const QPushButton *setupButton = dialogButton(f, "setupButton");
        const QPushButton *okButton = dialogButton(f, "okButton");
        const QPushButton *cancelButton = dialogButton(f, "cancelButton");
        QVERIFY(setupButton && okButton && cancelButton);
        QCOMPARE(setupButton->geometry(), QRect(320, 30, 107, 25));
        QCOMPARE(okButton->geometry(), QRect(256, 169, 75, 25));
        QCOMPARE(cancelButton->geometry(), QRect(352, 169, 75, 25));
        QCOMPARE(setupButton->text(), QStringLiteral("Printer Setup"));
        QCOMPARE(okButton->text(), QStringLiteral("OK"));
        QCOMPARE(cancelButton->text(), QStringLiteral("Cancel"));
    }

    void fillingTheBox()
    {
        QComboBox *box = printerBox(*dialog_);
        QCOMPARE(box->count(), 3);
        QCOMPARE(box->itemText(1), QStringLiteral("Plotter"));
        QCOMPARE(box->currentText(), QStringLiteral("Office Laser"));
        QCOMPARE(box->currentIndex(), -1);
        QCOMPARE(printing_->calls, QStringList{"setPrinterIndex(-1)"}); // no change event
        QCOMPARE(printing_->printerListReads, 1);
        QVERIFY(boxes_->shown().isEmpty());
    }

    // Tab order, focus at each showing, Enter on the focused button, Escape ignored.
    void focusAndKeys()
    {
        QStringList order;
        whenModal([&](QWidget *) {
            QVERIFY(QTest::qWaitForWindowActive(dialog_.get()));
            for (int i = 0; i < 5; ++i) {
                QWidget *w = QApplication::focusWidget();
                const bool inBox = w == printerBox(*dialog_) || w == printerBox(*dialog_)->lineEdit();
                order << (inBox ? QStringLiteral("box") : w->objectName());
                if (inBox) // no default button
                    QTest::keyClick(w, Qt::Key_Return);
                if (i < 4)
                    QTest::keyClick(w, Qt::Key_Tab);
            }
            QCOMPARE(printing_->setupShowings, 0);
            QVERIFY(dialog_->isVisible());
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return); // on "Printer Setup"
            QCOMPARE(printing_->setupShowings, 1);
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
            QVERIFY(dialog_->isVisible());
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab); // to "Cancel"
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        });
        dialog_->exec();
        QCOMPARE(order, (QStringList{"setupButton", "cancelButton", "okButton", "box", "setupButton"}));
        QVERIFY(dialog_->cancelled());

        QWidget *focusAtNextShowing = nullptr;
        whenModal([&](QWidget *) {
            QVERIFY(QTest::qWaitForWindowActive(dialog_.get()));
            focusAtNextShowing = QApplication::focusWidget();
            QTest::keyClick(focusAtNextShowing, Qt::Key_Tab); // to "OK"
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Enter);
        });
        dialog_->exec();
        QCOMPARE(focusAtNextShowing, dialogButton(*dialog_, "cancelButton"));
        QVERIFY(!dialog_->cancelled());
    }

    // Every text of the default sheet with its place, box and font.
    void defaultSheet_data()
    {
        QTest::addColumn<int>("col");
        QTest::addColumn<int>("row");
        QTest::addColumn<QString>("text");
        const int textX[] = {50, 950, 1600};
        const int boxLeft[] = {0, 900, 1550};
        const int boxRight[] = {870, 1520, 1870};
        const int boxTop[] = {300, 450, 600, 750, 900, 1050, 1200, 1350};
        const char *texts[3][8] = {
            {"Description", "Pump discharge pipeline length", "Water source elevation", "Storage elevation",
             "Population", "Pumping Time", "Daily Usage", "# people per tap"},
            {"Unit", "Meter", "Meter", "Meter", "People", "Hours/day", "L/capita/day", "people"},
            {"Value", "", "100", "", "", "4", "25", "250"}};
        QTest::addColumn<QPoint>("at");
        QTest::addColumn<QRect>("box");
        for (int c = 0; c < 3; ++c)
            for (int r = 0; r < 8; ++r)
                QTest::addRow("col %d row %d", c, r)
                    << c << r << QString::fromUtf8(texts[c][r]) << QPoint(textX[c], boxTop[r] + 50)
                    << QRect(QPoint(boxLeft[c], boxTop[r]), QPoint(boxRight[c] - 1, boxTop[r] + 149));
    }
    void defaultSheet()
    {
        QFETCH(int, col);
        QFETCH(int, row);
        QFETCH(QString, text);
        QFETCH(QPoint, at);
        QFETCH(QRect, box);
        print(ok);
        QCOMPARE(printing_->pages.size(), 1);
        const RecordingPrinting::Page &page = printing_->pages[0];
        QCOMPARE(page.texts.size(), 1 + 3 * 8);
        QCOMPARE(page.orientation, QPageLayout::Landscape);
        QCOMPARE(page.title, QStringLiteral("Camp 4"));
        QCOMPARE(page.printer, QStringLiteral("Office Laser"));

        const RecordingPrinting::DrawnText &title = page.texts[0];
        QCOMPARE(title.text, QStringLiteral("Camp 4"));
        QCOMPARE(title.at, QPoint(0, 100));
        QVERIFY(!title.box);
        QCOMPARE(title.font, (PrintFont{"Times New Roman", 12, true, true, Qt::black}));

        const RecordingPrinting::DrawnText &cell = page.texts[1 + col * 8 + row]; // column by column
        QCOMPARE(cell.text, text);
        QCOMPARE(cell.at, at);
        QVERIFY(cell.box);
        QCOMPARE(*cell.box, box);
        QCOMPARE(cell.font, (PrintFont{"Times New Roman", 7, row == 0, false, Qt::black}));
    }

    // The geometry follows the column widths; long texts are cut by their box only.
    void widthsAndLongTexts()
    {
        sheet_->inputs.setColWidth(0, 100);
        const QString longText(300, QLatin1Char('W'));
        sheet_->inputs.setCell(2, 1, longText);
        print(ok, QString());
        const auto &texts = printing_->pages.value(0).texts;
        QCOMPARE(texts.size(), 25);
        QCOMPARE(texts[0].text, QString()); // an empty project name prints no title
        QCOMPARE(printing_->pages[0].title, QString());
        QCOMPARE(*texts[1].box, QRect(0, 300, 470, 150));
        QCOMPARE(*texts[9].box, QRect(500, 300, 620, 150));
        QCOMPARE(texts[18].text, longText);
        QCOMPARE(texts[18].at, QPoint(1200, 500));
        QCOMPARE(*texts[18].box, QRect(1150, 450, 320, 150)); // ends at x1 - 30 = 1470
    }

    // Which way the window closes decides whether anything is printed.
    void closing_data()
    {
        QTest::addColumn<bool>("cancelBefore");
        QTest::addColumn<bool>("useCloseBox");
        QTest::addColumn<int>("pages");
        QTest::newRow("Cancel") << false << false << 0;
        QTest::newRow("close box at the first showing") << false << true << 1;
        QTest::newRow("close box after a Cancel") << true << true << 0;
    }
    void closing()
    {
        QFETCH(bool, cancelBefore);
        QFETCH(bool, useCloseBox);
        QFETCH(int, pages);
        if (cancelBefore)
            print(cancel);
        print(useCloseBox ? closeBox : cancel);
        QCOMPARE(printing_->pages.size(), pages);
        if (pages == 0)
            QVERIFY(!printing_->calls.contains("beginDoc"));
        QVERIFY(boxes_->shown().isEmpty());
    }

    void pickedPrinterOutlivesCancel()
    {
        print([](PrinterChoiceDialog &f) {
            pick(f, 1);
            cancel(f);
        });
        QVERIFY(printing_->pages.isEmpty());
        print(ok);
        QCOMPARE(printing_->pages.value(0).printer, QStringLiteral("Plotter"));
        QCOMPARE(printing_->orientation(), QPageLayout::Landscape); // a lasting setting
    }

    // Printer Setup makes its printer current while the box keeps its text; the
    // settings made there survive picking that same printer and are dropped otherwise.
    void setupSettings_data()
    {
        QTest::addColumn<QString>("edit");
        QTest::addColumn<QString>("printer");
        QTest::addColumn<QString>("settings");
        QTest::newRow("nothing") << "" << "Plotter" << "A5 paper";
        QTest::newRow("same printer picked") << "pick 1" << "Plotter" << "A5 paper";
        QTest::newRow("other printer picked") << "pick 2" << "Print to PDF" << "defaults";
        QTest::newRow("text matching no entry") << "type Nothing" << "Office Laser" << "defaults";
        QTest::newRow("text emptied") << "type " << "Office Laser" << "defaults";
    }
    void setupSettings()
    {
        QFETCH(QString, edit);
        QFETCH(QString, printer);
        QFETCH(QString, settings);
        print([&](PrinterChoiceDialog &f) {
            printing_->confirmSetup(1, QStringLiteral("A5 paper"));
            setup(f);
            QCOMPARE(printing_->printerIndex(), 1);
            QCOMPARE(printerBox(f)->currentText(), QStringLiteral("Office Laser"));
            if (edit.startsWith("pick"))
                pick(f, edit.mid(5).toInt());
            else if (edit.startsWith("type"))
                typeText(f, edit.mid(5));
            ok(f);
        });
        QCOMPARE(printing_->pages.value(0).printer, printer);
        QCOMPARE(printing_->pages.value(0).settings, settings);
        QVERIFY(boxes_->shown().isEmpty());
    }

    // The printer's errors end the printout at their step; what was set stays set.
    void printerErrors_data()
    {
        QTest::addColumn<int>("failure");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QStringList>("calls");
        QTest::newRow("no settings") << int(Failure::NoDeviceSettings) << Printing::notSupportedMessage().english
                                     << QStringList{"setOrientation(landscape)"};
        QTest::newRow("no drawing context")
            << int(Failure::NoDrawingContext) << Printing::notValidMessage().english
            << QStringList{"setOrientation(landscape)", "setTitle(Camp 4)", "beginDoc"};
        QTest::newRow("document refused")
            << int(Failure::DocumentRefused) << Printing::notPrintingMessage().english
            << QStringList{"setOrientation(landscape)", "setTitle(Camp 4)", "beginDoc", "endDoc"};
    }
    void printerErrors()
    {
        QFETCH(int, failure);
        QFETCH(QString, message);
        QFETCH(QStringList, calls);
        printing_->failure = Failure(failure);
        printing_->calls.clear();
        print(ok);
        QCOMPARE(boxes_->errors(), QStringList{errorBoxText(message)});
        QCOMPARE(printing_->calls, calls);
        QVERIFY(printing_->pages.isEmpty());
        QCOMPARE(printing_->title(), calls.size() > 1 ? QStringLiteral("Camp 4") : QString());

        printing_->failure = Failure::None; // the next printout starts normally
        print(ok);
        QCOMPARE(printing_->pages.size(), 1);
    }

    // Without a default printer the start-up, every change of the box, "Printer Setup"
    // and every printout report it.
    void noDefaultPrinter()
    {
        makeDialog(-1);
        const QString text = errorBoxText(Printing::noDefaultPrinterMessage().english);
        QCOMPARE(boxes_->errors(), QStringList{text});
        QCOMPARE(printerBox(*dialog_)->count(), 0);
        QCOMPARE(printerBox(*dialog_)->currentText(), QString());
        print([](PrinterChoiceDialog &f) {
            typeText(f, QStringLiteral("x"));
            setup(f);
            ok(f);
        });
        QCOMPARE(boxes_->errors(), QStringList(4, text));
        QVERIFY(!printing_->calls.contains("setTitle(Camp 4)"));
        QVERIFY(printing_->pages.isEmpty());
    }
};

QTEST_MAIN(TestPrinting)
#include "tst_printing.moc"
