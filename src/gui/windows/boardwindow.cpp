// SPDX-FileCopyrightText: 2026 The Zindle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "boardwindow.h"

#include "cards/boardlayout.h"
#include "cards/cardgeometry.h"
#include "cards/dealtcards.h"
#include "controls/announcer.h"
#include "look/colours.h"
#include "look/design.h"
#include "platform/services.h"
#include "run/announcements.h"
#include "run/run.h"
#include "screen/twips.h"
#include "texts/cleantext.h"
#include "windows/windowflow.h"

#include <QKeyEvent>
#include <QRegularExpression>
#include <QTimer>

namespace
{

constexpr auto OpenSound = "/sonidos/abrir.wav";
constexpr auto PairSound = "/sonidos/cerrar.wav";
constexpr auto MissSound = "/sonidos/fallo.wav";

// The top bar, in twips: the close button 10 from the screen's right edge and the list
// button 20 left of it, both 1 from the top; the clock 800 left of the list button and the
// name above the first card, both 25 from the top.
constexpr int CloseButtonRight = 10;
constexpr int ButtonsGap = 20;
constexpr int ButtonsTop = 1;
constexpr int ClockBeforeButtons = 800;
constexpr int LabelsTop = 25;

QString indexed(const char *name, int index)
{
    return QStringLiteral("%1%2").arg(QLatin1String(name)).arg(index);
}

void setTwips(QWidget *w, int left, int top, int width, int height)
{
    w->setGeometry(twipsRect(left, top, width, height));
}

int widthTwips(const QWidget *w)
{
    return w->width() * TwipsPerPixel;
}

} // namespace

void BoardWindow::buildControls()
{
    setWindowFlags(Qt::Window | Qt::FramelessWindowHint);
    setBackgroundColour(this, Colours::BoardBackground);
    // The board itself takes the keys, so that no single key presses one of its buttons.
    setFocusPolicy(Qt::StrongFocus);
    setFocus();

    // Labels first: the light controls lie behind the boxes and buttons.
    m_nameLabel = new QLabel(this);
    m_nameLabel->setObjectName(QStringLiteral("nameLabel"));
    setTwips(m_nameLabel, 360, 0, 2655, 495);
    m_nameLabel->setFont(designFont(12));
    setBackgroundColour(m_nameLabel, Colours::PlayerNameBackground);
    m_clockLabel = new QLabel(this);
    m_clockLabel->setObjectName(QStringLiteral("clockLabel"));
    setTwips(m_clockLabel, 5760, 120, 4455, 615);
    m_clockLabel->setFont(designFont(14.25));
    for (QLabel *label : {m_nameLabel.data(), m_clockLabel.data()})
        label->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    auto *box = new CardBox(this);
    setTwips(box, BoardOriginLeft, BoardOriginTop, 1215, 1095);
    auto *picture = new CardImage(box->inner());
    setTwips(picture, 120, 120, 855, 735);
    picture->hide();
    auto *frame = new SelectionFrame(box->inner());
    setTwips(frame, 0, 0, 1215, 1095);
    frame->hide();
    m_cardBoxes = {box};
    m_cardImages = {picture};
    m_selectionFrames = {frame};

    m_closeButton = new PictureButton(QStringLiteral(":/images/board_close.svg"), this);
    m_closeButton->setObjectName(QStringLiteral("closeButton"));
    setTwips(m_closeButton, 7920, 0, 375, 375);
    m_listButton = new PictureButton(QStringLiteral(":/images/board_list.svg"), this);
    m_listButton->setObjectName(QStringLiteral("listButton"));
    setTwips(m_listButton, 7560, 0, 375, 375);
    for (QPushButton *b : {m_closeButton.data(), m_listButton.data()})
        setBackgroundColour(b, Colours::BoardButtonBackground, QPalette::Button);
    // The arrows move the mark also from a button reached with Tab or left with the focus
    // when the list window handed the board back.
    for (QPushButton *b : {m_closeButton.data(), m_listButton.data()})
        b->installEventFilter(this);
    connectHandler(m_closeButton.data(), &QPushButton::clicked, [this] { onCloseClicked(); });
    connectHandler(m_listButton.data(), &QPushButton::clicked, [this] { onListClicked(); });

    m_mark = new CardMark(this);
    m_announcer = new Announcer(this);
    m_announcer->setObjectName(QStringLiteral("announcer"));
    // Back on the board, assistive tools follow the keyboard's mark again.
    installEventFilter(this);

    // The run's board speaks to this window while it is there.
    Board &board = run().board();
    GameClock &clock = board.clock();
    QObject::connect(&board, &Board::cardChosen, this, [this](int k) { showChosenCard(k); });
    QObject::connect(&board, &Board::pairFound, this, [this] { showFoundPair(); });
    QObject::connect(&board, &Board::missed, this,
                     [this](int first, int second) { showMiss(first, second); });
    QObject::connect(&board, &Board::pairRemoved, this,
                     [this](int first, int second) { showRemovedPair(first, second); });
    QObject::connect(&clock, &GameClock::ticked, this, [this](int left) { showClock(left); });
}

