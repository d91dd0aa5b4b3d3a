<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="uk_UA">
<context>
    <name>Announcements</name>
    <message numerus="yes">
        <source>%1, %n pairs</source>
        <translation>
            <numerusform>%1, %n пара</numerusform>
            <numerusform>%1, %n пари</numerusform>
            <numerusform>%1, %n пар</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1, %n pairs, no clock</source>
        <translation>
            <numerusform>%1, %n пара, без годинника</numerusform>
            <numerusform>%1, %n пари, без годинника</numerusform>
            <numerusform>%1, %n пар, без годинника</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n seconds left</source>
        <translation>
            <numerusform>залишилася %n секунда</numerusform>
            <numerusform>залишилося %n секунди</numerusform>
            <numerusform>залишилося %n секунд</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n seconds played</source>
        <translation>
            <numerusform>%n секунда гри</numerusform>
            <numerusform>%n секунди гри</numerusform>
            <numerusform>%n секунд гри</numerusform>
        </translation>
    </message>
    <message>
        <source>Pair found, %1 of %2</source>
        <translation>Пару знайдено, %1 з %2</translation>
    </message>
    <message>
        <source>Not a pair</source>
        <translation>Це не пара</translation>
    </message>
</context>
<context>
    <name>MakerWindow</name>
    <message>
        <source>Make a picture set</source>
        <translation>Створити набір малюнків</translation>
    </message>
    <message>
        <source>Set &amp;name:</source>
        <translation>&amp;Назва набору:</translation>
    </message>
    <message>
        <source>Set name</source>
        <translation>Назва набору</translation>
    </message>
    <message>
        <source>as the game&apos;s list shows it</source>
        <translation>як її покаже список гри</translation>
    </message>
    <message>
        <source>&amp;Add pictures…</source>
        <translation>&amp;Додати малюнки…</translation>
    </message>
    <message>
        <source>Choose the pictures two by two, each followed by its partner, or drop them here. Each card shows as the board shows it: the shaded rows are cut off on the smallest card the set can get. Every caption is what a screen reader says of its card.</source>
        <translation>Обирайте малюнки по два, кожен разом із його парою, або перетягніть їх сюди. Кожну картку видно так, як її покаже поле: затінені рядки обрізає найменша картка, яка може випасти набору. Кожен підпис — це те, що програма читання з екрана скаже про картку.</translation>
    </message>
    <message>
        <source>How to make a set</source>
        <translation>Як створити набір</translation>
    </message>
    <message>
        <source>Pairs</source>
        <translation>Пари</translation>
    </message>
    <message>
        <source>Pairs in the set</source>
        <translation>Пари в наборі</translation>
    </message>
    <message>
        <source>Messages</source>
        <translation>Повідомлення</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Зберегти</translation>
    </message>
    <message>
        <source>Save the set</source>
        <translation>Зберегти набір</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Закрити</translation>
    </message>
    <message>
        <source>Choose pictures, each followed by its partner</source>
        <translation>Оберіть малюнки, кожен разом із його парою</translation>
    </message>
    <message>
        <source>Pictures (%1)</source>
        <translation>Малюнки (%1)</translation>
    </message>
    <message>
        <source>Close without saving?</source>
        <translation>Закрити без збереження?</translation>
    </message>
    <message>
        <source>The set has not been saved. Close and leave it unsaved?</source>
        <translation>Набір не збережено. Закрити без збереження?</translation>
    </message>
    <message>
        <source>Replace the set?</source>
        <translation>Замінити набір?</translation>
    </message>
    <message>
        <source>A set named &quot;%1&quot; already exists. Replace it with this one?</source>
        <translation>Набір «%1» уже існує. Замінити його цим?</translation>
    </message>
    <message>
        <source>&amp;Replace</source>
        <translation>&amp;Замінити</translation>
    </message>
    <message>
        <source>Nothing was saved:</source>
        <translation>Нічого не збережено:</translation>
    </message>
    <message>
        <source>Saved in %1. The game lists the set as &quot;%2&quot;.</source>
        <translation>Збережено в %1. Гра показує набір як «%2».</translation>
    </message>
    <message>
        <source>No pairs yet: add pictures, or drop them here.</source>
        <translation>Пар ще немає: додайте малюнки або перетягніть їх сюди.</translation>
    </message>
    <message numerus="yes">
        <source>%n pairs</source>
        <translation>
            <numerusform>%n пара</numerusform>
            <numerusform>%n пари</numerusform>
            <numerusform>%n пар</numerusform>
        </translation>
    </message>
    <message>
        <source>and a picture waiting for its partner</source>
        <translation>і малюнок, що чекає на пару</translation>
    </message>
    <message>
        <source>The game deals boards of %1 pairs and more.</source>
        <translation>Гра роздає поля від %1 пар.</translation>
    </message>
    <message>
        <source>Pair %1</source>
        <translation>Пара %1</translation>
    </message>
    <message>
        <source>Add its partner with “Add pictures…”.</source>
        <translation>Додайте пару кнопкою «Додати малюнки…».</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>Вгору</translation>
    </message>
    <message>
        <source>Move pair %1 up</source>
        <translation>Перемістити пару %1 вгору</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>Униз</translation>
    </message>
    <message>
        <source>Move pair %1 down</source>
        <translation>Перемістити пару %1 униз</translation>
    </message>
    <message>
        <source>Swap</source>
        <translation>Поміняти</translation>
    </message>
    <message>
        <source>Swap the pictures of pair %1</source>
        <translation>Поміняти місцями малюнки пари %1</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Прибрати</translation>
    </message>
    <message>
        <source>Remove pair %1</source>
        <translation>Прибрати пару %1</translation>
    </message>
    <message>
        <source>Picture %1 of pair %2 as the board shows it</source>
        <translation>Малюнок %1 пари %2 так, як його покаже поле</translation>
    </message>
    <message>
        <source>File of picture %1 of pair %2</source>
        <translation>Файл малюнка %1 пари %2</translation>
    </message>
    <message>
        <source>Caption of picture %1 of pair %2</source>
        <translation>Підпис малюнка %1 пари %2</translation>
    </message>
    <message>
        <source>What a screen reader says of the card</source>
        <translation>Що програма читання з екрана скаже про картку</translation>
    </message>
    <message>
        <source>Not a picture the game reads: the set cannot be saved with it.</source>
        <translation>Гра не читає цей малюнок: набір із ним не можна зберегти.</translation>
    </message>
    <message>
        <source>⚠ The board cuts its drawing (rows %1–%2 %): with %3 pairs on a %4×%5 screen a card shows rows %6–%7 %.</source>
        <translation>⚠ Поле обрізає малюнок (рядки %1–%2 %): з %3 парами на екрані %4×%5 картка показує рядки %6–%7 %.</translation>
    </message>
    <message>
        <source>Every board shows all of it.</source>
        <translation>Кожне поле показує його повністю.</translation>
    </message>
    <message>
        <source>Every board shows its drawing; the smallest card shows rows %1–%2 %.</source>
        <translation>Кожне поле показує малюнок; найменша картка показує рядки %1–%2 %.</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Попередження</translation>
    </message>
    <message>
        <source>How the board shows it</source>
        <translation>Як його покаже поле</translation>
    </message>
