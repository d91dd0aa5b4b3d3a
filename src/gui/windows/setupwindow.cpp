// SPDX-FileCopyrightText: 2026 The Zindle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "setupwindow.h"

#include "controls/colourbutton.h"
#include "files/filenames.h"
#include "look/colours.h"
#include "look/design.h"
#include "run/run.h"
#include "screen/twips.h"
#include "texts/cleantext.h"
#include "windows/resultswindow.h"
#include "windows/windowflow.h"

#include <QKeyEvent>
#include <QMessageBox>
#include <QPushButton>
#include <algorithm>

namespace
{

// Left and top of each pair-count button by index: around the play button clockwise from
// the middle of the left column.
constexpr std::array<std::array<int, 2>, PairCounts::ChoiceCount> PairButtonCells = {{
    {240, 3480},
    {240, 1080},
    {3000, 1080},
    {5760, 1080},
    {5760, 3480},
    {5760, 5880},
    {3000, 5880},
}};

// The buttons by tab order; the play button and the set box fall in between.
constexpr std::array<int, 4> ButtonsBeforePlay = {0, 1, 2, 3};
constexpr std::array<int, 3> ButtonsAfterSetBox = {4, 5, 6};

// The buttons as read, row by row from the top, each row from its start.
std::array<int, PairCounts::ChoiceCount> readingOrder()
{
    std::array<int, PairCounts::ChoiceCount> order{};
    for (std::size_t i = 0; i < order.size(); ++i)
        order[i] = int(i);
    std::sort(order.begin(), order.end(), [](int a, int b) {
        const auto &ca = PairButtonCells[std::size_t(a)], &cb = PairButtonCells[std::size_t(b)];
        return std::pair(ca[1], ca[0]) < std::pair(cb[1], cb[0]);
    });
    return order;
}

} // namespace

// Closing the setup window ends the run.
void SetupWindow::closeRequested()
{
    flow().close(*this);
    flow().endProgram();
}

void SetupWindow::buildControls()
{
    setWindowFlags(CloseBoxOnly);
    setWindowTitle(QStringLiteral("Zindle"));
    setFixedSize(twipsRect(0, 0, 8700, 8295).size());
    setBackgroundColour(this, Colours::SetupBackground);

    auto addPairButton = [this](int i) {
        const int pairs = PairCounts::pairsFor(i);
        auto *button = new ColourButton(
            QString::number(pairs),
            i == PairCounts::DefaultChoice ? Colours::ChosenPairButton : Colours::PairButton, this);
        button->setObjectName(QStringLiteral("pairButton%1").arg(i));
        // One group of choices, the chosen one checked: said by screen readers and marked
        // by more than its colour.
        button->setCheckable(true);
        button->setAutoExclusive(true);
        button->setChecked(i == PairCounts::DefaultChoice);
        button->setFont(designFont(72));
        const auto &cell = PairButtonCells[std::size_t(i)];
        button->setGeometry(twipsRect(cell[0], cell[1], 2655, 2295));
        connectHandler(button, &QPushButton::clicked, [this, i] { onPairButtonClicked(i); });
        // The visible caption is the number; a screen reader says what it counts.
        button->setAccessibleDescription(tr("%n pairs", nullptr, pairs));
        // The arrows go through the counts in reading order.
        button->installEventFilter(this);
        m_pairButtons[std::size_t(i)] = button;
    };
    for (int i : ButtonsBeforePlay)
        addPairButton(i);

    m_playButton = new ColourButton(QStringLiteral("JUGAR"), Colours::PlayButton, this);
    m_playButton->setObjectName(QStringLiteral("playButton"));
    m_playButton->setFont(designFont(27.75));
    m_playButton->setGeometry(twipsRect(3000, 3480, 2655, 2295));
    connectHandler(m_playButton.data(), &QPushButton::clicked, [this] { onPlayClicked(); });

    m_setBox = new QComboBox(this);
    m_setBox->setObjectName(QStringLiteral("setBox"));
    m_setBox->setEditable(true);
    m_setBox->setInsertPolicy(QComboBox::NoInsert);
    // The typed text is the set name as it stands, never completed to a listed one.
    m_setBox->setCompleter(nullptr);
    m_setBox->setFont(designFont(18, false));
    m_setBox->setGeometry(twipsRect(4080, 360, 4335, 525));
    setBackgroundColour(m_setBox, Colours::SetBoxBackground, QPalette::Base);
    setBackgroundColour(m_setBox, Colours::SetBoxBackground, QPalette::Button);
    connectHandler(m_setBox.data(), &QComboBox::activated, [this] { onSetChosen(); });
    for (int i : ButtonsAfterSetBox)
        addPairButton(i);

    m_instructionLabel = new QLabel(
        QStringLiteral("Selecciona la carpeta de im\u00e1genes y el n\u00famero de parejas"), this);
    m_instructionLabel->setObjectName(QStringLiteral("instructionLabel"));
    m_instructionLabel->setWordWrap(true);
    m_instructionLabel->setBuddy(m_setBox);
    m_instructionLabel->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_instructionLabel->setFont(designFont(12));
    m_instructionLabel->setGeometry(twipsRect(120, 240, 3855, 735));
    QPalette palette = m_instructionLabel->palette();
    palette.setColor(QPalette::WindowText, Colours::InstructionText);
    m_instructionLabel->setPalette(palette);

    QObject::connect(&run().choice(), &GameChoice::pairChoiceChanged, this,
                     [this](int index) { showPairChoice(index); });
}