void BoardWindow::fillControls()
{
    const Services &services = run().services();
    layOutCards();
    placeTopBar();
    for (auto literal : {OpenSound, PairSound, MissSound})
        services.sound->preload(programPath(services, QString::fromLatin1(literal)));
    showDealtCards(run().opening().outcome());
    // Once the board shows: the thumbnails its pictures left never hold it up.
    QTimer::singleShot(0, this, [this] { run().boardShown(); });
    flow().boardWindowOpening();
    // Two lines also name the picture buttons for assistive tools: the finish button's
    // caption, and the list window's title without its leading dash.
    const LanguageLines &lines = run().boardLines();
    const QString listTitle = lines.caption(LanguageLine::ListTitle);
    m_closeButton->setAccessibleName(lines.caption(LanguageLine::FinishButton));
    m_listButton->setAccessibleName(QString(listTitle).remove(QRegularExpression(
        QStringLiteral("^[\\W_]+"), QRegularExpression::UseUnicodePropertiesOption)));
    // The run keeps the name as typed; it is shown and titled clean, and cut with an
    // ellipsis where the box is too narrow, never mid-letter. Assistive tools read it whole.
    const QString player = cleanText(run().player().name());
    m_nameLabel->setText(m_nameLabel->fontMetrics().elidedText(
        player, Qt::ElideRight, m_nameLabel->contentsRect().width()));
    m_nameLabel->setAccessibleName(player);
    flow().titleResults(player + QLatin1Char(' ') + listTitle);
    const Board &board = run().board();
    setAccessibleName(
        Announcements::board(cleanText(run().boardSet()), board.pairCount(), board.clock()));
    // The first card takes the focus, so that a screen reader says it as the board opens.
    moveMark(MarkMove::Right);
}

void BoardWindow::layOutCards()
{
    Screen *screen = run().services().screen;
    fillScreen(screen->widthTwips(), screen->heightTwips());

    const BoardGeometry &geometry = run().opening().layout();
    const int cards = int(geometry.boxes.size());
    for (int i = 1; i < cards; ++i) {
        auto *box = new CardBox(this);
        box->stackUnder(m_closeButton);
        m_cardBoxes.push_back(box);
        m_cardImages.push_back(new CardImage(box->inner()));
        m_selectionFrames.push_back(new SelectionFrame(box->inner()));
    }
    for (int k = 0; k < cards; ++k) {
        const QRect &b = geometry.boxes[std::size_t(k)];
        CardBox *box = m_cardBoxes[std::size_t(k)];
        box->setObjectName(indexed("cardBox", k));
        setTwips(box, b.x(), b.y(), b.width(), b.height());
        box->show();
        CardImage *picture = m_cardImages[std::size_t(k)];
        picture->setObjectName(indexed("cardImage", k));
        const QRect pr = cardPictureRect(b.width(), b.height());
        setTwips(picture, pr.x(), pr.y(), pr.width(), pr.height());
        picture->hide();
        connectHandler(picture, &CardImage::clicked, [this, k] { onCardClicked(k); });
        SelectionFrame *frame = m_selectionFrames[std::size_t(k)];
        frame->setObjectName(indexed("selectionFrame", k));
        const QRect fr = selectionFrameRect(b.width(), b.height());
        setTwips(frame, fr.x(), fr.y(), fr.width(), fr.height());
        frame->raise();
        frame->hide();
        picture->setFrame(frame);
    }
    // One picture for every box: the part that the largest inner area shows.
    QSize inner;
    for (const CardBox *box : m_cardBoxes)
        inner = inner.expandedTo(box->contentsRect().size());
    const QPixmap background = QPixmap::fromImage(run().cardBackground(inner, devicePixelRatioF()));
    for (CardBox *box : m_cardBoxes)
        box->setBackground(background);
}

void BoardWindow::placeTopBar()
{
    const int screenWidth = run().services().screen->widthTwips();
    QPalette p = m_nameLabel->palette();
    p.setColor(QPalette::WindowText, Colours::PlayerNameText);
    m_nameLabel->setPalette(p);
    const int closeWidth = widthTwips(m_closeButton);
    const int listWidth = widthTwips(m_listButton);
    const int listLeft = screenWidth - closeWidth - ButtonsGap - listWidth;
    m_closeButton->move(twipsToPixels(screenWidth - closeWidth - CloseButtonRight),
                        twipsToPixels(ButtonsTop));
    m_listButton->move(twipsToPixels(listLeft), twipsToPixels(ButtonsTop));
    m_clockLabel->move(twipsToPixels(listLeft - ClockBeforeButtons), twipsToPixels(LabelsTop));
    m_nameLabel->move(m_cardBoxes[0]->x(), twipsToPixels(LabelsTop));
}

void BoardWindow::showDealtCards(const DealOutcome &outcome)
{
    for (const DealtCard &card : outcome.cards) {
        CardImage *image = m_cardImages[std::size_t(card.position)];
        image->setGeometry(card.picture.geometry);
        image->setPicture(card.picture.image, card.picture.visible);
        image->setCaption(card.picture.caption);
        image->show();
    }
}

