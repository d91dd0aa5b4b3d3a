// SPDX-FileCopyrightText: 2026 The Zindle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "makerwindow.h"

#include "controls/accessiblefactory.h"
#include "controls/announcer.h"
#include "files/filenames.h"
#include "logging.h"
#include "makersettings.h"
#include "pairlist.h"
#include "rules/paircounts.h"
#include "setarchive.h"

#include <QAccessibleWidget>
#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QCollator>
#include <QDialog>
#include <QDialogButtonBox>
#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileDialog>
#include <QFileInfo>
#include <QGridLayout>
#include <QGuiApplication>
#include <QImageReader>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMessageBox>
#include <QMimeData>
#include <QPainter>
#include <QProgressBar>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QVBoxLayout>
#include <QWindow>
#include <QtConcurrent/QtConcurrentRun>
#include <utility>

namespace
{

// The preview's width on screen, in pixels.
constexpr int PreviewWidth = 160;
// A title bar and a window frame, which the desktop adds around a window.
const QSize WindowFrame(16, 48);

QString percent(double fraction)
{
    return QString::number(qRound(fraction * 100));
}

QStringList localFiles(const QMimeData *data)
{
    QStringList files;
    for (const QUrl &url : data->urls()) {
        if (url.isLocalFile())
            files << url.toLocalFile();
    }
    return files;
}

QString pictureFilter()
{
    QStringList patterns;
    for (const QByteArray &format : QImageReader::supportedImageFormats())
        patterns << QStringLiteral("*.") + QString::fromLatin1(format);
    return MakerWindow::tr("Pictures (%1)").arg(patterns.join(QLatin1Char(' ')));
}

QString actionName(const char *action, int pair)
{
    return QStringLiteral("%1-%2").arg(QLatin1String(action)).arg(pair);
}

// A window to assistive tools, where a plain widget would be a nameless filler.
class MakerWindowAccessible : public QAccessibleWidget
{
public:
    explicit MakerWindowAccessible(MakerWindow *window)
        : QAccessibleWidget(window, QAccessible::Window)
    {
    }
};

} // namespace

