#include "form3.h"

#include "colourbutton.h"
#include "common/module1.h"
#include "form5.h"
#include "form6.h"
#include "forms.h"
#include "language/languagefile.h"
#include "platform/twips.h"
#include "setup/form1.h"
#include "windowdesign.h"

#include <limits>

void Form3::closeRequested()
{
    unload();
}

void Form3::buildControls(FormWindow *window)
{
    window->setWindowFlags(CloseBoxOnly);
    window->setWindowTitle(QStringLiteral("Zindle 1.0 zindle@example.org - juego@example.org"));
    window->setFixedSize(twipsRect(0, 0, 6750, 4635).size());
    const QColor background = vbColor(0x80C0FF);
    setBackgroundColour(window, background);

    m_frame1 = new QGroupBox(window);
    m_frame1->setObjectName(QStringLiteral("Frame1_0"));
    m_frame1->setGeometry(twipsRect(720, 480, 5175, 2055));
    setBackgroundColour(m_frame1, background);

    m_label1 = new QLabel(QStringLiteral("Nombre"), m_frame1);
    m_label1->setObjectName(QStringLiteral("Label1_0"));
    m_label1->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_label1->setFont(designFont(14.25));
    m_label1->setGeometry(twipsRect(120, 960, 1335, 375));

    m_text1 = new QLineEdit(m_frame1);
    m_text1->setObjectName(QStringLiteral("Text1_0"));
    m_text1->setMaxLength(std::numeric_limits<int>::max());
    m_text1->setFont(designFont(18));
    m_text1->setGeometry(twipsRect(1440, 840, 3375, 495));

    Command2 = new ColourButton(QStringLiteral("ACEPTAR"), vbColor(0xFF8080), window);
    Command2->setObjectName(QStringLiteral("Command2"));
    Command2->setFont(designFont(21.75));
    Command2->setGeometry(twipsRect(720, 3000, 5175, 1215));
    connectHandler(Command2.data(), &QPushButton::clicked, [this] { Command2_Click(); });

    m_text1->setFocus();
}

void Form3::Form_Load()
{
    centreOnScreen(*this);
    form5().unload();
    const auto lines = readLanguageLines(0, 3);
    m_label1->setText(captionOf(lines[1]));
    Command2->setText(captionOf(lines[2]));
    form6().show();
}

void Form3::Command2_Click()
{
    const QString name = m_text1->text();
    if (name.isEmpty())
        return;
    Module1::PlayerName = name;
    form1().show();
}
