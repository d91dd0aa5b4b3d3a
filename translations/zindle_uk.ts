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
    <message numerus="yes">
        <source>%1, %n seconds</source>
        <comment>The board, then its time limit</comment>
        <translation>
            <numerusform>%1, %n секунда</numerusform>
            <numerusform>%1, %n секунди</numerusform>
            <numerusform>%1, %n секунд</numerusform>
        </translation>
    </message>
    <message>
        <source>Time is up</source>
        <translation>Час вийшов</translation>
    </message>
    <message>
        <source>Time ran out</source>
        <translation>Час скінчився</translation>
    </message>
    <message numerus="yes">
        <source>Finished with %n seconds left</source>
        <translation>
            <numerusform>Завершено, залишилася %n секунда</numerusform>
            <numerusform>Завершено, залишилося %n секунди</numerusform>
            <numerusform>Завершено, залишилося %n секунд</numerusform>
        </translation>
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
        <source>Pairs</source>
        <translation>Пари</translation>
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
        <source>Every board shows all of it.</source>
        <translation>Кожне поле показує його повністю.</translation>
    </message>
    <message>
        <source>Every board shows its drawing; the smallest card shows rows %1–%2 %.</source>
        <translation>Кожне поле показує малюнок; найменша картка показує рядки %1–%2 %.</translation>
    </message>
    <message>
        <source>O&amp;pen a set…</source>
        <translation>&amp;Відкрити набір…</translation>
    </message>
    <message>
        <source>Choose the pictures two by two, each followed by its partner, or drop them here. Each card shows as the board shows it on this screen: the shaded rows are cut off on the smallest card the set can get. Every caption is what a screen reader says of its card.</source>
        <translation>Вибирайте малюнки по два, кожен разом із його парою, або перетягніть їх сюди. Кожна картка показана так, як її покаже поле на цьому екрані: затінені рядки обрізає найменша картка, яку може отримати набір. Кожен підпис — це те, що читач екрана скаже про свою картку.</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Поступ</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Скасувати</translation>
    </message>
    <message>
        <source>Stopping…</source>
        <translation>Зупинка…</translation>
    </message>
    <message>
        <source>&amp;Undo removal</source>
        <translation>Скасувати ви&amp;лучення</translation>
    </message>
    <message>
        <source>&amp;Export…</source>
        <translation>&amp;Експорт…</translation>
    </message>
    <message>
        <source>Save the set as one .zip file to share</source>
        <translation>Зберегти набір одним файлом .zip, щоб поділитися</translation>
    </message>
    <message>
        <source>&amp;Import…</source>
        <translation>&amp;Імпорт…</translation>
    </message>
    <message>
        <source>Add a set shared as a .zip file</source>
        <translation>Додати набір, отриманий файлом .zip</translation>
    </message>
    <message numerus="yes">
        <source>Opened the set &quot;%1&quot;: %n pairs.</source>
        <translation>
            <numerusform>Відкрито набір «%1»: %n пара.</numerusform>
            <numerusform>Відкрито набір «%1»: %n пари.</numerusform>
            <numerusform>Відкрито набір «%1»: %n пар.</numerusform>
        </translation>
    </message>
    <message>
        <source>Paired in the order chosen: %1. To pair a picture with another one, use &quot;Exchange…&quot; under it.</source>
        <translation>Об’єднано в пари в порядку вибору: %1. Щоб поєднати малюнок з іншим, скористайтеся «Обміняти з…» під ним.</translation>
    </message>
    <message>
        <source>Choose picture %1 of pair %2</source>
        <translation>Вибрати малюнок %1 пари %2</translation>
    </message>
    <message>
        <source>Choose the partner of pair %1</source>
        <translation>Вибрати пару для пари %1</translation>
    </message>
    <message>
        <source>Open a set</source>
        <translation>Відкрити набір</translation>
    </message>
    <message>
        <source>Your sets in %1:</source>
        <translation>Ваші набори в %1:</translation>
    </message>
    <message>
        <source>Your sets</source>
        <translation>Ваші набори</translation>
    </message>
    <message>
        <source>No set yet: make one and save it.</source>
        <translation>Ще немає наборів: створіть і збережіть один.</translation>
    </message>
    <message>
        <source>Leave this set unsaved?</source>
        <translation>Залишити цей набір незбереженим?</translation>
    </message>
    <message>
        <source>This set has not been saved. Open &quot;%1&quot; and leave it unsaved?</source>
        <translation>Цей набір не збережено. Відкрити «%1» і залишити його незбереженим?</translation>
    </message>
    <message>
        <source>Save the set before exporting it.</source>
        <translation>Збережіть набір перед експортом.</translation>
    </message>
    <message>
        <source>Export the set as a .zip file</source>
        <translation>Експортувати набір у файл .zip</translation>
    </message>
    <message>
        <source>Zip files (*.zip)</source>
        <translation>Файли zip (*.zip)</translation>
    </message>
    <message>
        <source>Exporting…</source>
        <translation>Експорт…</translation>
    </message>
    <message>
        <source>Exported to %1.</source>
        <translation>Експортовано до %1.</translation>
    </message>
    <message>
        <source>Nothing was exported:</source>
        <translation>Нічого не експортовано:</translation>
    </message>
    <message>
        <source>Import a set from a .zip file</source>
        <translation>Імпортувати набір із файлу .zip</translation>
    </message>
    <message>
        <source>Importing…</source>
        <translation>Імпорт…</translation>
    </message>
    <message>
        <source>Nothing was imported:</source>
        <translation>Нічого не імпортовано:</translation>
    </message>
    <message>
        <source>Saving…</source>
        <translation>Збереження…</translation>
    </message>
    <message>
        <source>Pair %1 removed; Ctrl+Z puts it back. %2</source>
        <translation>Пару %1 вилучено; Ctrl+Z поверне її. %2</translation>
    </message>
    <message>
        <source>picture %1 of pair %2: %3</source>
        <translation>малюнок %1 пари %2: %3</translation>
    </message>
    <message>
        <source>A picture waits for its partner.</source>
        <translation>Малюнок чекає на свою пару.</translation>
    </message>
    <message>
        <source>Picture…</source>
        <translation>Малюнок…</translation>
    </message>
    <message>
        <source>Exchange…</source>
        <translation>Обміняти з…</translation>
    </message>
    <message>
        <source>Exchange picture %1 of pair %2 with one of another pair</source>
        <translation>Обміняти малюнок %1 пари %2 на малюнок іншої пари</translation>
    </message>
    <message>
        <source>A camera&apos;s name: rename it to what the card shows.</source>
        <translation>Це назва з камери: перейменуйте відповідно до того, що показує картка.</translation>
    </message>
    <message>
        <source>⚠ On this screen (%1×%2) a board of %3 pairs cuts its drawing (rows %4–%5 %): a card shows rows %6–%7 %.</source>
        <translation>⚠ На цьому екрані (%1×%2) поле з %3 пар обрізає малюнок (рядки %4–%5 %): картка показує рядки %6–%7 %.</translation>
    </message>
    <message>
        <source>Choose its par&amp;tner…</source>
        <translation>Вибрати &amp;пару…</translation>
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
    <name>ResultsWindow</name>
    <message>
        <source>Back to the game over</source>
        <translation>Назад до завершення гри</translation>
    </message>
    <message>
        <source>Back to the board</source>
        <translation>Назад до поля</translation>
    </message>
    <message>
        <source>Play a new board</source>
        <translation>Грати нове поле</translation>
    </message>
    <message>
        <source>F9 shows the results of the run.</source>
        <translation>F9 показує результати сеансу.</translation>
    </message>