void BoardWindow::play(const char *literal)
{
    const Services &services = run().services();
    services.sound->play(programPath(services, QString::fromLatin1(literal)));
}

void BoardWindow::onCardClicked(int index)
{
    run().board().click(index);
}

void BoardWindow::showChosenCard(int index)
{
    // The turn's second card: what it came to is said once, not its frame.
    showFrame(index, true, run().board().firstCard() < 0);
    play(OpenSound);
}

void BoardWindow::showFoundPair()
{
    play(PairSound);
    const Board &board = run().board();
    m_announcer->announce(Announcements::pairFound(board.pairsFound(), board.pairCount()));
}

void BoardWindow::showMiss(int first, int second)
{
    showFrame(second, false, false);
    showFrame(first, false, false);
    play(MissSound);
    m_announcer->announce(Announcements::missed());
}

void BoardWindow::showRemovedPair(int first, int second)
{
    m_cardImages[std::size_t(second)]->hide();
    m_cardImages[std::size_t(first)]->hide();
    // The focus goes on to the next card still in play, not to one that is gone.
    if (!run().board().isComplete() && (m_markedCard == first || m_markedCard == second))
        moveMark(MarkMove::Right);
}

void BoardWindow::showFrame(int k, bool shown, bool told)
{
    m_selectionFrames[std::size_t(k)]->setVisible(shown);
    if (told)
        m_cardImages[std::size_t(k)]->frameChanged();
}

bool BoardWindow::eventFilter(QObject *watched, QEvent *event)
{
    // A button being destroyed still passes its last events through here, as a plain widget.
    const auto *button = dynamic_cast<PictureButton *>(watched);
    const bool topBar = button && (button == m_closeButton || button == m_listButton);
    // One focus mark: the card's while the board has the keys, none while a button has.
    if (topBar && m_mark && (event->type() == QEvent::FocusIn || event->type() == QEvent::FocusOut))
        m_mark->setVisible(event->type() == QEvent::FocusOut && m_markedCard >= 0);
    if (event->type() == QEvent::KeyPress && topBar) {
        auto *key = static_cast<QKeyEvent *>(event);
        if (key->key() >= Qt::Key_Left && key->key() <= Qt::Key_Down) {
            return onKeyDown(key);
        }
    }
    if (event->type() == QEvent::FocusIn && m_markedCard >= 0 && m_mark && watched == this) {
        // After the window's own focus event, which would leave the tools on the window.
        QPointer<CardImage> card = m_cardImages[std::size_t(m_markedCard)];
        QTimer::singleShot(0, card, [card] { card->setMarked(true); });
    }
    return ProgramWindow::eventFilter(watched, event);
}

bool BoardWindow::onKeyDown(QKeyEvent *event)
{
    // Mirrored, the next card lies to the left.
    const bool mirrored = layoutDirection() == Qt::RightToLeft;
    MarkMove move = MarkMove::Right;
    switch (event->key()) {
    case Qt::Key_Left:
        move = mirrored ? MarkMove::Right : MarkMove::Left;
        break;
    case Qt::Key_Right:
        move = mirrored ? MarkMove::Left : MarkMove::Right;
        break;
    case Qt::Key_Up:
        move = MarkMove::Up;
        break;
    case Qt::Key_Down:
        move = MarkMove::Down;
        break;
    case Qt::Key_Space:
    case Qt::Key_Return:
    case Qt::Key_Enter:
        showMark();
        // Clicks the marked card as the mouse does.
        if (!event->isAutoRepeat() && m_markedCard >= 0)
            onCardClicked(m_markedCard);
        return true;
    default:
        return false;
    }
    showMark();
    moveMark(move);
    return true;
}

void BoardWindow::moveMark(MarkMove move)
{
    const Board &board = run().board();
    if (m_markedCard >= 0)
        m_cardImages[std::size_t(m_markedCard)]->setMarked(false);
    m_markedCard = moveCardMark(m_markedCard, move, gridFor(board.pairChoice()).columns,
                                board.cardsInPlay(cards()));
    if (m_markedCard < 0)
        return;
    // The keys that follow click the marked card, whatever had the focus.
    setFocus(Qt::OtherFocusReason);
    m_mark->markBox(m_cardBoxes[std::size_t(m_markedCard)]->geometry());
    m_mark->setVisible(m_markShown);
    m_cardImages[std::size_t(m_markedCard)]->setMarked(true);
}

void BoardWindow::showMark()
{
    m_markShown = true;
    if (m_markedCard >= 0)
        m_mark->show();
}

void BoardWindow::showClock(int seconds)
{
    m_clockLabel->setText(secondsCaption(seconds));
    const GameClock &clock = run().board().clock();
    m_clockLabel->setAccessibleName(Announcements::clock(clock));
    // A changed name goes unsaid: the moments of the countdown are told.
    if (const QString moment = Announcements::clockMoment(clock); !moment.isEmpty())
        m_announcer->announce(moment);
}

void BoardWindow::onCloseClicked()
{
    flow().endProgram();
}

void BoardWindow::onListClicked()
{
    flow().resultsWanted();
}
