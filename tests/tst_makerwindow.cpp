// SPDX-FileCopyrightText: 2026 The Zindle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "makersettings.h"
#include "makerwindow.h"
#include "pictures/caption.h"
#include "setarchive.h"
#include "setmaker.h"
#include "testfiles.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QDir>
#include <QFileDialog>
#include <QFileSystemModel>
#include <QImageReader>
#include <QLabel>
#include <QListView>
#include <QMenu>
#include <QMessageBox>
#include <QProgressBar>
#include <QPushButton>
#include <QStandardPaths>
#include <QTest>
#include <sys/stat.h>

using Names = QStringList;

class TstMakerWindow : public QObject
{
    Q_OBJECT
private:
    TestFolder m_files;
    QStringList files(int count) const
    {
        QStringList paths;
        for (int i = 0; i < count; ++i)
            paths << m_files.path(QString("c%1.png").arg(i));
        return paths;
    }
    // The accessible node named `name` in the window; every control the keys reach, every
    // row of the pairs list and every other part has a name.
    static QAccessibleInterface *node(QWidget *window, const QString &name)
    {
        QAccessibleInterface *found = nullptr;
        std::function<void(QAccessibleInterface *)> walk = [&](QAccessibleInterface *n) {
            if (n->state().invisible)
                return;
            // A nameless filler or a control without a name says nothing.
            if ((n->state().focusable || n->role() == QAccessible::ListItem ||
                 n->role() == QAccessible::Client) &&
                n->text(QAccessible::Name).isEmpty())
                qFatal("a control without a name: %s %s", n->object()->metaObject()->className(),
                       qPrintable(n->text(QAccessible::Value)));
            if (n->text(QAccessible::Name) == name)
                found = n;
            for (int i = 0; i < n->childCount(); ++i)
                walk(n->child(i));
        };
        walk(QAccessible::queryAccessibleInterface(window));
        return found;
    }
    static void press(QWidget *window, const QString &name)
    {
        QAccessibleInterface *n = node(window, name);
        QVERIFY2(n, qPrintable(name));
        qobject_cast<QAbstractButton *>(n->object())->click();
    }
    // The names of the pairs list's rows.
    static Names rows(QWidget *window)
    {
        Names names;
        std::function<void(QAccessibleInterface *)> walk = [&](QAccessibleInterface *n) {
            if (n->role() == QAccessible::ListItem && n->parent()->role() == QAccessible::List &&
                n->parent()->text(QAccessible::Name) == "Pairs")
                names << n->text(QAccessible::Name);
            for (int i = 0; i < n->childCount(); ++i)
                walk(n->child(i));
        };
        walk(QAccessible::queryAccessibleInterface(window));
        return names;
    }

private Q_SLOTS:
    void initTestCase()
    {
        // Each picture of its own colour: the same picture twice is refused.
        for (int i = 0; i < 8; ++i)
            m_files.writeFile(QString("c%1.png").arg(i),
                              encoded(filled({40, 30}, QColor::fromHsv(i * 40, 200, 200))));
        for (int i = 0; i < 24; ++i)
            m_files.writeFile(
                QString("big%1.jpg").arg(i),
                encoded(filled({1600, 1200}, QColor::fromHsv(i * 15, 150, 150)), "JPEG"));
    }

