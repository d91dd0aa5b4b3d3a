// SPDX-FileCopyrightText: 2026 The Zindle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "makerwindow.h"

#include "files/filenames.h"
#include "rules/paircounts.h"

#include <QCloseEvent>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileDialog>
#include <QFileInfo>
#include <QFrame>
#include <QGridLayout>
#include <QGuiApplication>
#include <QImageReader>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QMimeData>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QStandardPaths>
#include <QVBoxLayout>
#include <utility>

namespace
{

// The preview's width on screen, in pixels.
constexpr int PreviewWidth = 160;

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

} // namespace

MakerWindow::MakerWindow(QString setsFolder, QString language, QWidget *parent)
    : QWidget(parent), m_maker(std::move(setsFolder)), m_language(std::move(language))
{
    setWindowTitle(tr("Make a picture set"));
    setAcceptDrops(true);
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
    auto *add = new QPushButton(tr("&Add pictures…"));
    add->setShortcut(QKeySequence::Open);
    connect(add, &QPushButton::clicked, this, &MakerWindow::choosePictures);
    nameRow->addWidget(add);
    layout->addLayout(nameRow);

    auto *help = new QLabel(
        tr("Choose the pictures two by two, each followed by its partner, or drop them here. "
           "Each card shows as the board shows it: the shaded rows are cut off on the smallest "
           "card the set can get. Every caption is what a screen reader says of its card."));
    help->setWordWrap(true);
    help->setAccessibleName(tr("How to make a set"));
    layout->addWidget(help);

    m_pairs = new QScrollArea;
    m_pairs->setWidgetResizable(true);
    m_pairs->setAccessibleName(tr("Pairs"));
    layout->addWidget(m_pairs, 1);

    m_count = new QLabel;
    m_count->setAccessibleName(tr("Pairs in the set"));
    layout->addWidget(m_count);
    m_status = new QLabel;
    m_status->setWordWrap(true);
    m_status->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    m_status->setAccessibleName(tr("Messages"));
    layout->addWidget(m_status);

    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    auto *saveButton = new QPushButton(tr("&Save"));
    saveButton->setShortcut(QKeySequence::Save);
    saveButton->setAccessibleName(tr("Save the set"));
    saveButton->setDefault(true);
    connect(saveButton, &QPushButton::clicked, this, &MakerWindow::save);
    auto *close = new QPushButton(tr("&Close"));
    connect(close, &QPushButton::clicked, this, &QWidget::close);
    buttons->addWidget(saveButton);
    buttons->addWidget(close);
    layout->addLayout(buttons);

    // Room for two cards side by side, within the desktop's free area and a title bar: a
    // laptop's 768 lines less its panels.
    const QSize titleBar(0, 40);
    resize(QSize(820, 720).boundedTo(screen()->availableGeometry().size() - titleBar));
    showPairs();
}

void MakerWindow::addPictures(const QStringList &paths)
{
    if (paths.isEmpty())
        return;
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    m_draft.add(paths, m_language);
    QGuiApplication::restoreOverrideCursor();
    m_unsaved = true;
    showPairs();
}

void MakerWindow::choosePictures()
{
    QStringList patterns;
    for (const QByteArray &format : QImageReader::supportedImageFormats())
        patterns << QStringLiteral("*.") + QString::fromLatin1(format);
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::PicturesLocation);
    addPictures(QFileDialog::getOpenFileNames(
        this, tr("Choose pictures, each followed by its partner"), folder,
        tr("Pictures (%1)").arg(patterns.join(QLatin1Char(' ')))));
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
    if (m_unsaved && m_draft.pictureCount() > 0 &&
        QMessageBox::question(this, tr("Close without saving?"),
                              tr("The set has not been saved. Close and leave it unsaved?"),
                              QMessageBox::Discard | QMessageBox::Cancel,
                              QMessageBox::Cancel) != QMessageBox::Discard) {
        event->ignore();
        return;
    }
    event->accept();
}