</context>
<context>
    <name>SetArchive</name>
    <message>
        <source>%1 cannot be read</source>
        <translation>%1 не вдається прочитати</translation>
    </message>
    <message>
        <source>%1 is not a zip file that can be read: %2</source>
        <translation>%1 не є придатним для читання файлом zip: %2</translation>
    </message>
    <message>
        <source>%1: cannot be inflated: %2</source>
        <translation>%1: не вдається розпакувати: %2</translation>
    </message>
    <message>
        <source>%1: inflates to more than %2 MB, more than a picture</source>
        <translation>%1: розпаковується в понад %2 МБ, більше, ніж малюнок</translation>
    </message>
    <message>
        <source>%1: the pictures inflate to more than %2 MB together</source>
        <translation>%1: малюнки разом розпаковуються в понад %2 МБ</translation>
    </message>
    <message>
        <source>%1: inflates more than %2 times, as no picture does</source>
        <translation>%1: розпаковується більш ніж у %2 разів, як жоден малюнок</translation>
    </message>
    <message>
        <source>%1: an absolute path, outside any set</source>
        <translation>%1: абсолютний шлях, поза будь-яким набором</translation>
    </message>
    <message>
        <source>%1: a path that leaves the set</source>
        <translation>%1: шлях, що виходить за межі набору</translation>
    </message>
    <message>
        <source>%1: a link, which no set holds</source>
        <translation>%1: посилання, яких жоден набір не містить</translation>
    </message>
    <message>
        <source>%1: a device or pipe, not a picture</source>
        <translation>%1: пристрій або канал, а не малюнок</translation>
    </message>
    <message>
        <source>%1: a second set beside %2; an archive holds one</source>
        <translation>%1: другий набір поряд із %2; архів містить один</translation>
    </message>
    <message>
        <source>%1: a file outside the set&apos;s folder</source>
        <translation>%1: файл поза текою набору</translation>
    </message>
    <message>
        <source>%1: only the folders &quot;1&quot; and &quot;2&quot; belong in a set</source>
        <translation>%1: у наборі можуть бути лише теки &quot;1&quot; і &quot;2&quot;</translation>
    </message>
    <message>
        <source>%1: a file where the folder %2 belongs</source>
        <translation>%1: файл там, де має бути тека %2</translation>
    </message>
    <message>
        <source>%1: a folder inside %2, where only pictures belong</source>
        <translation>%1: тека всередині %2, де мають бути лише малюнки</translation>
    </message>
    <message>
        <source>%1: %2 MB, more than a picture</source>
        <translation>%1: %2 МБ, більше, ніж малюнок</translation>
    </message>
    <message>
        <source>%1: needs %2 MB to decode, more than the game allows</source>
        <translation>%1: для декодування потрібно %2 МБ, більше, ніж дозволяє гра</translation>
    </message>
    <message>
        <source>%1: not a picture the game reads</source>
        <translation>%1: гра не читає цей малюнок</translation>
    </message>
    <message>
        <source>%1: a picture cut short</source>
        <translation>%1: обрізаний малюнок</translation>
    </message>
    <message>
        <source>%1 holds more than %2 entries, more than a set</source>
        <translation>%1 містить понад %2 записів, більше, ніж набір</translation>
    </message>
    <message>
        <source>%1: twice in the archive</source>
        <translation>%1: двічі в архіві</translation>
    </message>
    <message>
        <source>%1 holds no set: a folder with pictures in its folders &quot;1&quot; and &quot;2&quot;</source>
        <translation>%1 не містить набору: теки з малюнками в її теках &quot;1&quot; і &quot;2&quot;</translation>
    </message>
    <message>
        <source>cannot write in %1: %2</source>
        <translation>не вдається записати в %1: %2</translation>
    </message>
    <message>
        <source>%1 changed while it was read</source>
        <translation>%1 змінився під час читання</translation>
    </message>
    <message>
        <source>cannot write %1: %2</source>
        <translation>не вдається записати %1: %2</translation>
    </message>
    <message>
        <source>%1 is no set that can be read: its folder %2 is missing</source>
        <translation>%1 не є придатним для читання набором: бракує його теки %2</translation>
    </message>
    <message>
        <source>%1 cannot be read, or is too big to share</source>
        <translation>%1 не вдається прочитати, або він завеликий, щоб ним поділитися</translation>
    </message>