    void undoPutsRemovedPairsBack_data()
    {
        QTest::addColumn<QList<int>>("removed");
        QTest::newRow("the last pair") << QList<int>{4};
        QTest::newRow("the first pair twice") << QList<int>{1, 1};
        QTest::newRow("every pair from the top") << QList<int>{1, 1, 1, 1};
        QTest::newRow("from the bottom up") << QList<int>{4, 3, 2, 1};
        QTest::newRow("middle, end, middle") << QList<int>{2, 3, 2};
    }
    void undoPutsRemovedPairsBack()
    {
        QFETCH(QList<int>, removed);
        MakerWindow window(m_files.path("sets"), "es");
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        window.addPictures(files(8));
        const Names before = rows(&window);
        QCOMPARE(before.front(), "pair 1: c0, c1");
        for (int pair : removed)
            press(&window, QString("Remove pair %1").arg(pair));
        QCOMPARE(rows(&window).size(), before.size() - removed.size());
        // After a removal the keys are on Undo, never on the next pair's Remove.
        QCOMPARE(qobject_cast<QPushButton *>(QApplication::focusWidget())->text(), "&Undo removal");
        // Every removal comes back, one press of Ctrl+Z each.
        for (int i = 0; i < removed.size(); ++i)
            QTest::keyClick(&window, Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(rows(&window), before);
    }

    void keysStayOnAButtonThatMoves_data()
    {
        QTest::addColumn<QString>("pressed");
        QTest::addColumn<QString>("focused");
        QTest::newRow("down from the second-to-last pair") << "Move pair 3 down"
                                                           << "Move pair 4 up";
        QTest::newRow("up from the second pair") << "Move pair 2 up"
                                                 << "Move pair 1 down";
        QTest::newRow("down in the middle") << "Move pair 2 down"
                                            << "Move pair 3 down";
    }
    void keysStayOnAButtonThatMoves()
    {
        MakerWindow window(m_files.path("sets"), "es");
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        window.addPictures(files(8));
        QFETCH(QString, pressed);
        press(&window, pressed);
        QTEST(QApplication::focusWidget()->accessibleName(), "focused");
        // Tab and Space from there remove nothing.
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QVERIFY(!QApplication::focusWidget()->accessibleName().startsWith("Remove"));
    }

    void theListSaysEachPairAndEveryLabelItsText()
    {
        MakerWindow window(m_files.path("sets"), "es");
        window.show();
        window.addPictures(files(4));
        node(&window, "Caption of picture 2 of pair 2")->setText(QAccessible::Value, "herba");
        QCOMPARE(rows(&window), Names({"pair 1: c0, c1", "pair 2: c2, herba"}));
        for (QLabel *label : window.findChildren<QLabel *>()) {
            if (!label->text().isEmpty() && label->isVisibleTo(&window))
                QCOMPARE(QAccessible::queryAccessibleInterface(label)->text(QAccessible::Name),
                         QString(label->text()).remove('&'));
        }
        QVERIFY(node(&window, SetMaker::boardsAdvice(2)));
    }

    void picksKeepTheirOrder()
    {
        MakerWindow window(m_files.path("sets"), "es");
        window.show();
        press(&window, "Add pictures…");
        QFileDialog *dialog = nullptr;
        QTRY_VERIFY((dialog = window.findChild<QFileDialog *>()) && dialog->isVisible());
        dialog->setDirectory(m_files.path(""));
        auto *view = dialog->findChild<QListView *>("listView");
        auto *model = dialog->findChild<QFileSystemModel *>();
        QTRY_VERIFY(model->index(m_files.path("c3.png")).isValid());
        for (const char *name : {"c3.png", "c0.png", "c2.png", "c1.png"}) {
            const QModelIndex index = model->index(m_files.path(name));
            QTest::mouseClick(view->viewport(), Qt::LeftButton, Qt::ControlModifier,
                              view->visualRect(index).center());
        }
        static_cast<QDialog *>(dialog)->accept();
        QTRY_COMPARE(rows(&window), Names({"pair 1: c3, c0", "pair 2: c2, c1"}));
        // The next dialog opens there.
        QCOMPARE(MakerSettings::lastFolder(), QDir(m_files.path("")).absolutePath());
    }

    void aPictureTradesPlacesWithOneOfAnotherPair()
    {
        MakerWindow window(m_files.path("sets"), "es");
        window.show();
        window.addPictures(files(4));
        press(&window, "Exchange picture 2 of pair 1 with one of another pair");
        QMenu *menu = nullptr;
        QTRY_VERIFY((menu = window.findChild<QMenu *>()));
        const QList<QAction *> others = menu->actions();
        const auto second = std::find_if(others.begin(), others.end(), [](QAction *a) {
            return a->text() == "picture 2 of pair 2: c3";
        });
        QVERIFY(second != others.end());
        (*second)->trigger();
        QCOMPARE(rows(&window), Names({"pair 1: c0, c3", "pair 2: c2, c1"}));
    }

    void aSettingsFileThatIsAFifoIsLeftAlone()
    {
        TestFolder home;
        QVERIFY(QDir().mkpath(home.path("home/.config/zindle")));
        QCOMPARE(::mkfifo(qPrintable(home.path("home/.config/zindle/zindle.conf")), 0600), 0);
        MakerSettings::setLastFolder(home.path(""));
        QCOMPARE(MakerSettings::lastFolder(),
                 QStandardPaths::writableLocation(QStandardPaths::PicturesLocation));
    }

    void savingShowsItsProgressAndCancelLeavesNothing_data()
    {
        QTest::addColumn<bool>("cancelled");
        QTest::newRow("cancelled at once") << true;
        QTest::newRow("left to finish") << false;
    }
    void savingShowsItsProgressAndCancelLeavesNothing()
    {
        QFETCH(bool, cancelled);
        TestFolder home;
        MakerWindow window(home.path("Zindle"), "es");
        window.show();
        QStringList big;
        for (int i = 0; i < 24; ++i)
            big << m_files.path(QString("big%1.jpg").arg(i));
        window.addPictures(big);
        node(&window, "Set name")->setText(QAccessible::Value, "Granja");
        press(&window, "Save the set");
        auto *bar = window.findChild<QProgressBar *>();
        QVERIFY(bar->isVisible());
        if (cancelled)
            press(&window, "Cancel");
        QTRY_VERIFY_WITH_TIMEOUT(!bar->isVisible(), 30000);
        const QStringList made =
            QDir(home.path("Zindle"))
                .entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
        QCOMPARE(made, cancelled ? QStringList() : QStringList{"Granja"});
        // The worker's progress reached the bar.
        if (!cancelled)
            QVERIFY(bar->maximum() > 0 && bar->value() == bar->maximum());
    }

    void aNewSetOfAnExistingNameAsksFirst_data()
    {
        QTest::addColumn<bool>("replace");
        QTest::newRow("replaced") << true;
        QTest::newRow("cancelled") << false;
    }
    void aNewSetOfAnExistingNameAsksFirst()
    {
        QFETCH(bool, replace);
        TestFolder home;
        const SetMaker maker(home.path("Zindle"));
        QVERIFY(maker.save("Granja", {{files(3)[2], "oveja"}, {files(4)[3], "lana"}}, {}).saved());
        MakerWindow window(home.path("Zindle"), "es");
        window.show();
        window.addPictures({m_files.path("c0.png"), m_files.path("c1.png")});
        node(&window, "Set name")->setText(QAccessible::Value, "Granja");
        press(&window, "Save the set");
        QMessageBox *ask = nullptr;
        QTRY_VERIFY((ask = window.findChild<QMessageBox *>()));
        for (QAbstractButton *button : ask->buttons()) {
            if ((ask->buttonRole(button) == QMessageBox::AcceptRole) == replace)
                button->click();
        }
        QTRY_COMPARE(maker.load("Granja").pictures.front().caption == "oveja", !replace);
    }

    void anEditedSetIsSavedOverWithoutAsking()
    {
        TestFolder home;
        const SetMaker maker(home.path("Zindle"));
        QVERIFY(maker
                    .save("Granja", {{m_files.path("c0.png"), "vaca"}, {files(2)[1], "herba"}},
                          SaveOptions{})
                    .saved());
        MakerWindow window(home.path("Zindle"), "es");
        window.show();
        window.openSet(maker.load("Granja"));
        QCOMPARE(node(&window, "Set name")->text(QAccessible::Value), "Granja");
        QCOMPARE(rows(&window), Names{"pair 1: vaca, herba"});
        QVERIFY(QTest::qWaitForWindowActive(&window));
        QCOMPARE(QApplication::focusWidget()->objectName(), "caption-0");
        QTest::keyClicks(QApplication::focusWidget(), " negra");
        QTest::keyClick(&window, Qt::Key_S, Qt::ControlModifier);
        QTRY_COMPARE(maker.load("Granja").pictures.front().caption, "vaca negra");
        QVERIFY(window.findChildren<QMessageBox *>().isEmpty());
        // The keys are back on the caption, for the next change.
        QTRY_VERIFY(!window.findChild<QProgressBar *>()->isVisible());
        QCOMPARE(QApplication::focusWidget()->objectName(), "caption-0");
        // A shared copy of the set open is refused, never saved over it.
        QVERIFY(
            SetArchive::exportSet(home.path("Zindle/Granja"), home.path("granja.zip")).isEmpty());
        QVERIFY(
            maker.save("Granja", {{files(3)[2], "oveja"}, {files(4)[3], "lana"}}, true).saved());
        press(&window, "Import…");
        QFileDialog *dialog = nullptr;
        QTRY_VERIFY((dialog = window.findChild<QFileDialog *>()));
        dialog->selectFile(home.path("granja.zip"));
        static_cast<QDialog *>(dialog)->accept();
        QTRY_VERIFY(window.findChild<QMessageBox *>());
        QCOMPARE(maker.load("Granja").pictures.front().caption, "oveja");
    }
};

QTEST_MAIN(TstMakerWindow)
#include "tst_makerwindow.moc"