MakerWindow::MakerWindow(QString setsFolder, QString language, QWidget *parent)
    : QWidget(parent), m_maker(std::move(setsFolder)), m_language(std::move(language))
{
    useAccessibleInterface<MakerWindow, MakerWindowAccessible>();
    setWindowTitle(tr("Make a picture set"));
    setAcceptDrops(true);
    m_announcer = new Announcer(this);
    auto *layout = new QVBoxLayout(this);

    auto *nameRow = new QHBoxLayout;
    auto *nameLabel = new QLabel(tr("Set &name:"));
    m_name = new QLineEdit;
    m_name->setAccessibleName(tr("Set name"));
    m_name->setPlaceholderText(tr("as the game's list shows it"));
    nameLabel->setBuddy(m_name);
    connect(m_name, &QLineEdit::textChanged, this, [this](const QString &name) {
        m_draft.setName(name.trimmed());
        m_unsaved = true;
    });
    nameRow->addWidget(nameLabel);
    nameRow->addWidget(m_name, 1);
    auto *open = new QPushButton(tr("O&pen a set…"));
    connect(open, &QPushButton::clicked, this, &MakerWindow::chooseOpen);
    nameRow->addWidget(open);
    auto *add = new QPushButton(tr("&Add pictures…"));
    add->setShortcut(QKeySequence::Open);
    connect(add, &QPushButton::clicked, this, &MakerWindow::choosePictures);
    nameRow->addWidget(add);
    layout->addLayout(nameRow);

    auto *help = new QLabel(
        tr("Choose the pictures two by two, each followed by its partner, or drop them here. "
           "Each card shows as the board shows it on this screen: the shaded rows are cut off "
           "on the smallest card the set can get. Every caption is what a screen reader says "
           "of its card."));
    help->setWordWrap(true);
    layout->addWidget(help);

    m_empty = new QLabel(tr("No pairs yet: add pictures, or drop them here."));
    layout->addWidget(m_empty);
    m_pairs = new PairList;
    m_pairs->setAccessibleName(tr("Pairs"));
    layout->addWidget(m_pairs, 1);

    m_count = new QLabel;
    m_count->setWordWrap(true);
    layout->addWidget(m_count);
    m_status = new QLabel;
    m_status->setWordWrap(true);
    m_status->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    m_status->hide();
    layout->addWidget(m_status);

    auto *progressRow = new QHBoxLayout;
    m_progressText = new QLabel;
    m_progress = new QProgressBar;
    m_progress->setAccessibleName(tr("Progress"));
    m_cancelWork = new QPushButton(tr("Cancel"));
    connect(m_cancelWork, &QPushButton::clicked, this, [this] {
        if (m_cancel)
            m_cancel->store(true);
        m_progressText->setText(tr("Stopping…"));
    });
    progressRow->addWidget(m_progressText);
    progressRow->addWidget(m_progress, 1);
    progressRow->addWidget(m_cancelWork);
    layout->addLayout(progressRow);
    showWorking(false);

    auto *buttons = new QHBoxLayout;
    m_undo = new QPushButton(tr("&Undo removal"));
    m_undo->setToolTip(QKeySequence(QKeySequence::Undo).toString(QKeySequence::NativeText));
    connect(m_undo, &QPushButton::clicked, this, &MakerWindow::undoRemoval);
    // Ctrl+Z undoes at once, as often as it is pressed; a caption being typed keeps its own.
    auto *undo = new QAction(this);
    undo->setShortcut(QKeySequence::Undo);
    connect(undo, &QAction::triggered, this, &MakerWindow::undoRemoval);
    addAction(undo);
    auto *exportButton = new QPushButton(tr("&Export…"));
    exportButton->setToolTip(tr("Save the set as one .zip file to share"));
    connect(exportButton, &QPushButton::clicked, this, &MakerWindow::chooseExport);
    auto *importButton = new QPushButton(tr("&Import…"));
    importButton->setToolTip(tr("Add a set shared as a .zip file"));
    connect(importButton, &QPushButton::clicked, this, &MakerWindow::chooseImport);
    auto *saveButton = new QPushButton(tr("&Save"));
    saveButton->setShortcut(QKeySequence::Save);
    saveButton->setAccessibleName(tr("Save the set"));
    saveButton->setDefault(true);
    connect(saveButton, &QPushButton::clicked, this, &MakerWindow::save);
    auto *close = new QPushButton(tr("&Close"));
    connect(close, &QPushButton::clicked, this, &QWidget::close);
    buttons->addWidget(m_undo);
    buttons->addWidget(exportButton);
    buttons->addWidget(importButton);
    buttons->addStretch(1);
    buttons->addWidget(saveButton);
    buttons->addWidget(close);
    layout->addLayout(buttons);

    // Room for two cards side by side, within the desktop's free area and a title bar: a
    // laptop's 768 lines less its panels.
    resize(QSize(880, 720).boundedTo(screen()->availableGeometry().size() - WindowFrame));
    m_draft.setScreen(screen()->geometry().size());
    showPairs();
}

MakerWindow::~MakerWindow()
{
    // The worker reads the draft's copy and the cancel flag, never the window.
    if (m_cancel)
        m_cancel->store(true);
    m_work.waitForFinished();
}

void MakerWindow::openSet(const LoadedSet &set)
{
    m_editing = set.folder;
    m_draft.reset(set.name, set.pictures);
    const QSignalBlocker quiet(m_name);
    m_name->setText(set.name);
    m_unsaved = false;
    showPairs({QStringLiteral("caption-0")});
    if (set.problems.isEmpty())
        tell(tr("Opened the set \"%1\": %n pairs.", nullptr, m_draft.pairCount()).arg(set.name),
             false);
    else
        tell(set.problems.join(QLatin1Char('\n')), true);
}

void MakerWindow::addPictures(const QStringList &paths)
{
    if (paths.isEmpty() || m_work.isRunning())
        return;
    const int firstPair = m_draft.pictureCount() / 2;
    const int first = m_draft.pictureCount();
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    m_draft.add(paths, m_language);
    QGuiApplication::restoreOverrideCursor();
    m_unsaved = true;
    // The keys go to the first caption added, to be read and corrected.
    showPairs({QStringLiteral("caption-%1").arg(first)});
    if (paths.size() > 2) {
        QStringList pairs;
        for (int p = firstPair; p < m_draft.pairCount(); ++p)
            pairs << m_draft.pairText(p);
        tell(tr("Paired in the order chosen: %1. To pair a picture with another one, use "
                "\"Exchange…\" under it.")
                 .arg(pairs.join(QStringLiteral("; "))),
             false);
    } else {
        m_announcer->announce(m_count->text());
    }
}