</context>
<context>
    <name>SetDraft</name>
    <message>
        <source>pair %1: %2</source>
        <translation>пара %1: %2</translation>
    </message>
</context>
<context>
    <name>SetMaker</name>
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
        <source>cannot move the new set into %1: %2</source>
        <translation>не вдається перемістити новий набір у %1: %2</translation>
    </message>
    <message>
        <source>%1 is a file, not a set: nothing was replaced</source>
        <translation>%1 є файлом, а не набором: нічого не замінено</translation>
    </message>
    <message>
        <source>cannot keep %1 of the set replaced: %2</source>
        <translation>не вдається зберегти %1 заміненого набору: %2</translation>
    </message>
    <message>
        <source>the disk is full (%1)</source>
        <translation>диск заповнений (%1)</translation>
    </message>
    <message>
        <source>the set has no name: a name needs a letter, digit or sign</source>
        <translation>набір не має назви: назві потрібна літера, цифра або знак</translation>
    </message>
    <message>
        <source>the set name %1 holds a control character</source>
        <translation>назва набору %1 містить керівний символ</translation>
    </message>
    <message>
        <source>the set name is too long: %1 bytes, where a folder&apos;s name holds 255</source>
        <translation>назва набору задовга: %1 байтів, тоді як назва теки вміщує 255</translation>
    </message>
    <message>
        <source>the set name %1 holds %2, which the disk of %3 does not allow in a name</source>
        <translation>назва набору %1 містить %2, що диск %3 не дозволяє в назві</translation>
    </message>
    <message>
        <source>%1 is a folder, not a picture</source>
        <translation>%1 є текою, а не малюнком</translation>
    </message>
    <message>
        <source>%1 is not a file but a device or pipe</source>
        <translation>%1 не файл, а пристрій або канал</translation>
    </message>
    <message>
        <source>%1 is too big for a picture: %2 MB</source>
        <translation>%1 завеликий для малюнка: %2 МБ</translation>
    </message>
    <message>
        <source>%1 and %2 are the same picture, twice in pair %3</source>
        <translation>%1 і %2 є тим самим малюнком, двічі в парі %3</translation>
    </message>
    <message>
        <source>%1 and %2 are the same picture, in pairs %3 and %4</source>
        <translation>%1 і %2 є тим самим малюнком, у парах %3 і %4</translation>
    </message>
    <message>
        <source>cannot write the copy of %1: %2</source>
        <translation>не вдається записати копію %1: %2</translation>
    </message>
    <message>
        <source>%1 needs %2 MB to decode, more than the %3 MB the game allows</source>
        <translation>%1 потребує %2 МБ для декодування, більше, ніж %3 МБ, що дозволяє гра</translation>
    </message>
    <message>
        <source>%1 is cut short: its end is missing</source>
        <translation>%1 обрізаний: бракує його кінця</translation>
    </message>
    <message>
        <source>cannot encode the copy of %1 (%2)</source>
        <translation>не вдається закодувати копію %1 (%2)</translation>
    </message>
    <message>
        <source>the set name %1 looks like that of the set %2 in the game&apos;s list</source>
        <translation>назва набору %1 схожа на назву набору %2 у списку гри</translation>
    </message>
    <message>
        <source>a set named %1 already lies in %2, which the game plays instead: choose another name</source>
        <translation>набір %1 уже є в %2, і гра використовує саме його: виберіть іншу назву</translation>
    </message>
    <message numerus="yes">
        <source>%n pairs: a set holds %1 at most</source>
        <translation>
            <numerusform>%n пара: набір містить щонайбільше %1</numerusform>
            <numerusform>%n пари: набір містить щонайбільше %1</numerusform>
            <numerusform>%n пар: набір містить щонайбільше %1</numerusform>
        </translation>
    </message>
    <message>
        <source>cannot write in the folder %1: %2</source>
        <translation>не вдається записати в теку %1: %2</translation>
    </message>
    <message>
        <source>the set name is too long for the disk of %1</source>
        <translation>назва набору задовга для диска %1</translation>
    </message>
    <message>
        <source>the disk of %1 does not allow the set name %2: %3</source>
        <translation>диск %1 не дозволяє назву набору %2: %3</translation>
    </message>
    <message>
        <source>saving was cancelled: nothing was written</source>
        <translation>збереження скасовано: нічого не записано</translation>
    </message>
    <message>
        <source>there is no set %1 that can be read in %2</source>
        <translation>у %2 немає набору %1, який можна прочитати</translation>
    </message>
    <message>
        <source>%1 has no partner and is left out</source>
        <translation>%1 не має пари і залишається поза грою</translation>
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
        <source>no board yet</source>
        <translation>ще немає поля</translation>
    </message>
    <message>
        <source>boards of %1</source>
        <translation>поля з %1</translation>
    </message>
    <message>
        <source>boards of %1 and %2</source>
        <translation>поля з %1 і %2</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>%1: %2; %3 give boards of %4</source>
        <translation>%1: %2; %3 дають поля з %4</translation>
    </message>
    <message numerus="yes">
        <source>%n more pairs</source>
        <translation>
            <numerusform>ще %n пара</numerusform>
            <numerusform>ще %n пари</numerusform>
            <numerusform>ще %n пар</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>SetsCommand</name>
    <message>
        <source>Usage: zindle-sets [FOLDER] [--sheet FILE.png [--pairs N] [--screen WxH]]
       zindle-sets --new [NAME FIRST1 SECOND1 FIRST2 SECOND2 ... [--replace]]
       zindle-sets --edit NAME
       zindle-sets --export NAME FILE.zip
       zindle-sets --import FILE.zip [--replace]

