#include "qtfiledialogs.h"
#include "support/modal.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QPushButton>
#include <QFile>
#include <QFileDialog>
#include <QImage>
#include <QLabel>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

using namespace quorvel;

namespace {
const QString projectFilter = QStringLiteral("Main pipeline files (*.qvl)|*.qvl|All Files (*.*)|*.*");

// Runs the action on the file dialog that the next execute() shows; a dialog the
// action left open (a failed check) is cancelled.
void whenFileDialog(std::function<void(QFileDialog *)> action)
{
    whenModal([action](QWidget *w) {
        auto *dialog = qobject_cast<QFileDialog *>(w);
        if (dialog)
            action(dialog);
        if (w->isVisible())
            static_cast<QDialog *>(w)->reject();
    });
}

// The filter the dialog shows as chosen, counted from 0.
int shownFilter(QFileDialog *dialog)
{
    return dialog->findChild<QComboBox *>("fileTypeCombo")->currentIndex();
}
// Presses the dialog's Open or Save button, as the user would.
void confirm(QFileDialog *dialog)
{
    auto *buttons = dialog->findChild<QDialogButtonBox *>();
    QVERIFY(buttons);
    QPushButton *ok = buttons->button(dialog->acceptMode() == QFileDialog::AcceptSave
                                          ? QDialogButtonBox::Save
                                          : QDialogButtonBox::Open);
    QVERIFY(ok && ok->isEnabled());
    ok->click();
}
} // namespace

class TestQtFileDialogs : public QObject {
    Q_OBJECT
private slots:
    void nameFilters_data();
    void nameFilters();
    void remembersConfirmedNameAndFilter_data();
    void remembersConfirmedNameAndFilter();
    void options_data();
    void options();
    void acceptsNamesThatDoNotExist();
    void picturePreview();

private:
    QtFileDialogs dialogs;
};

void TestQtFileDialogs::nameFilters_data()
{
    QTest::addColumn<QString>("filter");
    QTest::addColumn<QStringList>("expected");
    QTest::newRow("project") << projectFilter
                             << QStringList{"Main pipeline files (*.qvl) (*.[qQ][vV][lL])",
                                            "All Files (*.*) (*)"};
    QTest::newRow("pattern list") << "Pictures|*.bmp;*.ico"
                                  << QStringList{"Pictures (*.[bB][mM][pP] *.[iI][cC][oO])"};
    QTest::newRow("description without pattern") << "A|*.a|B" << QStringList{"A (*.[aA])"};
    QTest::newRow("empty") << "" << QStringList{};
}

void TestQtFileDialogs::nameFilters()
{
    QFETCH(QString, filter);
    QFETCH(QStringList, expected);
    QCOMPARE(qtNameFilters(filter), expected);
}

void TestQtFileDialogs::remembersConfirmedNameAndFilter_data()
{
    QTest::addColumn<int>("kind");
    QTest::newRow("open") << int(FileDialogs::Kind::Open);
    QTest::newRow("save") << int(FileDialogs::Kind::Save);
}

void TestQtFileDialogs::remembersConfirmedNameAndFilter()
{
    QFETCH(int, kind);
    QTemporaryDir dir;
    QTemporaryDir other;
    std::unique_ptr<FileDialog> d(dialogs.create(FileDialogs::Kind(kind), nullptr));
    d->setInitialDir(dir.path() + "/");
    d->setFilter(projectFilter);
    QCOMPARE(d->filterIndex(), 1);

    // First showing: the initial folder and the first filter; confirm the second
    // filter and a name in another folder.
    const QStringList filters = qtNameFilters(projectFilter);
    const QString chosen = other.filePath("proj.dat");
    whenFileDialog([&](QFileDialog *f) {
        QCOMPARE(f->nameFilters(), filters);
        QCOMPARE(f->directory().absolutePath(), QDir(dir.path()).absolutePath());
        QCOMPARE(shownFilter(f), 0);
        QCOMPARE(f->findChild<QComboBox *>("fileTypeCombo")->currentText(),
                 QString("Main pipeline files (*.qvl)"));
        f->selectNameFilter(filters[1]);
        f->selectFile(chosen);
        confirm(f);
    });
    QVERIFY(d->execute());
    QCOMPARE(d->fileName(), chosen);
    QCOMPARE(d->filterIndex(), 2);

    // Second showing offers both again; cancelling keeps them.
    whenFileDialog([&](QFileDialog *f) {
        QCOMPARE(shownFilter(f), 1);
        QCOMPARE(f->directory().absolutePath(), QDir(other.path()).absolutePath());
        QCOMPARE(f->selectedFiles().value(0), chosen);
        f->reject();
    });
    QVERIFY(!d->execute());
    QCOMPARE(d->fileName(), chosen);
    QCOMPARE(d->filterIndex(), 2);

    // A name set by the program is offered at the next showing.
    d->setFileName(other.filePath("renamed.qvl"));
    whenFileDialog([&](QFileDialog *f) {
        QCOMPARE(f->selectedFiles().value(0), other.filePath("renamed.qvl"));
        f->reject();
    });
    QVERIFY(!d->execute());
}