QFileDialog *MakerWindow::fileDialog(const QString &title, const QString &filter)
{
    // Qt's own dialog: it fits a laptop's screen where the desktop's may not, and it hands
    // files over in the order they were picked.
    auto *dialog = new QFileDialog(this, title, MakerSettings::lastFolder(), filter);
    dialog->setOption(QFileDialog::DontUseNativeDialog);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->resize(QSize(860, 560).boundedTo(screen()->availableGeometry().size() - WindowFrame));
    connect(dialog, &QFileDialog::filesSelected, this, [](const QStringList &files) {
        if (!files.isEmpty())
            MakerSettings::setLastFolder(QFileInfo(files.front()).absolutePath());
    });
    return dialog;
}

void MakerWindow::choosePictures()
{
    QFileDialog *dialog =
        fileDialog(tr("Choose pictures, each followed by its partner"), pictureFilter());
    dialog->setFileMode(QFileDialog::ExistingFiles);
    connect(dialog, &QFileDialog::filesSelected, this, &MakerWindow::addPictures);
    dialog->open();
}

void MakerWindow::choosePicture(int index)
{
    const QString title =
        index < m_draft.pictureCount()
            ? tr("Choose picture %1 of pair %2").arg(index % 2 + 1).arg(index / 2 + 1)
            : tr("Choose the partner of pair %1").arg(index / 2 + 1);
    QFileDialog *dialog = fileDialog(title, pictureFilter());
    dialog->setFileMode(QFileDialog::ExistingFile);
    connect(dialog, &QFileDialog::fileSelected, this, [this, index](const QString &file) {
        if (index >= m_draft.pictureCount()) {
            m_draft.add({file}, m_language);
        } else {
            m_draft.replace(index, file, m_language);
        }
        m_unsaved = true;
        showPairs({QStringLiteral("picture-%1").arg(index)});
    });
    dialog->open();
}

void MakerWindow::chooseOpen()
{
    auto *dialog = new QDialog(this);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->setWindowTitle(tr("Open a set"));
    auto *layout = new QVBoxLayout(dialog);
    auto *label =
        new QLabel(tr("Your sets in %1:").arg(QDir::toNativeSeparators(m_maker.setsFolder())));
    label->setWordWrap(true);
    auto *list = new QListWidget;
    label->setBuddy(list);
    list->setAccessibleName(tr("Your sets"));
    QStringList names = QDir(m_maker.setsFolder()).entryList(QDir::Dirs | QDir::NoDotAndDotDot);
    QCollator collator;
    std::sort(names.begin(), names.end(), collator);
    list->addItems(names);
    list->setCurrentRow(0);
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Open | QDialogButtonBox::Cancel);
    buttons->button(QDialogButtonBox::Open)->setEnabled(!names.isEmpty());
    connect(buttons, &QDialogButtonBox::accepted, dialog, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, dialog, &QDialog::reject);
    connect(list, &QListWidget::itemActivated, dialog, &QDialog::accept);
    layout->addWidget(label);
    layout->addWidget(list, 1);
    if (names.isEmpty())
        layout->addWidget(new QLabel(tr("No set yet: make one and save it.")));
    layout->addWidget(buttons);
    connect(dialog, &QDialog::accepted, this, [this, list] {
        if (!list->currentItem())
            return;
        const QString name = list->currentItem()->text();
        const auto load = [this, name] {
            QGuiApplication::setOverrideCursor(Qt::WaitCursor);
            const LoadedSet set = m_maker.load(name);
            openSet(set);
            QGuiApplication::restoreOverrideCursor();
        };
        if (!m_unsaved || m_draft.pictureCount() == 0)
            return load();
        auto *ask = new QMessageBox(QMessageBox::Question, tr("Leave this set unsaved?"),
                                    tr("This set has not been saved. Open \"%1\" and leave "
                                       "it unsaved?")
                                        .arg(name),
                                    QMessageBox::Discard | QMessageBox::Cancel, this);
        ask->setAttribute(Qt::WA_DeleteOnClose);
        connect(ask->button(QMessageBox::Discard), &QAbstractButton::clicked, this, load);
        ask->open();
    });
    dialog->resize(QSize(420, 480).boundedTo(screen()->availableGeometry().size() - WindowFrame));
    dialog->open();
}