Checks Zindle&apos;s picture sets the way the game&apos;s board deals and shows them: the same
listing, the same picture decoding (in parallel, as the board does) and the same card
layout. Without FOLDER it checks every set the game&apos;s setup window lists, from every
place the game reads sets from, each under the folder it lies in (where a name lies in
two places, the game plays the first: see the manual page). FOLDER may be a folder of
sets, or one set: a folder that holds the folders &quot;1&quot; and &quot;2&quot;.

A set is two folders. File p of &quot;1&quot; and file p of &quot;2&quot;, both counted in name order
ignoring case, form pair p; hidden files (a leading &quot;.&quot;) do not count. The number of
files in &quot;1&quot; decides which pair counts (6 10 12 15 21 28 36) the setup window offers.
</source>
        <translation>Використання: zindle-sets [ТЕКА] [--sheet ФАЙЛ.png [--pairs N] [--screen ШxВ]]
              zindle-sets --new [НАЗВА ПЕРШИЙ1 ДРУГИЙ1 ПЕРШИЙ2 ДРУГИЙ2 ... [--replace]]
              zindle-sets --edit НАЗВА
              zindle-sets --export НАЗВА ФАЙЛ.zip
              zindle-sets --import ФАЙЛ.zip [--replace]

Перевіряє набори малюнків Zindle так, як поле гри їх роздає і показує: той самий
перелік, те саме декодування малюнків (паралельно, як поле) і те саме розташування
карток. Без ТЕКИ перевіряє кожен набір, який показує вікно підготовки гри, з кожного
місця, звідки гра читає набори, кожен під текою, в якій він лежить (якщо назва є у двох
місцях, гра використовує перше: див. сторінку посібника). ТЕКА може бути текою наборів
або одним набором: текою, що містить теки &quot;1&quot; і &quot;2&quot;.

