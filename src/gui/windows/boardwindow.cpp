// SPDX-FileCopyrightText: 2026 The Zindle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "boardwindow.h"

#include "cards/boardlayout.h"
#include "cards/cardgeometry.h"
#include "controls/workprogress.h"
#include "look/design.h"
#include "pictures/picturecache.h"
#include "pictures/pictureloader.h"
#include "platform/services.h"
#include "run/paircounts.h"
#include "screen/twips.h"
#include "sets/dealing.h"
#include "sets/setlibrary.h"
#include "texts/languagefile.h"
#include "windows/windowflow.h"

#include <QFutureWatcher>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QRegularExpression>

namespace
{

constexpr auto OpenSound = "/sonidos/abrir.wav";
constexpr auto PairSound = "/sonidos/cerrar.wav";
constexpr auto MissSound = "/sonidos/fallo.wav";
constexpr auto Background = "/fondo.jpg";

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
    return QStringLiteral("%1_%2").arg(QLatin1String(name)).arg(index);
}

void setTwips(QWidget *w, int left, int top, int width, int height)
{
    w->setGeometry(twipsRect(left, top, width, height));
}

int widthTwips(const QWidget *w)
{
    return w->width() * TwipsPerPixel;
}

// The pointer shows that the program is busy while a board is being dealt.
class BusyPointer
{
public:
    BusyPointer() { QGuiApplication::setOverrideCursor(Qt::WaitCursor); }
    ~BusyPointer() { QGuiApplication::restoreOverrideCursor(); }
    BusyPointer(const BusyPointer &) = delete;
    BusyPointer &operator=(const BusyPointer &) = delete;
};

// Decodes on the decoding threads, with the shared thumbnails and what earlier boards kept,
// while the windows keep painting and a progress bar rises on a long deal.
std::vector<CardPicture> decodeShowingProgress(const std::vector<CardPictureRequest> &requests)
{
    QFutureWatcher<CardPicture> watcher;
    watcher.setFuture(startLoadingCardPictures(requests, &runPictures(), true));
    waitShowingProgress(watcher);
    const QList<CardPicture> cards = watcher.future().results();
    return {cards.begin(), cards.end()};
}

} // namespace

QString BoardWindow::secondsLeftCaption() const
{
    return Label1[1] ? Label1[1]->text() : QString();
}

void BoardWindow::buildControls(WindowWidget *window)
{
    window->setObjectName(QStringLiteral("BoardWindow"));
    window->setWindowFlags(Qt::Window | Qt::FramelessWindowHint);
    window->setAutoFillBackground(true);
    QPalette p = window->palette();
    p.setColor(QPalette::Window, vbColor(0xFFFFFF));
    window->setPalette(p);
    window->resize(twipsRect(0, 0, 8250, 6465).size());
    // The board itself takes the keys, so that no single key presses one of its buttons.
    window->setFocusPolicy(Qt::StrongFocus);
    window->setFocus();

    // Labels first: the light controls lie behind the boxes and buttons.
    Label1[0] = new QLabel(window);
    setTwips(Label1[0], 360, 0, 2655, 495);
    Label1[0]->setFont(designFont(12));
    Label1[0]->setAutoFillBackground(true);
    QPalette lp = Label1[0]->palette();
    lp.setColor(QPalette::Window, vbColor(0xC0C0C0));
    Label1[0]->setPalette(lp);
    Label1[1] = new QLabel(window);
    setTwips(Label1[1], 5760, 120, 4455, 615);
    Label1[1]->setFont(designFont(14.25));
    for (int i = 0; i < 2; ++i) {
        Label1[std::size_t(i)]->setObjectName(indexed("Label1", i));
        Label1[std::size_t(i)]->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    }

    auto *box = new CardBox(window);
    setTwips(box, BoardOriginLeft, BoardOriginTop, 1215, 1095);
    auto *picture = new CardImage(box->inner());
    setTwips(picture, 120, 120, 855, 735);
    picture->hide();
    auto *frame = new SelectionFrame(box->inner());
    setTwips(frame, 0, 0, 1215, 1095);
    frame->hide();
    Picture2 = {box};
    Image1 = {picture};
    Shape1 = {frame};

    Command1 = new PictureButton(QStringLiteral(":/images/board_close.svg"), window);
    Command1->setObjectName(QStringLiteral("Command1"));
    setTwips(Command1, 7920, 0, 375, 375);
    Command2 = new PictureButton(QStringLiteral(":/images/board_list.svg"), window);
    Command2->setObjectName(QStringLiteral("Command2"));
    setTwips(Command2, 7560, 0, 375, 375);
    for (QPushButton *b : {Command1.data(), Command2.data()}) {
        QPalette bp = b->palette();
        bp.setColor(QPalette::Button, vbColor(0xFFFFFF));
        b->setPalette(bp);
    }
    connectHandler(Command1.data(), &QPushButton::clicked, [this] { Command1_Click(); });
    connectHandler(Command2.data(), &QPushButton::clicked, [this] { Command2_Click(); });

    m_mark = new CardMark(window);
    m_markedCard = -1;

    Timer1 = addTimer(200, false, [this] { Timer1_Timer(); });
    Timer2 = addTimer(1000, true, [this] { Timer2_Timer(); });
}