void MakerWindow::chooseExport()
{
    if (m_editing.isEmpty() || m_unsaved) {
        tell(tr("Save the set before exporting it."), true);
        return;
    }
    QFileDialog *dialog = fileDialog(tr("Export the set as a .zip file"), tr("Zip files (*.zip)"));
    dialog->setAcceptMode(QFileDialog::AcceptSave);
    dialog->setDefaultSuffix(QStringLiteral("zip"));
    dialog->selectFile(QFileInfo(m_editing).fileName() + QStringLiteral(".zip"));
    connect(dialog, &QFileDialog::fileSelected, this, [this](const QString &zip) {
        const QString folder = m_editing;
        runWork(
            tr("Exporting…"),
            [folder, zip](const SaveOptions &) {
                return MadeSet{zip, SetArchive::exportSet(folder, zip)};
            },
            [this](const MadeSet &made) {
                if (made.saved())
                    tell(tr("Exported to %1.").arg(QDir::toNativeSeparators(made.folder)), false);
                else
                    tell(tr("Nothing was exported:") + QLatin1Char('\n') +
                             made.problems.join(QLatin1Char('\n')),
                         true);
            });
    });
    dialog->open();
}

void MakerWindow::chooseImport()
{
    QFileDialog *dialog = fileDialog(tr("Import a set from a .zip file"), tr("Zip files (*.zip)"));
    dialog->setFileMode(QFileDialog::ExistingFile);
    connect(dialog, &QFileDialog::fileSelected, this, [this](const QString &zip) {
        const SetMaker maker = m_maker;
        runWork(
            tr("Importing…"),
            [maker, zip](const SaveOptions &options) {
                return SetArchive::importSet(zip, maker, options);
            },
            [this](const MadeSet &made) {
                if (!made.saved()) {
                    tell(tr("Nothing was imported:") + QLatin1Char('\n') +
                             made.problems.join(QLatin1Char('\n')),
                         true);
                    return;
                }
                openSet(m_maker.load(QFileInfo(made.folder).fileName()));
            });
    });
    dialog->open();
}

void MakerWindow::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    // The cards are measured on the screen the window is on: moved to another, anew.
    if (QWindow *window = windowHandle(); window && !m_followsScreen) {
        m_followsScreen = true;
        connect(window, &QWindow::screenChanged, this, [this](QScreen *now) {
            if (!now || m_work.isRunning())
                return;
            m_draft.setScreen(now->geometry().size());
            showPairs();
        });
    }
}

void MakerWindow::dragEnterEvent(QDragEnterEvent *event)
{
    if (!localFiles(event->mimeData()).isEmpty())
        event->acceptProposedAction();
}

void MakerWindow::dropEvent(QDropEvent *event)
{
    addPictures(localFiles(event->mimeData()));
    event->acceptProposedAction();
}

void MakerWindow::closeEvent(QCloseEvent *event)
{
    if (m_work.isRunning()) {
        // Closes once the work is done; a save that fails keeps the window open to say why.
        m_closeWhenDone = true;
        event->ignore();
        return;
    }
    if (!m_discarded && m_unsaved && m_draft.pictureCount() > 0) {
        auto *ask = new QMessageBox(QMessageBox::Question, tr("Close without saving?"),
                                    tr("The set has not been saved. Close and leave it unsaved?"),
                                    QMessageBox::Discard | QMessageBox::Cancel, this);
        ask->setAttribute(Qt::WA_DeleteOnClose);
        connect(ask->button(QMessageBox::Discard), &QAbstractButton::clicked, this, [this] {
            m_discarded = true;
            close();
        });
        ask->open();
        event->ignore();
        return;
    }
    event->accept();
}