Набір складається з двох тек. Файл p з &quot;1&quot; і файл p з &quot;2&quot;, обидва злічені за порядком
назв без розрізнення регістру, утворюють пару p; приховані файли (з &quot;.&quot; на початку) не
враховуються. Кількість файлів у &quot;1&quot; визначає, які кількості пар (6 10 12 15 21 28 36)
пропонує вікно підготовки гри.
</translation>
    </message>
    <message>
        <source>Every line of the report is one finding. Its first word says what it is; the set&apos;s name
follows in double quotes (a quote, backslash or control character in a name or file name
is written \&quot;, \\ or \uXXXX). Pairs are numbered from 1, in name order.
  set &quot;S&quot; &quot;FOLDER&quot;           where the set lies
  files &quot;S&quot;: N in &quot;1&quot;, M in &quot;2&quot;
  offers &quot;S&quot;: 6 10 12        the pair counts the setup window offers, or &quot;none&quot;
  pair &quot;S&quot; P: &quot;A&quot; &quot;B&quot;        the two files of pair P (&quot;-&quot; when &quot;2&quot; has none)
  error &quot;S&quot;: ...             the set cannot be played: a folder &quot;1&quot; or &quot;2&quot; that is
                             missing or unreadable, or no pair that can be dealt
  warning &quot;S&quot; pair P: never dealt: ...
                             the board leaves the pair out of every game: &quot;2&quot; has no
                             file for it, or one of its files is not a regular file,
                             cannot be read, is not a picture the game reads, is too
                             big to decode or cannot be decoded (the reason follows)
  warning &quot;S&quot;: offers N pairs but can deal only M
  warning &quot;S&quot; pair P: cut: &quot;F&quot; has its drawing in rows A-B; a card shows rows C-D
          (E of its height) at N pairs on WxH; cut on WxH N N, WxH N
                             the board shows a picture as wide as its card and clips
                             its top and bottom when the card is lower than the picture;
                             the picture&apos;s drawing does not lie wholly in the rows shown
                             on some offered pair counts and screens (the least shown
                             is named first, then every screen with its pair counts).
                             The drawing is every row holding a pixel that differs by
                             more than 48 of 255 in a colour channel from the colour
                             most of the picture&apos;s outermost pixels have: the paper.
                             A photo is drawing to its edges. Rows are percent of the
                             picture&apos;s height from its top. The screens: 1280x1024,
                             1366x768, 1920x1080, 1920x1200, 2560x1080, 3840x2160.
  warning &quot;S&quot; pairs P and Q: same picture: &quot;F&quot; and &quot;G&quot;
                             two pairs hold pictures that look the same, so a player
                             cannot tell which two cards belong together
  warning &quot;S&quot; pair P: names differ: &quot;1/A&quot; and &quot;2/B&quot;, while N of M pairs match
                             most pairs have the same file name (extension aside) in
                             &quot;1&quot; and &quot;2&quot; but this one does not: often a file missing
                             or misnamed, so that the names sort apart
  note &quot;S&quot;: &quot;F&quot; is turned 90 degrees clockwise by its EXIF orientation; the board
          shows it so        (the photo shows turned as its camera meant it)
  note &quot;S&quot;: &quot;2/F&quot; has no partner in &quot;1&quot; and is never dealt
  note &quot;S&quot;: N pictures have no caption but their file number, all a screen reader says
          of them: &quot;F&quot; and N more
                             the caption is the title the picture file carries (a PNG
                             &quot;Title&quot; or &quot;Description&quot; text, XMP dc:title or
                             dc:description, EXIF ImageDescription), else its file name
  verdict &quot;S&quot;: playable, nothing to warn about | playable, N warnings | cannot be played
  summary: N sets, N cannot be played, N with warnings