void BoardWindow::controlsDestroyed()
{
    Picture2.clear();
    Image1.clear();
    Shape1.clear();
    Timer1 = nullptr;
    Timer2 = nullptr;
}

void BoardWindow::setSetName(const QString &setName)
{
    m_setFolder =
        SetLibrary(services().programFolder, currentLanguage().language).folderOf(setName);
}

void BoardWindow::onLoad()
{
    const BusyPointer busy;
    Timer2->setEnabled(false);
    services().random->seedFromClock();
    m_game.start(PairCounts::PairChoice);
    LayoutBoard();
    placeTopBar();
    for (auto literal : {OpenSound, PairSound, MissSound})
        services().sound->preload(programPath(QString::fromLatin1(literal)));
    StartDeal();
    // A board that dealt no pair goes no further: the flow closes it before it shows, and
    // the name entry and the list window stay as they were.
    if (m_game.pairCount() == 0)
        return;
    WindowFlow::boardLoading();
    // Two lines also name the picture buttons for assistive tools: the finish button's
    // caption, and the list window's title without its leading dash.
    const LanguageLines lines =
        readLanguageLines(LanguageLine::FinishButton, LanguageLine::ListTitle);
    for (int n = int(LanguageLine::ResultStart); n <= LanguageLineCount; ++n) {
        if (const auto &line = lines.line(LanguageLine(n)))
            m_game.setResultText(n - int(LanguageLine::ResultStart), *line);
    }
    Command1->setAccessibleName(lines.caption(LanguageLine::FinishButton));
    Command2->setAccessibleName(
        QString(m_game.resultText(4))
            .remove(QRegularExpression(QStringLiteral("^[\\W_]+"),
                                       QRegularExpression::UseUnicodePropertiesOption)));
    Label1[0]->setText(PairCounts::PlayerName);
    WindowFlow::titleResults(PairCounts::PlayerName + QLatin1Char(' ') + m_game.resultText(4));
    Timer2->setEnabled(true);
}

void BoardWindow::LayoutBoard()
{
    QWidget *w = window();
    const int screenWidth = services().screen->widthTwips();
    const int screenHeight = services().screen->heightTwips();
    fillScreen(screenWidth, screenHeight);

    const BoardGeometry geometry = layoutBoard(m_game.layoutChoice(), screenWidth, screenHeight);
    const int cards = int(geometry.boxes.size());
    for (int i = 1; i < cards; ++i) {
        auto *box = new CardBox(w);
        box->stackUnder(Command1);
        Picture2.push_back(box);
        Image1.push_back(new CardImage(box->inner()));
        Shape1.push_back(new SelectionFrame(box->inner()));
    }
    for (int k = 0; k < cards; ++k) {
        const QRect &b = geometry.boxes[std::size_t(k)];
        CardBox *box = Picture2[std::size_t(k)];
        box->setObjectName(indexed("Picture2", k));
        setTwips(box, b.x(), b.y(), b.width(), b.height());
        box->show();
        CardImage *picture = Image1[std::size_t(k)];
        picture->setObjectName(indexed("Image1", k));
        const QRect pr = cardPictureRect(b.width(), b.height());
        setTwips(picture, pr.x(), pr.y(), pr.width(), pr.height());
        picture->hide();
        picture->onClick = [this, k] { runHandler([this, k] { image1_Click(k); }); };
        SelectionFrame *frame = Shape1[std::size_t(k)];
        frame->setObjectName(indexed("Shape1", k));
        const QRect fr = selectionFrameRect(b.width(), b.height());
        setTwips(frame, fr.x(), fr.y(), fr.width(), fr.height());
        frame->raise();
        frame->hide();
        picture->setFrame(frame);
    }
    // One picture for every box: the part that the largest inner area shows.
    QSize inner;
    for (const CardBox *box : Picture2)
        inner = inner.expandedTo(box->contentsRect().size());
    const QPixmap background = QPixmap::fromImage(
        loadBackground(programPath(Background), inner, w->devicePixelRatioF(), &runPictures()));
    for (CardBox *box : Picture2)
        box->setBackground(background);
}