void MakerWindow::save()
{
    if (m_work.isRunning())
        return;
    const QString name = m_draft.name();
    const bool overItself = !m_editing.isEmpty() && m_maker.folderOf(name) == m_editing;
    SaveOptions asked;
    asked.replace = true;
    asked.editing = m_editing;
    if (!overItself && !name.isEmpty() && QFileInfo::exists(m_maker.folderOf(name)) &&
        m_maker.problems(name, m_draft.pictures(), asked).isEmpty()) {
        auto *ask = new QMessageBox(QMessageBox::Question, tr("Replace the set?"),
                                    tr("A set named \"%1\" already exists. Replace it with "
                                       "this one?")
                                        .arg(name),
                                    QMessageBox::Cancel, this);
        ask->addButton(tr("&Replace"), QMessageBox::AcceptRole);
        ask->setAttribute(Qt::WA_DeleteOnClose);
        connect(ask, &QMessageBox::accepted, this, [this] { saveAs(true); });
        ask->open();
        return;
    }
    saveAs(false);
}

void MakerWindow::saveAs(bool replace)
{
    const SetMaker maker = m_maker;
    const QString name = m_draft.name();
    const std::vector<MadePicture> pictures = m_draft.pictures();
    runWork(
        tr("Saving…"),
        [maker, name, pictures, replace, editing = m_editing](SaveOptions options) {
            options.replace = replace;
            options.editing = editing;
            return maker.save(name, pictures, options);
        },
        [this, name](const MadeSet &made) {
            if (!made.saved()) {
                tell(tr("Nothing was saved:") + QLatin1Char('\n') +
                         made.problems.join(QLatin1Char('\n')),
                     true);
                return;
            }
            // The pictures now read from the set's own copies, so that saving again keeps
            // their bytes.
            m_draft.saved(m_maker.load(QFileInfo(made.folder).fileName()).pictures,
                          m_editing.isEmpty() ? made.folder : m_editing);
            m_editing = made.folder;
            m_unsaved = false;
            showPairs();
            tell(tr("Saved in %1. The game lists the set as \"%2\".")
                     .arg(QDir::toNativeSeparators(made.folder), name),
                 false);
        });
}

void MakerWindow::runWork(const QString &what, std::function<MadeSet(SaveOptions)> work,
                          std::function<void(const MadeSet &)> done)
{
    if (m_work.isRunning())
        return;
    m_cancel = std::make_shared<std::atomic_bool>(false);
    SaveOptions options;
    options.cancel = m_cancel.get();
    options.progress = [this](int count, int total) {
        QMetaObject::invokeMethod(
            this, [this, count, total] { showProgress(count, total); }, Qt::QueuedConnection);
    };
    m_progressText->setText(what);
    m_progress->setRange(0, 0);
    showWorking(true);
    // The cancel flag lives as long as the worker's copy of it.
    const std::shared_ptr<std::atomic_bool> cancel = m_cancel;
    disconnect(&m_work, &QFutureWatcher<MadeSet>::finished, this, nullptr);
    connect(&m_work, &QFutureWatcher<MadeSet>::finished, this, [this, done] {
        showWorking(false);
        showPairs();
        // Said last, so that the rows made anew do not clear it.
        done(m_work.result());
        if (std::exchange(m_closeWhenDone, false))
            close();
    });
    m_work.setFuture(QtConcurrent::run([work, options, cancel] { return work(options); }));
}

void MakerWindow::showWorking(bool working)
{
    // The keys go to Cancel, and come back where they were: taken before the controls that
    // have them are disabled.
    if (working)
        m_focusBefore = QApplication::focusWidget();
    for (QWidget *progress :
         {static_cast<QWidget *>(m_progressText), static_cast<QWidget *>(m_progress),
          static_cast<QWidget *>(m_cancelWork)})
        progress->setVisible(working);
    // Nothing changes the set while it is being saved; the rows are made anew after.
    m_pairs->setEnabled(!working);
    m_name->setEnabled(!working);
    for (QPushButton *button : findChildren<QPushButton *>()) {
        if (button != m_cancelWork && !m_pairs->isAncestorOf(button))
            button->setEnabled(!working);
    }
    if (working)
        m_cancelWork->setFocus();
    else if (m_focusBefore && m_focusBefore->isEnabled())
        m_focusBefore->setFocus();
}

void MakerWindow::showProgress(int done, int total)
{
    m_progress->setRange(0, total);
    m_progress->setValue(done);
}