Exit status: 0 when every set is playable at the pair counts it offers with nothing to
warn about; 1 when there are warnings; 2 when a set cannot be played, when there is no
set or no such folder, when a set cannot be made, edited, exported or imported, or on a
usage error.
</source>
        <translation>Кожен рядок звіту є однією знахідкою, англійською. Перше слово каже, що це; назва набору
йде в подвійних лапках (лапка, зворотна похила риска чи керівний символ у назві або
назві файлу записується як \&quot;, \\ або \uXXXX). Пари нумеруються з 1, за порядком назв.
  set &quot;S&quot; &quot;FOLDER&quot;           де лежить набір
  files &quot;S&quot;: N in &quot;1&quot;, M in &quot;2&quot;
  offers &quot;S&quot;: 6 10 12        кількості пар, які пропонує вікно підготовки гри, або
                             &quot;none&quot;
  pair &quot;S&quot; P: &quot;A&quot; &quot;B&quot;        два файли пари P (&quot;-&quot;, якщо в &quot;2&quot; файлу немає)
  error &quot;S&quot;: ...             у набір не можна грати: тека &quot;1&quot; або &quot;2&quot; відсутня чи
                             не читається, або немає жодної пари, яку можна роздати
  warning &quot;S&quot; pair P: never dealt: ...
                             поле не бере пару в жодну гру: у &quot;2&quot; немає для неї
                             файлу, або один з її файлів не є звичайним файлом, не
                             читається, не є малюнком, який читає гра, завеликий
                             для декодування або не декодується (далі причина)
  warning &quot;S&quot;: offers N pairs but can deal only M
  warning &quot;S&quot; pair P: cut: &quot;F&quot; has its drawing in rows A-B; a card shows rows C-D
          (E of its height) at N pairs on WxH; cut on WxH N N, WxH N
                             поле показує малюнок завширшки з його картку і обрізає
                             верх і низ, коли картка нижча за малюнок; зображення на
                             малюнку не вміщується повністю в показані рядки за
                             деяких запропонованих кількостей пар і екранів (спершу
                             названо той, що показує найменше, потім кожен екран з
                             його кількостями пар). Зображення складають усі рядки,
                             де є піксель, що відрізняється більш ніж на 48 з 255 в
                             одному каналі від кольору більшості крайніх пікселів
                             малюнка: паперу. Фото є зображенням до самих країв.
                             Рядки подано у відсотках висоти малюнка згори. Екрани:
                             1280x1024, 1366x768, 1920x1080, 1920x1200, 2560x1080,
                             3840x2160.
  warning &quot;S&quot; pairs P and Q: same picture: &quot;F&quot; and &quot;G&quot;
                             дві пари мають малюнки, що виглядають однаково, тож
                             гравець не може визначити, які дві картки є парою
  warning &quot;S&quot; pair P: names differ: &quot;1/A&quot; and &quot;2/B&quot;, while N of M pairs match
                             більшість пар має однакову назву файлу (без розширення)
                             в &quot;1&quot; і &quot;2&quot;, але ця ні: часто файл відсутній або названий
                             хибно, тож назви сортуються врозбіж
  note &quot;S&quot;: &quot;F&quot; is turned 90 degrees clockwise by its EXIF orientation; the board
          shows it so        (фото показано поверненим, як задумала його камера)
  note &quot;S&quot;: &quot;2/F&quot; has no partner in &quot;1&quot; and is never dealt
  note &quot;S&quot;: N pictures have no caption but their file number, all a screen reader says
          of them: &quot;F&quot; and N more
                             підпис є назвою, яку несе файл малюнка (текст PNG
                             &quot;Title&quot; або &quot;Description&quot;, XMP dc:title або
                             dc:description, EXIF ImageDescription), інакше його
                             назвою файлу
  verdict &quot;S&quot;: playable, nothing to warn about | playable, N warnings | cannot be played
  summary: N sets, N cannot be played, N with warnings