void BoardWindow::placeTopBar()
{
    const int screenWidth = services().screen->widthTwips();
    Label1[0]->setPalette([&] {
        QPalette p = Label1[0]->palette();
        p.setColor(QPalette::WindowText, vbColor(0x0000FF));
        return p;
    }());
    const int command1Width = widthTwips(Command1);
    const int command2Width = widthTwips(Command2);
    const int command2Left = screenWidth - command1Width - ButtonsGap - command2Width;
    Command1->move(twipsToPixels(screenWidth - command1Width - CloseButtonRight),
                   twipsToPixels(ButtonsTop));
    Command2->move(twipsToPixels(command2Left), twipsToPixels(ButtonsTop));
    Label1[1]->move(twipsToPixels(command2Left - ClockBeforeButtons), twipsToPixels(LabelsTop));
    Label1[0]->move(Picture2[0]->x(), twipsToPixels(LabelsTop));
}

void BoardWindow::StartDeal()
{
    std::vector<CardBoxSize> boxes;
    boxes.reserve(Picture2.size());
    for (const CardBox *box : Picture2)
        boxes.push_back(cardBoxSize(box->geometry(), box->devicePixelRatioF()));
    const DealPlan plan = planDeal(m_setFolder, boxes, *services().random);
    const DealOutcome outcome = finishDeal(plan, decodeShowingProgress(plan.requests));
    m_game.deal(outcome);
    DealPictures(outcome);
}

void BoardWindow::DealPictures(const DealOutcome &outcome)
{
    for (const DealtCard &card : outcome.cards) {
        CardImage *image = Image1[std::size_t(card.position)];
        image->setGeometry(card.picture.geometry);
        image->setPicture(card.picture.image, card.picture.visible);
        image->setCaption(card.picture.caption);
        image->show();
    }
}

void BoardWindow::play(const char *literal)
{
    services().sound->play(programPath(QString::fromLatin1(literal)));
}

void BoardWindow::image1_Click(int Index)
{
    if (Index < 0 || Index >= int(Image1.size()) || !Image1[std::size_t(Index)]->isVisible())
        return;
    const BoardRules::ClickResult result = m_game.click(Index);
    if (result.kind == BoardRules::Click::Ignored)
        return;
    showFrame(Index, true);
    play(OpenSound);
    if (result.kind == BoardRules::Click::Pair) {
        play(PairSound);
        Timer1->setEnabled(true);
    } else if (result.kind == BoardRules::Click::Miss) {
        showFrame(Index, false);
        showFrame(m_game.firstCard(), false);
        play(MissSound);
    }
    if (result.completed) {
        const QString line = m_game.resultLine(Label1[1]->text());
        WindowFlow::gameCompleted(line);
        Timer2->setEnabled(false);
        Timer1->setEnabled(true);
    }
}

void BoardWindow::showFrame(int k, bool shown)
{
    Shape1[std::size_t(k)]->setVisible(shown);
    Image1[std::size_t(k)]->frameChanged();
}

void BoardWindow::Timer1_Timer()
{
    Image1[std::size_t(m_game.secondCard())]->hide();
    Image1[std::size_t(m_game.firstCard())]->hide();
    m_game.pairShown();
    if (!m_game.gameOver()) {
        Timer1->setEnabled(false);
        return;
    }
    WindowFlow::gameOver();
}

bool BoardWindow::onKeyDown(QKeyEvent *event)
{
    switch (event->key()) {
    case Qt::Key_Left:
        moveMark(MarkMove::Left);
        return true;
    case Qt::Key_Right:
        moveMark(MarkMove::Right);
        return true;
    case Qt::Key_Up:
        moveMark(MarkMove::Up);
        return true;
    case Qt::Key_Down:
        moveMark(MarkMove::Down);
        return true;
    case Qt::Key_Space:
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (event->isAutoRepeat())
            return true;
        // The first key only shows the mark; later ones click its card as the mouse does.
        if (m_markedCard < 0)
            moveMark(MarkMove::Right);
        else
            image1_Click(m_markedCard);
        return true;
    default:
        return false;
    }
}

void BoardWindow::moveMark(MarkMove move)
{
    std::vector<bool> clickable;
    for (const CardImage *image : Image1)
        clickable.push_back(!image->isHidden());
    if (m_markedCard >= 0)
        Image1[std::size_t(m_markedCard)]->setMarked(false);
    m_markedCard =
        moveCardMark(m_markedCard, move, gridFor(m_game.layoutChoice()).columns, clickable);
    if (m_markedCard < 0)
        return;
    m_mark->markBox(Picture2[std::size_t(m_markedCard)]->geometry());
    Image1[std::size_t(m_markedCard)]->setMarked(true);
}

void BoardWindow::Timer2_Timer()
{
    const double left = m_game.tickSecond();
    Label1[1]->setText(secondsCaption(left));
    if (left == 0)
        Timer2->setEnabled(false);
}

void BoardWindow::Command1_Click()
{
    WindowFlow::endProgram();
}

void BoardWindow::Command2_Click()
{
    WindowFlow::resultsWanted();
}