void MakerWindow::undoRemoval()
{
    const int pair = m_draft.undoRemoval();
    if (pair < 0)
        return;
    m_unsaved = true;
    // The keys stay on Undo while there is more to undo, else go to the pair back.
    const bool again = m_undo->hasFocus() && m_draft.removals() > 0;
    showPairs(again ? QStringList() : QStringList{QStringLiteral("caption-%1").arg(2 * pair)});
    m_announcer->announce(m_count->text());
}

void MakerWindow::tell(const QString &message, bool problem)
{
    m_status->setText(message);
    m_status->show();
    m_status->setStyleSheet(problem ? QStringLiteral("color: #b00000") : QString());
    m_announcer->announce(message);
    if (!problem)
        return;
    auto *box =
        new QMessageBox(QMessageBox::Warning, windowTitle(), message, QMessageBox::Ok, this);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->open();
}

void MakerWindow::changePair(int pair, PairAction action)
{
    QStringList focus;
    switch (action) {
    case MoveUp:
        m_draft.movePair(pair, -1);
        // The first pair cannot move up: its Down button takes the keys.
        focus << actionName("up", pair - 1) << actionName("down", pair - 1);
        break;
    case MoveDown:
        m_draft.movePair(pair, 1);
        focus << actionName("down", pair + 1) << actionName("up", pair + 1);
        break;
    case Swap:
        m_draft.swapPair(pair);
        focus << actionName("swap", pair);
        break;
    case Remove:
        m_draft.removePair(pair);
        break;
    case ActionCount:
        break;
    }
    m_unsaved = true;
    showPairs(focus);
    // The keys go to Undo, never on to the next pair's Remove.
    if (action == Remove) {
        m_undo->setFocus();
        tell(tr("Pair %1 removed; Ctrl+Z puts it back. %2").arg(pair + 1).arg(m_count->text()),
             false);
    }
}

void MakerWindow::exchangeMenu(int index, QPushButton *button)
{
    auto *menu = new QMenu(this);
    menu->setAttribute(Qt::WA_DeleteOnClose);
    for (int other = 0; other < m_draft.pictureCount(); ++other) {
        if (other / 2 == index / 2)
            continue;
        const QString text = tr("picture %1 of pair %2: %3")
                                 .arg(other % 2 + 1)
                                 .arg(other / 2 + 1)
                                 .arg(m_draft.picture(other).caption);
        menu->addAction(text, this, [this, index, other] {
            m_draft.exchange(index, other);
            m_unsaved = true;
            showPairs({QStringLiteral("exchange-%1").arg(index)});
        });
    }
    // The first picture is marked, so that the arrow keys start from it.
    menu->setActiveAction(menu->actions().value(0));
    menu->popup(button->mapToGlobal(QPoint(0, button->height())));
}

void MakerWindow::showPairs(const QStringList &focus)
{
    // A message of the pairs as they were no longer holds.
    m_status->hide();
    // The old rows go once the button pressed in them has returned; the view stays where it
    // was.
    const int scrolled = m_pairs->verticalScrollBar()->value();
    // Without a control named, the keys stay on the one of the old rows that has them.
    QStringList wanted = focus;
    if (QWidget *had = QApplication::focusWidget();
        wanted.isEmpty() && had && m_pairs->widget() && m_pairs->widget()->isAncestorOf(had))
        wanted << had->objectName();
    if (QWidget *old = m_pairs->takeWidget())
        old->deleteLater();
    auto *rows = new QWidget;
    auto *layout = new QVBoxLayout(rows);
    for (int p = 0; p < m_draft.pairCount(); ++p)
        layout->addWidget(pairRow(p));
    layout->addStretch(1);
    m_empty->setVisible(m_draft.pairCount() == 0);
    m_pairs->setWidget(rows);
    layout->activate();
    m_pairs->verticalScrollBar()->setValue(scrolled);
    showCount();
    m_undo->setEnabled(m_draft.removals() > 0);

    for (const QString &name : std::as_const(wanted)) {
        if (auto *button = rows->findChild<QWidget *>(name); button && button->isEnabled()) {
            button->setFocus();
            // The whole row where it fits, and the button in any case.
            for (QWidget *row = button; row; row = row->parentWidget()) {
                if (dynamic_cast<PairRow *>(row)) {
                    m_pairs->ensureWidgetVisible(row, 0, 0);
                    break;
                }
            }
            m_pairs->ensureWidgetVisible(button);
            break;
        }
    }
}

