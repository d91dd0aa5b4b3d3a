// SPDX-FileCopyrightText: 2026 The Zindle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "setdraft.h"
#include "setmaker.h"

#include <QFutureWatcher>
#include <QPointer>
#include <QWidget>
#include <atomic>
#include <functional>
#include <memory>

class Announcer;
class PairList;
class PairRow;
class QFileDialog;
class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;
class QLayout;

// The set maker: a name, pairs of pictures chosen or dropped, shown side by side as a board
// shows them with a caption each; Open, Save, Export and Import. It shows the draft and
// calls it; saving, reading and archiving sets are the SetMaker's and the SetArchive's, run
// on a worker thread while a bar shows their progress.
class MakerWindow : public QWidget
{
    Q_OBJECT
public:
    // Sets go to `setsFolder`; captions written in several languages are read in `language`.
    MakerWindow(QString setsFolder, QString language, QWidget *parent = nullptr);
    ~MakerWindow() override;

    // Shows a set read back to be edited: saving it saves over it without asking.
    void openSet(const LoadedSet &set);

public Q_SLOTS:
    // Adds the pictures at the end, two a pair, in the order given.
    void addPictures(const QStringList &paths);
    void save();
    // Puts the pair removed last back in its place.
    void undoRemoval();

protected:
    void showEvent(QShowEvent *event) override;
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dropEvent(QDropEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    enum PairAction { MoveUp, MoveDown, Swap, Remove, ActionCount };

    // A file dialog of Qt's own, sized to the screen and opened in the folder used last,
    // that hands the files chosen to `chosen`.
    QFileDialog *fileDialog(const QString &title, const QString &filter);
    void choosePictures();
    void choosePicture(int index);
    void chooseOpen();
    void chooseExport();
    void chooseImport();
    void saveAs(bool replace);
    // Runs `work` on a worker thread with the bar shown, then `done` with its outcome.
    void runWork(const QString &what, std::function<MadeSet(SaveOptions)> work,
                 std::function<void(const MadeSet &)> done);
    // Shows the bar and Cancel, and holds off every change, while the work runs.
    void showWorking(bool working);
    void showProgress(int done, int total);
    void changePair(int pair, PairAction action);
    void exchangeMenu(int index, QPushButton *button);
    // Shows the draft anew, the keys on the first enabled control of those named `focus`.
    void showPairs(const QStringList &focus = {});
    PairRow *pairRow(int pair);
    QLayout *pictureCell(int index, PairRow *row);
    QPixmap preview(int index) const;
    void showCount();
    void tell(const QString &message, bool problem);

    SetDraft m_draft;
    SetMaker m_maker;
    QString m_language;
    // The folder of the set being edited; empty for a new set.
    QString m_editing;
    bool m_unsaved = false;
    QLineEdit *m_name = nullptr;
    QLabel *m_empty = nullptr;
    PairList *m_pairs = nullptr;
    QWidget *m_editor = nullptr;
    QLabel *m_count = nullptr;
    QLabel *m_status = nullptr;
    QPushButton *m_undo = nullptr;
    QPushButton *m_cancelWork = nullptr;
    QPointer<QWidget> m_focusBefore;
    QLabel *m_progressText = nullptr;
    QProgressBar *m_progress = nullptr;
    Announcer *m_announcer = nullptr;
    QFutureWatcher<MadeSet> m_work;
    std::shared_ptr<std::atomic_bool> m_cancel;
    // Closing waits for the work running; closing unsaved asks once.
    bool m_closeWhenDone = false;
    bool m_discarded = false;
    bool m_followsScreen = false;
};