void SetupWindow::fillControls()
{
    m_filling = true;
    flow().centreOnScreen(*this);
    flow().setupOpening();
    showPairChoice(run().choice().pairChoice());
    const QString chosen = run().chosenSet();
    m_listedSets.clear();
    for (const SetEntry &set : run().sets().list())
        m_listedSets << cleanText(set.name);
    m_setBox->addItems(m_listedSets);
    m_setBox->setEditText(chosen);
    // The box's text, listed or typed, is the set the next board plays; filling the box
    // leaves the run's choice as it was.
    QObject::connect(m_setBox.data(), &QComboBox::editTextChanged, &run().choice(),
                     &GameChoice::setSetName);
    const LanguageLines lines =
        run().texts().read(LanguageLine::SetupInstruction, LanguageLine::PlayButton);
    m_instructionLabel->setText(lines.caption(LanguageLine::SetupInstruction));
    // The instruction says what the box is for, and what the window is for as it opens.
    m_setBox->setAccessibleName(m_instructionLabel->text());
    setAccessibleDescription(m_instructionLabel->text() + QLatin1Char('\n') +
                             ResultsWindow::openKeyHint());
    m_playButton->setText(lines.caption(LanguageLine::PlayButton));
    checkPairButtons();
    m_filling = false;
}

bool SetupWindow::eventFilter(QObject *watched, QEvent *event)
{
    // A button being destroyed still passes its last events through here, as a plain widget.
    if (event->type() != QEvent::KeyPress)
        return ProgramWindow::eventFilter(watched, event);
    const auto button = std::find(m_pairButtons.begin(), m_pairButtons.end(), watched);
    if (button == m_pairButtons.end())
        return ProgramWindow::eventFilter(watched, event);
    const int key = static_cast<QKeyEvent *>(event)->key();
    int step = 0;
    switch (key) {
    case Qt::Key_Right:
    case Qt::Key_Down:
        step = 1;
        break;
    case Qt::Key_Left:
    case Qt::Key_Up:
        step = -1;
        break;
    default:
        return ProgramWindow::eventFilter(watched, event);
    }
    // Mirrored, the row reads from the right, and so do the arrows.
    if (layoutDirection() == Qt::RightToLeft && (key == Qt::Key_Left || key == Qt::Key_Right))
        step = -step;
    const auto order = readingOrder();
    const int count = int(order.size());
    const int from = int(
        std::find(order.begin(), order.end(), int(button - m_pairButtons.begin())) - order.begin());
    // The next count offered, round the group as in any group of choices; it is chosen.
    for (int k = 1; k < count; ++k) {
        ColourButton *next = m_pairButtons[std::size_t(
            order[std::size_t(((from + step * k) % count + count) % count)])];
        if (next->isEnabled()) {
            next->setFocus(Qt::TabFocusReason);
            next->click();
            break;
        }
    }
    return true;
}

void SetupWindow::onSetChosen()
{
    checkPairButtons();
}

void SetupWindow::onPairButtonClicked(int index)
{
    run().choice().setPairChoice(index);
}

void SetupWindow::showPairChoice(int index)
{
    for (auto &button : m_pairButtons)
        button->setBackground(Colours::PairButton);
    m_pairButtons[std::size_t(index)]->setBackground(Colours::ChosenPairButton);
    m_pairButtons[std::size_t(index)]->setChecked(true);
}

void SetupWindow::onPlayClicked()
{
    flow().playChosen();
}

void SetupWindow::showNotDealt(DealCheck why, const QString &set)
{
    const QString name = shownFileName(set);
    QString text;
    switch (why) {
    case DealCheck::Dealable:
    case DealCheck::Cancelled:
        return;
    case DealCheck::Missing:
        text = set.trimmed().isEmpty()      ? tr("No picture set is chosen.")
               : m_listedSets.contains(set) ? tr("The picture set «%1» is no longer there.")
                                            : tr("There is no picture set called «%1».");
        break;
    case DealCheck::Unreadable:
        text = tr("The picture set «%1» cannot be opened: it needs two folders, «1» and «2», "
                  "that can be read.");
        break;
    case DealCheck::Empty:
        text = tr("The picture set «%1» holds no pair of pictures.");
        break;
    case DealCheck::NoPairShows:
        text = tr("The picture set «%1» has no pair of pictures that can be shown.");
        break;
    case DealCheck::TooSlow:
        text = tr("The picture set «%1» could not be dealt in time: its folders hold too many "
                  "files that are no pictures, or answer too slowly.");
        break;
    }
    if (text.contains(QLatin1String("%1")))
        text = text.arg(name);
    auto *box = new QMessageBox(QMessageBox::Warning, QStringLiteral("Zindle"), text,
                                QMessageBox::Ok, this);
    box->setObjectName(QStringLiteral("notDealtMessage"));
    box->button(QMessageBox::Ok)->setText(tr("OK"));
    box->setAccessibleName(text);
    box->setAttribute(Qt::WA_DeleteOnClose);
    // Over this window only, which takes the player's input again once it is answered.
    box->open();
}

void SetupWindow::checkPairButtons()
{
    const auto offered = run().offeredPairCounts();
    // At start-up an unreadable "1" folder leaves the buttons as designed; a set picked
    // later that has none offers no count.
    if (!offered && m_filling)
        return;
    for (std::size_t i = 0; i < m_pairButtons.size(); ++i)
        m_pairButtons[i]->setEnabled(offered && (*offered)[i]);
}

bool SetupWindow::onKeyDown(QKeyEvent *event)
{
    if (!ResultsWindow::isOpenKey(event))
        return false;
    flow().resultsWindow().openFrom(this);
    return true;
}