void MakerWindow::showCount()
{
    const int pairs = m_draft.pictureCount() / 2;
    QString count = SetMaker::boardsAdvice(pairs);
    if (m_draft.pictureCount() % 2 != 0)
        count += QStringLiteral(". ") + tr("A picture waits for its partner.");
    m_count->setText(count);
}

PairRow *MakerWindow::pairRow(int pair)
{
    auto *row = new PairRow;
    row->setText(m_draft.pairText(pair));
    auto *layout = new QGridLayout(row);
    auto *number = new QLabel(QString::number(pair + 1));
    QFont bold = number->font();
    bold.setBold(true);
    bold.setPointSizeF(bold.pointSizeF() * 1.5);
    number->setFont(bold);
    layout->addWidget(number, 0, 0, Qt::AlignTop);
    layout->addLayout(pictureCell(2 * pair, row), 0, 1);
    const bool whole = 2 * pair + 1 < m_draft.pictureCount();
    if (whole) {
        layout->addLayout(pictureCell(2 * pair + 1, row), 0, 2);
    } else {
        auto *waiting = new QPushButton(tr("Choose its par&tner…"));
        waiting->setObjectName(QStringLiteral("picture-%1").arg(2 * pair + 1));
        connect(waiting, &QPushButton::clicked, this,
                [this, pair] { choosePicture(2 * pair + 1); });
        layout->addWidget(waiting, 0, 2, Qt::AlignTop);
    }
    layout->setColumnStretch(1, 1);
    layout->setColumnStretch(2, 1);

    const std::pair<QString, QString> texts[ActionCount] = {
        {tr("Up"), tr("Move pair %1 up").arg(pair + 1)},
        {tr("Down"), tr("Move pair %1 down").arg(pair + 1)},
        {tr("Swap"), tr("Swap the pictures of pair %1").arg(pair + 1)},
        {tr("Remove"), tr("Remove pair %1").arg(pair + 1)},
    };
    const char *names[ActionCount] = {"up", "down", "swap", "remove"};
    const bool enabled[ActionCount] = {whole && pair > 0,
                                       whole && 2 * pair + 3 < m_draft.pictureCount(), whole, true};
    auto *column = new QVBoxLayout;
    for (int action = 0; action < ActionCount; ++action) {
        auto *button = new QPushButton(texts[action].first);
        button->setObjectName(actionName(names[action], pair));
        button->setAccessibleName(texts[action].second);
        button->setToolTip(texts[action].second);
        button->setEnabled(enabled[action]);
        connect(button, &QPushButton::clicked, this,
                [this, pair, action] { changePair(pair, PairAction(action)); });
        column->addWidget(button);
    }
    column->addStretch(1);
    layout->addLayout(column, 0, 3);
    return row;
}

