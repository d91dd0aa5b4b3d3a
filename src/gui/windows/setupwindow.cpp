// SPDX-FileCopyrightText: 2026 The Zindle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "setupwindow.h"

#include "controls/colourbutton.h"
#include "look/design.h"
#include "platform/services.h"
#include "run/paircounts.h"
#include "screen/twips.h"
#include "sets/pairbuttons.h"
#include "sets/setlibrary.h"
#include "texts/languagefile.h"
#include "windows/windowflow.h"

namespace
{

const QColor Yellow = vbColor(0x00FFFF);
const QColor Green = vbColor(0x00FF00);

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

} // namespace

QString SetupWindow::setName()
{
    load();
    return Combo1 ? Combo1->currentText() : QString();
}

void SetupWindow::closeRequested()
{
    unload();
}

void SetupWindow::buildControls(WindowWidget *window)
{
    window->setWindowFlags(CloseBoxOnly);
    window->setWindowTitle(QStringLiteral("Zindle"));
    window->setFixedSize(twipsRect(0, 0, 8700, 8295).size());
    setBackgroundColour(window, vbColor(0xC0E0FF));

    auto addPairButton = [this, window](int i) {
        const int pairs = PairCounts::pairsFor(i);
        auto *button = new ColourButton(QString::number(pairs), i == 2 ? Green : Yellow, window);
        button->setObjectName(QStringLiteral("Command1_%1").arg(i));
        button->setFont(designFont(72));
        const auto &cell = PairButtonCells[std::size_t(i)];
        button->setGeometry(twipsRect(cell[0], cell[1], 2655, 2295));
        connectHandler(button, &QPushButton::clicked, [this, i] { Command1_Click(i); });
        Command1[std::size_t(i)] = button;
    };
    for (int i : ButtonsBeforePlay)
        addPairButton(i);

    Command2 = new ColourButton(QStringLiteral("JUGAR"), vbColor(0x0000FF), window);
    Command2->setObjectName(QStringLiteral("Command2"));
    Command2->setFont(designFont(27.75));
    Command2->setGeometry(twipsRect(3000, 3480, 2655, 2295));
    connectHandler(Command2.data(), &QPushButton::clicked, [this] { Command2_Click(); });

    Combo1 = new QComboBox(window);
    Combo1->setObjectName(QStringLiteral("Combo1"));
    Combo1->setEditable(true);
    Combo1->setInsertPolicy(QComboBox::NoInsert);
    // The typed text is the set name as it stands, never completed to a listed one.
    Combo1->setCompleter(nullptr);
    Combo1->setFont(designFont(18, false));
    Combo1->setGeometry(twipsRect(4080, 360, 4335, 525));
    setBackgroundColour(Combo1, vbColor(0x80FF80), QPalette::Base);
    setBackgroundColour(Combo1, vbColor(0x80FF80), QPalette::Button);
    Combo1->setEditText(QStringLiteral("Combo1"));
    connectHandler(Combo1.data(), &QComboBox::activated, [this] { Combo1_Click(); });

    for (int i : ButtonsAfterSetBox)
        addPairButton(i);

    Label2 = new QLabel(
        QStringLiteral("Selecciona la carpeta de im\u00e1genes y el n\u00famero de parejas"),
        window);
    Label2->setObjectName(QStringLiteral("Label2_2"));
    Label2->setWordWrap(true);
    Label2->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Label2->setFont(designFont(12));
    Label2->setGeometry(twipsRect(120, 240, 3855, 735));
    QPalette palette = Label2->palette();
    palette.setColor(QPalette::WindowText, vbColor(0xC00000));
    Label2->setPalette(palette);
}

void SetupWindow::onLoad()
{
    m_loading = true;
    WindowFlow::centreOnScreen(*this);
    PairCounts::PairChoice = 2;
    WindowFlow::setupLoading();
    for (const SetEntry &set :
         SetLibrary(services().programFolder, currentLanguage().language).list())
        Combo1->addItem(set.name);
    Combo1->setEditText(Combo1->itemText(0));
    const LanguageLines lines =
        readLanguageLines(LanguageLine::SetupInstruction, LanguageLine::PlayButton);
    Label2->setText(lines.caption(LanguageLine::SetupInstruction));
    Command2->setText(lines.caption(LanguageLine::PlayButton));
    CheckPairButtons();
    m_loading = false;
}

void SetupWindow::onUnload()
{
    WindowFlow::endProgram();
}

void SetupWindow::Combo1_Click()
{
    CheckPairButtons();
}

void SetupWindow::Command1_Click(int Index)
{
    PairCounts::PairChoice = std::uint8_t(Index);
    for (auto &button : Command1)
        button->setBackground(Yellow);
    Command1[std::size_t(Index)]->setBackground(Green);
}

void SetupWindow::Command2_Click()
{
    WindowFlow::playChosen();
}

void SetupWindow::CheckPairButtons()
{
    const std::optional<int> pictures =
        firstFolderPictures(SetLibrary(services().programFolder, currentLanguage().language)
                                .folderOf(Combo1->currentText()));
    // At start-up an unreadable "1" folder leaves the buttons as designed; a set picked
    // later that has none offers no count.
    if (!pictures && m_loading)
        return;
    const auto enabled = pairButtonsEnabled(pictures.value_or(0));
    for (std::size_t i = 0; i < Command1.size(); ++i)
        Command1[i]->setEnabled(enabled[i]);
}