void MakerWindow::save()
{
    const QString name = m_draft.name();
    if (!name.isEmpty() && QFileInfo::exists(m_maker.folderOf(name)) &&
        m_maker.problems(name, m_draft.pictures(), true).isEmpty()) {
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
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    const MadeSet made = m_maker.save(m_draft.name(), m_draft.pictures(), replace);
    QGuiApplication::restoreOverrideCursor();
    if (!made.saved()) {
        tell(tr("Nothing was saved:") + QLatin1Char('\n') + made.problems.join(QLatin1Char('\n')),
             true);
        return;
    }
    m_unsaved = false;
    tell(tr("Saved in %1. The game lists the set as \"%2\".")
             .arg(QDir::toNativeSeparators(made.folder), m_draft.name()),
         false);
}

void MakerWindow::tell(const QString &message, bool problem)
{
    m_status->setText(message);
    auto *box = new QMessageBox(problem ? QMessageBox::Warning : QMessageBox::Information,
                                windowTitle(), message, QMessageBox::Ok, this);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->open();
}

void MakerWindow::changePair(int pair, PairAction action)
{
    int focus = pair;
    switch (action) {
    case MoveUp:
        m_draft.movePair(pair, -1);
        focus = std::max(0, pair - 1);
        break;
    case MoveDown:
        m_draft.movePair(pair, 1);
        focus = std::min(m_draft.pairCount() - 1, pair + 1);
        break;
    case Swap:
        m_draft.swapPair(pair);
        break;
    case Remove:
        m_draft.removePair(pair);
        focus = std::min(pair, m_draft.pairCount() - 1);
        break;
    case ActionCount:
        break;
    }
    m_unsaved = true;
    showPairs(focus, action);
}

void MakerWindow::showPairs(int pair, int action)
{
    // The old rows go once the button pressed in them has returned.
    if (QWidget *old = m_pairs->takeWidget())
        old->deleteLater();
    auto *rows = new QWidget;
    auto *layout = new QVBoxLayout(rows);
    std::vector<std::vector<QPushButton *>> buttons(std::size_t(m_draft.pairCount()));
    for (int p = 0; p < m_draft.pairCount(); ++p)
        layout->addWidget(pairRow(p, buttons[std::size_t(p)]));
    if (m_draft.pairCount() == 0) {
        auto *empty = new QLabel(tr("No pairs yet: add pictures, or drop them here."));
        empty->setAlignment(Qt::AlignCenter);
        layout->addWidget(empty);
    }
    layout->addStretch(1);
    m_pairs->setWidget(rows);

    const int pairs = m_draft.pictureCount() / 2;
    QString count = tr("%n pairs", nullptr, pairs);
    if (m_draft.pictureCount() % 2 != 0)
        count += QLatin1Char(' ') + tr("and a picture waiting for its partner");
    if (pairs < PairCounts::pairsFor(0))
        count += QStringLiteral(". ") +
                 tr("The game deals boards of %1 pairs and more.").arg(PairCounts::pairsFor(0));
    m_count->setText(count);

    if (pair >= 0 && pair < int(buttons.size()) && action >= 0) {
        QPushButton *button = buttons[std::size_t(pair)][std::size_t(action)];
        if (!button->isEnabled())
            button = buttons[std::size_t(pair)][Swap];
        button->setFocus();
        m_pairs->ensureWidgetVisible(button);
    }
}

QWidget *MakerWindow::pairRow(int pair, std::vector<QPushButton *> &buttons)
{
    auto *row = new QFrame;
    row->setFrameShape(QFrame::StyledPanel);
    row->setAccessibleName(tr("Pair %1").arg(pair + 1));
    auto *layout = new QGridLayout(row);
    auto *number = new QLabel(QString::number(pair + 1));
    QFont bold = number->font();
    bold.setBold(true);
    bold.setPointSizeF(bold.pointSizeF() * 1.5);
    number->setFont(bold);
    number->setAccessibleName(tr("Pair %1").arg(pair + 1));
    layout->addWidget(number, 0, 0, Qt::AlignTop);
    layout->addWidget(pictureCell(2 * pair), 0, 1);
    if (2 * pair + 1 < m_draft.pictureCount()) {
        layout->addWidget(pictureCell(2 * pair + 1), 0, 2);
    } else {
        auto *waiting = new QLabel(tr("Add its partner with “Add pictures…”."));
        waiting->setWordWrap(true);
        layout->addWidget(waiting, 0, 2);
    }
    layout->setColumnStretch(1, 1);
    layout->setColumnStretch(2, 1);

    const bool whole = 2 * pair + 1 < m_draft.pictureCount();
    const std::pair<QString, QString> texts[ActionCount] = {
        {tr("Up"), tr("Move pair %1 up").arg(pair + 1)},
        {tr("Down"), tr("Move pair %1 down").arg(pair + 1)},
        {tr("Swap"), tr("Swap the pictures of pair %1").arg(pair + 1)},
        {tr("Remove"), tr("Remove pair %1").arg(pair + 1)},
    };
    const bool enabled[ActionCount] = {whole && pair > 0,
                                       whole && 2 * pair + 3 < m_draft.pictureCount(), whole, true};
    auto *column = new QVBoxLayout;
    for (int action = 0; action < ActionCount; ++action) {
        auto *button = new QPushButton(texts[action].first);
        button->setAccessibleName(texts[action].second);
        button->setToolTip(texts[action].second);
        button->setEnabled(enabled[action]);
        connect(button, &QPushButton::clicked, this,
                [this, pair, action] { changePair(pair, PairAction(action)); });
        column->addWidget(button);
        buttons.push_back(button);
    }
    column->addStretch(1);
    layout->addLayout(column, 0, 3);
    return row;
}

QWidget *MakerWindow::pictureCell(int index)
{
    const int pair = index / 2 + 1, half = index % 2 + 1;
    const MadePicture &picture = m_draft.picture(index);
    auto *cell = new QWidget;
    auto *layout = new QVBoxLayout(cell);
    layout->setContentsMargins(0, 0, 0, 0);

    auto *shown = new QLabel;
    shown->setPixmap(preview(index));
    shown->setAccessibleName(tr("Picture %1 of pair %2 as the board shows it").arg(half).arg(pair));
    layout->addWidget(shown);

    auto *file = new QLabel(shownFileName(QFileInfo(picture.source).fileName()));
    file->setAccessibleName(tr("File of picture %1 of pair %2").arg(half).arg(pair));
    file->setToolTip(picture.source);
    layout->addWidget(file);

    auto *caption = new QLineEdit(picture.caption);
    caption->setAccessibleName(tr("Caption of picture %1 of pair %2").arg(half).arg(pair));
    caption->setToolTip(tr("What a screen reader says of the card"));
    connect(caption, &QLineEdit::textChanged, this, [this, index](const QString &text) {
        m_draft.setCaption(index, text);
        m_unsaved = true;
    });
    layout->addWidget(caption);

    QString note;
    bool warning = true;
    if (m_draft.look(index).preview.isNull()) {
        note = tr("Not a picture the game reads: the set cannot be saved with it.");
    } else if (const auto cut = m_draft.cut(index)) {
        note = tr("⚠ The board cuts its drawing (rows %1–%2 %): with %3 pairs on a %4×%5 "
                  "screen a card shows rows %6–%7 %.")
                   .arg(percent(m_draft.look(index).drawing->top),
                        percent(m_draft.look(index).drawing->bottom))
                   .arg(cut->leastPairs)
                   .arg(cut->leastScreen.width())
                   .arg(cut->leastScreen.height())
                   .arg(percent(cut->least.top), percent(cut->least.bottom));
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
    noteLabel->setAccessibleName(warning ? tr("Warning") : tr("How the board shows it"));
    if (warning)
        noteLabel->setStyleSheet(QStringLiteral("color: #b00000; font-weight: bold"));
    shown->setAccessibleDescription(note);
    layout->addWidget(noteLabel);
    layout->addStretch(1);
    return cell;
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