QLayout *MakerWindow::pictureCell(int index, PairRow *row)
{
    const int pair = index / 2 + 1, half = index % 2 + 1;
    const MadePicture &picture = m_draft.picture(index);
    auto *layout = new QVBoxLayout;

    auto *shown = new QLabel;
    shown->setPixmap(preview(index));
    shown->setAccessibleName(tr("Picture %1 of pair %2 as the board shows it").arg(half).arg(pair));
    layout->addWidget(shown);

    auto *file = new QLabel(shownFileName(QFileInfo(picture.source).fileName()));
    file->setToolTip(picture.source);
    layout->addWidget(file);

    auto *buttons = new QHBoxLayout;
    auto *choose = new QPushButton(tr("Picture…"));
    choose->setObjectName(QStringLiteral("picture-%1").arg(index));
    choose->setAccessibleName(tr("Choose picture %1 of pair %2").arg(half).arg(pair));
    choose->setToolTip(choose->accessibleName());
    connect(choose, &QPushButton::clicked, this, [this, index] { choosePicture(index); });
    auto *exchange = new QPushButton(tr("Exchange…"));
    exchange->setObjectName(QStringLiteral("exchange-%1").arg(index));
    exchange->setAccessibleName(
        tr("Exchange picture %1 of pair %2 with one of another pair").arg(half).arg(pair));
    exchange->setToolTip(exchange->accessibleName());
    exchange->setEnabled(m_draft.pairCount() > 1);
    connect(exchange, &QPushButton::clicked, this,
            [this, index, exchange] { exchangeMenu(index, exchange); });
    buttons->addWidget(choose);
    buttons->addWidget(exchange);
    layout->addLayout(buttons);

    auto *caption = new QLineEdit(picture.caption);
    caption->setObjectName(QStringLiteral("caption-%1").arg(index));
    caption->setAccessibleName(tr("Caption of picture %1 of pair %2").arg(half).arg(pair));
    caption->setToolTip(tr("What a screen reader says of the card"));
    layout->addWidget(caption);
    auto *camera = new QLabel(tr("A camera's name: rename it to what the card shows."));
    camera->setWordWrap(true);
    camera->setStyleSheet(QStringLiteral("color: #b00000"));
    camera->setVisible(SetMaker::looksLikeCameraName(picture.caption));
    layout->addWidget(camera);
    connect(caption, &QLineEdit::textChanged, this,
            [this, index, row, camera](const QString &text) {
                m_draft.setCaption(index, text);
                m_unsaved = true;
                row->setText(m_draft.pairText(index / 2));
                camera->setVisible(SetMaker::looksLikeCameraName(text));
            });

    QString note;
    bool warning = true;
    const QSize screenSize = screen()->geometry().size();
    if (m_draft.look(index).preview.isNull()) {
        note = tr("Not a picture the game reads: the set cannot be saved with it.");
    } else if (const auto cut = m_draft.cut(index)) {
        note = tr("⚠ On this screen (%1×%2) a board of %3 pairs cuts its drawing (rows %4–%5 %): "
                  "a card shows rows %6–%7 %.")
                   .arg(screenSize.width())
                   .arg(screenSize.height())
                   .arg(cut->pairs)
                   .arg(percent(m_draft.look(index).drawing->top),
                        percent(m_draft.look(index).drawing->bottom))
                   .arg(percent(cut->shown.top), percent(cut->shown.bottom));
    } else {
        const ShownRows band = m_draft.band(index);
        warning = false;
        note = band.height() >= 0.995
                   ? tr("Every board shows all of it.")
                   : tr("Every board shows its drawing; the smallest card shows rows %1–%2 %.")
                         .arg(percent(band.top), percent(band.bottom));
    }
    auto *noteLabel = new QLabel(note);
    noteLabel->setWordWrap(true);
    if (warning)
        noteLabel->setStyleSheet(QStringLiteral("color: #b00000; font-weight: bold"));
    shown->setAccessibleDescription(note);
    layout->addWidget(noteLabel);
    layout->addStretch(1);
    return layout;
}

QPixmap MakerWindow::preview(int index) const
{
    const PictureLook &look = m_draft.look(index);
    if (look.preview.isNull()) {
        QPixmap none(PreviewWidth, PreviewWidth * 3 / 4);
        none.fill(palette().color(QPalette::Mid));
        return none;
    }
    const QImage image = look.preview.scaledToWidth(PreviewWidth, Qt::SmoothTransformation);
    QPixmap shown = QPixmap::fromImage(image);
    QPainter p(&shown);
    const int h = image.height();
    const ShownRows band = m_draft.band(index);
    const int top = qRound(band.top * h), bottom = qRound(band.bottom * h);
    // What no card shows is shaded; the card's edges are drawn across.
    p.fillRect(0, 0, PreviewWidth, top, QColor(0, 0, 0, 150));
    p.fillRect(0, bottom, PreviewWidth, h - bottom, QColor(0, 0, 0, 150));
    p.setPen(QPen(QColor(0x20, 0x60, 0xE0), 2));
    p.drawLine(0, top, PreviewWidth, top);
    p.drawLine(0, bottom - 1, PreviewWidth, bottom - 1);
    if (m_draft.cut(index)) {
        p.setPen(QPen(QColor(0xD0, 0x10, 0x10), 2, Qt::DashLine));
        p.drawLine(0, qRound(look.drawing->top * h), PreviewWidth, qRound(look.drawing->top * h));
        p.drawLine(0, qRound(look.drawing->bottom * h) - 1, PreviewWidth,
                   qRound(look.drawing->bottom * h) - 1);
    }
    return shown;
}