Код виходу: 0, коли в кожен набір можна грати за запропонованих ним кількостей пар і
немає попереджень; 1, коли є попередження; 2, коли в набір не можна грати, коли немає
жодного набору чи такої теки, коли набір не вдається створити, редагувати, експортувати
чи імпортувати, або за помилки використання.
</translation>
    </message>
    <message>
        <source>Options:</source>
        <translation>Параметри:</translation>
    </message>
    <message>
        <source>%1 (try &apos;zindle-sets --help&apos;)</source>
        <translation>%1 (спробуйте &apos;zindle-sets --help&apos;)</translation>
    </message>
    <message>
        <source>cannot write to standard output: %1</source>
        <translation>не вдається записати до стандартного виводу: %1</translation>
    </message>
    <message>
        <source>%1 has the caption %2, a camera&apos;s name that tells a player nothing: give it another with --edit</source>
        <translation>%1 має підпис %2, назву камери, яка нічого не каже гравцеві: дайте йому інший за допомогою --edit</translation>
    </message>
    <message>
        <source>shows this text</source>
        <translation>показує цей текст</translation>
    </message>
    <message>
        <source>shows the program&apos;s version</source>
        <translation>показує версію програми</translation>
    </message>
    <message>
        <source>also draws the pairs of every set side by side: the pair number, each picture in a card box exactly as the board shows it, clipped, over the card background &quot;fondo.jpg&quot; beside zindle-sets when there is one, and the two file names below; a red cross marks a picture that is never dealt. At most 120 pairs a set. zindle-sets writes nothing but this file.</source>
        <translation>також малює пари кожного набору поруч: номер пари, кожен малюнок у рамці картки точно так, як його показує поле, обрізаний, на тлі карток &quot;fondo.jpg&quot; поруч із zindle-sets, якщо воно є, і дві назви файлів під ним; червоний хрестик позначає малюнок, який ніколи не роздається. Щонайбільше 120 пар на набір. zindle-sets не записує нічого, крім цього файлу.</translation>
    </message>
    <message>
        <source>the board the sheet shows: 6, 10, 12, 15, 21, 28 or 36 pairs (default 36)</source>
        <translation>поле, яке показує аркуш: 6, 10, 12, 15, 21, 28 або 36 пар (типово 36)</translation>
    </message>
    <message>
        <source>its screen in logical pixels (default 1920x1080)</source>
        <translation>його екран у логічних пікселях (типово 1920x1080)</translation>
    </message>
    <message>
        <source>alone: opens the set maker&apos;s window. With NAME FIRST1 SECOND1 ...: makes the set NAME of the pictures given, a pair each two in order, without a window, and prints its folder: &quot;Zindle/NAME&quot; in the Pictures folder (~/.local/share/zindle/graficos/NAME without one). The copies in its folders &quot;1&quot; and &quot;2&quot; are named 01, 02 ... in both, turned upright, at most 2048 pixels long, and carry each picture&apos;s caption (its own title, else its file name). The originals are only read. On a terminal it shows its progress. A set that cannot be made (a name that cannot be a folder&apos;s or that looks like another set&apos;s, an odd number of pictures, a file missing, not a picture, cut short or given twice, a set of the name already there, a full disk) is named on standard error, nothing is written and the exit status is 2</source>
        <translation>сам: відкриває вікно створення наборів. З НАЗВА ПЕРШИЙ1 ДРУГИЙ1 ...: створює набір НАЗВА з поданих малюнків, пару з кожних двох по порядку, без вікна, і виводить його теку: &quot;Zindle/НАЗВА&quot; у теці Зображення (~/.local/share/zindle/graficos/НАЗВА, якщо її немає). Копії в його теках &quot;1&quot; і &quot;2&quot; мають назви 01, 02 ... в обох, повернені прямо, щонайбільше 2048 пікселів завдовжки, і несуть підпис кожного малюнка (його власну назву, інакше назву файлу). Оригінали лише читаються. У терміналі показує поступ. Набір, який не вдається створити (назва, яка не може бути назвою теки або схожа на назву іншого набору, непарна кількість малюнків, файл, що відсутній, не є малюнком, обрізаний або поданий двічі, набір із такою назвою, що вже існує, повний диск), називається у стандартному виводі помилок, нічого не записується, а код виходу 2</translation>
    </message>
    <message>
        <source>with --new NAME or --import: replaces the set of the name, once the new one is complete (a set that is a link: the link alone)</source>
        <translation>з --new НАЗВА або --import: замінює набір із цією назвою, щойно новий готовий (набір, що є посиланням: лише посилання)</translation>
    </message>
    <message>
        <source>NAME: opens the set NAME in the set maker&apos;s window, its pairs and captions; saving it writes only what changed</source>
        <translation>НАЗВА: відкриває набір НАЗВА у вікні створення наборів, з його парами й підписами; збереження записує лише змінене</translation>
    </message>
    <message>
        <source>NAME FILE.zip: writes the set NAME into a zip file that any computer opens, holding NAME/1/... and NAME/2/..., the captions inside the pictures</source>
        <translation>НАЗВА ФАЙЛ.zip: записує набір НАЗВА у файл zip, який відкриє будь-який комп’ютер, з НАЗВА/1/... і НАЗВА/2/..., підписи всередині малюнків</translation>
    </message>
    <message>
        <source>FILE.zip: makes the set that the zip file holds, after checking all of it (one set, its folders &quot;1&quot; and &quot;2&quot; of pictures, nothing else, within sizes a set has); each refusal names the entry and says why</source>
        <translation>ФАЙЛ.zip: створює набір, який містить файл zip, після перевірки його цілком (один набір, його теки &quot;1&quot; і &quot;2&quot; з малюнками, нічого іншого, у розмірах набору); кожна відмова називає запис і каже чому</translation>
    </message>
    <message>
        <source>--new, --edit, --export and --import go one at a time</source>
        <translation>--new, --edit, --export і --import ідуть лише по одному</translation>
    </message>
    <message>
        <source>--sheet, --pairs and --screen go with a check alone</source>
        <translation>--sheet, --pairs і --screen ідуть лише з перевіркою</translation>
    </message>
    <message>
        <source>--replace goes with --new NAME or --import</source>
        <translation>--replace іде з --new НАЗВА або --import</translation>
    </message>
    <message>
        <source>--export takes a set&apos;s NAME and FILE.zip</source>
        <translation>--export потребує НАЗВИ набору і ФАЙЛ.zip</translation>
    </message>
    <message>
        <source>--import takes one FILE.zip</source>
        <translation>--import потребує одного ФАЙЛ.zip</translation>
    </message>
    <message>
        <source>importing: %1 of %2 pictures</source>
        <translation>імпорт: %1 з %2 малюнків</translation>
    </message>
    <message>
        <source>saving: %1 of %2 pictures</source>
        <translation>збереження: %1 з %2 малюнків</translation>
    </message>
    <message>
        <source>--edit takes a set&apos;s NAME</source>
        <translation>--edit потребує НАЗВИ набору</translation>
    </message>
    <message>
        <source>--new takes a NAME and its pictures, or nothing</source>
        <translation>--new потребує НАЗВИ і її малюнків, або нічого</translation>
    </message>
    <message>
        <source>this maker&apos;s window cannot open a set</source>
        <translation>це вікно створення наборів не може відкрити набір</translation>
    </message>
    <message>
        <source>one folder at most</source>
        <translation>щонайбільше одна тека</translation>
    </message>
    <message>
        <source>--pairs takes 6, 10, 12, 15, 21, 28 or 36</source>
        <translation>--pairs приймає 6, 10, 12, 15, 21, 28 або 36</translation>
    </message>
    <message>
        <source>--screen takes a size such as 1920x1080</source>
        <translation>--screen приймає розмір, наприклад 1920x1080</translation>
    </message>
    <message>
        <source>--pairs and --screen choose the board of --sheet</source>
        <translation>--pairs і --screen вибирають поле для --sheet</translation>
    </message>
    <message>
        <source>One more note, on captions:
  note &quot;S&quot;: N captions hold characters a screen reader reads out as words (&quot;:/&quot;):
          &quot;F&quot; &quot;CAPTION&quot; and N more
                             at its usual punctuation level a screen reader says
                             : ; / | — – * # @ &amp; _ &lt; &gt; [ ] { } ~ = as words, so
                             &quot;clock: 10:15&quot; is heard &quot;clock colon 10 colon 15&quot;;
                             a comma only makes it pause