</context>
<context>
    <name>Results</name>
    <message>
        <source>no clock, %1 s</source>
        <translation>без годинника, %1 с</translation>
    </message>
</context>
<context>
    <name>SetMaker</name>
    <message>
        <source>the game deals boards of %1 pairs and more: this set of %2 offers none yet</source>
        <translation>гра роздає поля від %1 пар: цей набір із %2 поки не дає жодного</translation>
    </message>
    <message>
        <source>the set has no name</source>
        <translation>набір не має назви</translation>
    </message>
    <message>
        <source>the set name %1 cannot be a folder&apos;s name</source>
        <translation>назва набору %1 не може бути назвою теки</translation>
    </message>
    <message>
        <source>the set name %1 cannot hold a &quot;/&quot;</source>
        <translation>назва набору %1 не може містити «/»</translation>
    </message>
    <message>
        <source>the set name %1 starts with &quot;.&quot;, which hides the set from the game</source>
        <translation>назва набору %1 починається з «.», і гра не побачить набір</translation>
    </message>
    <message>
        <source>%1: no such file</source>
        <translation>%1: такого файлу немає</translation>
    </message>
    <message>
        <source>%1 cannot be read</source>
        <translation>%1 не вдається прочитати</translation>
    </message>
    <message>
        <source>%1 is not a picture</source>
        <translation>%1 не є малюнком</translation>
    </message>
    <message>
        <source>%1 cannot be decoded (%2)</source>
        <translation>%1 не вдається декодувати (%2)</translation>
    </message>
    <message>
        <source>cannot write the copy of %1 (%2)</source>
        <translation>не вдається записати копію %1 (%2)</translation>
    </message>
    <message>
        <source>cannot write the caption of %1</source>
        <translation>не вдається записати підпис %1</translation>
    </message>
    <message>
        <source>a set named %1 already exists in %2</source>
        <translation>набір з назвою %1 уже є в %2</translation>
    </message>
    <message>
        <source>no pictures: each pair needs two</source>
        <translation>немає малюнків: кожна пара потребує двох</translation>
    </message>
    <message numerus="yes">
        <source>%n pictures: each pair needs two, so %1 has no partner</source>
        <translation>
            <numerusform>%n малюнок: кожна пара потребує двох, тож %1 не має пари</numerusform>
            <numerusform>%n малюнки: кожна пара потребує двох, тож %1 не має пари</numerusform>
            <numerusform>%n малюнків: кожна пара потребує двох, тож %1 не має пари</numerusform>
        </translation>
    </message>
    <message>
        <source>cannot make the folder %1</source>
        <translation>не вдається створити теку %1</translation>
    </message>
    <message>
        <source>cannot write in the folder %1</source>
        <translation>не вдається записати в теку %1</translation>
    </message>
    <message>
        <source>cannot move the new set into %1</source>
        <translation>не вдається перемістити новий набір у %1</translation>
    </message>