void TestQtFileDialogs::options_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<int>("acceptMode");
    QTest::newRow("open") << int(FileDialogs::Kind::Open) << int(QFileDialog::AcceptOpen);
    QTest::newRow("save") << int(FileDialogs::Kind::Save) << int(QFileDialog::AcceptSave);
    QTest::newRow("picture") << int(FileDialogs::Kind::OpenPicture) << int(QFileDialog::AcceptOpen);
}

void TestQtFileDialogs::options()
{
    QFETCH(int, kind);
    QFETCH(int, acceptMode);
    std::unique_ptr<FileDialog> d(dialogs.create(FileDialogs::Kind(kind), nullptr));
    d->setFilter(projectFilter);
    whenFileDialog([&](QFileDialog *f) {
        QCOMPARE(int(f->acceptMode()), acceptMode);
        QCOMPARE(f->fileMode(), QFileDialog::AnyFile);
        QVERIFY(f->testOption(QFileDialog::DontConfirmOverwrite));
        QVERIFY(f->testOption(QFileDialog::DontUseNativeDialog));
        QVERIFY(f->defaultSuffix().isEmpty());
        QVERIFY(f->isSizeGripEnabled());
        QCOMPARE(f->findChild<QLabel *>("picturePreview") != nullptr,
                 kind == int(FileDialogs::Kind::OpenPicture));
        f->reject();
    });
    QVERIFY(!d->execute());
}

void TestQtFileDialogs::acceptsNamesThatDoNotExist()
{
    // Open does not insist on existence, Save neither asks before replacing nor adds
    // an extension.
    QTemporaryDir dir;
    QFile existing(dir.filePath("old.qvl"));
    QVERIFY(existing.open(QIODevice::WriteOnly));
    existing.close();
    const QList<QPair<FileDialogs::Kind, QString>> cases{
        {FileDialogs::Kind::Open, dir.filePath("missing")},
        {FileDialogs::Kind::Save, dir.filePath("old.qvl")},
        {FileDialogs::Kind::Save, dir.filePath("plain")},
    };
    for (const auto &[kind, name] : cases) {
        std::unique_ptr<FileDialog> d(dialogs.create(kind, nullptr));
        d->setFilter(projectFilter);
        d->setInitialDir(dir.path());
        whenFileDialog([&](QFileDialog *f) {
            f->selectFile(name);
            confirm(f);
        });
        QVERIFY(d->execute());
        QCOMPARE(d->fileName(), name);
    }
}

void TestQtFileDialogs::picturePreview()
{
    QTemporaryDir dir;
    QImage image(40, 20, QImage::Format_RGB32);
    image.fill(Qt::red);
    const QString picture = dir.filePath("curve.bmp");
    QVERIFY(image.save(picture));

    std::unique_ptr<FileDialog> d(dialogs.create(FileDialogs::Kind::OpenPicture, nullptr));
    d->setFilter("Main pipeline files (*.bmp)|*.bmp|All Files (*.*)|*.*");
    d->setInitialDir(dir.path());
    bool shown = false;
    whenFileDialog([&](QFileDialog *f) {
        auto *preview = f->findChild<QLabel *>("picturePreview");
        QVERIFY(preview);
        emit f->currentChanged(picture);
        shown = !preview->pixmap().isNull();
        emit f->currentChanged(dir.path());
        QVERIFY(preview->pixmap().isNull());
        f->selectFile(picture);
        confirm(f);
    });
    QVERIFY(d->execute());
    QVERIFY(shown);
    QCOMPARE(d->fileName(), picture);
    QCOMPARE(d->filterIndex(), 1);
}

QTEST_MAIN(TestQtFileDialogs)
#include "tst_qtfiledialogs.moc"