</source>
        <translation>Ще одна примітка, про підписи:
  note &quot;S&quot;: N captions hold characters a screen reader reads out as words (&quot;:/&quot;):
          &quot;F&quot; &quot;CAPTION&quot; and N more
                             на своєму звичному рівні пунктуації програма читання з
                             екрана вимовляє : ; / | — – * # @ &amp; _ &lt; &gt; [ ] { } ~ =
                             як слова, тож &quot;годинник: 10:15&quot; звучить як &quot;годинник
                             двокрапка 10 двокрапка 15&quot;; кома лише дає паузу
</translation>
    </message>
    <message>
        <source>the set maker&apos;s window needs a display, and there is none</source>
        <translation>вікну творця наборів потрібен екран, а його немає</translation>
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
    <message>
        <source>The picture set «%1» could not be dealt in time: its folders hold too many files that are no pictures, or answer too slowly.</source>
        <translation>Набір зображень «%1» не вдалося роздати вчасно: його теки містять забагато файлів, що не є зображеннями, або відповідають надто повільно.</translation>
    </message>
    <message numerus="yes">
        <source>%n pairs</source>
        <translation>
            <numerusform>%n пара</numerusform>
            <numerusform>%n пари</numerusform>
            <numerusform>%n пар</numerusform>
        </translation>
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
        <source>%1: the preference is not kept: %2: %3
</source>
        <translation>%1: налаштування не збережено: %2: %3
</translation>
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
    <message>
        <source>Dealing the cards… %1 %</source>
        <translation>Роздаємо картки… %1 %</translation>
    </message>
</context>
</TS>