</context>
<context>
    <name>SetupWindow</name>
    <message>
        <source>No picture set is chosen.</source>
        <translation>Теку з малюнками не вибрано.</translation>
    </message>
    <message>
        <source>The picture set «%1» is no longer there.</source>
        <translation>Теки з малюнками «%1» більше немає.</translation>
    </message>
    <message>
        <source>There is no picture set called «%1».</source>
        <translation>Немає теки з малюнками з назвою «%1».</translation>
    </message>
    <message>
        <source>The picture set «%1» cannot be opened: it needs two folders, «1» and «2», that can be read.</source>
        <translation>Теку з малюнками «%1» не вдається відкрити: у ній мають бути дві теки, «1» і «2», які можна прочитати.</translation>
    </message>
    <message>
        <source>The picture set «%1» holds no pair of pictures.</source>
        <translation>У теці з малюнками «%1» немає жодної пари малюнків.</translation>
    </message>
    <message>
        <source>The picture set «%1» has no pair of pictures that can be shown.</source>
        <translation>У теці з малюнками «%1» немає жодної пари малюнків, яку можна показати.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Гаразд</translation>
    </message>
</context>
<context>
    <name>Startup</name>
    <message>
        <source>no display: neither DISPLAY nor WAYLAND_DISPLAY is set</source>
        <translation>немає дисплея: не задано ні DISPLAY, ні WAYLAND_DISPLAY</translation>
    </message>
    <message>
        <source>the X server of display %1 does not answer</source>
        <translation>X-сервер дисплея %1 не відповідає</translation>
    </message>
    <message>
        <source>Pairs game: find the pictures that belong together</source>
        <translation>Гра в пари: знайди малюнки, що пасують одне до одного</translation>
    </message>
    <message>
        <source>Play at your own pace: the clock counts the seconds played and never runs out.</source>
        <translation>Грай у власному темпі: годинник лічить секунди гри й ніколи не спливає.</translation>
    </message>
    <message>
        <source>Play against the clock.</source>
        <translation>Грай на час.</translation>
    </message>
    <message>
        <source>no display: Qt has no platform called %1</source>
        <translation>немає дисплея: у Qt немає платформи з назвою %1</translation>
    </message>
    <message>
        <source>no display: no Wayland compositor answers at %1</source>
        <translation>немає дисплея: жоден композитор Wayland не відповідає на %1</translation>
    </message>
    <message>
        <source>no display: DISPLAY is not set</source>
        <translation>немає дисплея: не задано DISPLAY</translation>
    </message>
</context>
<context>
    <name>WorkProgress</name>
    <message>
        <source>Dealing the cards…</source>
        <translation>Роздаємо картки…</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Скасувати</translation>
    </message>
</context>
</TS>
